// Hit resolution: reach, the outcome table, damage, reactions, guards and knock-outs.
#include "fight/hits.h"

#include <cstdlib>

namespace fight {

using engine::Fighter;
using engine::MotionFrame;

namespace {

constexpr int kReactionHeavy = 9;  // the reaction that costs the most of the health ceiling

int MotionOfCode(int32_t code) {
    return engine::MotionOf(code);
}

void DropCpuPlan(Fighter& f) {
    if (f.cpuPlanActive) {
        f.cpuPlanActive = 0;
        f.cpuPlan = 0;
    }
}

// The defender falls in motion ko of its current stance, marked with the attacker's finish.
void KnockOut(Fighter& b, int ko, const MotionFrame& attack) {
    b.code = engine::MakeCode(b.stance, ko, 0);
    b.tick = 0;
    b.koMark = attack.koMark;
}

// Frame 1 of a reaction or guard motion in the defender's own table takes the length and
// the push of the attack that started it.
void ScheduleRecoil(Fighter& b, int motion, int percent, const MotionFrame& attack) {
    MotionFrame& frame1 = b.tables[b.stance][motion][1];
    frame1.duration = static_cast<int32_t>(int64_t{percent} * attack.stun / 100);
    frame1.dx = -attack.knockback;
}

}  // namespace

void ResolveHits(Fighter& f0, Fighter& f1, const MotionFrame& copy0, const MotionFrame& copy1,
                 engine::Random15& rng, int32_t results[2]) {
    results[0] = kHitNothing;
    results[1] = kHitNothing;
    if (copy0.attackKind != 0 && copy1.attackKind != 0) {
        bool player1First;
        if (copy0.priority != copy1.priority)
            player1First = copy0.priority > copy1.priority;
        else
            player1First = rng.Next() % 2 == 0;
        if (player1First) {
            results[0] = TryHit(f0, f1, copy1);
            results[1] = TryHit(f1, f0, copy0);
        } else {
            results[1] = TryHit(f1, f0, copy0);
            results[0] = TryHit(f0, f1, copy1);
        }
    } else if (copy0.attackKind != 0) {
        results[0] = TryHit(f0, f1, copy1);
    } else if (copy1.attackKind != 0) {
        results[1] = TryHit(f1, f0, copy0);
    }
}

HitResult TryHit(Fighter& a, Fighter& b, const MotionFrame& bCopy) {
    const MotionFrame attack = engine::CopyCurrentFrame(a);
    const bool fromLeft = a.side == engine::kSideLeft;
    const int front = fromLeft ? b.x - bCopy.bodyFront : b.x + bCopy.bodyFront;
    const bool reaches = fromLeft ? (a.x < front && front < a.x + attack.reach)
                                  : (a.x - attack.reach < front && front < a.x);
    if (!reaches) return kHitNothing;

    const Outcome o = OutcomeFor(a.side, attack.attackKind, bCopy.bodyType);
    switch (o.kind) {
        case Outcome::kNone: return kHitNothing;
        case Outcome::kGuardOn:
            if (MotionOfCode(bCopy.code) == o.guardMotion) {
                ApplyGuard(a, b, o.guardKo, o.guardPercent, o.guardInto);
                return kHitGuarded;
            }
            break;
        case Outcome::kHit: break;
    }
    ApplyHit(a, b, o.hitKo, o.hitPercent, o.hitReaction);
    return attack.hitEffect;
}

void ApplyHit(Fighter& a, Fighter& b, int ko, int percent, int reaction) {
    const MotionFrame attack = engine::CopyCurrentFrame(a);
    const MotionFrame& shown = engine::FrameOf(b, b.code);

    // Caught in the middle of an attack: the defender's own frame says how much extra.
    int64_t bonus = 0;
    if (engine::IsAttackMotion(MotionOfCode(b.code))) {
        bonus = shown.counterBonus;
        a.counterHitFlag = 1;
    }
    // A worn-out defender takes double the bonus (and a plain hit counts as bonus 10).
    if (b.stamina < b.staminaMax / 6) {
        if (bonus == 0) bonus = 10;
        bonus *= 2;
        a.weakHitFlag = 1;
    }

    int64_t damage = ((bonus + 10) * attack.damage / 10) * percent / 100;
    if (attack.minRange != 0 && std::llabs(int64_t{a.x} - b.x) <= attack.minRange) damage /= 4;

    b.health = static_cast<int32_t>(b.health - damage);
    const int64_t ceilingLoss = reaction == kReactionHeavy ? damage * 8 / 10 : damage * 4 / 10;
    b.healthCeiling = static_cast<int32_t>(b.healthCeiling - ceilingLoss);

    if (b.health <= 0) {
        KnockOut(b, ko, attack);
    } else {
        ScheduleRecoil(b, reaction, percent, attack);
        b.code = engine::MakeCode(b.stance, reaction, 0);
        b.tick = 0;
    }
    DropCpuPlan(b);
}

void ApplyGuard(Fighter& a, Fighter& b, int ko, int percent, int guard) {
    const MotionFrame attack = engine::CopyCurrentFrame(a);
    const int64_t chip = int64_t{percent} * attack.damage / 100;
    b.health = static_cast<int32_t>(b.health - chip);
    if (b.health <= 0) {
        KnockOut(b, ko, attack);
        return;
    }
    ScheduleRecoil(b, guard, percent, attack);
    b.code = engine::MakeCode(b.stance, guard, 1);
    b.tick = 0;
}

}  // namespace fight
