#pragma once

#include <QDialog>

class QPushButton;

namespace cordavo {

class UserDialogs;

// The file of the notices of the libraries shipped beside the program (the
// Windows packages carry it), or its name where it would lie.
QString libraryNoticesFile();

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(UserDialogs &dialogs, QWidget *parent = nullptr);

    // The notices file the button "Licences of the libraries…" shows; the
    // button is there only while the file is.
    void setNoticesFile(const QString &path);

private:
    void showNotices();

    UserDialogs &m_dialogs;
    QString m_noticesFile;
    QPushButton *m_noticesButton = nullptr;
};

} // namespace cordavo
