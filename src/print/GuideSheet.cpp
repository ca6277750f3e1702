#include "print/GuideSheet.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace cordavo {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The tuning order is read at the keyboard, at arm's length: it gets the
// largest type; the checks and the tuner's table less.
QString tableHtml(const GuideTable &table, bool tuningOrder)
{
    const int points = tuningOrder ? 13 : 10;
    QString html = QStringLiteral("<h2 style=\"font-size:14pt; margin-top:10pt; margin-bottom:3pt\">%1</h2>")
                       .arg(escaped(table.heading));
    for (const QString &lead : table.lead)
        html += QStringLiteral("<p style=\"font-size:%1pt; margin-top:0; margin-bottom:4pt\">%2</p>")
                    .arg(tuningOrder ? 12 : 10)
                    .arg(escaped(lead));
    if (table.columns.isEmpty())
        return html;
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"%1\" width=\"100%\" "
                           "style=\"border-collapse:collapse; border-color:#888; font-size:%2pt\">")
                .arg(tuningOrder ? 4 : 2)
                .arg(points);
    html += QStringLiteral("<tr>");
    for (const QString &column : table.columns)
        // A unit after a slash stays with its word ("Schwebungen/s"): a word joiner forbids the break.
        html += QStringLiteral("<th style=\"background-color:#e8e8e8\">%1</th>")
                    .arg(escaped(column).replace(QLatin1Char('/'), QStringLiteral("/\u2060")));
    html += QStringLiteral("</tr>");
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const QStringList &row = table.rows[r];
        const bool check = r < table.checkRows.size() && table.checkRows[r];
        // A check is set back from the steps, in grey italics.
        html += check ? QStringLiteral("<tr style=\"color:#555555; font-style:italic\">") : QStringLiteral("<tr>");
        for (qsizetype c = 0; c < row.size(); ++c) {
            const bool numeric = c < table.numeric.size() && table.numeric[c];
            QString cell = escaped(row[c]);
            // The step's number and the note it tunes stand out.
            if (tuningOrder && !check && (c == 0 || c == 2))
                cell = QStringLiteral("<b>%1</b>").arg(cell);
            if (row[c] == intervalSoundDisplayName(IntervalSound::Pure))
                cell = QStringLiteral("<span style=\"color:#007a00\">%1</span>").arg(cell);
            html += QStringLiteral("<td align=\"%1\">%2</td>").arg(numeric ? "right" : "left", cell);
        }
        html += QStringLiteral("</tr>");
    }
    // A little air before the next heading, which the heading's own margin does not give after a table.
    return html + QStringLiteral("</table><p style=\"font-size:4pt; margin:0\">&nbsp;</p>");
}

} // namespace

QString guideHtml(const GuideDocument &document)
{
    QString html = QStringLiteral("<html><body style=\"font-family:sans-serif\">");
    html += QStringLiteral("<h1 style=\"font-size:20pt; margin-bottom:2pt\">%1</h1>").arg(escaped(document.title));
    QStringList subtitle;
    for (const QString &line : document.subtitle)
        subtitle << escaped(line);
    html +=
        QStringLiteral("<p style=\"font-size:11pt; margin-top:0\">%1</p>").arg(subtitle.join(QStringLiteral("<br>")));
    for (qsizetype i = 0; i < document.tables.size(); ++i)
        html += tableHtml(document.tables[i], i == 0);
    return html + QStringLiteral("</body></html>");
}

void setGuideSheet(QTextDocument &text, const GuideDocument &document)
{
    // A narrow column widens to its longest word rather than cut a word in two.
    QTextOption option = text.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    text.setDefaultTextOption(option);
    text.setHtml(guideHtml(document));
}

bool paintGuideSheet(QPagedPaintDevice &device, const GuideDocument &document)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal width = device.width();
    const qreal height = device.height();
    QTextDocument text;
    // Laid out at the device's resolution, so that points are points on paper.
    text.documentLayout()->setPaintDevice(&device);
    text.setDocumentMargin(0);
    // No ligatures: the sheet's text is copied and searched as typed ("fifth", not "ﬁfth").
    QFont font = text.defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    text.setDefaultFont(font);
    setGuideSheet(text, document);
    text.setTextWidth(width);
    // Too long for the page: laid out wider and drawn smaller, until it fits.
    qreal scale = 1;
    for (int attempt = 0; attempt < 4 && text.size().height() * scale > height; ++attempt) {
        scale *= height / (text.size().height() * scale);
        text.setTextWidth(width / scale);
    }
    if (text.size().height() * scale > height)
        scale = height / text.size().height();
    painter.scale(scale, scale);
    text.drawContents(&painter, QRectF(0, 0, width / scale, height / scale));
    return painter.end();
}

Result<QByteArray> guidePdf(const GuideDocument &document, const QPageSize &pageSize)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Cordavo"));
        if (!paintGuideSheet(writer, document))
            return failure(QCoreApplication::translate("GuideSheet", "the PDF page cannot be drawn"));
    }
    return buffer.data();
}

} // namespace cordavo
