// The init every fighter runs with its own constants.
#include "engine/fighter_init.h"

#include "engine/construct.h"

namespace engine::fighters {

namespace {

constexpr int kHealthRegen = 4;
constexpr int kStaminaMax = 1024;
constexpr int kStaminaRegen = 16;

}  // namespace

void InitFighter(Fighter& fighter, const FighterConstants& c, int opponentKind) {
    fighter.kind = c.kind;
    // The computer player's stronger levels get 12.5 percent more health per level.
    fighter.healthMax = c.baseHealth * (fighter.powerLevel + 8) / 8;
    fighter.healthRegen = kHealthRegen;
    fighter.staminaMax = kStaminaMax;
    fighter.staminaRegen = kStaminaRegen;
    fighter.healthCeiling = fighter.healthMax;
    fighter.health = fighter.healthMax;
    fighter.stamina = kStaminaMax;
    for (int s = 0; s < kStances; ++s) {
        fighter.halfWidth[s] = c.halfWidth[s];
        fighter.cpuAttackRange[s] = c.cpuAttackRange[s];
        fighter.cpuKeepAway[s] = c.cpuKeepAway[s];
        for (int i = 0; i < 4; ++i)
            fighter.cpuAttacks[s][i] = c.cpuAttacks[s][i];
    }
    SetCpuDefence(fighter, opponentKind);
    for (int s = 0; s < kStances; ++s)
        if (c.cpuCloseMode[s] != kCloseModeUnset) fighter.cpuCloseMode[s] = c.cpuCloseMode[s];
}

}  // namespace engine::fighters
