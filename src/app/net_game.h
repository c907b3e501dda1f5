// A network versus game on this machine, around the session: the form set up as both
// machines set it up (the host's seed and speed correction, both players on the fixed
// network keys), this player's controls read from this machine's launcher settings, and
// the frames traced and recorded as they are confirmed, so both machines write the same.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/replay.h"
#include "app/trace.h"
#include "audio/sound_sink.h"
#include "net/net_input.h"
#include "net/session.h"
#include "shell/form.h"

namespace app {

// The key snapshot of the last confirmed frame, for the recorder to read.
class NetKeys final : public platform::InputDevices {
  public:
    void Set(const fight::FrameInput& input);
    void GetKeyboardState(uint8_t out[256]) override;
    bool JoyGetPos(uint32_t, platform::JoyInfo&) override { return false; }
    bool JoyGetDevCaps(uint32_t, platform::JoyCaps&) override { return false; }

  private:
    uint8_t keys_[256] = {};
};

class NetGame final : public net::RollbackListener {
  public:
    NetGame(shell::TForm1& form, net::Session& session) : form_(form), session_(session) {}

    // After FormShow with the session's seed (the launcher's settings are this machine's):
    // reads this player's controls from them, starts the recording when asked (path, or
    // a new file in replays/ when `path` is empty and `intoReplays`), presses the VS mode
    // button with the network keys, and begins the session's game. The settings file is
    // not written.
    bool Begin(const std::string& recordPath, bool intoReplays, std::string& error);

    // This player's controls, from this frame's local devices.
    uint8_t Sample(const fight::FrameInput& local) const;

    // The trace (null: none) and whether first-run frames play their sounds.
    void SetTrace(TraceWriter* writer, const audio::SoundLog* startSounds);
    void SetPlaySounds(bool play) { playSounds_ = play; }
    bool TraceFailed() const { return traceError_ != 0; }
    int TraceError() const { return traceError_; }  // errno of the line that failed

    // The end of the game: the recording is finished (up to the last confirmed frame). On
    // a desync, the state of that frame goes into replays/ beside the recording, whose
    // path comes back.
    void Finish();
    bool WriteDesyncDump(int64_t frame, std::string& path) const;
    const std::string& RecordingPath() const { return recordingPath_; }

    void FirstRun(int64_t frame, const shell::FrameEvents& events) override;
    void Confirmed(int64_t frame, const shell::GameState& after, const audio::SoundRequests& sounds,
                   const uint8_t inputs[2]) override;

  private:
    shell::TForm1& form_;
    net::Session& session_;
    net::LocalControls controls_;
    NetKeys keys_;
    std::unique_ptr<ReplayRecorder> recorder_;
    std::string recordingPath_;
    TraceWriter* trace_ = nullptr;
    const audio::SoundLog* startSounds_ = nullptr;
    bool playSounds_ = false;
    int traceError_ = 0;
};

}  // namespace app
