// Start-up milestones for the benchmark script: with TOVUKA_TIMING_LOG=FILE in the
// environment, each milestone appends a line "<name> <wall-clock nanoseconds>" to FILE,
// so that a script that noted the time before starting the game can tell how long the
// launcher took to appear and how long a mode button took to show the game. Without the
// variable a milestone costs one check of a flag.
#pragma once

namespace platform {

void Milestone(const char* name);

}  // namespace platform
