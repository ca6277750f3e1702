#include "ui/widgets/LayoutGrowth.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <functional>

namespace cordavo {

namespace {

constexpr qreal kStep = 0.05;
constexpr qreal kMostGrowth = 4;

// Controls placed by the program, not the inner parts of a composite widget.
void forEachPlaced(QWidget *parent, const std::function<void(QWidget *)> &visit)
{
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        visit(widget);
        const bool composite = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
                               qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractScrollArea *>(widget);
        if (!composite)
            forEachPlaced(widget, visit);
    }
}

bool ownPixelFont(const QWidget *widget)
{
    return widget->testAttribute(Qt::WA_SetFont) && widget->font().pixelSize() > 0;
}

QRect grown(const QRect &r, qreal factor)
{
    // Both edges are scaled, so that neighbours stay neighbours.
    const int left = qRound(r.left() * factor);
    const int top = qRound(r.top() * factor);
    const int right = qRound((r.right() + 1) * factor);
    const int bottom = qRound((r.bottom() + 1) * factor);
    return QRect(left, top, right - left, bottom - top);
}

// Whether a text control shows all of its text at this growth.
bool fits(const QWidget *widget, qreal factor)
{
    const QSize size = grown(widget->geometry(), factor).size();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return true;
        if (label->wordWrap())
            return label->heightForWidth(size.width()) <= size.height();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return true;
    } else {
        return true;
    }
    const QSize needed = widget->sizeHint();
    return needed.width() <= size.width() && needed.height() <= size.height();
}

} // namespace

qreal growthToFit(const QWidget *root)
{
    QList<const QWidget *> texts;
    forEachPlaced(const_cast<QWidget *>(root), [&texts, root](QWidget *widget) {
        if (widget->isVisibleTo(root) && !ownPixelFont(widget))
            texts << widget;
    });
    qreal factor = 1;
    for (const QWidget *widget : texts) {
        while (factor < kMostGrowth && !fits(widget, factor))
            factor += kStep;
    }
    return factor;
}

void growLayout(QWidget *root, qreal factor)
{
    if (factor == 1)
        return;
    forEachPlaced(root, [factor](QWidget *widget) {
        widget->setGeometry(grown(widget->geometry(), factor));
        if (ownPixelFont(widget)) {
            QFont font = widget->font();
            font.setPixelSize(qRound(font.pixelSize() * factor));
            widget->setFont(font);
        }
    });
}

} // namespace cordavo
