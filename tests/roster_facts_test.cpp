// What the roster fixes for every fighter: its init values, the first active frame of each
// of its nine attacks in both stances, its follow-up motions and how many frames each stance
// builder defines. Checked for every fighter the roster has.
#include <gtest/gtest.h>

#include "engine/construct.h"
#include "engine/roster.h"
#include "fighter_test_support.h"

namespace {

using engine::Fighter;
using engine::MotionFrame;

constexpr int kUnset = -1;  // the init sets no cpuCloseMode for that stance

struct RosterRow {
    int kind;
    int variant;
    int baseHealth;
    int halfWidth[2];
    int attackRange[2];
    int keepAway[2];
    int attacks[2][4];
    int closeMode[2];
    int frames[2];
};

struct Attack {
    int kind;  // 0: a move without a hit
    int reach;
    int damage;
    int further;  // active frames after the first
    int cost;
};

struct AttackRow {
    int kind;
    int stance;
    Attack attacks[9];
};

struct FollowUpRow {
    int kind;
    unsigned masks[2];
};

// clang-format off
// No., variant, base health, halfWidth, cpuAttackRange, cpuKeepAway, cpuAttacks (stance 0,
// stance 1), cpuCloseMode (kUnset where the roster gives none), frames per stance.
constexpr RosterRow kRosterRows[] = {
    {1, 0, 1650, {45, 45}, {120, 120}, {200, 200}, {{7, 8, 11, 12}, {7, 11, 10, 8}}, {kUnset, 1}, {55, 56}},
    {2, 0, 1550, {45, 40}, {120, 120}, {200, 200}, {{8, 11, 12, 7}, {7, 10, 14, 8}}, {1, 2}, {59, 52}},
    {3, 0, 1400, {45, 45}, {120, 120}, {200, 200}, {{7, 8, 10, 14}, {7, 8, 9, 12}}, {2, 2}, {47, 53}},
    {4, 0, 1700, {40, 45}, {120, 120}, {140, 140}, {{7, 8, 9, 13}, {7, 8, 12, 9}}, {kUnset, kUnset}, {56, 57}},
    {5, 0, 1500, {48, 45}, {120, 120}, {220, 220}, {{7, 8, 11, 12}, {7, 8, 12, 13}}, {2, 2}, {61, 60}},
    {6, 0, 1550, {45, 45}, {180, 120}, {200, 200}, {{7, 8, 12, 11}, {7, 10, 8, 13}}, {1, kUnset}, {49, 54}},
    {7, 0, 1400, {45, 48}, {150, 150}, {250, 250}, {{7, 12, 9, 13}, {7, 8, 14, 11}}, {2, 2}, {91, 90}},
    {8, 8, 1600, {48, 48}, {120, 120}, {200, 200}, {{7, 8, 10, 13}, {10, 11, 7, 13}}, {1, kUnset}, {62, 58}},
    {9, 0, 1450, {45, 45}, {120, 120}, {200, 200}, {{7, 9, 8, 14}, {7, 11, 12, 14}}, {2, 2}, {77, 56}},
    {10, 10, 1500, {45, 45}, {100, 120}, {200, 200}, {{7, 11, 14, 12}, {10, 8, 11, 9}}, {kUnset, 2}, {68, 56}},
    {11, 0, 1550, {45, 48}, {120, 120}, {200, 200}, {{7, 10, 11, 14}, {7, 8, 9, 12}}, {2, 2}, {76, 78}},
    {12, 12, 1450, {43, 48}, {120, 120}, {140, 200}, {{10, 7, 12, 13}, {11, 12, 8, 13}}, {kUnset, 2}, {65, 74}},
    {13, 13, 1700, {45, 45}, {120, 120}, {200, 200}, {{7, 10, 8, 9}, {8, 10, 11, 15}}, {1, 1}, {58, 53}},
    {14, 0, 1450, {43, 37}, {150, 150}, {200, 200}, {{7, 13, 14, 11}, {10, 8, 12, 14}}, {1, kUnset}, {97, 105}},
    {15, 0, 2000, {45, 45}, {200, 100}, {400, 200}, {{9, 12, 14, 15}, {7, 8, 11, 14}}, {1, kUnset}, {75, 75}},
};

// Each attack motion 20..28: attack class, reach, base damage of the first active frame, the
// number of further active frames, and the cost of the start-up; class 0 = no hit.
constexpr AttackRow kAttackRows[] = {
    {1, 0, {{1, 88, 36, 0, 150}, {4, 78, 100, 0, 180}, {4, 83, 220, 0, 450}, {1, 93, 96, 0, 170}, {5, 83, 280, 0, 360}, {4, 93, 220, 0, 380}, {4, 62, 180, 0, 270}, {2, 73, 240, 0, 410}, {1, 88, 320, 0, 500}}},
    {1, 1, {{4, 83, 90, 0, 200}, {3, 83, 128, 0, 300}, {2, 93, 300, 0, 480}, {4, 83, 120, 0, 200}, {4, 93, 172, 0, 280}, {7, 62, 200, 0, 350}, {2, 64, 128, 0, 240}, {7, 65, 240, 0, 340}, {2, 85, 280, 0, 400}}},
    {2, 0, {{1, 88, 24, 0, 150}, {4, 98, 120, 0, 260}, {7, 84, 148, 0, 290}, {1, 88, 72, 0, 170}, {5, 96, 280, 0, 330}, {4, 96, 240, 0, 360}, {7, 92, 160, 0, 300}, {2, 92, 240, 0, 420}, {4, 96, 240, 0, 420}}},
    {2, 1, {{1, 88, 28, 0, 150}, {7, 68, 100, 0, 240}, {1, 68, 128, 0, 300}, {1, 88, 80, 0, 170}, {2, 68, 140, 0, 300}, {4, 76, 180, 0, 320}, {1, 68, 180, 0, 340}, {1, 68, 260, 0, 450}, {1, 68, 240, 0, 500}}},
    {3, 0, {{1, 93, 36, 0, 140}, {1, 68, 76, 0, 180}, {7, 72, 88, 0, 160}, {1, 88, 92, 0, 140}, {4, 73, 92, 0, 140}, {2, 73, 96, 0, 200}, {0, 0, 0, 0, 100}, {7, 68, 140, 0, 260}, {0, 0, 0, 0, 120}}},
    {3, 1, {{1, 93, 32, 0, 120}, {1, 68, 80, 0, 160}, {4, 73, 108, 0, 240}, {1, 93, 92, 0, 140}, {4, 98, 100, 0, 200}, {4, 73, 108, 0, 240}, {4, 68, 100, 0, 220}, {1, 68, 128, 0, 200}, {1, 93, 200, 0, 280}}},
    {4, 0, {{1, 73, 112, 0, 220}, {4, 68, 140, 0, 280}, {1, 98, 140, 0, 260}, {2, 68, 124, 0, 220}, {7, 68, 140, 0, 280}, {2, 68, 140, 0, 260}, {0, 0, 0, 0, 100}, {4, 68, 180, 0, 280}, {7, 68, 200, 0, 500}}},
    {4, 1, {{1, 98, 32, 0, 150}, {4, 68, 124, 0, 260}, {7, 68, 200, 0, 380}, {1, 113, 100, 0, 170}, {7, 68, 120, 0, 270}, {4, 76, 180, 0, 280}, {1, 93, 80, 0, 180}, {2, 68, 180, 0, 330}, {2, 103, 240, 0, 480}}},
    {5, 0, {{1, 98, 24, 0, 150}, {5, 78, 200, 0, 220}, {4, 98, 220, 0, 380}, {1, 98, 72, 0, 170}, {5, 98, 260, 0, 320}, {4, 103, 228, 0, 340}, {4, 80, 180, 0, 270}, {1, 76, 240, 0, 440}, {2, 88, 240, 0, 420}}},
    {5, 1, {{1, 98, 28, 0, 150}, {4, 68, 88, 0, 200}, {1, 68, 72, 0, 240}, {1, 88, 72, 0, 170}, {7, 68, 88, 0, 280}, {1, 93, 128, 0, 330}, {5, 98, 240, 0, 350}, {4, 88, 220, 0, 380}, {2, 98, 200, 0, 350}}},
    {6, 0, {{1, 93, 180, 0, 225}, {1, 73, 220, 0, 225}, {6, 68, 100, 0, 350}, {1, 78, 140, 0, 180}, {4, 68, 180, 0, 300}, {1, 108, 200, 0, 500}, {4, 73, 160, 0, 330}, {4, 93, 220, 0, 380}, {3, 83, 140, 1, 360}}},
    {6, 1, {{1, 103, 48, 0, 150}, {4, 93, 120, 0, 260}, {4, 108, 60, 0, 200}, {1, 103, 48, 0, 150}, {5, 78, 180, 0, 220}, {4, 108, 60, 0, 200}, {2, 108, 160, 1, 280}, {4, 88, 300, 0, 360}, {1, 88, 280, 0, 420}}},
    {7, 0, {{1, 95, 20, 0, 150}, {1, 85, 190, 0, 200}, {4, 105, 200, 1, 300}, {1, 90, 68, 0, 150}, {4, 115, 200, 0, 280}, {1, 90, 96, 0, 200}, {1, 105, 260, 0, 400}, {1, 75, 260, 0, 400}, {1, 85, 300, 0, 420}}},
    {7, 1, {{4, 100, 140, 0, 180}, {1, 85, 190, 0, 200}, {4, 105, 200, 1, 300}, {4, 105, 140, 0, 200}, {7, 75, 88, 0, 400}, {1, 90, 96, 0, 200}, {2, 105, 280, 0, 460}, {4, 110, 180, 0, 340}, {1, 115, 220, 0, 480}}},
    {8, 0, {{1, 90, 32, 0, 150}, {5, 85, 360, 0, 280}, {1, 63, 160, 0, 240}, {1, 105, 176, 0, 220}, {5, 90, 300, 0, 320}, {4, 110, 200, 0, 300}, {4, 105, 200, 1, 280}, {1, 105, 220, 0, 300}, {7, 85, 200, 0, 440}}},
    {8, 1, {{1, 100, 140, 0, 200}, {5, 95, 280, 0, 320}, {1, 95, 260, 0, 380}, {1, 95, 64, 0, 200}, {5, 105, 300, 0, 300}, {2, 70, 148, 0, 300}, {4, 90, 140, 0, 300}, {7, 65, 160, 0, 300}, {1, 105, 220, 0, 380}}},
    {9, 0, {{1, 95, 24, 0, 150}, {5, 80, 200, 0, 280}, {1, 90, 200, 0, 420}, {1, 95, 80, 0, 160}, {2, 110, 240, 0, 400}, {4, 105, 200, 0, 300}, {2, 100, 280, 0, 420}, {1, 90, 320, 0, 500}, {7, 63, 280, 1, 300}}},
    {9, 1, {{1, 95, 32, 0, 130}, {4, 70, 72, 0, 130}, {4, 68, 120, 0, 220}, {1, 95, 80, 0, 130}, {4, 75, 92, 0, 130}, {5, 90, 220, 0, 340}, {2, 65, 120, 0, 280}, {1, 105, 132, 0, 340}, {4, 105, 220, 0, 300}}},
    {10, 0, {{1, 75, 100, 0, 180}, {1, 100, 160, 0, 280}, {4, 80, 108, 0, 180}, {2, 75, 120, 0, 200}, {2, 100, 160, 0, 280}, {4, 90, 120, 0, 200}, {4, 105, 200, 0, 240}, {0, 0, 0, 0, 100}, {0, 0, 0, 0, 100}}},
    {10, 1, {{1, 95, 100, 0, 200}, {7, 75, 120, 0, 240}, {4, 100, 240, 0, 340}, {2, 100, 112, 0, 220}, {4, 75, 108, 0, 240}, {5, 105, 260, 0, 340}, {4, 95, 140, 0, 240}, {0, 0, 0, 0, 100}, {0, 0, 0, 0, 100}}},
    {11, 0, {{0, 0, 0, 0, 0}, {1, 100, 120, 0, 180}, {4, 80, 128, 0, 160}, {0, 0, 0, 0, 0}, {1, 100, 80, 0, 140}, {2, 105, 140, 0, 240}, {4, 85, 128, 0, 400}, {1, 120, 180, 0, 260}, {2, 800, 0, 0, 120}}},
    {11, 1, {{1, 125, 28, 0, 120}, {4, 125, 40, 0, 140}, {4, 75, 124, 1, 160}, {1, 120, 80, 0, 140}, {7, 80, 160, 0, 300}, {2, 105, 180, 0, 360}, {7, 100, 300, 0, 500}, {1, 75, 280, 0, 600}, {2, 105, 280, 0, 360}}},
    {12, 0, {{1, 90, 52, 0, 160}, {4, 90, 52, 0, 160}, {4, 70, 200, 0, 260}, {1, 110, 48, 0, 160}, {4, 85, 48, 0, 160}, {5, 90, 200, 0, 300}, {0, 0, 0, 0, 100}, {4, 90, 200, 0, 280}, {2, 100, 400, 0, 500}}},
    {12, 1, {{1, 70, 80, 0, 140}, {4, 105, 180, 0, 260}, {1, 100, 300, 0, 360}, {1, 95, 72, 0, 160}, {4, 100, 200, 0, 240}, {1, 90, 200, 0, 300}, {0, 0, 0, 0, 100}, {4, 95, 112, 0, 180}, {5, 105, 300, 1, 300}}},
    {13, 0, {{1, 120, 24, 0, 150}, {5, 110, 140, 0, 280}, {4, 120, 300, 0, 300}, {4, 125, 160, 0, 240}, {4, 85, 280, 0, 280}, {2, 100, 300, 0, 360}, {0, 0, 0, 0, 300}, {7, 85, 300, 0, 400}, {1, 90, 240, 0, 300}}},
    {13, 1, {{1, 125, 28, 0, 150}, {4, 120, 100, 0, 240}, {5, 90, 40, 0, 100}, {5, 120, 300, 0, 300}, {4, 125, 300, 0, 300}, {2, 100, 300, 0, 360}, {0, 0, 0, 0, 300}, {1, 80, 180, 0, 240}, {2, 90, 200, 0, 280}}},
    {14, 0, {{2, 105, 240, 0, 300}, {4, 95, 260, 0, 300}, {7, 105, 200, 0, 400}, {2, 80, 140, 0, 240}, {4, 105, 100, 0, 180}, {2, 115, 180, 0, 320}, {1, 70, 32, 1, 200}, {4, 120, 180, 0, 400}, {1, 70, 32, 0, 400}}},
    {14, 1, {{2, 90, 240, 0, 300}, {1, 95, 200, 0, 260}, {4, 95, 200, 0, 360}, {4, 100, 160, 0, 180}, {4, 105, 280, 0, 400}, {4, 115, 180, 0, 280}, {1, 70, 32, 1, 200}, {5, 115, 100, 1, 500}, {5, 115, 100, 1, 600}}},
    {15, 0, {{1, 125, 80, 0, 240}, {7, 60, 100, 1, 260}, {4, 100, 48, 0, 800}, {4, 160, 100, 0, 200}, {7, 115, 180, 0, 200}, {1, 105, 48, 0, 800}, {4, 120, 120, 0, 200}, {5, 85, 48, 1, 800}, {1, 125, 400, 0, 400}}},
    {15, 1, {{1, 125, 80, 0, 240}, {7, 60, 100, 1, 260}, {4, 100, 48, 0, 800}, {4, 160, 100, 0, 200}, {7, 115, 180, 0, 200}, {1, 105, 48, 0, 800}, {4, 120, 120, 0, 200}, {5, 85, 48, 1, 800}, {1, 125, 400, 0, 400}}},
};

// The follow-up motions 29..34 each fighter has, per stance, as bit masks (bit m - 29).
constexpr FollowUpRow kFollowUpRows[] = {
    {1, {0x00, 0x00}},  // —
    {2, {0x00, 0x00}},  // —
    {3, {0x00, 0x00}},  // —
    {4, {0x00, 0x00}},  // —
    {5, {0x00, 0x00}},  // —
    {6, {0x00, 0x00}},  // —
    {7, {0x3f, 0x3f}},  // 29 to 34 in both stances
    {8, {0x00, 0x00}},  // —
    {9, {0x09, 0x00}},  // 29, 32 in stance 0
    {10, {0x1b, 0x09}},  // 29, 30, 32, 33 in stance 0; 29, 32 in stance 1
    {11, {0x3f, 0x09}},  // 29 to 34 in stance 0; 29, 32 in stance 1
    {12, {0x09, 0x09}},  // 29, 32 in both stances
    {13, {0x00, 0x00}},  // —
    {14, {0x1a, 0x1a}},  // 30, 32, 33 in both stances
    {15, {0x00, 0x00}},  // —
};
// clang-format on

bool Defined(const MotionFrame& frame) {
    return !engine::IsResetFrame(frame, frame.code);
}

// Every fighter of the roster as it stands, with the power level and opponent given.
std::vector<int> BuiltKinds() {
    std::vector<int> kinds;
    for (int k = 1; k <= engine::kRosterSize; ++k)
        if (engine::RosterFor(k) != nullptr) kinds.push_back(k);
    return kinds;
}

class RosterFacts : public ::testing::TestWithParam<int> {};

TEST_P(RosterFacts, InitTakesTheRosterRow) {
    const RosterRow& row = kRosterRows[GetParam() - 1];
    ASSERT_EQ(row.kind, GetParam());
    EXPECT_EQ(engine::RosterFor(row.kind)->commonVariant, row.variant);
    for (int power : {0, 4}) {
        auto f = fighter_test::NewFighter(power);
        // A stance the roster gives no close mode for keeps what the record held.
        f->cpuCloseMode[0] = f->cpuCloseMode[1] = 77;
        engine::BuildFighter(*f, row.kind, 1);
        EXPECT_EQ(f->kind, row.kind);
        EXPECT_EQ(f->healthMax, row.baseHealth * (power + 8) / 8);
        EXPECT_EQ(f->health, f->healthMax);
        EXPECT_EQ(f->healthCeiling, f->healthMax);
        EXPECT_EQ(f->stamina, 1024);
        EXPECT_EQ(f->staminaMax, 1024);
        EXPECT_EQ(f->healthRegen, 4);
        EXPECT_EQ(f->staminaRegen, 16);
        for (int s = 0; s < 2; ++s) {
            EXPECT_EQ(f->halfWidth[s], row.halfWidth[s]);
            EXPECT_EQ(f->cpuAttackRange[s], row.attackRange[s]);
            EXPECT_EQ(f->cpuKeepAway[s], row.keepAway[s]);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(f->cpuAttacks[s][i], row.attacks[s][i]);
            EXPECT_EQ(f->cpuCloseMode[s], row.closeMode[s] == kUnset ? 77 : row.closeMode[s])
                << "stance " << s;
        }
    }
}

TEST_P(RosterFacts, AttacksMatchTheRoster) {
    const int kind = GetParam();
    for (int power : {0, 3}) {
        auto f = fighter_test::BuiltFighter(kind, power, kind);
        for (const AttackRow& row : kAttackRows) {
            if (row.kind != kind) continue;
            for (int a = 0; a < 9; ++a) {
                const Attack& want = row.attacks[a];
                const int motion = 20 + a;
                const auto& frames = f->tables[row.stance][motion];
                SCOPED_TRACE("stance " + std::to_string(row.stance) + " motion " +
                             std::to_string(motion));
                ASSERT_TRUE(Defined(frames[0]));
                EXPECT_EQ(frames[0].cost, want.cost);
                int first = -1, further = 0;
                for (int fr = 0; fr < engine::kFramesPerMotion; ++fr) {
                    if (!Defined(frames[fr]) || frames[fr].attackKind == 0) continue;
                    if (first < 0)
                        first = fr;
                    else
                        ++further;
                }
                if (want.kind == 0) {
                    EXPECT_EQ(first, -1) << "a move without a hit has no active frame";
                    continue;
                }
                ASSERT_GE(first, 0);
                EXPECT_EQ(frames[first].attackKind, want.kind);
                EXPECT_EQ(frames[first].reach, want.reach);
                EXPECT_EQ(frames[first].damage, want.damage * (power + 10) / 10);
                EXPECT_EQ(further, want.further);
            }
        }
    }
}

TEST_P(RosterFacts, FollowUpMotionsAndFrameCounts) {
    const int kind = GetParam();
    auto f = fighter_test::BuiltFighter(kind, 0, kind);
    for (int s = 0; s < 2; ++s) {
        unsigned followUps = 0;
        for (int m = 29; m <= 34; ++m)
            if (Defined(f->tables[s][m][0])) followUps |= 1u << (m - 29);
        EXPECT_EQ(followUps, kFollowUpRows[kind - 1].masks[s]) << "stance " << s;
        for (int m : {0, 35, 36, 37, 38, 39})
            for (const MotionFrame& frame : f->tables[s][m])
                EXPECT_FALSE(Defined(frame)) << "stance " << s << " motion " << m;
        int frames = 0;
        for (int m = 14; m < engine::kMotions; ++m)
            for (const MotionFrame& frame : f->tables[s][m])
                frames += Defined(frame);
        EXPECT_EQ(frames, kRosterRows[kind - 1].frames[s]) << "stance " << s;
    }
}

TEST(RosterFactsTables, AreComplete) {
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(kRosterRows[k - 1].kind, k);
        EXPECT_EQ(kFollowUpRows[k - 1].kind, k);
        EXPECT_EQ(kAttackRows[2 * (k - 1)].kind, k);
        EXPECT_EQ(kAttackRows[2 * (k - 1) + 1].stance, 1);
    }
    EXPECT_FALSE(BuiltKinds().empty());
}

INSTANTIATE_TEST_SUITE_P(Roster, RosterFacts, ::testing::ValuesIn(BuiltKinds()),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Fighter" + std::to_string(info.param);
                         });

}  // namespace
