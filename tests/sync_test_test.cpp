// The sync test: the game's frame run twice from a saved state gives the same states, in
// every mode from the mode button and in every pairing of the roster; a frame that keeps
// something of its own outside the state is caught at the frame it first shows, with the
// field it changed.
#include "app/sync_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/roster.h"
#include "support/game.h"
#include "support/run_binary.h"

using testing_support::Game;
using testing_support::RunGame;

namespace {

// A frame with a memory of its own: every third time it runs, player 1 steps a pixel.
int hiddenCount = 0;
void LeakyFrame(shell::GameState& state, const fight::FrameInput& input,
                shell::FrameEvents& events) {
    shell::GameFrame(state, input, events);
    if (++hiddenCount % 3 == 0) ++state.fighter[0].x;
}

// Player 1 walks, guards and attacks; ESC and SPACE pause and resume; player 2 answers in
// versus.
const char* const kBusyScript =
    "20 down S\n22 up S\n24 down G\n26 up G\n20 down DOWN\n22 up DOWN\n24 down MBUTTON\n"
    "26 up MBUTTON\n100 down F\n104 up F\n110 down D\n140 up D\n150 down ESC\n151 up ESC\n"
    "160 down SPACE\n161 up SPACE\n170 down H\n172 up H\n200 down J\n203 up J\n"
    "230 down RIGHT\n260 up RIGHT\n261 down H\n261 down G\n263 up H\n290 up G\n"
    "300 down LBUTTON\n302 up LBUTTON\n330 down RBUTTON\n333 up RBUTTON\n";

}  // namespace

TEST(SyncTest, EveryPairingOfTheRosterStepsTheSameTwice) {
    const std::vector<app::KeyEvent> none;
    const app::ScriptFeed feed(none);
    int checked = 0;
    for (int a = 1; a <= engine::kRosterSize; ++a) {
        for (int b = 1; b <= engine::kRosterSize; ++b) {
            Game game(static_cast<uint32_t>(a * 100 + b));
            game.StartFight(shell::kModeView, a, b);
            app::SyncTester tester(game.F(), 2);
            fight::FrameInput input{};
            for (int64_t frame = 0; frame < 240; ++frame) {
                app::SyncMismatch mismatch;
                ASSERT_TRUE(tester.Check(feed, frame, mismatch))
                    << a << " against " << b << ", frame " << mismatch.frame << ": "
                    << (mismatch.fields.empty() ? "" : mismatch.fields[0]);
                shell::GameFrame(game.F(), input, game.F().frameEvents);
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 225);
}

TEST(SyncTest, AFrameWithAMemoryOfItsOwnIsCaughtWithItsField) {
    Game game(5);
    game.StartFight(shell::kModeView, 2, 2);
    const std::vector<app::KeyEvent> none;
    const app::ScriptFeed feed(none);
    hiddenCount = 0;
    app::SyncTester tester(game.F(), 4, LeakyFrame);
    app::SyncMismatch mismatch;
    EXPECT_FALSE(tester.Check(feed, 10, mismatch));
    // The first run counts 1..4 (steps at 3), the second 5..8 (steps at 6): they part at
    // their second frame.
    EXPECT_EQ(mismatch.frame, 11);
    ASSERT_FALSE(mismatch.fields.empty());
    EXPECT_EQ(mismatch.fields[0].rfind("fighter[0].x ", 0), 0u) << mismatch.fields[0];
    EXPECT_EQ(game.F().phaseFrames, 0) << "the form is put back as it was";
}

TEST(SyncTest, WholeGamesFromTheModeButtonInEveryMode) {
    for (const char* mode : {"free", "vs", "tournament", "view"}) {
        SCOPED_TRACE(mode);
        const auto plain = RunGame({"--headless", "--seed", "3", "--mode", mode, "--input", "-",
                                    "--frames", "2500", "--trace", "-"},
                                   kBusyScript);
        const auto synced = RunGame({"--headless", "--seed", "3", "--mode", mode, "--input", "-",
                                     "--frames", "2500", "--trace", "-", "--sync-test", "8"},
                                    kBusyScript);
        EXPECT_EQ(synced.status, 0) << synced.err;
        EXPECT_EQ(synced.out, plain.out) << "the checked game is the game";
    }
    const auto bad = RunGame({"--headless", "--sync-test", "9", "--mode", "vs"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(RunGame({"--headless", "--sync-test", "2"}).status, 2) << "needs a mode";
}
