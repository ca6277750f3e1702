#pragma once

#include "tuning/IntervalCents.h"
#include "ui/SetterWindow.h"
#include "ui/UCents.h"
#include "ui/UserDialogs.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace cordavo {

class CentsList;
class TNumEdit;

// The intervals setter: each side gives the twelve notes as fractions above
// C and turns them into cents rounded to the decimals of its "Rounds" box.
class TFormScale : public SetterWindow
{
    Q_OBJECT
public:
    TFormScale(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
               QWidget *parent = nullptr);

    // "Export Cents" writes into the cents setter, which is created later.
    void setCentsWindow(TFormCents &formCents);

    // The side's first terms (numerators) and second terms, C to B.
    const std::array<TNumEdit *, 12> &firstTerms(SetterSide side) const;
    const std::array<TNumEdit *, 12> &secondTerms(SetterSide side) const;
    // Whether the side's list holds twelve calculated or preset values.
    bool calculated(SetterSide side) const { return side == SetterSide::Input ? InputCalculated : OutCalculated; }

    void ButtonCalcolaCentsInputClick() { calculate(SetterSide::Input); }
    void ButtonCalcolaCentsOutClick() { calculate(SetterSide::Out); }
    void CheckBoxEquabileInputClick() { equalPreset(SetterSide::Input); }
    void CheckBoxEquabileOutClick() { equalPreset(SetterSide::Out); }
    void ButtonCaricaInputClick() { loadSide(SetterSide::Input); }
    void ButtonCaricaOutClick() { loadSide(SetterSide::Out); }
    void ButtonSalvaInputClick() { saveSide(SetterSide::Input); }
    void ButtonSalvaOutClick() { saveSide(SetterSide::Out); }
    void ButtonEsportaClick();
    void ButtonEsportaCentsInputClick() { exportCentsSide(SetterSide::Input); }
    void ButtonEsportaCentsOutClick() { exportCentsSide(SetterSide::Out); }

    QPushButton *ButtonEsporta = nullptr;
    QLineEdit *EditNomeInput = nullptr;
    QLineEdit *EditNomeOut = nullptr;
    QPushButton *ButtonCaricaInput = nullptr;
    QPushButton *ButtonCaricaOut = nullptr;
    QPushButton *ButtonSalvaInput = nullptr;
    QPushButton *ButtonSalvaOut = nullptr;
    QCheckBox *CheckBoxEquabileInput = nullptr;
    QCheckBox *CheckBoxEquabileOut = nullptr;
    QComboBox *ComboBoxArrotondaInput = nullptr;
    QComboBox *ComboBoxArrotondaOut = nullptr;
    QPushButton *ButtonCalcolaCentsInput = nullptr;
    QPushButton *ButtonCalcolaCentsOut = nullptr;
    CentsList *ListBoxCentsInput = nullptr;
    CentsList *ListBoxCentsOut = nullptr;
    QPushButton *ButtonEsportaCentsInput = nullptr;
    QPushButton *ButtonEsportaCentsOut = nullptr;

private:
    // Everything one half owns.
    struct Side {
        std::array<TNumEdit *, 12> first{};
        std::array<TNumEdit *, 12> second{};
        QLineEdit *name = nullptr;
        QCheckBox *equal = nullptr;
        QComboBox *rounds = nullptr;
        QPushButton *calculate = nullptr;
        CentsList *cents = nullptr;
        QPushButton *exportCents = nullptr;
        QPushButton *load = nullptr;
        QPushButton *save = nullptr;
        FileQuestion openDialog;
        FileQuestion saveDialog;
    };

    void FormCreate();
    void createSide(SetterSide which, QWidget *panel, int left);
    Side &side(SetterSide which) { return which == SetterSide::Input ? m_input : m_out; }
    const Side &side(SetterSide which) const { return which == SetterSide::Input ? m_input : m_out; }
    bool &calculatedFlag(SetterSide which) { return which == SetterSide::Input ? InputCalculated : OutCalculated; }
    QString sideCaption(SetterSide which) const;

    void calculate(SetterSide which);
    void equalPreset(SetterSide which);
    // Cleans both columns of the side's terms and shows the cleaned numbers.
    void CleanIntervals(SetterSide which);
    void CleanTerms();
    // Converts Ratio and appends it to the side's list.
    void AddCents(SetterSide which);
    std::optional<NoteCents> listedCents(SetterSide which) const;
    void loadSide(SetterSide which);
    void saveSide(SetterSide which);
    void exportCentsSide(SetterSide which);

    TFormCents *FormCents = nullptr;
    Side m_input;
    Side m_out;
    // Line buffer of both sides' files.
    QStringList ListBoxSalvaInput;

    long double Ratio = 0;
    NoteTerms Terms{};
    bool InputCalculated = false;
    bool OutCalculated = false;
};

} // namespace cordavo
