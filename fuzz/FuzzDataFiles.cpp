// Any bytes as each kind of data file, and as a temperament document: never
// a crash, and either a complete result or a message naming the file.

#include "tuning/IntervalCents.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXmlReader.h"

#include <cstdint>
#include <cstdlib>

using namespace cordavo;

namespace {

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
            if (contents.ok())
                check(contents.value().size() == layout.size() && contents.error().isEmpty());
            else
                check(contents.error().contains(QLatin1String("\"f\"")));
        }
    }
    const ReadTemperament read = readTemperamentXml(decodeLineFileText(bytes), QStringLiteral("f"));
    if (read.ok())
        check(isReferencePitch(read->newA));
    else
        check(read.error().contains(QLatin1String("\"f\"")));
    return 0;
}
