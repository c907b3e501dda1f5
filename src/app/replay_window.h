// Playing a replay in the window.
#pragma once

#include <string>

namespace app {

// Plays the recording at `path` in the game window, frame for frame as it was played; the
// real keyboard only ends it (ESC) or shows the training overlay (F1). Returns the exit
// status: 2 for a file that is no replay of this program's format.
int RunWindowReplay(const std::string& path);

}  // namespace app
