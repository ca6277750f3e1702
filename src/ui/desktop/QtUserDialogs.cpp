#include "ui/desktop/QtUserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace cordavo {

namespace {

const QString kCaption = QStringLiteral("Cordavo");

std::optional<QString> runFileDialog(QWidget *parent, FileQuestion &question, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, question, mode);
    bool askReplace = false;
#ifdef Q_OS_WIN
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    // Windows' dialog settles its replace question as it opens, but the type
    // chosen in it decides whether the file is replaced or edited: asked here.
    askReplace = mode == QFileDialog::AcceptSave;
    if (askReplace)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
#endif
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = dialog.selectedFiles().constFirst();
        const int type = static_cast<int>(question.filters.indexOf(dialog.selectedNameFilter()));
        const bool edited = question.editsFile && question.editsFile(type);
        if (askReplace && !edited && QFileInfo::exists(path) &&
            QMessageBox::question(
                parent, kCaption,
                QCoreApplication::translate("QtUserDialogs", "%1 already exists.\nDo you want to replace it?")
                    .arg(QFileInfo(path).fileName())) != QMessageBox::Yes) {
            dialog.selectFile(path);
            continue;
        }
        question.selectedFilter = type;
        question.fileName = path;
        return path;
    }
}

} // namespace

QString firstFolder(const QString &working, const QString &program, const QString &documents, bool windows)
{
    const auto normal = [](const QString &folder) { return QDir::cleanPath(QDir(folder).absolutePath()); };
    if (windows || working.isEmpty() || normal(working) == normal(program))
        return documents.isEmpty() ? QDir::homePath() : documents;
    return working;
}

QString firstFolder()
{
#ifdef Q_OS_WIN
    constexpr bool windows = true;
#else
    constexpr bool windows = false;
#endif
    return firstFolder(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), windows);
}

void prepareFileDialog(QFileDialog &dialog, FileQuestion &question, QFileDialog::AcceptMode mode)
{
    // Qt's own dialog: its name box can be read and rewritten when the type changes.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(question.filters);
    if (question.selectedFilter >= 0 && question.selectedFilter < question.filters.size())
        dialog.selectNameFilter(question.filters[question.selectedFilter]);
    // A name typed without a suffix takes the suffix of the type chosen, not
    // of the type the dialog opened with.
    const bool saving = mode == QFileDialog::AcceptSave;
    dialog.setDefaultSuffix(saving ? saveSuffixForType(question, question.selectedFilter) : question.defaultSuffix);
    // A folder of its own wins over the folder of the name last chosen;
    // without either, the first folder of every kind.
    if (!question.directory.isEmpty())
        dialog.setDirectory(question.directory);
    else if (!QFileInfo(question.fileName).isAbsolute())
        dialog.setDirectory(firstFolder());
    if (!question.fileName.isEmpty())
        dialog.selectFile(question.directory.isEmpty() ? question.fileName : QFileInfo(question.fileName).fileName());
    auto confirmFor = [&dialog, &question](int index) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite, question.editsFile && question.editsFile(index));
    };
    confirmFor(question.selectedFilter);
    if (question.editsFile) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&question, confirmFor](const QString &filter) {
                             confirmFor(static_cast<int>(question.filters.indexOf(filter)));
                         });
    }
    if (!saving)
        return;
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &question](const QString &filter) {
        const int index = static_cast<int>(question.filters.indexOf(filter));
        dialog.setDefaultSuffix(saveSuffixForType(question, index));
        if (!question.typeChanged)
            return;
        auto *nameBox = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!nameBox) {
            // Windows' own dialog: its name box is reached through the dialog.
            const QString name = QFileInfo(dialog.selectedFiles().value(0)).fileName();
            if (!name.isEmpty())
                dialog.selectFile(question.typeChanged(name, index));
            return;
        }
        // Written into the name box itself: selectFile() leaves the box alone
        // while it has the keyboard focus, as it has when the type is changed
        // with the mouse wheel or the box was just typed in.
        nameBox->setText(question.typeChanged(nameBox->text(), index));
    });
}

void QtUserDialogs::message(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtUserDialogs::information(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, kCaption, text);
}

void QtUserDialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, kCaption, text);
}

std::optional<QString> QtUserDialogs::openFileName(QWidget *parent, FileQuestion &question)
{
    return runFileDialog(parent, question, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::saveFileName(QWidget *parent, FileQuestion &question)
{
    return runFileDialog(parent, question, QFileDialog::AcceptSave);
}

bool QtUserDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserDialogs::pageSetup(QWidget *parent, QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserDialogs::printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    return dialog.exec() == QDialog::Accepted;
}

int QtUserDialogs::showModal(QDialog &dialog)
{
    return dialog.exec();
}

} // namespace cordavo
