#include "ui/windows/USetTemperament.h"

#include "numbers/NumberFormat.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/widgets/CentsList.h"

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

// Fifth box names in circle order.
const char *const kFifthNames[12] = {"C_G",   "G_D",   "D_A",   "A_E",   "E_B",  "B_Fd",
                                     "Fd_Cd", "Cd_Gd", "Gd_Eb", "Eb_Bb", "Bb_F", "F_C"};

// A label sized to its text.
QLabel *fittedLabel(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// An editable box whose typed text never becomes an item.
QComboBox *choiceBox(QWidget *parent, const QString &name, const QStringList &items, int current)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
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

TFormCicloQuinte::TFormCicloQuinte(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
                                   UserDialogs &dialogs, QWidget *parent)
    : SetterWindow(mainWindow, windows, separators, dialogs, QStringLiteral("FormCicloQuinte"),
                   QStringLiteral("Cordavo"), parent)
{
    PanelSetTemperamento = createPanel<QFrame>(QStringLiteral("PanelSetTemperamento"), kWidth, kHeight);
    PanelSetTemperamento->setFrameShape(QFrame::Panel);
    PanelSetTemperamento->setFrameShadow(QFrame::Raised);

    auto *titlePanel = named(new QFrame(PanelSetTemperamento), QStringLiteral("Panel5"));
    titlePanel->setGeometry(4, 4, kWidth - 8, 36);
    titlePanel->setFrameShape(QFrame::Panel);
    titlePanel->setFrameShadow(QFrame::Raised);
    auto *title = named(new QLabel(tr("Setting The Cycle of Fifths"), titlePanel), QStringLiteral("LabelIntSetTemp"));
    title->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-style: italic;"));
    QFont banner = title->font();
    banner.setPixelSize(20);
    title->setFont(banner);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 0, titlePanel->width(), titlePanel->height());

    const int half = kWidth / 2;
    fittedLabel(PanelSetTemperamento, QStringLiteral("Label5"), tr("Old Temperament"), 120, 48);
    fittedLabel(PanelSetTemperamento, QStringLiteral("Label53"), QString(22, QLatin1Char('_')), 110, 56);
    fittedLabel(PanelSetTemperamento, QStringLiteral("Label52"), tr("New Temperament"), half + 180, 48);
    fittedLabel(PanelSetTemperamento, QStringLiteral("Label54"), QString(22, QLatin1Char('_')), half + 170, 56);
    createExportButton(PanelSetTemperamento, QRect(half - 45, 46, 90, 28));

    auto *divider = named(new QFrame(PanelSetTemperamento), QStringLiteral("Panel2"));
    divider->setGeometry(half - 3, 84, 6, kHeight - 88);
    divider->setFrameShape(QFrame::Panel);
    divider->setFrameShadow(QFrame::Sunken);

    // Circle panels at the outer edges, the columns of controls inside.
    createSide(SetterSide::Input, 210, 8);
    createSide(SetterSide::Out, half + 12, kWidth - 8 - 196);

    growToFitFont();
    FormCreate();
    placeOnDesktop();
    orderKeyboard();
}

void TFormCicloQuinte::createSide(SetterSide which, int column, int circleLeft)
{
    const bool input = which == SetterSide::Input;
    const QString part = input ? QStringLiteral("Input") : QStringLiteral("Out");
    Side &s = side(which);
    Circle &c = m_circles[which];
    s.title = input ? tr("Old Temperament") : tr("New Temperament");
    QWidget *parent = PanelSetTemperamento;

    // The circle, top to bottom: a note, an arrow with its fifth box, the next note.
    auto *circle = named(new QFrame(parent), QStringLiteral("PanelSet") + part);
    circle->setGeometry(circleLeft, 88, 196, 640);
    circle->setFrameShape(QFrame::Panel);
    circle->setFrameShadow(QFrame::Sunken);
    const QStringList items = fifthItemTexts();
    QList<QWidget *> circleOrder;
    for (int row = 0; row < 13; ++row) {
        const int y = 8 + row * 48;
        auto *note = named(new QLabel(noteDisplayName(kCircleNotes[row]), circle),
                           QStringLiteral("LabelCircle%1%2").arg(part).arg(row));
        QFont bold = note->font();
        bold.setBold(true);
        note->setFont(bold);
        note->setGeometry(14, y, 40, 20); // room for "Sol#"
        if (row == 12)
            break;
        auto *arrow =
            named(new QLabel(QStringLiteral("------>"), circle), QStringLiteral("LabelArrow%1%2").arg(part).arg(row));
        arrow->setGeometry(30, y + 24, 56, 20);
        c.fifths[row] = choiceBox(
            circle, QStringLiteral("ComboBox") + part + QLatin1Char('_') + QString::fromLatin1(kFifthNames[row]), items,
            kFirstFifthItem);
        c.fifths[row]->setGeometry(92, y + 20, 90, 26);
        c.fifths[row]->setAccessibleName(
            tr("%1 fifth %2-%3")
                .arg(spokenSide(which), noteDisplayName(kCircleNotes[row]), noteDisplayName(kCircleNotes[row + 1])));
        circleOrder << c.fifths[row];
    }

    // The two sides' mnemonics differ: "E&qual" on the left, "Eq&ual" on the right.
    s.equal =
        named(new QCheckBox(input ? tr("E&qual") : tr("Eq&ual"), parent), QStringLiteral("CheckBoxEquabile") + part);
    s.equal->setGeometry(column, 96, 120, 22);
    connect(s.equal, &QCheckBox::toggled, this,
            input ? &TFormCicloQuinte::CheckBoxEquabileInputClick : &TFormCicloQuinte::CheckBoxEquabileOutClick);

    auto *comma = named(new QGroupBox(tr(" Comma "), parent),
                        input ? QStringLiteral("GroupBox1") : QStringLiteral("GroupBoxOldComma"));
    comma->setGeometry(column, 126, 180, 76);
    c.syntonic = named(new QRadioButton(input ? tr("&Syntonic") : tr("S&yntonic"), comma),
                       QStringLiteral("RadioButton") + part + QStringLiteral("Sintonico"));
    c.syntonic->setGeometry(12, 22, 150, 22);
    c.syntonic->setChecked(true);
    auto *pythagorean = named(new QRadioButton(input ? tr("&Pythagorean") : tr("Pyt&hagorean"), comma),
                              QStringLiteral("RadioButton") + part + QStringLiteral("Pitagorico"));
    pythagorean->setGeometry(12, 46, 150, 22);

    QLabel *roundsLabel = fittedLabel(parent, input ? QStringLiteral("Label57") : QStringLiteral("Label27"),
                                      input ? tr("&Rounds") : tr("Roun&ds"), column, 218);
    s.rounds = choiceBox(parent, QStringLiteral("ComboBoxArrotonda") + part, roundsItems(), 2);
    s.rounds->setGeometry(column + 64, 212, 64, 26);
    nameByLabel(roundsLabel, s.rounds, spokenSide(which) + tr(" rounds"));

    QPushButton *calculate =
        sideButton(parent, QStringLiteral("ButtonCalcolaCents") + part, input ? tr("&Calculate") : tr("Calcula&te"),
                   QRect(column, 250, 128, 28), which, &TFormCicloQuinte::ButtonCalcolaCentsInputClick,
                   &TFormCicloQuinte::ButtonCalcolaCentsOutClick);

    QLabel *heading = fittedLabel(parent, input ? QStringLiteral("Label29") : QStringLiteral("Label28"),
                                  tr("Value in Cents"), column, 292);
    QFont underlined = heading->font();
    underlined.setUnderline(true);
    heading->setFont(underlined);
    heading->adjustSize();

    // The list with the note names to its right, one per row.
    auto *listPanel = named(new QFrame(parent), input ? QStringLiteral("Panel4") : QStringLiteral("Panel3"));
    listPanel->setGeometry(column, 314, 180, 12 * kRowHeight + 12);
    listPanel->setFrameShape(QFrame::Panel);
    listPanel->setFrameShadow(QFrame::Raised);
    s.list = named(new CentsList(listPanel), QStringLiteral("ListBoxCents") + part);
    s.list->setFrameShape(QFrame::Box);
    s.list->setLineWidth(1);
    s.list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    s.list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    s.list->setGeometry(6, 5, 130, 12 * kRowHeight + 2);
    nameByLabel(heading, s.list, spokenSide(which) + tr(" values in cents"));
    for (int i = 0; i < 12; ++i) {
        auto *note = named(new QLabel(noteDisplayName(i), listPanel),
                           QStringLiteral("LabelNota%1%2").arg(noteNamePart(i), part));
        QFont rowFont = note->font();
        rowFont.setPixelSize(13);
        note->setFont(rowFont);
        note->setGeometry(142, 6 + i * kRowHeight, 32, kRowHeight);
    }

    QPushButton *exportCents =
        sideButton(parent, QStringLiteral("ButtonEsportaCents") + part,
                   input ? tr("E&xport Cents") : tr("Export Ce&nts"), QRect(column, 540, 128, 28), which,
                   &TFormCicloQuinte::ButtonEsportaCentsInputClick, &TFormCicloQuinte::ButtonEsportaCentsOutClick);

    // Left to right: the circle is at the window's outer edge, so it comes
    // before the column on the left and after it on the right.
    const QList<QWidget *> columnOrder = {s.equal, c.syntonic, pythagorean, s.rounds, calculate, s.list, exportCents};
    s.keyboardOrder = input ? circleOrder + columnOrder : columnOrder + circleOrder;
}

void TFormCicloQuinte::FormCreate()
{
    setMinimumSize(grown(kWidth), grown(kHeight));
    setMaximumSize(grown(kWidth), grown(kHeight));
    PythagoreanCents = kPythagoreanCents;
}

Comma TFormCicloQuinte::sideComma(SetterSide which) const
{
    return m_circles[which].syntonic->isChecked() ? Comma::Syntonic : Comma::Pythagorean;
}

void TFormCicloQuinte::FifthNarrowing(SetterSide which)
{
    NarrowingResult = fifthNarrowing(FifthChoice, sideComma(which));
    FifthChoice = 0;
}

void TFormCicloQuinte::ReadFifths(SetterSide which)
{
    FifthChoice = 0;
    for (int k = 0; k < 12; ++k) {
        FifthChoice = fifthItemOfText(m_circles[which].fifths[k]->currentText());
        FifthNarrowing(which);
        Narrowing[k] = NarrowingResult;
    }
}

void TFormCicloQuinte::CalculateCircle()
{
    CentsList *list = side(CalcSide ? SetterSide::Input : SetterSide::Out).list;
    list->addItems(positionTexts(circlePositions(Narrowing, -RoundDigit, PythagoreanCents), m_separators.decimal));
}

void TFormCicloQuinte::showEqual(SetterSide which)
{
    presetList(which, equalTemperamentTexts(m_separators.decimal));
}

bool TFormCicloQuinte::fifthsNamed(SetterSide which)
{
    // A box whose text names no fraction is refused rather than taken as a
    // pure fifth, which the user would not see in the list.
    QStringList refusals;
    for (int k = 0; k < 12; ++k) {
        const QString text = m_circles[which].fifths[k]->currentText();
        if (!fifthItemNamed(text)) {
            const QString fifth = tr("%1 fifth %2 (%3-%4)")
                                      .arg(side(which).title)
                                      .arg(k + 1)
                                      .arg(noteDisplayName(kCircleNotes[k]), noteDisplayName(kCircleNotes[k + 1]));
            refusals << fifthItemRefusal(fifth, text);
        }
    }
    if (!refusals.isEmpty())
        m_dialogs.message(this, refusals.join(QLatin1Char('\n')));
    return refusals.isEmpty();
}

void TFormCicloQuinte::calculate(SetterSide which)
{
    if (!side(which).equal->isChecked() && !fifthsNamed(which))
        return;
    calculateSide(which, [this, which](int decimals) {
        CalcSide = which == SetterSide::Input;
        ReadFifths(which);
        RoundDigit = -decimals;
        CalculateCircle();
        CalcSide = false;
    });
}

} // namespace cordavo
