#pragma once

#include "tuning/PitchTable.h"
#include "tuning/Result.h"
#include "tuning/TuningExport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace cordavo {

// GrandOrgue's settings file (GrandOrgueConfig), where the organ host keeps
// its user temperaments: twelve offsets in cents from equal temperament at
// A = 440 Hz, C to B, under a group (its submenu) and a title (the menu
// text). GrandOrgue rewrites the whole file whenever it saves its settings,
// so the file is edited line by line and everything we do not change is
// written back as it was read.

// One user temperament as GrandOrgue lists it. 'name' is the key an organ's
// settings refer to it by.
struct GrandOrgueTemperament {
    QString group;
    QString name;
    QString title;
    NoteCents offsets{};
};

// GrandOrgue numbers the sections with three digits and takes offsets from
// -1200 to +1200 cents only.
inline constexpr int kMostUserTemperaments = 999;
inline constexpr long double kLargestGrandOrgueOffset = 1200;
// GrandOrgue holds an offset in single precision and its settings dialog
// keeps three decimals: beyond them is its arithmetic's noise.
inline constexpr int kGrandOrgueDecimals = 3;

// The settings file's usual place on this platform, for the default
// instance of GrandOrgue.
QString grandOrgueConfigPath();

// The offsets of a temperament for GrandOrgue: the twelve values with A at
// 0; with 'foldPitch', each raised by the document's A as cents from 440 Hz,
// so that GrandOrgue plays at that A. Refused when an offset would leave
// -1200 ... +1200 cents.
Result<NoteCents> grandOrgueOffsets(const NoteCents &cents, double oldA, double newA, bool foldPitch);

// Why GrandOrgue could not keep a user temperament of this group, title
// and offsets as they are given (a ";" or a line break in the group or
// title, an empty title, an offset beyond +-1200 cents), or empty.
QString grandOrgueEntryProblem(const QString &group, const QString &title, const NoteCents &offsets);

class GrandOrgueConfig
{
public:
    // A settings file's bytes, gzip-compressed or plain, checked whole:
    // refused when they are not GrandOrgue's settings (not text, no [General]
    // section) or hold what GrandOrgue would stop on. 'fileName' is what the
    // messages name.
    static Result<GrandOrgueConfig> read(const QByteArray &bytes, const QString &fileName);
    // A new settings file holding no user temperament, written as GrandOrgue
    // writes its own: compressed, UTF-8 with a byte-order mark.
    static GrandOrgueConfig created();

    const QList<GrandOrgueTemperament> &userTemperaments() const { return m_temperaments; }
    // The position of the temperament titled 'title' in 'group', or -1.
    qsizetype indexOf(const QString &group, const QString &title) const;

    // Adds the temperament at the end of the list, or replaces the one of the
    // same group and title when 'replace' is set (keeping its Name, so that
    // organs that chose it keep finding it). Gives back the temperament as
    // written.
    Result<GrandOrgueTemperament> put(const QString &group, const QString &title, const NoteCents &offsets,
                                      bool replace);

    // The file's bytes: compressed when it was read compressed, with the
    // line ends and the encoding it had.
    QByteArray bytes() const;
    bool compressed() const { return m_compressed; }

private:
    GrandOrgueConfig() = default;
    // The lines of a section, from its heading to the next heading.
    std::pair<qsizetype, qsizetype> sectionLines(const QString &section) const;
    // The line of 'key' in 'section', or -1.
    qsizetype keyLine(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    QString m_fileName;
    QStringList m_lines;
    QList<GrandOrgueTemperament> m_temperaments;
    bool m_compressed = true;
    bool m_byteOrderMark = true;
    bool m_crLf = false;
    bool m_finalLineEnd = true;
};

// Reads a settings file from disk.
Result<GrandOrgueConfig> readGrandOrgueConfig(const QString &path);

// The settings file that 'path' names, with every symbolic link followed (of
// the file and of its folders), as an absolute path: the file GrandOrgue
// reads and a save replaces. For a file that does not exist yet, where it
// would be made.
QString grandOrgueSettingsFile(const QString &path);

// The process ids of GrandOrgue instances of this user that keep their
// settings in the file 'path' names, through links or not (and would
// overwrite a change to it). Checked on Linux and Windows; empty elsewhere.
QList<qint64> grandOrgueProcessesUsing(const QString &path);

// An export into GrandOrgue's settings file, as the user gives it.
struct GrandOrgueExportRequest {
    QString path;        // the settings file; made when there is none
    TuningSource source; // the notes and the A's
    QString group;       // the submenu; blanks around it do not count
    QString title;       // the menu text; blanks around it do not count
    bool foldPitch = false;
    bool replace = false; // replace a temperament of the same group and title
};

enum class GrandOrgueExportStatus {
    Written,
    // The group already holds the title and 'replace' was not set; nothing
    // was written.
    TitleTaken,
    // What was given cannot go into GrandOrgue: the group, the title, or an
    // offset. The file was not touched.
    Refused,
    // The file: not readable, not GrandOrgue's settings, full, in use by a
    // running GrandOrgue, or not saved. It is as it was.
    Failed,
};

struct GrandOrgueExportResult {
    GrandOrgueExportStatus status = GrandOrgueExportStatus::Failed;
    // As written, or as it would have been: the group and title trimmed;
    // the name and offsets only once written.
    GrandOrgueTemperament temperament;
    // The settings file itself (see grandOrgueSettingsFile), with the
    // platform's separators, for the messages.
    QString shownPath;
    // Why nothing was written; empty once written.
    QString message;

    bool written() const { return status == GrandOrgueExportStatus::Written; }
};

// Writes a temperament into GrandOrgue's settings file: the offsets are made
// from the source (see grandOrgueOffsets) and checked, the file is read (or
// made, when there is none), changed, and replaces the old one atomically,
// whose copy is kept beside it as FILE.bak. A link is followed: the file it
// points to is changed and the copy kept beside that. Refused while a
// GrandOrgue that uses the file is running.
GrandOrgueExportResult exportToGrandOrgue(const GrandOrgueExportRequest &request);

} // namespace cordavo
