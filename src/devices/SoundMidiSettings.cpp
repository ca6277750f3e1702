#include "devices/SoundMidiSettings.h"

#include <QSettings>

namespace cordavo {

namespace {

// The keys, under two groups a user finds in the settings file.
const QString kAudioApi = QStringLiteral("sound/api");
const QString kAudioDevice = QStringLiteral("sound/device");
const QString kBufferFrames = QStringLiteral("sound/bufferFrames");
const QString kAllMidiInputs = QStringLiteral("midi/allInputs");
const QString kMidiInputs = QStringLiteral("midi/inputs");
const QString kMidiChannel = QStringLiteral("midi/channel");
const QString kMidiOutput = QStringLiteral("midi/output");

} // namespace

QList<int> SoundMidiSettings::bufferSizes()
{
    return {64, 128, 256, 512, 1024, 2048};
}

double bufferMilliseconds(int frames)
{
    return 1000.0 * frames / kOutputSampleRate;
}

SoundMidiSettings SoundMidiSettings::read(const QSettings &settings)
{
    SoundMidiSettings read;
    read.audioApi = settings.value(kAudioApi).toString();
    read.audioDevice = settings.value(kAudioDevice).toString();
    bool number = false;
    const int frames = settings.value(kBufferFrames).toInt(&number);
    if (number && bufferSizes().contains(frames))
        read.bufferFrames = frames;
    read.allMidiInputs = settings.value(kAllMidiInputs, true).toBool();
    read.midiInputs = settings.value(kMidiInputs).toStringList();
    const int channel = settings.value(kMidiChannel).toInt(&number);
    if (number && channel >= 0 && channel <= 16)
        read.midiChannel = channel;
    read.midiOutput = settings.value(kMidiOutput).toString();
    return read;
}

void SoundMidiSettings::write(QSettings &settings) const
{
    settings.setValue(kAudioApi, audioApi);
    settings.setValue(kAudioDevice, audioDevice);
    settings.setValue(kBufferFrames, bufferFrames);
    settings.setValue(kAllMidiInputs, allMidiInputs);
    settings.setValue(kMidiInputs, midiInputs);
    settings.setValue(kMidiChannel, midiChannel);
    settings.setValue(kMidiOutput, midiOutput);
}

SoundChoice SoundMidiSettings::soundChoice() const
{
    return {audioApi, audioApi.isEmpty() ? QString() : audioDevice, bufferFrames};
}

bool SoundMidiSettings::listensTo(const QString &input, int channel) const
{
    return (allMidiInputs || midiInputs.contains(input)) && (midiChannel == 0 || midiChannel == channel);
}

} // namespace cordavo
