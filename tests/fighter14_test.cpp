// Roster number 14 (Capoeira): the swaying six-frame stand, its pictures spread over all
// nine of its own sheets, and the follow-up kicks 30, 32 and 33 in both stances.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "engine/update.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kCapoeira = 14;
constexpr int kGingaFrames = 6;

class CapoeiraTest : public ::testing::Test {
  protected:
    std::unique_ptr<Fighter> f = BuiltFighter(kCapoeira, 0, 2);
    const MotionFrame& At(int stance, int motion, int frame) {
        return f->tables[stance][motion][frame];
    }
};

TEST_F(CapoeiraTest, GingaIsSixFramesThatAllAnswerTheStandSet) {
    for (int s = 0; s < kStances; ++s) {
        const MotionFrame& first = At(s, kMotionStand, 0);
        for (int i = 0; i < kFramesPerMotion; ++i) {
            const MotionFrame& frame = At(s, kMotionStand, i);
            SCOPED_TRACE(testing::Message() << "frame " << frame.code);
            ASSERT_EQ(IsDefined(frame), i < kGingaFrames);
            if (i >= kGingaFrames) continue;
            const bool last = i == kGingaFrames - 1;
            EXPECT_EQ(frame.next, last ? MakeCode(s, kMotionStand, 0) : frame.code + 1);
            for (int slot = 0; slot < kSlots; ++slot) {
                EXPECT_EQ(frame.transitions[slot].enabled, 1) << "slot " << slot;
                EXPECT_EQ(frame.transitions[slot].target, first.transitions[slot].target);
            }
            EXPECT_EQ(frame.reach, 128);
            EXPECT_EQ(frame.attackKind, 0);
            for (int c : frame.cpuFollowUp)
                EXPECT_EQ(c, kNoValue);
        }
    }
    std::set<int> steps;
    for (int i = 0; i < kGingaFrames; ++i)
        steps.insert(At(0, kMotionStand, i).dx);
    EXPECT_EQ(steps, (std::set<int>{4, -2, -4}));
}

// Left alone, the fighter sways away from its spot and is back on it after every sway.
TEST_F(CapoeiraTest, GingaComesBackToWhereItStarted) {
    for (int s = 0; s < kStances; ++s) {
        SCOPED_TRACE(testing::Message() << "stance " << s);
        f->stance = s;
        f->code = MakeCode(s, kMotionStand, 0);
        f->tick = 0;
        f->x = 300;
        int updates = 0;
        for (int i = 0; i < kGingaFrames; ++i)
            updates += At(s, kMotionStand, i).duration + 1;
        for (int sway = 0; sway < 2; ++sway) {
            int farthest = 0;
            for (int u = 0; u < updates; ++u) {
                Advance(*f, 700, 45, true, 0);
                farthest = std::max(farthest, std::abs(f->x - 300));
            }
            EXPECT_EQ(f->x, 300);
            EXPECT_EQ(f->code, MakeCode(s, kMotionStand, 0));
            EXPECT_GE(farthest, 6);
        }
    }
}

// Stance 0 draws from sheets 1 to 5, stance 1 from 5 to 10; the shared sheets 0 and 8 hold
// only the falls and reactions.
TEST_F(CapoeiraTest, EachStanceHasItsOwnPicturesInItsOwnSheets) {
    std::set<int> pictures[kStances];
    std::set<int> sheets[kStances];
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
            for (const MotionFrame& frame : f->tables[s][m]) {
                if (!IsDefined(frame)) continue;
                const int sheet = frame.image / 100;
                EXPECT_LE(frame.image % 100, 11) << frame.code;
                EXPECT_TRUE(sheet >= 1 && sheet <= 10 && sheet != 8) << frame.code;
                pictures[s].insert(frame.image);
                sheets[s].insert(sheet);
            }
    EXPECT_EQ(sheets[0], (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(sheets[1], (std::set<int>{5, 6, 7, 9, 10}));
    for (int image : pictures[0])
        EXPECT_EQ(pictures[1].count(image), 0u) << image;
}

// Which attacks open a window into each follow-up, and where the follow-up chain leads.
struct FollowUpEntry {
    int stance;
    int followUp;
    std::set<int> from;
};

const FollowUpEntry kFollowUps[] = {
    {0, 30, {20, 21}}, {0, 32, {23, 24}}, {0, 33, {25, 32}},
    {1, 30, {20, 21}}, {1, 32, {22, 23}}, {1, 33, {25, 32}},
};

int FirstActiveFrame(const Fighter& f, int stance, int motion) {
    for (int i = 0; i < kFramesPerMotion; ++i)
        if (f.tables[stance][motion][i].attackKind != 0) return i;
    return -1;
}

TEST_F(CapoeiraTest, FollowUpsOpenOnlyAfterTheHitOfTheirAttacks) {
    for (const FollowUpEntry& e : kFollowUps) {
        SCOPED_TRACE(testing::Message() << "stance " << e.stance << " follow-up " << e.followUp);
        const MotionFrame& start = At(e.stance, e.followUp, 0);
        EXPECT_GT(start.cost, 0);
        EXPECT_EQ(start.attackKind, 0);
        EXPECT_GT(FirstActiveFrame(*f, e.stance, e.followUp), 0);
        std::set<int> from;
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
            for (int i = 0; i < kFramesPerMotion; ++i)
                for (const Transition& t : At(e.stance, m, i).transitions) {
                    if (!t.enabled || t.target != start.code) continue;
                    from.insert(m);
                    EXPECT_GT(i, FirstActiveFrame(*f, e.stance, m)) << "from " << m << "." << i;
                }
        EXPECT_EQ(from, e.from);
    }
}

// Holding RA: galopante, ponteira, meia lua de frente, each paid for as it starts.
TEST_F(CapoeiraTest, HoldingRaPlaysTheWholeChain) {
    const int startStamina = f->stamina;
    std::vector<int> motions;
    for (int u = 0; u < 60 && motions.size() < 3; ++u) {
        int32_t command = 10;
        ApplyCommand(*f, command);
        const int m = MotionOf(f->code);
        if (m != kMotionStand && (motions.empty() || motions.back() != m)) motions.push_back(m);
        Advance(*f, 700, 45, true, 0);
    }
    EXPECT_EQ(motions, (std::vector<int>{23, 32, 33}));
    EXPECT_EQ(f->stamina, startStamina - At(0, 23, 0).cost - At(0, 32, 0).cost - At(0, 33, 0).cost);
}

// What the computer may press next is something the frame, or a later frame of the same
// move, answers.
TEST_F(CapoeiraTest, ComputerFollowUpsAreAnswered) {
    const std::map<int, int> moveSlots = {{1, kSlotForward},  {2, kSlotBack},  {3, kSlotUp},
                                          {5, kSlotLowGuard}, {6, kSlotGuard}, {16, kSlotGuard}};
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
            for (int i = 0; i < kFramesPerMotion; ++i) {
                const MotionFrame& frame = At(s, m, i);
                if (!IsDefined(frame)) continue;
                for (int c : frame.cpuFollowUp) {
                    if (c == 0 || c == kNoValue) continue;
                    bool answered = false;
                    if (c >= 7 && c <= 15) {
                        for (int j = i; j < kFramesPerMotion && IsDefined(At(s, m, j)); ++j)
                            answered |= At(s, m, j).transitions[c - 7].enabled != 0;
                    } else if (moveSlots.count(c)) {
                        answered = frame.transitions[moveSlots.at(c)].enabled != 0;
                    }
                    EXPECT_TRUE(answered) << frame.code << " follow-up " << c;
                }
            }
}

}  // namespace
