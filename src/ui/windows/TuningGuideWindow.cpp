#include "ui/windows/TuningGuideWindow.h"

#include "print/GuideSheet.h"
#include "ui/desktop/FileCommands.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/windows/UTemperamento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cordavo {

namespace {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QDoubleSpinBox *temperatureBox(QWidget *parent, const char *name)
{
    auto *box = named(new QDoubleSpinBox(parent), name);
    box->setRange(kLowestCelsius, kHighestCelsius);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" °C"));
    box->setValue(18);
    return box;
}

} // namespace

TuningGuideWindow::TuningGuideWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                                     QWidget *parent)
    : FollowingWindow(mainWindow, separators, dialogs, parent)
{
    setObjectName(QStringLiteral("tuningGuideWindow"));
    setWindowTitle(tr("Tuning Guide"));
    resize(900, 760);

    m_bearingBox = named(new QComboBox(this), "bearingBox");
    for (const Bearing bearing : {Bearing::F3, Bearing::C4, Bearing::A3})
        m_bearingBox->addItem(bearingDisplayName(bearing), static_cast<int>(bearing));
    m_footBox = named(new QComboBox(this), "footBox");
    m_footBox->addItem(tr("8′ (as written; harpsichord)"), 8);
    m_footBox->addItem(tr("4′ (an octave higher: Principal 4′)"), 4);
    m_footBox->addItem(tr("2′ (two octaves higher)"), 2);
    m_metronomeCheck = named(new QCheckBox(tr("Count per &metronome beat at MM"), this), "metronomeCheck");
    m_metronomeBox = named(new QSpinBox(this), "metronomeBox");
    m_metronomeBox->setRange(kLowestMetronome, kHighestMetronome);
    m_metronomeBox->setValue(60);
    m_metronomeBox->setEnabled(false);
    m_temperatureCheck = named(new QCheckBox(tr("&Temperature: the organ is at pitch at"), this), "temperatureCheck");
    m_referenceBox = temperatureBox(this, "referenceTemperatureBox");
    m_nowBox = temperatureBox(this, "nowTemperatureBox");
    m_referenceBox->setEnabled(false);
    m_nowBox->setEnabled(false);
    m_paperBox = named(new QComboBox(this), "paperBox");
    m_paperBox->addItem(QStringLiteral("A4"), static_cast<int>(QPageSize::A4));
    m_paperBox->addItem(tr("Letter"), static_cast<int>(QPageSize::Letter));

    m_view = named(new QTextBrowser(this), "guideView");
    m_view->setAccessibleName(tr("Tuning guide"));
    m_statusLabel = named(new QLabel(this), "statusLabel");
    m_statusLabel->setWordWrap(true);
    auto *printButton = named(new QPushButton(tr("&Print…"), this), "printButton");
    auto *savePdfButton = named(new QPushButton(tr("Save P&DF…"), this), "savePdfButton");
    connect(printButton, &QPushButton::clicked, this, &TuningGuideWindow::print);
    connect(savePdfButton, &QPushButton::clicked, this, &TuningGuideWindow::savePdf);

    auto *form = new QFormLayout;
    auto labelled = [this](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    form->addRow(labelled(tr("&Bearing:"), m_bearingBox), m_bearingBox);
    form->addRow(labelled(tr("&Stop:"), m_footBox), m_footBox);
    auto *metronomeRow = new QHBoxLayout;
    metronomeRow->addWidget(m_metronomeCheck);
    metronomeRow->addWidget(m_metronomeBox);
    metronomeRow->addStretch();
    form->addRow(metronomeRow);
    auto *temperatureRow = new QHBoxLayout;
    temperatureRow->addWidget(m_temperatureCheck);
    temperatureRow->addWidget(m_referenceBox);
    temperatureRow->addWidget(labelled(tr("and is &now at"), m_nowBox));
    temperatureRow->addWidget(m_nowBox);
    temperatureRow->addStretch();
    form->addRow(temperatureRow);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(labelled(tr("P&aper:"), m_paperBox));
    buttons->addWidget(m_paperBox);
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(savePdfButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_statusLabel);
    layout->addLayout(buttons);
    setKeyboardOrder({m_bearingBox, m_footBox, m_metronomeCheck, m_metronomeBox, m_temperatureCheck, m_referenceBox,
                      m_nowBox, m_view, m_paperBox, printButton, savePdfButton});

    m_pdfDialog.kind = QStringLiteral("guide");
    m_pdfDialog.filters = {tr("PDF document (*.pdf)")};
    m_pdfDialog.defaultSuffix = QStringLiteral("pdf");
    m_pdfDialog.fileName = tr("Tuning guide") + QStringLiteral(".pdf");

    connect(m_metronomeCheck, &QCheckBox::toggled, m_metronomeBox, &QWidget::setEnabled);
    connect(m_temperatureCheck, &QCheckBox::toggled, m_referenceBox, &QWidget::setEnabled);
    connect(m_temperatureCheck, &QCheckBox::toggled, m_nowBox, &QWidget::setEnabled);
    for (QComboBox *box : {m_bearingBox, m_footBox})
        connect(box, &QComboBox::currentIndexChanged, this, &TuningGuideWindow::refresh);
    for (QCheckBox *check : {m_metronomeCheck, m_temperatureCheck})
        connect(check, &QCheckBox::toggled, this, &TuningGuideWindow::refresh);
    connect(m_metronomeBox, &QSpinBox::valueChanged, this, &TuningGuideWindow::refresh);
    for (QDoubleSpinBox *box : {m_referenceBox, m_nowBox})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TuningGuideWindow::refresh);
}

GuideSettings TuningGuideWindow::settings() const
{
    GuideSettings settings;
    settings.bearing = static_cast<Bearing>(m_bearingBox->currentData().toInt());
    settings.foot = m_footBox->currentData().toInt();
    if (m_metronomeCheck->isChecked())
        settings.metronome = m_metronomeBox->value();
    if (m_temperatureCheck->isChecked()) {
        settings.referenceCelsius = m_referenceBox->value();
        settings.nowCelsius = m_nowBox->value();
    }
    return settings;
}

std::optional<GuideDocument> TuningGuideWindow::document() const
{
    QString why;
    const auto pitches = m_main.referencePitches(&why);
    if (!pitches) {
        m_statusLabel->setText(why);
        return std::nullopt;
    }
    const Result<TuningGuide> guide =
        tuningGuide(m_main.temperamentName(), pitches->first, pitches->second, m_main.noteCents(), settings());
    if (!guide.ok()) {
        m_statusLabel->setText(guide.error());
        return std::nullopt;
    }
    m_statusLabel->clear();
    return guideDocument(guide.value(), QDate::currentDate(), m_separators);
}

void TuningGuideWindow::refresh()
{
    if (const auto sheet = document()) {
        // The view keeps its place while the figures change under it.
        const int scrolled = m_view->verticalScrollBar()->value();
        setGuideSheet(*m_view->document(), *sheet);
        m_view->verticalScrollBar()->setValue(scrolled);
    }
}

void TuningGuideWindow::print()
{
    const auto sheet = document();
    if (!sheet) {
        m_dialogs.message(this, m_statusLabel->text());
        return;
    }
    QPrinter &printer = m_main.printer();
    if (!m_dialogs.choosePrinter(this, printer))
        return;
    if (!paintGuideSheet(printer, *sheet))
        m_dialogs.error(this, tr("Cannot print: the printer could not be opened"));
    else if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        m_dialogs.error(this, tr("Printing failed: the printer reported an error"));
}

void TuningGuideWindow::savePdf()
{
    const auto sheet = document();
    if (!sheet) {
        m_dialogs.message(this, m_statusLabel->text());
        return;
    }
    const QPageSize paper(static_cast<QPageSize::PageSizeId>(m_paperBox->currentData().toInt()));
    // Named after the temperament, in the folder chosen last.
    m_pdfDialog.fileName =
        proposedFileName(m_pdfDialog.fileName, m_main.temperamentName(), tr("Tuning guide"), QStringLiteral(".pdf"));
    saveThroughDialog(m_dialogs, this, m_pdfDialog, [&](const QString &) -> FileBytes {
        const Result<QByteArray> pdf = guidePdf(*sheet, paper);
        if (!pdf.ok())
            return {{}, pdf.error()};
        return {pdf.value(), {}};
    });
}

} // namespace cordavo
