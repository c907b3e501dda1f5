// A fighter's constants (its roster row) and the init that every fighter runs with them.
#pragma once

#include "engine/fighter.h"

namespace engine::fighters {

// In cpuCloseMode: the init leaves that stance's value as it is.
inline constexpr int kCloseModeUnset = kNoValue;

struct FighterConstants {
    int kind;  // roster number 1..15
    int baseHealth;
    int halfWidth[kStances];
    int cpuAttackRange[kStances];  // per own stance
    int cpuKeepAway[kStances];     // per the opponent's stance
    int cpuAttacks[kStances][4];
    int cpuCloseMode[kStances];  // or kCloseModeUnset
};

// Sets kind, health, stamina and regeneration (health scaled by the current powerLevel), the
// computer player's values and its defence against opponentKind.
void InitFighter(Fighter& fighter, const FighterConstants& constants, int opponentKind);

}  // namespace engine::fighters
