#pragma once

#include <QString>

namespace cordavo {

// A temperament's name made fit to start a file name on every desktop: the
// characters a file system refuses (/ \ : * ? " < > | and control characters)
// are dropped, or become a dash between two characters of a word (1/4 gives
// 1-4; a full stop too, so that none starts a suffix), line breaks and runs
// of blanks become one space, a name the system keeps for a device
// (CON, NUL, COM1 ...) gets "_", and the stem is cut to fit in any file name
// with a suffix. Empty when nothing usable is left; the caller then
// proposes a name of its own.
QString safeFileStem(const QString &name);

} // namespace cordavo
