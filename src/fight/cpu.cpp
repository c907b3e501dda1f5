// The computer player.
#include "fight/cpu.h"

#include <cstdlib>

#include "fight/player_input.h"

namespace fight {

namespace {

using engine::Fighter;
using engine::IsAttackMotion;

// The command a defence reaction gives on each frame, or -1 when the reaction ends the plan.
int32_t ReactionCommand(int32_t reaction) {
    switch (reaction) {
        case 1:
        case 2:
        case 3: return kCmdGuard;
        case 4:
        case 7: return kCmdDownGuard;
        case 5:
        case 6: return kCmdBack;
        case 999: return kCmdNone;
        default: return -1;
    }
}

int32_t EndPlan(Fighter& f) {
    f.cpuPlanActive = 0;
    return kCmdNone;
}

// One of four weighted picks: chances 4, 3, 2 and 1 in 10.
int32_t PickFollowUp(const int32_t followUps[4], int r) {
    if (r <= 3) return followUps[0];
    if (r <= 6) return followUps[1];
    if (r <= 8) return followUps[2];
    return followUps[3];
}

int32_t DefendStep(Fighter& f, int opponentStance, int opponentMotion, engine::Random15& rng) {
    if (!IsAttackMotion(opponentMotion)) return EndPlan(f);
    if (f.cpuPlanTicks == 32) {
        // Every 32 frames the computer may change its mind about the defence.
        const int r = rng.Next() % 20;
        f.cpuPlanTicks = 0;
        const int32_t t = f.cpuDefence[opponentStance][opponentMotion - 20];
        if (t != f.cpuReaction) {
            if (r < 3)
                f.cpuReaction = t;
            else if (r >= 10)
                f.cpuReaction = 999;
        } else if (r < 14) {
            f.cpuReaction = 999;
        }
    }
    const int32_t command = ReactionCommand(f.cpuReaction);
    return command < 0 ? EndPlan(f) : command;
}

int32_t ContinuePlan(Fighter& f, const engine::MotionFrame& frame, int opponentStance,
                     int opponentMotion, engine::Random15& rng) {
    ++f.cpuPlanTicks;
    ++f.cpuIdleTicks;
    switch (f.cpuPlan) {
        case kPlanAttack:
        case kPlanSwitch: {
            const int32_t pick = PickFollowUp(frame.cpuFollowUp, rng.Next() % 10);
            return pick == engine::kNoValue ? EndPlan(f) : pick;
        }
        case kPlanDefend: return DefendStep(f, opponentStance, opponentMotion, rng);
        case kPlanApproach:
            // Walk on until in range. "In range" (below) is range > distance, so the walk
            // must go on at a distance equal to the range: stopping there left two computer
            // fighters standing at exactly that distance for ever, neither in range nor
            // walking.
            return f.cpuAttackRange[opponentStance] <= f.cpuDistance ? kCmdForward : EndPlan(f);
        case kPlanKeepAway: {
            const bool room = f.side == engine::kSideLeft ? f.x > 100 : f.x < 700;
            return f.cpuDistance < f.cpuKeepAway[opponentStance] && room ? kCmdBack : EndPlan(f);
        }
        default: return kCmdNone;
    }
}

int32_t StartPlan(Fighter& f, int opponentStance, int opponentMotion,
                  const int32_t opponentRange[2], engine::Random15& rng) {
    f.cpuPlanTicks = 0;
    const int s = engine::StanceOf(f.code);
    const bool threatened = IsAttackMotion(opponentMotion);
    // The opponent is attacking and could reach: strike back now and then, else defend.
    if (threatened && opponentRange[opponentStance] >= f.cpuDistance) {
        if (rng.Next() % 10 == 0) {
            const int32_t command = CpuChooseAttack(f, rng);
            f.cpuPlanActive = 1;
            return command;
        }
        const int q = rng.Next() % 4;
        if (q == 0 || q == 2)
            f.cpuReaction = rng.Next() % 7 + 1;
        else
            f.cpuReaction = f.cpuDefence[opponentStance][opponentMotion - 20];
        f.cpuPlan = kPlanDefend;
        f.cpuPlanActive = 1;
        return kCmdNone;
    }
    // In range: attack while fresh; tired, defend or back off as the fighter prefers.
    if (f.cpuAttackRange[s] > f.cpuDistance) {
        if (f.stamina > f.staminaMax * 80 / 100) {
            const int32_t command = CpuChooseAttack(f, rng);
            f.cpuPlanActive = 1;
            return command;
        }
        switch (f.cpuCloseMode[s]) {
            case 0:
                f.cpuReaction = threatened ? f.cpuDefence[opponentStance][opponentMotion - 20] : 0;
                f.cpuPlan = kPlanDefend;
                f.cpuPlanActive = 1;
                return kCmdNone;
            case 1:
            case 2:
                f.cpuPlan = kPlanKeepAway;
                f.cpuPlanActive = 1;
                return kCmdNone;
            default: return kCmdNone;
        }
    }
    // Out of range: after a long while of plans switch stance, else walk in.
    if (f.cpuIdleTicks >= kCpuIdleLimit) {
        f.cpuPlan = kPlanSwitch;
        f.cpuPlanActive = 1;
        f.cpuIdleTicks = 0;
        return kCmdUp;
    }
    f.cpuPlan = kPlanApproach;
    f.cpuPlanActive = 1;
    return kCmdNone;
}

}  // namespace

void ResetCpu(Fighter& fighter) {
    fighter.cpuIdleTicks = 0;
    fighter.cpuPlanTicks = 0;
    fighter.cpuDistance = 800;
    fighter.cpuPlanActive = 0;
    fighter.cpuPlan = kPlanNone;
    fighter.cpuReaction = 0;
}

int32_t CpuDecide(Fighter& f, int32_t opponentX, engine::MotionCode opponentCode,
                  const int32_t opponentRange[2], engine::Random15& rng) {
    const int o = engine::StanceOf(opponentCode);
    const int m = engine::MotionOf(opponentCode);
    const engine::MotionFrame frame = engine::CopyCurrentFrame(f);
    f.cpuDistance = std::abs(opponentX - f.x);
    if (f.cpuPlanActive) return ContinuePlan(f, frame, o, m, rng);
    return StartPlan(f, o, m, opponentRange, rng);
}

int32_t CpuChooseAttack(Fighter& f, engine::Random15& rng) {
    f.cpuPlan = kPlanAttack;
    const int s = engine::StanceOf(f.code);
    const int r = rng.Next() % 12;
    if (r <= 3) return f.cpuAttacks[s][0];
    if (r <= 6) return f.cpuAttacks[s][1];
    if (r <= 8) return f.cpuAttacks[s][2];
    if (r == 9) return f.cpuAttacks[s][3];
    return rng.Next() % 9 + 7;
}

}  // namespace fight
