#include "tuning/GrandOrgueConfig.h"

#include "numbers/NumberFormat.h"
#include "tuning/LineFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <zlib.h>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>
#endif

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace cordavo {

namespace {

const Separators kFullStop{QLatin1Char('.'), QLatin1Char(',')};
const QString kGeneral = QStringLiteral("General");
const QString kCountKey = QStringLiteral("UserTemperamentCount");
const QByteArray kByteOrderMark = "\xEF\xBB\xBF";
// More than any settings file holds; keeps a damaged or hostile archive
// from filling the memory.
constexpr qsizetype kLargestText = 64 * 1024 * 1024;

QString sectionName(int number)
{
    return QStringLiteral("UserTemperament%1").arg(number, 3, 10, QLatin1Char('0'));
}

QString offsetKey(int note)
{
    return QStringLiteral("Offset%1").arg(note);
}

bool isGzip(const QByteArray &bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1F &&
           static_cast<unsigned char>(bytes[1]) == 0x8B;
}

std::optional<QByteArray> gunzip(const QByteArray &in)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    stream.avail_in = static_cast<uInt>(in.size());
    QByteArray out;
    char buffer[64 * 1024];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        // A truncated archive stops with input used up and room left.
        const bool stalled = status == Z_OK && stream.avail_in == 0 && stream.avail_out > 0;
        if ((status != Z_OK && status != Z_STREAM_END) || stalled) {
            inflateEnd(&stream);
            return std::nullopt;
        }
        out.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
        if (out.size() > kLargestText) {
            inflateEnd(&stream);
            return std::nullopt;
        }
    }
    inflateEnd(&stream);
    return out;
}

QByteArray gzip(const QByteArray &in)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(in.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    stream.avail_in = static_cast<uInt>(in.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// A line as GrandOrgue reads it: everything from ';' on is a comment, blanks
// around the rest do not count.
QString lineContent(const QString &line)
{
    const qsizetype comment = line.indexOf(QLatin1Char(';'));
    return (comment < 0 ? line : line.left(comment)).trimmed();
}

// The section a heading line opens, or nothing for another line.
std::optional<QString> headingOf(const QString &line)
{
    const QString content = lineContent(line);
    if (content.size() >= 2 && content.startsWith(QLatin1Char('[')) && content.endsWith(QLatin1Char(']')))
        return content.mid(1, content.size() - 2);
    return std::nullopt;
}

// The key of a "Key=Value" line, or nothing.
std::optional<std::pair<QString, QString>> entryOf(const QString &line)
{
    const QString content = lineContent(line);
    const qsizetype equals = content.indexOf(QLatin1Char('='));
    if (equals <= 0 || headingOf(line))
        return std::nullopt;
    return std::pair{content.left(equals).trimmed(), content.mid(equals + 1).trimmed()};
}

std::optional<long double> offsetValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const long double value = text.toDouble();
    // GrandOrgue takes an offset outside its range as its lowest value.
    return std::fabs(value) <= kLargestGrandOrgueOffset ? value : -kLargestGrandOrgueOffset;
}

QString offsetText(long double value)
{
    return formatPattern(value, u"0.000000", kFullStop);
}

} // namespace

QString grandOrgueConfigPath()
{
#if defined(Q_OS_WIN)
    return QDir(qEnvironmentVariable("APPDATA")).filePath(QStringLiteral("GrandOrgueConfig"));
#elif defined(Q_OS_MACOS)
    return QDir::home().filePath(QStringLiteral("Library/Preferences/GrandOrgueConfig"));
#else
    return QDir::home().filePath(QStringLiteral("GrandOrgueConfig"));
#endif
}

Result<NoteCents> grandOrgueOffsets(const NoteCents &cents, double oldA, double newA, bool foldPitch)
{
    const long double pitch = foldPitch ? 1200 * std::log2(referencePitch(oldA, newA) / 440.0L) : 0;
    NoteCents offsets{};
    for (int i = 0; i < 12; ++i) {
        offsets[i] = cents[i] - cents[kAPitchClass] + pitch;
        if (!(std::fabs(offsets[i]) <= kLargestGrandOrgueOffset)) {
            return failure(
                QCoreApplication::translate("GrandOrgueConfig",
                                            "%1 would lie %2 cents from equal temperament at A = 440 Hz, beyond the "
                                            "-1200 to +1200 cents that GrandOrgue takes")
                    .arg(noteDisplayName(i), formatPattern(offsets[i], u"0.00", kFullStop)));
        }
    }
    return offsets;
}

QString grandOrgueEntryProblem(const QString &group, const QString &title, const NoteCents &offsets)
{
    for (const auto &[what, text] : {std::pair{QCoreApplication::translate("GrandOrgueConfig", "group"), group},
                                     std::pair{QCoreApplication::translate("GrandOrgueConfig", "title"), title}}) {
        if (text.contains(QLatin1Char(';')))
            return QCoreApplication::translate("GrandOrgueConfig",
                                               "The %1 %2 holds a \";\", which starts a comment in GrandOrgue's "
                                               "settings file: GrandOrgue would cut the %1 there")
                .arg(what, quoted(text));
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
            return QCoreApplication::translate(
                       "GrandOrgueConfig",
                       "The %1 %2 holds a line break, which would end its line in GrandOrgue's settings file")
                .arg(what, quoted(text));
    }
    if (title.trimmed().isEmpty())
        return QCoreApplication::translate("GrandOrgueConfig",
                                           "The title is empty: GrandOrgue lists a temperament by its title");
    for (int i = 0; i < 12; ++i) {
        if (!(std::fabs(offsets[i]) <= kLargestGrandOrgueOffset))
            return QCoreApplication::translate("GrandOrgueConfig",
                                               "%1 lies beyond the -1200 to +1200 cents that GrandOrgue takes")
                .arg(noteDisplayName(i));
    }
    return {};
}

Result<GrandOrgueConfig> GrandOrgueConfig::read(const QByteArray &bytes, const QString &fileName)
{
    const QString notSettings =
        QCoreApplication::translate("GrandOrgueConfig", "%1 is not a GrandOrgue settings file: ").arg(quoted(fileName));
    GrandOrgueConfig config;
    config.m_fileName = fileName;
    config.m_compressed = isGzip(bytes);
    QByteArray plain = bytes;
    if (config.m_compressed) {
        const auto unpacked = gunzip(bytes);
        if (!unpacked)
            return failure(notSettings + QCoreApplication::translate("GrandOrgueConfig",
                                                                     "its compressed data is damaged or too large"));
        plain = *unpacked;
    }
    // UTF-8 only behind a byte-order mark, otherwise ISO-8859-1, as
    // GrandOrgue reads it.
    config.m_byteOrderMark = plain.startsWith(kByteOrderMark);
    QString text;
    if (config.m_byteOrderMark) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = decoder.decode(plain.mid(kByteOrderMark.size()));
        if (decoder.hasError())
            return failure(notSettings + QCoreApplication::translate("GrandOrgueConfig", "it is not text"));
    } else {
        text = QString::fromLatin1(plain);
    }
    for (QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\r') && c != QLatin1Char('\t'))
            return failure(notSettings + QCoreApplication::translate("GrandOrgueConfig", "it is not text"));
    }
    config.m_finalLineEnd = text.endsWith(QLatin1Char('\n'));
    if (config.m_finalLineEnd)
        text.chop(1);
    config.m_lines = text.split(QLatin1Char('\n'));
    config.m_crLf = !config.m_lines.isEmpty() && config.m_lines.first().endsWith(QLatin1Char('\r'));
    for (QString &line : config.m_lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    // Every entry, checked for the repeats that stop GrandOrgue at start.
    std::map<QString, std::map<QString, QString>> entries;
    QString section;
    bool inSection = false;
    for (qsizetype i = 0; i < config.m_lines.size(); ++i) {
        const QString &line = config.m_lines[i];
        if (const auto heading = headingOf(line)) {
            section = *heading;
            inSection = true;
            entries[section];
            continue;
        }
        const auto entry = entryOf(line);
        if (!entry || !inSection)
            continue;
        auto &keys = entries[section];
        if (keys.count(entry->first)) {
            return failure(
                QCoreApplication::translate("GrandOrgueConfig",
                                            "%1, line %2: %3 is given a second time in [%4]; GrandOrgue would stop on "
                                            "this file")
                    .arg(quoted(fileName))
                    .arg(i + 1)
                    .arg(entry->first, section));
        }
        keys[entry->first] = entry->second;
    }
    const auto general = entries.find(kGeneral);
    if (general == entries.end())
        return failure(notSettings + QCoreApplication::translate("GrandOrgueConfig", "it has no [General] section"));

    int count = 0;
    if (const auto it = general->second.find(kCountKey); it != general->second.end()) {
        static const QRegularExpression whole(QStringLiteral("^\\d{1,3}$"));
        if (!whole.match(it->second).hasMatch())
            return failure(
                QCoreApplication::translate("GrandOrgueConfig",
                                            "%1: UserTemperamentCount=%2 is not a number of user temperaments from 0 "
                                            "to 999")
                    .arg(quoted(fileName), it->second));
        count = it->second.toInt();
    }
    for (int number = 1; number <= count; ++number) {
        const QString name = sectionName(number);
        const auto it = entries.find(name);
        auto missing = [&](const QString &key) {
            return failure(QCoreApplication::translate("GrandOrgueConfig", "%1: the user temperament [%2] has no %3")
                               .arg(quoted(fileName), name, key));
        };
        if (it == entries.end())
            return failure(QCoreApplication::translate("GrandOrgueConfig",
                                                       "%1 counts %2 user temperaments but has no section [%3]")
                               .arg(quoted(fileName))
                               .arg(count)
                               .arg(name));
        const auto &keys = it->second;
        GrandOrgueTemperament temperament;
        QString *texts[3] = {&temperament.group, &temperament.name, &temperament.title};
        const char *textKeys[3] = {"Group", "Name", "Title"};
        for (int k = 0; k < 3; ++k) {
            const auto found = keys.find(QLatin1String(textKeys[k]));
            if (found == keys.end())
                return missing(QLatin1String(textKeys[k]));
            *texts[k] = found->second;
        }
        for (int note = 0; note < 12; ++note) {
            const auto found = keys.find(offsetKey(note));
            if (found == keys.end())
                return missing(offsetKey(note));
            const auto value = offsetValue(found->second);
            if (!value)
                return failure(
                    QCoreApplication::translate("GrandOrgueConfig", "%1: in [%2], %3=%4 is not a number of cents")
                        .arg(quoted(fileName), name, offsetKey(note), found->second));
            temperament.offsets[note] = *value;
        }
        config.m_temperaments << temperament;
    }
    return config;
}

GrandOrgueConfig GrandOrgueConfig::created()
{
    GrandOrgueConfig config;
    config.m_lines = QStringList{QStringLiteral("[General]"), kCountKey + QStringLiteral("=0")};
    return config;
}

qsizetype GrandOrgueConfig::indexOf(const QString &group, const QString &title) const
{
    for (qsizetype i = 0; i < m_temperaments.size(); ++i) {
        if (m_temperaments[i].group == group && m_temperaments[i].title == title)
            return i;
    }
    return -1;
}

std::pair<qsizetype, qsizetype> GrandOrgueConfig::sectionLines(const QString &section) const
{
    qsizetype start = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto heading = headingOf(m_lines[i]);
        if (!heading)
            continue;
        if (start >= 0)
            return {start, i};
        if (*heading == section)
            start = i;
    }
    return {start, start < 0 ? -1 : m_lines.size()};
}

qsizetype GrandOrgueConfig::keyLine(const QString &section, const QString &key) const
{
    QString current;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (const auto heading = headingOf(m_lines[i])) {
            current = *heading;
        } else if (current == section) {
            const auto entry = entryOf(m_lines[i]);
            if (entry && entry->first == key)
                return i;
        }
    }
    return -1;
}

void GrandOrgueConfig::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + value;
    const qsizetype at = keyLine(section, key);
    if (at >= 0) {
        m_lines[at] = line;
        return;
    }
    // A new key goes where GrandOrgue's sorted order puts it, before the
    // blank lines that end the section.
    const auto [start, end] = sectionLines(section);
    qsizetype insertAt = end;
    while (insertAt > start + 1 && lineContent(m_lines[insertAt - 1]).isEmpty())
        --insertAt;
    for (qsizetype i = start + 1; i < end; ++i) {
        const auto entry = entryOf(m_lines[i]);
        if (entry && entry->first > key) {
            insertAt = i;
            break;
        }
    }
    m_lines.insert(insertAt, line);
}

Result<GrandOrgueTemperament> GrandOrgueConfig::put(const QString &group, const QString &title,
                                                    const NoteCents &offsets, bool replace)
{
    if (const QString problem = grandOrgueEntryProblem(group, title, offsets); !problem.isEmpty())
        return failure(problem);

    const qsizetype existing = indexOf(group, title);
    if (existing >= 0) {
        if (!replace)
            return failure(QCoreApplication::translate("GrandOrgueConfig",
                                                       "%1 already holds a temperament titled %2 in the group %3")
                               .arg(quoted(m_fileName), quoted(title), quoted(group)));
        GrandOrgueTemperament &temperament = m_temperaments[existing];
        temperament.offsets = offsets;
        const QString section = sectionName(static_cast<int>(existing) + 1);
        for (int note = 0; note < 12; ++note)
            setValue(section, offsetKey(note), offsetText(offsets[note]));
        return temperament;
    }

    const int number = static_cast<int>(m_temperaments.size()) + 1;
    if (number > kMostUserTemperaments)
        return failure(QCoreApplication::translate("GrandOrgueConfig",
                                                   "%1 already holds %2 user temperaments, as many as GrandOrgue takes")
                           .arg(quoted(m_fileName))
                           .arg(kMostUserTemperaments));
    // The Name is what organs remember: the same for the same group and
    // title, whichever file or run it is written from.
    const QByteArray hash =
        QCryptographicHash::hash((group + QLatin1Char('\n') + title).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(8);
    const QString base = QStringLiteral("Cordavo-") + QString::fromLatin1(hash);
    QString name = base;
    for (int n = 2; std::any_of(m_temperaments.begin(), m_temperaments.end(),
                                [&](const GrandOrgueTemperament &t) { return t.name == name; });
         ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    const GrandOrgueTemperament temperament{group, name, title, offsets};

    // A section left over beyond the count would repeat the new one's keys.
    const QString section = sectionName(number);
    for (auto [start, end] = sectionLines(section); start >= 0; std::tie(start, end) = sectionLines(section))
        m_lines.remove(start, end - start);
    QStringList entries{QStringLiteral("Group=") + group, QStringLiteral("Name=") + name,
                        QStringLiteral("Title=") + title};
    for (int note = 0; note < 12; ++note)
        entries << offsetKey(note) + QLatin1Char('=') + offsetText(offsets[note]);
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return a.left(a.indexOf(QLatin1Char('='))) < b.left(b.indexOf(QLatin1Char('=')));
    });
    entries.prepend(QLatin1Char('[') + section + QLatin1Char(']'));
    qsizetype insertAt = m_lines.size();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto heading = headingOf(m_lines[i]);
        if (heading && *heading > section) {
            insertAt = i;
            break;
        }
    }
    for (const QString &line : entries)
        m_lines.insert(insertAt++, line);
    setValue(kGeneral, kCountKey, QString::number(number));
    m_temperaments << temperament;
    return temperament;
}

QByteArray GrandOrgueConfig::bytes() const
{
    const QString lineEnd = m_crLf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text = m_lines.join(lineEnd);
    if (m_finalLineEnd)
        text += lineEnd;
    // A title that ISO-8859-1 cannot spell turns the file into UTF-8 with
    // its mark, which GrandOrgue reads as well.
    const bool latin1 =
        !m_byteOrderMark && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    const QByteArray plain = latin1 ? text.toLatin1() : kByteOrderMark + text.toUtf8();
    return m_compressed ? gzip(plain) : plain;
}

Result<GrandOrgueConfig> readGrandOrgueConfig(const QString &path)
{
    const Result<QByteArray> bytes = readSmallFile(path);
    if (!bytes.ok())
        return failure(bytes.error());
    return GrandOrgueConfig::read(bytes.value(), QDir::toNativeSeparators(path));
}

QString grandOrgueSettingsFile(const QString &path)
{
    QFileInfo file(path);
    // A link to a file that does not exist yet: where the save would make it.
    for (int links = 0; file.isSymbolicLink() && links < 40; ++links)
        file.setFile(file.symLinkTarget());
    if (const QString itself = file.canonicalFilePath(); !itself.isEmpty())
        return itself;
    const QString folder = QDir(file.absolutePath()).canonicalPath();
    return folder.isEmpty() ? file.absoluteFilePath() : QDir(folder).filePath(file.fileName());
}

namespace {

// A running GrandOrgue: its process id, and the folder it keeps its
// settings in, or empty when that cannot be known.
struct RunningGrandOrgue {
    qint64 pid;
    QString home;
};

// The GrandOrgue programs of this user that are running. The one place that
// asks the system, per platform.
QList<RunningGrandOrgue> runningGrandOrgues()
{
    QList<RunningGrandOrgue> found;
#if defined(Q_OS_LINUX)
    const uint user = QFileInfo(QStringLiteral("/proc/self")).ownerId();
    auto readProc = [](const QString &file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isProcess = false;
        const qint64 pid = entry.toLongLong(&isProcess);
        const QString proc = QStringLiteral("/proc/") + entry;
        if (!isProcess || QFileInfo(proc).ownerId() != user)
            continue;
        const QByteArray command = readProc(proc + QStringLiteral("/comm")).trimmed();
        const QByteArray program = readProc(proc + QStringLiteral("/cmdline")).split('\0').constFirst();
        if (command != "GrandOrgue" &&
            QFileInfo(QString::fromLocal8Bit(program)).fileName() != QLatin1String("GrandOrgue"))
            continue;
        // One that has ended but is not yet reaped writes nothing more; its
        // state follows the name in parentheses.
        const QByteArray status = readProc(proc + QStringLiteral("/stat"));
        const QByteArray state = status.mid(status.lastIndexOf(')') + 1).trimmed().left(1);
        if (state == "Z" || state == "X")
            continue;
        // It keeps its settings in its home folder, from its environment.
        QString home;
        for (const QByteArray &variable : readProc(proc + QStringLiteral("/environ")).split('\0')) {
            if (variable.startsWith("HOME="))
                home = QString::fromLocal8Bit(variable.mid(5));
        }
        found << RunningGrandOrgue{pid, home};
    }
#elif defined(Q_OS_WIN)
    // Another process's environment is out of reach: every GrandOrgue of
    // this session counts, with this user's application data folder.
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    DWORD ourSession = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &ourSession);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        DWORD session = 0;
        if (QString::fromWCharArray(entry.szExeFile).compare(QLatin1String("GrandOrgue.exe"), Qt::CaseInsensitive) ==
                0 &&
            (!ProcessIdToSessionId(entry.th32ProcessID, &session) || session == ourSession))
            found << RunningGrandOrgue{entry.th32ProcessID, qEnvironmentVariable("APPDATA")};
    }
    CloseHandle(snapshot);
#endif
    return found;
}

// Whether a GrandOrgue whose settings folder is 'home' uses 'file' (a
// settings file itself): it keeps them there as GrandOrgueConfig or, for a
// named instance, GrandOrgueConfig-NAME, which may be links to elsewhere.
bool keepsSettingsIn(const QString &home, const QString &file)
{
    const QString prefix = QStringLiteral("GrandOrgueConfig");
    const QFileInfo target(file);
    const QString homeFolder = QDir(home).canonicalPath();
    if (!homeFolder.isEmpty() && target.fileName().startsWith(prefix, Qt::CaseInsensitive) &&
        QFileInfo(target.absolutePath()) == QFileInfo(homeFolder))
        return true;
    const QDir folder(home);
    const QStringList names = folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::System);
    return std::any_of(names.begin(), names.end(), [&](const QString &name) {
        return QFileInfo(grandOrgueSettingsFile(folder.filePath(name))) == target;
    });
}

} // namespace

QList<qint64> grandOrgueProcessesUsing(const QString &path)
{
    const QString file = grandOrgueSettingsFile(path);
    QList<qint64> found;
    for (const RunningGrandOrgue &organ : runningGrandOrgues()) {
        // One whose folder cannot be read counts.
        if (organ.home.isEmpty() || keepsSettingsIn(organ.home, file))
            found << organ.pid;
    }
    return found;
}

GrandOrgueExportResult exportToGrandOrgue(const GrandOrgueExportRequest &request)
{
    GrandOrgueExportResult result;
    const QString path = grandOrgueSettingsFile(request.path);
    result.shownPath = QDir::toNativeSeparators(path);
    result.temperament.group = request.group.trimmed();
    result.temperament.title = request.title.trimmed();
    const QString &group = result.temperament.group;
    const QString &title = result.temperament.title;
    auto notWritten = [&](GrandOrgueExportStatus status, const QString &message) {
        result.status = status;
        result.message = message;
        return result;
    };

    // What the user gave first: a refusal leaves the file untouched.
    const Result<NoteCents> offsets =
        grandOrgueOffsets(request.source.cents, request.source.oldA, request.source.newA, request.foldPitch);
    if (!offsets.ok())
        return notWritten(GrandOrgueExportStatus::Refused, offsets.error());
    if (const QString problem = grandOrgueEntryProblem(group, title, offsets.value()); !problem.isEmpty())
        return notWritten(GrandOrgueExportStatus::Refused, problem);

    const QList<qint64> running = grandOrgueProcessesUsing(path);
    if (!running.isEmpty())
        return notWritten(
            GrandOrgueExportStatus::Failed,
            QCoreApplication::translate("GrandOrgueConfig",
                                        "GrandOrgue is running (process %1) and would overwrite the change to %2 when "
                                        "it next saves its settings: close GrandOrgue first, then export again")
                .arg(running.first())
                .arg(quoted(result.shownPath)));
    const bool exists = QFileInfo::exists(path);
    QByteArray old;
    std::optional<GrandOrgueConfig> config;
    if (exists) {
        const Result<QByteArray> bytes = readSmallFile(path);
        if (!bytes.ok())
            return notWritten(GrandOrgueExportStatus::Failed, bytes.error());
        old = bytes.value();
        Result<GrandOrgueConfig> read = GrandOrgueConfig::read(old, result.shownPath);
        if (!read.ok())
            return notWritten(GrandOrgueExportStatus::Failed, read.error());
        config = std::move(read).value();
    } else {
        config = GrandOrgueConfig::created();
    }
    if (!request.replace && config->indexOf(group, title) >= 0)
        return notWritten(
            GrandOrgueExportStatus::TitleTaken,
            QCoreApplication::translate("GrandOrgueConfig", "%1 already holds a temperament titled %2 in the group %3")
                .arg(quoted(result.shownPath), quoted(title), quoted(group)));
    const Result<GrandOrgueTemperament> put = config->put(group, title, offsets.value(), request.replace);
    if (!put.ok())
        return notWritten(GrandOrgueExportStatus::Failed, put.error());
    const Result<void> saved =
        exists ? saveFilesAtomically({{path + QStringLiteral(".bak"), old}, {path, config->bytes()}})
               : saveFileAtomically(path, config->bytes());
    if (!saved.ok())
        return notWritten(GrandOrgueExportStatus::Failed, saved.error());
    result.status = GrandOrgueExportStatus::Written;
    result.temperament = put.value();
    return result;
}

} // namespace cordavo
