#include "JackTesting.h"
#include "MidiTesting.h"
#include "cli/CliProcess.h"

#include "devices/MidiInput.h"
#include "devices/MidiPorts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <set>

namespace cordavo {
namespace {

// Every test here plays through a JACK server of its own.
using MidiOnJack = OnJack<::testing::Test>;

// What a MidiInput handed on, in order: "on 60", "off 60", "lost PORT".
struct Heard {
    explicit Heard(MidiInput &input)
    {
        QObject::connect(&input, &MidiInput::noteOn, [this](int key) { events << QStringLiteral("on %1").arg(key); });
        QObject::connect(&input, &MidiInput::noteOff, [this](int key) { events << QStringLiteral("off %1").arg(key); });
        QObject::connect(&input, &MidiInput::inputLost,
                         [this](const QString &port) { events << QStringLiteral("lost ") + port; });
    }
    // The keys still sounding.
    std::set<int> sounding() const
    {
        std::set<int> keys;
        for (const QString &event : events) {
            const int key = event.section(QLatin1Char(' '), 1).toInt();
            if (event.startsWith(QLatin1String("on ")))
                keys.insert(key);
            else if (event.startsWith(QLatin1String("off ")))
                keys.erase(key);
        }
        return keys;
    }
    QStringList events;
};

// Lets the input hand on what arrived until 'count' events came or time is up.
void deliverUntil(MidiInput &input, const Heard &heard, qsizetype count)
{
    const QDeadlineTimer deadline(5000);
    while (heard.events.size() < count && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        input.deliver();
        QThread::msleep(5);
    }
}

// Plays key 1 on 'channel' (1 to 16) until the input hears it, then
// releases it: a connection made a moment ago may take a few periods to
// carry MIDI on a busy machine. Clears what was heard.
void warmUp(TestJackClient &keyboard, MidiInput &input, Heard &heard, int channel = 1)
{
    const auto status = static_cast<unsigned char>(channel - 1);
    const QDeadlineTimer deadline(10000);
    while (!heard.events.contains(QStringLiteral("on 1")) && !deadline.hasExpired()) {
        keyboard.play({static_cast<unsigned char>(0x90 | status), 1, 1});
        keyboard.waitPlayed();
        input.deliver();
    }
    keyboard.play({static_cast<unsigned char>(0x80 | status), 1, 0});
    keyboard.waitPlayed();
    deliverUntil(input, heard, heard.events.size() + 1);
    heard.events.clear();
}

struct PlayRow {
    const char *name;
    int channel;
    const char *messages; // separated by '|'
    const char *heard;    // separated by ", "
};

void PrintTo(const PlayRow &row, std::ostream *out)
{
    *out << row.name;
}

class MidiInputPlayed : public MidiOnJack, public ::testing::WithParamInterface<PlayRow>
{
};

TEST_P(MidiInputPlayed, KeyboardOnJackPlaysTheKeys)
{
    const PlayRow &row = GetParam();
    TestJackClient keyboard("keyboard");
    ASSERT_TRUE(keyboard.isOpen());
    MidiInput input;
    Heard heard(input);
    const Result<QStringList> opened = input.open({}, row.channel);
    ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
    EXPECT_TRUE(opened.value().contains(keyboard.outPort())) << opened.value().join(QLatin1Char(' ')).toStdString();
    warmUp(keyboard, input, heard, row.channel == MidiDecoder::kAnyChannel ? 1 : row.channel);
    for (const QString &message : QString::fromLatin1(row.messages).split(QLatin1Char('|'))) {
        const QByteArray bytes = hexBytes(message.toLatin1().constData());
        ASSERT_EQ(bytes.size(), 3);
        keyboard.play({static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1]),
                       static_cast<unsigned char>(bytes[2])});
        keyboard.waitPlayed(); // one message a period, as a player's fingers give them
    }
    const QStringList expected = QString::fromLatin1(row.heard).split(QStringLiteral(", "), Qt::SkipEmptyParts);
    deliverUntil(input, heard, expected.size());
    input.deliver();
    EXPECT_EQ(heard.events.join(QStringLiteral(", ")).toStdString(), row.heard);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, MidiInputPlayed,
    ::testing::Values(PlayRow{"notes", 0, "90 3C 64|90 40 50|80 3C 00|80 40 00", "on 60, on 64, off 60, off 64"},
                      PlayRow{"velocity 0", 0, "90 3C 64|90 3C 00", "on 60, off 60"},
                      PlayRow{"pedal", 0, "B0 40 7F|90 3C 64|80 3C 00|90 40 64|80 40 00|B0 40 00",
                              "on 60, on 64, off 60, off 64"},
                      PlayRow{"channel", 2, "90 3C 64|91 3E 64|92 40 64|81 3E 00", "on 62, off 62"},
                      PlayRow{"all notes off", 0, "90 3C 64|90 40 64|B0 7B 00", "on 60, on 64, off 60, off 64"},
                      PlayRow{"all sound off", 0, "B0 40 7F|90 3C 64|80 3C 00|B0 78 00", "on 60, off 60"}),
    rowName<PlayRow>);

TEST_F(MidiOnJack, InputIsAClientNamedCordavoThatAnySourceCanReach)
{
    TestJackClient keyboard("keyboard");
    MidiInput input;
    ASSERT_TRUE(input.open({keyboard.outPort()}).ok());
    const char **ports = nullptr;
    jack_status_t status{};
    jack_client_t *viewer = jack_client_open("viewer", JackNoStartServer, &status);
    ASSERT_NE(viewer, nullptr);
    ports = jack_get_ports(viewer, "^Cordavo", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput);
    ASSERT_NE(ports, nullptr);
    const QString ours = QString::fromUtf8(ports[0]);
    jack_free(ports);
    // A second source, connected by hand as a user would in a patchbay.
    TestJackClient other("other");
    ASSERT_EQ(jack_connect(viewer, other.outPort().toUtf8().constData(), ours.toUtf8().constData()), 0);
    jack_client_close(viewer);
    Heard heard(input);
    warmUp(other, input, heard);
    other.play({0x90, 0x45, 0x40});
    other.waitPlayed();
    deliverUntil(input, heard, 1);
    EXPECT_EQ(heard.events.join(QStringLiteral(", ")).toStdString(), "on 69");
}

TEST_F(MidiOnJack, FullQueueReleasesEveryNoteAndPlaysOn)
{
    TestJackClient keyboard("keyboard");
    MidiInput input(nullptr, 4);
    Heard heard(input);
    ASSERT_TRUE(input.open({keyboard.outPort()}).ok());
    warmUp(keyboard, input, heard);
    // Twelve keys struck and six released in one period, nothing handed on
    // meanwhile: the queue of four overflows, releases among them are lost.
    for (unsigned char key = 60; key < 72; ++key)
        keyboard.play({0x90, key, 0x64});
    for (unsigned char key = 60; key < 66; ++key)
        keyboard.play({0x80, key, 0x00});
    keyboard.waitPlayed();
    input.deliver();
    EXPECT_TRUE(heard.sounding().empty()) << heard.events.join(QStringLiteral(", ")).toStdString();
    // Every key that started was released, none twice.
    EXPECT_EQ(heard.events.filter(QStringLiteral("on ")).size(), heard.events.filter(QStringLiteral("off ")).size());
    // The keyboard plays on.
    heard.events.clear();
    keyboard.play({0x90, 74, 0x64});
    keyboard.waitPlayed();
    deliverUntil(input, heard, 1);
    EXPECT_EQ(heard.sounding(), std::set<int>{74}) << heard.events.join(QStringLiteral(", ")).toStdString();
}

TEST_F(MidiOnJack, UnpluggedKeyboardIsSilencedAndNamed)
{
    TestJackClient kept("kept");
    auto unplugged = std::make_unique<TestJackClient>("unplugged");
    const QString gone = unplugged->outPort();
    MidiInput input;
    Heard heard(input);
    const Result<QStringList> opened = input.open();
    ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
    warmUp(kept, input, heard);
    warmUp(*unplugged, input, heard);
    kept.play({0x90, 60, 0x64});
    unplugged->play({0x90, 64, 0x64});
    unplugged->play({0x90, 60, 0x64});
    kept.waitPlayed();
    unplugged->waitPlayed();
    deliverUntil(input, heard, 2);
    unplugged.reset();
    deliverUntil(input, heard, 4);
    // Key 60 still sounds from the other keyboard.
    EXPECT_EQ(heard.events.join(QStringLiteral(", ")).toStdString(),
              "on 60, on 64, off 64, lost " + gone.toStdString());
    EXPECT_EQ(input.openPorts(), QStringList{kept.outPort()});
}

TEST_F(MidiOnJack, PortsThatAreNotThereAreNamed)
{
    TestJackClient keyboard("keyboard");
    MidiInput input;
    const Result<QStringList> opened = input.open({QStringLiteral("nobody:out"), keyboard.outPort()});
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().toStdString(), "These MIDI inputs could not be opened: nobody:out");
    EXPECT_EQ(input.openPorts(), QStringList{keyboard.outPort()});
}

// The bytes export writes for a format, as a file of a temporary folder.
QByteArray exportedBytes(const QStringList &source, const QString &format)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("t.syx"));
    const CliRun run = runCordavoCli(QStringList{QStringLiteral("export"), QStringLiteral("--format"), format} +
                                     source + QStringList{QStringLiteral("--out"), path});
    EXPECT_EQ(run.status, 0) << run.errText();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(MidiOnJack, SendDeliversExactlyTheExportedBytes)
{
    const QStringList sources[] = {
        {QStringLiteral("--library"), QStringLiteral("Werckmeister III"), QStringLiteral("--new-a"),
         QStringLiteral("415")},
        {QStringLiteral("--cents"), QStringLiteral("10.5,-3,0,0,0,0,0,0,0,0,0,-12.25"), QStringLiteral("--name"),
         QStringLiteral("Prova")},
    };
    for (const QString &format :
         {QStringLiteral("mts-bulk"), QStringLiteral("mts-keys"), QStringLiteral("mts-octave")}) {
        for (const QStringList &source : sources) {
            SCOPED_TRACE(format.toStdString() + " " + source.join(QLatin1Char(' ')).toStdString());
            const QByteArray expected = exportedBytes(source, format);
            ASSERT_FALSE(expected.isEmpty());
            TestJackClient instrument("instrument");
            const CliRun run = runCordavoCli(QStringList{QStringLiteral("send"), QStringLiteral("--port"),
                                                         instrument.inPort(), QStringLiteral("--format"), format} +
                                             source);
            EXPECT_EQ(run.status, 0) << run.errText();
            EXPECT_EQ(run.outText(), QStringLiteral("Sent %1 (%2 bytes) to %3")
                                         .arg(format)
                                         .arg(expected.size())
                                         .arg(instrument.inPort())
                                         .toStdString());
            const QByteArray received = instrument.received(expected.size());
            EXPECT_EQ(received.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
        }
    }
}

TEST_F(MidiOnJack, SendListsTheInstrumentsPortsAndRefusesOthers)
{
    TestJackClient instrument("instrument");
    const CliRun list = runCordavoCli({QStringLiteral("send"), QStringLiteral("--list")});
    EXPECT_EQ(list.status, 0) << list.errText();
    EXPECT_TRUE(list.outLines().contains(instrument.inPort())) << list.outText();
    EXPECT_FALSE(list.outLines().contains(instrument.outPort())) << list.outText();
    EXPECT_EQ(QStringList(list.outLines()), midiOutputNames());

    const CliRun refused = runCordavoCli({QStringLiteral("send"), QStringLiteral("--port"), QStringLiteral("organ:in"),
                                          QStringLiteral("--format"), QStringLiteral("mts-bulk"),
                                          QStringLiteral("--library"), QStringLiteral("Werckmeister III")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.startsWith(
        QStringLiteral("cordavo-cli send: --port: there is no MIDI output \"organ:in\"; the MIDI outputs are:\n")))
        << refused.errText();
    EXPECT_TRUE(refused.err.split(QLatin1Char('\n')).contains(instrument.inPort())) << refused.errText();
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(instrument.received(1, 300).isEmpty());
}

} // namespace
} // namespace cordavo
