// One frame of the game as a step of the game state: the frame's input in, the frame's
// events out, nothing else read or written. The frame loop, the sync test, replays and
// network play all run the game through it.
#pragma once

#include "fight/frame_input.h"
#include "platform/devices.h"
#include "shell/form.h"
#include "shell/frame_events.h"

namespace shell {

// The routine of the state (unless paused), then the hit banners' count, which the
// picture of the frame shows. events is cleared first.
void GameFrame(GameState& state, const fight::FrameInput& input, FrameEvents& events);

// The hit banners' part of the frame: on the fight screen, except in the knock-out pause,
// each banner whose flag is set counts a frame (paused or not); after 40 its flag clears.
// The events say which banners the picture shows, at which frame.
void CountBanners(GameState& state, FrameEvents& events);

// What the host reads from its devices before a frame: the key snapshot, and the
// joysticks a player has opened (the others read as not answering).
void TakeFrameInput(const GameState& state, platform::InputDevices& devices,
                    fight::FrameInput& out);

// After the frame: its sounds to the form's sound sink, and the sheets of a fight just
// set up into the display.
void PlayFrameEvents(TForm1& form, const FrameEvents& events);

}  // namespace shell
