#pragma once

#include "tuning/Result.h"
#include "tuning/TemperamentLibrary.h"

namespace cordavo {

// The temperament library that ships with the program: the table compiled
// into the core's resources, read once and kept. A table that does not
// read keeps its error, which the library window shows and the command line
// prints. The windows and the command line both call this one function.
const Result<TemperamentLibrary> &builtInLibrary();

} // namespace cordavo
