// Reading replay files: the header with its settings, then the events.
#include "app/replay_file.h"

#include <cstring>
#include <sstream>

#include "app/excerpt.h"
#include "app/input_script.h"
#include "platform/read_file.h"
#include "shell/launcher_texts.h"

namespace app {

void KeyNameOf(int vk, char* out, int size) {
    using namespace platform;
    const char* name = nullptr;
    switch (vk) {
        case VK_LEFT: name = "LEFT"; break;
        case VK_UP: name = "UP"; break;
        case VK_RIGHT: name = "RIGHT"; break;
        case VK_DOWN: name = "DOWN"; break;
        case VK_LBUTTON: name = "LBUTTON"; break;
        case VK_RBUTTON: name = "RBUTTON"; break;
        case VK_MBUTTON: name = "MBUTTON"; break;
        case VK_ESCAPE: name = "ESC"; break;
        case VK_SPACE: name = "SPACE"; break;
        default: break;
    }
    if (name != nullptr)
        std::snprintf(out, static_cast<size_t>(size), "%s", name);
    else if (vk >= VK_A && vk <= VK_A + 25)
        std::snprintf(out, static_cast<size_t>(size), "%c", 'A' + (vk - VK_A));
    else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        std::snprintf(out, static_cast<size_t>(size), "NUM%d", vk - VK_NUMPAD0);
    else
        std::snprintf(out, static_cast<size_t>(size), "%d", vk & 0xFF);
}

// ---------------------------------------------------------------------------------------
// Reading

namespace {

bool ParseInt64(const std::string& text, int64_t low, int64_t high, int64_t& out) {
    if (text.empty() || text.size() > 20) return false;
    size_t i = 0;
    const bool negative = text[0] == '-';
    if (negative) i = 1;
    if (i == text.size()) return false;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        if (v > (INT64_MAX - 9) / 10) return false;
        v = v * 10 + (text[i] - '0');
    }
    if (negative) v = -v;
    if (v < low || v > high) return false;
    out = v;
    return true;
}

int KeyOfName(const std::string& name) {
    const int vk = KeyByName(name);
    if (vk != 0) return vk;
    int64_t n = 0;
    return ParseInt64(name, 1, 255, n) ? static_cast<int>(n) : 0;
}

// The fields of one line, split at blanks.
std::vector<std::string> Fields(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string f;
    while (in >> f)
        out.push_back(f);
    return out;
}

class HeaderReader {
  public:
    HeaderReader(std::istream& in, int& lineNumber, std::string& error)
        : in_(in), lineNumber_(lineNumber), error_(error) {}

    // The next line, which must start with `key` and hold `count` numbers in low..high.
    bool Numbers(const char* key, int count, int64_t low, int64_t high, int32_t* out) {
        std::vector<std::string> f;
        if (!Next(key, f)) return false;
        if (static_cast<int>(f.size()) != count + 1)
            return Fail(std::string("'") + key + "' needs " + std::to_string(count) + " value(s)");
        for (int i = 0; i < count; ++i) {
            int64_t v = 0;
            if (!ParseInt64(f[i + 1], low, high, v))
                return Fail(std::string("'") + key + "': " + Quoted(f[i + 1]) +
                            " is out of range " + std::to_string(low) + ".." +
                            std::to_string(high));
            out[i] = static_cast<int32_t>(v);
        }
        return true;
    }

    bool Number64(const char* key, int64_t low, int64_t high, int64_t& out) {
        std::vector<std::string> f;
        if (!Next(key, f)) return false;
        if (f.size() != 2 || !ParseInt64(f[1], low, high, out))
            return Fail(std::string("'") + key + "' needs a number in " + std::to_string(low) +
                        ".." + std::to_string(high));
        return true;
    }

    bool Text(const char* key, char* out, size_t size) {
        if (!ReadLine()) return false;
        const size_t keyLength = std::strlen(key);
        if (line_.compare(0, keyLength, key) != 0 ||
            (line_.size() > keyLength && line_[keyLength] != ' '))
            return Fail(std::string("expected '") + key + "'");
        const std::string value = line_.size() > keyLength ? line_.substr(keyLength + 1) : "";
        if (value.size() >= size) return Fail(std::string("'") + key + "' is too long");
        std::memcpy(out, value.c_str(), value.size() + 1);
        return true;
    }

    bool Word(const char* word) {
        std::vector<std::string> f;
        if (!Next(word, f)) return false;
        if (f.size() != 1) return Fail(std::string("'") + word + "' stands alone");
        return true;
    }

  private:
    bool ReadLine() {
        // A header line must be whole: the header is written in one piece before the game.
        if (!std::getline(in_, line_) || in_.eof()) {
            error_ = "the replay's header is incomplete";
            return false;
        }
        ++lineNumber_;
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        return true;
    }

    bool Next(const char* key, std::vector<std::string>& f) {
        if (!ReadLine()) return false;
        f = Fields(line_);
        if (f.empty() || f[0] != key) return Fail(std::string("expected '") + key + "'");
        return true;
    }

    bool Fail(const std::string& why) {
        error_ = "line " + std::to_string(lineNumber_) + ": " + why;
        return false;
    }

    std::istream& in_;
    int& lineNumber_;
    std::string& error_;
    std::string line_;
};

// The header. Every setting must be one the launcher can produce: the ranges the settings
// file is clamped into when it is read (a radio group or combo box may show nothing, -1).
bool ReadHeader(std::istream& in, ReplayHeader& h, int& version, int& lineNumber,
                std::string& error) {
    std::string line;
    if (!std::getline(in, line) ||
        (line != kReplayMagic && line != std::string(kReplayMagic) + "\r")) {
        error = "not a replay file";
        return false;
    }
    lineNumber = 1;
    HeaderReader r(in, lineNumber, error);
    int32_t v = 0;
    if (!r.Numbers("version", 1, 0, INT32_MAX, &v)) return false;
    if (v != 1 && v != kReplayVersion) {
        error = "replay format version " + std::to_string(v) +
                " is not supported (this program plays versions 1 and " +
                std::to_string(kReplayVersion) + ")";
        return false;
    }
    version = v;
    shell::LauncherControls& c = h.controls;
    int32_t padBox[2] = {0, 0};
    int64_t seed = 0;
    if (!r.Number64("seed", 0, UINT32_MAX, seed)) return false;
    h.seed = static_cast<uint32_t>(seed);
    using shell::kDifficultyItemCount, shell::kKeyItemCount, shell::kPadItemCount;
    const bool ok = r.Numbers("mode", 1, 1, 5, &h.mode) &&
                    r.Numbers("displayMode", 1, -1, 1, &c.displayMode) &&
                    r.Numbers("difficulty", 1, -1, kDifficultyItemCount - 1, &c.difficulty) &&
                    r.Numbers("musicMode", 1, -1, 2, &c.musicMode) &&
                    r.Numbers("controlMethod", 2, -1, 1, c.controlMethod) &&
                    r.Numbers("padButton", 6, -1, kPadItemCount - 1, &c.padButton[0][0]) &&
                    r.Numbers("keyItem", 14, -1, kKeyItemCount - 1, &c.keyItem[0][0]) &&
                    r.Numbers("speed", 1, shell::kSpeedMin, shell::kSpeedMax, &c.speed) &&
                    r.Numbers("padBoxEnabled", 2, 0, 1, padBox) &&
                    r.Text("speedCaption", c.speedCaption, sizeof c.speedCaption) &&
                    r.Numbers("deadZone", 1, INT32_MIN, INT32_MAX, &h.deadZone) && r.Word("events");
    c.padBoxEnabled[0] = static_cast<uint8_t>(padBox[0]);
    c.padBoxEnabled[1] = static_cast<uint8_t>(padBox[1]);
    return ok;
}

// One event line; false with the reason when malformed.
bool ParseEvent(const std::vector<std::string>& f, ReplayEvent& e, std::string& why) {
    if (f.size() < 2 || !ParseInt64(f[0], -1, INT64_MAX / 2, e.frame)) {
        why = "expected FRAME EVENT ...";
        return false;
    }
    const std::string& what = f[1];
    if (what == "mark") {
        e.kind = ReplayEventKind::kMark;
        if (f.size() == 2) return true;
        why = "'mark' stands alone";
        return false;
    }
    if (f.size() < 3) {
        why = "expected FRAME EVENT ...";
        return false;
    }
    int64_t v[4] = {};
    auto numbers = [&](size_t count, int64_t high) {
        if (f.size() != 3 + count) return false;
        for (size_t i = 0; i < count; ++i)
            if (!ParseInt64(f[3 + i], 0, high, v[i])) return false;
        return true;
    };
    if (what == "down" || what == "up" || what == "press") {
        e.kind = what == "press" ? ReplayEventKind::kPress : ReplayEventKind::kKey;
        e.down = what != "up";
        e.vk = f.size() == 3 ? KeyOfName(f[2]) : 0;
        if (e.vk == 0) {
            why = "unknown key " + Quoted(f[2]);
            return false;
        }
        return true;
    }
    if (what != "pad" && what != "caps" && what != "nopad" && what != "nocaps") {
        why = "unknown event " + Quoted(what);
        return false;
    }
    int64_t joystick = 0;
    if (!ParseInt64(f[2], 0, kReplayJoysticks - 1, joystick)) {
        why = Quoted(f[2]) + " is not a joystick number";
        return false;
    }
    e.joystick = static_cast<uint32_t>(joystick);
    bool ok = false;
    if (what == "pad") {
        e.kind = ReplayEventKind::kPad;
        ok = numbers(4, UINT32_MAX);
        e.pad = {static_cast<uint32_t>(v[0]), static_cast<uint32_t>(v[1]),
                 static_cast<uint32_t>(v[2]), static_cast<uint32_t>(v[3])};
    } else if (what == "caps") {
        e.kind = ReplayEventKind::kCaps;
        ok = numbers(2, UINT32_MAX);
        e.caps = {static_cast<uint32_t>(v[0]), static_cast<uint32_t>(v[1])};
    } else {
        e.kind = what == "nopad" ? ReplayEventKind::kNoPad : ReplayEventKind::kNoCaps;
        ok = f.size() == 3;
    }
    if (!ok) why = "bad values for '" + what + "'";
    return ok;
}

}  // namespace

bool ReadReplay(std::istream& in, Replay& replay, std::string& error) {
    Replay r;
    int lineNumber = 0;
    int version = 0;
    if (!ReadHeader(in, r.header, version, lineNumber, error)) return false;
    std::string line;
    int64_t endFrames = -1;
    int64_t lastFrame = -1;  // of the last event or mark; the start sequence is frame -1
    while (std::getline(in, line)) {
        // A last line without its newline was being written when the game stopped.
        if (in.eof()) break;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> f = Fields(line);
        if (f.empty()) continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (endFrames >= 0) {
            error = where + "nothing may follow the end line";
            return false;
        }
        if (f[0] == "end") {
            if (f.size() != 2 || !ParseInt64(f[1], 0, INT64_MAX / 2, endFrames)) {
                error = where + "expected end FRAMES";
                return false;
            }
            if (lastFrame > endFrames) {
                error = where + "events after the end";
                return false;
            }
            continue;
        }
        ReplayEvent e;
        std::string why;
        if (!ParseEvent(f, e, why)) {
            error = where + why;
            return false;
        }
        if (e.kind == ReplayEventKind::kMark && version < 2) {
            error = where + "marks belong to version 2";
            return false;
        }
        if (e.frame < lastFrame) {
            error = where + "frames out of order";
            return false;
        }
        lastFrame = e.frame;
        if (e.kind != ReplayEventKind::kMark) r.events.push_back(e);  // marks only count
    }
    r.finished = endFrames >= 0;
    r.frames = r.finished ? endFrames : lastFrame + 1;
    // No recording leaves more than kReplayMarkFrames frames without a line; a version 1
    // recording had no marks and is taken at its word up to a day of play.
    const int64_t most = version >= 2 ? lastFrame + kReplayMarkFrames : kReplayVersion1MaxFrames;
    if (r.frames > most) {
        error = "the end count " + std::to_string(r.frames) +
                " is more than the recording holds (" + std::to_string(most) + " frames at most)";
        return false;
    }
    replay = std::move(r);
    return true;
}

bool LoadReplay(const std::string& path, Replay& replay, std::string& error) {
    std::string text;
    const platform::ReadStatus status = platform::ReadRegularFile(path, kMaxReplayBytes, text);
    if (status != platform::ReadStatus::kOk) {
        error = "replay '" + path + "' " + platform::ReadStatusText(status, kMaxReplayBytes);
        return false;
    }
    std::istringstream file(text);
    text = std::string();  // the stream holds its own copy
    if (!ReadReplay(file, replay, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

}  // namespace app
