#include "ui/widgets/CentsList.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace cordavo {

namespace {

class RightAlignedRow : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->setFont(option.font);
        const QString text = index.data(Qt::DisplayRole).toString();
        const int width = option.fontMetrics.horizontalAdvance(text);
        painter->drawText(QPoint(option.rect.right() - width - 4, option.rect.top() + option.fontMetrics.ascent()),
                          text);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), 16);
    }
};

} // namespace

CentsList::CentsList(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new RightAlignedRow(this));
    setUniformItemSizes(true);
    QFont listFont = font();
    listFont.setPixelSize(13);
    setFont(listFont);
}

QStringList CentsList::lines() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}

void CentsList::setLines(const QStringList &lines)
{
    clear();
    addItems(lines);
}

} // namespace cordavo
