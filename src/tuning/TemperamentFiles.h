#pragma once

#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"

namespace cordavo {

// The supplier file (.For): the identifying data of supplier and temperament.
struct SupplierRecord {
    QString supplierName;
    long double supplierId = 0;
    long double temperamentId = 0;
    QString name;
    QString shortName;
    QString comment;
};

// The temperament file (.Tmp): names, comment and the twelve cents.
struct TemperamentRecord {
    QString name;
    QString shortName;
    QString comment;
    NoteCents cents{};
};

inline constexpr QStringView kSupplierLayout = u"TNNTTT";
inline constexpr QStringView kTemperamentLayout = u"TTTNNNNNNNNNNNN";

QStringList supplierFileLines(const SupplierRecord &record, QChar decimalSeparator);
QStringList temperamentFileLines(const TemperamentRecord &record, QChar decimalSeparator);

// From the values of a file that checked out against its layout.
SupplierRecord supplierRecord(const QList<LineValue> &values);
TemperamentRecord temperamentRecord(const QList<LineValue> &values);

} // namespace cordavo
