// Any bytes as a temperament document: a refusal names the file; what
// reads has both A's in their range and every note within an octave, and
// the document written from it reads back to the same pitches.

#include "FuzzCheck.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TemperamentXmlReader.h"

using namespace cordavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString name = QStringLiteral("f.xml");
    const ReadTemperament read = readTemperamentXml(decodeLineFileText(bytesOf(data, size)), name);
    if (!read.ok()) {
        checkNamesFile(read.error(), name);
        return 0;
    }
    check(isReferencePitch(read->oldA) && isReferencePitch(read->newA), "both A's from 400 to 500 Hz");
    checkNotesInRange(read->cents, "every note within an octave");

    const ReadTemperament again =
        readTemperamentXml(decodeLineFileText(xmlFileBytes(documentLines(temperamentXml(read.value())))), name);
    check(again.ok(), "what was read, written, reads back");
    const auto before = pitchTable(read->oldA, read->newA, read->cents);
    const auto after = pitchTable(again->oldA, again->newA, again->cents);
    for (int n = kFirstMidiNote; n <= kLastMidiNote; ++n)
        check(std::fabs(after[n] / before[n] - 1) < 1e-12L, "the same pitches");
    return 0;
}
