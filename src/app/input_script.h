// Scripted key events for headless runs: "FRAME down|up KEY", one per line.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace app {

struct KeyEvent {
    int64_t frame;
    bool down;
    int vk;  // virtual-key number
};

// Virtual-key number of a script key name (A..Z, LEFT, UP, RIGHT, DOWN, LBUTTON, RBUTTON,
// MBUTTON, NUM0..NUM9, ESC, SPACE), or 0 for an unknown name.
int KeyByName(const std::string& name);

// Reads the whole script. Events keep their order within a frame and are sorted by frame.
// A malformed line gives false and "line N: reason" in error.
bool ParseInputScript(std::istream& in, std::vector<KeyEvent>& events, std::string& error);

// A script is read whole, from a regular file (or standard input) of at most this size.
constexpr size_t kMaxScriptBytes = size_t{64} << 20;

// Reads and parses the script at path ("-": standard input). On failure says why on
// standard error (with the line number for a malformed line) and returns false.
bool LoadInputScript(const std::string& path, std::vector<KeyEvent>& events);

}  // namespace app
