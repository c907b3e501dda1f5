// Regeneration, the command step and the advance step of a fighter.
#include "engine/update.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/fighter.h"

using namespace engine;

namespace {

std::unique_ptr<Fighter> NewFighter(int side) {
    auto f = std::make_unique<Fighter>();
    ResetFighter(*f, side);
    f->healthMax = f->healthCeiling = f->health = 1000;
    f->healthRegen = 4;
    f->staminaMax = 1024;
    f->stamina = 1024;
    f->staminaRegen = 16;
    f->halfWidth[0] = 45;
    f->halfWidth[1] = 45;
    return f;
}

void Enable(Fighter& f, MotionCode from, int slot, MotionCode target) {
    FrameOf(f, from).transitions[slot] = {target, 1};
}

}  // namespace

// ---- Regenerate ----

TEST(Regenerate, OnlyInRestingMotionsAndRoster7FollowUps) {
    struct Case {
        int kind;
        MotionCode code;
        int koMark;
        bool regenerates;
    };
    const Case cases[] = {
        {1, 1400, 0, true},   {1, 11500, 0, true}, {1, 1603, 0, true},  {1, 1700, 0, true},
        {1, 1800, 0, true},   {1, 11901, 0, true}, {1, 1300, 0, false}, {1, 2000, 0, false},
        {1, 600, 0, false},   {1, 100, 0, false},  {7, 2900, 0, true},  {7, 13200, 0, true},
        {7, 2901, 0, false},  {7, 3000, 0, false}, {6, 2900, 0, false}, {11, 2200, 0, false},
        {1, 1400, 99, false}, {7, 2900, 3, false},
    };
    for (const Case& c : cases) {
        auto f = NewFighter(kSideLeft);
        f->kind = c.kind;
        f->code = c.code;
        f->koMark = c.koMark;
        f->health = 500;
        f->stamina = 500;
        Regenerate(*f);
        EXPECT_EQ(f->health, c.regenerates ? 504 : 500) << "kind " << c.kind << " code " << c.code;
        EXPECT_EQ(f->stamina, c.regenerates ? 516 : 500) << "kind " << c.kind << " code " << c.code;
    }
}

TEST(Regenerate, StopsAtTheCeilingAndPullsDownWhatIsAbove) {
    struct Case {
        int health, ceiling, stamina, healthAfter, staminaAfter;
    };
    const Case cases[] = {
        {995, 1000, 1000, 999, 1016},   // both below their caps
        {996, 1000, 1008, 1000, 1024},  // exactly reaching the caps
        {998, 1000, 1020, 1000, 1024},  // would pass the caps
        {900, 800, 1024, 800, 1024},    // ceiling lowered below health by hits
    };
    for (const Case& c : cases) {
        auto f = NewFighter(kSideLeft);
        f->health = c.health;
        f->healthCeiling = c.ceiling;
        f->stamina = c.stamina;
        Regenerate(*f);
        EXPECT_EQ(f->health, c.healthAfter);
        EXPECT_EQ(f->stamina, c.staminaAfter);
    }
}

// ---- ApplyCommand ----

TEST(ApplyCommand, EachCommandUsesItsOwnSlot) {
    const int slotOf[17] = {
        -1, kSlotForward, kSlotBack, kSlotUp, -1, kSlotLowGuard, kSlotGuard, 0, 1, 2, 3, 4, 5, 6, 7,
        8,  kSlotGuard};
    for (int command = 1; command <= 16; ++command) {
        if (slotOf[command] < 0) continue;
        // Only the right slot enabled: followed.
        auto f = NewFighter(kSideLeft);
        Enable(*f, 1400, slotOf[command], 2105);
        int32_t cmd = command;
        ApplyCommand(*f, cmd);
        EXPECT_EQ(f->code, 2105) << "command " << command;
        EXPECT_EQ(cmd, 0) << "command " << command;

        // Every other slot enabled: not followed.
        auto g = NewFighter(kSideLeft);
        for (int slot = 0; slot < kSlots; ++slot)
            if (slot != slotOf[command]) Enable(*g, 1400, slot, 2105);
        cmd = command;
        ApplyCommand(*g, cmd);
        EXPECT_EQ(g->code, 1400) << "command " << command;
    }
}

TEST(ApplyCommand, NoneDownAndUnknownCommandsAreLeftAlone) {
    for (int32_t command : {0, 4, 17, 99, -1}) {
        auto f = NewFighter(kSideLeft);
        for (int slot = 0; slot < kSlots; ++slot)
            Enable(*f, 1400, slot, 2000);
        int32_t cmd = command;
        ApplyCommand(*f, cmd);
        EXPECT_EQ(cmd, command);
        EXPECT_EQ(f->code, 1400);
    }
}

TEST(ApplyCommand, DisabledSlotDropsMovesButKeepsAttacksPending) {
    for (int command = 1; command <= 16; ++command) {
        if (command == 4) continue;
        auto f = NewFighter(kSideLeft);
        f->tick = 3;
        int32_t cmd = command;
        ApplyCommand(*f, cmd);
        const bool attack = command >= 7 && command <= 15;
        EXPECT_EQ(cmd, attack ? command : 0) << "command " << command;
        EXPECT_EQ(f->code, 1400);
        EXPECT_EQ(f->tick, 3);
        EXPECT_EQ(f->staminaRefused, 0);
    }
}

TEST(ApplyCommand, StaminaMustStayAboveZero) {
    struct Case {
        int stamina, cost;
        bool accepted;
    };
    const Case cases[] = {{151, 150, true}, {150, 150, false}, {1, 0, true},
                          {0, 0, false},    {-5, 0, false},    {100, 200, false}};
    for (const Case& c : cases) {
        auto f = NewFighter(kSideLeft);
        f->stamina = c.stamina;
        f->tick = 7;
        f->cpuPlanActive = 1;
        f->cpuPlan = 5;
        Enable(*f, 1400, kSlotLA, 2000);
        FrameOf(*f, 2000).cost = c.cost;
        int32_t cmd = 7;
        ApplyCommand(*f, cmd);
        EXPECT_EQ(cmd, 0);
        if (c.accepted) {
            EXPECT_EQ(f->code, 2000);
            EXPECT_EQ(f->tick, 0);
            EXPECT_EQ(f->stamina, c.stamina - c.cost);
            EXPECT_EQ(f->staminaRefused, 0);
            EXPECT_EQ(f->cpuPlanActive, 1);
            EXPECT_EQ(f->cpuPlan, 5);
        } else {
            EXPECT_EQ(f->code, 1400) << c.stamina << " " << c.cost;
            EXPECT_EQ(f->tick, 7);
            EXPECT_EQ(f->stamina, c.stamina);
            EXPECT_EQ(f->staminaRefused, 1);
            EXPECT_EQ(f->cpuPlanActive, 0);
            EXPECT_EQ(f->cpuPlan, 0);
        }
    }
}

TEST(ApplyCommand, RefusalLeavesAnIdleComputerPlanAlone) {
    auto f = NewFighter(kSideLeft);
    f->stamina = 10;
    f->cpuPlanActive = 0;
    f->cpuPlan = 7;
    Enable(*f, 1400, kSlotRA, 2300);
    FrameOf(*f, 2300).cost = 50;
    int32_t cmd = 10;
    ApplyCommand(*f, cmd);
    EXPECT_EQ(f->staminaRefused, 1);
    EXPECT_EQ(f->cpuPlan, 7);
}

TEST(ApplyCommand, SlotsAreReadByTheCodesStanceAndCostByTheTargets) {
    auto f = NewFighter(kSideLeft);
    f->code = 1400;
    f->stance = 1;  // a stance change the code has not caught up with
    Enable(*f, 1400, kSlotForward, 11700);
    FrameOf(*f, 1700).cost = 500;  // the same motion in the other table
    FrameOf(*f, 11700).cost = 30;
    int32_t cmd = 1;
    ApplyCommand(*f, cmd);
    EXPECT_EQ(f->code, 11700);
    EXPECT_EQ(f->stamina, 1024 - 30);

    // A slot enabled only in the stance field's table is not seen.
    auto g = NewFighter(kSideLeft);
    g->stance = 1;
    Enable(*g, 11400, kSlotForward, 11700);
    cmd = 1;
    ApplyCommand(*g, cmd);
    EXPECT_EQ(g->code, 1400);
}

TEST(ApplyCommand, UpTwoTicksBeforeAReactionEndsSwitchesStance) {
    for (int tick = 0; tick <= 6; ++tick) {
        for (int32_t command : {3, 16}) {
            auto f = NewFighter(kSideLeft);
            f->code = 801;
            f->tick = tick;
            FrameOf(*f, 801).duration = 6;
            Enable(*f, 801, kSlotUp, 1900);  // must not be taken by the switch
            int32_t cmd = command;
            ApplyCommand(*f, cmd);
            if (tick == 4) {
                EXPECT_EQ(f->stance, 1) << "command " << command;
                EXPECT_EQ(f->code, 801);
                EXPECT_EQ(cmd, 0);
            } else {
                EXPECT_EQ(f->stance, 0) << "tick " << tick;
            }
        }
    }
}

TEST(ApplyCommand, ReactionSwitchReadsTheTimerTableAndSetsTheOtherStanceOfTheCode) {
    // The stance field already differs from the code's stance. The duration comes from the
    // stance field's table, and the new stance is "the other one of the code's stance".
    for (int codeStance : {0, 1}) {
        auto f = NewFighter(kSideLeft);
        const MotionCode code = MakeCode(codeStance, 6, 0);
        f->code = code;
        f->stance = 1 - codeStance;
        f->tables[f->stance][6][0].duration = 5;
        f->tables[codeStance][6][0].duration = 10;
        Enable(*f, code, kSlotUp, MakeCode(codeStance, 19, 0));
        f->tick = 3;
        int32_t cmd = 3;
        ApplyCommand(*f, cmd);
        EXPECT_EQ(cmd, 0);
        EXPECT_EQ(f->code, code) << "the switch must win over the up slot";
        EXPECT_EQ(f->stance, 1 - codeStance);
    }

    // Motions 6 and 13 are the ends of the reaction range; 14 and 5 are outside it.
    for (int motion : {5, 6, 13, 14}) {
        auto g = NewFighter(kSideLeft);
        g->code = MakeCode(0, motion, 0);
        FrameOf(*g, g->code).duration = 2;
        g->tick = 0;
        int32_t cmd = 3;
        ApplyCommand(*g, cmd);
        EXPECT_EQ(g->stance, motion == 6 || motion == 13 ? 1 : 0) << "motion " << motion;
    }
}

TEST(ApplyCommand, UpGuardInAGuardSwitchesStance) {
    struct Case {
        MotionCode code;
        int32_t command;
        int stanceAfter;
    };
    const Case cases[] = {
        {1500, 16, 1}, {1603, 16, 1}, {11502, 16, 0}, {1500, 3, 0}, {1400, 16, 0}, {1700, 16, 0},
    };
    for (const Case& c : cases) {
        auto f = NewFighter(kSideLeft);
        f->code = c.code;
        f->stance = StanceOf(c.code);
        int32_t cmd = c.command;
        ApplyCommand(*f, cmd);
        EXPECT_EQ(f->stance, c.stanceAfter) << c.code << " " << c.command;
        EXPECT_EQ(f->code, c.code);
        EXPECT_EQ(cmd, 0);
    }
}

// ---- Advance: movement and separation ----

struct MoveCase {
    int side, x, own, dx;
    int oppX, oppHalf, oppDx;
    bool movement;
    int expected;
};
void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << "side" << c.side << "_x" << c.x << "_dx" << c.dx << "_opp" << c.oppX << "_odx" << c.oppDx
        << (c.movement ? "" : "_still");
}

class AdvanceMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(AdvanceMoves, LandsWhereExpected) {
    const MoveCase& c = GetParam();
    auto f = NewFighter(c.side);
    f->x = c.x;
    f->halfWidth[0] = c.own;
    FrameOf(*f, 1400).dx = c.dx;
    FrameOf(*f, 1400).duration = 10;
    Advance(*f, c.oppX, c.oppHalf, c.movement, c.oppDx);
    EXPECT_EQ(f->x, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Field, AdvanceMoves,
    ::testing::Values(
        // Fighter 1 backs off, opponent far away; the step to 46 (or 50) is not taken.
        MoveCase{1, 100, 45, -14, 700, 40, 0, true, 86},
        MoveCase{1, 60, 45, -14, 700, 40, 0, true, 60},
        MoveCase{1, 60, 45, -9, 700, 40, 0, true, 51},
        MoveCase{1, 60, 45, -10, 700, 40, 0, true, 60},
        // Fighter 1 walks into fighter 2: stopped 5 pixels clear.
        MoveCase{1, 400, 45, 18, 500, 40, 0, true, 410},
        MoveCase{1, 396, 45, 18, 500, 40, 0, true, 414},
        // The opponent's own step counts; the clear position does not include it.
        MoveCase{1, 395, 45, 10, 500, 40, 12, true, 410},
        MoveCase{1, 395, 45, 10, 500, 40, 0, true, 405},
        // Mirror images for fighter 2: dx moves it left.
        MoveCase{2, 700, 45, -14, 100, 40, 0, true, 714},
        MoveCase{2, 740, 45, -14, 100, 40, 0, true, 740},
        MoveCase{2, 740, 45, -8, 100, 40, 0, true, 748},
        MoveCase{2, 740, 45, -9, 100, 40, 0, true, 740},
        MoveCase{2, 500, 40, 18, 400, 45, 0, true, 490},
        MoveCase{2, 505, 40, 10, 400, 45, 12, true, 490},
        MoveCase{2, 505, 40, 10, 400, 45, 0, true, 495},
        // Pressed against an edge by the opponent: 55 / 744.
        MoveCase{1, 60, 45, 5, 100, 40, 0, true, 55},
        MoveCase{2, 740, 45, 5, 700, 40, 0, true, 744},
        // Separation applies with movement off, and at exactly the limit nothing moves.
        MoveCase{1, 450, 45, 18, 500, 40, 0, false, 410},
        MoveCase{1, 415, 45, 18, 500, 40, 0, false, 415},
        MoveCase{1, 400, 45, 0, 500, 40, 20, false, 410},
        MoveCase{2, 450, 40, 18, 400, 45, 0, false, 490},
        MoveCase{2, 485, 40, 18, 400, 45, 0, false, 485},
        MoveCase{1, 52, 45, 0, 90, 40, 0, false, 55},
        MoveCase{2, 747, 45, 0, 710, 40, 0, false, 744},
        // The clear position exactly on the edge counts as the edge.
        MoveCase{1, 100, 45, 0, 140, 40, 0, false, 55},
        MoveCase{1, 100, 45, 0, 141, 40, 0, false, 51},
        MoveCase{2, 700, 45, 0, 659, 40, 0, false, 744},
        MoveCase{2, 700, 45, 0, 658, 40, 0, false, 748}));

TEST(Advance, MovementUsesTheTimerTableAndTheCodesHalfWidth) {
    auto f = NewFighter(kSideLeft);
    f->code = 1700;
    f->stance = 1;
    f->halfWidth[0] = 30;
    f->halfWidth[1] = 90;
    FrameOf(*f, 1700).dx = 20;
    FrameOf(*f, 11700).dx = 10;
    FrameOf(*f, 11700).duration = 5;
    f->x = 380;
    Advance(*f, 500, 40, true, 0);  // 390 + 30 < 460, but 390 + 90 would not be
    EXPECT_EQ(f->x, 390);
}

// ---- Advance: the frame timer ----

TEST(Advance, DurationTwoEndsAtTheThirdAdvance) {
    auto f = NewFighter(kSideLeft);
    f->code = 2000;
    FrameOf(*f, 2000).duration = 2;
    FrameOf(*f, 2000).next = 2001;
    int shown = 0;
    while (f->code == 2000 && shown < 10) {
        ++shown;
        Advance(*f, 700, 40, true, 0);
    }
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(f->code, 2001);
    EXPECT_EQ(f->tick, 0);
}

TEST(Advance, SkipTimerEndsTheFrameAtOnce) {
    auto f = NewFighter(kSideLeft);
    f->code = 1700;
    f->tick = 1;
    FrameOf(*f, 1700).duration = 8;
    FrameOf(*f, 1700).skipTimer = 1;
    FrameOf(*f, 1700).next = 1701;
    Advance(*f, 700, 40, true, 0);
    EXPECT_EQ(f->code, 1701);
    EXPECT_EQ(f->tick, 0);
}

TEST(Advance, TimerReadsTheStanceFieldsTable) {
    auto f = NewFighter(kSideLeft);
    f->code = 801;
    f->stance = 1;
    f->tick = 3;
    FrameOf(*f, 801).duration = 3;
    FrameOf(*f, 801).next = 1400;
    FrameOf(*f, 10801).duration = 3;
    FrameOf(*f, 10801).next = 11400;
    Advance(*f, 700, 40, true, 0);
    EXPECT_EQ(f->code, 11400);
    EXPECT_EQ(f->stance, 1);
}

TEST(Advance, EndOfMotion19SwitchesStanceTogetherWithTheCode) {
    auto f = NewFighter(kSideLeft);
    f->code = 1902;
    f->tick = 4;
    FrameOf(*f, 1902).duration = 4;
    FrameOf(*f, 1902).next = 11400;
    Advance(*f, 700, 40, true, 0);
    EXPECT_EQ(f->code, 11400);
    EXPECT_EQ(f->stance, 1);

    // Earlier ticks of the same frame change nothing; skipping the timer does not switch.
    auto g = NewFighter(kSideLeft);
    g->code = 1902;
    g->tick = 3;
    FrameOf(*g, 1902).duration = 4;
    Advance(*g, 700, 40, true, 0);
    EXPECT_EQ(g->stance, 0);
    EXPECT_EQ(g->tick, 4);
    FrameOf(*g, 1902).skipTimer = 1;
    FrameOf(*g, 1902).next = 11400;
    Advance(*g, 700, 40, true, 0);
    EXPECT_EQ(g->code, 11400);
    EXPECT_EQ(g->stance, 0);
}

TEST(Advance, Roster10SwitchesAfterFrame2OfMotions27And28) {
    struct Case {
        int kind;
        MotionCode code;
        bool switches;
    };
    const Case cases[] = {{10, 2702, true},  {10, 2802, true}, {10, 2701, false},
                          {10, 2902, false}, {9, 2702, false}, {10, 12802, true}};
    for (const Case& c : cases) {
        auto f = NewFighter(kSideLeft);
        f->kind = c.kind;
        f->code = c.code;
        f->stance = StanceOf(c.code);
        f->tick = 1;
        FrameOf(*f, c.code).duration = 1;
        FrameOf(*f, c.code).next = c.code + 1;
        Advance(*f, 700, 40, true, 0);
        EXPECT_EQ(f->code, c.code + 1);
        EXPECT_EQ(f->stance, StanceOf(c.code) ^ (c.switches ? 1 : 0)) << c.kind << " " << c.code;
    }
}

TEST(Advance, CommandThenAdvanceInOneUpdate) {
    // A duration-0 frame entered by a command is left by the same update's Advance.
    auto f = NewFighter(kSideLeft);
    Enable(*f, 1400, kSlotLA, 2000);
    FrameOf(*f, 2000).duration = 0;
    FrameOf(*f, 2000).next = 2001;
    int32_t cmd = 7;
    ApplyCommand(*f, cmd);
    Advance(*f, 700, 40, true, 0);
    EXPECT_EQ(f->code, 2001);
}
