#pragma once

#include "tuning/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>

class QIODevice;

namespace cordavo {

// The data files keep one value per line, each line ended by CR LF. A file's
// layout names each line's kind: 'T' a text line, 'N' a number line.
inline constexpr qint64 kLargestLineFile = 1024 * 1024;

// The largest magnitude a number read from a file may have. The fields show
// numbers in plain decimal notation with up to two decimals, which a double
// holds exactly only below 10^15; a larger number is no value any field
// could hold.
inline constexpr long double kLargestFieldNumber = 1e15L;

struct LineValue {
    QString text;           // a text line as it stands
    long double number = 0; // a number line's value
};

// A file read and checked whole: either every value of its layout, or one
// message naming the file, the line and what is wrong with it.
using LineFileContents = Result<QList<LineValue>>;

// A file name, or a line of a file, as the messages show it: in double quotes.
QString quoted(const QString &text);

// "Line 3 of "Name.For": problem", the shape of every message about a line.
QString lineMessage(qsizetype line, const QString &fileName, const QString &problem);

// Splits text at CR LF, CR or LF; a last line without an ending counts.
QStringList splitLines(QStringView text);

// UTF-8 where the bytes are valid UTF-8, Windows-1252 otherwise.
QString decodeLineFileText(const QByteArray &bytes);

// A number line: the user's decimal separator or the other one of comma and
// full stop, no thousands separator. The value, or the problem with the line
// ("... is not a number", "... is too large").
Result<long double> readNumberLine(QStringView line, QChar decimalSeparator);

// A number line as the files are written: in the general format, fifteen
// significant digits, as they always were; from 10^13 up, where fifteen
// digits no longer carry the two decimals a field holds, with the value's
// two decimals in full, so that what a field held reads back unchanged.
QString lineFileNumber(long double x, QChar decimalSeparator);

// Checks the bytes of a file against its layout. Lines beyond the layout are
// ignored. fileName only serves the messages.
LineFileContents parseLineFile(const QByteArray &bytes, const QString &fileName, QStringView layout,
                               QChar decimalSeparator);

// Reads a small file whole: folders, files over kLargestLineFile and files
// that cannot be read are refused with the message to show.
Result<QByteArray> readSmallFile(const QString &path);

// Reads a file from disk and checks it whole (see parseLineFile).
LineFileContents readLineFile(const QString &path, QStringView layout, QChar decimalSeparator);

// The lines in the system's encoding, each ended by CR LF.
QByteArray encodeLineFile(const QStringList &lines);

// Writes bytes through a temporary file that replaces the target only once
// everything was written, so a failed save leaves any old file as it was.
// A failure carries the message to show.
Result<void> saveFileAtomically(const QString &path, const QByteArray &bytes);
// Several files saved together: all are written before any replaces its
// target, so a failure on one leaves every old file as it was.
Result<void> saveFilesAtomically(const QList<std::pair<QString, QByteArray>> &files);

} // namespace cordavo
