// Rules every built fighter must follow, checked over every roster number that has an entry,
// so each fighter added to the roster is checked as soon as it is registered.
#include <gtest/gtest.h>

#include <functional>

#include "engine/common_motions.h"
#include "engine/construct.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kPowerLevels[] = {-1, 0, 4};

// Runs check on every registered fighter at every power level, against opponent 2.
void ForEachBuiltFighter(const std::function<void(const Fighter&)>& check) {
    int built = 0;
    for (int kind = 1; kind <= kRosterSize; ++kind) {
        if (RosterFor(kind) == nullptr) continue;
        for (int power : kPowerLevels) {
            SCOPED_TRACE(testing::Message() << "fighter " << kind << " power " << power);
            auto f = BuiltFighter(kind, power, 2);
            check(*f);
            ++built;
        }
    }
    ASSERT_GT(built, 0) << "no fighter in the roster";
}

bool IsStand(MotionCode code) {
    return code == 1400 || code == 11400;
}

TEST(FighterStructure, RosterEntriesAreComplete) {
    for (int kind = 1; kind <= kRosterSize; ++kind) {
        const RosterEntry* e = RosterFor(kind);
        if (e == nullptr) continue;
        EXPECT_TRUE(e->init && e->buildStance0 && e->buildStance1) << kind;
        const int v = e->commonVariant;
        EXPECT_TRUE(v == kCommonStandard || v == kCommonKick02 || v == kCommonKick03 ||
                    v == kCommonJeetKuneDo || v == kCommonMuayThai02)
            << "fighter " << kind << " variant " << v;
        auto f = BuiltFighter(kind, 0, 2);
        EXPECT_EQ(f->kind, kind);
    }
    EXPECT_EQ(RosterFor(0), nullptr);
    EXPECT_EQ(RosterFor(16), nullptr);
}

TEST(FighterStructure, WrittenFramesAreWholeAndSitInTheirPlace) {
    ForEachBuiltFighter([](const Fighter& f) {
        for (int s = 0; s < kStances; ++s)
            for (int m = 0; m < kMotions; ++m)
                for (int i = 0; i < kFramesPerMotion; ++i) {
                    const MotionCode own = MakeCode(s, m, i);
                    const MotionFrame& frame = f.tables[s][m][i];
                    ASSERT_EQ(frame.code, own);
                    // A setter aimed at a frame no operation defined leaves a frame
                    // without a duration.
                    if (!IsResetFrame(frame, own)) {
                        EXPECT_TRUE(IsDefined(frame)) << own;
                    }
                    // Motion 0 and 35..39 belong to nobody.
                    if (m == 0 || m > kMotionFollowUpLast) {
                        EXPECT_TRUE(IsResetFrame(frame, own));
                    }
                }
    });
}

// Every defined frame ends in one of three ways: the next frame of its motion (which must
// exist), a stand, or itself.
TEST(FighterStructure, EveryFrameEndsSomewhereDefined) {
    ForEachBuiltFighter([](const Fighter& f) {
        for (int s = 0; s < kStances; ++s)
            for (int m = 1; m < kMotions; ++m)
                for (int i = 0; i < kFramesPerMotion; ++i) {
                    const MotionFrame& frame = f.tables[s][m][i];
                    if (!IsDefined(frame)) continue;
                    const bool chain = frame.next == frame.code + 1;
                    EXPECT_TRUE(chain || IsStand(frame.next) || frame.next == frame.code)
                        << frame.code << " ends in " << frame.next;
                    if (!chain) continue;
                    ASSERT_LT(i + 1, kFramesPerMotion) << frame.code;
                    EXPECT_TRUE(IsDefined(FrameOf(f, frame.next)))
                        << frame.code << " chains into undefined " << frame.next;
                }
    });
}

TEST(FighterStructure, SharedMotionsExistAndEndInFinalOrHold) {
    ForEachBuiltFighter([](const Fighter& f) {
        for (int s = 0; s < kStances; ++s)
            for (int m = kMotionFallFirst; m <= kMotionFollowUpLast; ++m) {
                MotionCode code = MakeCode(s, m, 0);
                const bool required = m <= kMotionAttackLast;
                if (!IsDefined(FrameOf(f, code))) {
                    EXPECT_FALSE(required) << "motion missing: " << code;
                    continue;
                }
                int frames = 1;
                while (FrameOf(f, code).next == code + 1 && frames < kFramesPerMotion) {
                    code = FrameOf(f, code).next;
                    ++frames;
                }
                const MotionCode end = FrameOf(f, code).next;
                EXPECT_TRUE(IsStand(end) || end == code) << "motion " << m << " stance " << s;
                // Falls hold, everything else returns to a stand (the stand itself included).
                const bool holds = end == code && !IsStand(code);
                EXPECT_EQ(m <= kMotionFallLast, holds) << "motion " << m << " stance " << s;
            }
    });
}

TEST(FighterStructure, TransitionsStayInTheirStanceAndLeadToDefinedFrames) {
    ForEachBuiltFighter([](const Fighter& f) {
        for (int s = 0; s < kStances; ++s)
            for (int m = 0; m < kMotions; ++m)
                for (const MotionFrame& frame : f.tables[s][m])
                    for (int slot = 0; slot < kSlots; ++slot) {
                        const Transition& t = frame.transitions[slot];
                        if (!t.enabled) continue;
                        ASSERT_TRUE(IsValidCode(t.target)) << frame.code << " slot " << slot;
                        EXPECT_EQ(StanceOf(t.target), s) << frame.code << " slot " << slot;
                        EXPECT_TRUE(IsDefined(FrameOf(f, t.target)))
                            << frame.code << " slot " << slot << " -> " << t.target;
                    }
    });
}

TEST(FighterStructure, AttacksThatHitCostStamina) {
    ForEachBuiltFighter([](const Fighter& f) {
        for (int s = 0; s < kStances; ++s)
            for (int m = kMotionAttackFirst; m <= kMotionAttackLast; ++m) {
                const MotionFrame& startUp = f.tables[s][m][0];
                ASSERT_TRUE(IsDefined(startUp)) << startUp.code;
                EXPECT_GE(startUp.cost, 0) << startUp.code;
                bool hits = false;
                for (const MotionFrame& frame : f.tables[s][m])
                    hits |= frame.attackKind > 0;
                // A free move without a hit may cost nothing; an attack never does.
                if (hits) {
                    EXPECT_GT(startUp.cost, 0) << startUp.code;
                }
                EXPECT_EQ(startUp.attackKind, 0) << "start-up frame hits: " << startUp.code;
            }
    });
}

TEST(FighterStructure, StandAnswersEveryCommand) {
    ForEachBuiltFighter([](const Fighter& f) {
        for (int s = 0; s < kStances; ++s) {
            const MotionFrame& stand = f.tables[s][kMotionStand][0];
            for (int slot = 0; slot < kSlots; ++slot)
                EXPECT_EQ(stand.transitions[slot].enabled, 1) << "stance " << s << " " << slot;
            for (int slot = kSlotLA; slot <= kSlotBackLARA; ++slot)
                EXPECT_EQ(stand.transitions[slot].target,
                          MakeCode(s, kMotionAttackFirst + slot, 0));
            EXPECT_EQ(stand.transitions[kSlotGuard].target, MakeCode(s, kMotionGuard, 0));
            EXPECT_EQ(stand.transitions[kSlotUp].target, MakeCode(s, kMotionSwitch, 0));
            EXPECT_EQ(stand.transitions[kSlotForward].target, MakeCode(s, kMotionStepForward, 0));
            EXPECT_EQ(stand.transitions[kSlotBack].target, MakeCode(s, kMotionStepBack, 0));
            // One fighter's down+G leads to the guard rather than the low guard.
            const MotionCode low = stand.transitions[kSlotLowGuard].target;
            EXPECT_TRUE(low == MakeCode(s, kMotionGuard, 0) ||
                        low == MakeCode(s, kMotionLowGuard, 0))
                << low;
            EXPECT_EQ(FrameOf(f, MakeCode(s, kMotionSwitch, 0)).next,
                      MakeCode(1 - s, kMotionStand, 0));
        }
    });
}

// Builders scale every damage through the power level, never around it.
TEST(FighterStructure, DamageFollowsThePowerLevel) {
    for (int kind = 1; kind <= kRosterSize; ++kind) {
        if (RosterFor(kind) == nullptr) continue;
        auto base = BuiltFighter(kind, 0, kind);
        auto weak = BuiltFighter(kind, -1, kind);
        auto strong = BuiltFighter(kind, 4, kind);
        for (int s = 0; s < kStances; ++s)
            for (int m = 0; m < kMotions; ++m)
                for (int i = 0; i < kFramesPerMotion; ++i) {
                    const int d = base->tables[s][m][i].damage;
                    ASSERT_EQ(weak->tables[s][m][i].damage, d * 9 / 10) << kind;
                    ASSERT_EQ(strong->tables[s][m][i].damage, d * 14 / 10) << kind;
                }
    }
}

}  // namespace
