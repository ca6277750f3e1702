#pragma once

#include "numbers/Separators.h"

namespace cordavo {

// The decimal and thousands separators of the user's regional setting.
Separators systemSeparators();

} // namespace cordavo
