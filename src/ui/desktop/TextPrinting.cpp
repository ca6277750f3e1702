#include "ui/desktop/TextPrinting.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace cordavo {

QString printTextLines(QPrinter &printer, const QStringList &lines, const QFont &font)
{
    // The painter starts inside the margins chosen in the page setup.
    QString error;
    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate("cordavo::TextPrinting", "Cannot print: the printer could not be opened");
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &printer);
    const qreal lineHeight = metrics.lineSpacing();
    const qreal pageWidth = printer.width();
    const qreal pageHeight = printer.height();
    qreal y = 0;

    auto nextLineTop = [&]() -> bool {
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!printer.newPage())
                return false;
            y = 0;
        }
        return true;
    };

    for (const QString &line : lines) {
        QTextLayout layout(line, painter.font(), &printer);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        QList<QTextLine> pieces;
        for (QTextLine piece = layout.createLine(); piece.isValid(); piece = layout.createLine()) {
            piece.setLineWidth(pageWidth);
            piece.setPosition(QPointF(0, 0));
            pieces << piece;
        }
        layout.endLayout();
        if (pieces.isEmpty()) {
            if (!nextLineTop())
                break;
            y += lineHeight;
            continue;
        }
        for (const QTextLine &piece : pieces) {
            if (!nextLineTop())
                break;
            piece.draw(&painter, QPointF(0, y));
            y += lineHeight;
        }
        if (printer.printerState() == QPrinter::Error)
            break;
    }
    painter.end();
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        error = QCoreApplication::translate("cordavo::TextPrinting", "Printing failed: the printer reported an error");
    return error;
}

} // namespace cordavo
