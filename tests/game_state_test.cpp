// The game state as one plain record: a copy is the same state, and the checksum sees a
// change anywhere in it, from the first key of player 1's snapshot to the last value of
// player 2's motion tables.
#include "shell/game_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "support/game.h"

namespace {

using shell::GameState;
using shell::StateChecksum;

}  // namespace

TEST(GameStateRecord, ACopyHasTheSameChecksumAndAChangeAnywhereShows) {
    testing_support::Game game(7);
    game.StartFight(shell::kModeView, 3, 11);
    for (int i = 0; i < 200; ++i)
        game.Frame();
    const GameState& live = game.F();
    auto copy = std::make_unique<GameState>(live);
    const uint64_t sum = StateChecksum(live);
    ASSERT_EQ(StateChecksum(*copy), sum);
    ASSERT_EQ(std::memcmp(copy.get(), &live, sizeof(GameState)), 0);

    const std::vector<std::pair<const char*, std::function<void(GameState&)>>> changes = {
        {"a key of player 1's snapshot", [](GameState& s) { s.input[0].keyState[0] ^= 0x80; }},
        {"player 2's command", [](GameState& s) { ++s.input[1].command; }},
        {"a fighter's position", [](GameState& s) { ++s.fighter[0].x; }},
        {"a cell hits rewrite",
         [](GameState& s) { ++s.fighter[1].tables[0][engine::kMotionGuard][1].duration; }},
        {"the last value of the tables",
         [](GameState& s) { ++s.fighter[1].tables[1][39][12].cpuFollowUp[3]; }},
        {"the computer player's status", [](GameState& s) { ++s.fighter[1].cpuStatus; }},
        {"the phase counter", [](GameState& s) { ++s.phaseFrames; }},
        {"a tournament opponent", [](GameState& s) { ++s.tournamentOpponents[4][9]; }},
        {"the pause", [](GameState& s) { s.paused ^= 1; }},
        {"the random generator", [](GameState& s) { s.rng.Next(); }},
        {"the last hit result", [](GameState& s) { ++s.frameHits[1]; }},
    };
    for (const auto& [what, change] : changes) {
        auto changed = std::make_unique<GameState>(live);
        change(*changed);
        EXPECT_NE(StateChecksum(*changed), sum) << what;
    }
}
