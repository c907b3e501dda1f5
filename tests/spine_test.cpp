// Motion codes, the fighter reset and the frame lookups.
#include <gtest/gtest.h>

#include <memory>

#include "engine/fighter.h"
#include "engine/motion.h"
#include "engine/random.h"

using namespace engine;

TEST(MotionCode, EncodesAndDecodes) {
    EXPECT_EQ(MakeCode(0, 14, 0), 1400);
    EXPECT_EQ(MakeCode(1, 28, 7), 12807);
    const DecodedCode d = DecodeCode(12807);
    EXPECT_EQ(d.stance, 1);
    EXPECT_EQ(d.motion, 28);
    EXPECT_EQ(d.frame, 7);
    const DecodedCode e = DecodeCode(2102);
    EXPECT_EQ(e.stance, 0);
    EXPECT_EQ(e.motion, 21);
    EXPECT_EQ(e.frame, 2);
    // Every slot round-trips.
    for (int s = 0; s < kStances; ++s)
        for (int m = 0; m < kMotions; ++m)
            for (int f = 0; f < kFramesPerMotion; ++f) {
                const DecodedCode c = DecodeCode(MakeCode(s, m, f));
                ASSERT_EQ(c.stance, s);
                ASSERT_EQ(c.motion, m);
                ASSERT_EQ(c.frame, f);
            }
    EXPECT_TRUE(IsValidCode(11400));
    EXPECT_FALSE(IsValidCode(21400));
    EXPECT_FALSE(IsValidCode(4000));
    EXPECT_FALSE(IsValidCode(1413));
    EXPECT_FALSE(IsValidCode(-1));
}

class ResetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fighter = std::make_unique<Fighter>();
        // Leftovers of an earlier fight that the reset must clear or keep.
        fighter->x = 1;
        fighter->code = 12807;
        fighter->stance = 1;
        fighter->tick = 9;
        fighter->koMark = 99;
        fighter->counterHitFlag = 1;
        fighter->weakHitFlag = 1;
        fighter->staminaRefused = 1;
        fighter->kind = 7;
        fighter->powerLevel = 3;
        fighter->health = 77;
        fighter->stamina = 55;
        fighter->cpuCloseMode[0] = 2;
        fighter->tables[1][20][3].damage = 500;
        fighter->tables[0][14][0].transitions[kSlotLA] = {2000, 1};
    }
    std::unique_ptr<Fighter> fighter;
};

TEST_F(ResetTest, RightSideStartsNeutralWithDefaultTables) {
    ResetFighter(*fighter, kSideRight);
    const Fighter& f = *fighter;
    EXPECT_EQ(f.side, 2);
    EXPECT_EQ(f.kind, 0);
    EXPECT_EQ(f.x, 600);
    EXPECT_EQ(f.y, 325);
    EXPECT_EQ(f.code, 1400);
    EXPECT_EQ(f.stance, 0);
    EXPECT_EQ(f.tick, 0);
    EXPECT_EQ(f.koMark, 0);
    EXPECT_EQ(f.counterHitFlag, 0);
    EXPECT_EQ(f.weakHitFlag, 0);
    EXPECT_EQ(f.staminaRefused, 0);
    for (int s = 0; s < kStances; ++s)
        for (int m = 0; m < kMotions; ++m)
            for (int fr = 0; fr < kFramesPerMotion; ++fr) {
                const MotionFrame& mf = f.tables[s][m][fr];
                const int own = MakeCode(s, m, fr);
                ASSERT_EQ(mf.code, own);
                ASSERT_EQ(mf.next, own);
                ASSERT_EQ(mf.duration, 0);
                ASSERT_EQ(mf.image, 100);
                ASSERT_EQ(mf.bodyFront, 128);
                ASSERT_EQ(mf.bodyType, 1);
                ASSERT_EQ(mf.koMark, 99);
                ASSERT_EQ(mf.damage, 0);
                ASSERT_EQ(mf.attackKind, 0);
                for (int slot = 0; slot < kSlots; ++slot) {
                    ASSERT_EQ(mf.transitions[slot].enabled, 0);
                    ASSERT_EQ(mf.transitions[slot].target, s * 10000 + 1400);
                }
                for (int i = 0; i < 4; ++i)
                    ASSERT_EQ(mf.cpuFollowUp[i], 0);
            }
}

TEST_F(ResetTest, LeftSideAndWhatTheResetLeavesAlone) {
    ResetFighter(*fighter, kSideLeft);
    EXPECT_EQ(fighter->x, 200);
    EXPECT_EQ(fighter->side, 1);
    // The init of the fighter sets these; the reset keeps them.
    EXPECT_EQ(fighter->powerLevel, 3);
    EXPECT_EQ(fighter->health, 77);
    EXPECT_EQ(fighter->stamina, 55);
    EXPECT_EQ(fighter->cpuCloseMode[0], 2);
}

TEST_F(ResetTest, LookupsByCodeStanceAndByStanceField) {
    ResetFighter(*fighter, kSideLeft);
    fighter->tables[0][20][1].damage = 10;
    fighter->tables[1][20][1].damage = 11;
    fighter->code = 2001;
    fighter->stance = 1;
    // FrameOf follows the code's own stance; the timer follows the stance field.
    EXPECT_EQ(FrameOf(*fighter, fighter->code).damage, 10);
    EXPECT_EQ(TimerFrameOf(*fighter).damage, 11);
    EXPECT_EQ(CopyCurrentFrame(*fighter).damage, 10);
    EXPECT_EQ(FrameOf(*fighter, 12001).damage, 11);
    // A copy is a copy.
    MotionFrame copy = CopyCurrentFrame(*fighter);
    copy.damage = 99;
    EXPECT_EQ(copy.damage, 99);
    EXPECT_EQ(fighter->tables[0][20][1].damage, 10);
}

TEST(Random15, StaysInFifteenBitsAndReplaysFromItsSeed) {
    Random15 a, b;
    a.Seed(12345);
    b.Seed(12345);
    int seenHigh = 0;
    for (int i = 0; i < 100000; ++i) {
        const int v = a.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
        ASSERT_EQ(v, b.Next());
        if (v > 30000) ++seenHigh;
    }
    EXPECT_GT(seenHigh, 0);
    Random15 c;
    c.Seed(12346);
    a.Seed(12345);
    int same = 0;
    for (int i = 0; i < 100; ++i)
        same += a.Next() == c.Next();
    EXPECT_LT(same, 10);
}

TEST(Random15, FixedSequenceDoesNotDrift) {
    // The generator's constants are part of every recorded run: a change would break
    // replays, so the first draws from seed 1 are pinned here.
    Random15 r;
    r.Seed(1);
    EXPECT_EQ(r.Next(), 41);
    EXPECT_EQ(r.Next(), 18467);
    EXPECT_EQ(r.Next(), 6334);
}
