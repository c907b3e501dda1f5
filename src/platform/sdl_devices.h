// The real input devices on SDL2: the keyboard and mouse buttons as a snapshot in the old
// virtual-key numbering, and game pads by number.
//
// The host must initialise SDL's joystick subsystem (SDL_INIT_JOYSTICK, on top of
// SDL_INIT_VIDEO for the keyboard and mouse) before the first read, pump SDL's events
// every frame (SDL_PollEvent does, and keeps key, mouse and joystick state current), pass
// every event to HandleEvent, and destroy this object before SDL_Quit. Without the
// joystick subsystem every joystick read simply fails.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/devices.h"

namespace platform {

// Stick values inside this band around zero count as a neutral stick (SDL's own dead band).
constexpr int kStickNeutralBand = 8000;

// The virtual-key code of an SDL scancode (physical key, whatever the keyboard layout),
// or 0 when the game has no use for the key. Shift, Ctrl and Alt give their generic codes
// 16, 17, 18; SecondVirtualKeyOf gives the left/right specific one (160..165), else 0.
int VirtualKeyOf(SDL_Scancode scancode);
int SecondVirtualKeyOf(SDL_Scancode scancode);

// Builds the 256-entry snapshot (0x80 = down) from SDL's key array and mouse button mask:
// the left, right and middle mouse buttons appear under 1, 2 and 4.
void FillKeySnapshot(const uint8_t* sdlKeys, int sdlKeyCount, uint32_t mouseButtons,
                     uint8_t out[256]);

// One joystick read in the game's form: axes moved from -32768..32767 to 0..65535, Z 0,
// the button word as given. hat is SDL's first hat value, or -1 when the pad has none;
// with the stick neutral (both axes inside kStickNeutralBand) the hat drives X and Y:
// 0 or 65535 when pressed, 32767 when centred.
JoyInfo JoyInfoFromState(int axisX, int axisY, int hat, uint32_t buttons);

// Whether a pad is to be left alone because a launcher said so: Steam and its like put the
// pads they present again through a virtual pad of their own into
// SDL_GAMECONTROLLER_IGNORE_DEVICES ("0xVID/0xPID,..."), or name the only pads to use in
// SDL_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT. Null lists name nothing.
bool PadIgnored(uint16_t vendor, uint16_t product, const char* ignore, const char* except);

class SdlDevices final : public InputDevices {
  public:
    // Joystick numbers 0 .. kMaxJoysticks - 1 are the n-th joystick in SDL's device order,
    // not counting the pads the ignore lists name (PadIgnored), so a pad is not seen twice.
    static constexpr int kMaxJoysticks = 4;

    SdlDevices() = default;
    ~SdlDevices() override;
    SdlDevices(const SdlDevices&) = delete;
    SdlDevices& operator=(const SdlDevices&) = delete;

    void GetKeyboardState(uint8_t out[256]) override;
    // Opens the joystick on first use. Fails for a number with no joystick, a pulled pad or
    // when the joystick subsystem is not running.
    bool JoyGetPos(uint32_t joystick, JoyInfo& info) override;
    // xMin 0, xMax 65535 for a joystick that is there; fails like JoyGetPos otherwise.
    bool JoyGetDevCaps(uint32_t joystick, JoyCaps& caps) override;

    // Joysticks plugged in or pulled out: closes what is open, so that the next read
    // numbers the joysticks afresh in SDL's current device order.
    void HandleEvent(const SDL_Event& event);

  private:
    struct Slot {
        bool open = false;
        SDL_JoystickID id = -1;
    };

    SDL_Joystick* Joystick(uint32_t number);
    // SDL's device index of joystick `number`, or -1.
    static int DeviceIndexOf(uint32_t number);
    void Release(Slot& slot);
    void ReleaseAll();

    Slot slots_[kMaxJoysticks];
};

}  // namespace platform
