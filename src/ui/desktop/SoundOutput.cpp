#include "ui/desktop/SoundOutput.h"

#include "sound/ToneSynth.h"
#include "ui/desktop/SoundSink.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace cordavo {

namespace {

// Where the sound module may be: beside the program (a build), one folder up
// (the tests), and where it is installed, relative to the program.
QStringList moduleCandidates()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("cordavo_audio")), program.filePath(QStringLiteral("../cordavo_audio")),
            program.filePath(QStringLiteral(CORDAVO_AUDIO_MODULE_FROM_PROGRAM "/cordavo_audio"))};
}

} // namespace

SoundOutput::SoundOutput(ToneSynth &synth, QObject *parent) : QObject(parent), m_synth(synth) {}

SoundOutput::~SoundOutput()
{
    stop();
}

SoundSink *SoundOutput::sink() const
{
    if (!m_loaded) {
        m_loaded = true;
        for (const QString &candidate : moduleCandidates()) {
            QLibrary module(candidate);
            const auto create = reinterpret_cast<CreateSoundSink>(module.resolve(kCreateSoundSink));
            if (create) {
                ToneSynth *synth = &m_synth;
                std::atomic<qint64> *counted = &m_samplesRendered;
                m_sink.reset(create([synth, counted](float *out, int frames) {
                    synth->render(out, frames);
                    *counted += frames;
                }));
                break;
            }
        }
    }
    return m_sink.get();
}

bool SoundOutput::available() const
{
    return sink() && m_sink->available();
}

bool SoundOutput::start()
{
    return sink() && m_sink->start();
}

void SoundOutput::stop()
{
    if (m_sink)
        m_sink->stop();
}

bool SoundOutput::playing() const
{
    return m_sink && m_sink->playing();
}

} // namespace cordavo
