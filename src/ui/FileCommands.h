#pragma once

#include "tuning/LineFile.h"
#include "ui/UserDialogs.h"

#include <functional>
#include <optional>

class QWidget;

namespace cordavo {

// The steps every "Save" command shares: ask for a file name, write the
// bytes atomically, then say "File ... Saved", or show why it failed.
// True once the file was saved.
bool saveThroughDialog(UserDialogs &dialogs, QWidget *parent, FileQuestion &question, const QByteArray &bytes);
// The same, for contents that depend on the chosen path.
bool saveThroughDialog(UserDialogs &dialogs, QWidget *parent, FileQuestion &question,
                       const std::function<QByteArray(const QString &path)> &bytesFor);

// Contents made for a chosen path, or why they could not be made.
struct FileBytes {
    QByteArray bytes;
    QString error; // empty when the bytes are good
};
// The same, for contents whose making can fail: the failure is shown as an
// error naming the file, and nothing is written.
bool saveThroughDialog(UserDialogs &dialogs, QWidget *parent, FileQuestion &question,
                       const std::function<FileBytes(const QString &path)> &make);

// The name a save dialog proposes for a temperament's file: its name made
// safe for a file name, or the fallback when nothing of it is left, in the
// folder of the name last chosen, with the suffix given (may be empty).
QString proposedFileName(const QString &lastName, const QString &temperamentName, const QString &fallback,
                         const QString &suffix = {});

// A data file that was chosen and checked whole.
struct LoadedFile {
    QString path;
    QList<LineValue> values;
};

// The steps every "Load" command shares before it fills its fields: ask for
// a file, read and check it against its layout; nothing when cancelled or
// refused (after a message naming the file, line and problem).
std::optional<LoadedFile> loadThroughDialog(UserDialogs &dialogs, QWidget *parent, FileQuestion &question,
                                            QStringView layout, QChar decimalSeparator);

// "File ... Loaded", once the fields hold the file's values.
void reportLoaded(UserDialogs &dialogs, QWidget *parent, const QString &path);

} // namespace cordavo
