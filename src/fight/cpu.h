// The computer player.
#pragma once

#include "engine/fighter.h"

namespace fight {

// Plan kinds.
enum CpuPlan : int32_t {
    kPlanNone = 0,
    kPlanAttack = 5,
    kPlanDefend = 6,
    kPlanApproach = 7,
    kPlanKeepAway = 8,
    kPlanSwitch = 9,
};

// Clears the computer player's working state before a fight.
void ResetCpu(engine::Fighter& fighter);

}  // namespace fight
