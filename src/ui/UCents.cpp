#include "ui/UCents.h"

#include "numbers/NumberFormat.h"
#include "tuning/ScalaFile.h"
#include "tuning/TemperamentLibrary.h"
#include "ui/FileCommands.h"
#include "ui/LibraryDialog.h"
#include "ui/NumEdit.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cordavo {

namespace {

constexpr int kWidth = 714;
constexpr int kHeight = 663;
// Twelve positions, then the side's name.
constexpr QStringView kCentsLayout = u"NNNNNNNNNNNNT";

const char *const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const char *const kInputFields[12] = {"NumEdit_C1",  "NumEdit_Cd1", "NumEdit_D1",  "NumEdit_Dd1",
                                      "NumEdit_E1",  "NumEdit_F1",  "NumEdit_Fd1", "NumEdit_G1",
                                      "NumEdit_Gd1", "NumEdit_A1",  "NumEdit_Ad1", "NumEdit_B1"};
const char *const kOutFields[12] = {"NumEditOut_C1",  "NumEditOut_Cd1", "NumEditOut_D1",  "NumEditOut_Dd1",
                                    "NumEditOut_E1",  "NumEditOut_F1",  "NumEditOut_Fd1", "NumEditOut_G1",
                                    "NumEditOut_Gd1", "NumEditOut_A1",  "NumEditOut_Ad1", "NumEditOut_B1"};

template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

QString labelName(int number)
{
    return QStringLiteral("Label%1").arg(number);
}

// The file types of both sides' dialogs.
constexpr int kCentsType = 0;
constexpr int kScalaType = 1;

// The name in a save dialog's name box follows the type chosen.
QString nameForType(const QString &name, int type)
{
    if (name.isEmpty())
        return name;
    QString stem = name;
    if (stem.endsWith(QLatin1String(".cts"), Qt::CaseInsensitive) || isScalaFileName(stem))
        stem.chop(4);
    return stem + (type == kScalaType ? QStringLiteral(".scl") : QStringLiteral(".Cts"));
}

} // namespace

TFormCents::TFormCents(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                       QWidget *parent)
    : SetterWindow(mainWindow, separators, dialogs, parent)
{
    setObjectName(QStringLiteral("FormCents"));
    setWindowTitle(QStringLiteral("Cordavo"));
    resize(kWidth, kHeight);

    auto *panel = named(new QWidget(this), QStringLiteral("PanelCents"));
    panel->setGeometry(0, 0, kWidth, kHeight);

    auto *banner = label(panel, QStringLiteral("Panel5"), QStringLiteral("Cordavo"), QRect(0, 0, kWidth, 28));
    banner->setAlignment(Qt::AlignCenter);
    QFont bannerFont = font();
    bannerFont.setBold(true);
    bannerFont.setPixelSize(16);
    banner->setFont(bannerFont);
    banner->setStyleSheet(QStringLiteral("color: red"));

    auto *title = label(panel, QStringLiteral("LabelIntSetTemp"), QStringLiteral("Setting Cents Temperaments"),
                        QRect(0, 30, kWidth, 34));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = font();
    titleFont.setItalic(true);
    titleFont.setPixelSize(22);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: red"));

    ButtonEsporta = named(new QPushButton(QStringLiteral("Export"), panel), QStringLiteral("ButtonEsporta"));
    ButtonEsporta->setGeometry(kWidth / 2 - 50, 72, 100, 30);
    connect(ButtonEsporta, &QPushButton::clicked, this, &TFormCents::ButtonEsportaClick);

    auto *divider = named(new QFrame(panel), QStringLiteral("Panel2"));
    divider->setFrameShape(QFrame::VLine);
    divider->setGeometry(kWidth / 2 - 2, 110, 4, kHeight - 130);

    createSide(SetterSide::Input, 24);
    createSide(SetterSide::Out, kWidth / 2 + 24);
    EditNomeInput = m_input.name;
    EditNomeOut = m_out.name;
    CheckBoxEquabileInput = m_input.equal;
    CheckBoxEquabileOut = m_out.equal;
    ButtonCaricaInput = findChild<QPushButton *>(QStringLiteral("ButtonCaricaInput"));
    ButtonCaricaOut = findChild<QPushButton *>(QStringLiteral("ButtonCaricaOut"));
    ButtonSalvaInput = findChild<QPushButton *>(QStringLiteral("ButtonSalvaInput"));
    ButtonSalvaOut = findChild<QPushButton *>(QStringLiteral("ButtonSalvaOut"));
    connect(ButtonCaricaInput, &QPushButton::clicked, this, &TFormCents::ButtonCaricaInputClick);
    connect(ButtonCaricaOut, &QPushButton::clicked, this, &TFormCents::ButtonCaricaOutClick);
    connect(ButtonSalvaInput, &QPushButton::clicked, this, &TFormCents::ButtonSalvaInputClick);
    connect(ButtonSalvaOut, &QPushButton::clicked, this, &TFormCents::ButtonSalvaOutClick);
    connect(CheckBoxEquabileInput, &QCheckBox::clicked, this, &TFormCents::CheckBoxEquabileInputClick);
    connect(CheckBoxEquabileOut, &QCheckBox::clicked, this, &TFormCents::CheckBoxEquabileOutClick);
    ButtonLibreriaInput = findChild<QPushButton *>(QStringLiteral("ButtonLibreriaInput"));
    ButtonLibreriaOut = findChild<QPushButton *>(QStringLiteral("ButtonLibreriaOut"));
    connect(ButtonLibreriaInput, &QPushButton::clicked, this, &TFormCents::ButtonLibreriaInputClick);
    connect(ButtonLibreriaOut, &QPushButton::clicked, this, &TFormCents::ButtonLibreriaOutClick);

    FormCreate();
    centreOnDesktop();
}

void TFormCents::FormCreate()
{
    setMinimumSize(kWidth, kHeight);
    setMaximumSize(kWidth, kHeight);
}

void TFormCents::createSide(SetterSide which, int left)
{
    const bool input = which == SetterSide::Input;
    Side &s = side(which);
    QWidget *panel = findChild<QWidget *>(QStringLiteral("PanelCents"));
    const QString suffix = input ? QStringLiteral("Input") : QStringLiteral("Out");
    const int width = kWidth / 2 - 48;

    QFont headingFont = font();
    headingFont.setBold(true);
    headingFont.setPixelSize(15);
    label(panel, input ? QStringLiteral("Label2") : QStringLiteral("Label1"),
          input ? QStringLiteral("Original Cents Temperament") : QStringLiteral("New CentsTemperament"),
          QRect(left, 108, width, 22))
        ->setFont(headingFont);
    label(panel, input ? QStringLiteral("Label53") : QStringLiteral("Label3"), QString(40, QLatin1Char('_')),
          QRect(left, 122, width, 16));

    s.name = named(new QLineEdit(panel), QStringLiteral("EditNome") + suffix);
    s.name->setGeometry(left, 144, width, 24);

    auto *table = named(new QFrame(panel), input ? QStringLiteral("PanelIntervalliInput") : QStringLiteral("Panel1"));
    table->setFrameShape(QFrame::StyledPanel);
    table->setGeometry(left, 176, width, 408);
    label(table, input ? QStringLiteral("Label5") : QStringLiteral("Label20"), QStringLiteral("Cents"),
          QRect(0, 4, width, 20))
        ->setAlignment(Qt::AlignCenter);
    // Note labels: Label4, Label6 ... Label16 on the left; Label19, Label21 ... Label31 on the right.
    const int firstLabel = input ? 4 : 19;
    for (int i = 0; i < 12; ++i) {
        const int y = 30 + i * 31;
        const int number = i == 0 ? firstLabel : firstLabel + 1 + i;
        label(table, labelName(number), QString::fromLatin1(kNoteNames[i]), QRect(40, y + 2, 40, 22));
        auto *field = named(new TNumEdit(m_separators, table),
                            QString::fromLatin1(input ? kInputFields[i] : kOutFields[i]));
        field->setDisplayFormat(QStringLiteral("#,###.##"));
        field->setMaxTypedLength(20);
        field->setValue(1);
        field->setGeometry(100, y, 121, 24);
        s.fields[i] = field;
    }

    auto *load = named(new QPushButton(QStringLiteral("Load"), panel), QStringLiteral("ButtonCarica") + suffix);
    load->setGeometry(left, 600, 90, 30);
    s.equal = named(new QCheckBox(QStringLiteral("Equal"), panel), QStringLiteral("CheckBoxEquabile") + suffix);
    s.equal->setGeometry(left + 112, 603, 80, 24);
    auto *save = named(new QPushButton(QStringLiteral("Save"), panel), QStringLiteral("ButtonSalva") + suffix);
    save->setGeometry(left + width - 90, 600, 90, 30);
    // Under "Load", in the room left below the row of buttons.
    auto *library =
        named(new QPushButton(QStringLiteral("Library\u2026"), panel), QStringLiteral("ButtonLibreria") + suffix);
    library->setGeometry(left, 633, 90, 26);

    s.saveDialog.filters = {QStringLiteral("Cts (*.Cts *.cts *.CTS)"), QStringLiteral("Scala (*.scl *.Scl *.SCL)")};
    s.saveDialog.defaultSuffix = QStringLiteral("Cts");
    s.saveDialog.fileName = QStringLiteral("File1");
    s.saveDialog.typeChanged = nameForType;
    s.openDialog.filters = s.saveDialog.filters;
    s.openDialog.defaultSuffix = s.saveDialog.defaultSuffix;
}

const std::array<TNumEdit *, 12> &TFormCents::fields(SetterSide which) const
{
    return side(which).fields;
}

void TFormCents::setPositions(SetterSide which, const NoteCents &positions)
{
    for (int i = 0; i < 12; ++i)
        side(which).fields[i]->setValue(positions[i]);
}

NoteCents TFormCents::positions(SetterSide which) const
{
    NoteCents values{};
    for (int i = 0; i < 12; ++i)
        values[i] = side(which).fields[i]->value();
    return values;
}

void TFormCents::setSideName(SetterSide which, const QString &name)
{
    side(which).name->setText(name);
}

void TFormCents::saveSide(SetterSide which)
{
    Side &s = side(which);
    ListBoxSalvaInput.clear();
    for (TNumEdit *field : s.fields)
        ListBoxSalvaInput << formatGeneral(field->value(), m_separators.decimal);
    ListBoxSalvaInput << s.name->text();
    const ScalaScale scale{s.name->text(), positions(which)};
    // A name without a type of its own gets the type last chosen.
    s.saveDialog.defaultSuffix =
        s.saveDialog.selectedFilter == kScalaType ? QStringLiteral("scl") : QStringLiteral("Cts");
    saveThroughDialog(m_dialogs, this, s.saveDialog, [this, &scale](const QString &path) {
        if (isScalaFileName(path))
            return encodeLineFile(scalaFileLines(QFileInfo(path).fileName(), scale));
        return encodeLineFile(ListBoxSalvaInput);
    });
}

void TFormCents::loadSide(SetterSide which)
{
    Side &s = side(which);
    ListBoxSalvaInput.clear();
    const auto path = m_dialogs.openFileName(this, s.openDialog);
    if (!path)
        return;
    if (isScalaFileName(*path)) {
        loadScalaSide(s, *path);
        return;
    }
    const LineFileContents loaded = readLineFile(*path, kCentsLayout, m_separators.decimal);
    if (!loaded.ok()) {
        m_dialogs.error(this, loaded.error);
        return;
    }
    for (int i = 0; i < 12; ++i)
        s.fields[i]->setValue(loaded.values[i].number);
    s.name->setText(loaded.values[12].text);
    reportLoaded(m_dialogs, this, *path);
}

void TFormCents::loadScalaSide(Side &s, const QString &path)
{
    const ScalaContents loaded = readScalaFile(path);
    if (!loaded.ok()) {
        m_dialogs.error(this, loaded.error);
        return;
    }
    for (int i = 0; i < 12; ++i)
        s.fields[i]->setValue(loaded.scale.positions[i]);
    s.name->setText(loaded.scale.description);
    reportLoaded(m_dialogs, this, path);
}

LibraryDialog &TFormCents::libraryDialog()
{
    if (!m_libraryDialog)
        m_libraryDialog = new LibraryDialog(builtInLibrary(), m_separators, this);
    return *m_libraryDialog;
}

void TFormCents::librarySide(SetterSide which)
{
    LibraryDialog &dialog = libraryDialog();
    if (m_dialogs.showModal(dialog) != QDialog::Accepted)
        return;
    const LibraryEntry *entry = dialog.selectedEntry();
    if (!entry)
        return;
    setPositions(which, positionsFromDeviations(entry->deviations));
    setSideName(which, entry->name);
}

void TFormCents::equalSide(SetterSide which)
{
    Side &s = side(which);
    if (!s.equal->isChecked())
        return;
    for (int i = 0; i < 12; ++i)
        s.fields[i]->setValue(100 * i);
}

void TFormCents::ButtonEsportaClick()
{
    exportToMainWindow(positions(SetterSide::Input), positions(SetterSide::Out));
}

} // namespace cordavo
