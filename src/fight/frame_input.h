// What the game reads from its devices in one frame, as data: the host takes it before the
// frame (from the keyboard and pads, a recording, or the network) and the frame reads only
// this.
#pragma once

#include <cstdint>

namespace fight {

// One joystick read: whether it answered, and its position on a 0..65535 scale and its
// button word (bit i = button i+1).
struct PadRead {
    uint8_t ok;
    uint8_t spare[3];
    uint32_t x;
    uint32_t y;
    uint32_t z;
    uint32_t buttons;
};

// The joysticks the game reads: player 1's pad is joystick 0, player 2's joystick 1.
constexpr int kFramePads = 2;

struct FrameInput {
    uint8_t keys[256];  // the key snapshot in virtual-key numbers, bit 7 set while down
    PadRead pads[kFramePads];
};

}  // namespace fight
