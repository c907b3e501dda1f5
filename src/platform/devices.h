// The input devices as the game reads them: a 256-entry key snapshot in the old
// virtual-key numbering (bit 7 set while down) and numbered joysticks.
#pragma once

#include <cstdint>
#include <cstring>

namespace platform {

// Virtual-key numbers the game uses.
enum VirtualKey : int {
    VK_LBUTTON = 1,
    VK_RBUTTON = 2,
    VK_MBUTTON = 4,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_A = 65,        // .. VK_Z = 90
    VK_NUMPAD0 = 96,  // .. VK_NUMPAD9 = 105
};

constexpr uint8_t kKeyDownBit = 0x80;

// One joystick read: positions on a 0..65535 scale and the button word (bit i = button i+1).
struct JoyInfo {
    uint32_t xPos;
    uint32_t yPos;
    uint32_t zPos;
    uint32_t buttons;
};

struct JoyCaps {
    uint32_t xMin;
    uint32_t xMax;
};

class InputDevices {
  public:
    virtual ~InputDevices() = default;
    virtual void GetKeyboardState(uint8_t out[256]) = 0;
    // Both return true on success; a missing or pulled joystick fails.
    virtual bool JoyGetPos(uint32_t joystick, JoyInfo& info) = 0;
    virtual bool JoyGetDevCaps(uint32_t joystick, JoyCaps& caps) = 0;
};

// Keys set by hand (headless input scripts, tests); no joysticks.
class ScriptedDevices final : public InputDevices {
  public:
    ScriptedDevices() { std::memset(keys_, 0, sizeof keys_); }
    void SetKey(int vk, bool down) { keys_[vk & 0xFF] = down ? kKeyDownBit : 0; }
    bool IsDown(int vk) const { return (keys_[vk & 0xFF] & kKeyDownBit) != 0; }
    void GetKeyboardState(uint8_t out[256]) override { std::memcpy(out, keys_, sizeof keys_); }
    bool JoyGetPos(uint32_t, JoyInfo&) override { return false; }
    bool JoyGetDevCaps(uint32_t, JoyCaps&) override { return false; }

  private:
    uint8_t keys_[256];
};

}  // namespace platform
