#pragma once

class QWidget;

namespace cordavo {

// Shows a window modeless, or brings it to the front when already visible,
// and asks for its activation: without a window manager, showing alone
// does not activate it, and windows act on their activation.
void bringToFront(QWidget *window);

} // namespace cordavo
