#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;

namespace cordavo {

// Prints lines of text in one print job, from the top-left corner inside the
// page's margins downwards; a line wider than the page continues on the next
// printed line, and a new page starts when the next line would pass the
// bottom. Returns an empty string on success, otherwise the message to show.
QString printTextLines(QPrinter &printer, const QStringList &lines, const QFont &font);

} // namespace cordavo
