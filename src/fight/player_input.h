// One player's input record: the devices' state and the command of the frame.
#pragma once

#include <cstdint>

#include "fight/game_enums.h"

namespace fight {

// Key order of keyCode.
enum KeyIndex : int { kKeyLeft = 0, kKeyUp, kKeyRight, kKeyDown, kKeyG, kKeyLA, kKeyRA };

struct PlayerInput {
    uint8_t keyState[256];
    int32_t laHeld;
    int32_t raHeld;
    int32_t laPressed;
    int32_t raPressed;
    int32_t upHeld;
    uint32_t joystickId;
    int32_t padCentre;
    int32_t padDeadZone;
    uint32_t padPos[4];  // X, Y, Z, buttons of the last successful read
    int32_t padLaHeld;
    int32_t padRaHeld;
    int32_t padLaPressed;
    int32_t padRaPressed;
    uint8_t padPresent;
    uint8_t spare[3];  // always zero: no padding in the record
    uint32_t padMaskG;
    uint32_t padMaskLA;
    uint32_t padMaskRA;
    uint8_t keyCode[7];
    uint8_t spare2;
    int32_t command;
};

inline void ClearCommand(PlayerInput& input) {
    input.command = kCmdNone;
}

}  // namespace fight
