#include "devices/SoundMidiSettings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cordavo;

// The choices come back as they were written; what a hand-edited file holds
// out of range gives the default, and the rest is read as written.
TEST(SoundMidiSettings, RoundTripAndValuesOutOfRange)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Cordavo.ini"));
    SoundMidiSettings chosen;
    chosen.audioApi = QStringLiteral("jack");
    chosen.audioDevice = QStringLiteral("system");
    chosen.bufferFrames = 64;
    chosen.allMidiInputs = false;
    chosen.midiInputs = {QStringLiteral("Organ console: Great"), QStringLiteral("Pedal, 30 notes")};
    chosen.midiChannel = 16;
    chosen.midiOutput = QStringLiteral("Hauptwerk MIDI in");
    {
        QSettings settings(file, QSettings::IniFormat);
        chosen.write(settings);
    }
    EXPECT_EQ(SoundMidiSettings::read(QSettings(file, QSettings::IniFormat)), chosen);
    EXPECT_EQ(SoundMidiSettings::read(QSettings(dir.filePath(QStringLiteral("none.ini")), QSettings::IniFormat)),
              SoundMidiSettings());

    const struct {
        const char *frames;
        const char *channel;
        int readFrames;
        int readChannel;
    } cases[] = {
        {"128", "0", 128, 0},   {"2048", "1", 2048, 1},  {"100", "17", 256, 0},
        {"-256", "-1", 256, 0}, {"many", "ten", 256, 0}, {"", "", 256, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.frames);
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue(QStringLiteral("sound/bufferFrames"), QString::fromLatin1(c.frames));
            settings.setValue(QStringLiteral("midi/channel"), QString::fromLatin1(c.channel));
        }
        const SoundMidiSettings read = SoundMidiSettings::read(QSettings(file, QSettings::IniFormat));
        EXPECT_EQ(read.bufferFrames, c.readFrames);
        EXPECT_EQ(read.midiChannel, c.readChannel);
        EXPECT_EQ(read.midiOutput, chosen.midiOutput);
    }
}

TEST(SoundMidiSettings, WhatIsListenedTo)
{
    SoundMidiSettings settings;
    const struct {
        bool all;
        int channel;
        const char *input;
        int messageChannel;
        bool listened;
    } cases[] = {
        {true, 0, "Swell", 1, true},    {true, 0, "Swell", 16, true},   {true, 3, "Swell", 3, true},
        {true, 3, "Swell", 4, false},   {false, 0, "Great", 9, true},   {false, 0, "Swell", 9, false},
        {false, 16, "Great", 16, true}, {false, 16, "Great", 1, false},
    };
    for (const auto &c : cases) {
        settings.allMidiInputs = c.all;
        settings.midiInputs = {QStringLiteral("Great")};
        settings.midiChannel = c.channel;
        EXPECT_EQ(settings.listensTo(QString::fromLatin1(c.input), c.messageChannel), c.listened)
            << c.all << " " << c.channel << " " << c.input << " " << c.messageChannel;
    }
    // A device is chosen within a sound system only.
    settings.audioDevice = QStringLiteral("hw:1");
    EXPECT_TRUE(settings.soundChoice().device.isEmpty());
    settings.audioApi = QStringLiteral("alsa");
    EXPECT_EQ(settings.soundChoice().device, QStringLiteral("hw:1"));
    EXPECT_NEAR(bufferMilliseconds(256), 5.333, 0.001);
}
