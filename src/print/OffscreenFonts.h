#pragma once

namespace cordavo {

// Called before a QGuiApplication on Qt's offscreen platform is made (the
// command line draws the tuning guide's PDF on it). On Linux that platform
// asks fontconfig for the system's fonts. On Windows it reads the font files
// of one folder, by default lib\fonts beside Qt, which the packages do not
// have, and would draw every letter as a box: it is pointed at Windows' own
// Fonts folder instead, unless QT_QPA_FONTDIR names another, and its default
// font is a sans-serif one of Windows'.
void useSystemFontsOffscreen();

} // namespace cordavo
