#include "ui/desktop/FileCommands.h"

#include "tuning/SafeFileStem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace cordavo {

QString proposedFileName(const QString &lastName, const QString &temperamentName, const QString &fallback,
                         const QString &suffix)
{
    const QString folder = lastName.chopped(QFileInfo(lastName).fileName().size());
    const QString stem = safeFileStem(temperamentName);
    return folder + (stem.isEmpty() ? fallback : stem) + suffix;
}

bool saveThroughDialog(UserDialogs &dialogs, QWidget *parent, FileQuestion &question, const QByteArray &bytes)
{
    return saveThroughDialog(dialogs, parent, question, [&bytes](const QString &) { return bytes; });
}

bool saveThroughDialog(UserDialogs &dialogs, QWidget *parent, FileQuestion &question,
                       const std::function<QByteArray(const QString &path)> &bytesFor)
{
    return saveThroughDialog(dialogs, parent, question, [&bytesFor](const QString &path) {
        return FileBytes{bytesFor(path), {}};
    });
}

bool saveThroughDialog(UserDialogs &dialogs, QWidget *parent, FileQuestion &question,
                       const std::function<FileBytes(const QString &path)> &make)
{
    const auto path = dialogs.saveFileName(parent, question);
    if (!path)
        return false;
    const FileBytes made = make(*path);
    if (!made.error.isEmpty()) {
        dialogs.error(parent, QCoreApplication::translate("cordavo::FileCommands", "Cannot save \"%1\": %2")
                                  .arg(QDir::toNativeSeparators(*path), made.error));
        return false;
    }
    const Result<void> saved = saveFileAtomically(*path, made.bytes);
    if (!saved.ok()) {
        dialogs.error(parent, saved.error());
        return false;
    }
    dialogs.information(
        parent,
        QCoreApplication::translate("cordavo::FileCommands", "File %1 Saved").arg(QDir::toNativeSeparators(*path)));
    return true;
}

void reportLoaded(UserDialogs &dialogs, QWidget *parent, const QString &path)
{
    dialogs.information(
        parent,
        QCoreApplication::translate("cordavo::FileCommands", "File %1 Loaded").arg(QDir::toNativeSeparators(path)));
}

} // namespace cordavo
