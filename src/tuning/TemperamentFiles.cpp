#include "tuning/TemperamentFiles.h"

#include "numbers/NumEditText.h"
#include "numbers/NumberFormat.h"

namespace cordavo {

QStringList supplierFileLines(const SupplierRecord &record, QChar decimalSeparator)
{
    return {record.supplierName,
            lineFileNumber(record.supplierId, decimalSeparator),
            lineFileNumber(record.temperamentId, decimalSeparator),
            record.name,
            record.shortName,
            record.comment};
}

QStringList temperamentFileLines(const TemperamentRecord &record, QChar decimalSeparator)
{
    QStringList lines{record.name, record.shortName, record.comment};
    for (long double cents : record.cents)
        lines << lineFileNumber(cents, decimalSeparator);
    return lines;
}

QStringList centsFileLines(const CentsRecord &record, QChar decimalSeparator)
{
    QStringList lines;
    for (long double cents : record.positions)
        lines << lineFileNumber(cents, decimalSeparator);
    lines << record.name;
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

CentsRecord centsRecord(const QList<LineValue> &values)
{
    CentsRecord record;
    for (int i = 0; i < 12; ++i)
        record.positions[i] = values[i].number;
    record.name = values[12].text;
    return record;
}

void applySupplierRecord(TemperamentData &data, const SupplierRecord &record)
{
    data.supplierName = record.supplierName;
    data.supplierId = fieldValue(record.supplierId, kWholeNumberPattern);
    data.temperamentId = fieldValue(record.temperamentId, kWholeNumberPattern);
    data.name = record.name;
    data.shortName = record.shortName;
    data.comment = record.comment;
}

void applyTemperamentRecord(TemperamentData &data, const TemperamentRecord &record)
{
    data.name = record.name;
    data.shortName = record.shortName;
    data.comment = record.comment;
    for (int i = 0; i < 12; ++i)
        data.cents[i] = fieldValue(record.cents[i], kTwoDecimalsPattern);
}

SupplierRecord supplierRecord(const TemperamentData &data)
{
    return {data.supplierName, data.supplierId, data.temperamentId, data.name, data.shortName, data.comment};
}

TemperamentRecord temperamentRecord(const TemperamentData &data)
{
    return {data.name, data.shortName, data.comment, data.cents};
}

} // namespace cordavo
