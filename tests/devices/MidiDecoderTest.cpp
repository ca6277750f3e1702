#include "MidiTesting.h"

#include "devices/MidiDecoder.h"
#include "devices/MidiOutput.h"

#include <gtest/gtest.h>

namespace cordavo {
namespace {

struct DecoderRow {
    const char *name;
    int channel;
    const char *messages; // separated by '|'
    const char *events;   // what comes out, in order, separated by ", "
};

void PrintTo(const DecoderRow &row, std::ostream *out)
{
    *out << row.name;
}

class MidiDecoderTable : public ::testing::TestWithParam<DecoderRow>
{
};

TEST_P(MidiDecoderTable, DecodesKeysAsAnOrganPlaysThem)
{
    const DecoderRow &row = GetParam();
    MidiDecoder decoder(row.channel);
    QStringList events;
    for (const QString &message : QString::fromLatin1(row.messages).split(QLatin1Char('|'))) {
        const QByteArray bytes = hexBytes(message.toLatin1().constData());
        MidiNoteEvents out;
        const std::size_t count =
            decoder.decode(reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size(), out);
        for (std::size_t i = 0; i < count; ++i)
            events << eventText(out[i]);
    }
    EXPECT_EQ(events.join(QStringLiteral(", ")).toStdString(), row.events);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MidiDecoderTable,
    ::testing::Values(
        DecoderRow{"note on then off", 0, "90 3C 64|80 3C 40", "on 60, off 60"},
        DecoderRow{"velocity ignored", 0, "90 3C 01|90 40 7F", "on 60, on 64"},
        DecoderRow{"velocity 0 is a note-off", 0, "90 3C 64|90 3C 00", "on 60, off 60"},
        DecoderRow{"release of a key not down", 0, "80 3C 40|90 3C 00", ""},
        DecoderRow{"key struck twice sounds once", 0, "90 3C 64|90 3C 64|80 3C 00", "on 60, off 60"},
        DecoderRow{"lowest and highest key", 0, "90 00 64|90 7F 64|80 00 00|80 7F 00", "on 0, on 127, off 0, off 127"},
        DecoderRow{"pedal holds a released key", 0, "B0 40 7F|90 3C 64|80 3C 00|B0 40 00", "on 60, off 60"},
        DecoderRow{"pedal at 63 is up, at 64 down", 0, "B0 40 3F|90 3C 64|80 3C 00|B0 40 40|90 3E 64|80 3E 00",
                   "on 60, off 60, on 62"},
        DecoderRow{"pedal lifted keeps keys still down", 0, "90 3C 64|B0 40 7F|90 3E 64|80 3E 00|B0 40 00|80 3C 00",
                   "on 60, on 62, off 62, off 60"},
        DecoderRow{"pedal of another channel holds nothing", 0, "B1 40 7F|90 3C 64|80 3C 00", "on 60, off 60"},
        DecoderRow{"key restruck under the pedal", 0, "B0 40 7F|90 3C 64|80 3C 00|90 3C 64|B0 40 00|80 3C 00",
                   "on 60, off 60"},
        DecoderRow{"reset all controllers lifts the pedal", 0, "B0 40 7F|90 3C 64|80 3C 00|B0 79 00", "on 60, off 60"},
        DecoderRow{"chosen channel only", 3, "92 3C 64|90 3E 64|9F 40 64|82 3C 00", "on 60, off 60"},
        DecoderRow{"channel 16 chosen", 16, "9F 3C 64|90 3C 64|8F 3C 00", "on 60, off 60"},
        DecoderRow{"any channel: a key held on two sounds until both let go", 0, "90 3C 64|91 3C 64|80 3C 00|81 3C 00",
                   "on 60, off 60"},
        DecoderRow{"all notes off releases its channel", 0, "90 3C 64|90 40 64|91 43 64|B0 7B 00",
                   "on 60, on 64, on 67, off 60, off 64"},
        DecoderRow{"all notes off leaves the pedal's keys", 0, "B0 40 7F|90 3C 64|B0 7B 00|B0 40 00", "on 60, off 60"},
        DecoderRow{"omni off implies all notes off", 0, "90 3C 64|B0 7C 00", "on 60, off 60"},
        DecoderRow{"all sound off silences even the pedal's keys", 0, "B0 40 7F|90 3C 64|80 3C 00|90 40 64|B0 78 00",
                   "on 60, on 64, off 60, off 64"},
        DecoderRow{"all sound off of another channel", 1, "90 3C 64|B1 78 00|B0 78 00", "on 60, off 60"},
        DecoderRow{"other messages change nothing", 0,
                   "90 3C 64|C0 05|E0 00 40|B0 07 64|F8|FE|F0 7E 7F 09 01 F7|A0 3C 40|D0 40", "on 60"},
        DecoderRow{"malformed messages change nothing", 0, "90 3C|90 BC 40|3C 40 00||90 3C 80", ""}),
    rowName<DecoderRow>);

struct SplitRow {
    const char *bytes;
    const char *messages; // hex of each, separated by '|'; "refused" when the bytes are not whole messages
};

TEST(MidiMessages, SplitIntoWholeMessages)
{
    const SplitRow rows[] = {
        {"F0 7E 7F 08 09 03 7F 7F F7 F0 7F 7F 04 04 00 40 F7", "f07e7f0809037f7ff7|f07f7f04040040f7"},
        {"B0 65 00 B0 64 03 B0 06 00", "b06500|b06403|b00600"},
        {"C0 05 90 3C 64 FE", "c005|903c64|fe"},
        {"", ""},
        {"F0 7E 7F 08", "refused"},
        {"F0 7E 90 F7", "refused"},
        {"90 3C", "refused"},
        {"3C 40", "refused"},
    };
    for (const SplitRow &row : rows) {
        const auto split = splitMidiMessages(hexBytes(row.bytes));
        QStringList messages;
        if (split) {
            for (const QByteArray &message : *split)
                messages << QString::fromLatin1(message.toHex());
        }
        EXPECT_EQ(split ? messages.join(QLatin1Char('|')).toStdString() : std::string("refused"), row.messages)
            << row.bytes;
    }
}

} // namespace
} // namespace cordavo
