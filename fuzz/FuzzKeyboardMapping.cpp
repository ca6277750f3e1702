// Any bytes as a keyboard mapping: a refusal names the file; a mapping that
// loads has the twelve-key shape on a C with a finite positive frequency,
// and the note fields it gives a scale are finite, refused by the loaders'
// check (naming the mapping) whenever one lies beyond an octave.

#include "FuzzCheck.h"
#include "tuning/KeyboardMapping.h"
#include "tuning/TemperamentXml.h"

using namespace cordavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString name = QStringLiteral("f.kbm");
    const Result<KeyboardMapping> read = parseKeyboardMapping(bytesOf(data, size), name);
    if (!read.ok()) {
        checkNamesFile(read.error(), name);
        return 0;
    }
    const KeyboardMapping &mapping = read.value();
    check(mapping.mapSize == 0 || mapping.mapSize == 12, "twelve keys or the linear mapping");
    check(mapping.map.size() == mapping.mapSize, "one degree for each key of the pattern");
    check(mapping.referenceKey >= 0 && mapping.referenceKey <= 127, "the reference key is a MIDI key");
    check(mapping.middleKey >= 0 && mapping.middleKey <= 127 && mapping.middleKey % 12 == 0, "the 1/1 is on a C");
    check(std::isfinite(mapping.referenceHz) && mapping.referenceHz > 0, "the frequency is finite and positive");

    NoteCents equal{};
    for (int i = 0; i < 12; ++i)
        equal[i] = 100 * i;
    for (const auto &[oldA, newA] : {std::pair{440.0, 440.0}, std::pair{500.0, 400.0}, std::pair{400.0, 500.0}}) {
        const NoteCents fields = deviationsFromScala(equal, mapping, oldA, newA);
        for (long double value : fields)
            check(std::isfinite(value), "the fields' values are finite");
        const Result<void> inRange = checkNoteRange(fields, name, QLatin1Char('.'));
        if (inRange.ok())
            checkNotesInRange(fields, "what passes the check lies within an octave");
        else
            checkNamesFile(inRange.error(), name);
    }
    return 0;
}
