#include "ui/widgets/PianoKeyboard.h"

#include "tuning/NoteSpelling.h"
#include "tuning/PitchTable.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace cordavo {

namespace {

constexpr int kWhiteWidth = 36;
constexpr int kHeight = 120;
// A black key's width and length as shares of a white key's.
constexpr double kBlackWidth = 0.6;
constexpr double kBlackLength = 0.62;

} // namespace

PianoKeyboard::PianoKeyboard(int lowestKey, int highestKey, QWidget *parent)
    : QWidget(parent), m_lowest(lowestKey), m_highest(highestKey)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

bool PianoKeyboard::isBlack(int key)
{
    const int pc = key % 12;
    return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

QString PianoKeyboard::keyName(int key)
{
    return noteWithOctave(key, octaveNamingInUse());
}

int PianoKeyboard::whiteKeys() const
{
    int count = 0;
    for (int key = m_lowest; key <= m_highest; ++key)
        count += isBlack(key) ? 0 : 1;
    return count;
}

QSize PianoKeyboard::sizeHint() const
{
    return {whiteKeys() * kWhiteWidth + 1, kHeight};
}

QSize PianoKeyboard::minimumSizeHint() const
{
    return {whiteKeys() * 18 + 1, kHeight};
}

QRect PianoKeyboard::keyRect(int key) const
{
    if (key < m_lowest || key > m_highest)
        return {};
    // The white keys share the width; a black key straddles the line between
    // the white keys either side of it.
    const double white = (width() - 1) / static_cast<double>(whiteKeys());
    int whitesBefore = 0;
    for (int k = m_lowest; k < key; ++k)
        whitesBefore += isBlack(k) ? 0 : 1;
    const int h = height() - 1;
    if (!isBlack(key)) {
        const auto left = static_cast<int>(std::lround(whitesBefore * white));
        const auto right = static_cast<int>(std::lround((whitesBefore + 1) * white));
        return {left, 0, right - left, h};
    }
    const double centre = whitesBefore * white;
    const auto left = static_cast<int>(std::lround(centre - white * kBlackWidth / 2));
    return {left, 0, static_cast<int>(std::lround(white * kBlackWidth)),
            static_cast<int>(std::lround(h * kBlackLength))};
}

int PianoKeyboard::keyAt(const QPoint &point) const
{
    for (bool black : {true, false}) {
        for (int key = m_lowest; key <= m_highest; ++key) {
            if (isBlack(key) == black && keyRect(key).contains(point))
                return key;
        }
    }
    return -1;
}

void PianoKeyboard::setSounding(const std::set<int> &keys)
{
    if (keys == m_sounding)
        return;
    m_sounding = keys;
    update();
}

void PianoKeyboard::setKeyLabels(const std::map<int, QString> &labels)
{
    m_labels = labels;
    update();
}

void PianoKeyboard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    const QColor lit = colours.color(QPalette::Highlight);
    const QColor outline = colours.color(QPalette::Dark);
    const bool enabled = isEnabled();
    for (bool black : {false, true}) {
        for (int key = m_lowest; key <= m_highest; ++key) {
            if (isBlack(key) != black)
                continue;
            const QRect r = keyRect(key);
            QColor fill = black ? QColor(0x22, 0x22, 0x22) : QColor(Qt::white);
            if (m_sounding.contains(key))
                fill = black ? lit.darker(130) : lit.lighter(150);
            if (!enabled)
                fill = black ? QColor(0x77, 0x77, 0x77) : QColor(0xee, 0xee, 0xee);
            painter.setPen(outline);
            painter.setBrush(fill);
            painter.drawRect(r);
            if (const auto label = m_labels.find(key); label != m_labels.end()) {
                painter.setPen(black ? QColor(Qt::white) : colours.color(QPalette::WindowText));
                painter.drawText(r.adjusted(0, 0, 0, black ? -4 : -r.height() / 3), Qt::AlignHCenter | Qt::AlignBottom,
                                 label->second);
            }
            if (key % 12 == 0) {
                painter.setPen(colours.color(QPalette::Disabled, QPalette::WindowText));
                painter.drawText(r.adjusted(0, 0, 0, -4), Qt::AlignHCenter | Qt::AlignBottom, keyName(key));
            }
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(lit, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void PianoKeyboard::holdKey(int key)
{
    if (key == m_held)
        return;
    if (m_held >= 0)
        emit keyReleased(m_held);
    m_held = key;
    if (m_held >= 0)
        emit keyPressed(m_held);
}

void PianoKeyboard::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    holdKey(keyAt(event->position().toPoint()));
}

void PianoKeyboard::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        holdKey(keyAt(event->position().toPoint()));
}

void PianoKeyboard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        holdKey(-1);
}

void PianoKeyboard::changeEvent(QEvent *event)
{
    // A keyboard disabled while a key is held lets it go.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        holdKey(-1);
    QWidget::changeEvent(event);
}

} // namespace cordavo
