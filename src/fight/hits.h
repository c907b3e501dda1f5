// Hit resolution: whether an attack lands this fight frame, and what it does to the
// defender (a guard with chip damage, a hit reaction, or a knock-out).
#pragma once

#include <cstdint>

#include "engine/fighter.h"
#include "engine/random.h"
#include "fight/outcomes.h"

namespace fight {

// The value of one attacker's attempt in one fight frame: 0 nothing happened,
// kHitGuarded the attack was guarded, otherwise the attacker frame's hitEffect.
using HitResult = int32_t;
constexpr HitResult kHitNothing = 0;
constexpr HitResult kHitGuarded = 5;

// Resolves both fighters' attacks of this fight frame. copy0 and copy1 are the frame
// copies of fighter 0 (player 1) and fighter 1 (player 2) taken after the command steps
// and before the advance. When both copies attack, the higher priority goes first; on
// equal priority one rng draw (value % 2: 0 = player 1 first) decides, and no draw is
// made otherwise. results[0] and results[1] receive each player's HitResult as attacker.
void ResolveHits(engine::Fighter& f0, engine::Fighter& f1, const engine::MotionFrame& copy0,
                 const engine::MotionFrame& copy1, engine::Random15& rng, int32_t results[2]);

// One attempt of attacker a on defender b. a's frame is read afresh (after the advance,
// and after any hit it took earlier in this frame); b's body is the copy bCopy. The attack
// reaches when the defender's front edge (b.x -/+ bodyFront) lies strictly between a.x and
// a.x +/- reach. Returns kHitNothing, kHitGuarded or a's hitEffect.
HitResult TryHit(engine::Fighter& a, engine::Fighter& b, const engine::MotionFrame& bCopy);

// Applies a taken hit of a on b: damage with the counter and weak-defender bonuses and the
// close-range quartering, the lowered healthCeiling, then a knock-out into motion ko
// (b.koMark from a's frame) or the reaction motion, whose frame 1 in b's own table gets
// a's stun and knock-back. Sets a's counterHitFlag / weakHitFlag and drops b's computer
// plan.
void ApplyHit(engine::Fighter& a, engine::Fighter& b, int ko, int percent, int reaction);

// Applies a guarded attack of a on b: chip damage (percent of a's damage, nothing else),
// then a knock-out into motion ko or frame 1 of the guard motion with a's stun and
// knock-back written into b's table. b's computer plan keeps running.
void ApplyGuard(engine::Fighter& a, engine::Fighter& b, int ko, int percent, int guard);

}  // namespace fight
