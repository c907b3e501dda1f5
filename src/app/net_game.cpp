// A network versus game on this machine.
#include "app/net_game.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "fight/input.h"
#include "platform/ini_file.h"
#include "shell/state_fields.h"

namespace app {

void NetKeys::Set(const fight::FrameInput& input) {
    std::memcpy(keys_, input.keys, sizeof keys_);
}

void NetKeys::GetKeyboardState(uint8_t out[256]) {
    std::memcpy(out, keys_, sizeof keys_);
}

namespace {

// This machine's player: the launcher's player-1 keys, or its pad when it chose the pad
// and the pad answers.
net::LocalControls ControlsOf(const shell::TForm1& form) {
    net::LocalControls c;
    const shell::LauncherControls& launcher = form.controls;
    for (int k = 0; k < 7; ++k)
        c.keyCode[k] = fight::KeyCodeForItem(launcher.keyItem[0][k]);
    if (launcher.controlMethod[0] != 0 || form.services.devices == nullptr) return c;
    platform::JoyInfo info{};
    platform::JoyCaps caps{};
    if (!form.services.devices->JoyGetPos(0, info) ||
        !form.services.devices->JoyGetDevCaps(0, caps))
        return c;
    c.pad = true;
    for (int b = 0; b < 3; ++b)
        c.padMask[b] = fight::PadMaskForItem(launcher.padButton[0][b]);
    c.padCentre = (caps.xMin + caps.xMax) >> 1;
    c.padDeadZone = platform::ReadPadDeadZone();
    return c;
}

}  // namespace

bool NetGame::Begin(const std::string& recordPath, bool intoReplays, std::string& error) {
    controls_ = ControlsOf(form_);
    // Both machines play with the same controls: the network keys on the keyboard for both
    // players, the host's speed correction. Display and music stay this machine's own.
    shell::LauncherControls& c = form_.controls;
    std::memcpy(c.keyItem, net::kNetKeyItems, sizeof c.keyItem);
    c.controlMethod[0] = c.controlMethod[1] = 1;
    c.padBoxEnabled[0] = c.padBoxEnabled[1] = 0;
    c.speed = session_.Speed();
    form_.watchingReplay = true;  // the settings file keeps the player's own keys

    keys_ = NetKeys{};
    recorder_ = std::make_unique<ReplayRecorder>(keys_);
    ReplayHeader header;
    header.seed = session_.Seed();
    header.mode = shell::kModeVersus;
    header.controls = c;
    header.deadZone = platform::ReadPadDeadZone();
    if (!recordPath.empty()) {
        if (!recorder_->Start(recordPath, header, false, error)) return false;
        recordingPath_ = recordPath;
    } else if (intoReplays &&
               !StartNewReplay(*recorder_, header, std::time(nullptr), recordingPath_, error)) {
        std::fprintf(stderr, "tovuka02: this game is not recorded: %s\n", error.c_str());
        error.clear();
    }
    shell::Button2Click(form_);
    recorder_->EndFrame();  // the start sequence
    if (form_.closeRequested) {
        error = "the game could not start";
        return false;
    }
    // For the tests of the desync report only: this machine's game starts one unit of
    // stamina apart from the other's, so the very first frame differs.
    if (std::getenv("TOVUKA_NET_DESYNC_TEST") != nullptr) --form_.fighter[1].stamina;
    session_.BeginGame(form_, *this);
    return true;
}

uint8_t NetGame::Sample(const fight::FrameInput& local) const {
    return net::SampleNetInput(controls_, local);
}

void NetGame::SetTrace(TraceWriter* writer, const audio::SoundLog* startSounds) {
    trace_ = writer;
    startSounds_ = startSounds;
}

void NetGame::FirstRun(int64_t, const shell::FrameEvents& events) {
    if (playSounds_ && form_.services.sound != nullptr)
        audio::PlaySoundRequests(*form_.services.sound, events.sounds);
}

void NetGame::Confirmed(int64_t frame, const shell::GameState& after,
                        const audio::SoundRequests& sounds, const uint8_t inputs[2]) {
    if (recorder_ != nullptr) {
        fight::FrameInput input;
        net::NetFrameInput(inputs[0], inputs[1], input);
        keys_.Set(input);
        uint8_t snapshot[256];
        recorder_->GetKeyboardState(snapshot);
        recorder_->EndFrame();
    }
    if (trace_ == nullptr || traceError_ != 0) return;
    // The frame's requests as the trace shows them; the first frame's list begins with
    // what the mode button's start sequence asked for.
    audio::SoundLog log;
    if (frame == 0 && startSounds_ != nullptr) {
        for (int i = 0; i < startSounds_->Count(); ++i) {
            const audio::SoundLog::Entry& e = startSounds_->At(i);
            if (e.isMusic)
                log.Music(e.music);
            else
                log.Effect(e.id, e.player, e.volume);
        }
    }
    audio::PlaySoundRequests(log, sounds);
    if (!trace_->Write(after, frame, log)) traceError_ = errno != 0 ? errno : EIO;
}

void NetGame::Finish() {
    if (recorder_ != nullptr) recorder_->Finish();
}

bool NetGame::WriteDesyncDump(int64_t frame, std::string& path) const {
    const net::Rollback* game = session_.Game();
    const shell::GameState* state = game != nullptr ? game->StateAfter(frame) : nullptr;
    if (state == nullptr) return false;
    std::error_code ec;
    std::filesystem::create_directories("replays", ec);
    path = "replays/desync-frame" + std::to_string(frame) +
           (session_.LocalPlayer() == 0 ? "-host" : "-join") + ".state";
    std::ofstream out(path);
    out << "# the game state after frame " << frame << " on this machine, field by field\n";
    out << "checksum " << shell::StateChecksum(*state) << "\n";
    for (const std::string& line : shell::StateFields(*state))
        out << line << "\n";
    return static_cast<bool>(out);
}

}  // namespace app
