#pragma once

#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentXml.h"

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

// The cents file (.Cts): one side of the cents setter, its twelve positions
// above C, then the side's name.
struct CentsRecord {
    NoteCents positions{};
    QString name;
};

inline constexpr QStringView kSupplierLayout = u"TNNTTT";
inline constexpr QStringView kTemperamentLayout = u"TTTNNNNNNNNNNNN";
inline constexpr QStringView kCentsLayout = u"NNNNNNNNNNNNT";

QStringList supplierFileLines(const SupplierRecord &record, QChar decimalSeparator);
QStringList temperamentFileLines(const TemperamentRecord &record, QChar decimalSeparator);
QStringList centsFileLines(const CentsRecord &record, QChar decimalSeparator);

// From the values of a file that checked out against its layout.
SupplierRecord supplierRecord(const QList<LineValue> &values);
TemperamentRecord temperamentRecord(const QList<LineValue> &values);
CentsRecord centsRecord(const QList<LineValue> &values);

// The data after a file was loaded onto it, as the main window's fields then
// hold them: texts as they stand, numbers as the fields keep them
// (identification numbers whole, cents at two decimals). A temperament
// file loaded after a supplier file replaces its names and comment.
void applySupplierRecord(TemperamentData &data, const SupplierRecord &record);
void applyTemperamentRecord(TemperamentData &data, const TemperamentRecord &record);

// What each file keeps of the data, for saving.
SupplierRecord supplierRecord(const TemperamentData &data);
TemperamentRecord temperamentRecord(const TemperamentData &data);

} // namespace cordavo
