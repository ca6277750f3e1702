#include "ui/windows/AnalysisWindow.h"

#include "numbers/NumberFormat.h"
#include "tuning/NoteSpelling.h"
#include "ui/desktop/FileCommands.h"
#include "ui/desktop/KeyboardOrder.h"
#include "ui/windows/UTemperamento.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#if CORDAVO_SVG_PICTURES
#include <QSvgGenerator>
#endif
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <functional>
#include <numbers>

namespace cordavo {

namespace {

QString cents(long double value, const Separators &separators)
{
    return formatPattern(value, u"0.00", separators);
}

QString signedCents(long double value, const Separators &separators)
{
    const QString text = cents(value, separators);
    return value > 0 && text != cents(0, separators) ? QStringLiteral("+") + text : text;
}

} // namespace

QColor gradeColour(IntervalGrade grade)
{
    switch (grade) {
    case IntervalGrade::Pure:
        return QColor(0, 128, 0);
    case IntervalGrade::Wolf:
        return QColor(200, 0, 0);
    case IntervalGrade::Tempered:
        break;
    }
    return QColor(30, 30, 30);
}

QColor gradeColour(IntervalGrade grade, const QColor &background)
{
    if (background.lightness() >= 128)
        return gradeColour(grade);
    // Lighter shades of the same colours on a dark background.
    switch (grade) {
    case IntervalGrade::Pure:
        return QColor(110, 220, 110);
    case IntervalGrade::Wolf:
        return QColor(255, 120, 120);
    case IntervalGrade::Tempered:
        break;
    }
    return QColor(230, 230, 230);
}

namespace {

// Shows a drawing on white paper, as a picture file has it: its colours are
// chosen for that, whatever the desktop's theme. The drawing is a function
// of the area, so that a picture file is drawn the same way.
class DrawingView : public QWidget
{
public:
    DrawingView(std::function<void(QPainter &, const QRectF &)> drawing, const QSize &minimum, QWidget *parent)
        : QWidget(parent), m_drawing(std::move(drawing))
    {
        setMinimumSize(minimum);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        m_drawing(painter, rect());
    }

private:
    std::function<void(QPainter &, const QRectF &)> m_drawing;
};

// Bars of the twelve deviations from equal temperament, C to B.
void paintDeviationChart(QPainter &painter, const QRectF &area, const NoteCents &values, const Separators &separators)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const qreal labelHeight = metrics.height() + 4;
    const QRectF plot = area.adjusted(12, labelHeight + 8, -12, -labelHeight - 8);
    // The zero line sits where the range of the values puts it.
    long double highest = 0;
    long double lowest = 0;
    for (long double c : values) {
        highest = std::max(highest, c);
        lowest = std::min(lowest, c);
    }
    if (highest - lowest < 1)
        highest = lowest + 1;
    const qreal usable = plot.height() - 2 * labelHeight;
    const qreal scale = usable / static_cast<qreal>(highest - lowest);
    const qreal zeroY = plot.top() + labelHeight + static_cast<qreal>(highest) * scale;
    const qreal slot = plot.width() / 12;

    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(QPointF(plot.left(), zeroY), QPointF(plot.right(), zeroY));
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(area.left(), area.top() + 2, area.width(), labelHeight), Qt::AlignCenter,
        QCoreApplication::translate("cordavo::AnalysisWindow", "Deviation from equal temperament (cents)"));
    for (int i = 0; i < 12; ++i) {
        const qreal x = plot.left() + i * slot;
        const qreal height = static_cast<qreal>(values[i]) * scale;
        const QRectF bar(x + slot * 0.2, height >= 0 ? zeroY - height : zeroY, slot * 0.6, std::fabs(height));
        painter.fillRect(bar, values[i] >= 0 ? QColor(70, 130, 180) : QColor(205, 92, 92));
        const QString value = cents(values[i], separators);
        const QRectF valueBox(x, height >= 0 ? bar.top() - labelHeight : bar.bottom(), slot, labelHeight);
        painter.drawText(valueBox, Qt::AlignCenter, value);
        painter.drawText(QRectF(x, plot.bottom() + 4, slot, labelHeight), Qt::AlignCenter, noteDisplayName(i));
    }
    painter.restore();
}

// The circle of fifths with each fifth's tempering between its notes and
// each major third's distance from pure beside the note it starts on, and
// under it a legend of the colours.
void paintFifthsCircle(QPainter &painter, const QRectF &area, const TemperamentQuality &quality,
                       const Separators &separators)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The legend takes two lines at the foot; the circle fills the rest.
    const QFont legendFont = painter.font();
    const qreal lineHeight = QFontMetricsF(legendFont).height();
    const QRectF legend(area.left(), area.bottom() - 2 * lineHeight - 6, area.width(), 2 * lineHeight);
    const QRectF circleArea(area.left(), area.top(), area.width(), legend.top() - area.top());
    const QPointF centre = circleArea.center();
    const qreal radius = std::min(circleArea.width(), circleArea.height()) / 2 - 52;
    auto at = [&](qreal position, qreal r) {
        const qreal angle = position * std::numbers::pi / 6 - std::numbers::pi / 2; // C at the top, fifths clockwise
        return QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    };
    auto textAt = [&](const QPointF &point, const QString &text, const QColor &colour) {
        const QRectF box(point.x() - 40, point.y() - 10, 80, 20);
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, text);
    };

    painter.setPen(QPen(Qt::gray, 1.5));
    painter.drawEllipse(centre, radius, radius);
    QFont bold = painter.font();
    bold.setBold(true);
    for (int k = 0; k < 12; ++k) {
        const IntervalQuality &fifth = quality.fifths[k];
        // The note, with the major third built on it just inside the circle.
        painter.setFont(bold);
        textAt(at(k, radius + 18), spelledDisplayName(usualSpelling(fifth.lowerNote)), Qt::black);
        painter.setFont(QFont(painter.font().family(), -1));
        const IntervalQuality &third = quality.thirds[fifth.lowerNote];
        textAt(at(k, radius - 28), signedCents(third.fromPure, separators), gradeColour(thirdGrade(third.fromPure)));
        // The fifth's tempering halfway to the next note.
        textAt(at(k + 0.5, radius + 18), signedCents(fifth.fromPure, separators),
               gradeColour(fifthGrade(fifth.fromPure)));
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(centre.x() - 90, centre.y() - 30, 180, 60), Qt::AlignCenter,
                     QCoreApplication::translate("cordavo::AnalysisWindow",
                                                 "outside: fifths\ninside: major thirds\n(cents from pure)"));

    // Each part of the legend in the colour it explains.
    painter.setFont(legendFont);
    const QString wolf = QCoreApplication::translate("cordavo::AnalysisWindow",
                                                     "Red: wolf (fifth over %1 cents, third over %2 cents from pure)")
                             .arg(formatGeneral(kWolfFifthCents, separators.decimal),
                                  formatGeneral(kWolfThirdCents, separators.decimal));
    const QString pure = QCoreApplication::translate("cordavo::AnalysisWindow", "Green: pure");
    const QString plain = QCoreApplication::translate("cordavo::AnalysisWindow", " · Plain: tempered");
    painter.setPen(gradeColour(IntervalGrade::Wolf));
    painter.drawText(QRectF(legend.left(), legend.top(), legend.width(), lineHeight), Qt::AlignCenter, wolf);
    const QFontMetricsF metrics(painter.font());
    const qreal pureWidth = metrics.horizontalAdvance(pure);
    const qreal left = legend.center().x() - (pureWidth + metrics.horizontalAdvance(plain)) / 2;
    const qreal second = legend.top() + lineHeight;
    painter.setPen(gradeColour(IntervalGrade::Pure));
    painter.drawText(QRectF(left, second, pureWidth + 1, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, pure);
    painter.setPen(gradeColour(IntervalGrade::Tempered));
    painter.drawText(QRectF(left + pureWidth, second, legend.right() - left - pureWidth, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, plain);
    painter.restore();
}

} // namespace

AnalysisWindow::AnalysisWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                               QWidget *parent)
    : FollowingWindow(mainWindow, separators, dialogs, parent)
{
    setObjectName(QStringLiteral("analysisWindow"));
    setWindowTitle(tr("Analyse Temperament"));
    resize(1180, 720);

    m_chart = new DrawingView(
        [this](QPainter &painter, const QRectF &area) { paintDeviationChart(painter, area, m_cents, m_separators); },
        QSize(420, 260), this);
    m_chart->setObjectName(QStringLiteral("deviationChart"));
    m_circle = new DrawingView(
        [this](QPainter &painter, const QRectF &area) { paintFifthsCircle(painter, area, m_quality, m_separators); },
        QSize(420, 420), this);
    m_circle->setObjectName(QStringLiteral("fifthsCircle"));

    m_intervalTable = new QTableWidget(24, 5, this);
    m_intervalTable->setObjectName(QStringLiteral("intervalTable"));
    m_intervalTable->setHorizontalHeaderLabels(
        {tr("Interval"), tr("Notes"), tr("Cents"), tr("From pure"), tr("Beats (Hz)")});
    m_intervalTable->verticalHeader()->hide();
    m_intervalTable->verticalHeader()->setDefaultSectionSize(24);
    m_intervalTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Each column as wide as its header and cells need, in every language;
    // the last takes what is left.
    m_intervalTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_intervalTable->horizontalHeader()->setStretchLastSection(true);
    fitIntervalTable();
    m_intervalTable->setAccessibleName(tr("Fifths and major thirds"));
    // The arrow keys move between the cells; Tab goes on to the next control.
    m_intervalTable->setTabKeyNavigation(false);

    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    auto *savePictureButton = new QPushButton(tr("&Save Picture…"), this);
    savePictureButton->setObjectName(QStringLiteral("savePictureButton"));
    connect(savePictureButton, &QPushButton::clicked, this, &AnalysisWindow::savePicture);

    auto *pictures = new QVBoxLayout;
    pictures->addWidget(m_chart, 2);
    pictures->addWidget(m_circle, 3);
    auto *side = new QVBoxLayout;
    side->addWidget(m_intervalTable);
    side->addWidget(m_statusLabel);
    side->addWidget(savePictureButton);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(pictures, 3);
    layout->addLayout(side, 2);
    // The pictures take no focus: Tab goes from the table to the button.
    setKeyboardOrder({m_intervalTable, savePictureButton});

    m_pictureDialog.kind = QStringLiteral("picture");
    m_pictureDialog.filters = {tr("PNG picture (*.png)")};
    // A build without Qt Svg (the Windows one) offers PNG alone.
    if (CORDAVO_SVG_PICTURES)
        m_pictureDialog.filters << tr("SVG drawing (*.svg)");
    m_pictureDialog.defaultSuffix = QStringLiteral("png");
    m_pictureDialog.fileName = QStringLiteral("Temperament.png");
}

void AnalysisWindow::refresh()
{
    const NoteCents values = m_main.noteCents();
    QString why;
    const auto pitches = m_main.referencePitches(&why);
    if (!pitches) {
        m_statusLabel->setText(why);
        return;
    }
    const auto [oldA, newA] = *pitches;
    const long double reference = referencePitch(oldA, newA);
    m_statusLabel->setText(
        tr("Beats measured from middle C upward, with A = %1 Hz.")
            .arg(formatGeneral(reference * std::exp2(values[kAPitchClass] / 1200), m_separators.decimal)));
    const TemperamentQuality quality = analyseTemperament(oldA, newA, values);
    m_cents = values;
    m_quality = quality;
    m_chart->update();
    m_circle->update();

    auto setRow = [this](int row, const QString &kind, const IntervalQuality &q, IntervalGrade grade) {
        // Written as the interval it is (Eb–Bb), a wolf with the keys' usual names (G#–Eb).
        const auto [lower, upper] =
            intervalSpelling(q.lowerNote, (q.upperNote - q.lowerNote + 12) % 12, grade == IntervalGrade::Wolf);
        const QStringList cells = {kind, spelledDisplayName(lower) + QChar(0x2013) + spelledDisplayName(upper),
                                   cents(q.cents, m_separators), signedCents(q.fromPure, m_separators),
                                   formatPattern(q.beatsPerSecond, u"0.00", m_separators)};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // Tempered sizes keep the table's own text colour.
            if (column == 3 && grade != IntervalGrade::Tempered)
                item->setForeground(gradeColour(grade, m_intervalTable->palette().color(QPalette::Base)));
            m_intervalTable->setItem(row, column, item);
        }
    };
    for (int k = 0; k < 12; ++k) {
        setRow(k, tr("Fifth"), quality.fifths[k], fifthGrade(quality.fifths[k].fromPure));
        setRow(12 + k, tr("Major third"), quality.thirds[k], thirdGrade(quality.thirds[k].fromPure));
    }
    fitIntervalTable();
}

void AnalysisWindow::fitIntervalTable()
{
    const QHeaderView *header = m_intervalTable->horizontalHeader();
    // The table's own measure of its cells, public through the base class.
    const QAbstractItemView *view = m_intervalTable;
    int width = 2 * m_intervalTable->frameWidth() + m_intervalTable->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_intervalTable->columnCount(); ++column)
        width += std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
    m_intervalTable->setMinimumWidth(std::max(360, width));
}

void AnalysisWindow::paintPicture(QPainter &painter, const QSize &size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const qreal half = size.width() / 2.0;
    paintDeviationChart(painter, QRectF(0, 0, half, size.height()), m_cents, m_separators);
    paintFifthsCircle(painter, QRectF(half, 0, half, size.height()), m_quality, m_separators);
}

FileBytes AnalysisWindow::pictureBytes(bool svg) const
{
    const QSize size = m_pictureSize;
    const QString pixels = tr("%1 × %2 pixels").arg(size.width()).arg(size.height());
    if (size.isEmpty())
        return {{}, tr("a picture of %1 cannot be drawn").arg(pixels)};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
#if !CORDAVO_SVG_PICTURES
        return {{}, tr("this build of Cordavo saves pictures as PNG only")};
#else
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QStringLiteral("Temperament"));
        QPainter painter;
        if (!painter.begin(&generator))
            return {{}, tr("the SVG drawing cannot be started")};
        paintPicture(painter, size);
        if (!painter.end())
            return {{}, tr("the SVG drawing cannot be finished")};
#endif
    } else {
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull())
            return {{}, tr("there is not enough memory for a picture of %1").arg(pixels)};
        {
            QPainter painter(&image);
            paintPicture(painter, size);
        }
        QImageWriter writer(&buffer, "png");
        if (!writer.write(image))
            return {{}, tr("the PNG picture cannot be made: %1").arg(writer.errorString())};
    }
    return {buffer.data(), {}};
}

void AnalysisWindow::savePicture()
{
    refresh();
    m_pictureDialog.fileName =
        proposedFileName(m_pictureDialog.fileName, m_main.temperamentName(), QStringLiteral("Temperament"),
                         m_pictureDialog.selectedFilter == 1 ? QStringLiteral(".svg") : QStringLiteral(".png"));
    // The chosen name decides the kind: an .svg name gives a drawing, anything else a PNG.
    saveThroughDialog(m_dialogs, this, m_pictureDialog, [this](const QString &path) {
        return pictureBytes(path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive));
    });
}

} // namespace cordavo
