// The training room: player 1 against a dummy that does what it is told, in a fight that
// never ends. Its keys (the numeric keypad, shown on the screen):
//   NUM1 the dummy: stand, guard all, guard after the first hit, computer, player 2's
//        device, playback of the slot
//   NUM2 record the slot from player 2's device (again: stop)
//   NUM3 record the slot with player 1's device, switched over to the dummy (again: stop)
//   NUM4 the next slot (1..4)        NUM5 playback: once, loop, after a hit, after a guard
//   NUM0 play the slot (again: stop)
//   NUM6 the next reset position     NUM7 reset now
//   NUM8 refill on/off               NUM9 one frame on while paused (ESC pauses)
#pragma once

#include <cstdint>

#include "fight/frame_input.h"
#include "shell/form.h"
#include "shell/frame_events.h"
#include "shell/training_state.h"

namespace shell {

// The keys of the training room, as virtual keys.
constexpr int kTrainingKey0 = 96;  // NUM0; NUMn is kTrainingKey0 + n

// The training room's mode button: both players' fighters are picked with player 1's
// device on the select screen, then the endless fight.
void TrainingButtonClick(TForm1& form);

// One frame of the training room (in place of GameFrame).
void TrainingFrame(GameState& state, TrainingState& training, const fight::FrameInput& input,
                   FrameEvents& events);

// What a fighter's frame is, for the frame meter.
FrameKind FrameKindOf(const engine::Fighter& fighter);

// Whether the fighter can act: standing, stepping, or holding a guard.
bool CanAct(const engine::Fighter& fighter);

// The checksum of a training room's game: the game state's and the training state's.
uint64_t TrainingChecksum(const GameState& state, const TrainingState& training);

// The names the screen shows.
const char* DummyModeName(int mode);
const char* PlayStyleName(int style);
const char* ResetKindName(int kind);

}  // namespace shell
