// Computer against computer, many fights: the fight's invariants hold on every frame and
// every fight ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/roster.h"
#include "support/game.h"

using testing_support::Game;

namespace {

constexpr int kFrameLimit = 30000;  // far beyond any real fight

// Runs one View-mode fight from the ready call to the end of the result phase; returns the
// number of frames it took, or -1 when an invariant broke (after reporting it).
int SoakFight(int kind1, int kind2, uint32_t seed) {
    Game g(seed);
    g.StartFight(4, kind1, kind2);
    shell::TForm1& form = g.F();
    for (int frame = 0; frame < kFrameLimit; ++frame) {
        g.Frame();
        if (form.gameState != shell::kStateFight) return frame + 1;
        const engine::Fighter* f = form.fighter;
        for (int i = 0; i < 2; ++i) {
            const bool ok = engine::IsValidCode(f[i].code) && f[i].x > 50 && f[i].x < 749 &&
                            f[i].health <= f[i].healthCeiling && (f[i].stance & ~1) == 0 &&
                            f[i].stamina <= f[i].staminaMax && f[i].tick >= 0;
            if (!ok) {
                ADD_FAILURE() << kind1 << " v " << kind2 << " seed " << seed << " frame " << frame
                              << ": fighter " << i + 1 << " code " << f[i].code << " x " << f[i].x
                              << " health " << f[i].health << "/" << f[i].healthCeiling;
                return -1;
            }
        }
        if (f[0].x >= f[1].x) {
            ADD_FAILURE() << kind1 << " v " << kind2 << " seed " << seed << " frame " << frame
                          << ": fighter 1 at " << f[0].x << " not left of " << f[1].x;
            return -1;
        }
    }
    ADD_FAILURE() << kind1 << " v " << kind2 << " seed " << seed << ": no end in " << kFrameLimit
                  << " frames";
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
        const int n = SoakFight(2, 2, seed);
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
                const int n = SoakFight(a, b, seed * 7919 + a * 31 + b);
                ASSERT_GT(n, 0);
                lengths.push_back(n);
            }
    Report("every pairing", lengths);
}
