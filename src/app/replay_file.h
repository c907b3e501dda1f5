// Replay files: a game recorded at the input devices, as text.
//
// A replay file opens with a header of one value per line:
//
//   TOVUKA02 REPLAY
//   version 2
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
//   FRAME mark                          frame FRAME was played (written when the last
//                                       kReplayMarkFrames frames wrote nothing else)
//   end N                               the game ran N frames (missing after a crash)
//
// KEY is a name of the input scripts (A..Z, LEFT, ..., ESC, SPACE) or, for any other key, its
// virtual-key number. Only changes are written. Unlike an input script, a `down` of ESC or
// SPACE here only changes what the keyboard read shows; what reached the key handler is in
// the `press` lines.
//
// The marks make a recording cut short by a crash play to within kReplayMarkFrames frames
// of where the game stopped, and they let the reader refuse an end count that no recording
// could have written. Version 1 files (no marks) still play; their end count is capped.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "platform/devices.h"
#include "shell/form.h"

namespace app {

constexpr const char* kReplayMagic = "TOVUKA02 REPLAY";
constexpr int kReplayVersion = 2;
constexpr int kReplayJoysticks = 4;  // joysticks 0..3 are recorded; others never answer
// At most this many frames pass without a line (one second at the slowest game speed).
constexpr int64_t kReplayMarkFrames = 10;
// A version 1 recording claims at most a day of play (25 frames a second).
constexpr int64_t kReplayVersion1MaxFrames = int64_t{25} * 60 * 60 * 24;
// A replay file is read whole; a day of busy play is a few megabytes.
constexpr size_t kMaxReplayBytes = size_t{16} << 20;

struct ReplayHeader {
    uint32_t seed = 0;
    int32_t mode = 0;  // the mode button: 1 free, 2 vs, 3 tournament, 4 view, 5 training
    shell::LauncherControls controls;
    int32_t deadZone = 0;  // the pads' neutral band when the game started
};

enum class ReplayEventKind { kKey, kPress, kPad, kNoPad, kCaps, kNoCaps, kMark };

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

// The name a replay or input script uses for a virtual key: the script's key name, else the
// number. Writes into out (at least 8 characters).
void KeyNameOf(int vk, char* out, int size);

// Reads a replay. A file that is no replay, of another format version, malformed, with a
// setting the launcher cannot produce or an end count its lines cannot hold gives false
// and a one-line reason in error. A file cut short inside its events (a crash) reads as
// far as its last whole line.
bool ReadReplay(std::istream& in, Replay& replay, std::string& error);
// The same from a regular file of at most kMaxReplayBytes.
bool LoadReplay(const std::string& path, Replay& replay, std::string& error);

}  // namespace app
