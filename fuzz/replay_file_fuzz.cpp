// Fuzz target: replay files of any content are read or refused, never misread: what is
// accepted is in frame order, within the launcher's settings and the recording's reach.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/replay_file.h"
#include "shell/launcher_texts.h"

namespace {

bool InRange(int32_t v, int32_t low, int32_t high) {
    return v >= low && v <= high;
}

bool SettingsFit(const shell::LauncherControls& c) {
    bool ok = InRange(c.displayMode, -1, 1) && InRange(c.difficulty, -1, 4) &&
              InRange(c.musicMode, -1, 2) && InRange(c.speed, shell::kSpeedMin, shell::kSpeedMax);
    for (int p = 0; p < 2; ++p) {
        ok = ok && InRange(c.controlMethod[p], -1, 1) && c.padBoxEnabled[p] <= 1;
        for (int32_t b : c.padButton[p])
            ok = ok && InRange(b, -1, shell::kPadItemCount - 1);
        for (int32_t k : c.keyItem[p])
            ok = ok && InRange(k, -1, shell::kKeyItemCount - 1);
    }
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    app::Replay replay;
    std::string error;
    if (!app::ReadReplay(in, replay, error)) {
        if (error.empty() || error.size() > 400) __builtin_trap();  // one short reason
        return 0;
    }
    if (!SettingsFit(replay.header.controls) || !InRange(replay.header.mode, 1, 5))
        __builtin_trap();
    if (replay.frames < 0 || replay.frames > app::kReplayVersion1MaxFrames + 1000000000LL)
        __builtin_trap();
    int64_t last = -1;
    for (const app::ReplayEvent& e : replay.events) {
        if (e.frame < last || e.frame > replay.frames || e.joystick >= app::kReplayJoysticks ||
            e.kind == app::ReplayEventKind::kMark)
            __builtin_trap();
        if ((e.kind == app::ReplayEventKind::kKey || e.kind == app::ReplayEventKind::kPress) &&
            (e.vk <= 0 || e.vk > 255))
            __builtin_trap();
        last = e.frame;
    }
    return 0;
}
