// The headless runner: the same game loop without a window, audio device or pacing.
#pragma once

#include "app/command_line.h"

namespace app {

// Runs the game as the options say; returns the process exit status.
int RunHeadless(const Options& options);

}  // namespace app
