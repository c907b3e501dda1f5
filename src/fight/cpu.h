// The computer player: each frame it picks the command for a computer-controlled fighter
// from distances, stamina, the opponent's motion, the fighter's own tables and chance.
#pragma once

#include "engine/fighter.h"
#include "engine/random.h"

namespace fight {

// Plan kinds.
enum CpuPlan : int32_t {
    kPlanNone = 0,
    kPlanAttack = 5,    // an attack was chosen; follow it up
    kPlanDefend = 6,    // answer the opponent's attack by cpuReaction
    kPlanApproach = 7,  // walk forward until in range
    kPlanKeepAway = 8,  // step back until far enough
    kPlanSwitch = 9,    // a stance switch was commanded; follow it up
};

constexpr int kCpuIdleLimit = 400;

// Clears the computer player's working state before a fight.
void ResetCpu(engine::Fighter& fighter);

// The command for this frame; updates the fighter's working fields.
int32_t CpuDecide(engine::Fighter& fighter, int32_t opponentX, engine::MotionCode opponentCode,
                  const int32_t opponentRange[2], engine::Random15& rng);

// Starts an attack plan and returns its attack command.
int32_t CpuChooseAttack(engine::Fighter& fighter, engine::Random15& rng);

}  // namespace fight
