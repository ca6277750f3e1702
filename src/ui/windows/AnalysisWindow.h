#pragma once

#include "tuning/TemperamentAnalysis.h"
#include "ui/desktop/FileCommands.h"
#include "ui/windows/FollowingWindow.h"

#include <QColor>

class QLabel;
class QTableWidget;

namespace cordavo {

// The colour an interval's size is shown in: wolves red, pure intervals
// green, the tempered ones plain.
QColor gradeColour(IntervalGrade grade);
// The same, readable on this background (lighter on a dark one).
QColor gradeColour(IntervalGrade grade, const QColor &background);

// Follows the main window's note fields and reference pitches live and shows
// how the temperament's fifths and thirds sound.
class AnalysisWindow : public FollowingWindow
{
    Q_OBJECT
public:
    AnalysisWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                   QWidget *parent = nullptr);

    // Reads the main window afresh.
    void refresh() override;
    // Draws the chart and the circle side by side, for a picture file.
    void paintPicture(QPainter &painter, const QSize &size) const;
    // "PNG" or "SVG" picture bytes of the chart and the circle, or why they
    // could not be made.
    FileBytes pictureBytes(bool svg) const;
    // The size pictures are drawn at, 960 × 440 unless changed.
    QSize pictureSize() const { return m_pictureSize; }
    void setPictureSize(const QSize &size) { m_pictureSize = size; }
    // "Save Picture…": asks for a file and writes the picture there.
    void savePicture();

private:
    // Widens the table until no header or cell is cut off.
    void fitIntervalTable();

    QTableWidget *m_intervalTable;
    QLabel *m_statusLabel;
    QWidget *m_chart;
    QWidget *m_circle;

    FileQuestion m_pictureDialog;
    QSize m_pictureSize{960, 440};
    // What the chart and the circle show, as last read from the main window.
    NoteCents m_cents{};
    TemperamentQuality m_quality{};
};

} // namespace cordavo
