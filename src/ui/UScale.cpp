#include "ui/UScale.h"

#include "numbers/NumberFormat.h"
#include "ui/CentsList.h"
#include "ui/FileCommands.h"
#include "ui/Fonts.h"
#include "ui/NumEdit.h"

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

const char *const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const char *const kNoteFieldNames[12] = {"C", "Cd", "D", "Dd", "E", "F", "Fd", "G", "Gd", "A", "Ad", "B"};

const QString kRefusal = QStringLiteral("Exporting is not possible! Calculations are required before");

// Desktop colours of inactive and active title-bar gradients.
const QString kBackground = QStringLiteral("#d7e4f2");
const QString kGroup = QStringLiteral("#b9d1ea");

template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QFont sized(QFont font, int pixelSize, bool underline = false)
{
    font.setPixelSize(pixelSize);
    font.setUnderline(underline);
    return font;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

QFrame *group(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(geometry);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; }").arg(name, kGroup));
    return frame;
}

} // namespace

TFormScale::TFormScale(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                       QWidget *parent)
    : SetterWindow(mainWindow, separators, dialogs, parent)
{
    setObjectName(QStringLiteral("FormScale"));
    setWindowTitle(QStringLiteral("FormScale"));
    setFont(windowFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, 11));
    resize(kWidth, kHeight);

    auto *panel = named(new QWidget(this), QStringLiteral("PanelScale"));
    panel->setGeometry(0, 0, kWidth, kHeight);
    panel->setStyleSheet(QStringLiteral("QWidget#PanelScale { background-color: %1; }").arg(kBackground));
    panel->setAttribute(Qt::WA_StyledBackground);

    auto *banner = label(panel, QStringLiteral("Panel5"), QStringLiteral("www.cordavo.org"), QRect(0, 0, kWidth, 24));
    banner->setAlignment(Qt::AlignCenter);
    QFont bannerFont = sized(font(), 16);
    bannerFont.setBold(true);
    banner->setFont(bannerFont);
    banner->setStyleSheet(QStringLiteral("color: red"));

    auto *title = label(panel, QStringLiteral("LabelIntSetTemp"), QStringLiteral("Setting Intervals temperaments"),
                        QRect(0, 24, kWidth, 28));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = sized(font(), 19);
    titleFont.setItalic(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: red"));

    ButtonEsporta = named(new QPushButton(QStringLiteral("Export"), panel), QStringLiteral("ButtonEsporta"));
    ButtonEsporta->setGeometry(kWidth / 2 - 40, 58, 80, 26);
    connect(ButtonEsporta, &QPushButton::clicked, this, &TFormScale::ButtonEsportaClick);

    auto *divider = named(new QFrame(panel), QStringLiteral("Panel2"));
    divider->setGeometry(kWidth / 2 - 3, 92, 5, kHeight - 104);
    divider->setStyleSheet(QStringLiteral("QFrame#Panel2 { background-color: %1; }").arg(kGroup));

    createSide(SetterSide::Input, panel, 12);
    createSide(SetterSide::Out, panel, kWidth / 2 + 12);

    EditNomeInput = m_input.name;
    EditNomeOut = m_out.name;
    ButtonCaricaInput = m_input.load;
    ButtonCaricaOut = m_out.load;
    ButtonSalvaInput = m_input.save;
    ButtonSalvaOut = m_out.save;
    CheckBoxEquabileInput = m_input.equal;
    CheckBoxEquabileOut = m_out.equal;
    ComboBoxArrotondaInput = m_input.rounds;
    ComboBoxArrotondaOut = m_out.rounds;
    ButtonCalcolaCentsInput = m_input.calculate;
    ButtonCalcolaCentsOut = m_out.calculate;
    ListBoxCentsInput = m_input.cents;
    ListBoxCentsOut = m_out.cents;
    ButtonEsportaCentsInput = m_input.exportCents;
    ButtonEsportaCentsOut = m_out.exportCents;

    connect(ButtonCaricaInput, &QPushButton::clicked, this, &TFormScale::ButtonCaricaInputClick);
    connect(ButtonCaricaOut, &QPushButton::clicked, this, &TFormScale::ButtonCaricaOutClick);
    connect(ButtonSalvaInput, &QPushButton::clicked, this, &TFormScale::ButtonSalvaInputClick);
    connect(ButtonSalvaOut, &QPushButton::clicked, this, &TFormScale::ButtonSalvaOutClick);
    connect(CheckBoxEquabileInput, &QCheckBox::clicked, this, &TFormScale::CheckBoxEquabileInputClick);
    connect(CheckBoxEquabileOut, &QCheckBox::clicked, this, &TFormScale::CheckBoxEquabileOutClick);
    connect(ButtonCalcolaCentsInput, &QPushButton::clicked, this, &TFormScale::ButtonCalcolaCentsInputClick);
    connect(ButtonCalcolaCentsOut, &QPushButton::clicked, this, &TFormScale::ButtonCalcolaCentsOutClick);
    connect(ButtonEsportaCentsInput, &QPushButton::clicked, this, &TFormScale::ButtonEsportaCentsInputClick);
    connect(ButtonEsportaCentsOut, &QPushButton::clicked, this, &TFormScale::ButtonEsportaCentsOutClick);

    FormCreate();
    centreOnDesktop();
}

void TFormScale::createSide(SetterSide which, QWidget *panel, int left)
{
    const bool input = which == SetterSide::Input;
    Side &s = side(which);
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

    s.load = named(new QPushButton(QStringLiteral("Load"), panel), QStringLiteral("ButtonCarica") + suffix);
    s.load->setGeometry(left, 98, 70, 26);
    label(panel, input ? QStringLiteral("Label59") : QStringLiteral("Label60"), QStringLiteral("Name Temperament"),
          QRect(left + 80, 90, 250, 16));
    s.name = named(new QLineEdit(panel), QStringLiteral("EditNome") + suffix);
    s.name->setGeometry(left + 80, 106, 250, 22);
    s.save = named(new QPushButton(QStringLiteral("Save"), panel), QStringLiteral("ButtonSalva") + suffix);
    s.save->setGeometry(left + kSideWidth - 70, 98, 70, 26);

    // The fractions: twelve rows of first term "/" second term.
    QFrame *intervals = group(panel, input ? QStringLiteral("PanelIntervalliInput") : QStringLiteral("Panel1"),
                              QRect(left, 140, 232, 424));
    auto *intervalsHeading = label(intervals, input ? QStringLiteral("Label5") : QStringLiteral("Label20"),
                                   QStringLiteral("Intervals"), QRect(0, 4, 232, 20));
    intervalsHeading->setAlignment(Qt::AlignCenter);
    intervalsHeading->setFont(heading);
    const QString prefix = input ? QStringLiteral("NumEdit_") : QStringLiteral("NumEditOut_");
    const auto termField = [&](const QString &name, int x, int y) {
        auto *field = named(new TNumEdit(m_separators, intervals), name);
        field->setDisplayFormat(kTwoDecimalsPattern.toString());
        field->setMaxTypedLength(20);
        field->setValue(1);
        field->setGeometry(x, y, 82, 24);
        return field;
    };
    for (int i = 0; i < 12; ++i) {
        const int y = 32 + 32 * i;
        const QString note = QLatin1String(kNoteFieldNames[i]);
        label(intervals, QStringLiteral("LabelNota%1%2").arg(note, suffix), QLatin1String(kNoteNames[i]),
              QRect(6, y + 2, 34, 20))
            ->setFont(large);
        s.first[i] = termField(prefix + note + QLatin1Char('1'), 40, y);
        label(intervals, QStringLiteral("LabelFratto%1%2").arg(note, suffix), QStringLiteral("/"),
              QRect(126, y + 2, 14, 20))
            ->setFont(large);
        s.second[i] = termField(prefix + note + QLatin1Char('2'), 142, y);
    }

    const int column = left + 246;
    s.equal = named(new QCheckBox(QStringLiteral("Equal"), panel), QStringLiteral("CheckBoxEquabile") + suffix);
    s.equal->setGeometry(column, 140, 120, 24);
    s.equal->setFont(large);

    label(panel, input ? QStringLiteral("Label57") : QStringLiteral("Label56"), QStringLiteral("Rounds"),
          QRect(column, 174, 60, 20));
    s.rounds = named(new QComboBox(panel), QStringLiteral("ComboBoxArrotonda") + suffix);
    s.rounds->setEditable(true);
    // Typing a number of decimals must never add it to the list.
    s.rounds->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 0; n <= 9; ++n)
        s.rounds->addItem(QStringLiteral("   %1").arg(n));
    s.rounds->addItem(QStringLiteral(" 10"));
    s.rounds->setCurrentIndex(2);
    s.rounds->setGeometry(column + 64, 171, 64, 24);

    s.calculate = named(new QPushButton(QStringLiteral("Calculate"), panel), QStringLiteral("ButtonCalcolaCents") + suffix);
    s.calculate->setGeometry(column, 204, 128, 26);

    auto *centsHeading = label(panel, input ? QStringLiteral("Label55") : QStringLiteral("Label58"),
                               QStringLiteral("Values in Cents"), QRect(column, 238, 164, 20));
    centsHeading->setFont(heading);

    QFrame *centsPanel = group(panel, input ? QStringLiteral("Panel4") : QStringLiteral("Panel3"),
                               QRect(column, 260, 164, 204));
    s.cents = named(new CentsList(centsPanel), QStringLiteral("ListBoxCents") + suffix);
    s.cents->setGeometry(2, 2, 120, 200);
    s.cents->setFont(listFont);
    // One label beside each row of the list, 16 pixels apart.
    const int firstLabel = input ? 61 : 73;
    const int rowTop = 2 + s.cents->frameWidth();
    for (int i = 0; i < 12; ++i) {
        label(centsPanel, QStringLiteral("Label%1").arg(firstLabel + i), QLatin1String(kNoteNames[i]),
              QRect(128, rowTop + 16 * i, 32, 16))
            ->setFont(listFont);
    }

    s.exportCents = named(new QPushButton(QStringLiteral("Export Cents"), panel),
                          QStringLiteral("ButtonEsportaCents") + suffix);
    s.exportCents->setGeometry(column, 476, 128, 26);

    s.openDialog.filters = {QStringLiteral("Tfs (*.Tfs *.tfs *.TFS)")};
    s.openDialog.defaultSuffix = QStringLiteral("Tfs");
    s.saveDialog = s.openDialog;
    s.saveDialog.fileName = QStringLiteral("File1");
}

void TFormScale::FormCreate()
{
    setMinimumSize(656, 574);
    setMaximumSize(884, 656);
    ListBoxCentsInput->clear();
    const IntervalTerms fractions = equalTemperamentFractions();
    for (int i = 0; i < 12; ++i)
        m_input.first[i]->setValue(fractions.first[i]);
    for (int i = 0; i < 12; ++i)
        m_input.second[i]->setValue(fractions.second[i]);
    EditNomeInput->setText(QStringLiteral("Equal Temperament"));
    InputCalculated = false;
    OutCalculated = false;
}

void TFormScale::setCentsWindow(TFormCents &formCents)
{
    FormCents = &formCents;
}

const std::array<TNumEdit *, 12> &TFormScale::firstTerms(SetterSide which) const
{
    return side(which).first;
}

const std::array<TNumEdit *, 12> &TFormScale::secondTerms(SetterSide which) const
{
    return side(which).second;
}

QString TFormScale::sideCaption(SetterSide which) const
{
    return which == SetterSide::Input ? QStringLiteral("Original Temperament Intervals")
                                      : QStringLiteral("New Temperament Intervals");
}

void TFormScale::calculate(SetterSide which)
{
    Side &s = side(which);
    if (s.equal->isChecked())
        return;
    // Checked before anything changes, so a side is never left calculated
    // with an empty list.
    if (!readDecimalsChoice(s.rounds->currentText())) {
        const QString head = which == SetterSide::Input ? QStringLiteral("Original Temperament")
                                                        : QStringLiteral("New Temperament");
        m_dialogs.message(this, QStringLiteral("%1 Rounds: \"%2\" is not a whole number of decimals from 0 to 10")
                                    .arg(head, s.rounds->currentText()));
        return;
    }
    s.cents->clear();
    CleanIntervals(which);
    for (int i = 0; i < 12; ++i) {
        Ratio = s.first[i]->value() / s.second[i]->value();
        AddCents(which);
    }
    calculatedFlag(which) = true;
}

void TFormScale::CleanIntervals(SetterSide which)
{
    for (auto *column : {&side(which).first, &side(which).second}) {
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

void TFormScale::AddCents(SetterSide which)
{
    Side &s = side(which);
    // Calculate has already refused a box that names no number of decimals.
    const int decimals = readDecimalsChoice(s.rounds->currentText()).value_or(2);
    s.cents->addItem(roundedCentsText(Ratio, decimals, m_separators.decimal));
}

void TFormScale::equalPreset(SetterSide which)
{
    Side &s = side(which);
    if (!s.equal->isChecked())
        return;
    s.cents->setLines(equalTemperamentCentsLines());
    calculatedFlag(which) = true;
}

std::optional<NoteCents> TFormScale::listedCents(SetterSide which) const
{
    if (!calculated(which))
        return std::nullopt;
    const QStringList lines = side(which).cents->lines();
    if (lines.size() != 12)
        return std::nullopt;
    NoteCents values{};
    for (int i = 0; i < 12; ++i) {
        const auto value = readRegional(lines[i], m_separators.decimal);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return values;
}

void TFormScale::ButtonEsportaClick()
{
    // The rounded values the lists show are what is subtracted.
    const auto oldPositions = listedCents(SetterSide::Input);
    const auto newPositions = listedCents(SetterSide::Out);
    if (!oldPositions || !newPositions) {
        m_dialogs.message(this, kRefusal);
        return;
    }
    exportToMainWindow(*oldPositions, *newPositions);
}

void TFormScale::exportCentsSide(SetterSide which)
{
    const auto positions = listedCents(which);
    if (!positions) {
        m_dialogs.message(this, kRefusal);
        return;
    }
    FormCents->setPositions(which, *positions);
    FormCents->setSideName(which, side(which).name->text());
    m_dialogs.message(this, QStringLiteral("Export correctly"));
    FormCents->showInFront();
}

void TFormScale::saveSide(SetterSide which)
{
    const Side &s = side(which);
    IntervalRecord record;
    for (int i = 0; i < 12; ++i) {
        record.terms.first[i] = s.first[i]->value();
        record.terms.second[i] = s.second[i]->value();
    }
    record.name = s.name->text();
    ListBoxSalvaInput = intervalFileLines(record, m_separators.decimal);
    saveThroughDialog(m_dialogs, this, side(which).saveDialog, encodeLineFile(ListBoxSalvaInput));
}

void TFormScale::loadSide(SetterSide which)
{
    Side &s = side(which);
    ListBoxSalvaInput.clear();
    const auto loaded = loadThroughDialog(m_dialogs, this, s.openDialog, kIntervalLayout, m_separators.decimal);
    if (!loaded)
        return;
    // Only a file that checked out whole reaches the fields; the list and
    // the flag stay as they were.
    const IntervalRecord record = intervalRecord(loaded->values);
    for (int i = 0; i < 12; ++i)
        s.first[i]->setValue(record.terms.first[i]);
    for (int i = 0; i < 12; ++i)
        s.second[i]->setValue(record.terms.second[i]);
    s.name->setText(record.name);
    reportLoaded(m_dialogs, this, loaded->path);
}

} // namespace cordavo
