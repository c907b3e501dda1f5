// The outcome tables of hit resolution: what each attack class does to each target class.
#pragma once

#include <cstdint>

#include "engine/fighter.h"

namespace fight {

// One cell of the outcome table: attack class against target class.
//   kNone            the attack passes through
//   kHit             always taken: hit values
//   kGuardOn         a guard with the guard values when the defender shows motion
//                    guardMotion, else a hit with the hit values
struct Outcome {
    enum Kind : uint8_t { kNone, kHit, kGuardOn } kind;
    int8_t guardMotion;
    // Hit: knock-out motion, percent of the damage, reaction motion.
    int8_t hitKo, hitPercent, hitReaction;
    // Guard: knock-out motion, percent of the damage as chip, guard motion entered.
    int8_t guardKo, guardPercent, guardInto;
};

constexpr int kAttackKinds = 7;  // attackKind 1..7
constexpr int kBodyTypes = 4;    // bodyType 1..4

// The outcome table for an attacker on the given side (engine::kSideLeft or kSideRight;
// any other side reads the right-hand table). attackKind 0, bodyType outside 1..4 and
// kind outside 1..7 give kNone.
Outcome OutcomeFor(int attackerSide, int attackKind, int bodyType);

}  // namespace fight
