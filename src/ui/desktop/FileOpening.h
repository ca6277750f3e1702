#pragma once

#include "tuning/LineFile.h"
#include "ui/desktop/UserDialogs.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace cordavo {

// The kinds of file the program opens, known by the ends of their names
// whatever their case.
enum class FileKind {
    Unknown,
    Temperament,    // *.Tmp: "Load Temperament"
    Supplier,       // *.For: "Load Supplier"
    Scala,          // *.scl: "Load Scala..." and the cents setter's "Load"
    Cents,          // *.Cts: the cents setter's "Load"
    Intervals,      // *.Tfs: the intervals setter's "Load"
    TemperamentXml, // *.Temperament_Hauptwerk_xml, *.Temperament.Hauptwerk.xml, *.xml, *.txt: "Open xml"
};

FileKind fileKindOf(const QString &path);

// "PATH is not a file OPENER can open: temperament (*.Tmp), ..." listing
// the kinds it can.
QString notOpenableMessage(const QString &path, const QString &opener, const QList<FileKind> &kinds);

// The local files a drag carries, in order; none for text, web addresses
// and the like.
QStringList localFilesOf(const QMimeData *data);

// The files named on a command line (the program first): every argument
// after the program but a first "--", made absolute.
QStringList fileArguments(const QStringList &arguments);

// A data file read and checked whole against its layout, as every "Load"
// command reads it; nothing (after a message naming the file, line and
// problem) when it is refused.
std::optional<QList<LineValue>> readCheckedFile(UserDialogs &dialogs, QWidget *parent, const QString &path,
                                                QStringView layout, QChar decimalSeparator);

// What a window does with the files dropped on it at a point of it.
using FileDropHandler = std::function<void(const QStringList &files, const QPointF &at)>;

// Lets a window take local files dropped anywhere on it, over its text
// fields too, which would otherwise take the drag as text or refuse it; the
// handler runs once the drop is over, so that the program the files came
// from is not kept waiting while a message is on screen. Covers the
// controls the window holds now. Other drags go on as before.
void openFilesDroppedOn(QWidget *window, const FileDropHandler &open);

} // namespace cordavo
