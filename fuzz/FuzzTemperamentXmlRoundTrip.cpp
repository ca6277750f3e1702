// Random temperaments written as documents, then read: every document the
// program writes reads back, with both A's in their range, every note
// within an octave, and the same pitches once the note fields hold the
// values at their two decimals.

#include "FuzzCheck.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TemperamentXmlReader.h"

using namespace cordavo;

namespace {

// 400 to 500 Hz: whole most of the time, as the boxes offer them, otherwise
// in hundredths as the command line takes them.
double referenceFrom(FuzzBytes &bytes)
{
    const std::uint32_t value = bytes.take(2);
    if (value & 0x8000)
        return 400 + (value & 0x7FFF) % 10001 / 100.0;
    return 400 + (value % 101);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    TemperamentData written;
    written.oldA = referenceFrom(bytes);
    written.newA = referenceFrom(bytes);
    // Each note in hundredths of a cent, from -1200 to +1200.
    for (long double &cents : written.cents)
        cents = (static_cast<long double>(bytes.take(3) % 240001) - 120000) / 100;
    written.temperamentId = bytes.take(4);
    written.supplierId = bytes.take(4);
    written.name = bytes.rest();
    written.shortName = written.name.left(5);
    written.comment = written.name;

    const QString name = QStringLiteral("f.xml");
    const ReadTemperament read =
        readTemperamentXml(decodeLineFileText(xmlFileBytes(documentLines(temperamentXml(written)))), name);
    check(read.ok(), "every document written reads back");
    check(isReferencePitch(read->oldA) && isReferencePitch(read->newA), "both A's from 400 to 500 Hz");
    checkNotesInRange(read->cents, "every note within an octave");
    check(read->temperamentId == written.temperamentId && read->supplierId == written.supplierId,
          "the identification numbers read back");
    const auto before = pitchTable(written.oldA, written.newA, written.cents);
    const auto after = pitchTable(read->oldA, read->newA, asNoteFields(read->cents));
    for (int n = kFirstMidiNote; n <= kLastMidiNote; ++n)
        check(std::fabs(after[n] / before[n] - 1) < 1e-12L, "the same pitches from the fields");
    return 0;
}
