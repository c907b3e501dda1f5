// The window host: the SDL window and the event loop around the form's frame loop.
#pragma once

namespace app {

// Runs the game in a window until the window closes; returns the exit status.
int RunWindow();

}  // namespace app
