// The fighter dump: one fighter built as for a fight, printed as JSON.
#pragma once

#include "app/command_line.h"

namespace app {

// Builds fighter options.dumpKind for side 1 with powerLevel options.dumpPower against
// options.dumpOpponent (0: itself) and prints it to standard output. Returns the exit status:
// 0, or 2 with a one-line reason on standard error when that fighter is not built yet.
int DumpFighter(const Options& options);

}  // namespace app
