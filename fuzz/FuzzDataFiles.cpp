// Any bytes as each kind of data file, as a temperament document and as
// GrandOrgue's settings file: never a crash, and either a complete result or
// a message naming the file.

#include "tuning/GrandOrgueConfig.h"
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

    // A settings file we can read takes a temperament and reads back with it.
    Result<GrandOrgueConfig> settings = GrandOrgueConfig::read(bytes, QStringLiteral("f"));
    if (!settings.ok()) {
        check(settings.error().contains(QLatin1String("\"f\"")));
        return 0;
    }
    const qsizetype count = settings->userTemperaments().size();
    if (settings.value().put(QStringLiteral("G"), QStringLiteral("T"), NoteCents{}, true).ok()) {
        const Result<GrandOrgueConfig> again = GrandOrgueConfig::read(settings->bytes(), QStringLiteral("f"));
        check(again.ok());
        const qsizetype added = again->userTemperaments().size() - count;
        check(added == 0 || added == 1);
        check(again->indexOf(QStringLiteral("G"), QStringLiteral("T")) >= 0);
    }
    return 0;
}
