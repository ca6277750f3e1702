#include "ui/windows/UCents.h"

#include "numbers/NumberFormat.h"
#include "tuning/LibraryNames.h"
#include "tuning/ScalaFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentLibrary.h"
#include "ui/desktop/FileCommands.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/widgets/NumEdit.h"
#include "ui/windows/LibraryDialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace cordavo {

namespace {

constexpr int kWidth = 714;
constexpr int kHeight = 663;

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

TFormCents::TFormCents(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
                       UserDialogs &dialogs, QWidget *parent)
    : SetterWindow(mainWindow, windows, separators, dialogs, QStringLiteral("FormCents"), QStringLiteral("Cordavo"),
                   parent)
{
    auto *panel = createPanel<QWidget>(QStringLiteral("PanelCents"), kWidth, kHeight);
    createTitles(panel, QStringLiteral("Cordavo"), QRect(0, 0, kWidth, 28), tr("Setting Cents Temperaments"),
                 QRect(0, 30, kWidth, 34), 22);
    createExportButton(panel, QRect(kWidth / 2 - 50, 72, 100, 30));

    auto *divider = named(new QFrame(panel), QStringLiteral("Panel2"));
    divider->setFrameShape(QFrame::VLine);
    divider->setGeometry(kWidth / 2 - 2, 110, 4, kHeight - 130);

    createSide(SetterSide::Input, panel, 24);
    createSide(SetterSide::Out, panel, kWidth / 2 + 24);

    growToFitFont();
    FormCreate();
    placeOnDesktop();
    loadFilesDropped();
    orderKeyboard();
}

void TFormCents::FormCreate()
{
    setMinimumSize(grown(kWidth), grown(kHeight));
    setMaximumSize(grown(kWidth), grown(kHeight));
}

void TFormCents::createSide(SetterSide which, QWidget *panel, int left)
{
    const bool input = which == SetterSide::Input;
    Side &s = side(which);
    const QString suffix = input ? QStringLiteral("Input") : QStringLiteral("Out");
    const int width = kWidth / 2 - 48;

    QFont headingFont = sized(font(), 15);
    headingFont.setBold(true);
    QLabel *heading =
        label(panel, input ? QStringLiteral("Label2") : QStringLiteral("Label1"),
              input ? tr("&Original Cents Temperament") : tr("&New CentsTemperament"), QRect(left, 108, width, 22));
    heading->setFont(headingFont);
    label(panel, input ? QStringLiteral("Label53") : QStringLiteral("Label3"), QString(40, QLatin1Char('_')),
          QRect(left, 122, width, 16));

    s.name = named(new QLineEdit(panel), QStringLiteral("EditNome") + suffix);
    s.name->setGeometry(left, 144, width, 24);
    nameByLabel(heading, s.name, spokenSide(which) + tr(" name"));
    s.keyboardOrder << s.name;

    auto *table = named(new QFrame(panel), input ? QStringLiteral("PanelIntervalliInput") : QStringLiteral("Panel1"));
    table->setFrameShape(QFrame::StyledPanel);
    table->setGeometry(left, 176, width, 408);
    label(table, input ? QStringLiteral("Label5") : QStringLiteral("Label20"), tr("Cents"), QRect(0, 4, width, 20))
        ->setAlignment(Qt::AlignCenter);
    // Note labels: Label4, Label6 ... Label16 on the left; Label19, Label21 ... Label31 on the right.
    const int firstLabel = input ? 4 : 19;
    for (int i = 0; i < 12; ++i) {
        const int y = 30 + i * 31;
        const int number = i == 0 ? firstLabel : firstLabel + 1 + i;
        QLabel *note = label(table, labelName(number), noteDisplayName(i), QRect(40, y + 2, 40, 22));
        auto *field = named(new TNumEdit(m_separators, table), noteFieldName(which, i));
        field->setDisplayFormat(QStringLiteral("#,###.##"));
        field->setMaxTypedLength(20);
        field->setValue(1);
        field->setGeometry(100, y, 121, 24);
        nameByLabel(note, field, spokenSide(which) + QLatin1Char(' ') + note->text());
        m_fields[which][i] = field;
        s.keyboardOrder << field;
    }

    // The mnemonics differ between the sides: "&Load" on the left, "Lo&ad" on the right.
    s.keyboardOrder << sideButton(panel, QStringLiteral("ButtonCarica") + suffix, input ? tr("&Load") : tr("Lo&ad"),
                                  QRect(left, 600, 90, 30), which, &TFormCents::ButtonCaricaInputClick,
                                  &TFormCents::ButtonCaricaOutClick);
    s.equal =
        named(new QCheckBox(input ? tr("E&qual") : tr("Eq&ual"), panel), QStringLiteral("CheckBoxEquabile") + suffix);
    s.equal->setGeometry(left + 112, 603, 80, 24);
    // A longer word ("Gelijkzwevend") takes the whole room between the buttons.
    if (s.equal->sizeHint().width() > s.equal->width())
        s.equal->setGeometry(left + 96, 603, width - 90 - 4 - 96, 24);
    connect(s.equal, &QCheckBox::clicked, this,
            input ? &TFormCents::CheckBoxEquabileInputClick : &TFormCents::CheckBoxEquabileOutClick);
    s.keyboardOrder << s.equal;
    s.keyboardOrder << sideButton(panel, QStringLiteral("ButtonSalva") + suffix, input ? tr("&Save") : tr("Sa&ve"),
                                  QRect(left + width - 90, 600, 90, 30), which, &TFormCents::ButtonSalvaInputClick,
                                  &TFormCents::ButtonSalvaOutClick);
    // Under "Load", in the room left below the row of buttons.
    s.keyboardOrder << sideButton(panel, QStringLiteral("ButtonLibreria") + suffix,
                                  input ? tr("L&ibrary…") : tr("Li&brary…"), QRect(left, 633, 90, 26), which,
                                  &TFormCents::ButtonLibreriaInputClick, &TFormCents::ButtonLibreriaOutClick);
    // Nothing stands to its right, so a longer word widens it.
    if (QWidget *library = s.keyboardOrder.last(); library->sizeHint().width() > library->width())
        library->resize(std::min(library->sizeHint().width(), width / 2), library->height());

    s.saveDialog.kind = QStringLiteral("cents");
    s.saveDialog.filters = {QStringLiteral("Cts (*.Cts *.cts *.CTS)"), QStringLiteral("Scala (*.scl *.Scl *.SCL)")};
    s.saveDialog.defaultSuffix = QStringLiteral("Cts");
    s.saveDialog.fileName = QStringLiteral("File1");
    s.saveDialog.typeChanged = nameForType;
    s.openDialog.kind = s.saveDialog.kind;
    s.openDialog.filters = s.saveDialog.filters;
    s.openDialog.defaultSuffix = s.saveDialog.defaultSuffix;
}

void TFormCents::setPositions(SetterSide which, const NoteCents &positions)
{
    for (int i = 0; i < 12; ++i)
        m_fields[which][i]->setValue(positions[i]);
}

NoteCents TFormCents::positions(SetterSide which) const
{
    NoteCents values{};
    for (int i = 0; i < 12; ++i)
        values[i] = m_fields[which][i]->value();
    return values;
}

void TFormCents::setSideName(SetterSide which, const QString &name)
{
    side(which).name->setText(name);
}

void TFormCents::saveSide(SetterSide which)
{
    Side &s = side(which);
    ListBoxSalvaInput = centsFileLines({positions(which), s.name->text()}, m_separators.decimal);
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
    ListBoxSalvaInput.clear();
    if (const auto path = m_dialogs.openFileName(this, side(which).openDialog))
        loadSideFile(which, *path);
}

bool TFormCents::loadSideFile(SetterSide which, const QString &path)
{
    ListBoxSalvaInput.clear();
    if (isScalaFileName(path))
        return loadScalaSide(which, path);
    const auto values = readCheckedFile(m_dialogs, this, path, kCentsLayout, m_separators.decimal);
    if (!values)
        return false;
    const CentsRecord record = centsRecord(*values);
    if (const Result<void> inRange =
            checkPositionRange(record.positions, QFileInfo(path).fileName(), m_separators.decimal);
        !inRange.ok()) {
        m_dialogs.error(this, inRange.error());
        return false;
    }
    for (int i = 0; i < 12; ++i)
        m_fields[which][i]->setValue(record.positions[i]);
    side(which).name->setText(record.name);
    reportLoaded(m_dialogs, this, path);
    return true;
}

bool TFormCents::loadScalaSide(SetterSide which, const QString &path)
{
    const ScalaContents loaded = readScalaFile(path);
    if (!loaded.ok()) {
        m_dialogs.error(this, loaded.error());
        return false;
    }
    setPositions(which, loaded->positions);
    setSideName(which, loaded->description);
    reportLoaded(m_dialogs, this, path);
    return true;
}

LibraryDialog &TFormCents::libraryDialog()
{
    if (!m_libraryDialog)
        m_libraryDialog = new LibraryDialog(builtInLibrary(), m_separators, this);
    return *m_libraryDialog;
}

void TFormCents::librarySide(SetterSide which)
{
    const LibraryEntry *entry = libraryDialog().chooseEntry(m_dialogs);
    if (!entry)
        return;
    setPositions(which, positionsFromDeviations(entry->deviations));
    setSideName(which, libraryName(*entry, libraryDisplayLanguage()));
}

void TFormCents::showEqual(SetterSide which)
{
    for (int i = 0; i < 12; ++i)
        m_fields[which][i]->setValue(100 * i);
}

std::optional<NoteCents> TFormCents::sideDeviations(SetterSide which) const
{
    const NoteCents table = positions(which);
    for (int i = 0; i < 12; ++i) {
        if (table[i] < (i == 0 ? 0 : table[i - 1] + 0.01L) || table[i] >= 1200)
            return std::nullopt;
    }
    return deviationsFromPositions(table);
}

void TFormCents::ButtonEsportaClick()
{
    exportToMainWindow(positions(SetterSide::Input), positions(SetterSide::Out));
}

} // namespace cordavo
