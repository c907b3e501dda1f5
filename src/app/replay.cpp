// Recording a game at its input devices, reading the recording back, and playing it.
#include "app/replay.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/input_script.h"
#include "platform/ini_file.h"

namespace app {

void PressModeButton(shell::TForm1& form, int mode) {
    switch (mode) {
        case 1: shell::Button1Click(form); break;
        case 2: shell::Button2Click(form); break;
        case 3: shell::Button3Click(form); break;
        case 4: shell::Button4Click(form); break;
        default: break;
    }
}

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
                return Fail(std::string("'") + key + "': '" + f[i + 1] + "' is out of range");
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

bool ReadHeader(std::istream& in, ReplayHeader& h, int& lineNumber, std::string& error) {
    std::string line;
    if (!std::getline(in, line) ||
        (line != kReplayMagic && line != std::string(kReplayMagic) + "\r")) {
        error = "not a replay file";
        return false;
    }
    lineNumber = 1;
    HeaderReader r(in, lineNumber, error);
    int32_t version = 0;
    if (!r.Numbers("version", 1, 0, INT32_MAX, &version)) return false;
    if (version != kReplayVersion) {
        error = "replay format version " + std::to_string(version) +
                " is not supported (this program plays version " + std::to_string(kReplayVersion) +
                ")";
        return false;
    }
    shell::LauncherControls& c = h.controls;
    int32_t padBox[2] = {0, 0};
    int64_t seed = 0;
    if (!r.Number64("seed", 0, UINT32_MAX, seed)) return false;
    h.seed = static_cast<uint32_t>(seed);
    const bool ok = r.Numbers("mode", 1, 1, 4, &h.mode) &&
                    r.Numbers("displayMode", 1, INT32_MIN, INT32_MAX, &c.displayMode) &&
                    r.Numbers("difficulty", 1, INT32_MIN, INT32_MAX, &c.difficulty) &&
                    r.Numbers("musicMode", 1, INT32_MIN, INT32_MAX, &c.musicMode) &&
                    r.Numbers("controlMethod", 2, INT32_MIN, INT32_MAX, c.controlMethod) &&
                    r.Numbers("padButton", 6, INT32_MIN, INT32_MAX, &c.padButton[0][0]) &&
                    r.Numbers("keyItem", 14, INT32_MIN, INT32_MAX, &c.keyItem[0][0]) &&
                    r.Numbers("speed", 1, INT32_MIN, INT32_MAX, &c.speed) &&
                    r.Numbers("padBoxEnabled", 2, 0, 1, padBox) &&
                    r.Text("speedCaption", c.speedCaption, sizeof c.speedCaption) &&
                    r.Numbers("deadZone", 1, INT32_MIN, INT32_MAX, &h.deadZone) && r.Word("events");
    c.padBoxEnabled[0] = static_cast<uint8_t>(padBox[0]);
    c.padBoxEnabled[1] = static_cast<uint8_t>(padBox[1]);
    return ok;
}

// One event line; false with the reason when malformed.
bool ParseEvent(const std::vector<std::string>& f, ReplayEvent& e, std::string& why) {
    if (f.size() < 3 || !ParseInt64(f[0], -1, INT64_MAX / 2, e.frame)) {
        why = "expected FRAME EVENT ...";
        return false;
    }
    const std::string& what = f[1];
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
            why = "unknown key '" + f[2] + "'";
            return false;
        }
        return true;
    }
    if (what != "pad" && what != "caps" && what != "nopad" && what != "nocaps") {
        why = "unknown event '" + what + "'";
        return false;
    }
    int64_t joystick = 0;
    if (!ParseInt64(f[2], 0, kReplayJoysticks - 1, joystick)) {
        why = "'" + f[2] + "' is not a joystick number";
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
    if (!ReadHeader(in, r.header, lineNumber, error)) return false;
    std::string line;
    int64_t endFrames = -1;
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
            if (!r.events.empty() && r.events.back().frame > endFrames) {
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
        if (!r.events.empty() && e.frame < r.events.back().frame) {
            error = where + "frames out of order";
            return false;
        }
        r.events.push_back(e);
    }
    r.finished = endFrames >= 0;
    if (r.finished)
        r.frames = endFrames;
    else
        r.frames = r.events.empty() ? 0 : std::max<int64_t>(0, r.events.back().frame + 1);
    replay = std::move(r);
    return true;
}

bool LoadReplay(const std::string& path, Replay& replay, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read replay '" + path + "'";
        return false;
    }
    if (!ReadReplay(file, replay, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Recording

bool ReplayRecorder::Start(const std::string& path, const ReplayHeader& header, bool fresh,
                           std::string& error) {
    Finish();
    file_ = std::fopen(path.c_str(), fresh ? "wbx" : "wb");
    if (file_ == nullptr) {
        error = "cannot write replay '" + path + "': " + std::strerror(errno);
        return false;
    }
    const shell::LauncherControls& c = header.controls;
    std::fprintf(file_, "%s\nversion %d\nseed %u\nmode %d\n", kReplayMagic, kReplayVersion,
                 header.seed, header.mode);
    std::fprintf(file_, "displayMode %d\ndifficulty %d\nmusicMode %d\ncontrolMethod %d %d\n",
                 c.displayMode, c.difficulty, c.musicMode, c.controlMethod[0], c.controlMethod[1]);
    std::fprintf(file_, "padButton");
    for (const auto& player : c.padButton)
        for (int32_t v : player)
            std::fprintf(file_, " %d", v);
    std::fprintf(file_, "\nkeyItem");
    for (const auto& player : c.keyItem)
        for (int32_t v : player)
            std::fprintf(file_, " %d", v);
    char caption[sizeof c.speedCaption];
    std::memcpy(caption, c.speedCaption, sizeof caption);
    caption[sizeof caption - 1] = '\0';
    for (char& ch : caption)
        if (ch == '\n' || ch == '\r') ch = ' ';
    std::fprintf(file_, "\nspeed %d\npadBoxEnabled %d %d\nspeedCaption %s\ndeadZone %d\nevents\n",
                 c.speed, c.padBoxEnabled[0], c.padBoxEnabled[1], caption, header.deadZone);
    if (std::fflush(file_) != 0) {
        error = "cannot write replay '" + path + "': " + std::strerror(errno);
        std::fclose(file_);
        file_ = nullptr;
        return false;
    }
    frame_ = -1;
    std::memset(keys_, 0, sizeof keys_);
    for (int j = 0; j < kReplayJoysticks; ++j)
        pads_[j] = caps_[j] = Known{};
    used_ = 0;
    return true;
}

void ReplayRecorder::Line(const char* format, ...) {
    if (file_ == nullptr) return;
    for (int attempt = 0; attempt < 2; ++attempt) {
        va_list args;
        va_start(args, format);
        const int room = static_cast<int>(sizeof buffer_) - used_;
        const int n = std::vsnprintf(buffer_ + used_, static_cast<size_t>(room), format, args);
        va_end(args);
        if (n >= 0 && n < room) {
            used_ += n;
            return;
        }
        Flush();  // full: out with what is there, then once more
        if (file_ == nullptr) return;
    }
}

void ReplayRecorder::Flush() {
    if (file_ == nullptr || used_ == 0) return;
    const size_t length = static_cast<size_t>(used_);
    used_ = 0;
    if (std::fwrite(buffer_, 1, length, file_) != length || std::fflush(file_) != 0) {
        std::fprintf(stderr, "tovuka02: the replay could not be written on; recording stops\n");
        std::fclose(file_);
        file_ = nullptr;
    }
}

void ReplayRecorder::KeyPressed(int vk) {
    if (file_ == nullptr) return;
    char name[16];
    KeyNameOf(vk, name, sizeof name);
    Line("%lld press %s\n", static_cast<long long>(frame_), name);
}

void ReplayRecorder::EndFrame() {
    if (file_ == nullptr) return;
    Flush();
    ++frame_;
}

void ReplayRecorder::Finish() {
    if (file_ == nullptr) return;
    Line("end %lld\n", static_cast<long long>(frame_ < 0 ? 0 : frame_));
    Flush();
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

void ReplayRecorder::GetKeyboardState(uint8_t out[256]) {
    inner_.GetKeyboardState(out);
    if (file_ == nullptr) return;
    for (int vk = 0; vk < 256; ++vk) {
        const uint8_t down = out[vk] & platform::kKeyDownBit;
        if (down == (keys_[vk] & platform::kKeyDownBit)) continue;
        keys_[vk] = down;
        char name[16];
        KeyNameOf(vk, name, sizeof name);
        Line("%lld %s %s\n", static_cast<long long>(frame_), down ? "down" : "up", name);
    }
}

void ReplayRecorder::Note(Known& known, const char* okWord, const char* failWord, uint32_t joystick,
                          bool ok, const uint32_t* values, int count) {
    bool same = known.seen && known.ok == ok;
    for (int i = 0; same && ok && i < count; ++i)
        same = known.v[i] == values[i];
    if (same) return;
    known.seen = true;
    known.ok = ok;
    for (int i = 0; i < count; ++i)
        known.v[i] = ok ? values[i] : 0;
    const long long frame = frame_;
    if (!ok)
        Line("%lld %s %u\n", frame, failWord, joystick);
    else if (count == 4)
        Line("%lld %s %u %u %u %u %u\n", frame, okWord, joystick, values[0], values[1], values[2],
             values[3]);
    else
        Line("%lld %s %u %u %u\n", frame, okWord, joystick, values[0], values[1]);
}

bool ReplayRecorder::JoyGetPos(uint32_t joystick, platform::JoyInfo& info) {
    if (file_ == nullptr) return inner_.JoyGetPos(joystick, info);
    if (joystick >= kReplayJoysticks) return false;  // never asked by the game
    const bool ok = inner_.JoyGetPos(joystick, info);
    const uint32_t v[4] = {info.xPos, info.yPos, info.zPos, info.buttons};
    Note(pads_[joystick], "pad", "nopad", joystick, ok, v, 4);
    return ok;
}

bool ReplayRecorder::JoyGetDevCaps(uint32_t joystick, platform::JoyCaps& caps) {
    if (file_ == nullptr) return inner_.JoyGetDevCaps(joystick, caps);
    if (joystick >= kReplayJoysticks) return false;
    const bool ok = inner_.JoyGetDevCaps(joystick, caps);
    const uint32_t v[2] = {caps.xMin, caps.xMax};
    Note(caps_[joystick], "caps", "nocaps", joystick, ok, v, 2);
    return ok;
}

std::string ReplayFileName(std::time_t when, int n) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[64];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    char name[96];
    if (n > 1)
        std::snprintf(name, sizeof name, "replays/%s-%d.replay", stamp, n);
    else
        std::snprintf(name, sizeof name, "replays/%s.replay", stamp);
    return name;
}

bool StartNewReplay(ReplayRecorder& recorder, const ReplayHeader& header, std::time_t when,
                    std::string& path, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories("replays", ec);
    if (ec) {
        error = "cannot make the folder 'replays': " + ec.message();
        return false;
    }
    for (int n = 1; n <= 1000; ++n) {
        path = ReplayFileName(when, n);
        if (std::filesystem::exists(path, ec)) continue;
        if (recorder.Start(path, header, true, error)) return true;
        if (!std::filesystem::exists(path, ec)) return false;  // not a name clash: give up
    }
    error = "no free replay name for this second";
    return false;
}

// ---------------------------------------------------------------------------------------
// Playback

void ReplayDevices::Apply(const ReplayEvent& e) {
    const uint32_t j = e.joystick % kReplayJoysticks;
    switch (e.kind) {
        case ReplayEventKind::kKey: keys_[e.vk & 0xFF] = e.down ? platform::kKeyDownBit : 0; break;
        case ReplayEventKind::kPad:
            padOk_[j] = true;
            pads_[j] = e.pad;
            break;
        case ReplayEventKind::kNoPad: padOk_[j] = false; break;
        case ReplayEventKind::kCaps:
            capsOk_[j] = true;
            caps_[j] = e.caps;
            break;
        case ReplayEventKind::kNoCaps: capsOk_[j] = false; break;
        case ReplayEventKind::kPress: break;
    }
}

void ReplayDevices::GetKeyboardState(uint8_t out[256]) {
    std::memcpy(out, keys_, sizeof keys_);
}

bool ReplayDevices::JoyGetPos(uint32_t joystick, platform::JoyInfo& info) {
    if (joystick >= kReplayJoysticks || !padOk_[joystick]) return false;
    info = pads_[joystick];
    return true;
}

bool ReplayDevices::JoyGetDevCaps(uint32_t joystick, platform::JoyCaps& caps) {
    if (joystick >= kReplayJoysticks || !capsOk_[joystick]) return false;
    caps = caps_[joystick];
    return true;
}

namespace {

// Puts a file back as it was when this was made (or removes it if it was not there).
class KeepFile {
  public:
    explicit KeepFile(std::string path) : path_(std::move(path)) {
        std::ifstream in(path_, std::ios::binary);
        had_ = static_cast<bool>(in);
        if (had_) bytes_.assign(std::istreambuf_iterator<char>(in), {});
    }
    ~KeepFile() {
        if (had_) {
            std::ofstream out(path_, std::ios::binary | std::ios::trunc);
            out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
        } else {
            std::remove(path_.c_str());
        }
    }
    KeepFile(const KeepFile&) = delete;
    KeepFile& operator=(const KeepFile&) = delete;

  private:
    std::string path_;
    bool had_ = false;
    std::string bytes_;
};

}  // namespace

void ReplayPlayer::Start(shell::TForm1& form) {
    // The devices as the mode button's start sequence found them.
    for (next_ = 0; next_ < replay_.events.size() && replay_.events[next_].frame < 0; ++next_)
        devices_.Apply(replay_.events[next_]);
    form.controls = replay_.header.controls;
    {
        KeepFile settings(platform::FullPathOf("gameoption.ini"));
        PressModeButton(form, replay_.header.mode);
    }
    // The pads' neutral band comes from this computer's key_sikii.ini; the game played with
    // the recorded one.
    for (fight::PlayerInput& in : form.input)
        if (in.padPresent) in.padDeadZone = replay_.header.deadZone;
}

void ReplayPlayer::BeforeFrame(shell::TForm1& form, int64_t frame) {
    for (; next_ < replay_.events.size() && replay_.events[next_].frame <= frame; ++next_) {
        const ReplayEvent& e = replay_.events[next_];
        if (e.kind != ReplayEventKind::kPress) {
            devices_.Apply(e);
            continue;
        }
        shell::FormKeyDown(form, e.vk);
        if (form.closeRequested) {
            ++next_;
            return;
        }
    }
}

}  // namespace app
