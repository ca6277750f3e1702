#pragma once

#include "numbers/Separators.h"
#include "tuning/TemperamentAnalysis.h"
#include "ui/FileCommands.h"
#include "ui/UserDialogs.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace cordavo {

class TFormTemperamento;

// The colour an interval's size is shown in: wolves red, pure intervals
// green, the tempered ones plain.
QColor gradeColour(IntervalGrade grade);

// Bars of the twelve deviations from equal temperament, C to B.
class DeviationChart : public QWidget
{
    Q_OBJECT
public:
    DeviationChart(const Separators &separators, QWidget *parent = nullptr);
    void setCents(const NoteCents &cents);
    void paintChart(QPainter &painter, const QRectF &area) const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Separators m_separators;
    NoteCents m_cents{};
};

// The circle of fifths with each fifth's tempering between its notes and
// each major third's distance from pure beside the note it starts on, and
// under it a legend of the colours.
class FifthsCircle : public QWidget
{
    Q_OBJECT
public:
    FifthsCircle(const Separators &separators, QWidget *parent = nullptr);
    void setQuality(const TemperamentQuality &quality);
    void paintCircle(QPainter &painter, const QRectF &area) const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Separators m_separators;
    TemperamentQuality m_quality{};
};

// Follows the main window's note fields and reference pitches live and shows
// how the temperament's fifths and thirds sound.
class AnalysisWindow : public QWidget
{
    Q_OBJECT
public:
    AnalysisWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                   QWidget *parent = nullptr);

    void showInFront();
    // Reads the main window afresh.
    void refresh();
    // Draws the chart and the circle side by side, for a picture file.
    void paintPicture(QPainter &painter, const QSize &size) const;
    // "PNG" or "SVG" picture bytes of the chart and the circle, or why they
    // could not be made.
    FileBytes pictureBytes(bool svg) const;
    // The size pictures are drawn at, 960 × 440 unless changed.
    QSize pictureSize() const { return m_pictureSize; }
    void setPictureSize(const QSize &size) { m_pictureSize = size; }
    void ButtonSalvaImmagineClick();

    QTableWidget *TableIntervals;
    QLabel *LabelStatus;
    QPushButton *ButtonSalvaImmagine;
    DeviationChart *Chart;
    FifthsCircle *Circle;

private:
    TFormTemperamento &m_main;
    Separators m_separators;
    UserDialogs &m_dialogs;
    FileQuestion m_pictureDialog;
    QSize m_pictureSize{960, 440};
};

} // namespace cordavo
