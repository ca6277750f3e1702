#pragma once

#include "cli/CliCommands.h"

namespace cordavo {

// "cordavo-cli guide": the tuning guide as a PDF sheet, plain text or rows.
extern const char kGuideHelp[];
CliResult runGuide(const QHash<QString, QString> &options, const QStringList &positionals);

} // namespace cordavo
