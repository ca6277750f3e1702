#pragma once

#include "tuning/TuningGuide.h"
#include "ui/windows/FollowingWindow.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTextBrowser;

namespace cordavo {

// The tuning guide of the main window's temperament, followed live: the
// sheet a tuner takes to a real organ or harpsichord, to print or to save
// as a PDF.
class TuningGuideWindow : public FollowingWindow
{
    Q_OBJECT
public:
    TuningGuideWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                      QWidget *parent = nullptr);

    // Reads the main window and the controls afresh.
    void refresh() override;
    // The sheet as it stands, or nothing (after the status line says why).
    std::optional<GuideDocument> document() const;
    GuideSettings settings() const;

    // "Print…": the print dialog, then the sheet on the printer the main
    // window's Page Setup sets up.
    void print();
    // "Save PDF…": asks for a file and writes the sheet there.
    void savePdf();

private:
    QComboBox *m_bearingBox;
    QComboBox *m_footBox;
    QCheckBox *m_metronomeCheck;
    QSpinBox *m_metronomeBox;
    QCheckBox *m_temperatureCheck;
    QDoubleSpinBox *m_referenceBox;
    QDoubleSpinBox *m_nowBox;
    QComboBox *m_paperBox;
    QTextBrowser *m_view;
    QLabel *m_statusLabel;

    FileQuestion m_pdfDialog;
};

} // namespace cordavo
