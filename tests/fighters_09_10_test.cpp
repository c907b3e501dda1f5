// Roster numbers 9 (karate02) and 10 (Kick03): their pictures, their follow-up chains and
// Kick03's switch steps, played through the command and advance steps.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/update.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kKarate02 = 9;
constexpr int kKick03 = 10;

constexpr int kOpponentX = 600;  // far enough that no step is blocked
constexpr int kOpponentHalfWidth = 45;
constexpr int kMaxUpdates = 80;

// One update of a fighter alone on the floor: the command step, then the advance step.
// Returns true when the command was taken (consumed) in this update.
bool Update(Fighter& f, int command) {
    int32_t c = command;
    ApplyCommand(f, c);
    Advance(f, kOpponentX, kOpponentHalfWidth, true, 0);
    return command != 0 && c == 0;
}

int MotionOf(MotionCode code) {
    return code % 10000 / 100;
}

// Gives the command at every update, as a held button, until the fighter takes it; returns
// the code it entered, or -1 when it was never taken.
MotionCode Press(Fighter& f, int command) {
    for (int i = 0; i < kMaxUpdates; ++i) {
        int32_t c = command;
        ApplyCommand(f, c);
        const MotionCode entered = f.code;
        Advance(f, kOpponentX, kOpponentHalfWidth, true, 0);
        if (c == 0) return entered;
    }
    return -1;
}

TEST(Fighters0910, PicturesComeFromTheirOwnSheets) {
    struct Case {
        int kind;
        int sheets;  // own sheets; sheet numbers 9 and 10 stand for the 8th and 9th
        int reservedFirst, reservedLast;  // kept for the common motions' own reactions
    };
    for (const Case& c : {Case{kKarate02, 7, 0, -1}, Case{kKick03, 8, 900, 909}}) {
        auto f = BuiltFighter(c.kind, 0, 2);
        std::set<int> shown[kStances];
        for (int s = 0; s < kStances; ++s)
            for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
                for (const MotionFrame& frame : f->tables[s][m]) {
                    if (!IsDefined(frame)) continue;
                    const int sheet = frame.image / 100, cell = frame.image % 100;
                    const int last = c.sheets <= 7 ? c.sheets : c.sheets + 1;
                    EXPECT_TRUE(sheet >= 1 && sheet <= last && sheet != 8)
                        << c.kind << ": " << frame.code << " shows " << frame.image;
                    EXPECT_LE(cell, 11) << c.kind << ": " << frame.code;
                    EXPECT_FALSE(frame.image >= c.reservedFirst && frame.image <= c.reservedLast)
                        << c.kind << ": " << frame.code << " uses reserved " << frame.image;
                    shown[s].insert(frame.image);
                }
        for (int image : shown[0])
            EXPECT_EQ(shown[1].count(image), 0u) << c.kind << ": both stances show " << image;
    }
}

// karate02's follow-ups open only out of its stance-0 front kick (forward+RA, motion 24).
TEST(Fighters0910, Karate02FollowUpsOpenOnlyFromTheFrontKick) {
    auto f = BuiltFighter(kKarate02, 0, 2);
    std::set<int> reached;
    for (int m = 0; m < kMotions; ++m)
        for (const MotionFrame& frame : f->tables[0][m])
            for (const Transition& t : frame.transitions) {
                if (!t.enabled || MotionOf(t.target) < kMotionFollowUpFirst) continue;
                EXPECT_EQ(m, 24) << frame.code << " leads into " << t.target;
                reached.insert(MotionOf(t.target));
            }
    EXPECT_EQ(reached, (std::set<int>{29, 32}));
}

// Combinations pressed one after another from the stand: each command waits until a frame
// of the running move takes it, and each follow-up is an attack that costs stamina.
TEST(Fighters0910, FollowUpChainsPlayThrough) {
    struct Case {
        int kind;
        int stance;
        std::vector<int> commands;
        std::vector<int> motions;  // entered by the commands in turn
    };
    const Case cases[] = {
        {kKarate02, 0, {11, 7}, {24, 29}},     {kKarate02, 0, {11, 10}, {24, 32}},
        {kKick03, 0, {7, 7, 7}, {20, 29, 30}}, {kKick03, 0, {10, 10, 10}, {23, 32, 33}},
        {kKick03, 1, {7, 7}, {20, 29}},        {kKick03, 1, {10, 10}, {23, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "fighter " << c.kind << " stance " << c.stance);
        auto f = BuiltFighter(c.kind, 0, 2);
        f->stance = c.stance;
        f->code = MakeCode(c.stance, kMotionStand, 0);
        for (size_t i = 0; i < c.commands.size(); ++i) {
            const int before = f->stamina;
            const MotionCode entered = Press(*f, c.commands[i]);
            ASSERT_EQ(entered, MakeCode(c.stance, c.motions[i], 0)) << "command " << i;
            const MotionFrame& start = FrameOf(*f, entered);
            EXPECT_GT(start.cost, 0);
            EXPECT_EQ(before - f->stamina, start.cost);
            bool hits = false;
            for (const MotionFrame& frame : f->tables[c.stance][c.motions[i]])
                hits |= frame.attackKind > 0;
            EXPECT_TRUE(hits) << "motion " << c.motions[i];
        }
    }
}

// Kick03's forward+LA+RA and back+LA+RA: moves without a hit that land in the other
// stance's stand, with the stance field and the code changing together.
TEST(Fighters0910, Kick03SwitchStepsLandInTheOtherStance) {
    struct Case {
        int stance;
        int command;
        int motion;
        int direction;  // sign of the distance travelled
    };
    const Case cases[] = {{0, 14, 27, 1}, {0, 15, 28, -1}, {1, 14, 27, 1}, {1, 15, 28, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stance " << c.stance << " command " << c.command);
        auto f = BuiltFighter(kKick03, 0, 2);
        f->x = 300;
        f->stance = c.stance;
        f->code = MakeCode(c.stance, kMotionStand, 0);
        ASSERT_TRUE(Update(*f, c.command));
        EXPECT_EQ(f->stamina, 1024 - 100);
        int lastFrame = -1, updates = 1;
        // The step cannot be broken off: G held all the way changes nothing.
        while (MotionOf(f->code) == c.motion && updates < kMaxUpdates) {
            lastFrame = f->code % 100;
            ASSERT_EQ(f->code / 10000, c.stance);
            ASSERT_EQ(f->stance, c.stance);
            Update(*f, 6);
            ++updates;
        }
        EXPECT_EQ(lastFrame, 2);
        const int other = 1 - c.stance;
        EXPECT_EQ(f->code, MakeCode(other, kMotionStand, 0));
        EXPECT_EQ(f->stance, other);
        EXPECT_EQ(TimerFrameOf(*f).code, f->code);
        EXPECT_GT((f->x - 300) * c.direction, 0);
        // From there the other stance's moves answer.
        EXPECT_EQ(Press(*f, 7), MakeCode(other, kMotionAttackFirst, 0));
    }
}

}  // namespace
