// Hit resolution: reach, the outcome tables, damage, reactions, guards and knock-outs.
#include "fight/hits.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/fighter.h"
#include "engine/random.h"

using namespace engine;
using namespace fight;

namespace {

constexpr MotionCode kAttack = 2000;  // motion 20: the attacker's attack frame

struct Duel {
    std::unique_ptr<Fighter> left = std::make_unique<Fighter>();
    std::unique_ptr<Fighter> right = std::make_unique<Fighter>();

    Duel() {
        for (Fighter* f : {left.get(), right.get()}) {
            ResetFighter(*f, f == left.get() ? kSideLeft : kSideRight);
            f->health = f->healthCeiling = f->healthMax = 10000;
            f->stamina = f->staminaMax = 1024;
        }
        left->x = 300;
        right->x = 400;
        for (Fighter* f : {left.get(), right.get()})
            for (int s = 0; s < kStances; ++s)
                for (int m = 0; m < kMotions; ++m)
                    f->tables[s][m][0].bodyFront = 20;
    }

    // Puts f into an attack frame of the given kind that reaches 150 pixels.
    static MotionFrame& Arm(Fighter& f, int kind, int damage, MotionCode code = kAttack) {
        f.code = code;
        MotionFrame& a = FrameOf(f, code);
        a.attackKind = kind;
        a.reach = 150;
        a.damage = damage;
        a.hitEffect = 3;
        return a;
    }
};

// ---- reach ----

TEST(TryHit, ReachBoundsAreStrictOnBothSides) {
    struct Case {
        bool attackerLeft;
        int attackerX, defenderX;
        bool lands;
    };
    // Reach 100, bodyFront 20.
    const Case cases[] = {
        {true, 300, 420, false},  {true, 300, 419, true},   {true, 300, 320, false},
        {true, 300, 321, true},   {false, 500, 380, false}, {false, 500, 381, true},
        {false, 500, 480, false}, {false, 500, 479, true},
    };
    for (const Case& c : cases) {
        Duel d;
        Fighter& a = c.attackerLeft ? *d.left : *d.right;
        Fighter& b = c.attackerLeft ? *d.right : *d.left;
        Duel::Arm(a, 1, 100).reach = 100;
        a.x = c.attackerX;
        b.x = c.defenderX;
        const MotionFrame bCopy = CopyCurrentFrame(b);
        EXPECT_EQ(TryHit(a, b, bCopy), c.lands ? 3 : 0) << c.attackerX << " vs " << c.defenderX;
        EXPECT_EQ(b.health, c.lands ? 9900 : 10000);
    }
}

TEST(TryHit, DefendersBodyComesFromTheCopy) {
    Duel d;
    Duel::Arm(*d.left, 1, 100).reach = 100;
    d.right->x = 415;
    MotionFrame copy = CopyCurrentFrame(*d.right);
    copy.bodyFront = 10;  // front at 405: out of reach, although the live frame is at 395
    EXPECT_EQ(TryHit(*d.left, *d.right, copy), 0);
    copy.bodyFront = 20;
    copy.bodyType = 0;  // untouchable in the copy
    EXPECT_EQ(TryHit(*d.left, *d.right, copy), 0);
    copy.bodyType = 1;
    EXPECT_EQ(TryHit(*d.left, *d.right, copy), 3);
}

// ---- the outcome tables, every cell, through the whole hit ----

struct Cell {
    int guardOn;  // 0: nothing happens; -1: always a hit; 15/16: guarded in that motion
    int gKo, gPercent, gInto;
    int hKo, hPercent, hReaction;
};
constexpr Cell kNothing{0, 0, 0, 0, 0, 0, 0};
constexpr Cell H(int ko, int p, int r) {
    return {-1, 0, 0, 0, ko, p, r};
}
constexpr Cell G(int on, int gk, int gp, int gi, int ko, int p, int r) {
    return {on, gk, gp, gi, ko, p, r};
}

// Written out from the game's rules: [side 0 = left attacker][kind 1..7][bodyType 1..4].
const Cell kExpected[2][7][4] = {
    {
        {G(15, 1, 25, 15, 1, 100, 6), kNothing, G(15, 1, 25, 15, 1, 100, 6), kNothing},
        {G(15, 1, 25, 15, 1, 100, 7), kNothing, G(15, 1, 25, 15, 1, 100, 7), kNothing},
        {G(15, 1, 25, 15, 1, 100, 8), kNothing, G(15, 1, 25, 15, 1, 100, 8), kNothing},
        {G(16, 2, 15, 16, 2, 60, 9), H(1, 100, 11), G(16, 2, 15, 16, 2, 60, 9),
         G(16, 2, 15, 16, 2, 60, 9)},
        {H(3, 30, 10), H(1, 100, 11), kNothing, H(3, 30, 10)},
        {H(2, 60, 9), H(1, 100, 11), H(2, 60, 9), H(2, 60, 9)},
        {G(16, 1, 25, 16, 1, 100, 8), G(16, 1, 25, 16, 1, 100, 8), G(16, 1, 25, 16, 1, 100, 8),
         kNothing},
    },
    {
        {G(15, 1, 25, 15, 1, 100, 6), kNothing, G(15, 1, 25, 15, 1, 100, 6), kNothing},
        {G(15, 1, 25, 15, 1, 100, 7), kNothing, G(15, 1, 25, 15, 1, 100, 7), kNothing},
        {G(15, 1, 25, 15, 1, 100, 8), kNothing, G(15, 1, 25, 15, 1, 100, 8), kNothing},
        {G(16, 1, 15, 16, 2, 60, 9), H(1, 100, 11), G(16, 1, 15, 16, 2, 60, 9),
         G(16, 1, 15, 16, 2, 60, 9)},
        {H(2, 30, 10), H(1, 100, 11), kNothing, H(2, 30, 10)},
        {H(2, 60, 9), H(1, 100, 11), H(2, 60, 9), H(2, 60, 9)},
        {G(16, 1, 25, 16, 1, 100, 8), G(16, 1, 25, 16, 1, 100, 8), G(16, 1, 25, 16, 1, 100, 8),
         kNothing},
    },
};

// Runs one attack of `kind` on a defender of `bodyType` standing in `motion`; the defender
// has `health` left. Returns the result and leaves the duel for inspection.
HitResult Strike(Duel& d, bool fromLeft, int kind, int bodyType, int motion, int health) {
    Fighter& a = fromLeft ? *d.left : *d.right;
    Fighter& b = fromLeft ? *d.right : *d.left;
    Duel::Arm(a, kind, 1000).koMark = 42;
    b.code = MakeCode(0, motion, 0);
    FrameOf(b, b.code).bodyType = bodyType;
    b.health = health;
    return TryHit(a, b, CopyCurrentFrame(b));
}

TEST(TryHit, EveryCellOfBothOutcomeTables) {
    for (int side = 0; side < 2; ++side) {
        const bool fromLeft = side == 0;
        for (int kind = 1; kind <= 7; ++kind) {
            for (int body = 1; body <= 4; ++body) {
                const Cell& cell = kExpected[side][kind - 1][body - 1];
                for (int motion : {14, 15, 16}) {
                    SCOPED_TRACE(testing::Message() << "side " << side << " kind " << kind
                                                    << " body " << body << " motion " << motion);
                    const bool guarded = cell.guardOn > 0 && motion == cell.guardOn;
                    // Standing: the guard or reaction motion and the percent of 1000 damage.
                    Duel d;
                    const HitResult r = Strike(d, fromLeft, kind, body, motion, 10000);
                    Fighter& b = fromLeft ? *d.right : *d.left;
                    if (cell.guardOn == 0) {
                        EXPECT_EQ(r, 0);
                        EXPECT_EQ(b.health, 10000);
                        EXPECT_EQ(b.code, MakeCode(0, motion, 0));
                    } else if (guarded) {
                        EXPECT_EQ(r, kHitGuarded);
                        EXPECT_EQ(b.health, 10000 - cell.gPercent * 10);
                        EXPECT_EQ(b.code, MakeCode(0, cell.gInto, 1));
                    } else {
                        EXPECT_EQ(r, 3);
                        EXPECT_EQ(b.health, 10000 - cell.hPercent * 10);
                        EXPECT_EQ(b.code, MakeCode(0, cell.hReaction, 0));
                    }
                    // Nearly spent: the knock-out motion.
                    if (cell.guardOn == 0) continue;
                    Duel k;
                    Strike(k, fromLeft, kind, body, motion, 1);
                    Fighter& kb = fromLeft ? *k.right : *k.left;
                    EXPECT_EQ(kb.code, MakeCode(0, guarded ? cell.gKo : cell.hKo, 0));
                    EXPECT_EQ(kb.koMark, 42);
                }
            }
        }
        // Outside the table nothing happens.
        for (auto [kind, body] : {std::pair{0, 1}, {8, 1}, {1, 0}, {6, 0}, {6, 5}, {-1, 1}}) {
            Duel d;
            EXPECT_EQ(Strike(d, fromLeft, kind, body, 14, 10000), 0) << kind << " " << body;
        }
    }
}

TEST(Outcomes, AnyOtherSideReadsTheRightHandTable) {
    EXPECT_EQ(OutcomeFor(kSideLeft, 5, 1).hitKo, 3);
    EXPECT_EQ(OutcomeFor(kSideRight, 5, 1).hitKo, 2);
    EXPECT_EQ(OutcomeFor(0, 5, 1).hitKo, 2);
}

// ---- damage ----

struct DamageCase {
    const char* name;
    int damage;
    int defenderMotion;  // 20..28 is a counter hit
    int counterBonus;
    int defenderStamina;
    int minRange;
    int distance;
    int expectedDamage;
    bool counterFlag, weakFlag;
};
void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class Damage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(Damage, FollowsTheTruncatingFormula) {
    const DamageCase& c = GetParam();
    Duel d;
    MotionFrame& a = Duel::Arm(*d.left, 1, c.damage);  // kind 1 on body 1: 100 percent, reaction 6
    a.minRange = c.minRange;
    d.right->x = d.left->x + c.distance;
    d.right->code = MakeCode(0, c.defenderMotion, 0);
    FrameOf(*d.right, d.right->code).counterBonus = c.counterBonus;
    d.right->stamina = c.defenderStamina;
    ApplyHit(*d.left, *d.right, 1, 60, 6);
    EXPECT_EQ(10000 - d.right->health, c.expectedDamage);
    EXPECT_EQ(d.left->counterHitFlag, c.counterFlag ? 1 : 0);
    EXPECT_EQ(d.left->weakHitFlag, c.weakFlag ? 1 : 0);
}

// Percent 60 throughout; staminaMax 1024 makes the weak line 170.
INSTANTIATE_TEST_SUITE_P(
    Hits, Damage,
    ::testing::Values(
        DamageCase{"plain", 33, 14, 9, 1024, 0, 100, 19, false, false},
        // (13 * 13 / 10) = 16, 16 * 60 / 100 = 9 (not 10 as exact arithmetic gives).
        DamageCase{"counter", 13, 20, 3, 1024, 0, 100, 9, true, false},
        DamageCase{"counter_last_attack_motion", 13, 28, 3, 1024, 0, 100, 9, true, false},
        DamageCase{"counter_without_bonus", 50, 24, 0, 1024, 0, 100, 30, true, false},
        DamageCase{"not_an_attack_motion", 13, 29, 3, 1024, 0, 100, 7, false, false},
        DamageCase{"weak_triples", 50, 14, 0, 169, 0, 100, 90, false, true},
        DamageCase{"weak_line_is_strict", 50, 14, 0, 170, 0, 100, 30, false, false},
        DamageCase{"weak_counter_doubles_the_bonus", 50, 21, 5, 100, 0, 100, 60, true, true},
        DamageCase{"weak_counter_zero_bonus", 50, 21, 0, 100, 0, 100, 90, true, true},
        DamageCase{"min_range_quarters", 50, 14, 0, 1024, 60, 60, 7, false, false},
        DamageCase{"min_range_strict_outside", 50, 14, 0, 1024, 60, 61, 30, false, false},
        DamageCase{"min_range_zero_never", 50, 14, 0, 1024, 0, 1, 30, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyHit, MinRangeCountsDistanceEitherWay) {
    Duel d;
    Duel::Arm(*d.right, 1, 40).minRange = 60;
    d.left->x = 400;
    d.right->x = 350;  // attacker left of the defender: still 50 apart
    ApplyHit(*d.right, *d.left, 1, 100, 6);
    EXPECT_EQ(d.left->health, 10000 - 10);
}

TEST(ApplyHit, CeilingLosesMoreForTheHeavyReaction) {
    for (int reaction : {6, 8, 9, 10, 11}) {
        Duel d;
        Duel::Arm(*d.left, 6, 25);
        ApplyHit(*d.left, *d.right, 2, 60, reaction);  // 15 damage
        EXPECT_EQ(d.right->health, 10000 - 15);
        EXPECT_EQ(d.right->healthCeiling, 10000 - (reaction == 9 ? 12 : 6)) << reaction;
    }
}

TEST(ApplyHit, ReactionFrameTakesStunAndKnockbackInTheDefendersStance) {
    Duel d;
    MotionFrame& a = Duel::Arm(*d.left, 6, 100);
    a.stun = 20;
    a.knockback = 6;
    d.right->stance = 1;
    d.right->code = 1400;  // the code has not caught up with the stance yet
    d.right->tick = 5;
    ApplyHit(*d.left, *d.right, 2, 60, 9);
    EXPECT_EQ(d.right->tables[1][9][1].duration, 12);
    EXPECT_EQ(d.right->tables[1][9][1].dx, -6);
    EXPECT_EQ(d.right->tables[0][9][1].duration, 0);
    EXPECT_EQ(d.right->code, 10900);
    EXPECT_EQ(d.right->tick, 0);

    // The next hit into the same motion rewrites it.
    a.stun = 7;
    a.knockback = -3;
    ApplyHit(*d.left, *d.right, 2, 100, 9);
    EXPECT_EQ(d.right->tables[1][9][1].duration, 7);
    EXPECT_EQ(d.right->tables[1][9][1].dx, 3);
}

TEST(ApplyHit, KnockOutFallsInTheStanceWithTheAttackersMark) {
    Duel d;
    MotionFrame& a = Duel::Arm(*d.left, 6, 100);
    a.koMark = 7;
    a.stun = 20;
    d.right->stance = 1;
    d.right->health = 60;  // exactly the damage: 0 is a knock-out
    d.right->tick = 4;
    ApplyHit(*d.left, *d.right, 2, 60, 9);
    EXPECT_EQ(d.right->health, 0);
    EXPECT_EQ(d.right->code, 10200);
    EXPECT_EQ(d.right->tick, 0);
    EXPECT_EQ(d.right->koMark, 7);
    EXPECT_EQ(d.right->tables[1][9][1].duration, 0);  // no reaction was started
}

TEST(ApplyHit, HitsDropTheComputerPlanGuardsDoNot) {
    Duel d;
    Duel::Arm(*d.left, 1, 10);
    d.right->cpuPlanActive = 1;
    d.right->cpuPlan = 6;
    ApplyGuard(*d.left, *d.right, 1, 25, 15);
    EXPECT_EQ(d.right->cpuPlanActive, 1);
    EXPECT_EQ(d.right->cpuPlan, 6);
    ApplyHit(*d.left, *d.right, 1, 100, 6);
    EXPECT_EQ(d.right->cpuPlanActive, 0);
    EXPECT_EQ(d.right->cpuPlan, 0);

    // Also on a knock-out.
    Duel k;
    Duel::Arm(*k.left, 1, 1000);
    k.right->health = 10;
    k.right->cpuPlanActive = 1;
    k.right->cpuPlan = 5;
    ApplyHit(*k.left, *k.right, 1, 100, 6);
    EXPECT_NE(k.right->koMark, 0);
    EXPECT_EQ(k.right->cpuPlan, 0);
}

// ---- guards ----

TEST(ApplyGuard, ChipOnlyEntersFrameOneOfTheGuard) {
    Duel d;
    MotionFrame& a = Duel::Arm(*d.left, 4, 99);
    a.stun = 30;
    a.knockback = 4;
    a.minRange = 1000;    // no quartering for guards
    a.counterBonus = 50;  // irrelevant to the defender anyway
    d.right->stance = 1;
    d.right->code = 11600;
    d.right->stamina = 10;  // weak, but guards know no bonus
    ApplyGuard(*d.left, *d.right, 2, 15, 16);
    EXPECT_EQ(d.right->health, 10000 - 14);  // 15 * 99 / 100 = 14.85
    EXPECT_EQ(d.right->healthCeiling, 10000);
    EXPECT_EQ(d.right->code, 11601);
    EXPECT_EQ(d.right->tick, 0);
    EXPECT_EQ(d.right->tables[1][16][1].duration, 4);  // 15 * 30 / 100
    EXPECT_EQ(d.right->tables[1][16][1].dx, -4);
    EXPECT_EQ(d.left->counterHitFlag, 0);
    EXPECT_EQ(d.left->weakHitFlag, 0);
}

TEST(ApplyGuard, ChipCanKnockOut) {
    Duel d;
    Duel::Arm(*d.left, 1, 40).koMark = 12;
    d.right->code = 1500;
    d.right->health = 10;  // 25 percent of 40 is exactly 10
    EXPECT_EQ(TryHit(*d.left, *d.right, CopyCurrentFrame(*d.right)), kHitGuarded);
    EXPECT_EQ(d.right->health, 0);
    EXPECT_EQ(d.right->code, 100);
    EXPECT_EQ(d.right->koMark, 12);
    EXPECT_EQ(d.right->tables[0][15][1].duration, 0);
}

// ---- both fighters attacking ----

class Resolve : public ::testing::Test {
  protected:
    // Both in reach of each other with kind 6 (never guarded), different hit effects.
    void ArmBoth(int priorityLeft, int priorityRight) {
        Duel::Arm(*d.left, 6, 100).priority = priorityLeft;
        Duel::Arm(*d.right, 6, 100).priority = priorityRight;
        FrameOf(*d.right, kAttack).hitEffect = 4;
        copy0 = CopyCurrentFrame(*d.left);
        copy1 = CopyCurrentFrame(*d.right);
    }
    Duel d;
    MotionFrame copy0{}, copy1{};
    Random15 rng;
    int32_t results[2] = {-1, -1};
};

TEST_F(Resolve, SingleAttackerNeedsNoDraw) {
    ArmBoth(1, 1);
    copy1.attackKind = 0;
    rng.Seed(77);
    ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
    EXPECT_EQ(results[0], 3);
    EXPECT_EQ(results[1], 0);
    EXPECT_EQ(rng.State(), 77u);
    EXPECT_EQ(d.right->code, 900);

    Duel e;
    d.left.swap(e.left);
    d.right.swap(e.right);
    ArmBoth(1, 1);
    copy0.attackKind = 0;
    ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(results[1], 4);
    EXPECT_EQ(rng.State(), 77u);
}

TEST_F(Resolve, NobodyAttackingGivesZeros) {
    copy0 = CopyCurrentFrame(*d.left);
    copy1 = CopyCurrentFrame(*d.right);
    ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(results[1], 0);
}

TEST_F(Resolve, HigherPriorityWinsTheTrade) {
    for (auto [pl, pr] : {std::pair{5, 2}, {2, 5}}) {
        Duel fresh;
        d.left.swap(fresh.left);
        d.right.swap(fresh.right);
        ArmBoth(pl, pr);
        rng.Seed(1);
        ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
        const bool leftWins = pl > pr;
        EXPECT_EQ(results[0], leftWins ? 3 : 0);
        EXPECT_EQ(results[1], leftWins ? 0 : 4);
        EXPECT_EQ(rng.State(), 1u) << "no draw on different priorities";
        EXPECT_EQ((leftWins ? d.left : d.right)->health, 10000);
    }
}

TEST_F(Resolve, EqualPriorityDrawsTheOrder) {
    bool seen[2] = {false, false};
    for (uint32_t seed = 1; seed < 40; ++seed) {
        Duel fresh;
        d.left.swap(fresh.left);
        d.right.swap(fresh.right);
        ArmBoth(3, 3);
        rng.Seed(seed);
        Random15 probe;
        probe.Seed(seed);
        const bool player1First = probe.Next() % 2 == 0;
        seen[player1First ? 0 : 1] = true;
        ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
        EXPECT_EQ(rng.State(), probe.State()) << "exactly one draw";
        EXPECT_EQ(results[0], player1First ? 3 : 0) << "seed " << seed;
        EXPECT_EQ(results[1], player1First ? 0 : 4) << "seed " << seed;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
}

TEST_F(Resolve, SecondAttackStillLandsWhenTheFirstMisses) {
    ArmBoth(9, 1);
    FrameOf(*d.left, kAttack).reach = 50;  // the left one swings short
    ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(results[1], 4);
}

TEST_F(Resolve, SecondAttackAimsAtTheFirstAttackersCopy) {
    // As above, but the left one's body before the advance was untouchable.
    ArmBoth(9, 1);
    FrameOf(*d.left, kAttack).reach = 50;
    copy0.bodyType = 0;
    ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
    EXPECT_EQ(results[1], 0);
    EXPECT_EQ(d.left->health, 10000);
}

TEST_F(Resolve, TheStruckAttackerSwingsWithItsNewFrame) {
    // A reaction frame that (unusually) attacks: the second attempt reads it afresh.
    ArmBoth(9, 1);
    MotionFrame& reaction = d.right->tables[0][9][0];
    reaction.attackKind = 6;
    reaction.reach = 150;
    reaction.damage = 10;
    reaction.hitEffect = 2;
    ResolveHits(*d.left, *d.right, copy0, copy1, rng, results);
    EXPECT_EQ(results[0], 3);
    EXPECT_EQ(results[1], 2);
    EXPECT_EQ(d.left->health, 10000 - 6);
}

}  // namespace
