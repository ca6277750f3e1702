#pragma once

#include "tuning/CircleOfFifths.h"
#include "ui/windows/SetterWindow.h"

#include <array>

class QFrame;
class QRadioButton;

namespace cordavo {

// The fifths setter: each side describes a temperament by the twelve fifths
// of the circle, each narrowed by a part of a comma, and lists the resulting
// positions in cents above C.
class TFormCicloQuinte : public SetterWindow
{
    Q_OBJECT
public:
    TFormCicloQuinte(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
                     UserDialogs &dialogs, QWidget *parent = nullptr);

    // In the order of the controls, top to bottom.
    void ButtonEsportaClick() override { exportLists(); }
    QString setterName() const override { return tr("Fifths setter"); }
    void ButtonCalcolaCentsInputClick() { calculate(SetterSide::Input); }
    void ButtonCalcolaCentsOutClick() { calculate(SetterSide::Out); }
    void ButtonEsportaCentsInputClick() { exportCentsSide(SetterSide::Input); }
    void ButtonEsportaCentsOutClick() { exportCentsSide(SetterSide::Out); }

private:
    // The controls of one half that are the fifths setter's own.
    struct Circle {
        std::array<QComboBox *, 12> fifths{}; // in circle order, C-G first and F-C last
        QRadioButton *syntonic = nullptr;
    };

    void FormCreate();
    void createSide(SetterSide which, int column, int circleLeft);
    Comma sideComma(SetterSide which) const;

    // NarrowingResult: the fifth of FifthChoice on the side's comma.
    void FifthNarrowing(SetterSide which);
    // Narrowing: the side's twelve fifths.
    void ReadFifths(SetterSide which);
    void CalculateCircle();

    // True when every fifth box of the side names one of its items; otherwise
    // says which do not.
    bool fifthsNamed(SetterSide which);
    void calculate(SetterSide which);
    void showEqual(SetterSide which) override;

    QFrame *PanelSetTemperamento = nullptr;
    PerSide<Circle> m_circles;

    CircleValues Narrowing{};
    CircleValues PythagoreanCents{};
    int FifthChoice = 0;
    int RoundDigit = 0;
    bool CalcSide = false;
    long double NarrowingResult = 0;
};

} // namespace cordavo
