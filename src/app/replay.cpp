// Recording a game at its input devices and playing the recording back.
#include "app/replay.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>

#include "shell/training.h"

namespace app {

void PressModeButton(shell::TForm1& form, int mode) {
    switch (mode) {
        case 1: shell::Button1Click(form); break;
        case 2: shell::Button2Click(form); break;
        case 3: shell::Button3Click(form); break;
        case 4: shell::Button4Click(form); break;
        case 5: shell::TrainingButtonClick(form); break;
        default: break;
    }
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
    lastLineFrame_ = -1;
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
            lastLineFrame_ = frame_;
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
    // A frame without news still leaves a mark now and then, so that a recording cut
    // short by a crash shows how far the game got.
    if (frame_ - lastLineFrame_ >= kReplayMarkFrames)
        Line("%lld mark\n", static_cast<long long>(frame_));
    Flush();
    ++frame_;
}

void ReplayRecorder::Finish() {
    if (file_ == nullptr) return;
    Line("end %lld\n", static_cast<long long>(frame_ < 0 ? 0 : frame_));
    Flush();
    if (file_ != nullptr && std::fclose(file_) != 0)
        std::fprintf(stderr, "tovuka02: the replay could not be finished: %s\n",
                     std::strerror(errno));
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
        case ReplayEventKind::kPress:
        case ReplayEventKind::kMark: break;
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

void ReplayPlayer::Start(shell::TForm1& form) {
    // The devices as the mode button's start sequence found them.
    for (next_ = 0; next_ < replay_.events.size() && replay_.events[next_].frame < 0; ++next_)
        devices_.Apply(replay_.events[next_]);
    form.controls = replay_.header.controls;
    form.watchingReplay = true;
    PressModeButton(form, replay_.header.mode);
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
