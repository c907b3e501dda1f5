// The computer player.
#include "fight/cpu.h"

namespace fight {

void ResetCpu(engine::Fighter& fighter) {
    fighter.cpuIdleTicks = 0;
    fighter.cpuPlanTicks = 0;
    fighter.cpuDistance = 800;
    fighter.cpuPlanActive = 0;
    fighter.cpuPlan = kPlanNone;
    fighter.cpuReaction = 0;
}

}  // namespace fight
