// Any bytes as a Scala scale: a refusal names the file; a scale that loads
// has every note finite and within an octave of its equal-tempered place,
// and what the program writes of it reads back to the five decimals written,
// its description as the plain text line written.

#include "FuzzCheck.h"
#include "tuning/ScalaFile.h"

using namespace cordavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString name = QStringLiteral("f.scl");
    const ScalaContents read = parseScalaFile(bytesOf(data, size), name);
    if (!read.ok()) {
        checkNamesFile(read.error(), name);
        return 0;
    }
    const ScalaScale &scale = read.value();
    check(scale.positions[0] == 0, "C is the scale's 1/1");
    NoteCents fromEqual{};
    for (int i = 0; i < 12; ++i)
        fromEqual[i] = scale.positions[i] - 100 * i;
    checkNotesInRange(fromEqual, "a scale that loads keeps its notes within an octave");

    const ScalaContents again = parseScalaFile(encodeLineFile(scalaFileLines(name, scale)), name);
    check(again.ok(), "a scale written reads back");
    // Names are written as one line of plain text.
    check(again->description == plainTextLine(scale.description), "the description reads back as plain text");
    for (int i = 0; i < 12; ++i)
        check(std::fabs(again->positions[i] - scale.positions[i]) <= 0.0000051L, "the positions read back");
    return 0;
}
