// Replays: recording a game at its input devices and playing it back frame for frame
// (the file format is in app/replay_file.h).
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/replay_file.h"
#include "platform/devices.h"
#include "shell/form.h"

namespace app {

// The press of mode button 1..4 on the launcher, or 5: the training room's.
void PressModeButton(shell::TForm1& form, int mode);

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
    int64_t lastLineFrame_ = -1;  // the frame of the last line written (the header: -1)
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
    // controls and the recorded mode button is pressed. The settings file is not written:
    // watching a replay does not change the player's own settings.
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
