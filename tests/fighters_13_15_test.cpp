// Fighters 13 (MuayThai02) and 15 (qirune): what sets them apart from the rest of the roster.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "engine/construct.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kMuayThai02 = 13;
constexpr int kQirune = 15;

struct PictureRule {
    int kind;
    int sheets;              // own sheets 1..sheets
    std::set<int> reserved;  // the fighter's own reaction and fall pictures
};

const PictureRule kPictureRules[] = {
    {kMuayThai02,
     7,
     {600, 601, 602, 603, 604, 605, 606, 607, 608, 609, 700, 701, 702, 703, 708, 709}},
    {kQirune, 4, {}},
};

// Every pose of the stance tables comes from the fighter's own sheets and never takes a
// picture that its reactions and falls show.
TEST(Fighters13And15, StancePosesUseOwnSheetsOnly) {
    for (const PictureRule& rule : kPictureRules) {
        auto f = BuiltFighter(rule.kind, 0, 2);
        for (int s = 0; s < kStances; ++s)
            for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
                for (const MotionFrame& frame : f->tables[s][m]) {
                    if (!IsDefined(frame)) continue;
                    SCOPED_TRACE(testing::Message()
                                 << "fighter " << rule.kind << " frame " << frame.code);
                    EXPECT_GE(frame.image / 100, 1);
                    EXPECT_LE(frame.image / 100, rule.sheets);
                    EXPECT_LT(frame.image % 100, 12);
                    EXPECT_EQ(rule.reserved.count(frame.image), 0u) << "picture " << frame.image;
                }
    }
}

// MuayThai02's two stances are drawn apart: a picture shown in both is only ever a guard or
// back-step pose.
TEST(Fighters13And15, MuayThai02StancesShareOnlyGuardAndBackStepPictures) {
    auto f = BuiltFighter(kMuayThai02, 0, 2);
    std::map<int, std::vector<MotionCode>> users[kStances];
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
            for (const MotionFrame& frame : f->tables[s][m])
                if (IsDefined(frame)) users[s][frame.image].push_back(frame.code);
    for (const auto& [image, codes0] : users[0]) {
        auto shared = users[1].find(image);
        if (shared == users[1].end()) continue;
        std::vector<MotionCode> codes = codes0;
        codes.insert(codes.end(), shared->second.begin(), shared->second.end());
        for (MotionCode code : codes) {
            const int m = MotionOf(code);
            EXPECT_TRUE(m == kMotionGuard || m == kMotionLowGuard || m == kMotionStepBack)
                << "picture " << image << " shown by both stances, in " << code;
        }
    }
}

// The longest attack and the dearest move of each fighter, over every frame that hits.
TEST(Fighters13And15, LongestReachAndHighestCost) {
    struct Limits {
        int kind;
        int reach[kStances];
        int cost[kStances];
    };
    for (const Limits& want :
         {Limits{kMuayThai02, {125, 125}, {400, 360}}, Limits{kQirune, {160, 160}, {800, 800}}}) {
        auto f = BuiltFighter(want.kind, 0, 2);
        for (int s = 0; s < kStances; ++s) {
            int reach = 0, cost = 0;
            for (int m = kMotionStand; m < kMotions; ++m)
                for (const MotionFrame& frame : f->tables[s][m]) {
                    if (frame.attackKind != 0) reach = std::max(reach, frame.reach);
                    cost = std::max(cost, frame.cost);
                }
            EXPECT_EQ(reach, want.reach[s]) << "fighter " << want.kind << " stance " << s;
            EXPECT_EQ(cost, want.cost[s]) << "fighter " << want.kind << " stance " << s;
        }
    }
}

// qirune's stand is three frames, each answering every command like a one-frame stand.
TEST(Fighters13And15, QiruneStandsInThreeFrames) {
    auto f = BuiltFighter(kQirune, 0, 2);
    for (int s = 0; s < kStances; ++s) {
        const auto& stand = f->tables[s][kMotionStand];
        const MotionFrame& first = stand[0];
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(testing::Message() << "stance " << s << " frame " << i);
            ASSERT_TRUE(IsDefined(stand[i]));
            EXPECT_EQ(stand[i].next, i < 2 ? stand[i].code + 1 : MakeCode(s, kMotionStand, 0));
            EXPECT_EQ(stand[i].reach, 128);
            EXPECT_EQ(stand[i].attackKind, 0);
            for (int c : stand[i].cpuFollowUp)
                EXPECT_EQ(c, kNoValue);
            for (int slot = 0; slot < kSlots; ++slot) {
                EXPECT_EQ(stand[i].transitions[slot].enabled, 1) << "slot " << slot;
                EXPECT_EQ(stand[i].transitions[slot].target, first.transitions[slot].target)
                    << "slot " << slot;
            }
        }
        EXPECT_FALSE(IsDefined(stand[3]));
    }
}

// qirune's stance 1 is his stance 0 (pictures included) but for one frame: the crouch at
// frame 6 of back+RA, which has body type 2 in stance 0 and 1 in stance 1.
TEST(Fighters13And15, QiruneStancesDifferInOneBodyTypeOnly) {
    auto f = BuiltFighter(kQirune, 0, 2);
    const MotionCode crouch = MakeCode(0, 25, 6);
    ASSERT_TRUE(IsDefined(FrameOf(*f, crouch)));
    for (int m = kMotionStand; m < kMotions; ++m)
        for (int i = 0; i < kFramesPerMotion; ++i) {
            const MotionFrame& s0 = f->tables[0][m][i];
            // The stance-1 frame seen from stance 0: codes in its own stance move to stance 0,
            // a code in stance 0 (the end of the stance switch) moves to stance 1.
            MotionFrame s1 = f->tables[1][m][i];
            s1.code -= 10000;
            s1.next = (1 - StanceOf(s1.next)) * 10000 + s1.next % 10000;
            for (Transition& t : s1.transitions)
                t.target -= 10000;
            if (s0.code == crouch) {
                EXPECT_EQ(s0.bodyType, 2);
                EXPECT_EQ(s1.bodyType, 1);
                s1.bodyType = s0.bodyType;
            }
            EXPECT_TRUE(SameFrame(s0, s1)) << "motion " << m << " frame " << i;
        }
}

}  // namespace
