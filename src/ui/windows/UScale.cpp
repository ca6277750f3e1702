#include "ui/windows/UScale.h"

#include "numbers/NumberFormat.h"
#include "ui/desktop/FileCommands.h"
#include "ui/desktop/FileOpening.h"
#include "ui/desktop/Fonts.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/widgets/CentsList.h"
#include "ui/widgets/NumEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cordavo {

namespace {

constexpr int kWidth = 879;
constexpr int kHeight = 656;
constexpr int kSideWidth = 410;

// Desktop colours of inactive and active title-bar gradients.
const QString kBackground = QStringLiteral("#d7e4f2");
const QString kGroup = QStringLiteral("#b9d1ea");

QFrame *group(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(geometry);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; }").arg(name, kGroup));
    return frame;
}

} // namespace

TFormScale::TFormScale(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
                       UserDialogs &dialogs, QWidget *parent)
    : SetterWindow(mainWindow, windows, separators, dialogs, QStringLiteral("FormScale"), QStringLiteral("FormScale"),
                   parent)
{
    setFont(windowFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, 11));
    auto *panel = createPanel<QWidget>(QStringLiteral("PanelScale"), kWidth, kHeight);
    panel->setStyleSheet(QStringLiteral("QWidget#PanelScale { background-color: %1; }").arg(kBackground));
    panel->setAttribute(Qt::WA_StyledBackground);
    // Dark text on the light colours, whatever the desktop's theme.
    QPalette text = panel->palette();
    text.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(text);

    createTitles(panel, QStringLiteral("www.cordavo.org"), QRect(0, 0, kWidth, 24),
                 tr("Setting Intervals temperaments"), QRect(0, 24, kWidth, 28), 19);
    createExportButton(panel, QRect(kWidth / 2 - 40, 58, 80, 26));

    auto *divider = named(new QFrame(panel), QStringLiteral("Panel2"));
    divider->setGeometry(kWidth / 2 - 3, 92, 5, kHeight - 104);
    divider->setStyleSheet(QStringLiteral("QFrame#Panel2 { background-color: %1; }").arg(kGroup));

    createSide(SetterSide::Input, panel, 12);
    createSide(SetterSide::Out, panel, kWidth / 2 + 12);

    FormCreate();
    placeOnDesktop();
    loadFilesDropped();
    orderKeyboard();
}

void TFormScale::createSide(SetterSide which, QWidget *panel, int left)
{
    const bool input = which == SetterSide::Input;
    Side &s = side(which);
    Fractions &terms = m_terms[which];
    s.title = input ? tr("Original Temperament") : tr("New Temperament");
    const QString suffix = input ? QStringLiteral("Input") : QStringLiteral("Out");
    const QFont large = sized(font(), 16);
    const QFont heading = sized(font(), 16, true);
    const QFont listFont = sized(font(), 13);

    // The headings keep clear of "Export" between them.
    const int headingLeft = input ? left : left + 48;
    label(panel, input ? QStringLiteral("Label1") : QStringLiteral("Label2"), sideCaption(which),
          QRect(headingLeft, 56, 320, 20))
        ->setFont(large);
    label(panel, input ? QStringLiteral("Label53") : QStringLiteral("Label17"), QString(52, QLatin1Char('_')),
          QRect(headingLeft, 72, 320, 14));

    // The two sides' mnemonics differ: "&Load" on the left, "Lo&ad" on the right.
    s.keyboardOrder << sideButton(panel, QStringLiteral("ButtonCarica") + suffix, input ? tr("&Load") : tr("Lo&ad"),
                                  QRect(left, 98, 70, 26), which, &TFormScale::ButtonCaricaInputClick,
                                  &TFormScale::ButtonCaricaOutClick);
    QLabel *nameLabel = label(panel, input ? QStringLiteral("Label59") : QStringLiteral("Label60"),
                              input ? tr("&Name Temperament") : tr("Na&me Temperament"), QRect(left + 80, 90, 250, 16));
    s.name = named(new QLineEdit(panel), QStringLiteral("EditNome") + suffix);
    s.name->setGeometry(left + 80, 106, 250, 22);
    nameByLabel(nameLabel, s.name, spokenSide(which) + tr(" name"));
    s.keyboardOrder << s.name;
    s.keyboardOrder << sideButton(panel, QStringLiteral("ButtonSalva") + suffix, input ? tr("&Save") : tr("Sa&ve"),
                                  QRect(left + kSideWidth - 70, 98, 70, 26), which, &TFormScale::ButtonSalvaInputClick,
                                  &TFormScale::ButtonSalvaOutClick);

    // The fractions: twelve rows of first term "/" second term.
    QFrame *intervals = group(panel, input ? QStringLiteral("PanelIntervalliInput") : QStringLiteral("Panel1"),
                              QRect(left, 140, 232, 424));
    auto *intervalsHeading = label(intervals, input ? QStringLiteral("Label5") : QStringLiteral("Label20"),
                                   tr("Intervals"), QRect(0, 4, 232, 20));
    intervalsHeading->setAlignment(Qt::AlignCenter);
    intervalsHeading->setFont(heading);
    const auto termField = [&](int note, int term, int x, int y) {
        auto *field = named(new TNumEdit(m_separators, intervals), noteFieldName(which, note, term));
        field->setDisplayFormat(kTwoDecimalsPattern.toString());
        field->setMaxTypedLength(20);
        field->setValue(1);
        field->setGeometry(x, y, 82, 24);
        field->setAccessibleName(
            tr("%1 fraction %2 %3")
                .arg(spokenSide(which), noteDisplayName(note), term == 1 ? tr("numerator") : tr("denominator")));
        s.keyboardOrder << field;
        return field;
    };
    for (int i = 0; i < 12; ++i) {
        const int y = 32 + 32 * i;
        const QString note = noteDisplayName(i);
        const QString part = noteNamePart(i);
        label(intervals, QStringLiteral("LabelNota%1%2").arg(part, suffix), note, QRect(6, y + 2, 34, 20))
            ->setFont(large);
        terms.first[i] = termField(i, 1, 40, y);
        label(intervals, QStringLiteral("LabelFratto%1%2").arg(part, suffix), QStringLiteral("/"),
              QRect(126, y + 2, 14, 20))
            ->setFont(large);
        terms.second[i] = termField(i, 2, 142, y);
    }

    const int column = left + 246;
    s.equal =
        named(new QCheckBox(input ? tr("E&qual") : tr("Eq&ual"), panel), QStringLiteral("CheckBoxEquabile") + suffix);
    s.equal->setGeometry(column, 140, 120, 24);
    s.equal->setFont(large);
    connect(s.equal, &QCheckBox::clicked, this,
            input ? &TFormScale::CheckBoxEquabileInputClick : &TFormScale::CheckBoxEquabileOutClick);
    s.keyboardOrder << s.equal;

    QLabel *roundsLabel = label(panel, input ? QStringLiteral("Label57") : QStringLiteral("Label56"),
                                input ? tr("&Rounds") : tr("Roun&ds"), QRect(column, 174, 60, 20));
    s.rounds = named(new QComboBox(panel), QStringLiteral("ComboBoxArrotonda") + suffix);
    s.rounds->setEditable(true);
    // Typing a number of decimals must never add it to the list.
    s.rounds->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 0; n <= 9; ++n)
        s.rounds->addItem(QStringLiteral("   %1").arg(n));
    s.rounds->addItem(QStringLiteral(" 10"));
    s.rounds->setCurrentIndex(2);
    s.rounds->setGeometry(column + 64, 171, 64, 24);
    nameByLabel(roundsLabel, s.rounds, spokenSide(which) + tr(" rounds"));
    s.keyboardOrder << s.rounds;

    s.keyboardOrder << sideButton(panel, QStringLiteral("ButtonCalcolaCents") + suffix,
                                  input ? tr("&Calculate") : tr("Calcula&te"), QRect(column, 204, 128, 26), which,
                                  &TFormScale::ButtonCalcolaCentsInputClick, &TFormScale::ButtonCalcolaCentsOutClick);

    auto *centsHeading = label(panel, input ? QStringLiteral("Label55") : QStringLiteral("Label58"),
                               tr("Values in Cents"), QRect(column, 238, 164, 20));
    centsHeading->setFont(heading);

    QFrame *centsPanel =
        group(panel, input ? QStringLiteral("Panel4") : QStringLiteral("Panel3"), QRect(column, 260, 164, 204));
    s.list = named(new CentsList(centsPanel), QStringLiteral("ListBoxCents") + suffix);
    s.list->setGeometry(2, 2, 120, 200);
    s.list->setFont(listFont);
    nameByLabel(centsHeading, s.list, spokenSide(which) + tr(" values in cents"));
    s.keyboardOrder << s.list;
    // One label beside each row of the list, 16 pixels apart.
    const int firstLabel = input ? 61 : 73;
    const int rowTop = 2 + s.list->frameWidth();
    for (int i = 0; i < 12; ++i) {
        label(centsPanel, QStringLiteral("Label%1").arg(firstLabel + i), noteDisplayName(i),
              QRect(128, rowTop + 16 * i, 32, 16))
            ->setFont(listFont);
    }

    s.keyboardOrder << sideButton(panel, QStringLiteral("ButtonEsportaCents") + suffix,
                                  input ? tr("E&xport Cents") : tr("Ex&port Cents"), QRect(column, 476, 128, 26), which,
                                  &TFormScale::ButtonEsportaCentsInputClick, &TFormScale::ButtonEsportaCentsOutClick);

    s.openDialog.kind = QStringLiteral("intervals");
    s.openDialog.filters = {QStringLiteral("Tfs (*.Tfs *.tfs *.TFS)")};
    s.openDialog.defaultSuffix = QStringLiteral("Tfs");
    s.saveDialog = s.openDialog;
    s.saveDialog.fileName = QStringLiteral("File1");
}

void TFormScale::FormCreate()
{
    setMinimumSize(656, 574);
    setMaximumSize(884, 656);
    side(SetterSide::Input).list->clear();
    const IntervalTerms fractions = equalTemperamentFractions();
    for (int i = 0; i < 12; ++i)
        m_terms.input.first[i]->setValue(fractions.first[i]);
    for (int i = 0; i < 12; ++i)
        m_terms.input.second[i]->setValue(fractions.second[i]);
    // A name in the window's language, written into the file as it is.
    side(SetterSide::Input).name->setText(tr("Equal Temperament"));
    side(SetterSide::Input).calculated = false;
    side(SetterSide::Out).calculated = false;
}

QString TFormScale::sideCaption(SetterSide which) const
{
    return which == SetterSide::Input ? tr("Original Temperament Intervals") : tr("New Temperament Intervals");
}

void TFormScale::calculate(SetterSide which)
{
    calculateSide(which, [this, which](int decimals) {
        CleanIntervals(which);
        const Fractions &terms = m_terms[which];
        for (int i = 0; i < 12; ++i) {
            Ratio = terms.first[i]->value() / terms.second[i]->value();
            AddCents(which, decimals);
        }
    });
}

void TFormScale::CleanIntervals(SetterSide which)
{
    for (auto *column : {&m_terms[which].first, &m_terms[which].second}) {
        for (int i = 0; i < 12; ++i)
            Terms[i] = (*column)[i]->value();
        CleanTerms();
        for (int i = 0; i < 12; ++i)
            (*column)[i]->setValue(Terms[i]);
    }
}

void TFormScale::CleanTerms()
{
    cleanTerms(Terms);
}

void TFormScale::AddCents(SetterSide which, int decimals)
{
    side(which).list->addItem(roundedCentsText(Ratio, decimals, m_separators.decimal));
}

void TFormScale::showEqual(SetterSide which)
{
    presetList(which, equalTemperamentCentsLines());
}

void TFormScale::saveSide(SetterSide which)
{
    Side &s = side(which);
    const Fractions &terms = m_terms[which];
    IntervalRecord record;
    for (int i = 0; i < 12; ++i) {
        record.terms.first[i] = terms.first[i]->value();
        record.terms.second[i] = terms.second[i]->value();
    }
    record.name = s.name->text();
    ListBoxSalvaInput = intervalFileLines(record, m_separators.decimal);
    saveThroughDialog(m_dialogs, this, s.saveDialog, encodeLineFile(ListBoxSalvaInput));
}

void TFormScale::loadSide(SetterSide which)
{
    ListBoxSalvaInput.clear();
    if (const auto path = m_dialogs.openFileName(this, side(which).openDialog))
        loadSideFile(which, *path);
}

bool TFormScale::loadSideFile(SetterSide which, const QString &path)
{
    const Fractions &terms = m_terms[which];
    ListBoxSalvaInput.clear();
    const auto values = readCheckedFile(m_dialogs, this, path, kIntervalLayout, m_separators.decimal);
    if (!values)
        return false;
    // Only a file that checked out whole reaches the fields; the list and
    // the flag stay as they were.
    const IntervalRecord record = intervalRecord(*values);
    for (int i = 0; i < 12; ++i)
        terms.first[i]->setValue(record.terms.first[i]);
    for (int i = 0; i < 12; ++i)
        terms.second[i]->setValue(record.terms.second[i]);
    side(which).name->setText(record.name);
    reportLoaded(m_dialogs, this, path);
    return true;
}

} // namespace cordavo
