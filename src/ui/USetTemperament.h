#pragma once

#include "tuning/CircleOfFifths.h"
#include "ui/SetterWindow.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace cordavo {

class CentsList;
class TFormCents;
enum class SetterSide;

// The fifths setter: each side describes a temperament by the twelve fifths
// of the circle, each narrowed by a part of a comma, and lists the resulting
// positions in cents above C.
class TFormCicloQuinte : public SetterWindow
{
    Q_OBJECT
public:
    TFormCicloQuinte(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                     QWidget *parent = nullptr);

    // The window that "Export Cents" fills; created after this one.
    void setCentsWindow(TFormCents &formCents);

    // A side's fifth boxes in circle order, C-G first and F-C last.
    const std::array<QComboBox *, 12> &fifthBoxes(SetterSide side) const;

    void CheckBoxEquabileInputClick();
    void CheckBoxEquabileOutClick();
    void ButtonCalcolaCentsInputClick();
    void ButtonCalcolaCentsOutClick();
    void ButtonEsportaClick();
    void ButtonEsportaCentsInputClick();
    void ButtonEsportaCentsOutClick();

    QFrame *PanelSetTemperamento;
    QFrame *Panel5;
    QLabel *LabelIntSetTemp;
    QLabel *Label5;
    QLabel *Label52;
    QPushButton *ButtonEsporta;
    QFrame *Panel2;

    QFrame *PanelSetInput;
    QCheckBox *CheckBoxEquabileInput;
    QGroupBox *GroupBox1;
    QRadioButton *RadioButtonInputSintonico;
    QRadioButton *RadioButtonInputPitagorico;
    QComboBox *ComboBoxArrotondaInput;
    QPushButton *ButtonCalcolaCentsInput;
    CentsList *ListBoxCentsInput;
    QPushButton *ButtonEsportaCentsInput;

    QFrame *PanelSetOut;
    QCheckBox *CheckBoxEquabileOut;
    QGroupBox *GroupBoxOldComma;
    QRadioButton *RadioButtonOutSintonico;
    QRadioButton *RadioButtonOutPitagorico;
    QComboBox *ComboBoxArrotondaOut;
    QPushButton *ButtonCalcolaCentsOut;
    CentsList *ListBoxCentsOut;
    QPushButton *ButtonEsportaCentsOut;

private:
    // The controls of one half that the handlers use.
    struct Side {
        std::array<QComboBox *, 12> fifths{};
        QRadioButton *syntonic = nullptr;
        QCheckBox *equal = nullptr;
        QComboBox *rounds = nullptr;
        CentsList *list = nullptr;
    };

    void FormCreate();
    void createSide(SetterSide which, int column, int circleLeft);
    const Side &side(SetterSide which) const;
    Comma sideComma(SetterSide which) const;

    void FifthNarrowingInput();
    void FifthNarrowingOut();
    void ReadFifthsInput();
    void ReadFifthsOut();
    void CalculateCircle();

    void equalSide(SetterSide which);
    void calculateSide(SetterSide which);
    void exportCentsSide(SetterSide which);
    // A side's list read back as numbers; nothing (after a message) when
    // a line does not read.
    std::optional<NoteCents> listPositions(SetterSide which);

    TFormCents *FormCents = nullptr;
    Side m_input;
    Side m_out;

    CircleValues Narrowing{};
    CircleValues PythagoreanCents{};
    int FifthChoice = 0;
    int RoundDigit = 0;
    bool CalcSide = false;
    bool InputCalculated = false;
    bool OutCalculated = false;
    long double NarrowingResult = 0;
};

} // namespace cordavo
