#pragma once

#include "tuning/LineFile.h"
#include "ui/SetterWindow.h"
#include "ui/UserDialogs.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace cordavo {

class LibraryDialog;
class TNumEdit;

// The two halves of a setter window: the old temperament on the left, the
// new one on the right.
enum class SetterSide { Input, Out };

// The cents setter: two tables of twelve positions in cents above C.
class TFormCents : public SetterWindow
{
    Q_OBJECT
public:
    TFormCents(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
               QWidget *parent = nullptr);

    // What the other setters' "Export Cents" write: a side's twelve
    // positions, C to B, and its name.
    void setPositions(SetterSide side, const NoteCents &positions);
    NoteCents positions(SetterSide side) const;
    void setSideName(SetterSide side, const QString &name);

    const std::array<TNumEdit *, 12> &fields(SetterSide side) const;

    void ButtonSalvaInputClick() { saveSide(SetterSide::Input); }
    void ButtonSalvaOutClick() { saveSide(SetterSide::Out); }
    void ButtonCaricaInputClick() { loadSide(SetterSide::Input); }
    void ButtonCaricaOutClick() { loadSide(SetterSide::Out); }
    void CheckBoxEquabileInputClick() { equalSide(SetterSide::Input); }
    void CheckBoxEquabileOutClick() { equalSide(SetterSide::Out); }
    void ButtonEsportaClick();
    void ButtonLibreriaInputClick() { librarySide(SetterSide::Input); }
    void ButtonLibreriaOutClick() { librarySide(SetterSide::Out); }

    // The chooser behind both sides' "Library..." buttons, made at first use.
    LibraryDialog &libraryDialog();

    QPushButton *ButtonEsporta;
    QLineEdit *EditNomeInput;
    QLineEdit *EditNomeOut;
    QPushButton *ButtonCaricaInput;
    QPushButton *ButtonCaricaOut;
    QPushButton *ButtonSalvaInput;
    QPushButton *ButtonSalvaOut;
    QCheckBox *CheckBoxEquabileInput;
    QCheckBox *CheckBoxEquabileOut;
    QPushButton *ButtonLibreriaInput;
    QPushButton *ButtonLibreriaOut;

private:
    // Everything one half owns.
    struct Side {
        std::array<TNumEdit *, 12> fields{};
        QLineEdit *name = nullptr;
        QCheckBox *equal = nullptr;
        FileQuestion saveDialog;
        FileQuestion openDialog;
    };

    void FormCreate();
    void createSide(SetterSide which, int left);
    Side &side(SetterSide which) { return which == SetterSide::Input ? m_input : m_out; }
    const Side &side(SetterSide which) const { return which == SetterSide::Input ? m_input : m_out; }
    void saveSide(SetterSide which);
    void loadSide(SetterSide which);
    void equalSide(SetterSide which);
    void librarySide(SetterSide which);
    // A Scala file into a side, checked whole first.
    void loadScalaSide(Side &s, const QString &path);

    Side m_input;
    Side m_out;
    // Line buffer of both sides' files.
    QStringList ListBoxSalvaInput;
    LibraryDialog *m_libraryDialog = nullptr;
};

} // namespace cordavo
