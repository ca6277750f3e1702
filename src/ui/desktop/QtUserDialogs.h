#pragma once

#include "ui/desktop/UserDialogs.h"

#include <QFileDialog>

namespace cordavo {

// Sets up Qt's own file dialog for a question: its folder, types, name and suffix,
// and the renaming when the user picks another type. The question must
// outlive the dialog.
void prepareFileDialog(QFileDialog &dialog, FileQuestion &question, QFileDialog::AcceptMode mode);

// The real boxes and dialogs, on the desktop.
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
