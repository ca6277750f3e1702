#pragma once

#include "cli/CliShared.h"
#include "tuning/TuningExport.h"

#include <QHash>

#include <optional>

namespace cordavo {

// The exchange with GrandOrgue's settings file on the command line:
// "export --format grandorgue" and "library --grandorgue FILE".

// The whole answer of "export" when it is one for GrandOrgue (or a usage
// error for GrandOrgue's options given with another format); nothing when
// the export is another format's.
std::optional<CliResult> grandOrgueExport(const CliOptions &options);
// The same for "library": the answer when --grandorgue or --title is given.
std::optional<CliResult> grandOrgueLibrary(const CliOptions &options, const QStringList &positionals);

} // namespace cordavo
