#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QKeyEvent;

namespace cordavo {

// The computer keys that play an octave, C to C, as on a piano: the white
// notes on the row of letters below the top one (A S D F G H J K on an
// English keyboard), the black ones on the row above it, between them (W E
// T Y U). They are keys by their place, wherever a layout puts its letters
// (Z and Y change places on a German keyboard, A and Q, W and Z on a French
// one), so that they keep the shape of a keyboard.
inline constexpr int kComputerKeys = 13;

// Which of those keys (0 for the first C ... 12 for the last) the platform's
// codes of a key name: its scan code (X11, Wayland, Windows) or virtual key
// (macOS). -1 for another key, or a platform that tells nothing of places
// (the offscreen one).
int computerKeyAt(const QString &platform, quint32 scanCode, quint32 virtualKey);
int computerKeyAt(const QKeyEvent &event);

// The letters those places carry on the usual keyboard of a language and
// country, C to C: QWERTZ in German-speaking and central European
// countries, AZERTY in France and Belgium, QWERTY elsewhere.
QStringList computerKeyLetters(const QLocale &keyboard);

} // namespace cordavo
