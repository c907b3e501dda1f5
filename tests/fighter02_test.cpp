// The reference fighter, roster number 2 (MuayThai01), against its printed tables.
#include <gtest/gtest.h>

#include <set>

#include "engine/construct.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::CountDefined;

namespace {

constexpr int kMuayThai = 2;

struct Slots {
    int slot;
    MotionCode target;
};

// The expected frame: reset defaults of the position with the motion-14..34 body, then the
// values a row gives.
MotionFrame Expected(MotionCode code, int duration, int image, MotionCode next,
                     std::initializer_list<Slots> slots = {}) {
    MotionFrame e = DefaultFrame(code);
    e.duration = duration;
    e.image = image;
    e.next = next;
    e.bodyFront = 36;
    for (const Slots& s : slots)
        e.transitions[s.slot] = {s.target, 1};
    return e;
}

void ExpectFrame(const MotionFrame& a, const MotionFrame& e) {
    SCOPED_TRACE(testing::Message() << "frame " << e.code);
    EXPECT_EQ(a.code, e.code);
    EXPECT_EQ(a.duration, e.duration);
    EXPECT_EQ(a.image, e.image);
    EXPECT_EQ(a.layer, e.layer);
    EXPECT_EQ(a.sound, e.sound);
    EXPECT_EQ(a.next, e.next);
    for (int i = 0; i < kSlots; ++i) {
        EXPECT_EQ(a.transitions[i].target, e.transitions[i].target) << "slot " << i;
        EXPECT_EQ(a.transitions[i].enabled, e.transitions[i].enabled) << "slot " << i;
    }
    EXPECT_EQ(a.dx, e.dx);
    EXPECT_EQ(a.dy, e.dy);
    EXPECT_EQ(a.cost, e.cost);
    EXPECT_EQ(a.bodyFront, e.bodyFront);
    EXPECT_EQ(a.bodyType, e.bodyType);
    EXPECT_EQ(a.reach, e.reach);
    EXPECT_EQ(a.attackKind, e.attackKind);
    EXPECT_EQ(a.priority, e.priority);
    EXPECT_EQ(a.hitEffect, e.hitEffect);
    EXPECT_EQ(a.damage, e.damage);
    EXPECT_EQ(a.stun, e.stun);
    EXPECT_EQ(a.knockback, e.knockback);
    EXPECT_EQ(a.minRange, e.minRange);
    EXPECT_EQ(a.koMark, e.koMark);
    EXPECT_EQ(a.counterBonus, e.counterBonus);
    EXPECT_EQ(a.skipTimer, e.skipTimer);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a.cpuFollowUp[i], e.cpuFollowUp[i]) << "follow-up " << i;
}

class MuayThaiTest : public ::testing::Test {
  protected:
    std::unique_ptr<Fighter> f = BuiltFighter(kMuayThai, 0, kMuayThai);
    const MotionFrame& At(MotionCode code) { return FrameOf(*f, code); }
};

TEST_F(MuayThaiTest, StandAndStanceSwitch) {
    MotionFrame e = Expected(1400, 1, 100, 1400,
                             {{kSlotLA, 2000},
                              {kSlotFwdLA, 2100},
                              {kSlotBackLA, 2200},
                              {kSlotRA, 2300},
                              {kSlotFwdRA, 2400},
                              {kSlotBackRA, 2500},
                              {kSlotLARA, 2600},
                              {kSlotFwdLARA, 2700},
                              {kSlotBackLARA, 2800},
                              {kSlotGuard, 1500},
                              {kSlotLowGuard, 1600},
                              {kSlotUp, 1900},
                              {kSlotForward, 1700},
                              {kSlotBack, 1800}});
    e.reach = 128;
    for (int& c : e.cpuFollowUp)
        c = kNoValue;
    ExpectFrame(At(1400), e);

    MotionFrame up = Expected(11900, 1, 302, 1400);
    up.sound = 4;
    up.dy = -4;
    ExpectFrame(At(11900), up);
    EXPECT_EQ(At(1900).next, 11400);
}

TEST_F(MuayThaiTest, GuardAndStepAnswerTheirSets) {
    ExpectFrame(At(11501), Expected(11501, 1, 507, 11400,
                                    {{kSlotForward, 11700},
                                     {kSlotBack, 11800},
                                     {kSlotGuard, 11500},
                                     {kSlotLowGuard, 11600}}));
    MotionFrame step = Expected(1801, 2, 510, 1802,
                                {{kSlotLA, 2000},
                                 {kSlotFwdLA, 2100},
                                 {kSlotBackLA, 2200},
                                 {kSlotRA, 2300},
                                 {kSlotFwdRA, 2400},
                                 {kSlotBackRA, 2500},
                                 {kSlotLARA, 2600},
                                 {kSlotFwdLARA, 2700},
                                 {kSlotBackLARA, 2800},
                                 {kSlotGuard, 1500},
                                 {kSlotLowGuard, 1600},
                                 {kSlotUp, 1900}});
    step.dx = -14;
    ExpectFrame(At(1801), step);
    EXPECT_EQ(At(11701).dx, 20);
    EXPECT_EQ(At(11801).dx, -16);
}

TEST_F(MuayThaiTest, AttackRows) {
    MotionFrame jab = Expected(2001, 1, 102, 2002);
    jab.layer = -1;
    jab.reach = 88;
    jab.attackKind = 1;
    jab.priority = 1;
    jab.damage = 24;
    jab.stun = 2;
    jab.knockback = 2;
    jab.hitEffect = 1;
    jab.minRange = 85;
    jab.counterBonus = 2;
    ExpectFrame(At(2001), jab);

    // back+LA recovery: forward+LA goes into the middle of motion 21.
    MotionFrame end = Expected(2203, 6, 105, 1400,
                               {{kSlotGuard, 1500},
                                {kSlotLowGuard, 1600},
                                {kSlotFwdLA, 2101},
                                {kSlotFwdRA, 2400},
                                {kSlotBackRA, 2500},
                                {kSlotLARA, 2600},
                                {kSlotFwdLARA, 2700},
                                {kSlotBackLARA, 2800}});
    end.layer = -1;
    end.counterBonus = 2;
    ExpectFrame(At(2203), end);

    MotionFrame knee = Expected(12702, 1, 500, 12703);
    knee.layer = -1;
    knee.dx = 8;
    knee.bodyType = 3;
    knee.reach = 68;
    knee.attackKind = 1;
    knee.priority = 4;
    knee.damage = 260;
    knee.stun = 10;
    knee.knockback = 10;
    knee.hitEffect = 3;
    knee.koMark = 2;
    knee.counterBonus = 10;
    ExpectFrame(At(12702), knee);

    MotionFrame elbow = Expected(
        12604, 6, 409, 11400,
        {{kSlotGuard, 11500}, {kSlotLowGuard, 11600}, {kSlotLA, 12100}, {kSlotFwdLA, 12200}});
    elbow.counterBonus = 4;
    ExpectFrame(At(12604), elbow);

    MotionFrame jump = Expected(2805, 3, 300, 2806);
    jump.layer = 2;
    jump.dy = -8;
    jump.counterBonus = 10;
    ExpectFrame(At(2805), jump);
}

TEST_F(MuayThaiTest, RaStartUpAndCombinationWindow) {
    EXPECT_EQ(At(2300).cost, 170);
    EXPECT_EQ(At(2300).sound, 1);
    EXPECT_EQ(At(2300).duration, 3);
    EXPECT_EQ(At(2300).next, 2301);
    // Only the recovery frame 2002 opens RA; the start-up and the hit answer nothing.
    EXPECT_EQ(At(2002).transitions[kSlotRA].target, 2300);
    EXPECT_EQ(At(2002).transitions[kSlotRA].enabled, 1);
    for (MotionCode code : {2000, 2001})
        for (const Transition& t : At(code).transitions)
            EXPECT_EQ(t.enabled, 0) << code;
    const int followUp[4] = {10, 10, 10, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(At(2002).cpuFollowUp[i], followUp[i]);
}

TEST_F(MuayThaiTest, TablesHaveTheirSizeAndPictures) {
    EXPECT_EQ(CountDefined(*f, 0, kMotionStand, kMotions - 1), 59);
    EXPECT_EQ(CountDefined(*f, 1, kMotionStand, kMotions - 1), 52);
    EXPECT_EQ(CountDefined(*f, 0, kMotionFollowUpFirst, kMotions - 1), 0);
    EXPECT_EQ(CountDefined(*f, 1, kMotionFollowUpFirst, kMotions - 1), 0);
    std::set<int> expected[kStances];
    for (int i = 100; i <= 111; ++i)
        expected[0].insert({i, i + 100});
    expected[0].insert({300, 301, 507, 508, 509, 510});
    for (int i = 302; i <= 311; ++i)
        expected[1].insert(i);
    for (int i = 400; i <= 411; ++i)
        expected[1].insert(i);
    for (int i = 500; i <= 511; ++i)
        expected[1].insert(i);
    expected[1].erase(509);
    for (int s = 0; s < kStances; ++s) {
        std::set<int> shown;
        for (int m = kMotionStand; m <= kMotionAttackLast; ++m)
            for (const MotionFrame& frame : f->tables[s][m])
                if (frame.duration > 0) shown.insert(frame.image);
        EXPECT_EQ(shown, expected[s]) << "stance " << s;
    }
}

TEST_F(MuayThaiTest, StancesDifferInKnockOutMarksAndBodies) {
    // Stance 0 ends its four heaviest attacks with koMark 1, stance 1 seven with koMark 2.
    std::set<int> marked[kStances];
    int untouchable[kStances] = {0, 0};
    int classThree[kStances] = {0, 0};
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionStand; m <= kMotionAttackLast; ++m)
            for (const MotionFrame& frame : f->tables[s][m]) {
                if (frame.duration == 0) continue;
                if (frame.koMark != 99) {
                    marked[s].insert(m);
                    EXPECT_EQ(frame.koMark, s + 1) << frame.code;
                    EXPECT_GT(frame.attackKind, 0) << frame.code;
                }
                untouchable[s] += frame.bodyType == 0;
                classThree[s] += frame.bodyType == 3;
            }
    EXPECT_EQ(marked[0], (std::set<int>{24, 25, 27, 28}));
    EXPECT_EQ(marked[1], (std::set<int>{21, 22, 24, 25, 26, 27, 28}));
    EXPECT_EQ(untouchable[0], 0);
    EXPECT_EQ(untouchable[1], 6);  // 2600, 2601, 2700, 2701, 2801, 2802
    EXPECT_EQ(classThree[1], 7);
}

TEST(MuayThaiBuild, PowerLevelScalesHealthAndDamage) {
    auto f = BuiltFighter(kMuayThai, 4, 9);
    EXPECT_EQ(f->healthMax, 2325);
    EXPECT_EQ(FrameOf(*f, 2301).damage, 100);
    EXPECT_EQ(FrameOf(*f, 2102).damage, 0);
    EXPECT_EQ(FrameOf(*f, 12803).damage, 336);
    const int defence[9] = {1, 5, 1, 1, 1, 1, 1, 1, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(f->cpuDefence[0][i], defence[i]);
    EXPECT_EQ(f->cpuCloseMode[0], 1);
    EXPECT_EQ(f->cpuCloseMode[1], 2);
}

}  // namespace
