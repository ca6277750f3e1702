#pragma once

#include <QColor>
#include <QWidget>

namespace cordavo {

// A panel filled with a colour of its own. It paints the colour itself
// rather than through its palette, which its controls would inherit; its
// labels get a text colour that reads on it, whatever the desktop's theme.
class FilledPanel : public QWidget
{
public:
    FilledPanel(const QColor &colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_colour;
};

} // namespace cordavo
