#pragma once

#include <QWidget>

#include <map>
#include <set>

namespace cordavo {

// A piano keyboard drawn from its lowest to its highest MIDI key, each of
// which must be a white key. A key sounds while the mouse holds it down;
// dragging across the keys plays them one after another. The keys sounding
// now, however they were started, are lit.
class PianoKeyboard : public QWidget
{
    Q_OBJECT
public:
    PianoKeyboard(int lowestKey, int highestKey, QWidget *parent = nullptr);

    void setSounding(const std::set<int> &keys);
    // Texts drawn on keys (the computer keys that play them), by MIDI key.
    void setKeyLabels(const std::map<int, QString> &labels);
    const std::set<int> &sounding() const { return m_sounding; }
    // Where a key is drawn; an empty rectangle for a key not on the keyboard.
    QRect keyRect(int key) const;
    // The key under a point, black keys first, or -1.
    int keyAt(const QPoint &point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static bool isBlack(int key);
    // "C4" for MIDI key 60.
    static QString keyName(int key);

signals:
    void keyPressed(int key);
    void keyReleased(int key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int whiteKeys() const;
    // The held key goes to 'key' (-1: none), releasing the one before.
    void holdKey(int key);

    int m_lowest;
    int m_highest;
    int m_held = -1;
    std::set<int> m_sounding;
    std::map<int, QString> m_labels;
};

} // namespace cordavo
