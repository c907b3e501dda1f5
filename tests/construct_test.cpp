// The construction operations: end rules, slot order, "no value" targets, damage scaling and
// the computer player's defence tables.
#include "engine/construct.h"

#include <gtest/gtest.h>

#include "fighter_test_support.h"

using namespace engine;
using fighter_test::NewFighter;

namespace {

// Construction order: up, forward, back, G, down+G, LA, fwd+LA, back+LA, RA, fwd+RA, back+RA,
// LA+RA, fwd+LA+RA, back+LA+RA. Each target is distinct so a wrong slot shows.
constexpr Targets kDistinct = {1900, 1700, 1800, 1500, 1600, 2000, 2100,
                               2200, 2300, 2400, 2500, 2600, 2700, 2800};

TEST(FrameDefinition, FinalFrameEndsInOwnStandOnlyForNoValue) {
    auto f = NewFighter();
    struct Case {
        int stance;
        int endRule;
        MotionCode next;
    };
    const Case cases[] = {
        {1, 1400, 1400},     {1, kNoValue, 11400}, {0, 11400, 11400},
        {0, kNoValue, 1400}, {0, 0, 11400},        {0, 1400, 11400},  // any value but 9999 switches
    };
    for (const Case& c : cases) {
        SetFinalFrame(*f, c.stance, 19, 0, 1, 302, c.endRule, kNoTargets);
        EXPECT_EQ(FrameOf(*f, MakeCode(c.stance, 19, 0)).next, c.next)
            << "stance " << c.stance << " endRule " << c.endRule;
    }
}

TEST(FrameDefinition, ChainFrameGoesToNextFrameWhateverTheArguments) {
    auto f = NewFighter();
    SetChainFrame(*f, 0, 17, 1, 2, 509, 11400, kDistinct);
    EXPECT_EQ(FrameOf(*f, 1701).next, 1702);
    SetChainFrame(*f, 1, 28, 5, 3, 300, kNoValue, kNoTargets);
    EXPECT_EQ(FrameOf(*f, 12805).next, 12806);
}

TEST(FrameDefinition, HoldFrameRepeatsAndAnswersNothing) {
    auto f = NewFighter();
    SetFinalFrame(*f, 1, 1, 2, 9, 111, kNoValue, kDistinct);
    SetHoldFrame(*f, 1, 1, 2, 4, 802);
    const MotionFrame& m = FrameOf(*f, 10102);
    EXPECT_EQ(m.next, 10102);
    EXPECT_EQ(m.duration, 4);
    EXPECT_EQ(m.image, 802);
    for (const Transition& t : m.transitions) {
        EXPECT_EQ(t.enabled, 0);
        EXPECT_EQ(t.target, 11400);
    }
}

TEST(FrameDefinition, TargetsLandInTheirCommandsSlots) {
    auto f = NewFighter();
    SetFinalFrame(*f, 1, 14, 0, 1, 302, kNoValue, kDistinct);
    const MotionFrame& m = FrameOf(*f, 11400);
    const struct {
        int slot;
        MotionCode target;
    } expected[] = {
        {kSlotLA, 12000},       {kSlotFwdLA, 12100},  {kSlotBackLA, 12200},   {kSlotRA, 12300},
        {kSlotFwdRA, 12400},    {kSlotBackRA, 12500}, {kSlotLARA, 12600},     {kSlotFwdLARA, 12700},
        {kSlotBackLARA, 12800}, {kSlotGuard, 11500},  {kSlotLowGuard, 11600}, {kSlotUp, 11900},
        {kSlotForward, 11700},  {kSlotBack, 11800},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(m.transitions[e.slot].target, e.target) << "slot " << e.slot;
        EXPECT_EQ(m.transitions[e.slot].enabled, 1) << "slot " << e.slot;
    }
    EXPECT_EQ(m.code, 11400);
}

TEST(FrameDefinition, NoValueTargetsStayDisabledOnStand) {
    auto f = NewFighter();
    Targets targets = kNoTargets;
    targets[3] = 1501;  // G, into a frame inside a motion
    SetChainFrame(*f, 1, 20, 2, 2, 303, kNoValue, targets);
    const MotionFrame& m = FrameOf(*f, 12002);
    for (int slot = 0; slot < kSlots; ++slot) {
        const bool guard = slot == kSlotGuard;
        EXPECT_EQ(m.transitions[slot].enabled, guard ? 1 : 0) << "slot " << slot;
        EXPECT_EQ(m.transitions[slot].target, guard ? 11501 : 11400) << "slot " << slot;
    }
}

TEST(FrameDefinition, RedefiningReplacesSlotsButKeepsSetterValues) {
    auto f = NewFighter();
    SetCost(*f, 0, 23, 0, 170);  // a setter may come first
    SetChainFrame(*f, 0, 23, 0, 3, 107, kNoValue, kDistinct);
    SetFinalFrame(*f, 0, 23, 0, 5, 108, kNoValue, kNoTargets);
    const MotionFrame& m = FrameOf(*f, 2300);
    EXPECT_EQ(m.cost, 170);
    EXPECT_EQ(m.duration, 5);
    EXPECT_EQ(m.image, 108);
    EXPECT_EQ(m.next, 1400);
    for (const Transition& t : m.transitions)
        EXPECT_EQ(t.enabled, 0);
}

TEST(FieldSetters, DamageScalesWithPowerLevelTruncating) {
    struct Case {
        int power;
        int damage;
        int stored;
    };
    const Case cases[] = {
        {0, 120, 120}, {4, 120, 168}, {1, 24, 26},  {2, 24, 28},   {3, 24, 31}, {4, 24, 33},
        {4, 72, 100},  {-1, 24, 21},  {-1, 72, 64}, {3, 148, 192}, {0, 0, 0},   {-1, -15, -13},
    };
    for (const Case& c : cases) {
        auto f = NewFighter(c.power);
        SetDamage(*f, 0, 23, 1, c.damage, 2, 3);
        const MotionFrame& m = FrameOf(*f, 2301);
        EXPECT_EQ(m.damage, c.stored) << "damage " << c.damage << " power " << c.power;
        EXPECT_EQ(m.stun, 2);
        EXPECT_EQ(m.knockback, 3);
    }
}

TEST(CpuDefence, InstallsTheOpponentsRow) {
    struct Case {
        int opponent;
        int stance0[9];
        int stance1[9];
    };
    const Case cases[] = {
        {1, {1, 4, 4, 1, 5, 4, 4, 2, 1}, {4, 1, 2, 4, 4, 7, 2, 7, 2}},
        {9, {1, 5, 1, 1, 1, 1, 1, 1, 1}, {1, 4, 4, 1, 4, 5, 1, 1, 4}},
        {10, {1, 1, 4, 2, 2, 4, 4, 5, 4}, {1, 7, 4, 2, 4, 2, 4, 0, 0}},
        {15, {4, 7, 4, 4, 7, 1, 4, 5, 1}, {4, 7, 4, 4, 7, 1, 4, 5, 1}},
    };
    for (const Case& c : cases) {
        auto f = NewFighter();
        SetCpuDefence(*f, c.opponent);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(f->cpuDefence[0][i], c.stance0[i]) << "opponent " << c.opponent;
            EXPECT_EQ(f->cpuDefence[1][i], c.stance1[i]) << "opponent " << c.opponent;
        }
    }
}

TEST(CpuDefence, OtherNumbersLeaveItAlone) {
    for (int opponent : {0, 16, -1}) {
        auto f = NewFighter();
        SetCpuDefence(*f, 2);
        SetCpuDefence(*f, opponent);
        EXPECT_EQ(f->cpuDefence[0][2], 7) << opponent;
        EXPECT_EQ(f->cpuDefence[1][7], 3) << opponent;
    }
}

}  // namespace
