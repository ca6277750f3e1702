#pragma once

#include "ui/UserDialogs.h"

namespace cordavo {

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
    int showModal(QDialog &dialog) override;
};

} // namespace cordavo
