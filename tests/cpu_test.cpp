// The computer player: how it starts and carries out its plans, with a seeded generator.
#include "fight/cpu.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "engine/fighter.h"
#include "fight/player_input.h"

using namespace fight;
using engine::Fighter;

namespace {

// A fighter with hand-set computer tables, standing at x.
std::unique_ptr<Fighter> CpuFighter(int side, int x) {
    auto f = std::make_unique<Fighter>();
    engine::ResetFighter(*f, side);
    f->x = x;
    f->stamina = f->staminaMax = 1024;
    f->cpuAttackRange[0] = 120;
    f->cpuAttackRange[1] = 90;
    f->cpuKeepAway[0] = 200;
    f->cpuKeepAway[1] = 250;
    const int attacks[2][4] = {{7, 8, 11, 12}, {10, 13, 14, 15}};
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < 4; ++i)
            f->cpuAttacks[s][i] = attacks[s][i];
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < 9; ++i)
            f->cpuDefence[s][i] = 1 + (s * 9 + i) % 7;
    f->cpuCloseMode[0] = f->cpuCloseMode[1] = 0;
    ResetCpu(*f);
    return f;
}

const int32_t kRange[2] = {100, 100};  // the opponent's own attack ranges
constexpr int kStand = 1400;

}  // namespace

TEST(Cpu, ResetClearsTheWorkingState) {
    auto f = CpuFighter(1, 200);
    f->cpuIdleTicks = 9;
    f->cpuPlanTicks = 9;
    f->cpuPlanActive = 1;
    f->cpuPlan = 7;
    f->cpuReaction = 3;
    ResetCpu(*f);
    EXPECT_EQ(f->cpuIdleTicks, 0);
    EXPECT_EQ(f->cpuPlanTicks, 0);
    EXPECT_EQ(f->cpuDistance, 800);
    EXPECT_FALSE(f->cpuPlanActive);
    EXPECT_EQ(f->cpuPlan, 0);
    EXPECT_EQ(f->cpuReaction, 0);
}

TEST(Cpu, OutOfRangeItWalksInUntilInRange) {
    engine::Random15 rng;
    rng.Seed(1);
    auto f = CpuFighter(1, 200);
    EXPECT_EQ(CpuDecide(*f, 600, kStand, kRange, rng), 0);
    EXPECT_EQ(f->cpuDistance, 400);
    EXPECT_EQ(f->cpuPlan, kPlanApproach);
    EXPECT_TRUE(f->cpuPlanActive);
    // The approach compares with the attack range of the opponent's stance (stance 1: 90).
    EXPECT_EQ(CpuDecide(*f, 291, 11400, kRange, rng), kCmdForward);
    // At exactly the range it is not yet in range (that needs range > distance): walk on.
    EXPECT_EQ(CpuDecide(*f, 290, 11400, kRange, rng), kCmdForward);
    EXPECT_EQ(CpuDecide(*f, 289, 11400, kRange, rng), kCmdNone);
    EXPECT_FALSE(f->cpuPlanActive);
    EXPECT_EQ(f->cpuIdleTicks, 3);
    EXPECT_EQ(f->cpuPlanTicks, 3);
}

TEST(Cpu, AfterFourHundredFramesOfPlansItSwitchesStance) {
    engine::Random15 rng;
    rng.Seed(1);
    auto f = CpuFighter(2, 600);
    f->cpuIdleTicks = 400;
    EXPECT_EQ(CpuDecide(*f, 100, kStand, kRange, rng), kCmdUp);
    EXPECT_EQ(f->cpuPlan, kPlanSwitch);
    EXPECT_EQ(f->cpuIdleTicks, 0);
    f->cpuPlanActive = 0;
    f->cpuIdleTicks = 399;
    EXPECT_EQ(CpuDecide(*f, 100, kStand, kRange, rng), kCmdNone);
    EXPECT_EQ(f->cpuPlan, kPlanApproach);
}

TEST(Cpu, FreshInRangeAttacksWithTheFavouritesOftenest) {
    engine::Random15 rng;
    rng.Seed(5);
    std::map<int, int> counts;
    const int runs = 12000;
    for (int i = 0; i < runs; ++i) {
        auto f = CpuFighter(1, 200);
        f->stamina = 1024 * 80 / 100 + 1;
        const int command = CpuDecide(*f, 300, kStand, kRange, rng);
        ASSERT_EQ(f->cpuPlan, kPlanAttack);
        ASSERT_TRUE(f->cpuPlanActive);
        ASSERT_GE(command, 7);
        ASSERT_LE(command, 15);
        ++counts[command];
    }
    // 4, 3, 2 and 1 in 12 for the favourites, plus 2 in 12 spread over the nine attacks.
    const double other = runs * 2.0 / 12 / 9;
    EXPECT_NEAR(counts[7], runs * 4.0 / 12 + other, runs * 0.02);
    EXPECT_NEAR(counts[8], runs * 3.0 / 12 + other, runs * 0.02);
    EXPECT_NEAR(counts[11], runs * 2.0 / 12 + other, runs * 0.02);
    EXPECT_NEAR(counts[12], runs * 1.0 / 12 + other, runs * 0.02);
    EXPECT_NEAR(counts[9], other, runs * 0.01);
    EXPECT_NEAR(counts[15], other, runs * 0.01);
}

TEST(Cpu, TiredInRangeFollowsItsCloseMode) {
    engine::Random15 rng;
    rng.Seed(2);
    struct Case {
        int closeMode;
        int expectPlan;
        bool expectActive;
    };
    for (const Case& c : {Case{0, kPlanDefend, true}, Case{1, kPlanKeepAway, true},
                          Case{2, kPlanKeepAway, true}, Case{5, kPlanNone, false}}) {
        auto f = CpuFighter(1, 200);
        f->stamina = 1024 * 80 / 100;  // not above 80 percent: tired
        f->cpuCloseMode[0] = c.closeMode;
        f->cpuReaction = 42;
        EXPECT_EQ(CpuDecide(*f, 300, kStand, kRange, rng), 0);
        EXPECT_EQ(f->cpuPlan, c.expectPlan) << c.closeMode;
        EXPECT_EQ(static_cast<bool>(f->cpuPlanActive), c.expectActive) << c.closeMode;
        if (c.closeMode == 0) {
            EXPECT_EQ(f->cpuReaction, 0);  // the opponent is not attacking
        }
    }
}

TEST(Cpu, ThreatenedItDefendsOrStrikesBack) {
    int strikes = 0, fromTable = 0, randomReactions = 0;
    const int runs = 4000;
    for (uint32_t seed = 1; seed <= runs; ++seed) {
        engine::Random15 rng;
        rng.Seed(seed);
        auto f = CpuFighter(2, 400);
        // The opponent in stance 1 does forward+RA (motion 24) within its range of 100.
        const int command = CpuDecide(*f, 320, 12401, kRange, rng);
        ASSERT_TRUE(f->cpuPlanActive);
        if (f->cpuPlan == kPlanAttack) {
            ++strikes;
            ASSERT_GE(command, 7);
            continue;
        }
        ASSERT_EQ(f->cpuPlan, kPlanDefend);
        ASSERT_EQ(command, 0);
        if (f->cpuReaction == f->cpuDefence[1][4])
            ++fromTable;
        else
            ++randomReactions;
        ASSERT_GE(f->cpuReaction, 1);
        ASSERT_LE(f->cpuReaction, 7);
    }
    EXPECT_NEAR(strikes, runs / 10, runs / 40);
    // Half the defences take the table's answer, half a random one (which may equal it).
    EXPECT_GT(fromTable, runs * 9 / 10 / 2);
    EXPECT_GT(randomReactions, runs * 9 / 10 / 3);
}

TEST(Cpu, OutOfTheOpponentsRangeAnAttackIsNoThreat) {
    engine::Random15 rng;
    rng.Seed(3);
    auto f = CpuFighter(2, 400);
    f->cpuAttackRange[0] = 50;
    EXPECT_EQ(CpuDecide(*f, 299, 2401, kRange, rng), 0);  // 101 away, the opponent reaches 100
    EXPECT_EQ(f->cpuPlan, kPlanApproach);
    f->cpuPlanActive = 0;
    CpuDecide(*f, 300, 2401, kRange, rng);  // 100 away: a threat
    EXPECT_TRUE(f->cpuPlan == kPlanDefend || f->cpuPlan == kPlanAttack);
}

TEST(Cpu, DefenceReactionsGiveTheirCommands) {
    const int expected[] = {-1, 6, 6, 6, 5, 2, 2, 5};  // reactions 1..7
    for (int reaction = 0; reaction <= 8; ++reaction) {
        engine::Random15 rng;
        rng.Seed(1);
        auto f = CpuFighter(1, 300);
        f->cpuPlan = kPlanDefend;
        f->cpuPlanActive = 1;
        f->cpuReaction = reaction;
        const int command = CpuDecide(*f, 380, 2001, kRange, rng);
        if (reaction >= 1 && reaction <= 7) {
            EXPECT_EQ(command, expected[reaction]) << reaction;
            EXPECT_TRUE(f->cpuPlanActive);
        } else {
            EXPECT_EQ(command, 0);
            EXPECT_FALSE(f->cpuPlanActive) << reaction;
        }
    }
    // 999 waits with the plan running.
    engine::Random15 rng;
    auto f = CpuFighter(1, 300);
    f->cpuPlan = kPlanDefend;
    f->cpuPlanActive = 1;
    f->cpuReaction = 999;
    EXPECT_EQ(CpuDecide(*f, 380, 2001, kRange, rng), 0);
    EXPECT_TRUE(f->cpuPlanActive);
    // The defence ends when the opponent's attack is over.
    EXPECT_EQ(CpuDecide(*f, 380, 1400, kRange, rng), 0);
    EXPECT_FALSE(f->cpuPlanActive);
}

TEST(Cpu, EveryThirtyTwoFramesTheDefenceMayChange) {
    int adopted = 0, kept = 0, waiting = 0;
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        engine::Random15 rng;
        rng.Seed(seed);
        auto f = CpuFighter(1, 300);
        f->cpuPlan = kPlanDefend;
        f->cpuPlanActive = 1;
        f->cpuPlanTicks = 31;  // becomes 32 in this frame
        f->cpuReaction = 6;
        const int table = f->cpuDefence[0][3];  // opponent in stance 0, motion 23
        ASSERT_NE(table, 6);
        engine::Random15 mirror = rng;
        const int r = mirror.Next() % 20;
        CpuDecide(*f, 380, 2300, kRange, rng);
        EXPECT_EQ(f->cpuPlanTicks, 0);
        const int want = r < 3 ? table : r < 10 ? 6 : 999;
        EXPECT_EQ(f->cpuReaction, want) << seed;
        adopted += want == table;
        kept += want == 6;
        waiting += want == 999;
    }
    EXPECT_GT(adopted, 0);
    EXPECT_GT(kept, 0);
    EXPECT_GT(waiting, 0);
}

TEST(Cpu, KeepAwayNeedsRoomBehind) {
    engine::Random15 rng;
    for (auto [side, x, expectBack] : {std::tuple{1, 101, true}, std::tuple{1, 100, false},
                                       std::tuple{2, 699, true}, std::tuple{2, 700, false}}) {
        auto f = CpuFighter(side, x);
        f->cpuPlan = kPlanKeepAway;
        f->cpuPlanActive = 1;
        const int opponentX = side == 1 ? x + 150 : x - 150;
        EXPECT_EQ(CpuDecide(*f, opponentX, kStand, kRange, rng), expectBack ? kCmdBack : 0)
            << side << " " << x;
        EXPECT_EQ(static_cast<bool>(f->cpuPlanActive), expectBack);
    }
    // Far enough (the keep-away distance of the opponent's stance 1 is 250) ends it.
    auto f = CpuFighter(1, 300);
    f->cpuPlan = kPlanKeepAway;
    f->cpuPlanActive = 1;
    EXPECT_EQ(CpuDecide(*f, 549, 11400, kRange, rng), kCmdBack);
    EXPECT_EQ(CpuDecide(*f, 550, 11400, kRange, rng), 0);
}

TEST(Cpu, AttackPlanFollowsTheFramesFollowUps) {
    std::map<int, int> counts;
    engine::Random15 rng;
    rng.Seed(9);
    auto f = CpuFighter(1, 300);
    engine::MotionFrame& frame = f->tables[0][20][2];
    const int32_t followUps[4] = {10, 11, 0, 12};
    for (int i = 0; i < 4; ++i)
        frame.cpuFollowUp[i] = followUps[i];
    f->code = 2002;
    const int runs = 10000;
    for (int i = 0; i < runs; ++i) {
        f->cpuPlan = i % 2 ? kPlanAttack : kPlanSwitch;
        f->cpuPlanActive = 1;
        ++counts[CpuDecide(*f, 400, kStand, kRange, rng)];
        ASSERT_TRUE(f->cpuPlanActive);  // 0 keeps the plan going
    }
    EXPECT_NEAR(counts[10], runs * 0.4, runs * 0.02);
    EXPECT_NEAR(counts[11], runs * 0.3, runs * 0.02);
    EXPECT_NEAR(counts[0], runs * 0.2, runs * 0.02);
    EXPECT_NEAR(counts[12], runs * 0.1, runs * 0.02);
    // 9999 ends the plan with no command.
    frame.cpuFollowUp[0] = frame.cpuFollowUp[1] = frame.cpuFollowUp[2] = frame.cpuFollowUp[3] =
        engine::kNoValue;
    f->cpuPlan = kPlanAttack;
    f->cpuPlanActive = 1;
    EXPECT_EQ(CpuDecide(*f, 400, kStand, kRange, rng), 0);
    EXPECT_FALSE(f->cpuPlanActive);
}
