#pragma once

#include "tuning/LineFile.h"
#include "ui/windows/SetterWindow.h"

namespace cordavo {

class LibraryDialog;

// The cents setter: two tables of twelve positions in cents above C.
class TFormCents : public SetterWindow
{
    Q_OBJECT
public:
    TFormCents(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
               UserDialogs &dialogs, QWidget *parent = nullptr);

    // What the other setters' "Export Cents" write: a side's twelve
    // positions, C to B, and its name.
    void setPositions(SetterSide side, const NoteCents &positions);
    NoteCents positions(SetterSide side) const;
    void setSideName(SetterSide side, const QString &name);

    // In the order of the controls, top to bottom.
    void ButtonEsportaClick() override;
    QString setterName() const override { return tr("Cents setter"); }
    // The table as it stands, the cents setter having nothing to calculate,
    // once it holds a scale: positions rising from C within the octave.
    std::optional<NoteCents> sideDeviations(SetterSide which) const override;
    void ButtonCaricaInputClick() { loadSide(SetterSide::Input); }
    void ButtonCaricaOutClick() { loadSide(SetterSide::Out); }
    void ButtonSalvaInputClick() { saveSide(SetterSide::Input); }
    void ButtonSalvaOutClick() { saveSide(SetterSide::Out); }
    void ButtonLibreriaInputClick() { librarySide(SetterSide::Input); }
    void ButtonLibreriaOutClick() { librarySide(SetterSide::Out); }

    // The chooser behind both sides' "Library..." buttons, made at first use.
    LibraryDialog &libraryDialog();

private:
    void FormCreate();
    void createSide(SetterSide which, QWidget *panel, int left);
    void saveSide(SetterSide which);
    void loadSide(SetterSide which);
    QList<FileKind> loadedKinds() const override { return {FileKind::Cents, FileKind::Scala}; }
    bool loadSideFile(SetterSide which, const QString &path) override;
    void showEqual(SetterSide which) override;
    void librarySide(SetterSide which);
    // A Scala file into a side, checked whole first.
    bool loadScalaSide(SetterSide which, const QString &path);

    PerSide<NoteFields> m_fields;
    // Line buffer of both sides' files.
    QStringList ListBoxSalvaInput;
    LibraryDialog *m_libraryDialog = nullptr;
};

} // namespace cordavo
