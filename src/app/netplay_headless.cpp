// The headless network game. The input script is this player's: FRAME is the game frame
// whose input the keys are (the input delay does not move it), read with this machine's
// player-1 keys. ESC pressed twice within two seconds (50 frames) leaves.
#include "app/netplay_headless.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/input_script.h"
#include "app/net_game.h"
#include "app/trace.h"
#include "audio/audio_setup.h"
#include "audio/sound_sink.h"
#include "platform/clock.h"
#include "platform/devices.h"

namespace app {

namespace {

constexpr int64_t kLeaveWindowFrames = 50;  // two seconds at 40 ms a frame

uint32_t NowMs() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The script's keys as of a frame, and whether ESC twice asks to leave.
class ScriptKeys {
  public:
    explicit ScriptKeys(const std::vector<KeyEvent>& events) : events_(events) {}
    // Frames are asked in order.
    void At(int64_t frame, fight::FrameInput& out) {
        for (; next_ < events_.size() && events_[next_].frame <= frame; ++next_) {
            const KeyEvent& e = events_[next_];
            keys_[e.vk & 0xFF] = e.down ? platform::kKeyDownBit : 0;
            if (!e.down || e.vk != platform::VK_ESCAPE) continue;
            if (lastEsc_ >= 0 && e.frame - lastEsc_ <= kLeaveWindowFrames) leave_ = true;
            lastEsc_ = e.frame;
        }
        std::memset(&out, 0, sizeof out);
        std::memcpy(out.keys, keys_, sizeof keys_);
    }
    bool Leave() const { return leave_; }

  private:
    const std::vector<KeyEvent>& events_;
    size_t next_ = 0;
    uint8_t keys_[256] = {};
    int64_t lastEsc_ = -1;
    bool leave_ = false;
};

int StatusOf(net::SessionEnd end) {
    switch (end) {
        case net::SessionEnd::kFinished: return 0;
        case net::SessionEnd::kDesync: return 4;
        default: return 3;
    }
}

}  // namespace

int RunNetplayHeadless(const Options& options) {
    std::vector<KeyEvent> events;
    if (!options.inputPath.empty() && !LoadInputScript(options.inputPath, events)) return 2;
    TraceFile trace;
    if (!options.tracePath.empty() && !trace.Open(options.tracePath)) return 2;

    net::SessionConfig config;
    config.host = options.netHost;
    config.port = static_cast<uint16_t>(options.netPort);
    config.address = options.netAddress;
    config.inputDelay = options.inputDelay;
    config.fighterHash = net::FighterDataHash();
    config.seed = options.hasSeed ? options.seed : static_cast<uint32_t>(std::time(nullptr));
    config.speed = 0;
    net::Session session(config);
    std::string error;
    if (!session.Start(error)) {
        std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
        return 3;
    }
    while (!session.Ready() && session.Ended() == net::SessionEnd::kNone)
        session.PollHandshake(NowMs(), 10);
    if (!session.Ready()) {
        std::fprintf(stderr, "tovuka02: %s\n", session.EndReason().c_str());
        return StatusOf(session.Ended());
    }

    platform::ManualClock clock;
    platform::ScriptedDevices devices;  // no pads without a window
    audio::SoundLog startSounds;
    auto form = std::make_unique<shell::TForm1>();
    shell::ConstructForm(*form);
    form->services.clock = &clock;
    form->services.devices = &devices;
    form->services.sound = &startSounds;
    audio::UseHeadlessAudio(&startSounds);
    shell::FormShow(*form, session.Seed());

    NetGame game(*form, session);
    auto writer = trace.File() != nullptr ? std::make_unique<TraceWriter>(trace.File()) : nullptr;
    game.SetTrace(writer.get(), &startSounds);
    // Without --record the game is still recorded, for a desync's report; the file goes
    // again when the game ends well.
    std::string scratch;
    if (options.recordPath.empty())
        scratch = "replays/netplay-" + std::to_string(::getpid()) + ".replay";
    if (!scratch.empty()) std::filesystem::create_directories("replays");
    if (!game.Begin(options.recordPath.empty() ? scratch : options.recordPath, false, error)) {
        std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
        return 2;
    }
    session.EndAfter(options.frames - 1, false);

    ScriptKeys script(events);
    const auto start = std::chrono::steady_clock::now();
    fight::FrameInput local;
    while (session.Ended() == net::SessionEnd::kNone) {
        const net::Rollback* r = session.Game();
        script.At(r->LastInput(session.LocalPlayer()) + 1, local);
        if (script.Leave()) session.Leave();
        if (!session.Tick(NowMs(), game.Sample(local))) session.Wait(NowMs(), 1);
        if (game.TraceFailed()) break;
    }
    game.Finish();
    shell::FormClose(*form);

    int status = StatusOf(session.Ended());
    if (session.Ended() == net::SessionEnd::kDesync) {
        std::string dump;
        game.WriteDesyncDump(session.DesyncFrame(), dump);
        std::fprintf(stderr, "tovuka02: %s; replay %s, state %s\n", session.EndReason().c_str(),
                     game.RecordingPath().c_str(), dump.c_str());
    } else {
        if (!scratch.empty()) {
            std::error_code ec;
            std::filesystem::remove(scratch, ec);
            std::filesystem::remove("replays", ec);  // only when nothing else is there
        }
        if (!session.EndReason().empty())
            std::fprintf(stderr, "tovuka02: %s\n", session.EndReason().c_str());
    }
    if (writer && game.TraceFailed()) {
        trace.Failed(game.TraceError());
        status = 1;
    }
    if (!trace.Close() && status == 0) status = 1;
    if (options.bench) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const net::RollbackStats& s = session.Game()->Stats();
        const int64_t frames = session.Game()->Confirmed() + 1;
        std::printf(
            "bench: %lld frames in %.3f s, rollbacks %lld, frames run again %lld, deepest %lld, "
            "waits %lld, bytes sent %llu (%.1f per frame) in datagrams %llu\n",
            static_cast<long long>(frames), seconds, static_cast<long long>(s.rollbacks),
            static_cast<long long>(s.framesRerun), static_cast<long long>(s.deepest),
            static_cast<long long>(s.predictionWaits),
            static_cast<unsigned long long>(session.BytesSent()),
            frames > 0 ? static_cast<double>(session.BytesSent()) / static_cast<double>(frames)
                       : 0.0,
            static_cast<unsigned long long>(session.DatagramsSent()));
    }
    return status;
}

}  // namespace app
