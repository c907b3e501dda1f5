// The headless runner.
#include "app/headless.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

#include "app/input_script.h"
#include "app/netplay_headless.h"
#include "app/replay.h"
#include "app/sync_test.h"
#include "app/trace.h"
#include "audio/audio_setup.h"
#include "audio/sound_sink.h"
#include "gfx/screenshot.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "platform/ini_file.h"
#include "platform/presenter.h"
#include "platform/read_file.h"
#include "shell/form.h"
#include "shell/overlay.h"

namespace app {

namespace {

// Takes the pictures the command line asks for: the frame presented at frame N, exactly as
// the window would show it.
class ShotPresenter final : public platform::Presenter {
  public:
    explicit ShotPresenter(const std::vector<Shot>& shots) : shots_(shots), taken_(shots.size()) {}

    void SetFrame(int64_t frame) { frame_ = frame; }

    void Present(const uint32_t* pixels, bool) override {
        for (size_t i = 0; i < shots_.size(); ++i) {
            if (shots_[i].frame != frame_) continue;
            taken_[i] = true;
            if (!gfx::WriteFramePng(pixels, shots_[i].path.c_str())) {
                std::fprintf(stderr, "tovuka02: cannot write picture '%s': %s\n",
                             shots_[i].path.c_str(),
                             errno != 0 ? std::strerror(errno) : "write failed");
                failed_ = true;
            }
        }
    }

    // False, after saying which, when a picture was not written.
    bool AllTaken() const {
        bool ok = !failed_;
        for (size_t i = 0; i < shots_.size(); ++i) {
            if (taken_[i]) continue;
            std::fprintf(stderr, "tovuka02: frame %lld was not shown; '%s' not written\n",
                         static_cast<long long>(shots_[i].frame), shots_[i].path.c_str());
            ok = false;
        }
        return ok;
    }

  private:
    const std::vector<Shot>& shots_;
    std::vector<bool> taken_;
    int64_t frame_ = -1;
    bool failed_ = false;
};

// The header of a recording made of this run: the settings as the mode button finds them.
ReplayHeader HeaderOf(const shell::TForm1& form, uint32_t seed, int mode) {
    ReplayHeader h;
    h.seed = seed;
    h.mode = mode;
    h.controls = form.controls;
    h.deadZone = platform::ReadPadDeadZone();
    return h;
}

}  // namespace

int RunHeadless(const Options& options) {
    if (options.syncDepth != 0) return RunSyncTest(options);
    if (options.netHost || options.netJoin) return RunNetplayHeadless(options);
    std::vector<KeyEvent> events;
    if (!options.inputPath.empty() && !LoadInputScript(options.inputPath, events)) return 2;

    // A replay brings the seed, the settings, the mode button and every frame's input.
    Replay replay;
    const bool playing = !options.replayPath.empty();
    if (playing) {
        std::string error;
        if (!LoadReplay(options.replayPath, replay, error)) {
            std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
            return 2;
        }
    }

    TraceFile trace;
    if (!options.tracePath.empty() && !trace.Open(options.tracePath)) return 2;

    // Time never passes by itself here: sleeping only moves this clock.
    platform::ManualClock clock;
    platform::ScriptedDevices devices;
    ReplayRecorder recorder(devices);
    ReplayPlayer player(replay);
    audio::SoundLog sounds;
    shell::TrainingOverlay overlay;
    if (options.overlay) overlay.Toggle();

    auto form = std::make_unique<shell::TForm1>();
    shell::ConstructForm(*form);
    form->services.clock = &clock;
    form->services.devices = playing ? &player.Devices() : &recorder;
    form->services.sound = &sounds;
    if (options.overlay) form->services.overlay = &overlay;
    audio::UseHeadlessAudio(&sounds);  // no device; the music's steps go into the trace
    ShotPresenter shots(options.shots);
    if (!options.shots.empty()) form->services.presenter = &shots;

    uint32_t seed = options.hasSeed ? options.seed : static_cast<uint32_t>(std::time(nullptr));
    if (playing) seed = replay.header.seed;
    shell::FormShow(*form, seed);
    int64_t frames = options.frames;
    if (playing) {
        player.Start(*form);
        if (!options.hasFrames || replay.frames < frames) frames = replay.frames;
    } else {
        if (options.mode == 0) {
            shell::FormClose(*form);
            return shots.AllTaken() ? 0 : 1;
        }
        if (options.hasDifficulty) form->controls.difficulty = options.difficulty;
        if (options.hasSpeed) form->controls.speed = options.speed;
        if (!options.recordPath.empty()) {
            std::string error;
            if (!recorder.Start(options.recordPath, HeaderOf(*form, seed, options.mode), false,
                                error)) {
                std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
                shell::FormClose(*form);
                return 2;
            }
        }
        PressModeButton(*form, options.mode);
        recorder.EndFrame();  // the start sequence is over
    }

    std::unique_ptr<TraceWriter> writer;
    if (trace.File() != nullptr) writer = std::make_unique<TraceWriter>(trace.File());

    const auto start = std::chrono::steady_clock::now();
    size_t next = 0;
    int64_t frame = 0;
    for (; frame < frames && !form->closeRequested; ++frame) {
        // Key events take effect before the frame's routine; ESC and SPACE also reach the
        // form's key handler there, between two frames.
        if (playing) player.BeforeFrame(*form, frame);
        for (; !playing && next < events.size() && events[next].frame <= frame; ++next) {
            const KeyEvent& e = events[next];
            devices.SetKey(e.vk, e.down);
            if (e.down && (e.vk == platform::VK_ESCAPE || e.vk == platform::VK_SPACE)) {
                recorder.KeyPressed(e.vk);
                shell::FormKeyDown(*form, e.vk);
            }
            if (form->closeRequested) break;
        }
        if (form->closeRequested) break;
        shots.SetFrame(frame);
        shell::AppIdle(*form);
        recorder.EndFrame();
        const shell::TrainingState* training =
            form->gameMode == shell::kModeTraining ? &form->training : nullptr;
        if (writer && !writer->Write(*form, frame, sounds, training)) {
            trace.Failed(errno);
            ++frame;
            break;
        }
        sounds.Clear();
    }
    shell::FormClose(*form);
    recorder.Finish();
    const bool shotsTaken = shots.AllTaken();
    const bool traceWritten = trace.Close();

    if (options.bench) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double rate = seconds > 0 ? static_cast<double>(frame) / seconds : 0.0;
        std::printf("bench: %lld frames in %.3f s, %.0f frames/s\n", static_cast<long long>(frame),
                    seconds, rate);
    }
    return shotsTaken && traceWritten ? 0 : 1;
}

}  // namespace app
