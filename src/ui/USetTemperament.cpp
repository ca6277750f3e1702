#include "ui/USetTemperament.h"

#include "numbers/NumberFormat.h"
#include "ui/CentsList.h"
#include "ui/UCents.h"
#include "ui/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace cordavo {

namespace {

constexpr int kWidth = 828;
constexpr int kHeight = 739;
constexpr int kRowHeight = 16;

const QString kNotCalculated = QStringLiteral("Exporting is not possible! Calculations are required before");

// Fifth box names in circle order, and the notes of the circle top to bottom.
const char *const kFifthNames[12] = {"C_G",   "G_D",   "D_A",   "A_E",   "E_B",  "B_Fd",
                                     "Fd_Cd", "Cd_Gd", "Gd_Eb", "Eb_Bb", "Bb_F", "F_C"};
const char *const kCircleNotes[13] = {"C", "G", "D", "A", "E", "B", "F#", "C#", "G#", "Eb", "Bb", "F", "C"};
const char *const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    auto *l = named(new QLabel(text, parent), name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, QRect geometry)
{
    auto *b = named(new QPushButton(text, parent), name);
    b->setGeometry(geometry);
    return b;
}

// An editable box whose typed text never becomes an item.
QComboBox *choiceBox(QWidget *parent, const QString &name, const QStringList &items, int current)
{
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setMaxVisibleItems(items.size());
    box->setCurrentIndex(current);
    return box;
}

QStringList roundsItems()
{
    return {QStringLiteral("   0"), QStringLiteral("   1"), QStringLiteral("   2"), QStringLiteral("   3"),
            QStringLiteral("   4"), QStringLiteral("   5"), QStringLiteral("   6"), QStringLiteral("   7"),
            QStringLiteral("   8"), QStringLiteral("   9"), QStringLiteral(" 10")};
}

} // namespace

TFormCicloQuinte::TFormCicloQuinte(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                                   QWidget *parent)
    : SetterWindow(mainWindow, separators, dialogs, parent)
{
    setObjectName(QStringLiteral("FormCicloQuinte"));
    setWindowTitle(QStringLiteral("Cordavo"));
    resize(kWidth, kHeight);

    PanelSetTemperamento = named(new QFrame(this), QStringLiteral("PanelSetTemperamento"));
    PanelSetTemperamento->setGeometry(0, 0, kWidth, kHeight);
    PanelSetTemperamento->setFrameShape(QFrame::Panel);
    PanelSetTemperamento->setFrameShadow(QFrame::Raised);

    Panel5 = named(new QFrame(PanelSetTemperamento), QStringLiteral("Panel5"));
    Panel5->setGeometry(4, 4, kWidth - 8, 36);
    Panel5->setFrameShape(QFrame::Panel);
    Panel5->setFrameShadow(QFrame::Raised);
    LabelIntSetTemp =
        named(new QLabel(QStringLiteral("Setting The Cycle of Fifths"), Panel5), QStringLiteral("LabelIntSetTemp"));
    LabelIntSetTemp->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-style: italic;"));
    QFont banner = LabelIntSetTemp->font();
    banner.setPixelSize(20);
    LabelIntSetTemp->setFont(banner);
    LabelIntSetTemp->setAlignment(Qt::AlignCenter);
    LabelIntSetTemp->setGeometry(0, 0, Panel5->width(), Panel5->height());

    const int half = kWidth / 2;
    Label5 = label(PanelSetTemperamento, QStringLiteral("Label5"), QStringLiteral("Old Temperament"), 120, 48);
    label(PanelSetTemperamento, QStringLiteral("Label53"), QString(22, QLatin1Char('_')), 110, 56);
    Label52 = label(PanelSetTemperamento, QStringLiteral("Label52"), QStringLiteral("New Temperament"), half + 180, 48);
    label(PanelSetTemperamento, QStringLiteral("Label54"), QString(22, QLatin1Char('_')), half + 170, 56);
    ButtonEsporta = button(PanelSetTemperamento, QStringLiteral("ButtonEsporta"), QStringLiteral("Export"),
                           QRect(half - 45, 46, 90, 28));

    Panel2 = named(new QFrame(PanelSetTemperamento), QStringLiteral("Panel2"));
    Panel2->setGeometry(half - 3, 84, 6, kHeight - 88);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);

    // Circle panels at the outer edges, the columns of controls inside.
    createSide(SetterSide::Input, 210, 8);
    createSide(SetterSide::Out, half + 12, kWidth - 8 - 196);

    connect(CheckBoxEquabileInput, &QCheckBox::toggled, this, &TFormCicloQuinte::CheckBoxEquabileInputClick);
    connect(CheckBoxEquabileOut, &QCheckBox::toggled, this, &TFormCicloQuinte::CheckBoxEquabileOutClick);
    connect(ButtonCalcolaCentsInput, &QPushButton::clicked, this, &TFormCicloQuinte::ButtonCalcolaCentsInputClick);
    connect(ButtonCalcolaCentsOut, &QPushButton::clicked, this, &TFormCicloQuinte::ButtonCalcolaCentsOutClick);
    connect(ButtonEsporta, &QPushButton::clicked, this, &TFormCicloQuinte::ButtonEsportaClick);
    connect(ButtonEsportaCentsInput, &QPushButton::clicked, this, &TFormCicloQuinte::ButtonEsportaCentsInputClick);
    connect(ButtonEsportaCentsOut, &QPushButton::clicked, this, &TFormCicloQuinte::ButtonEsportaCentsOutClick);

    FormCreate();
    centreOnDesktop();
}

void TFormCicloQuinte::createSide(SetterSide which, int column, int circleLeft)
{
    const bool input = which == SetterSide::Input;
    const QString part = input ? QStringLiteral("Input") : QStringLiteral("Out");
    Side &s = input ? m_input : m_out;
    QWidget *parent = PanelSetTemperamento;

    // The circle, top to bottom: a note, an arrow with its fifth box, the next note.
    auto *circle = named(new QFrame(parent), QStringLiteral("PanelSet") + part);
    circle->setGeometry(circleLeft, 88, 196, 640);
    circle->setFrameShape(QFrame::Panel);
    circle->setFrameShadow(QFrame::Sunken);
    const QStringList items = fifthItemTexts();
    for (int row = 0; row < 13; ++row) {
        const int y = 8 + row * 48;
        auto *note = new QLabel(QString::fromLatin1(kCircleNotes[row]), circle);
        QFont bold = note->font();
        bold.setBold(true);
        note->setFont(bold);
        note->setGeometry(14, y, 30, 20);
        if (row == 12)
            break;
        auto *arrow = new QLabel(QStringLiteral("------>"), circle);
        arrow->setGeometry(30, y + 24, 56, 20);
        s.fifths[row] = choiceBox(
            circle, QStringLiteral("ComboBox") + part + QLatin1Char('_') + QString::fromLatin1(kFifthNames[row]), items,
            kFirstFifthItem);
        s.fifths[row]->setGeometry(92, y + 20, 90, 26);
    }

    auto *equal = named(new QCheckBox(QStringLiteral("Equal"), parent), QStringLiteral("CheckBoxEquabile") + part);
    equal->setGeometry(column, 96, 120, 22);

    auto *comma = named(new QGroupBox(QStringLiteral(" Comma "), parent),
                        input ? QStringLiteral("GroupBox1") : QStringLiteral("GroupBoxOldComma"));
    comma->setGeometry(column, 126, 180, 76);
    auto *syntonic = named(new QRadioButton(QStringLiteral("Syntonic"), comma),
                           QStringLiteral("RadioButton") + part + QStringLiteral("Sintonico"));
    syntonic->setGeometry(12, 22, 150, 22);
    syntonic->setChecked(true);
    auto *pythagorean = named(new QRadioButton(QStringLiteral("Pythagorean"), comma),
                              QStringLiteral("RadioButton") + part + QStringLiteral("Pitagorico"));
    pythagorean->setGeometry(12, 46, 150, 22);

    label(parent, input ? QStringLiteral("Label57") : QStringLiteral("Label27"), QStringLiteral("Rounds"), column, 218);
    auto *rounds = choiceBox(parent, QStringLiteral("ComboBoxArrotonda") + part, roundsItems(), 2);
    rounds->setGeometry(column + 64, 212, 64, 26);

    auto *calculate = button(parent, QStringLiteral("ButtonCalcolaCents") + part, QStringLiteral("Calculate"),
                             QRect(column, 250, 128, 28));

    QLabel *heading = label(parent, input ? QStringLiteral("Label29") : QStringLiteral("Label28"),
                            QStringLiteral("Value in Cents"), column, 292);
    QFont underlined = heading->font();
    underlined.setUnderline(true);
    heading->setFont(underlined);
    heading->adjustSize();

    // The list with the note names to its right, one per row.
    auto *listPanel = named(new QFrame(parent), input ? QStringLiteral("Panel4") : QStringLiteral("Panel3"));
    listPanel->setGeometry(column, 314, 180, 12 * kRowHeight + 12);
    listPanel->setFrameShape(QFrame::Panel);
    listPanel->setFrameShadow(QFrame::Raised);
    auto *list = named(new CentsList(listPanel), QStringLiteral("ListBoxCents") + part);
    list->setFrameShape(QFrame::Box);
    list->setLineWidth(1);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setGeometry(6, 5, 130, 12 * kRowHeight + 2);
    for (int i = 0; i < 12; ++i) {
        auto *note = new QLabel(QString::fromLatin1(kNoteNames[i]), listPanel);
        QFont rowFont = note->font();
        rowFont.setPixelSize(13);
        note->setFont(rowFont);
        note->setGeometry(142, 6 + i * kRowHeight, 32, kRowHeight);
    }

    auto *exportCents = button(parent, QStringLiteral("ButtonEsportaCents") + part, QStringLiteral("Export Cents"),
                               QRect(column, 540, 128, 28));

    s.syntonic = syntonic;
    s.equal = equal;
    s.rounds = rounds;
    s.list = list;
    if (input) {
        PanelSetInput = circle;
        CheckBoxEquabileInput = equal;
        GroupBox1 = comma;
        RadioButtonInputSintonico = syntonic;
        RadioButtonInputPitagorico = pythagorean;
        ComboBoxArrotondaInput = rounds;
        ButtonCalcolaCentsInput = calculate;
        ListBoxCentsInput = list;
        ButtonEsportaCentsInput = exportCents;
    } else {
        PanelSetOut = circle;
        CheckBoxEquabileOut = equal;
        GroupBoxOldComma = comma;
        RadioButtonOutSintonico = syntonic;
        RadioButtonOutPitagorico = pythagorean;
        ComboBoxArrotondaOut = rounds;
        ButtonCalcolaCentsOut = calculate;
        ListBoxCentsOut = list;
        ButtonEsportaCentsOut = exportCents;
    }
}

void TFormCicloQuinte::FormCreate()
{
    setMinimumSize(kWidth, kHeight);
    setMaximumSize(kWidth, kHeight);
    PythagoreanCents = kPythagoreanCents;
}

void TFormCicloQuinte::setCentsWindow(TFormCents &formCents)
{
    FormCents = &formCents;
}

const std::array<QComboBox *, 12> &TFormCicloQuinte::fifthBoxes(SetterSide which) const
{
    return side(which).fifths;
}

const TFormCicloQuinte::Side &TFormCicloQuinte::side(SetterSide which) const
{
    return which == SetterSide::Input ? m_input : m_out;
}

Comma TFormCicloQuinte::sideComma(SetterSide which) const
{
    return side(which).syntonic->isChecked() ? Comma::Syntonic : Comma::Pythagorean;
}

void TFormCicloQuinte::FifthNarrowingInput()
{
    NarrowingResult = fifthNarrowing(FifthChoice, sideComma(SetterSide::Input));
    FifthChoice = 0;
}

void TFormCicloQuinte::FifthNarrowingOut()
{
    NarrowingResult = fifthNarrowing(FifthChoice, sideComma(SetterSide::Out));
    FifthChoice = 0;
}

void TFormCicloQuinte::ReadFifthsInput()
{
    FifthChoice = 0;
    for (int k = 0; k < 12; ++k) {
        FifthChoice = fifthItemOfText(m_input.fifths[k]->currentText());
        FifthNarrowingInput();
        Narrowing[k] = NarrowingResult;
    }
}

void TFormCicloQuinte::ReadFifthsOut()
{
    FifthChoice = 0;
    for (int k = 0; k < 12; ++k) {
        FifthChoice = fifthItemOfText(m_out.fifths[k]->currentText());
        FifthNarrowingOut();
        Narrowing[k] = NarrowingResult;
    }
}

void TFormCicloQuinte::CalculateCircle()
{
    CentsList *list = CalcSide ? ListBoxCentsInput : ListBoxCentsOut;
    list->addItems(positionTexts(circlePositions(Narrowing, -RoundDigit, PythagoreanCents), m_separators.decimal));
}

void TFormCicloQuinte::CheckBoxEquabileInputClick()
{
    equalSide(SetterSide::Input);
}

void TFormCicloQuinte::CheckBoxEquabileOutClick()
{
    equalSide(SetterSide::Out);
}

void TFormCicloQuinte::equalSide(SetterSide which)
{
    const Side &s = side(which);
    // Unchecking leaves the list and the flag as they are.
    if (!s.equal->isChecked())
        return;
    s.list->setLines(equalTemperamentTexts(m_separators.decimal));
    (which == SetterSide::Input ? InputCalculated : OutCalculated) = true;
}

void TFormCicloQuinte::ButtonCalcolaCentsInputClick()
{
    calculateSide(SetterSide::Input);
}

void TFormCicloQuinte::ButtonCalcolaCentsOutClick()
{
    calculateSide(SetterSide::Out);
}

void TFormCicloQuinte::calculateSide(SetterSide which)
{
    const Side &s = side(which);
    if (s.equal->isChecked())
        return;
    // The rounding is checked before the list is cleared, so a refused box
    // leaves the side as it was.
    const QString roundsText = s.rounds->currentText();
    const std::optional<int> decimals = readDecimalsChoice(roundsText);
    if (!decimals) {
        const QString head =
            which == SetterSide::Input ? QStringLiteral("Old Temperament") : QStringLiteral("New Temperament");
        m_dialogs.message(
            this,
            QStringLiteral("%1 Rounds: \"%2\" is not a whole number of decimals from 0 to 10").arg(head, roundsText));
        return;
    }

    CalcSide = which == SetterSide::Input;
    s.list->clear();
    if (CalcSide)
        ReadFifthsInput();
    else
        ReadFifthsOut();
    RoundDigit = -*decimals;
    CalculateCircle();
    CalcSide = false;
    (which == SetterSide::Input ? InputCalculated : OutCalculated) = true;
}

std::optional<NoteCents> TFormCicloQuinte::listPositions(SetterSide which)
{
    const QStringList lines = side(which).list->lines();
    NoteCents positions{};
    for (int i = 0; i < 12; ++i) {
        if (i >= lines.size()) {
            m_dialogs.error(this, QStringLiteral("List index out of bounds (%1)").arg(i));
            return std::nullopt;
        }
        const std::optional<long double> value = readRegional(lines[i], m_separators.decimal);
        if (!value) {
            m_dialogs.error(this, notANumberMessage(lines[i]));
            return std::nullopt;
        }
        positions[i] = *value;
    }
    return positions;
}

void TFormCicloQuinte::ButtonEsportaClick()
{
    if (!InputCalculated || !OutCalculated) {
        m_dialogs.message(this, kNotCalculated);
        return;
    }
    const std::optional<NoteCents> oldPositions = listPositions(SetterSide::Input);
    if (!oldPositions)
        return;
    const std::optional<NoteCents> newPositions = listPositions(SetterSide::Out);
    if (!newPositions)
        return;
    exportToMainWindow(*oldPositions, *newPositions);
}

void TFormCicloQuinte::ButtonEsportaCentsInputClick()
{
    exportCentsSide(SetterSide::Input);
}

void TFormCicloQuinte::ButtonEsportaCentsOutClick()
{
    exportCentsSide(SetterSide::Out);
}

void TFormCicloQuinte::exportCentsSide(SetterSide which)
{
    const bool calculated = which == SetterSide::Input ? InputCalculated : OutCalculated;
    if (!calculated) {
        m_dialogs.message(this, kNotCalculated);
        return;
    }
    const std::optional<NoteCents> positions = listPositions(which);
    if (!positions || !FormCents)
        return;
    // Positions above C go across as the list shows them.
    FormCents->setPositions(which, *positions);
    m_dialogs.message(this, QStringLiteral("Export correctly"));
    FormCents->showInFront();
}

} // namespace cordavo
