// Replays: a game recorded at the input devices and played back frame for frame.
//
// A replay file is plain text. It opens with a header of one value per line:
//
//   TOVUKA02 REPLAY
//   version 1
//   seed 1733621733
//   mode 4
//   displayMode 1
//   difficulty 2
//   musicMode 2
//   controlMethod 1 1
//   padButton 0 1 2 0 1 2
//   keyItem 7 29 10 25 13 14 16 3 4 5 6 2 0 1
//   speed 0
//   padBoxEnabled 0 0
//   speedCaption <the rest of the line>
//   deadZone 1800
//   events
//
// then one event per line, in frame order, each taking effect before the routine of frame
// FRAME (the first frame after the mode button is frame 0; frame -1 is the mode button's
// own start sequence, which opens the pads):
//
//   FRAME down|up KEY                   the key as the game's keyboard read saw it change
//   FRAME press KEY                     a key-down handed to the form's key handler
//   FRAME pad J X Y Z BUTTONS           joystick J answered with this position
//   FRAME nopad J                       joystick J did not answer
//   FRAME caps J XMIN XMAX              joystick J's capabilities
//   FRAME nocaps J                      joystick J gave no capabilities
//   end N                               the game ran N frames (missing after a crash)
//
// KEY is a name of the input scripts (A..Z, LEFT, ..., ESC, SPACE) or, for any other key, its
// virtual-key number. Only changes are written. Unlike an input script, a `down` of ESC or
// SPACE here only changes what the keyboard read shows; what reached the key handler is in
// the `press` lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <istream>
#include <string>
#include <vector>

#include "platform/devices.h"
#include "shell/form.h"

namespace app {

constexpr const char* kReplayMagic = "TOVUKA02 REPLAY";
constexpr int kReplayVersion = 1;
constexpr int kReplayJoysticks = 4;  // joysticks 0..3 are recorded; others never answer

struct ReplayHeader {
    uint32_t seed = 0;
    int32_t mode = 0;  // the mode button: 1 free, 2 vs, 3 tournament, 4 view
    shell::LauncherControls controls;
    int32_t deadZone = 0;  // the pads' neutral band when the game started
};

enum class ReplayEventKind { kKey, kPress, kPad, kNoPad, kCaps, kNoCaps };

struct ReplayEvent {
    int64_t frame = 0;
    ReplayEventKind kind = ReplayEventKind::kKey;
    bool down = false;      // kKey
    int vk = 0;             // kKey, kPress
    uint32_t joystick = 0;  // pads and caps
    platform::JoyInfo pad{};
    platform::JoyCaps caps{};
};

struct Replay {
    ReplayHeader header;
    std::vector<ReplayEvent> events;
    bool finished = false;  // the end line was there
    int64_t frames = 0;     // frames to play: the end line's count, else up to the last event
};

// The press of mode button 1..4 on the launcher.
void PressModeButton(shell::TForm1& form, int mode);

// The name a replay or input script uses for a virtual key: the script's key name, else the
// number. Writes into out (at least 8 characters).
void KeyNameOf(int vk, char* out, int size);

// Reads a replay. A file that is no replay, of another format version, or malformed gives
// false and a one-line reason in error. A file cut short inside its events (a crash) reads
// as far as its last whole line.
bool ReadReplay(std::istream& in, Replay& replay, std::string& error);
bool LoadReplay(const std::string& path, Replay& replay, std::string& error);

// Records what the game reads from the devices it wraps, and the key presses the host
// hands to the form, into a replay file. Reads pass through unchanged. Lines gather in a
// fixed buffer and are written and flushed at the end of every frame, so a crash leaves
// the file as far as the last finished frame; nothing is allocated while a game runs.
class ReplayRecorder final : public platform::InputDevices {
  public:
    explicit ReplayRecorder(platform::InputDevices& inner) : inner_(inner) {}
    ~ReplayRecorder() override { Finish(); }
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;

    // Opens the file (a new one that must not exist yet when `fresh`), writes the header
    // and starts recording the mode button's start sequence. False with a reason when the
    // file cannot be made.
    bool Start(const std::string& path, const ReplayHeader& header, bool fresh, std::string& error);
    bool Recording() const { return file_ != nullptr; }

    // A key-down handed to the form before the next frame.
    void KeyPressed(int vk);
    // The frame (first the start sequence) is over: its lines go to the file.
    void EndFrame();
    // Writes the end line and closes the file; safe to call twice.
    void Finish();

    void GetKeyboardState(uint8_t out[256]) override;
    bool JoyGetPos(uint32_t joystick, platform::JoyInfo& info) override;
    bool JoyGetDevCaps(uint32_t joystick, platform::JoyCaps& caps) override;

  private:
    struct Known {
        bool seen = false;
        bool ok = false;
        uint32_t v[4] = {};
    };
    void Line(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Flush();
    void Note(Known& known, const char* okWord, const char* failWord, uint32_t joystick, bool ok,
              const uint32_t* values, int count);

    platform::InputDevices& inner_;
    std::FILE* file_ = nullptr;
    int64_t frame_ = -1;
    uint8_t keys_[256] = {};
    Known pads_[kReplayJoysticks];
    Known caps_[kReplayJoysticks];
    char buffer_[16384] = {};
    int used_ = 0;
};

// The devices of a playback: they answer as the recording says.
class ReplayDevices final : public platform::InputDevices {
  public:
    void Apply(const ReplayEvent& e);
    void GetKeyboardState(uint8_t out[256]) override;
    bool JoyGetPos(uint32_t joystick, platform::JoyInfo& info) override;
    bool JoyGetDevCaps(uint32_t joystick, platform::JoyCaps& caps) override;

  private:
    uint8_t keys_[256] = {};
    bool padOk_[kReplayJoysticks] = {};
    platform::JoyInfo pads_[kReplayJoysticks] = {};
    bool capsOk_[kReplayJoysticks] = {};
    platform::JoyCaps caps_[kReplayJoysticks] = {};
};

// Plays a replay into a form whose devices are Devices(): the recorded settings and mode
// button, then each frame's events.
class ReplayPlayer {
  public:
    explicit ReplayPlayer(const Replay& replay) : replay_(replay) {}

    platform::InputDevices& Devices() { return devices_; }
    int64_t Frames() const { return replay_.frames; }

    // After FormShow with the recorded seed: the recorded settings go into the launcher's
    // controls and the recorded mode button is pressed. The settings file keeps what it
    // held before: watching a replay does not change the player's own settings.
    void Start(shell::TForm1& form);

    // The events that take effect before frame `frame`; a key press that ends the program
    // stops there.
    void BeforeFrame(shell::TForm1& form, int64_t frame);

  private:
    const Replay& replay_;
    ReplayDevices devices_;
    size_t next_ = 0;
};

// The name of a replay in replays/ for a game started at `when` (local time):
// replays/YYYY-MM-DD_HH-MM-SS.replay, with -2, -3, ... before the dot for the n-th game of
// the same second.
std::string ReplayFileName(std::time_t when, int n = 1);

// Starts recording into a new file in replays/ (made when missing) named for `when`; never
// touches an existing replay. Gives the path it chose.
bool StartNewReplay(ReplayRecorder& recorder, const ReplayHeader& header, std::time_t when,
                    std::string& path, std::string& error);

}  // namespace app
