#include "ui/windows/SetterWindow.h"

#include "ui/widgets/LayoutGrowth.h"
#include "ui/widgets/ScreenFit.h"

#include "numbers/NumberFormat.h"
#include "tuning/TemperamentLibrary.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/desktop/WindowFront.h"
#include "ui/widgets/CentsList.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UTemperamento.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cordavo {

namespace {

const char *const kNotCalculated =
    QT_TRANSLATE_NOOP("cordavo::SetterWindow", "Exporting is not possible! Calculations are required before");

} // namespace

SetterWindow::SetterWindow(TFormTemperamento &mainWindow, CordavoWindows &windows, const Separators &separators,
                           UserDialogs &dialogs, const QString &name, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window), FormTemperamento(mainWindow), m_windows(windows), m_separators(separators),
      m_dialogs(dialogs)
{
    setObjectName(name);
    setWindowTitle(title);
}

void SetterWindow::showInFront()
{
    bringToFront(this);
}

void SetterWindow::FormClose()
{
    FormTemperamento.showMainWindow();
}

bool SetterWindow::openFile(SetterSide which, const QString &path)
{
    const QList<FileKind> kinds = loadedKinds();
    if (kinds.contains(fileKindOf(path)))
        return loadSideFile(which, path);
    m_dialogs.message(this, notOpenableMessage(path, tr("this setter"), kinds));
    return false;
}

SetterSide SetterWindow::sideAt(const QPointF &point) const
{
    // The halves are the panel's, which may be scrolled within the window.
    if (m_panel)
        return m_panel->mapFrom(this, point).x() < m_panel->width() / 2.0 ? SetterSide::Input : SetterSide::Out;
    return point.x() < width() / 2.0 ? SetterSide::Input : SetterSide::Out;
}

void SetterWindow::loadFilesDropped()
{
    openFilesDroppedOn(this, [this](const QStringList &paths, const QPointF &at) {
        const SetterSide which = sideAt(at);
        for (const QString &path : paths)
            openFile(which, path);
    });
}

void SetterWindow::equalSide(SetterSide which)
{
    // Unchecking leaves the side as it is.
    if (!side(which).equal->isChecked())
        return;
    showEqual(which);
}

void SetterWindow::presetList(SetterSide which, const QStringList &lines)
{
    Side &s = side(which);
    s.list->setLines(lines);
    s.calculated = true;
}

void SetterWindow::calculateSide(SetterSide which, const std::function<void(int decimals)> &fillList)
{
    Side &s = side(which);
    if (s.equal->isChecked())
        return;
    // Checked before anything changes, so a side is never left calculated
    // with an empty list.
    const QString roundsText = s.rounds->currentText();
    const std::optional<int> decimals = readDecimalsChoice(roundsText);
    if (!decimals) {
        m_dialogs.message(
            this, tr("%1 Rounds: \"%2\" is not a whole number of decimals from 0 to 10").arg(s.title, roundsText));
        return;
    }
    s.list->clear();
    fillList(*decimals);
    s.calculated = true;
}

std::optional<NoteCents> SetterWindow::sideDeviations(SetterSide which) const
{
    if (!calculated(which))
        return std::nullopt;
    const Result<NoteCents> positions = readList(which);
    if (!positions.ok())
        return std::nullopt;
    return deviationsFromPositions(positions.value());
}

QString SetterWindow::sideName(SetterSide which) const
{
    return side(which).name ? side(which).name->text() : QString();
}

Result<NoteCents> SetterWindow::readList(SetterSide which) const
{
    const QStringList lines = side(which).list->lines();
    NoteCents positions{};
    for (int i = 0; i < 12; ++i) {
        if (i >= lines.size())
            return failure(tr("List index out of bounds (%1)").arg(i));
        const std::optional<long double> value = readRegional(lines[i], m_separators.decimal);
        if (!value)
            return failure(notANumberMessage(lines[i]));
        positions[i] = *value;
    }
    return positions;
}

std::optional<NoteCents> SetterWindow::listedPositions(SetterSide which)
{
    Result<NoteCents> positions = readList(which);
    if (!positions.ok()) {
        m_dialogs.error(this, positions.error());
        return std::nullopt;
    }
    return std::move(positions).value();
}

void SetterWindow::exportLists()
{
    // The rounded values the lists show are what is subtracted.
    if (!calculated(SetterSide::Input) || !calculated(SetterSide::Out)) {
        m_dialogs.message(this, tr(kNotCalculated));
        return;
    }
    const std::optional<NoteCents> oldPositions = listedPositions(SetterSide::Input);
    if (!oldPositions)
        return;
    const std::optional<NoteCents> newPositions = listedPositions(SetterSide::Out);
    if (!newPositions)
        return;
    exportToMainWindow(*oldPositions, *newPositions);
}

void SetterWindow::exportCentsSide(SetterSide which)
{
    if (!calculated(which)) {
        m_dialogs.message(this, tr(kNotCalculated));
        return;
    }
    const std::optional<NoteCents> positions = listedPositions(which);
    if (!positions)
        return;
    // Positions above C go across as the list shows them.
    TFormCents &formCents = m_windows.FormCents();
    formCents.setPositions(which, *positions);
    if (const QLineEdit *name = side(which).name)
        formCents.setSideName(which, name->text());
    m_dialogs.message(this, tr("Export correctly"));
    formCents.showInFront();
}

void SetterWindow::exportToMainWindow(const NoteCents &oldPositions, const NoteCents &newPositions)
{
    FormTemperamento.exportCents(exportedCents(oldPositions, newPositions));
    m_dialogs.message(this, tr("Export correctly"));
    FormTemperamento.showMainWindow();
}

void SetterWindow::placeOnDesktop()
{
    placeOnScreen(this);
}

void SetterWindow::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window; its contents stay for the next showing.
    event->accept();
    FormClose();
}

QLabel *SetterWindow::label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

QPushButton *SetterWindow::button(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *b = named(new QPushButton(text, parent), name);
    b->setGeometry(geometry);
    return b;
}

void SetterWindow::createTitles(QWidget *panel, const QString &banner, const QRect &bannerGeometry,
                                const QString &title, const QRect &titleGeometry, int titlePixelSize)
{
    QFont bannerFont = sized(font(), 16);
    bannerFont.setBold(true);
    QFont titleFont = sized(font(), titlePixelSize);
    titleFont.setItalic(true);
    const std::pair<QLabel *, QFont> headings[] = {
        {label(panel, QStringLiteral("Panel5"), banner, bannerGeometry), bannerFont},
        {label(panel, QStringLiteral("LabelIntSetTemp"), title, titleGeometry), titleFont}};
    for (const auto &[heading, headingFont] : headings) {
        heading->setAlignment(Qt::AlignCenter);
        heading->setFont(headingFont);
        heading->setStyleSheet(QStringLiteral("color: red"));
    }
}

QFont SetterWindow::sized(QFont font, int pixelSize, bool underline)
{
    font.setPixelSize(pixelSize);
    font.setUnderline(underline);
    return font;
}

void SetterWindow::createExportButton(QWidget *parent, const QRect &geometry)
{
    m_exportButton = button(parent, QStringLiteral("ButtonEsporta"), tr("&Export"), geometry);
    connect(m_exportButton, &QPushButton::clicked, this, &SetterWindow::ButtonEsportaClick);
}

void SetterWindow::orderKeyboard()
{
    setKeyboardOrder(QList<QWidget *>{m_exportButton} + side(SetterSide::Input).keyboardOrder +
                     side(SetterSide::Out).keyboardOrder);
}

QString SetterWindow::spokenSide(SetterSide which)
{
    return which == SetterSide::Input ? tr("Old temperament") : tr("New temperament");
}

QString SetterWindow::noteNamePart(int note)
{
    static const char *const kNoteParts[12] = {"C", "Cd", "D", "Dd", "E", "F", "Fd", "G", "Gd", "A", "Ad", "B"};
    return QLatin1String(kNoteParts[note]);
}

QString SetterWindow::noteFieldName(SetterSide which, int note, int term)
{
    return (which == SetterSide::Input ? QStringLiteral("NumEdit_") : QStringLiteral("NumEditOut_")) +
           noteNamePart(note) + QLatin1Char(char('0' + term));
}

void SetterWindow::growToFitFont()
{
    m_growth = growthToFit(this);
    growLayout(this, m_growth);
    resize(grown(width()), grown(height()));
}

} // namespace cordavo
