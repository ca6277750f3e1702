// Any bytes as each kind of data file, loaded into the fields, saved and
// loaded again: what a file gives the fields survives the round trip
// exactly, under either decimal separator; a refusal names the file.

#include "FuzzCheck.h"
#include "numbers/NumEditText.h"
#include "tuning/IntervalCents.h"
#include "tuning/TemperamentFiles.h"

using namespace cordavo;

namespace {

const QString kName = QStringLiteral("f");

// The values of a file that read, or nothing.
std::optional<QList<LineValue>> parsed(const QByteArray &bytes, QStringView layout, QChar separator)
{
    const LineFileContents contents = parseLineFile(bytes, kName, layout, separator);
    if (!contents.ok()) {
        checkNamesFile(contents.error(), kName);
        return std::nullopt;
    }
    check(contents->size() == layout.size(), "one value for each line of the layout");
    return contents.value();
}

bool sameData(const TemperamentData &a, const TemperamentData &b)
{
    return a.supplierName == b.supplierName && a.supplierId == b.supplierId && a.temperamentId == b.temperamentId &&
           a.name == b.name && a.shortName == b.shortName && a.comment == b.comment && a.cents == b.cents;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        if (const auto values = parsed(bytes, kSupplierLayout, separator)) {
            TemperamentData loaded;
            applySupplierRecord(loaded, supplierRecord(*values));
            const auto again = parsed(encodeLineFile(supplierFileLines(supplierRecord(loaded), separator)),
                                      kSupplierLayout, separator);
            check(again.has_value(), "a supplier file saved reads back");
            TemperamentData reloaded;
            applySupplierRecord(reloaded, supplierRecord(*again));
            check(sameData(loaded, reloaded), "a supplier file survives saving");
        }
        if (const auto values = parsed(bytes, kTemperamentLayout, separator)) {
            TemperamentData loaded;
            applyTemperamentRecord(loaded, temperamentRecord(*values));
            const auto again = parsed(encodeLineFile(temperamentFileLines(temperamentRecord(loaded), separator)),
                                      kTemperamentLayout, separator);
            check(again.has_value(), "a temperament file saved reads back");
            TemperamentData reloaded;
            applyTemperamentRecord(reloaded, temperamentRecord(*again));
            check(sameData(loaded, reloaded), "a temperament file survives saving");
        }
        if (const auto values = parsed(bytes, kCentsLayout, separator)) {
            // As the setter's fields hold them, at two decimals.
            CentsRecord loaded = centsRecord(*values);
            for (long double &position : loaded.positions)
                position = fieldValue(position, kTwoDecimalsPattern);
            const auto again = parsed(encodeLineFile(centsFileLines(loaded, separator)), kCentsLayout, separator);
            check(again.has_value(), "a cents file saved reads back");
            CentsRecord reloaded = centsRecord(*again);
            for (long double &position : reloaded.positions)
                position = fieldValue(position, kTwoDecimalsPattern);
            check(reloaded.positions == loaded.positions && reloaded.name == loaded.name,
                  "a cents file survives saving");
        }
        if (const auto values = parsed(bytes, kIntervalLayout, separator)) {
            IntervalRecord loaded = intervalRecord(*values);
            for (NoteTerms *column : {&loaded.terms.first, &loaded.terms.second}) {
                for (long double &term : *column)
                    term = fieldValue(term, kTwoDecimalsPattern);
            }
            const auto again = parsed(encodeLineFile(intervalFileLines(loaded, separator)), kIntervalLayout, separator);
            check(again.has_value(), "an interval file saved reads back");
            IntervalRecord reloaded = intervalRecord(*again);
            for (NoteTerms *column : {&reloaded.terms.first, &reloaded.terms.second}) {
                for (long double &term : *column)
                    term = fieldValue(term, kTwoDecimalsPattern);
            }
            check(reloaded.terms.first == loaded.terms.first && reloaded.terms.second == loaded.terms.second &&
                      reloaded.name == loaded.name,
                  "an interval file survives saving");
        }
    }
    return 0;
}
