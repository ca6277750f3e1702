#pragma once

#include <QFont>

namespace cordavo {

// A font by the name the windows were drawn with ("MS Sans Serif",
// "Courier New"); where the desktop lacks it, its own sans-serif or
// monospace font of that pixel size (the sans-serif one is the program's
// own font, the desktop's unless changed).
QFont windowFont(const QString &family, QFont::StyleHint hint, int pixelSize = 0);

} // namespace cordavo
