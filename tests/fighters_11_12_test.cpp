// Boxer03 (roster number 11) and JEETKUNEDOO (roster number 12): what sets them apart from
// the other fighters: the boxer's guard counters, free slips and screen-wide stare-down, the
// feint that opens JEETKUNEDOO's follow-ups, and the pictures each may use.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/update.h"
#include "fight/hits.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kBoxer = 11;
constexpr int kJeetKuneDo = 12;

// Puts the fighter on a frame with full stamina, as if it had just entered it.
void Enter(Fighter& f, MotionCode code) {
    f.code = code;
    f.stance = StanceOf(code);
    f.tick = 0;
    f.stamina = 1024;
}

TEST(Boxer03, DownGuardFromStandRaisesTheHighGuardAndTheLowGuardStaysReachable) {
    auto f = BuiltFighter(kBoxer, 0, 2);
    for (int s = 0; s < kStances; ++s) {
        Enter(*f, MakeCode(s, kMotionStand, 0));
        int command = 5;  // down+G
        ApplyCommand(*f, command);
        EXPECT_EQ(f->code, MakeCode(s, kMotionGuard, 0));
        // Held on, down+G goes on from the high guard to the low guard.
        command = 5;
        ApplyCommand(*f, command);
        EXPECT_EQ(f->code, MakeCode(s, kMotionLowGuard, 0));
    }
}

// Every way into a follow-up motion: the motion whose frames open it and the command.
struct Opening {
    int kind;
    int stance;
    int from;     // motion whose frames answer the command
    int command;  // 7 = LA, 10 = RA, ...
    int followUp;
};

constexpr Opening kOpenings[] = {
    {kBoxer, 0, 15, 7, 29},       {kBoxer, 0, 16, 7, 29},       {kBoxer, 0, 15, 10, 32},
    {kBoxer, 0, 16, 10, 32},      {kBoxer, 0, 20, 7, 30},       {kBoxer, 0, 20, 10, 31},
    {kBoxer, 0, 23, 7, 33},       {kBoxer, 0, 23, 10, 34},      {kBoxer, 1, 15, 7, 29},
    {kBoxer, 1, 16, 7, 29},       {kBoxer, 1, 15, 10, 32},      {kBoxer, 1, 16, 10, 32},
    {kJeetKuneDo, 0, 26, 7, 29},  {kJeetKuneDo, 0, 26, 10, 32}, {kJeetKuneDo, 1, 26, 7, 29},
    {kJeetKuneDo, 1, 26, 10, 32},
};

constexpr int SlotOf(int command) {
    return command - 7;  // attack commands 7..15 use slots 0..8
}

// Every enabled transition into motions 29..34 is one of the openings above, and every
// opening is taken by a command from its motion, paying the follow-up's cost.
TEST(Fighters11And12, FollowUpsOpenOnlyWhereTheRosterSays) {
    for (int kind : {kBoxer, kJeetKuneDo}) {
        auto f = BuiltFighter(kind, 0, 2);
        for (int s = 0; s < kStances; ++s)
            for (int m = 0; m < kMotions; ++m)
                for (const MotionFrame& frame : f->tables[s][m])
                    for (int slot = 0; slot < kSlots; ++slot) {
                        const Transition& t = frame.transitions[slot];
                        const int target = MotionOf(t.target);
                        if (!t.enabled || target < kMotionFollowUpFirst) continue;
                        bool listed = false;
                        for (const Opening& o : kOpenings)
                            listed |= o.kind == kind && o.stance == s && o.from == m &&
                                      SlotOf(o.command) == slot && o.followUp == target;
                        EXPECT_TRUE(listed) << "fighter " << kind << " " << frame.code << " slot "
                                            << slot << " -> " << t.target;
                        EXPECT_EQ(FrameNumberOf(t.target), 0) << frame.code;
                    }
    }
    for (const Opening& o : kOpenings) {
        SCOPED_TRACE(testing::Message() << "fighter " << o.kind << " stance " << o.stance
                                        << " motion " << o.from << " command " << o.command);
        auto f = BuiltFighter(o.kind, 0, 2);
        const MotionCode target = MakeCode(o.stance, o.followUp, 0);
        int answering = 0;
        for (int i = 0; i < kFramesPerMotion; ++i) {
            const MotionCode code = MakeCode(o.stance, o.from, i);
            if (!IsDefined(FrameOf(*f, code))) continue;
            Enter(*f, code);
            int command = o.command;
            ApplyCommand(*f, command);
            if (f->code != target) continue;
            ++answering;
            EXPECT_EQ(f->stamina, 1024 - FrameOf(*f, target).cost);
        }
        EXPECT_GT(answering, 0);
        // The guard counters answer from every guard frame, blocking (frame 1) included.
        if (o.from == kMotionGuard || o.from == kMotionLowGuard) {
            EXPECT_EQ(answering, 2);
        }
    }
}

TEST(Boxer03, SlipAndRollInStanceZeroCostNothingAndDodgeHighPunches) {
    auto f = BuiltFighter(kBoxer, 0, 2);
    for (int command : {7, 10}) {
        Enter(*f, 1400);
        f->stamina = 2;  // any move with a cost would be refused
        int pending = command;
        ApplyCommand(*f, pending);
        EXPECT_EQ(f->code, 100 * (command == 7 ? 20 : 23));
        EXPECT_EQ(f->stamina, 2);
        EXPECT_EQ(f->staminaRefused, 0);
        // High punches (attack classes 1 to 3) miss bodyType 2 while the dodge lasts.
        for (MotionCode code = f->code; MotionOf(code) == MotionOf(f->code); ++code) {
            if (!IsDefined(FrameOf(*f, code))) break;
            EXPECT_EQ(FrameOf(*f, code).bodyType, 2) << code;
        }
    }
}

// Stance 0 back+LA+RA: eight ticks of wind-up, then a glare that staggers the opponent from
// across the screen without hurting it.
TEST(Boxer03, StareDownStaggersTheOpponentAnywhere) {
    auto boxer = BuiltFighter(kBoxer, 0, 2);
    int windUp = 0;
    for (const MotionFrame& frame : boxer->tables[0][28]) {
        if (frame.attackKind != 0) break;
        windUp += frame.duration;
    }
    EXPECT_EQ(windUp, 8);

    auto opponent = fighter_test::NewFighter();
    ResetFighter(*opponent, kSideRight);
    BuildFighter(*opponent, 2, kBoxer);
    boxer->x = 60;
    opponent->x = 740;
    const int health = opponent->health;

    int command = 15;
    ApplyCommand(*boxer, command);
    ASSERT_EQ(boxer->code, 2800);
    fight::HitResult result = fight::kHitNothing;
    for (int update = 0; update < 20 && result == fight::kHitNothing; ++update) {
        const MotionFrame copy0 = CopyCurrentFrame(*boxer);
        const MotionFrame copy1 = CopyCurrentFrame(*opponent);
        Advance(*boxer, opponent->x, opponent->halfWidth[0], true, copy1.dx);
        Advance(*opponent, boxer->x, boxer->halfWidth[0], true, copy0.dx);
        result = fight::TryHit(*boxer, *opponent, copy1);
    }
    EXPECT_NE(result, fight::kHitNothing);
    EXPECT_NE(result, fight::kHitGuarded);
    EXPECT_GE(opponent->x - boxer->x, 600);
    EXPECT_EQ(MotionOf(opponent->code), 7);
    EXPECT_EQ(FrameOf(*opponent, 701).duration, 16);
    EXPECT_EQ(opponent->health, health);
}

// The computer opponent's follow-ups name only commands that the frame, or a later frame of
// the same motion for a pending attack command, really answers.
TEST(Fighters11And12, ComputerFollowUpsAreAnswered) {
    for (int kind : {kBoxer, kJeetKuneDo}) {
        auto f = BuiltFighter(kind, 0, 2);
        for (int s = 0; s < kStances; ++s)
            for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
                for (int i = 0; i < kFramesPerMotion; ++i) {
                    const MotionFrame& frame = f->tables[s][m][i];
                    if (!IsDefined(frame)) continue;
                    for (int c : frame.cpuFollowUp) {
                        if (c == 0 || c == kNoValue) continue;
                        ASSERT_TRUE(c >= 7 && c <= 15) << frame.code << " follow-up " << c;
                        bool answered = false;
                        for (int j = i; j < kFramesPerMotion && IsDefined(f->tables[s][m][j]); ++j)
                            answered |= f->tables[s][m][j].transitions[SlotOf(c)].enabled != 0;
                        EXPECT_TRUE(answered)
                            << "fighter " << kind << " " << frame.code << " follow-up " << c;
                    }
                }
    }
}

// Pictures: only the fighter's own sheets (sheet number 9 is the boxer's eighth sheet), cells
// 0..11, never JEETKUNEDOO's own reaction pictures 700..709, and no picture in both stances.
TEST(Fighters11And12, PicturesStayOnTheirOwnSheets) {
    struct Sheets {
        int kind;
        std::set<int> sheets;
        int reservedFirst, reservedLast;
    };
    const Sheets cases[] = {{kBoxer, {1, 2, 3, 4, 5, 6, 7, 9}, 0, -1},
                            {kJeetKuneDo, {1, 2, 3, 4, 5, 6, 7}, 700, 709}};
    for (const Sheets& c : cases) {
        auto f = BuiltFighter(c.kind, 0, 2);
        std::set<int> shown[kStances];
        for (int s = 0; s < kStances; ++s)
            for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
                for (const MotionFrame& frame : f->tables[s][m]) {
                    if (!IsDefined(frame)) continue;
                    const int image = frame.image;
                    EXPECT_TRUE(c.sheets.count(image / 100)) << frame.code << " " << image;
                    EXPECT_LE(image % 100, 11) << frame.code;
                    EXPECT_FALSE(image >= c.reservedFirst && image <= c.reservedLast)
                        << frame.code << " " << image;
                    shown[s].insert(image);
                }
        for (int image : shown[0])
            EXPECT_FALSE(shown[1].count(image)) << "fighter " << c.kind << " " << image;
    }
}

}  // namespace
