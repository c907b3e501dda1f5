// Keyboard, mouse and joysticks through SDL2.
#include "platform/sdl_devices.h"

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

struct KeyPair {
    SDL_Scancode scancode;
    uint8_t vk;
    uint8_t vkSide;  // left/right specific code of a modifier, 0 for none
};

// Keys outside the runs of letters, digits, function keys and keypad digits.
constexpr KeyPair kSingleKeys[] = {
    {SDL_SCANCODE_BACKSPACE, 8, 0},      {SDL_SCANCODE_TAB, 9, 0},
    {SDL_SCANCODE_RETURN, VK_RETURN, 0}, {SDL_SCANCODE_KP_ENTER, VK_RETURN, 0},
    {SDL_SCANCODE_LSHIFT, 16, 160},      {SDL_SCANCODE_RSHIFT, 16, 161},
    {SDL_SCANCODE_LCTRL, 17, 162},       {SDL_SCANCODE_RCTRL, 17, 163},
    {SDL_SCANCODE_LALT, 18, 164},        {SDL_SCANCODE_RALT, 18, 165},
    {SDL_SCANCODE_PAUSE, 19, 0},         {SDL_SCANCODE_ESCAPE, VK_ESCAPE, 0},
    {SDL_SCANCODE_SPACE, VK_SPACE, 0},   {SDL_SCANCODE_PAGEUP, 33, 0},
    {SDL_SCANCODE_PAGEDOWN, 34, 0},      {SDL_SCANCODE_END, 35, 0},
    {SDL_SCANCODE_HOME, 36, 0},          {SDL_SCANCODE_LEFT, VK_LEFT, 0},
    {SDL_SCANCODE_UP, VK_UP, 0},         {SDL_SCANCODE_RIGHT, VK_RIGHT, 0},
    {SDL_SCANCODE_DOWN, VK_DOWN, 0},     {SDL_SCANCODE_INSERT, 45, 0},
    {SDL_SCANCODE_DELETE, 46, 0},        {SDL_SCANCODE_0, 48, 0},
    {SDL_SCANCODE_KP_0, VK_NUMPAD0, 0},  {SDL_SCANCODE_KP_MULTIPLY, 106, 0},
    {SDL_SCANCODE_KP_PLUS, 107, 0},      {SDL_SCANCODE_KP_MINUS, 109, 0},
    {SDL_SCANCODE_KP_PERIOD, 110, 0},    {SDL_SCANCODE_KP_DIVIDE, 111, 0},
};

const KeyPair* FindSingle(SDL_Scancode scancode) {
    for (const KeyPair& k : kSingleKeys)
        if (k.scancode == scancode) return &k;
    return nullptr;
}

int AxisToPosition(int v) {
    return v + 32768;
}

}  // namespace

int VirtualKeyOf(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return VK_A + (sc - SDL_SCANCODE_A);
    // SDL numbers the digit row 1..9 then 0.
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9)
        return VK_NUMPAD0 + 1 + (sc - SDL_SCANCODE_KP_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
    const KeyPair* k = FindSingle(sc);
    return k ? k->vk : 0;
}

int SecondVirtualKeyOf(SDL_Scancode sc) {
    const KeyPair* k = FindSingle(sc);
    return k ? k->vkSide : 0;
}

void FillKeySnapshot(const uint8_t* sdlKeys, int sdlKeyCount, uint32_t mouseButtons,
                     uint8_t out[256]) {
    std::memset(out, 0, 256);
    for (int sc = 0; sdlKeys != nullptr && sc < sdlKeyCount; ++sc) {
        if (!sdlKeys[sc]) continue;
        const auto scancode = static_cast<SDL_Scancode>(sc);
        if (const int vk = VirtualKeyOf(scancode)) out[vk] = kKeyDownBit;
        if (const int vk = SecondVirtualKeyOf(scancode)) out[vk] = kKeyDownBit;
    }
    if (mouseButtons & SDL_BUTTON_LMASK) out[VK_LBUTTON] = kKeyDownBit;
    if (mouseButtons & SDL_BUTTON_RMASK) out[VK_RBUTTON] = kKeyDownBit;
    if (mouseButtons & SDL_BUTTON_MMASK) out[VK_MBUTTON] = kKeyDownBit;
}

JoyInfo JoyInfoFromState(int axisX, int axisY, int hat, uint32_t buttons) {
    JoyInfo info{};
    info.xPos = static_cast<uint32_t>(AxisToPosition(axisX));
    info.yPos = static_cast<uint32_t>(AxisToPosition(axisY));
    info.zPos = 0;
    info.buttons = buttons;
    const bool neutral = std::abs(axisX) < kStickNeutralBand && std::abs(axisY) < kStickNeutralBand;
    if (neutral && hat >= 0) {
        info.xPos = (hat & SDL_HAT_LEFT) ? 0 : (hat & SDL_HAT_RIGHT) ? 65535 : 32767;
        info.yPos = (hat & SDL_HAT_UP) ? 0 : (hat & SDL_HAT_DOWN) ? 65535 : 32767;
    }
    return info;
}

SdlDevices::~SdlDevices() {
    ReleaseAll();
}

void SdlDevices::GetKeyboardState(uint8_t out[256]) {
    int count = 0;
    const uint8_t* keys = SDL_GetKeyboardState(&count);
    const uint32_t mouse = SDL_GetMouseState(nullptr, nullptr);
    FillKeySnapshot(keys, count, mouse, out);
}

bool SdlDevices::JoyGetPos(uint32_t joystick, JoyInfo& info) {
    SDL_Joystick* j = Joystick(joystick);
    if (j == nullptr) return false;
    const int axisX = SDL_JoystickNumAxes(j) > 0 ? SDL_JoystickGetAxis(j, 0) : 0;
    const int axisY = SDL_JoystickNumAxes(j) > 1 ? SDL_JoystickGetAxis(j, 1) : 0;
    const int hat = SDL_JoystickNumHats(j) > 0 ? SDL_JoystickGetHat(j, 0) : -1;
    uint32_t buttons = 0;
    const int count = SDL_JoystickNumButtons(j);
    for (int i = 0; i < count && i < 32; ++i)
        if (SDL_JoystickGetButton(j, i)) buttons |= uint32_t{1} << i;
    info = JoyInfoFromState(axisX, axisY, hat, buttons);
    return true;
}

bool SdlDevices::JoyGetDevCaps(uint32_t joystick, JoyCaps& caps) {
    if (Joystick(joystick) == nullptr) return false;
    caps.xMin = 0;
    caps.xMax = 65535;
    return true;
}

void SdlDevices::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_JOYDEVICEADDED || event.type == SDL_JOYDEVICEREMOVED) ReleaseAll();
}

namespace {

// "0xVVVV/0xPPPP" entries, separated by commas (or spaces), as SDL writes them.
bool Listed(const char* list, uint16_t vendor, uint16_t product) {
    if (list == nullptr) return false;
    const char* p = list;
    while (*p != '\0') {
        char* end = nullptr;
        const unsigned long v = std::strtoul(p, &end, 16);
        if (end == p) {
            ++p;
            continue;
        }
        p = end;
        if (*p != '/') continue;
        ++p;
        const unsigned long d = std::strtoul(p, &end, 16);
        if (end == p) continue;
        p = end;
        if (v == vendor && d == product) return true;
    }
    return false;
}

}  // namespace

bool PadIgnored(uint16_t vendor, uint16_t product, const char* ignore, const char* except) {
    if (except != nullptr && except[0] != '\0') return !Listed(except, vendor, product);
    return Listed(ignore, vendor, product);
}

int SdlDevices::DeviceIndexOf(uint32_t number) {
    const char* ignore = SDL_GetHint(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES);
    const char* except = SDL_GetHint(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT);
    uint32_t seen = 0;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (PadIgnored(SDL_JoystickGetDeviceVendor(i), SDL_JoystickGetDeviceProduct(i), ignore,
                       except))
            continue;
        if (seen++ == number) return i;
    }
    return -1;
}

SDL_Joystick* SdlDevices::Joystick(uint32_t number) {
    if (number >= static_cast<uint32_t>(kMaxJoysticks)) return nullptr;
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) return nullptr;
    Slot& slot = slots_[number];
    const int index = DeviceIndexOf(number);
    if (index < 0) {
        Release(slot);
        return nullptr;
    }
    // The device order changed under us (a pad pulled without an event seen yet).
    if (slot.open && slot.id != SDL_JoystickGetDeviceInstanceID(index)) Release(slot);
    if (!slot.open) {
        SDL_Joystick* opened = SDL_JoystickOpen(index);
        if (opened == nullptr) return nullptr;
        slot.open = true;
        slot.id = SDL_JoystickInstanceID(opened);
    }
    SDL_Joystick* j = SDL_JoystickFromInstanceID(slot.id);
    if (j == nullptr || !SDL_JoystickGetAttached(j)) {
        Release(slot);
        return nullptr;
    }
    return j;
}

void SdlDevices::Release(Slot& slot) {
    if (!slot.open) return;
    if (SDL_WasInit(SDL_INIT_JOYSTICK) != 0) {
        if (SDL_Joystick* j = SDL_JoystickFromInstanceID(slot.id)) SDL_JoystickClose(j);
    }
    slot = Slot{};
}

void SdlDevices::ReleaseAll() {
    for (Slot& slot : slots_)
        Release(slot);
}

}  // namespace platform
