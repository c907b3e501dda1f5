// Many fights in every mode: computer against computer, and human players pressing keys at
// random against the computer and each other. The fight's invariants hold on every frame
// and every fight ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "engine/roster.h"
#include "platform/devices.h"
#include "shell/routines.h"
#include "support/game.h"

using testing_support::Game;

namespace {

constexpr int kFrameLimit = 30000;  // far beyond any real fight

// Players who press their seven keys at random: every frame each key may go down or up.
class Mashers {
  public:
    explicit Mashers(uint32_t seed) : rng_(seed) {}
    void Step(Game& g, bool human1, bool human2) {
        for (int p = 0; p < 2; ++p) {
            if (!(p == 0 ? human1 : human2)) continue;
            for (int k = 0; k < 7; ++k) {
                const int vk = g.F().input[p].keyCode[k];
                if (vk != 0 && rng_() % 6 == 0) g.devices.SetKey(vk, !g.devices.IsDown(vk));
            }
        }
    }
    uint32_t Next() { return rng_(); }

  private:
    std::mt19937 rng_;
};

bool HumanOne(int mode) {
    return mode != 4;
}
bool HumanTwo(int mode) {
    return mode == 2;
}

// The fight's invariants for one frame; false (after reporting) when one broke.
bool FightersSound(const shell::TForm1& form, const char* what, int frame) {
    const engine::Fighter* f = form.fighter;
    for (int i = 0; i < 2; ++i) {
        const bool ok = engine::IsValidCode(f[i].code) && f[i].x > 50 && f[i].x < 749 &&
                        f[i].health <= f[i].healthCeiling && (f[i].stance & ~1) == 0 &&
                        f[i].stamina <= f[i].staminaMax && f[i].tick >= 0 && f[i].kind >= 1 &&
                        f[i].kind <= engine::kRosterSize;
        if (!ok) {
            ADD_FAILURE() << what << " frame " << frame << ": fighter " << i + 1 << " code "
                          << f[i].code << " x " << f[i].x << " health " << f[i].health << "/"
                          << f[i].healthCeiling;
            return false;
        }
    }
    if (f[0].x >= f[1].x) {
        ADD_FAILURE() << what << " frame " << frame << ": fighter 1 at " << f[0].x
                      << " not left of " << f[1].x;
        return false;
    }
    return true;
}

// Runs one fight of the mode from the ready call to the end of the result phase, the human
// players mashing keys; returns the number of frames it took, or -1 when an invariant broke
// (after reporting it).
int SoakFight(int mode, int kind1, int kind2, uint32_t seed) {
    Game g(seed);
    g.StartFight(mode, kind1, kind2);
    Mashers mashers(seed);
    shell::TForm1& form = g.F();
    char what[64];
    std::snprintf(what, sizeof what, "mode %d, %d v %d, seed %u", mode, kind1, kind2, seed);
    for (int frame = 0; frame < kFrameLimit; ++frame) {
        mashers.Step(g, HumanOne(mode), HumanTwo(mode));
        g.Frame();
        if (form.gameState != shell::kStateFight || form.phase == 5) return frame + 1;
        if (!FightersSound(form, what, frame)) return -1;
    }
    ADD_FAILURE() << what << ": no end in " << kFrameLimit << " frames";
    return -1;
}

std::vector<int> BuiltKinds() {
    std::vector<int> kinds;
    for (int k = 1; k <= engine::kRosterSize; ++k)
        if (engine::RosterFor(k) != nullptr) kinds.push_back(k);
    return kinds;
}

void Report(const char* what, std::vector<int>& lengths) {
    if (lengths.empty()) return;
    std::sort(lengths.begin(), lengths.end());
    std::printf("%s: %zu fights, frames median %d, min %d, max %d\n", what, lengths.size(),
                lengths[lengths.size() / 2], lengths.front(), lengths.back());
}

}  // namespace

TEST(Soak, ReferenceFighterMirrorManySeeds) {
    std::vector<int> lengths;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const int n = SoakFight(4, 2, 2, seed);
        ASSERT_GT(n, 0);
        lengths.push_back(n);
    }
    Report("fighter 2 v 2", lengths);
}

TEST(Soak, EveryPairingOfTheRosterBothSides) {
    std::vector<int> lengths;
    const std::vector<int> kinds = BuiltKinds();
    for (int a : kinds)
        for (int b : kinds)
            for (uint32_t seed = 1; seed <= 2; ++seed) {
                const int n = SoakFight(4, a, b, seed * 7919 + a * 31 + b);
                ASSERT_GT(n, 0);
                lengths.push_back(n);
            }
    Report("every pairing", lengths);
}

// Free fight, versus and tournament: every pairing, the human players mashing keys.
TEST(Soak, EveryPairingInTheModesWithHumanPlayers) {
    const std::vector<int> kinds = BuiltKinds();
    for (int mode : {1, 2, 3}) {
        std::vector<int> lengths;
        for (int a : kinds)
            for (int b : kinds) {
                const int n = SoakFight(mode, a, b, 104729u * mode + a * 31 + b);
                ASSERT_GT(n, 0);
                lengths.push_back(n);
            }
        const char* names[] = {"", "free fight", "versus", "tournament"};
        Report(names[mode], lengths);
    }
}

// Whole games in every mode from the mode button on: choosing on the select screen, fights,
// the tournament's next matches and continue wait, with ESC and SPACE pressed now and then
// between frames. The game never leaves its states, the fighters stay whole, and fights
// keep coming to an end.
TEST(Soak, WholeGamesInEveryModeWithKeysBetweenFrames) {
    for (int mode = 1; mode <= 4; ++mode)
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            Game g(seed * 17 + mode);
            Mashers mashers(seed * 101 + mode);
            shell::TForm1& form = g.F();
            switch (mode) {
                case 1: shell::Button1Click(form); break;
                case 2: shell::Button2Click(form); break;
                case 3: shell::Button3Click(form); break;
                default: shell::Button4Click(form); break;
            }
            char what[48];
            std::snprintf(what, sizeof what, "mode %d seed %u", mode, seed);
            int fightsEnded = 0;
            bool wasFighting = false;
            for (int frame = 0; frame < 20000; ++frame) {
                // Now and then a pause of a few frames; in the continue wait either key.
                if (!form.paused && mashers.Next() % 400 == 0)
                    shell::FormKeyDown(form, platform::VK_ESCAPE);
                if (form.paused && mashers.Next() % 8 == 0)
                    shell::FormKeyDown(form, platform::VK_SPACE);
                // Both players choose on the select screen, whoever fights afterwards.
                const bool choosing = form.gameState == shell::kStateSelect;
                mashers.Step(g, HumanOne(mode) || choosing, HumanTwo(mode) || choosing);
                g.Frame();
                ASSERT_FALSE(form.closeRequested) << what;
                ASSERT_TRUE(form.gameState == shell::kStateSelect ||
                            form.gameState == shell::kStateFight ||
                            form.gameState == shell::kStateCleared)
                    << what << " frame " << frame << ": state " << form.gameState;
                ASSERT_TRUE(form.phase >= 0 && form.phase <= 5) << what << ": phase " << form.phase;
                ASSERT_TRUE(form.tournamentWins >= 0 && form.tournamentWins <= 10) << what;
                for (int p = 0; p < 2; ++p)
                    ASSERT_TRUE(form.chosenKind[p] >= 1 &&
                                form.chosenKind[p] <= engine::kRosterSize)
                        << what << ": player " << p + 1 << " chose " << form.chosenKind[p];
                const bool fighting = form.gameState == shell::kStateFight && form.phase <= 1;
                if (fighting) {
                    ASSERT_TRUE(FightersSound(form, what, frame));
                }
                if (wasFighting && !fighting) ++fightsEnded;
                wasFighting = fighting;
            }
            EXPECT_GE(fightsEnded, 3) << what << ": the game hardly moves on";
            std::printf("%s: %d fights in 20000 frames\n", what, fightsEnded);
        }
}
