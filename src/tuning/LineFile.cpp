#include "tuning/LineFile.h"
#include "tuning/CountedText.h"

#include "numbers/NumberFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <memory>
#include <vector>

#include <cmath>

namespace cordavo {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        text += QChar(c >= 0x80 && c < 0xA0 ? kWindows1252High[c - 0x80] : char16_t(c));
    }
    return text;
}

// Why a save failed, in words: the file's own reason, or, where Qt has none
// to give, what the folder says about itself.
QString saveFailure(const QFileDevice &file, const QString &path, qint64 size)
{
    const QString reason = file.errorString();
    // A device without an error says "Unknown error", in the user's language
    // where Qt's own translation is loaded.
    if (!reason.isEmpty() && reason != QLatin1String("Unknown error") && reason != QFile().errorString())
        return reason;
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < size)
        return QCoreApplication::translate("LineFile", "No space left on device");
    if (storage.isValid() && storage.isReadOnly())
        return QCoreApplication::translate("LineFile", "Read-only file system");
    return QCoreApplication::translate("LineFile",
                                       "the file could not be written completely; the old file, if any, is unchanged");
}

// Why a file could not be opened for saving. The new text is written to a
// new file in the target's folder, which then takes the target's place, so
// the system's reason mostly concerns that new file; it is said so, since
// "No such file or directory" about a folder that exists explains nothing.
QString openFailure(const QFileDevice &file, const QFileInfo &target, qint64 size)
{
    const QFileInfo folder(target.absolutePath());
    const QString shownFolder = quoted(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.exists())
        return QCoreApplication::translate("LineFile", "the folder %1 does not exist").arg(shownFolder);
    if (!folder.isDir())
        return QCoreApplication::translate("LineFile", "%1 is not a folder").arg(shownFolder);
    const QString reason = saveFailure(file, target.filePath(), size);
    if (target.exists() && !target.isWritable())
        return reason;
    return QCoreApplication::translate("LineFile", "no new file can be made in the folder %1 (%2)")
        .arg(shownFolder, reason);
}

} // namespace

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString lineMessage(qsizetype line, const QString &fileName, const QString &problem)
{
    return QCoreApplication::translate("LineFile", "Line %1 of %2: %3").arg(line).arg(quoted(fileName), problem);
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n')) {
            lines << text.mid(start, i - start).toString();
            if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines << text.mid(start).toString();
    return lines;
}

QString decodeLineFileText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

Result<long double> readNumberLine(QStringView line, QChar decimalSeparator)
{
    const QChar other = decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    auto number = readRegional(line, decimalSeparator);
    if (!number)
        number = readRegional(line, other);
    const QString shown = quoted(line.toString());
    if (!number || std::isnan(*number))
        return failure(QCoreApplication::translate("LineFile", "%1 is not a number").arg(shown));
    if (!(std::fabs(*number) < kLargestFieldNumber))
        return failure(
            QCoreApplication::translate("LineFile", "%1 is too large: no field holds a number beyond %2 either way")
                .arg(shown, formatGeneral(kLargestFieldNumber - 1, decimalSeparator)));
    return *number;
}

QString lineFileNumber(long double x, QChar decimalSeparator)
{
    constexpr long double kFifteenDigitsHoldTwoDecimals = 1e13L;
    if (!(std::fabs(x) >= kFifteenDigitsHoldTwoDecimals) || !std::isfinite(x))
        return formatGeneral(x, decimalSeparator);
    const QChar other = decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return formatPattern(x, u"#.##", Separators{decimalSeparator, other});
}

LineFileContents parseLineFile(const QByteArray &bytes, const QString &fileName, QStringView layout,
                               QChar decimalSeparator)
{
    if (bytes.contains('\0'))
        return failure(
            QCoreApplication::translate("LineFile", "%1 is not a text file: it holds NUL bytes").arg(quoted(fileName)));
    const QStringList lines = splitLines(decodeLineFileText(bytes));
    if (lines.size() < layout.size()) {
        return failure(lineMessage(
            lines.size() + 1, fileName,
            countedText(
                "LineFile",
                QT_TRANSLATE_N_NOOP("LineFile", "the line is missing; the file has %n line of the %1 it needs"),
                QT_TRANSLATE_N_NOOP("LineFile", "the line is missing; the file has %n lines of the %1 it needs"),
                lines.size())
                .arg(layout.size())));
    }
    QList<LineValue> values;
    for (qsizetype i = 0; i < layout.size(); ++i) {
        LineValue value;
        if (layout[i] == QLatin1Char('N')) {
            const Result<long double> number = readNumberLine(lines[i], decimalSeparator);
            if (!number.ok())
                return failure(lineMessage(i + 1, fileName, number.error()));
            value.number = number.value();
        } else {
            value.text = lines[i];
        }
        values << value;
    }
    return values;
}

Result<QByteArray> readSmallFile(const QString &path)
{
    const QFileInfo info(path);
    const QString shown = quoted(QDir::toNativeSeparators(path));
    if (info.isDir())
        return failure(
            QCoreApplication::translate("LineFile", "Cannot load %1: it is a folder, not a file").arg(shown));
    if (info.exists() && info.size() > kLargestLineFile)
        return failure(
            QCoreApplication::translate("LineFile", "Cannot load %1: at %2 bytes it is too large for this kind of file")
                .arg(shown)
                .arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QCoreApplication::translate("LineFile", "Cannot load %1: %2").arg(shown, file.errorString()));
    // One byte past the limit, in case the file grew since it was looked at.
    QByteArray bytes = file.read(kLargestLineFile + 1);
    if (bytes.size() > kLargestLineFile)
        return failure(QCoreApplication::translate("LineFile", "Cannot load %1: it is too large for this kind of file")
                           .arg(shown));
    if (file.error() != QFileDevice::NoError)
        return failure(QCoreApplication::translate("LineFile", "Cannot load %1: %2").arg(shown, file.errorString()));
    return bytes;
}

LineFileContents readLineFile(const QString &path, QStringView layout, QChar decimalSeparator)
{
    const Result<QByteArray> bytes = readSmallFile(path);
    if (!bytes.ok())
        return failure(bytes.error());
    return parseLineFile(bytes.value(), QFileInfo(path).fileName(), layout, decimalSeparator);
}

QByteArray encodeLineFile(const QStringList &lines)
{
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

Result<void> saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    return saveFilesAtomically({{path, bytes}});
}

Result<void> saveFilesAtomically(const QList<std::pair<QString, QByteArray>> &files)
{
    // Everything is written to temporary files first; only when all of them
    // hold their bytes do they replace their targets, so a failure leaves
    // every old file as it was.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const auto &[path, bytes] : files) {
        const QString shown = quoted(QDir::toNativeSeparators(path));
        const QFileInfo target(path);
        if (target.isDir())
            return failure(QCoreApplication::translate("LineFile", "Cannot save %1: it is a folder").arg(shown));
        // A device, a pipe or a socket would be replaced by a plain file.
        if (target.exists() && !target.isFile())
            return failure(QCoreApplication::translate(
                               "LineFile", "Cannot save %1: it is not a regular file (a device, a pipe or a socket); "
                                           "nothing was written")
                               .arg(shown));
        auto file = std::make_unique<QSaveFile>(path);
        // Unbuffered, so that a full disk fails the write itself, with the
        // system's reason: a buffered failure would surface only in
        // commit(), which has lost the reason by then.
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return failure(QCoreApplication::translate("LineFile", "Cannot save %1: %2")
                               .arg(shown, openFailure(*file, target, bytes.size())));
        if (file->write(bytes) != bytes.size()) {
            const QString reason = saveFailure(*file, path, bytes.size());
            file->cancelWriting();
            return failure(QCoreApplication::translate("LineFile", "Cannot save %1: %2").arg(shown, reason));
        }
        written.push_back(std::move(file));
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        QSaveFile &file = *written[static_cast<size_t>(i)];
        if (!file.commit()) {
            const auto &[path, bytes] = files[i];
            return failure(QCoreApplication::translate("LineFile", "Cannot save %1: %2")
                               .arg(quoted(QDir::toNativeSeparators(path)), saveFailure(file, path, bytes.size())));
        }
    }
    return {};
}

} // namespace cordavo
