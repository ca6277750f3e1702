#pragma once

#include "tuning/IntervalCents.h"
#include "ui/windows/SetterWindow.h"

namespace cordavo {

// The intervals setter: each side gives the twelve notes as fractions above
// C and turns them into cents rounded to the decimals of its "Rounds" box.
class TFormScale : public SetterWindow
{
    Q_OBJECT
public:
    TFormScale(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
               UserDialogs &dialogs, QWidget *parent = nullptr);

    // In the order of the controls, top to bottom.
    void ButtonEsportaClick() override { exportLists(); }
    QString setterName() const override { return tr("Intervals setter"); }
    void ButtonCaricaInputClick() { loadSide(SetterSide::Input); }
    void ButtonCaricaOutClick() { loadSide(SetterSide::Out); }
    void ButtonSalvaInputClick() { saveSide(SetterSide::Input); }
    void ButtonSalvaOutClick() { saveSide(SetterSide::Out); }
    void ButtonCalcolaCentsInputClick() { calculate(SetterSide::Input); }
    void ButtonCalcolaCentsOutClick() { calculate(SetterSide::Out); }
    void ButtonEsportaCentsInputClick() { exportCentsSide(SetterSide::Input); }
    void ButtonEsportaCentsOutClick() { exportCentsSide(SetterSide::Out); }

private:
    // A side's fractions, C to B: first terms (numerators) and second terms.
    struct Fractions {
        NoteFields first{};
        NoteFields second{};
    };

    void FormCreate();
    void createSide(SetterSide which, QWidget *panel, int left);
    QString sideCaption(SetterSide which) const;

    void calculate(SetterSide which);
    void showEqual(SetterSide which) override;
    // Cleans both columns of the side's terms and shows the cleaned numbers.
    void CleanIntervals(SetterSide which);
    void CleanTerms();
    // Converts Ratio and appends it to the side's list.
    void AddCents(SetterSide which, int decimals);
    void loadSide(SetterSide which);
    QList<FileKind> loadedKinds() const override { return {FileKind::Intervals}; }
    bool loadSideFile(SetterSide which, const QString &path) override;
    void saveSide(SetterSide which);

    PerSide<Fractions> m_terms;
    // Line buffer of both sides' files.
    QStringList ListBoxSalvaInput;

    long double Ratio = 0;
    NoteTerms Terms{};
};

} // namespace cordavo
