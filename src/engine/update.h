// The three steps that move a fighter through its motion tables once per fight frame:
// regeneration, the command step and the advance step (movement and the frame timer).
#pragma once

#include <cstdint>

#include "engine/fighter.h"

namespace engine {

// The playing field: positions stay strictly between these two values. A fighter pushed
// against an edge or the opponent is put kClearance pixels clear of it.
constexpr int kFieldLeft = 50;
constexpr int kFieldRight = 749;
constexpr int kClearance = 5;

// Health and stamina come back while the fighter stands, guards, steps or switches stance
// (motions 14 to 19), and for roster number 7 also in frame 0 of its motions 29 and 32.
// A knocked-out fighter (koMark nonzero) never regenerates. Health refills up to
// healthCeiling, stamina up to staminaMax; a value already above its cap is set to it.
void Regenerate(Fighter& fighter);

// Turns one command (the numbers of fight::Command) into a transition of the current
// frame, read through FrameOf(fighter, code).
//   - up or up+G two ticks before the end of a hit reaction (motions 6 to 13), or up+G in
//     guard or low guard (15, 16), toggles the fighter's stance without touching code;
//   - a command whose slot is enabled enters the slot's target at tick 0 and pays its
//     cost, unless stamina minus the cost would be 0 or less: then nothing moves,
//     staminaRefused is set and the computer player's plan is dropped;
//   - a disabled slot swallows the movement and guard commands (1, 2, 3, 5, 6, 16) but
//     leaves the attack commands 7 to 15 pending for a later frame.
// command is set to 0 when it was consumed and left alone otherwise; 0, 4 and anything
// outside 0..16 are never touched.
void ApplyCommand(Fighter& fighter, int32_t& command);

// Moves the fighter along the floor and runs its frame timer, both read through
// TimerFrameOf (the fighter's stance field with the motion and frame of its code).
//   opponentX          the opponent's x
//   opponentHalfWidth  the opponent's halfWidth for the stance part of its code
//   movementEnabled    false freezes the step by dx (separation still applies)
//   opponentDx         dx of the opponent's current frame (by its code), taken after both
//                      command steps of this fight frame
// Side 1 moves right by a positive dx, side 2 left. A step that would leave the field is
// not taken; a step into the opponent, or an overlap, puts the fighter 5 pixels clear of
// the opponent (or at 55 / 744 when that would reach the field's edge).
// The timer: skipTimer ends the frame at once; otherwise tick counts up to duration and
// the Advance that finds tick == duration enters next at tick 0. The end of motion 19
// toggles the stance, and so does the end of frame 2 of motions 27 and 28 for roster
// number 10.
void Advance(Fighter& fighter, int opponentX, int opponentHalfWidth, bool movementEnabled,
             int opponentDx);

}  // namespace engine
