// Roster numbers 1 (karate01), 3 (box01) and 4 (box02): what sets them apart, their pictures
// and the computer player's follow-ups in their tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "engine/update.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kKarate01 = 1;
constexpr int kMuayThai01 = 2;
constexpr int kBox01 = 3;
constexpr int kBox02 = 4;
constexpr int kOurs[] = {kKarate01, kBox01, kBox02};

// Calls check(stance, motion, frame) for every frame a stance builder wrote.
template <typename Check>
void ForEachOwnFrame(const Fighter& f, Check check) {
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
            for (const MotionFrame& frame : f.tables[s][m])
                if (IsDefined(frame)) check(s, m, frame);
}

TEST(Fighters010304, PicturesComeFromOwnSheetsAndDifferByStance) {
    struct Case {
        int kind;
        int sheets;
    };
    for (const Case& c : {Case{kKarate01, 6}, Case{kBox01, 5}, Case{kBox02, 7}}) {
        auto f = BuiltFighter(c.kind, 0, 2);
        std::set<int> shown[kStances];
        ForEachOwnFrame(*f, [&](int s, int, const MotionFrame& frame) {
            const int sheet = frame.image / 100, cell = frame.image % 100;
            EXPECT_TRUE(sheet >= 1 && sheet <= c.sheets) << c.kind << ": " << frame.code;
            EXPECT_LE(cell, 11) << c.kind << ": " << frame.code;
            shown[s].insert(frame.image);
        });
        for (int image : shown[0])
            EXPECT_EQ(shown[1].count(image), 0u) << c.kind << ": both stances show " << image;
    }
}

// A follow-up the computer picks must be a command the frame answers, or, for an attack
// command that stays pending, one that a later frame of the same motion answers.
TEST(Fighters010304, ComputerFollowUpsAreCommandsTheMotionAccepts) {
    auto slotOf = [](int command) {
        if (command >= 7 && command <= 15) return kSlotLA + command - 7;
        switch (command) {
            case 1: return static_cast<int>(kSlotForward);
            case 2: return static_cast<int>(kSlotBack);
            case 3: return static_cast<int>(kSlotUp);
            case 5: return static_cast<int>(kSlotLowGuard);
            case 6:
            case 16: return static_cast<int>(kSlotGuard);
        }
        return -1;
    };
    for (int kind : kOurs) {
        auto f = BuiltFighter(kind, 0, 2);
        ForEachOwnFrame(*f, [&](int s, int m, const MotionFrame& frame) {
            for (int command : frame.cpuFollowUp) {
                if (command == 0 || command == kNoValue) continue;
                const int slot = slotOf(command);
                ASSERT_GE(slot, 0) << kind << ": " << frame.code << " follows with " << command;
                const bool pending = command >= 7 && command <= 15;
                bool answered = false;
                for (int i = FrameNumberOf(frame.code); i < kFramesPerMotion; ++i) {
                    answered |= f->tables[s][m][i].transitions[slot].enabled != 0;
                    if (!pending) break;
                }
                EXPECT_TRUE(answered) << kind << ": " << frame.code << " follows with " << command;
            }
        });
        for (int s = 0; s < kStances; ++s)
            for (int command : f->tables[s][kMotionStand][0].cpuFollowUp)
                EXPECT_EQ(command, kNoValue) << kind;
    }
}

// karate01's high roundhouse (stance 0, back+LA+RA) is its heaviest blow, at every power.
TEST(Fighters010304, KarateHeaviestBlowIsTheStance0BackLaRa) {
    for (int power : {0, 4}) {
        auto f = BuiltFighter(kKarate01, power, 2);
        int best = 0;
        MotionCode where = 0;
        ForEachOwnFrame(*f, [&](int, int, const MotionFrame& frame) {
            if (frame.attackKind != 0 && frame.damage > best) {
                best = frame.damage;
                where = frame.code;
            }
        });
        EXPECT_EQ(MotionOf(where), 28);
        EXPECT_EQ(StanceOf(where), 0);
        EXPECT_EQ(best, 320 * (power + 10) / 10);
    }
}

// Attack class 3 belongs to karate01 (stance 1, forward+LA) and hakkyokuken alone.
TEST(Fighters010304, ClassThreeOnlyInKarate01AndHakkyokuken) {
    for (int kind = 1; kind <= kRosterSize; ++kind) {
        if (RosterFor(kind) == nullptr) continue;
        auto f = BuiltFighter(kind, 0, 2);
        std::set<std::pair<int, int>> classThree;
        ForEachOwnFrame(*f, [&](int s, int m, const MotionFrame& frame) {
            if (frame.attackKind == 3) classThree.insert({s, m});
        });
        if (kind == kKarate01) {
            EXPECT_EQ(classThree, (std::set<std::pair<int, int>>{{1, 21}}));
        } else if (kind != 6) {
            EXPECT_TRUE(classThree.empty()) << "fighter " << kind;
        }
    }
}

// The lowest and highest stamina cost and hit damage over the attack motions of a stance.
struct Spread {
    int minCost = 1 << 20, maxCost = 0;
    int minDamage = 1 << 20, maxDamage = 0;
};

Spread SpreadOf(const Fighter& f, int stance) {
    Spread r;
    for (int m = kMotionAttackFirst; m <= kMotionAttackLast; ++m)
        for (const MotionFrame& frame : f.tables[stance][m]) {
            if (frame.cost > 0) {
                r.minCost = std::min(r.minCost, frame.cost);
                r.maxCost = std::max(r.maxCost, frame.cost);
            }
            if (frame.attackKind != 0) {
                r.minDamage = std::min(r.minDamage, frame.damage);
                r.maxDamage = std::max(r.maxDamage, frame.damage);
            }
        }
    return r;
}

// box01 is cheap and light: every move costs 100 to 280 and every hit does 32 to 200, both
// ends reached.
TEST(Fighters010304, Box01IsCheapAndLight) {
    auto f = BuiltFighter(kBox01, 0, 2);
    const Spread s0 = SpreadOf(*f, 0), s1 = SpreadOf(*f, 1);
    EXPECT_EQ(std::min(s0.minCost, s1.minCost), 100);
    EXPECT_EQ(std::max(s0.maxCost, s1.maxCost), 280);
    EXPECT_EQ(std::min(s0.minDamage, s1.minDamage), 32);
    EXPECT_EQ(std::max(s0.maxDamage, s1.maxDamage), 200);
}

// box02's stance 0 has no light hit: every hit does 112 or more; its stance 1 does jab.
TEST(Fighters010304, Box02Stance0HasNoLightHit) {
    for (int power : {0, 4}) {
        auto f = BuiltFighter(kBox02, power, 2);
        EXPECT_EQ(SpreadOf(*f, 0).minDamage, 112 * (power + 10) / 10);
        EXPECT_LT(SpreadOf(*f, 1).minDamage, SpreadOf(*f, 0).minDamage);
    }
}

// One step from stand, played through the command and advance steps with the opponent far
// away; returns how far the fighter moved.
int StepDistance(int kind, int stance, int command) {
    auto f = BuiltFighter(kind, 0, 2);
    f->stance = stance;
    f->code = MakeCode(stance, kMotionStand, 0);
    const int start = f->x;
    int32_t c = command;
    for (int update = 0; update < 20; ++update) {
        ApplyCommand(*f, c);
        Advance(*f, 700, 45, true, 0);
        if (MotionOf(f->code) == kMotionStand) break;
    }
    EXPECT_EQ(c, 0);
    return f->x - start;
}

// The moving frame of a step lasts 2 ticks and, entered by the timer, is shown 3 updates.
TEST(Fighters010304, Box01StepsWiderThanTheReferenceFighter) {
    struct Case {
        int kind, stance, forward, back;
    };
    const Case cases[] = {
        {kBox01, 0, 3 * 24, 3 * -20},
        {kBox01, 1, 3 * 24, 3 * -24},
        {kMuayThai01, 0, 3 * 18, 3 * -14},
        {kMuayThai01, 1, 3 * 20, 3 * -16},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepDistance(c.kind, c.stance, 1), c.forward) << c.kind << " " << c.stance;
        EXPECT_EQ(StepDistance(c.kind, c.stance, 2), c.back) << c.kind << " " << c.stance;
    }
}

}  // namespace
