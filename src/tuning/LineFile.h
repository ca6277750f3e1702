#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

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
struct LineFileContents {
    QList<LineValue> values;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Splits text at CR LF, CR or LF; a last line without an ending counts.
QStringList splitLines(QStringView text);

// UTF-8 where the bytes are valid UTF-8, Windows-1252 otherwise.
QString decodeLineFileText(const QByteArray &bytes);

// A number line: the user's decimal separator or the other one of comma and
// full stop, no thousands separator. Returns an empty string and sets value,
// or the problem with the line ("... is not a number", "... is too large").
QString readNumberLine(QStringView line, QChar decimalSeparator, long double *value);

// Checks the bytes of a file against its layout. Lines beyond the layout are
// ignored. fileName only serves the messages.
LineFileContents parseLineFile(const QByteArray &bytes, const QString &fileName, QStringView layout,
                               QChar decimalSeparator);

// Reads a small file whole: folders, files over kLargestLineFile and files
// that cannot be read are refused. Returns an empty string on success,
// otherwise the message to show.
QString readSmallFile(const QString &path, QByteArray *bytes);

// Reads a file from disk and checks it whole (see parseLineFile).
LineFileContents readLineFile(const QString &path, QStringView layout, QChar decimalSeparator);

// The lines in the system's encoding, each ended by CR LF.
QByteArray encodeLineFile(const QStringList &lines);

// Writes bytes through a temporary file that replaces the target only once
// everything was written, so a failed save leaves any old file as it was.
// Returns an empty string on success, otherwise the message to show.
QString saveFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace cordavo
