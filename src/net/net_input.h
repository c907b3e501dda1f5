// A player's input in a network game: the seven controls of one machine's player, one bit
// each, as that machine read them with its own keys or pad. Both machines turn the two
// players' bits into the same key snapshot, with fixed keys for each side (player 1's the
// launcher's defaults A W D S G H J, player 2's the arrows and the mouse buttons), so both
// games read exactly the same frame input.
#pragma once

#include <cstdint>

#include "fight/frame_input.h"

namespace net {

// The controls, in the order of the launcher's key boxes.
enum NetControl : uint8_t {
    kNetLeft = 1 << 0,
    kNetUp = 1 << 1,
    kNetRight = 1 << 2,
    kNetDown = 1 << 3,
    kNetG = 1 << 4,
    kNetLA = 1 << 5,
    kNetRA = 1 << 6,
};

// How this machine's player plays: the player-1 keys of its launcher, or its pad.
struct LocalControls {
    uint8_t keyCode[7] = {};   // virtual keys, in control order
    bool pad = false;          // read joystick 0 instead of the keys
    uint32_t padMask[3] = {};  // G, LA, RA button bits
    int64_t padCentre = 0;
    int64_t padDeadZone = 0;
};

// The player's controls as the frame's local input shows them. The stick counts
// left/right/up/down outside the neutral band; the direction's sense (forward or back)
// is the game's, by the side the player stands on.
uint8_t SampleNetInput(const LocalControls& controls, const fight::FrameInput& local);

// The frame input both machines give the game: the two players' controls on their fixed
// keys (no pads).
void NetFrameInput(uint8_t player1, uint8_t player2, fight::FrameInput& out);

// The fixed keys of the two sides, as launcher key items (keyItem of LauncherControls).
extern const int32_t kNetKeyItems[2][7];

}  // namespace net
