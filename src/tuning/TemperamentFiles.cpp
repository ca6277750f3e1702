#include "tuning/TemperamentFiles.h"

#include "numbers/NumberFormat.h"

namespace cordavo {

QStringList supplierFileLines(const SupplierRecord &record, QChar decimalSeparator)
{
    return {record.supplierName,
            formatGeneral(record.supplierId, decimalSeparator),
            formatGeneral(record.temperamentId, decimalSeparator),
            record.name,
            record.shortName,
            record.comment};
}

QStringList temperamentFileLines(const TemperamentRecord &record, QChar decimalSeparator)
{
    QStringList lines{record.name, record.shortName, record.comment};
    for (long double cents : record.cents)
        lines << formatGeneral(cents, decimalSeparator);
    return lines;
}

SupplierRecord supplierRecord(const QList<LineValue> &values)
{
    SupplierRecord record;
    record.supplierName = values[0].text;
    record.supplierId = values[1].number;
    record.temperamentId = values[2].number;
    record.name = values[3].text;
    record.shortName = values[4].text;
    record.comment = values[5].text;
    return record;
}

TemperamentRecord temperamentRecord(const QList<LineValue> &values)
{
    TemperamentRecord record;
    record.name = values[0].text;
    record.shortName = values[1].text;
    record.comment = values[2].text;
    for (int i = 0; i < 12; ++i)
        record.cents[i] = values[3 + i].number;
    return record;
}

} // namespace cordavo
