// The SDL input devices: key numbering, joystick values and pads coming and going.
#include "platform/sdl_devices.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace platform;

TEST(SdlKeys, ScancodesMapToTheOldNumbering) {
    const std::pair<SDL_Scancode, int> cases[] = {
        {SDL_SCANCODE_A, 65},      {SDL_SCANCODE_Z, 90},        {SDL_SCANCODE_M, 77},
        {SDL_SCANCODE_0, 48},      {SDL_SCANCODE_1, 49},        {SDL_SCANCODE_9, 57},
        {SDL_SCANCODE_LEFT, 37},   {SDL_SCANCODE_UP, 38},       {SDL_SCANCODE_RIGHT, 39},
        {SDL_SCANCODE_DOWN, 40},   {SDL_SCANCODE_KP_0, 96},     {SDL_SCANCODE_KP_1, 97},
        {SDL_SCANCODE_KP_9, 105},  {SDL_SCANCODE_ESCAPE, 27},   {SDL_SCANCODE_SPACE, 32},
        {SDL_SCANCODE_RETURN, 13}, {SDL_SCANCODE_KP_ENTER, 13}, {SDL_SCANCODE_F1, 112},
        {SDL_SCANCODE_F12, 123},   {SDL_SCANCODE_LSHIFT, 16},   {SDL_SCANCODE_RCTRL, 17},
        {SDL_SCANCODE_UNKNOWN, 0}, {SDL_SCANCODE_F24, 0},       {SDL_SCANCODE_VOLUMEUP, 0},
    };
    for (auto [sc, vk] : cases)
        EXPECT_EQ(VirtualKeyOf(sc), vk) << SDL_GetScancodeName(sc);
    EXPECT_EQ(SecondVirtualKeyOf(SDL_SCANCODE_LSHIFT), 160);
    EXPECT_EQ(SecondVirtualKeyOf(SDL_SCANCODE_RALT), 165);
    EXPECT_EQ(SecondVirtualKeyOf(SDL_SCANCODE_A), 0);
}

TEST(SdlKeys, SnapshotSetsBit7ForHeldKeysAndMouseButtons) {
    uint8_t sdl[SDL_NUM_SCANCODES] = {};
    sdl[SDL_SCANCODE_X] = 1;
    sdl[SDL_SCANCODE_KP_5] = 1;
    sdl[SDL_SCANCODE_LEFT] = 1;
    sdl[SDL_SCANCODE_VOLUMEUP] = 1;  // no number of its own
    uint8_t out[256];
    std::memset(out, 0x55, sizeof out);
    FillKeySnapshot(sdl, SDL_NUM_SCANCODES, SDL_BUTTON_LMASK | SDL_BUTTON_MMASK, out);
    int down = 0;
    for (int vk = 0; vk < 256; ++vk)
        down += out[vk] != 0;
    EXPECT_EQ(down, 5);
    EXPECT_EQ(out['X'], 0x80);
    EXPECT_EQ(out[101], 0x80);
    EXPECT_EQ(out[VK_LEFT], 0x80);
    EXPECT_EQ(out[VK_LBUTTON], 0x80);
    EXPECT_EQ(out[VK_MBUTTON], 0x80);
    EXPECT_EQ(out[VK_RBUTTON], 0);

    // A short key array is read only as far as it goes.
    FillKeySnapshot(sdl, SDL_SCANCODE_X, SDL_BUTTON_RMASK, out);
    EXPECT_EQ(out['X'], 0);
    EXPECT_EQ(out[VK_RBUTTON], 0x80);
    FillKeySnapshot(nullptr, 0, 0, out);
    EXPECT_EQ(out[VK_RBUTTON], 0);
}

TEST(SdlJoy, AxesShiftAndTheHatDrivesANeutralStick) {
    struct Case {
        int x, y, hat;
        uint32_t ex, ey;
    };
    const Case cases[] = {
        {-32768, 32767, -1, 0, 65535},
        {0, 0, -1, 32768, 32768},
        {0, 0, SDL_HAT_CENTERED, 32767, 32767},
        {0, 0, SDL_HAT_LEFTUP, 0, 0},
        {7999, -7999, SDL_HAT_RIGHTDOWN, 65535, 65535},
        {0, 0, SDL_HAT_DOWN, 32767, 65535},
        {8000, 0, SDL_HAT_LEFT, 40768, 32768},  // the stick is out: the hat is not read
        {0, -8000, SDL_HAT_DOWN, 32768, 24768},
    };
    for (const Case& c : cases) {
        const JoyInfo info = JoyInfoFromState(c.x, c.y, c.hat, 0x21);
        EXPECT_EQ(info.xPos, c.ex) << c.x << "," << c.y << " hat " << c.hat;
        EXPECT_EQ(info.yPos, c.ey) << c.x << "," << c.y << " hat " << c.hat;
        EXPECT_EQ(info.zPos, 0u);
        EXPECT_EQ(info.buttons, 0x21u);
    }
}

// SDL's virtual joysticks stand in for real pads being plugged in and pulled out.
class SdlPads : public ::testing::Test {
  protected:
    void SetUp() override {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) GTEST_SKIP() << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_JOYSTICK); }

    static int Attach() {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 1);
        EXPECT_GE(index, 0) << SDL_GetError();
        return index;
    }
    // Sets a virtual pad's state through SDL, as a real device's driver would.
    static void Set(int index, int16_t x, int16_t y, uint8_t hat, uint32_t buttons) {
        SDL_Joystick* j = SDL_JoystickOpen(index);
        ASSERT_NE(j, nullptr);
        SDL_JoystickSetVirtualAxis(j, 0, x);
        SDL_JoystickSetVirtualAxis(j, 1, y);
        SDL_JoystickSetVirtualHat(j, 0, hat);
        for (int b = 0; b < 12; ++b)
            SDL_JoystickSetVirtualButton(j, b, (buttons >> b) & 1);
        SDL_JoystickUpdate();
        SDL_JoystickClose(j);
    }
    static void Pump(SdlDevices& dev) {
        SDL_JoystickUpdate();
        SDL_Event e;
        while (SDL_PollEvent(&e))
            dev.HandleEvent(e);
    }
};

TEST_F(SdlPads, NoPadNoRead) {
    SdlDevices dev;
    JoyInfo info{};
    JoyCaps caps{};
    EXPECT_FALSE(dev.JoyGetPos(0, info));
    EXPECT_FALSE(dev.JoyGetDevCaps(1, caps));
    EXPECT_FALSE(dev.JoyGetPos(SdlDevices::kMaxJoysticks, info));
}

TEST_F(SdlPads, ReadsPositionButtonsAndCaps) {
    const int index = Attach();
    SdlDevices dev;
    JoyCaps caps{};
    ASSERT_TRUE(dev.JoyGetDevCaps(static_cast<uint32_t>(index), caps));
    EXPECT_EQ(caps.xMin, 0u);
    EXPECT_EQ(caps.xMax, 65535u);

    Set(index, 32767, -32768, SDL_HAT_CENTERED, 0b100000000101);
    JoyInfo info{};
    ASSERT_TRUE(dev.JoyGetPos(static_cast<uint32_t>(index), info));
    EXPECT_EQ(info.xPos, 65535u);
    EXPECT_EQ(info.yPos, 0u);
    EXPECT_EQ(info.buttons, 0b100000000101u);

    Set(index, 0, 0, SDL_HAT_LEFT, 0);
    ASSERT_TRUE(dev.JoyGetPos(static_cast<uint32_t>(index), info));
    EXPECT_EQ(info.xPos, 0u);
    EXPECT_EQ(info.yPos, 32767u);
    SDL_JoystickDetachVirtual(index);
}

TEST_F(SdlPads, PulledPadFailsAndTheNextOneMovesUp) {
    const int first = Attach();
    const int second = Attach();
    ASSERT_EQ(first, 0);
    ASSERT_EQ(second, 1);
    Set(first, -32768, 0, SDL_HAT_CENTERED, 1);
    Set(second, 32767, 0, SDL_HAT_CENTERED, 2);

    SdlDevices dev;
    JoyInfo a{}, b{};
    ASSERT_TRUE(dev.JoyGetPos(0, a));
    ASSERT_TRUE(dev.JoyGetPos(1, b));
    EXPECT_EQ(a.buttons, 1u);
    EXPECT_EQ(b.buttons, 2u);

    // Pull the first pad: joystick 1 has nothing behind it any more, and joystick 0 is now
    // the pad that was second.
    SDL_JoystickDetachVirtual(0);
    Pump(dev);
    EXPECT_FALSE(dev.JoyGetPos(1, b));
    ASSERT_TRUE(dev.JoyGetPos(0, a));
    EXPECT_EQ(a.buttons, 2u);
    EXPECT_EQ(a.xPos, 65535u);

    // The same without the host passing the events on.
    SDL_JoystickDetachVirtual(0);
    SDL_JoystickUpdate();
    EXPECT_FALSE(dev.JoyGetPos(0, a));

    // Plugged in again: readable at once.
    const int again = Attach();
    Set(again, 0, 0, SDL_HAT_UP, 0);
    Pump(dev);
    ASSERT_TRUE(dev.JoyGetPos(0, a));
    EXPECT_EQ(a.yPos, 0u);
    SDL_JoystickDetachVirtual(again);
}

TEST_F(SdlPads, RenumbersEvenWhenNoEventIsPassedOn) {
    const int first = Attach();
    const int second = Attach();
    Set(first, 0, 0, SDL_HAT_CENTERED, 1);
    Set(second, 0, 0, SDL_HAT_CENTERED, 2);
    SdlDevices dev;
    JoyInfo info{};
    ASSERT_TRUE(dev.JoyGetPos(0, info));
    EXPECT_EQ(info.buttons, 1u);
    SDL_JoystickDetachVirtual(first);
    SDL_JoystickUpdate();
    ASSERT_TRUE(dev.JoyGetPos(0, info));
    EXPECT_EQ(info.buttons, 2u);
    SDL_JoystickDetachVirtual(0);
}

TEST_F(SdlPads, SubsystemGoneMeansNoPads) {
    const int index = Attach();
    SdlDevices dev;
    JoyInfo info{};
    ASSERT_TRUE(dev.JoyGetPos(static_cast<uint32_t>(index), info));
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    EXPECT_FALSE(dev.JoyGetPos(static_cast<uint32_t>(index), info));
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
}

TEST(SdlIgnoredPads, TheListsNameVendorAndProduct) {
    EXPECT_FALSE(PadIgnored(0x28de, 0x11ff, nullptr, nullptr));
    EXPECT_TRUE(PadIgnored(0x045e, 0x028e, "0x28de/0x11ff,0x045e/0x028e", nullptr));
    EXPECT_FALSE(PadIgnored(0x045e, 0x028f, "0x28de/0x11ff,0x045e/0x028e", nullptr));
    EXPECT_TRUE(PadIgnored(0x054c, 0x05c4, " 0x054C/0x05C4 ", nullptr)) << "blanks, capitals";
    EXPECT_FALSE(PadIgnored(0x054c, 0x05c4, "0x054c", nullptr)) << "a vendor alone names nothing";
    // The except list names the only pads to use.
    EXPECT_TRUE(PadIgnored(0x045e, 0x028e, nullptr, "0x28de/0x11ff"));
    EXPECT_FALSE(PadIgnored(0x28de, 0x11ff, "0x28de/0x11ff", "0x28de/0x11ff"));
}

// Steam shows a pad twice: the real device, which it puts into the ignore list, and its
// own virtual pad. The game sees only the second, as its joystick 0.
TEST_F(SdlPads, PadsALauncherHidesAreNotCounted) {
    SDL_VirtualJoystickDesc hidden{};
    hidden.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    hidden.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    hidden.naxes = 2;
    hidden.nbuttons = 12;
    hidden.nhats = 1;
    hidden.vendor_id = 0x045e;
    hidden.product_id = 0x028e;
    SDL_VirtualJoystickDesc shown = hidden;
    shown.vendor_id = 0x28de;
    shown.product_id = 0x11ff;
    const int a = SDL_JoystickAttachVirtualEx(&hidden);
    const int b = SDL_JoystickAttachVirtualEx(&shown);
    ASSERT_GE(a, 0) << SDL_GetError();
    ASSERT_GE(b, 0) << SDL_GetError();
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES, "0x045e/0x028e");
    {
        SdlDevices dev;
        Set(b, 32767, 0, SDL_HAT_CENTERED, 0b10);
        JoyInfo info{};
        ASSERT_TRUE(dev.JoyGetPos(0, info));
        EXPECT_EQ(info.buttons, 0b10u) << "joystick 0 is the pad the launcher shows";
        EXPECT_FALSE(dev.JoyGetPos(1, info)) << "the hidden pad is not a second joystick";
    }
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES, "");
    {
        SdlDevices dev;
        JoyInfo info{};
        EXPECT_TRUE(dev.JoyGetPos(1, info)) << "without the list both count";
    }
    SDL_JoystickDetachVirtual(b);
    SDL_JoystickDetachVirtual(a);
}
