// Construction operations: how builders write frames into a fighter's two motion tables.
#pragma once

#include <array>
#include <cstdint>

#include "engine/fighter.h"

namespace engine {

// The fourteen transition targets of a frame-defining operation, in construction order:
// up, forward, back, G, down+G, LA, fwd+LA, back+LA, RA, fwd+RA, back+RA, LA+RA, fwd+LA+RA,
// back+LA+RA. Each is motion * 100 + frame in the frame's own stance, or kNoValue for a command
// the frame does not answer.
using Targets = std::array<int32_t, kSlots>;

// The transition slot that receives each construction-order target.
inline constexpr std::array<int, kSlots> kSlotOfTarget = {
    kSlotUp,     kSlotForward, kSlotBack,  kSlotGuard,  kSlotLowGuard, kSlotLA,      kSlotFwdLA,
    kSlotBackLA, kSlotRA,      kSlotFwdRA, kSlotBackRA, kSlotLARA,     kSlotFwdLARA, kSlotBackLARA,
};

inline constexpr Targets kNoTargets = {kNoValue, kNoValue, kNoValue, kNoValue, kNoValue,
                                       kNoValue, kNoValue, kNoValue, kNoValue, kNoValue,
                                       kNoValue, kNoValue, kNoValue, kNoValue};

// Frame-defining operations. Each writes code, duration, image, next and the slots of one frame
// and nothing else, so the field setters may come before or after it.

// A frame that ends the motion: back to this stance's stand when endRule is kNoValue, to the
// other stance's stand for any other endRule (a change of stance).
void SetFinalFrame(Fighter& fighter, int stance, int motion, int frame, int duration, int image,
                   int endRule, const Targets& targets);
// A frame followed by the next frame of its motion; endRule is ignored.
void SetChainFrame(Fighter& fighter, int stance, int motion, int frame, int duration, int image,
                   int endRule, const Targets& targets);
// A pose that repeats until something outside (a hit) changes the fighter's code.
void SetHoldFrame(Fighter& fighter, int stance, int motion, int frame, int duration, int image);

// Field setters: the frame, then the values.
void SetSound(Fighter& fighter, int stance, int motion, int frame, int sound);
void SetHitEffect(Fighter& fighter, int stance, int motion, int frame, int effect);
void SetLayer(Fighter& fighter, int stance, int motion, int frame, int layer);
void SetCost(Fighter& fighter, int stance, int motion, int frame, int cost);
void SetMove(Fighter& fighter, int stance, int motion, int frame, int dx, int dy);
void SetBody(Fighter& fighter, int stance, int motion, int frame, int front, int type);
void SetAttack(Fighter& fighter, int stance, int motion, int frame, int reach, int kind,
               int priority);
// Stores damage * (powerLevel + 10) / 10 with the fighter's current powerLevel; stun and
// knockback are stored as given.
void SetDamage(Fighter& fighter, int stance, int motion, int frame, int damage, int stun,
               int knockback);
void SetKoMark(Fighter& fighter, int stance, int motion, int frame, int koMark);
void SetCounterBonus(Fighter& fighter, int stance, int motion, int frame, int bonus);
void SetSkipTimer(Fighter& fighter, int stance, int motion, int frame, int skip);
// Four commands the computer player may give next, with chances 40, 30, 20 and 10 percent.
void SetCpuFollowUp(Fighter& fighter, int stance, int motion, int frame, int a, int b, int c,
                    int d);
void SetMinRange(Fighter& fighter, int stance, int motion, int frame, int minRange);

// Installs the computer player's answers to the attacks of opponent roster number
// opponentKind (1..15); any other number leaves cpuDefence as it is.
void SetCpuDefence(Fighter& fighter, int opponentKind);

// Whether two frames hold the same values in every field.
bool SameFrame(const MotionFrame& a, const MotionFrame& b);
// Whether the frame at position still holds the reset defaults of that position.
bool IsResetFrame(const MotionFrame& frame, MotionCode position);

}  // namespace engine
