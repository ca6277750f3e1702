#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace cordavo {

// A window drawn larger than the screen it shows on (a small screen, or a
// large one at 150 % scaling) still shows every control: its contents
// scroll. On a screen where it fits nothing changes.

// What a window's frame (title bar and borders) takes around it: the frame
// it has once shown, an allowance for one before.
QMargins frameAllowance(const QWidget *window);

// Fits a window, frame included, into an area of the screen. When the least
// size that shows all of its controls exceeds the area, the contents go into
// a scroll area and the window takes what room there is; a window whose
// layout can shrink enough only shrinks; a window that fits is left as it
// is. True when the contents scroll.
bool fitWithin(QWidget *window, const QRect &available);

// The same for the free area of the screen the window shows on (the primary
// screen before it first shows).
bool fitToScreen(QWidget *window);

// Fits a window to its screen and places it at the centre, its title bar on
// the screen.
void placeOnScreen(QWidget *window);

} // namespace cordavo
