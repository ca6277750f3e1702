#include "tuning/BuiltInLibrary.h"

#include <QCoreApplication>
#include <QFile>

// The table lives in the core library's resources, which a static library
// must register itself, outside any namespace.
static void registerTemperamentTable()
{
    Q_INIT_RESOURCE(temperaments);
}

namespace cordavo {

namespace {

Result<TemperamentLibrary> loadBuiltInLibrary()
{
    registerTemperamentTable();
    QFile file(QStringLiteral(":/temperaments.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return failure(QCoreApplication::translate("Library", "The temperament table is missing from the resources"));
    return parseTemperamentLibrary(QString::fromUtf8(file.readAll()));
}

} // namespace

const Result<TemperamentLibrary> &builtInLibrary()
{
    static const Result<TemperamentLibrary> library = loadBuiltInLibrary();
    return library;
}

} // namespace cordavo
