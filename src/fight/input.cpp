// Keyboard and game pad reading, and the launcher's key and pad item tables.
#include "fight/input.h"

#include <cstring>
#include <limits>

namespace fight {

namespace {

constexpr uint8_t kMouseAndArrowItems[7] = {
    platform::VK_LBUTTON, platform::VK_RBUTTON, platform::VK_MBUTTON, platform::VK_LEFT,
    platform::VK_UP,      platform::VK_RIGHT,   platform::VK_DOWN,
};
constexpr int kFirstLetterItem = 7;
constexpr int kFirstKeypadItem = 33;

void CountUp(int32_t& counter) {
    if (counter < std::numeric_limits<int32_t>::max()) ++counter;
}

// Up counts only on the first frame of its press.
void PressUp(PlayerInput& in) {
    CountUp(in.upHeld);
    if (in.upHeld == 1) in.command = kCmdUp;
}

// The G button and the LA / RA combinations, shared by keyboard and pad. G wins over the
// attack buttons, and an LA or RA press made while G is held is lost.
void ApplyButtons(PlayerInput& in, bool guardDown, bool laPressed, bool raPressed) {
    if (guardDown) {
        if (in.command == kCmdDown) {
            in.upHeld = 0;
            in.command = kCmdDownGuard;
        } else if (in.command == kCmdUp) {
            in.command = kCmdUpGuard;
        } else {
            in.upHeld = 0;
            in.command = kCmdGuard;
        }
        return;
    }
    int32_t plain;
    if (laPressed && raPressed)
        plain = kCmdLARA;
    else if (laPressed)
        plain = kCmdLA;
    else if (raPressed)
        plain = kCmdRA;
    else
        return;
    // The forward and back versions follow the plain one: LA 7, 8, 9; RA 10, 11, 12; ...
    in.upHeld = 0;
    if (in.command == kCmdForward)
        in.command = plain + 1;
    else if (in.command == kCmdBack)
        in.command = plain + 2;
    else
        in.command = plain;
}

bool KeyDown(const PlayerInput& in, KeyIndex key) {
    const uint8_t code = in.keyCode[key];
    return code != 0 && (in.keyState[code] & platform::kKeyDownBit) != 0;
}

}  // namespace

uint8_t KeyCodeForItem(int item) {
    if (item >= 0 && item < kFirstLetterItem) return kMouseAndArrowItems[item];
    if (item >= kFirstLetterItem && item < kFirstKeypadItem)
        return static_cast<uint8_t>(platform::VK_A + (item - kFirstLetterItem));
    if (item >= kFirstKeypadItem && item < kKeyItems)
        return static_cast<uint8_t>(platform::VK_NUMPAD0 + (item - kFirstKeypadItem));
    return 0;
}

uint32_t PadMaskForItem(int item) {
    // 2^item truncated to an integer: a fraction below 1 for negative items.
    if (item < 0 || item > 31) return 0;
    return uint32_t{1} << item;
}

int32_t PressedEdge(bool down, int32_t& counter) {
    if (!down) {
        counter = 0;
        return 0;
    }
    CountUp(counter);
    return counter == 1 ? 1 : 0;
}

void ReadKeyboard(PlayerInput& in, int player, const FrameInput& frame) {
    std::memcpy(in.keyState, frame.keys, sizeof in.keyState);
    const bool leftIsBack = player == 1;

    if (KeyDown(in, kKeyLeft)) {
        in.upHeld = 0;
        in.command = leftIsBack ? kCmdBack : kCmdForward;
    }
    if (KeyDown(in, kKeyRight)) {
        in.upHeld = 0;
        in.command = leftIsBack ? kCmdForward : kCmdBack;
    }
    if (KeyDown(in, kKeyUp))
        PressUp(in);
    else
        in.upHeld = 0;
    if (KeyDown(in, kKeyDown)) {
        in.upHeld = 0;
        in.command = kCmdDown;
    }
    in.laPressed = PressedEdge(KeyDown(in, kKeyLA), in.laHeld);
    in.raPressed = PressedEdge(KeyDown(in, kKeyRA), in.raHeld);
    ApplyButtons(in, KeyDown(in, kKeyG), in.laPressed != 0, in.raPressed != 0);
}

void ReadPad(PlayerInput& in, const FrameInput& frame) {
    if (in.joystickId >= static_cast<uint32_t>(kFramePads)) return;
    const PadRead& info = frame.pads[in.joystickId];
    if (!info.ok) return;
    in.padPos[0] = info.x;
    in.padPos[1] = info.y;
    in.padPos[2] = info.z;
    in.padPos[3] = info.buttons;

    // Positions are compared as signed numbers; the band is computed wide enough that a
    // huge dead zone simply never leaves the neutral band.
    const int64_t x = static_cast<int32_t>(info.x);
    const int64_t y = static_cast<int32_t>(info.y);
    const int64_t high = int64_t{in.padCentre} + in.padDeadZone;
    const int64_t low = int64_t{in.padCentre} - in.padDeadZone;
    const bool rightIsForward = in.joystickId == 0;

    if (y > high) {
        in.upHeld = 0;
        in.command = kCmdDown;
    } else if (y < low) {
        PressUp(in);
    } else {
        // A diagonal counts as its vertical direction: the stick's x is read only here.
        in.upHeld = 0;
        if (x > high)
            in.command = rightIsForward ? kCmdForward : kCmdBack;
        else if (x < low)
            in.command = rightIsForward ? kCmdBack : kCmdForward;
        else
            in.command = kCmdNone;
    }

    in.padLaPressed = PressedEdge((info.buttons & in.padMaskLA) != 0, in.padLaHeld);
    in.padRaPressed = PressedEdge((info.buttons & in.padMaskRA) != 0, in.padRaHeld);
    ApplyButtons(in, (info.buttons & in.padMaskG) != 0, in.padLaPressed != 0, in.padRaPressed != 0);
}

bool OpenPad(PlayerInput& in, const PadRead& position, const platform::JoyCaps* caps,
             uint32_t joystick, int32_t deadZone) {
    if (!position.ok || caps == nullptr) {
        in.padPresent = 0;
        return false;
    }
    in.padPos[0] = position.x;
    in.padPos[1] = position.y;
    in.padPos[2] = position.z;
    in.padPos[3] = position.buttons;
    // One centre for both axes, computed on unsigned numbers.
    in.padCentre = static_cast<int32_t>((caps->xMin + caps->xMax) >> 1);
    in.joystickId = joystick;
    in.padPresent = 1;
    in.padDeadZone = deadZone;
    return true;
}

}  // namespace fight
