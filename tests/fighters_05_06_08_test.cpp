// Fighters 5 (kick01), 6 (hakkyokuken) and 8 (Kick02): what sets each of them apart, and the
// rules their stance tables keep for pictures and for the computer player's follow-ups.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "engine/update.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kKick01 = 5;
constexpr int kHakkyokuken = 6;
constexpr int kKick02 = 8;
constexpr int kMine[] = {kKick01, kHakkyokuken, kKick02};

// Every frame a stance builder wrote (motions 14..34) of one stance.
void ForEachStanceFrame(const Fighter& f, int s,
                        const std::function<void(const MotionFrame&)>& fn) {
    for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
        for (const MotionFrame& frame : f.tables[s][m])
            if (IsDefined(frame)) fn(frame);
}

// (kind, code) of every frame of every registered fighter that satisfies pred.
std::set<std::pair<int, MotionCode>> RosterFramesWhere(
    const std::function<bool(const MotionFrame&)>& pred) {
    std::set<std::pair<int, MotionCode>> found;
    for (int kind = 1; kind <= kRosterSize; ++kind) {
        if (RosterFor(kind) == nullptr) continue;
        auto f = BuiltFighter(kind, 0, kind);
        for (int s = 0; s < kStances; ++s)
            ForEachStanceFrame(*f, s, [&](const MotionFrame& frame) {
                if (pred(frame)) found.insert({kind, frame.code});
            });
    }
    return found;
}

TEST(Kick01, StepsWideInBothStances) {
    auto f = BuiltFighter(kKick01, 0, 2);
    for (int s = 0; s < kStances; ++s) {
        std::multiset<int> forward, back;
        for (const MotionFrame& frame : f->tables[s][kMotionStepForward])
            if (frame.dx != 0) forward.insert(frame.dx);
        for (const MotionFrame& frame : f->tables[s][kMotionStepBack])
            if (frame.dx != 0) back.insert(frame.dx);
        EXPECT_EQ(forward, std::multiset<int>{24}) << "stance " << s;
        EXPECT_EQ(back, std::multiset<int>{-20}) << "stance " << s;
    }
}

TEST(Kick01, ReachesUpTo103) {
    auto f = BuiltFighter(kKick01, 0, 2);
    int longest = 0;
    MotionCode where = 0;
    for (int s = 0; s < kStances; ++s)
        ForEachStanceFrame(*f, s, [&](const MotionFrame& frame) {
            if (frame.attackKind != 0 && frame.reach > longest) {
                longest = frame.reach;
                where = frame.code;
            }
        });
    EXPECT_EQ(longest, 103);
    EXPECT_EQ(MotionOf(where), 25) << "the rear low kick of stance 0 reaches farthest";
}

TEST(Hakkyokuken, StanceOneStandsWider) {
    auto f = BuiltFighter(kHakkyokuken, 0, 2);
    EXPECT_EQ(FrameOf(*f, 1400).bodyFront, 33);
    EXPECT_EQ(FrameOf(*f, 11400).bodyFront, 58);
}

// Across the whole roster, skipTimer and attack class 6 are each found in one frame, both his:
// the burst step of the stance-0 lunge punch and the stance-0 stamp.
TEST(Hakkyokuken, OwnsTheRareFrameValues) {
    using Where = std::set<std::pair<int, MotionCode>>;
    EXPECT_EQ(RosterFramesWhere([](const MotionFrame& fr) { return fr.skipTimer != 0; }),
              (Where{{kHakkyokuken, 2502}}));
    EXPECT_EQ(RosterFramesWhere([](const MotionFrame& fr) { return fr.attackKind == 6; }),
              (Where{{kHakkyokuken, 2201}}));
    // Class 3 (which only one other fighter uses) is his double palm: both hands of it.
    auto f = BuiltFighter(kHakkyokuken, 0, 2);
    std::set<MotionCode> classThree;
    for (int s = 0; s < kStances; ++s) {
        ForEachStanceFrame(*f, s, [&](const MotionFrame& frame) {
            if (frame.attackKind == 3) classThree.insert(frame.code);
        });
    }
    EXPECT_EQ(classThree, (std::set<MotionCode>{2801, 2802}));
}

// The lunge punch's burst step lasts one update although its duration says more.
TEST(Hakkyokuken, LungeBurstStepLastsOneUpdate) {
    auto f = BuiltFighter(kHakkyokuken, 0, 2);
    ASSERT_EQ(FrameOf(*f, 2502).skipTimer, 1);
    ASSERT_GT(FrameOf(*f, 2502).duration, 0);
    int32_t command = 12;  // back+RA
    ApplyCommand(*f, command);
    ASSERT_EQ(f->code, 2500);
    int shown2501 = 0, shown2502 = 0, xBefore = 0, xAfter = 0;
    for (int update = 0; update < 40 && f->code != 1400; ++update) {
        const MotionCode before = f->code;
        const int x = f->x;
        Advance(*f, 700, 45, true, 0);
        if (before == 2501) ++shown2501;
        if (before == 2502) {
            ++shown2502;
            xBefore = x;
            xAfter = f->x;
        }
    }
    EXPECT_EQ(shown2501, FrameOf(*f, 2501).duration + 1);
    EXPECT_EQ(shown2502, 1);
    EXPECT_EQ(xAfter - xBefore, FrameOf(*f, 2502).dx);
    EXPECT_GT(xAfter - xBefore, 24) << "a burst, longer than any step";
}

// Pictures: only the fighter's own sheets 1..n, cells 0..11, never the pictures its common
// motions keep for its reactions, and the two stances share only the listed poses.
struct PictureRule {
    int kind;
    int sheets;
    std::set<int> reserved;
    std::set<int> shared;
};

TEST(Fighters050608, PicturesStayOnTheirSheets) {
    std::set<int> kick02Reactions = {603, 604, 605, 606, 607, 608, 609, 610, 611, 700};
    const PictureRule rules[] = {
        {kKick01, 5, {}, {101, 102, 104}},  // guard, low guard and back step
        {kHakkyokuken, 6, {}, {}},
        {kKick02, 7, kick02Reactions, {}},
    };
    for (const PictureRule& rule : rules) {
        SCOPED_TRACE(testing::Message() << "fighter " << rule.kind);
        auto f = BuiltFighter(rule.kind, 0, 2);
        std::set<int> shown[kStances];
        for (int s = 0; s < kStances; ++s)
            ForEachStanceFrame(*f, s, [&](const MotionFrame& frame) {
                shown[s].insert(frame.image);
                EXPECT_GE(frame.image / 100, 1) << frame.code;
                EXPECT_LE(frame.image / 100, rule.sheets) << frame.code;
                EXPECT_LE(frame.image % 100, 11) << frame.code;
                EXPECT_EQ(rule.reserved.count(frame.image), 0u) << frame.code;
            });
        std::set<int> both;
        for (int image : shown[0])
            if (shown[1].count(image)) both.insert(image);
        EXPECT_EQ(both, rule.shared);
    }
    // The reserved pictures are really in use: stance 1's reactions show them.
    auto f = BuiltFighter(kKick02, 0, 2);
    std::set<int> reactions;
    for (int m = 6; m <= 10; ++m)
        for (int i = 0; i < 2; ++i)
            reactions.insert(f->tables[1][m][i].image);
    EXPECT_EQ(reactions, kick02Reactions);
}

int SlotOf(int command) {
    if (command >= 7 && command <= 15) return command - 7;
    switch (command) {
        case 1: return kSlotForward;
        case 2: return kSlotBack;
        case 3: return kSlotUp;
        case 5: return kSlotLowGuard;
        case 6:
        case 16: return kSlotGuard;
        default: return -1;
    }
}

// A computer follow-up is a wait (0), the end of the plan (9999), or a command the frame
// answers; an attack command may also wait for a later frame of the same motion.
TEST(Fighters050608, ComputerFollowUpsAreAnswered) {
    for (int kind : kMine) {
        auto f = BuiltFighter(kind, 0, 2);
        for (int s = 0; s < kStances; ++s) {
            for (int c : f->tables[s][kMotionStand][0].cpuFollowUp)
                EXPECT_EQ(c, kNoValue);
            for (int m = kMotionAttackFirst; m <= kMotionAttackLast; ++m)
                for (int i = 0; i < kFramesPerMotion; ++i) {
                    const MotionFrame& frame = f->tables[s][m][i];
                    if (!IsDefined(frame)) continue;
                    for (int c : frame.cpuFollowUp) {
                        if (c == 0 || c == kNoValue) continue;
                        const int slot = SlotOf(c);
                        ASSERT_GE(slot, 0) << frame.code << " follow-up " << c;
                        bool answered = frame.transitions[slot].enabled != 0;
                        const bool waits = c >= 7 && c <= 15;
                        for (int j = i + 1; waits && !answered && j < kFramesPerMotion; ++j)
                            answered = f->tables[s][m][j].transitions[slot].enabled != 0;
                        EXPECT_TRUE(answered)
                            << "fighter " << kind << " " << frame.code << " follow-up " << c;
                    }
                }
        }
    }
}

}  // namespace
