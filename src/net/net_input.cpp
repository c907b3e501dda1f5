// Turning one machine's keys or pad into the seven controls, and the controls into keys.
#include "net/net_input.h"

#include <cstring>

#include "fight/input.h"
#include "platform/devices.h"

namespace net {

const int32_t kNetKeyItems[2][7] = {{7, 29, 10, 25, 13, 14, 16}, {3, 4, 5, 6, 2, 0, 1}};

uint8_t SampleNetInput(const LocalControls& c, const fight::FrameInput& local) {
    uint8_t bits = 0;
    if (!c.pad) {
        for (int k = 0; k < 7; ++k) {
            const uint8_t code = c.keyCode[k];
            if (code != 0 && (local.keys[code] & platform::kKeyDownBit) != 0)
                bits |= static_cast<uint8_t>(1u << k);
        }
        return bits;
    }
    const fight::PadRead& p = local.pads[0];
    if (!p.ok) return 0;
    const int64_t x = static_cast<int32_t>(p.x);
    const int64_t y = static_cast<int32_t>(p.y);
    if (x < c.padCentre - c.padDeadZone) bits |= kNetLeft;
    if (x > c.padCentre + c.padDeadZone) bits |= kNetRight;
    if (y < c.padCentre - c.padDeadZone) bits |= kNetUp;
    if (y > c.padCentre + c.padDeadZone) bits |= kNetDown;
    if ((p.buttons & c.padMask[0]) != 0) bits |= kNetG;
    if ((p.buttons & c.padMask[1]) != 0) bits |= kNetLA;
    if ((p.buttons & c.padMask[2]) != 0) bits |= kNetRA;
    return bits;
}

void NetFrameInput(uint8_t player1, uint8_t player2, fight::FrameInput& out) {
    std::memset(&out, 0, sizeof out);
    const uint8_t bits[2] = {player1, player2};
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 7; ++k)
            if ((bits[p] & (1u << k)) != 0)
                out.keys[fight::KeyCodeForItem(kNetKeyItems[p][k])] = platform::kKeyDownBit;
}

}  // namespace net
