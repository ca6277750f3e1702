#pragma once

#include "tuning/LineFile.h"
#include "ui/desktop/UserDialogs.h"

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

// "File ... Loaded", once the fields hold the file's values.
void reportLoaded(UserDialogs &dialogs, QWidget *parent, const QString &path);

} // namespace cordavo
