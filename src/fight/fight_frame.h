// One frame of the fight, up to the phase step: input, the computer players, the fighter
// update, frame sounds, hit resolution and hit sounds.
#pragma once

#include <cstdint>

#include "audio/sound_requests.h"
#include "engine/fighter.h"
#include "engine/random.h"
#include "fight/frame_input.h"
#include "fight/game_enums.h"
#include "fight/player_input.h"

namespace fight {

constexpr int kReadyPhaseFrames = 120;
constexpr int kMovementFromFrame = 108;  // the ready phase lets the fighters move from here

// Who gives a player's command, where the game mode does not decide it (the training
// room's dummy): the mode's rule, the player's device, the computer, or a given command.
enum class Control : int32_t { kByMode = 0, kDevice, kComputer, kCommand };

// What the fight frame works on; the form hands over its own records.
struct FightContext {
    engine::Fighter* fighter;  // [2]: player 1 (left), player 2 (right)
    PlayerInput* input;        // [2]
    int32_t gameMode;
    int32_t phase;
    int32_t phaseFrames;
    engine::Random15* rng;
    const FrameInput* frameInput;  // the frame's reads of the keyboard and pads
    audio::SoundRequests* sounds;  // out: the frame's sound requests are added here
    // Left at kByMode by the four modes. kCommand takes `given` instead of reading a device,
    // as a read would: a nonzero command is written, 0 leaves a pending one.
    Control control[2];
    int32_t given[2];
    // Out: the command each player handed to the fighter update (0 when none) and each
    // player's hit result of this frame.
    int32_t commands[2];
    int32_t hits[2];
};

// Whether the fighters' dx steps apply in this phase.
constexpr bool MovementAllowed(int32_t phase, int32_t phaseFrames) {
    return phase == kPhaseFight || (phase == kPhaseReady && phaseFrames >= kMovementFromFrame);
}

// Steps 1 to 9 of a fight frame; the phase step that follows belongs to the game states.
void FightFrameSteps(FightContext& ctx);

}  // namespace fight
