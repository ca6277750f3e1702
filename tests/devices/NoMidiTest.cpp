#include "cli/CliProcess.h"

#include "devices/MidiInput.h"
#include "devices/MidiOutput.h"
#include "devices/MidiPorts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace cordavo {
namespace {

// A machine without MIDI: no JACK server (none under the name given here)
// and no ALSA sequencer, as in a container; Windows under Wine has no MIDI
// devices either.
class NoMidi : public ::testing::Test
{
protected:
    void SetUp() override
    {
#ifdef Q_OS_LINUX
        if (QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
            GTEST_SKIP() << "this machine has an ALSA sequencer";
#endif
        m_server = qgetenv("JACK_DEFAULT_SERVER");
        qputenv("JACK_DEFAULT_SERVER", "cordavo-no-server-" + QByteArray::number(QCoreApplication::applicationPid()));
    }
    void TearDown() override
    {
        if (m_server.isEmpty())
            qunsetenv("JACK_DEFAULT_SERVER");
        else
            qputenv("JACK_DEFAULT_SERVER", m_server);
    }

private:
    QByteArray m_server;
};

TEST_F(NoMidi, InputSaysSoOnce)
{
    EXPECT_TRUE(midiInputNames().isEmpty());
    MidiInput input;
    const Result<QStringList> opened = input.open();
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().toStdString(), "No MIDI input was found");
    EXPECT_TRUE(input.openPorts().isEmpty());
    // Named inputs do not change the answer.
    EXPECT_EQ(input.open({QStringLiteral("keyboard:out")}).error().toStdString(), "No MIDI input was found");
}

TEST_F(NoMidi, OutputsAreNoneAndNothingIsSent)
{
    EXPECT_TRUE(midiOutputNames().isEmpty());
    MidiOutput output;
    const Result<void> opened = output.open(QStringLiteral("organ:in"));
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().toStdString(), "MIDI output \"organ:in\" was not found. No MIDI output was found.");
    EXPECT_FALSE(output.send(QByteArray::fromHex("903c40")).ok());

    const CliRun list = runCordavoCli({QStringLiteral("send"), QStringLiteral("--list")});
    EXPECT_EQ(list.status, 0);
    EXPECT_TRUE(list.out.isEmpty());
    EXPECT_EQ(list.err.trimmed().toStdString(), "No MIDI output was found");
    const CliRun send = runCordavoCli({QStringLiteral("send"), QStringLiteral("--port"), QStringLiteral("organ:in"),
                                       QStringLiteral("--format"), QStringLiteral("mts-octave"),
                                       QStringLiteral("--cents"), QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0")});
    EXPECT_EQ(send.status, 2);
    EXPECT_EQ(send.err.trimmed().toStdString(),
              "cordavo-cli send: --port: there is no MIDI output \"organ:in\"; No MIDI output was found");
}

} // namespace
} // namespace cordavo
