// Keyboard and game pad reading, and the launcher's key and pad item tables.
#include "fight/input.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "platform/devices.h"

using namespace fight;

namespace {

// Keys as raw bytes and up to two joysticks, for driving the readers.
class FakeDevices final : public platform::InputDevices {
  public:
    struct Pad {
        bool present = false;
        bool capsOk = true;
        platform::JoyInfo info{32767, 32767, 0, 0};
        platform::JoyCaps caps{0, 65535};
    };

    FakeDevices() { std::memset(keys, 0, sizeof keys); }
    void GetKeyboardState(uint8_t out[256]) override { std::memcpy(out, keys, sizeof keys); }
    bool JoyGetPos(uint32_t n, platform::JoyInfo& info) override {
        if (n >= 2 || !pads[n].present) return false;
        info = pads[n].info;
        return true;
    }
    bool JoyGetDevCaps(uint32_t n, platform::JoyCaps& caps) override {
        if (n >= 2 || !pads[n].present || !pads[n].capsOk) return false;
        caps = pads[n].caps;
        return true;
    }

    uint8_t keys[256];
    Pad pads[2];

    // What the host takes from these devices before a frame.
    FrameInput Frame() {
        FrameInput f{};
        GetKeyboardState(f.keys);
        for (uint32_t j = 0; j < 2; ++j) {
            platform::JoyInfo info{};
            if (!JoyGetPos(j, info)) continue;
            f.pads[j] = {1, {}, info.xPos, info.yPos, info.zPos, info.buttons};
        }
        return f;
    }
};

// Opens a pad from the devices as the start of a game does: the capabilities are asked
// only of a pad that answered.
bool OpenPadFrom(PlayerInput& in, FakeDevices& dev, uint32_t joystick, int32_t deadZone) {
    const PadRead position = dev.Frame().pads[joystick];
    platform::JoyCaps caps{};
    const bool capsOk = position.ok && dev.JoyGetDevCaps(joystick, caps);
    return OpenPad(in, position, capsOk ? &caps : nullptr, joystick, deadZone);
}

constexpr int L = platform::VK_LEFT, U = platform::VK_UP, R = platform::VK_RIGHT,
              D = platform::VK_DOWN;
constexpr int G = 'A', LA = 'S', RA = 'D';

PlayerInput KeyboardPlayer() {
    PlayerInput in{};
    const uint8_t codes[7] = {L, U, R, D, G, LA, RA};
    std::memcpy(in.keyCode, codes, sizeof codes);
    return in;
}

}  // namespace

// ---- item tables ----

TEST(KeyItems, MapToVirtualKeys) {
    const int firstItems[7] = {1, 2, 4, 37, 38, 39, 40};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(KeyCodeForItem(i), firstItems[i]) << i;
    for (int i = 7; i <= 32; ++i)
        EXPECT_EQ(KeyCodeForItem(i), 'A' + (i - 7)) << i;
    for (int i = 33; i <= 42; ++i)
        EXPECT_EQ(KeyCodeForItem(i), 96 + (i - 33)) << i;
    EXPECT_EQ(KeyCodeForItem(32), 90);
    EXPECT_EQ(KeyCodeForItem(33), 96);
    for (int i : {-1, -2, 43, 44, 255, 100000})
        EXPECT_EQ(KeyCodeForItem(i), 0) << i;
}

TEST(PadItems, AreButtonBits) {
    const std::pair<int, uint32_t> cases[] = {
        {0, 1u},  {1, 2u},  {9, 512u}, {31, 0x80000000u}, {-1, 0u},
        {-2, 0u}, {32, 0u}, {40, 0u},  {-1000, 0u},
    };
    for (auto [item, mask] : cases)
        EXPECT_EQ(PadMaskForItem(item), mask) << item;
}

TEST(PressedEdge, FirstFrameOfAPressOnly) {
    int32_t counter = 0;
    const bool downs[] = {false, true, true, true, false, true, false, false};
    const int32_t edges[] = {0, 1, 0, 0, 0, 1, 0, 0};
    const int32_t counts[] = {0, 1, 2, 3, 0, 1, 0, 0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(PressedEdge(downs[i], counter), edges[i]) << i;
        EXPECT_EQ(counter, counts[i]) << i;
    }
    counter = INT32_MAX;  // a very long hold does not wrap around into a new press
    EXPECT_EQ(PressedEdge(true, counter), 0);
    EXPECT_EQ(counter, INT32_MAX);
}

// ---- keyboard ----

struct KeyCase {
    const char* name;
    int player;
    bool clearEachFrame;  // the fight frame clearing the command first
    std::vector<std::vector<int>> frames;
    std::vector<int32_t> commands;  // after each frame
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class Keyboard : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keyboard, BuildsTheCommand) {
    const KeyCase& c = GetParam();
    FakeDevices dev;
    PlayerInput in = KeyboardPlayer();
    ASSERT_EQ(c.frames.size(), c.commands.size());
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
        if (c.clearEachFrame) ClearCommand(in);
        std::memset(dev.keys, 0, sizeof dev.keys);
        for (int vk : c.frames[i])
            dev.keys[vk] = platform::kKeyDownBit;
        ReadKeyboard(in, c.player, dev.Frame());
        EXPECT_EQ(in.command, c.commands[i]) << "frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Keyboard,
    ::testing::Values(
        KeyCase{"up_first_frame_only", 1, true, {{U}, {U}, {U}, {}, {U}}, {3, 0, 0, 0, 3}},
        KeyCase{"up_stays_when_not_cleared", 1, false, {{U}, {U}, {}}, {3, 3, 3}},
        KeyCase{"up_with_left_repeats", 1, true, {{U, L}, {U, L}, {U, R}}, {3, 3, 3}},
        KeyCase{"up_and_down_is_down", 1, true, {{U, D}}, {4}},
        KeyCase{"down_and_left_is_down", 1, true, {{D, L}}, {4}},
        KeyCase{"left_and_right_take_right", 1, true, {{L, R}}, {1}},
        KeyCase{"left_and_right_player2", 2, true, {{L, R}}, {2}},
        KeyCase{"player1_left_is_back", 1, true, {{L}, {R}}, {2, 1}},
        KeyCase{"player2_left_is_forward", 2, true, {{L}, {R}}, {1, 2}},
        KeyCase{"guard_with_down", 1, true, {{G, D}}, {5}},
        KeyCase{"guard_on_first_up_frame", 1, true, {{G, U}}, {16}},
        KeyCase{"guard_on_held_up", 1, true, {{U}, {U, G}}, {3, 6}},
        KeyCase{"guard_with_forward", 1, true, {{G, R}}, {6}},
        KeyCase{"guard_alone", 2, true, {{G}, {G}}, {6, 6}},
        KeyCase{"la_first_frame_only", 1, true, {{LA}, {LA}, {}, {LA}}, {7, 0, 0, 7}},
        KeyCase{"la_held_then_ra", 1, true, {{LA}, {LA, RA}}, {7, 10}},
        KeyCase{"la_ra_same_frame", 1, true, {{LA, RA}}, {13}},
        KeyCase{"forward_back_attacks_p1",
                1,
                true,
                {{R, LA}, {}, {L, LA}, {}, {R, RA}, {}, {L, RA}, {}, {R, LA, RA}, {}, {L, LA, RA}},
                {8, 0, 9, 0, 11, 0, 12, 0, 14, 0, 15}},
        // Frames with LA and RA released in between, so each press is a new one.
        KeyCase{"forward_back_attacks_p2",
                2,
                true,
                {{L, LA}, {}, {R, LA}, {}, {L, LA, RA}},
                {8, 0, 9, 0, 14}},
        KeyCase{"attack_with_up_or_down", 1, true, {{U, LA}, {}, {D, RA}}, {7, 0, 10}},
        KeyCase{"attack_resets_up_hold", 1, true, {{U, LA}, {U}}, {7, 3}},
        KeyCase{"press_under_guard_is_lost", 1, true, {{G, LA}, {LA}, {LA}}, {6, 0, 0}},
        KeyCase{"old_command_decides_the_variant", 1, false, {{R}, {LA}}, {1, 8}},
        KeyCase{"nothing_keeps_the_command", 1, false, {{RA}, {}, {RA}}, {10, 10, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Keyboard, KeepsTheSnapshotAndReadsOnlyBit7) {
    FakeDevices dev;
    PlayerInput in = KeyboardPlayer();
    dev.keys[L] = 0x01;  // toggled, not down
    dev.keys[200] = 0x80;
    ReadKeyboard(in, 1, dev.Frame());
    EXPECT_EQ(in.command, 0);
    EXPECT_EQ(in.keyState[200], 0x80);
    EXPECT_EQ(in.keyState[L], 0x01);
    dev.keys[L] = 0x81;
    ReadKeyboard(in, 1, dev.Frame());
    EXPECT_EQ(in.command, 2);
}

TEST(Keyboard, UnboundKeyIsNeverDown) {
    FakeDevices dev;
    PlayerInput in = KeyboardPlayer();
    in.keyCode[kKeyLA] = KeyCodeForItem(-1);
    dev.keys[0] = 0x80;
    ReadKeyboard(in, 1, dev.Frame());
    EXPECT_EQ(in.command, 0);
    EXPECT_EQ(in.laHeld, 0);
}

// ---- game pad ----

namespace {

constexpr uint32_t kMaskG = 1, kMaskLA = 2, kMaskRA = 4;
constexpr uint32_t kC = 32767, kDz = 1800;

PlayerInput OpenedPad(FakeDevices& dev, uint32_t joystick) {
    PlayerInput in{};
    in.padMaskG = kMaskG;
    in.padMaskLA = kMaskLA;
    in.padMaskRA = kMaskRA;
    dev.pads[joystick].present = true;
    EXPECT_TRUE(OpenPadFrom(in, dev, joystick, kDz));
    return in;
}

}  // namespace

TEST(OpenPad, FillsThePadFields) {
    FakeDevices dev;
    dev.pads[1].present = true;
    dev.pads[1].info = {100, 200, 300, 5};
    dev.pads[1].caps = {1000, 3001};
    PlayerInput in{};
    EXPECT_TRUE(OpenPadFrom(in, dev, 1, 2500));
    EXPECT_EQ(in.padPresent, 1);
    EXPECT_EQ(in.joystickId, 1u);
    EXPECT_EQ(in.padCentre, 2000);
    EXPECT_EQ(in.padDeadZone, 2500);
    EXPECT_EQ(in.padPos[0], 100u);
    EXPECT_EQ(in.padPos[3], 5u);

    // The centre is computed on unsigned numbers.
    dev.pads[1].caps = {0xFFFFFFFFu, 3};
    EXPECT_TRUE(OpenPadFrom(in, dev, 1, 0));
    EXPECT_EQ(in.padCentre, 1);
}

TEST(OpenPad, MissingPadFallsBackToTheKeyboard) {
    FakeDevices dev;
    PlayerInput in{};
    in.padPresent = 1;
    in.joystickId = 0;
    in.padCentre = 77;
    in.padDeadZone = 88;
    EXPECT_FALSE(OpenPadFrom(in, dev, 1, 1800));
    EXPECT_EQ(in.padPresent, 0);
    EXPECT_EQ(in.joystickId, 0u);
    EXPECT_EQ(in.padCentre, 77);
    EXPECT_EQ(in.padDeadZone, 88);

    // A pad that answers the position but not its capabilities is not used either.
    dev.pads[1].present = true;
    dev.pads[1].capsOk = false;
    in.padPresent = 1;
    EXPECT_FALSE(OpenPadFrom(in, dev, 1, 1800));
    EXPECT_EQ(in.padPresent, 0);
}

struct PadCase {
    const char* name;
    uint32_t joystick;
    bool clearEachFrame;
    std::vector<std::array<uint32_t, 3>> frames;  // x, y, buttons
    std::vector<int32_t> commands;
};
void PrintTo(const PadCase& c, std::ostream* os) {
    *os << c.name;
}

class Pad : public ::testing::TestWithParam<PadCase> {};

TEST_P(Pad, BuildsTheCommand) {
    const PadCase& c = GetParam();
    FakeDevices dev;
    PlayerInput in = OpenedPad(dev, c.joystick);
    ASSERT_EQ(c.frames.size(), c.commands.size());
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
        if (c.clearEachFrame) ClearCommand(in);
        dev.pads[c.joystick].info = {c.frames[i][0], c.frames[i][1], 0, c.frames[i][2]};
        ReadPad(in, dev.Frame());
        EXPECT_EQ(in.command, c.commands[i]) << "frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Pad,
    ::testing::Values(
        PadCase{"neutral_overwrites", 0, false, {{kC, kC, 0}}, {0}},
        PadCase{"band_edges_are_neutral",
                0,
                false,
                {{kC + kDz, kC, 0}, {kC - kDz, kC + kDz, 0}, {kC, kC - kDz, 0}},
                {0, 0, 0}},
        PadCase{"down", 0, false, {{kC, kC + kDz + 1, 0}}, {4}},
        PadCase{"right_is_forward_for_pad0",
                0,
                false,
                {{kC + kDz + 1, kC, 0}, {kC - kDz - 1, kC, 0}},
                {1, 2}},
        PadCase{"left_is_forward_for_pad1",
                1,
                false,
                {{kC - kDz - 1, kC, 0}, {kC + kDz + 1, kC, 0}},
                {1, 2}},
        PadCase{"up_first_frame_then_unchanged",
                0,
                false,
                {{kC, kC - kDz - 1, 0}, {kC, 0, 0}, {kC, kC, 0}, {kC, 0, 0}},
                {3, 3, 0, 3}},
        PadCase{"up_forward_is_up", 0, true, {{65535, 0, 0}, {65535, 0, 0}}, {3, 0}},
        PadCase{"down_forward_is_down", 1, true, {{0, 65535, 0}}, {4}},
        PadCase{"x_is_signed", 0, false, {{0xFFFFFFFFu, kC, 0}}, {2}},
        PadCase{"guard", 0, false, {{kC, kC, kMaskG}, {kC, 65535, kMaskG}}, {6, 5}},
        PadCase{"guard_on_first_up", 0, false, {{kC, 0, kMaskG}, {kC, 0, kMaskG}}, {16, 6}},
        PadCase{"attacks",
                0,
                false,
                {{kC, kC, kMaskLA},
                 {kC, kC, 0},
                 {65535, kC, kMaskRA},
                 {kC, kC, 0},
                 {0, kC, kMaskLA | kMaskRA}},
                {7, 0, 11, 0, 15}},
        PadCase{"attacks_pad1_held_la_new_ra",
                1,
                false,
                {{0, kC, kMaskLA}, {65535, kC, kMaskLA | kMaskRA}},
                {8, 12}},
        PadCase{"held_button_gives_the_stick",
                0,
                false,
                {{kC, kC, kMaskLA}, {65535, kC, kMaskLA}},
                {7, 1}},
        PadCase{"press_under_guard_is_lost",
                0,
                false,
                {{kC, kC, kMaskG | kMaskLA}, {kC, kC, kMaskLA}},
                {6, 0}},
        PadCase{"other_buttons_ignored", 0, false, {{kC, kC, 0xFFF8u}}, {0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pad, FailedReadChangesNothing) {
    FakeDevices dev;
    PlayerInput in = OpenedPad(dev, 0);
    dev.pads[0].info = {65535, kC, 0, kMaskLA};
    ReadPad(in, dev.Frame());
    ASSERT_EQ(in.command, 8);
    dev.pads[0].present = false;  // pulled out
    ReadPad(in, dev.Frame());
    EXPECT_EQ(in.command, 8);
    EXPECT_EQ(in.padPos[0], 65535u);
    EXPECT_EQ(in.padLaHeld, 1);
}

TEST(Pad, HugeDeadZoneNeverLeavesTheNeutralBand) {
    FakeDevices dev;
    PlayerInput in{};
    dev.pads[0].present = true;
    ASSERT_TRUE(OpenPadFrom(in, dev, 0, INT32_MAX));
    dev.pads[0].info = {0, 65535, 0, 0};
    in.command = 9;
    ReadPad(in, dev.Frame());
    EXPECT_EQ(in.command, 0);
}

TEST(Pad, ReadsItsOwnJoystick) {
    FakeDevices dev;
    PlayerInput in = OpenedPad(dev, 1);
    dev.pads[0].present = true;
    dev.pads[0].info = {kC, 65535, 0, 0};
    dev.pads[1].info = {kC, 0, 0, 0};
    ReadPad(in, dev.Frame());
    EXPECT_EQ(in.command, 3);
}
