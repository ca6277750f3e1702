#pragma once

#include "tuning/Result.h"
#include "tuning/TuningGuide.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace cordavo {

// The tuning guide as a sheet to take to the instrument: one page, large
// type, the steps numbered. Drawing text needs a QGuiApplication.

// The sheet as rich text, for the window's view and the printed page.
QString guideHtml(const GuideDocument &document);

// The sheet set in a text document, for the window's view and the page:
// words are never cut in two.
void setGuideSheet(QTextDocument &text, const GuideDocument &document);
// Draws the sheet on the next page of a printer or PDF writer, within its
// margins, shrunk to fit the one page when it must. False when the device
// cannot be drawn on.
bool paintGuideSheet(QPagedPaintDevice &device, const GuideDocument &document);

// The sheet as a PDF file on a page of this size, with margins of 15 mm.
Result<QByteArray> guidePdf(const GuideDocument &document, const QPageSize &pageSize);

} // namespace cordavo
