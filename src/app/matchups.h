// The matchup simulator: every fighter against every fighter, computer against computer,
// on both sides and with several seeds, headless and on all cores.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace app {

struct MatchupResult {
    // wins[a][b]: fights fighter a won against fighter b (either side); fights[a][b] those
    // it fought; index = roster number - 1.
    int wins[15][15] = {};
    int fights[15][15] = {};
    int draws = 0;
    std::vector<int> lengths;  // frames from the ready call to the knock-out, per fight
    int64_t frames = 0;        // every frame simulated
    double seconds = 0;
};

// One fight of fighter a (player 1) against fighter b (player 2), the computer playing
// both, player 2 at the given power level. Returns the frames to the knock-out, and who is
// down: 1 (player 1), 2 (player 2) or 3 (both); -1 when nobody fell within the limit.
struct FightOutcome {
    int frames;
    int loser;
    int64_t simulated;
};
FightOutcome SimulateFight(int a, int b, uint32_t seed, int power);

// All 225 pairings, `seeds` fights each, on `threads` threads (0: every core).
MatchupResult RunMatchupTable(int seeds, int power, int threads);

// The command: prints the table, each fighter's overall rate, the median fight length and
// the throughput; writes the CSV when asked. Returns the exit status.
int RunMatchups(const Options& options);

}  // namespace app
