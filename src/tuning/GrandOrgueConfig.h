#pragma once

#include "tuning/PitchTable.h"
#include "tuning/Result.h"

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

// The settings file's usual place on this platform, for the default
// instance of GrandOrgue.
QString grandOrgueConfigPath();

// The offsets of a temperament for GrandOrgue: the twelve values with A at
// 0; with 'foldPitch', each raised by the document's A as cents from 440 Hz,
// so that GrandOrgue plays at that A. Refused when an offset would leave
// -1200 ... +1200 cents.
Result<NoteCents> grandOrgueOffsets(const NoteCents &cents, double oldA, double newA, bool foldPitch);

// Why GrandOrgue could not keep a group or title as it is given, or empty.
QString grandOrgueTextProblem(const QString &what, const QString &text);

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

// The process ids of GrandOrgue instances of this user that keep their
// settings in 'path' (and would overwrite a change to it). Empty where
// running programs cannot be listed.
QList<qint64> grandOrgueProcessesUsing(const QString &path);

// Writes a temperament into the settings file at 'path': the file is read
// (or made, when there is none), changed, and replaces the old one
// atomically, whose copy is kept beside it as 'path'.bak. Refused while a
// GrandOrgue that uses the file is running. Gives back what was written.
Result<GrandOrgueTemperament> exportToGrandOrgue(const QString &path, const QString &group, const QString &title,
                                                 const NoteCents &offsets, bool replace);

} // namespace cordavo
