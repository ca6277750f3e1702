// Any bytes as each kind of data file, and as a temperament document: never
// a crash, and either a complete result or a message with nothing in it.

#include "tuning/IntervalCents.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXmlReader.h"

#include <cstdint>
#include <cstdlib>

using namespace cordavo;

namespace {

constexpr QStringView kCentsLayout = u"NNNNNNNNNNNNT";

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QStringView layout : {kSupplierLayout, kTemperamentLayout, kCentsLayout, kIntervalLayout}) {
        for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
            const LineFileContents contents = parseLineFile(bytes, QStringLiteral("f"), layout, separator);
            if (contents.ok()) {
                check(contents.values.size() == layout.size());
            } else {
                check(contents.values.isEmpty());
                check(contents.error.contains(QLatin1String("\"f\"")));
            }
        }
    }
    const ReadTemperament read = readTemperamentXml(decodeLineFileText(bytes), QStringLiteral("f"));
    if (read.ok())
        check(read.data.newA >= 400 && read.data.newA <= 500);
    else
        check(read.data.name.isEmpty() && read.data.comment.isEmpty());
    return 0;
}
