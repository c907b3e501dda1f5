// The routine that turns stance rows into motion-table frames.
#include "engine/fighter_rows.h"

#include "engine/construct.h"

namespace engine::fighters {

namespace {

constexpr int kN = kNoValue;

// Targets of the recurring sets, in construction order (motion * 100).
constexpr Targets kStandTargets = {1900, 1700, 1800, 1500, 1600, 2000, 2100,
                                   2200, 2300, 2400, 2500, 2600, 2700, 2800};
constexpr Targets kGuardTargets = {kN, 1700, 1800, 1500, 1600, kN, kN, kN, kN, kN, kN, kN, kN, kN};
constexpr Targets kStepTargets = {1900, kN,   kN,   1500, 1600, 2000, 2100,
                                  2200, 2300, 2400, 2500, 2600, 2700, 2800};

Targets TargetsOf(const Links& links) {
    Targets targets = kNoTargets;
    switch (links.set) {
        case kStandSet: targets = kStandTargets; break;
        case kGuardSet: targets = kGuardTargets; break;
        case kStepSet: targets = kStepTargets; break;
        case kNoSet: break;
    }
    for (const Link& link : links.links) {
        if (link.key == kNoKey) continue;
        targets[link.key] = link.target.motion * 100 + link.target.frame;
    }
    return targets;
}

void DefineFrame(Fighter& fighter, int stance, const FrameRow& row) {
    const Targets targets = TargetsOf(row.links);
    const int m = row.motion;
    const int f = row.frame;
    switch (row.form) {
        case kChain:
            SetChainFrame(fighter, stance, m, f, row.duration, row.image, kNoValue, targets);
            break;
        case kFinal:
            SetFinalFrame(fighter, stance, m, f, row.duration, row.image, kNoValue, targets);
            break;
        case kFinalSwitch: {
            const int otherStand = MakeCode(1 - stance, kMotionStand, 0);
            SetFinalFrame(fighter, stance, m, f, row.duration, row.image, otherStand, targets);
            break;
        }
        case kHold: SetHoldFrame(fighter, stance, m, f, row.duration, row.image); break;
    }
}

void SetValues(Fighter& fighter, int stance, int m, int f, const Values& v) {
    SetSound(fighter, stance, m, f, v.sound);
    SetLayer(fighter, stance, m, f, v.layer);
    SetMove(fighter, stance, m, f, v.dx, v.dy);
    SetCost(fighter, stance, m, f, v.cost);
    SetBody(fighter, stance, m, f, v.body.front, v.body.type);
    SetAttack(fighter, stance, m, f, v.reach, v.kind, v.priority);
    SetDamage(fighter, stance, m, f, v.damage, v.stun, v.knockback);
    SetHitEffect(fighter, stance, m, f, v.effect);
    SetMinRange(fighter, stance, m, f, v.minRange);
    SetKoMark(fighter, stance, m, f, v.koMark);
    SetCounterBonus(fighter, stance, m, f, v.counterBonus);
    SetSkipTimer(fighter, stance, m, f, v.skipTimer);
    const FollowUp& u = v.followUp;
    SetCpuFollowUp(fighter, stance, m, f, u[0], u[1], u[2], u[3]);
}

}  // namespace

void BuildStance(Fighter& fighter, int stance, std::span<const FrameRow> rows) {
    for (const FrameRow& row : rows) {
        DefineFrame(fighter, stance, row);
        SetValues(fighter, stance, row.motion, row.frame, row.values);
    }
}

}  // namespace engine::fighters
