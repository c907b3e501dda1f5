// ESC and SPACE pressed in every state and phase of the game, and the window closed there:
// each situation is reached by playing from the start, then the keys go to the form's key
// handler between two frames, as the window host delivers them. A twin game that got no
// key shows what the game would have done without them.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/motion.h"
#include "platform/devices.h"
#include "shell/routines.h"
#include "support/game.h"

using shell::kStateCleared;
using shell::kStateFight;
using shell::kStateLauncher;
using shell::kStateSelect;
using testing_support::Game;
using testing_support::KnockOut;

namespace {

constexpr int kEsc = platform::VK_ESCAPE;
constexpr int kSpace = platform::VK_SPACE;

// Plays frames until the fight is in the given phase; false if it never gets there.
bool PlayUntilPhase(Game& g, int phase, int limit = 20000) {
    for (int n = 0; n < limit; ++n) {
        if (g.F().gameState == kStateFight && g.F().phase == phase) return true;
        g.Frame();
    }
    return false;
}

void Frames(Game& g, int n) {
    for (int i = 0; i < n; ++i)
        g.Frame();
}

struct Situation {
    const char* name;
    std::function<bool(Game&)> reach;  // false: the situation was not reached
    int state, phase;                  // where the game must then be
};

// Every state and every phase of the fight, each reached from a fresh game.
const std::vector<Situation>& Situations() {
    static const std::vector<Situation> all = {
        {"launcher", [](Game&) { return true; }, kStateLauncher, 0},
        {"select screen opening",
         [](Game& g) {
             shell::Button2Click(g.F());
             Frames(g, 3);
             return true;
         },
         kStateSelect, 0},
        {"select screen waiting for choices",
         [](Game& g) {
             shell::Button2Click(g.F());
             Frames(g, 60);
             return true;
         },
         kStateSelect, 1},
        {"ready call",
         [](Game& g) {
             g.StartFight(4, 2, 5);
             Frames(g, 30);
             return true;
         },
         kStateFight, 0},
        {"fight",
         [](Game& g) {
             g.StartFight(4, 7, 11);
             return PlayUntilPhase(g, 1) && (Frames(g, 200), true);
         },
         kStateFight, 1},
        {"special finish pause",
         [](Game& g) {
             g.StartFight(4, 3, 9);
             if (!PlayUntilPhase(g, 1)) return false;
             Frames(g, 50);
             KnockOut(g.F(), 1, 2);
             g.Frame();
             Frames(g, 10);
             return true;
         },
         kStateFight, 2},
        {"knock-out",
         [](Game& g) {
             g.StartFight(4, 2, 2);
             if (!PlayUntilPhase(g, 1)) return false;
             Frames(g, 80);
             KnockOut(g.F(), 0, 99);
             return PlayUntilPhase(g, 3) && (Frames(g, 20), true);
         },
         kStateFight, 3},
        {"result",
         [](Game& g) {
             g.StartFight(4, 12, 6);
             if (!PlayUntilPhase(g, 1)) return false;
             Frames(g, 80);
             KnockOut(g.F(), 1, 99);
             return PlayUntilPhase(g, 4) && (Frames(g, 30), true);
         },
         kStateFight, 4},
        {"tournament continue wait",
         [](Game& g) {
             // Player 1 presses nothing: the computer beats him.
             g.StartFight(3, 2, 8);
             return PlayUntilPhase(g, 5) && (Frames(g, 40), true);
         },
         kStateFight, 5},
        {"tournament cleared",
         [](Game& g) {
             g.StartFight(3, 4, 1);
             g.F().tournamentWins = 9;
             if (!PlayUntilPhase(g, 1)) return false;
             KnockOut(g.F(), 1, 99);
             for (int n = 0; n < 1000 && g.F().gameState != kStateCleared; ++n)
                 g.Frame();
             Frames(g, 5);
             return g.F().gameState == kStateCleared;
         },
         kStateCleared, 0},
    };
    return all;
}

// What a frame leaves behind that matters for the game going on: the form's state and
// every changing field of both fighters (their tables come from the roster and do not
// change in a fight).
struct Snapshot {
    std::vector<int32_t> values;

    explicit Snapshot(const shell::TForm1& f) {
        values = {f.gameState,     f.phase,          f.phaseFrames,   f.tournamentWins,
                  f.gameMode,      f.chosenKind[0],  f.chosenKind[1], f.selectDone[0],
                  f.selectDone[1], f.selectDelay[0], f.selectDelay[1]};
        for (const engine::Fighter& d : f.fighter) {
            const int32_t fields[] = {d.side,
                                      d.kind,
                                      d.x,
                                      d.y,
                                      d.health,
                                      d.stamina,
                                      d.healthCeiling,
                                      d.tick,
                                      d.stance,
                                      d.code,
                                      d.koMark,
                                      d.counterHitFlag,
                                      d.weakHitFlag,
                                      d.powerLevel,
                                      d.staminaRefused,
                                      d.cpuIdleTicks,
                                      d.cpuPlanTicks,
                                      d.cpuDistance,
                                      d.cpuPlanActive,
                                      d.cpuPlan,
                                      d.cpuReaction,
                                      d.cpuStatus};
            values.insert(values.end(), std::begin(fields), std::end(fields));
        }
    }

    bool operator==(const Snapshot& o) const { return values == o.values; }
    std::string Describe() const {
        return "state " + std::to_string(values[0]) + " phase " + std::to_string(values[1]) + " (" +
               std::to_string(values[2]) + " frames)";
    }
};

// The fighters are whole in every frame: known codes, on the stage, health under its
// ceiling.
void ExpectSoundFighters(const shell::TForm1& f, const std::string& where) {
    if (f.gameState != kStateFight) return;
    for (int i = 0; i < 2; ++i) {
        const engine::Fighter& d = f.fighter[i];
        ASSERT_TRUE(engine::IsValidCode(d.code) && d.x > 50 && d.x < 749 &&
                    d.health <= d.healthCeiling && d.tick >= 0)
            << where << ": fighter " << i + 1 << " code " << d.code << " x " << d.x;
    }
}

// A fresh game brought into the situation, with the same seed every time.
bool Reach(Game& g, const Situation& s) {
    if (!s.reach(g)) return false;
    return g.F().gameState == s.state && g.F().phase == s.phase && !g.F().paused;
}

// Runs the game after its keys; in the launcher the mode button comes first, as no frame
// runs there before one is pressed.
void GoOn(Game& g, int frames, const std::string& where) {
    if (g.F().gameState == kStateLauncher) shell::Button4Click(g.F());
    for (int i = 0; i < frames; ++i) {
        g.Frame();
        ExpectSoundFighters(g.F(), where);
    }
}

class KeysEverywhere : public ::testing::TestWithParam<size_t> {
  protected:
    const Situation& S() const { return Situations()[GetParam()]; }
    void ReachBoth(Game& keyed, Game& twin) {
        ASSERT_TRUE(Reach(keyed, S())) << S().name << " not reached";
        ASSERT_TRUE(Reach(twin, S()));
        ASSERT_TRUE(Snapshot(keyed.F()) == Snapshot(twin.F())) << "the two games differ";
    }
    bool ContinueWait() const { return S().state == kStateFight && S().phase == 5; }
};

}  // namespace

// SPACE outside the continue wait and outside a pause changes nothing at all.
TEST_P(KeysEverywhere, SpaceAloneChangesNothing) {
    if (ContinueWait()) GTEST_SKIP() << "SPACE continues the tournament here";
    Game keyed(11), twin(11);
    ReachBoth(keyed, twin);
    shell::FormKeyDown(keyed.F(), kSpace);
    shell::FormKeyDown(keyed.F(), kSpace);
    EXPECT_FALSE(keyed.F().paused);
    EXPECT_FALSE(keyed.F().closeRequested);
    GoOn(keyed, 300, S().name);
    GoOn(twin, 300, S().name);
    EXPECT_TRUE(Snapshot(keyed.F()) == Snapshot(twin.F()))
        << S().name << ": " << Snapshot(keyed.F()).Describe() << " against "
        << Snapshot(twin.F()).Describe();
}

// ESC freezes the game where it is, however long the pause lasts; SPACE lets it go on
// exactly as if nothing had happened.
TEST_P(KeysEverywhere, EscFreezesAndSpaceResumesLosingNothing) {
    if (ContinueWait()) GTEST_SKIP() << "ESC gives up the tournament here";
    Game keyed(23), twin(23);
    ReachBoth(keyed, twin);
    shell::FormKeyDown(keyed.F(), kEsc);
    ASSERT_TRUE(keyed.F().paused);
    EXPECT_FALSE(keyed.F().closeRequested);
    if (keyed.F().gameState != kStateLauncher) {
        const Snapshot frozen(keyed.F());
        for (int i = 0; i < 150; ++i) {
            keyed.Frame();
            ASSERT_TRUE(Snapshot(keyed.F()) == frozen)
                << S().name << ": moved in paused frame " << i;
            ASSERT_TRUE(keyed.sounds.Count() == 0) << S().name << ": a sound while paused";
        }
    }
    shell::FormKeyDown(keyed.F(), kSpace);
    EXPECT_FALSE(keyed.F().paused);
    GoOn(keyed, 400, S().name);
    GoOn(twin, 400, S().name);
    EXPECT_TRUE(Snapshot(keyed.F()) == Snapshot(twin.F()))
        << S().name << ": " << Snapshot(keyed.F()).Describe() << " against "
        << Snapshot(twin.F()).Describe();
}

// ESC twice asks to end the program from anywhere but the continue wait, where the first
// ESC gives up the tournament; closing is safe in every state, and only happens once.
TEST_P(KeysEverywhere, EscTwiceEndsTheProgramAndClosingIsSafe) {
    Game g(5);
    ASSERT_TRUE(Reach(g, S())) << S().name << " not reached";
    shell::FormKeyDown(g.F(), kEsc);
    if (ContinueWait()) {
        EXPECT_EQ(g.F().gameState, kStateSelect) << "ESC gives up";
        EXPECT_FALSE(g.F().paused);
        shell::FormKeyDown(g.F(), kEsc);
        EXPECT_TRUE(g.F().paused) << "the second ESC pauses the select screen";
        shell::FormKeyDown(g.F(), kEsc);
    } else {
        shell::FormKeyDown(g.F(), kEsc);
    }
    EXPECT_TRUE(g.F().closeRequested) << S().name;
    shell::FormClose(g.F());
    EXPECT_TRUE(g.F().closed);
    shell::FormClose(g.F());  // the window's close after ESC ESC: nothing more happens
}

// The window closed without any key, in the middle of whatever the game is doing.
TEST_P(KeysEverywhere, WindowClosedMidGame) {
    Game g(8);
    ASSERT_TRUE(Reach(g, S())) << S().name << " not reached";
    shell::FormClose(g.F());
    EXPECT_TRUE(g.F().closed);
    shell::FormClose(g.F());
}

INSTANTIATE_TEST_SUITE_P(EveryStateAndPhase, KeysEverywhere,
                         ::testing::Range<size_t>(0, Situations().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name = Situations()[info.param].name;
                             for (char& c : name)
                                 if (c == ' ' || c == '-') c = '_';
                             return name;
                         });

// In the continue wait SPACE takes the lost match again: the same two fighters, whole
// again, the win count kept.
TEST(KeysInTheContinueWait, SpaceFightsTheSameMatchAgain) {
    Game g(31);
    g.StartFight(3, 2, 8);
    g.F().tournamentWins = 3;
    ASSERT_TRUE(PlayUntilPhase(g, 5));
    const int32_t opponent = g.F().chosenKind[1];
    shell::FormKeyDown(g.F(), kSpace);
    EXPECT_EQ(g.F().gameState, kStateFight);
    EXPECT_EQ(g.F().phase, 0);
    EXPECT_EQ(g.F().tournamentWins, 3);
    EXPECT_EQ(g.F().chosenKind[1], opponent);
    EXPECT_EQ(g.F().fighter[0].health, g.F().fighter[0].healthMax);
    EXPECT_EQ(g.F().fighter[0].koMark, 0);
    // Pressing it again in the new ready call does nothing more.
    shell::FormKeyDown(g.F(), kSpace);
    EXPECT_EQ(g.F().phase, 0);
    EXPECT_FALSE(g.F().paused);
}
