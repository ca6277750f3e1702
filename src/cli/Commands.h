#pragma once

#include "cli/CliShared.h"

namespace cordavo {

// The commands of cordavo-cli, each in a file of its own, in the order the
// main help lists them.
extern const CliCommand kXmlCommand;
extern const CliCommand kExportCommand;
extern const CliCommand kLibraryCommand;
extern const CliCommand kFifthsCommand;
extern const CliCommand kIntervalsCommand;
extern const CliCommand kDiffCommand;
extern const CliCommand kRenderCommand;
extern const CliCommand kGuideCommand;
extern const CliCommand kSendCommand;

} // namespace cordavo
