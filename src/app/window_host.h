// The window host: the SDL window and the event loop around the form's frame loop.
#pragma once

#include "app/command_line.h"

namespace app {

// Runs the game in a window until the window closes; returns the exit status.
int RunWindow();

// The training room in the window, without the launcher (--training).
int RunWindowTraining();

// A network game in the window (--host PORT / --join HOST:PORT), without the launcher.
int RunWindowNetwork(const Options& options);

}  // namespace app
