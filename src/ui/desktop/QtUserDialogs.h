#pragma once

#include "ui/desktop/UserDialogs.h"

#include <QFileDialog>

namespace cordavo {

// The folder a file dialog opens in while nothing has been chosen for its
// kind: on Windows the user's documents (a program started from the Start
// menu starts in its own folder, which an install for everyone cannot
// write), elsewhere the folder the program was started in unless that is
// the program's own, then the documents too.
QString firstFolder();
// The same for the given folders, on Windows or elsewhere.
QString firstFolder(const QString &working, const QString &program, const QString &documents, bool windows);

// Sets up Qt's own file dialog for a question: its folder, types, name and suffix,
// and the renaming when the user picks another type. The question must
// outlive the dialog.
void prepareFileDialog(QFileDialog &dialog, FileQuestion &question, QFileDialog::AcceptMode mode);

// The real boxes and dialogs, on the desktop; on Windows the file dialogs
// are Windows' own.
class QtUserDialogs : public UserDialogs
{
public:
    void message(QWidget *parent, const QString &text) override;
    void information(QWidget *parent, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<QString> openFileName(QWidget *parent, FileQuestion &question) override;
    std::optional<QString> saveFileName(QWidget *parent, FileQuestion &question) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    bool pageSetup(QWidget *parent, QPrinter &printer) override;
    bool printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    int showModal(QDialog &dialog) override;
};

} // namespace cordavo
