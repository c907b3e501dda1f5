// A network game without a window: --headless --mode vs --host PORT | --join HOST:PORT.
#pragma once

#include "app/command_line.h"

namespace app {

// Runs the network game the options describe; returns the exit status: 0 when the frames
// ran or the session ended by ESC twice, 2 for a bad input script, 3 when the other peer
// vanished or refused, 4 on a desync.
int RunNetplayHeadless(const Options& options);

}  // namespace app
