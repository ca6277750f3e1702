#include "ui/widgets/FilledPanel.h"

#include <QPainter>

namespace cordavo {

FilledPanel::FilledPanel(const QColor &colour, QWidget *parent) : QWidget(parent), m_colour(colour)
{
    QPalette text = palette();
    text.setColor(QPalette::WindowText, colour.lightness() < 128 ? Qt::white : Qt::black);
    setPalette(text);
}

void FilledPanel::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace cordavo
