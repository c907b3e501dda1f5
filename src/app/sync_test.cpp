// The sync test.
#include "app/sync_test.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/replay.h"
#include "app/trace.h"
#include "audio/audio_setup.h"
#include "audio/sound_sink.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "shell/game_step.h"
#include "shell/state_fields.h"

namespace app {

void ScriptFeed::Before(shell::TForm1& form, int64_t frame, fight::FrameInput& input) {
    for (; next_ < events_->size() && (*events_)[next_].frame <= frame; ++next_) {
        const KeyEvent& e = (*events_)[next_];
        keys_[e.vk & 0xFF] = e.down ? platform::kKeyDownBit : 0;
        if (e.down && (e.vk == platform::VK_ESCAPE || e.vk == platform::VK_SPACE)) {
            shell::FormKeyDown(form, e.vk);
            if (form.closeRequested) {
                ++next_;
                break;
            }
        }
    }
    std::memcpy(input.keys, keys_, sizeof keys_);
    std::memset(input.pads, 0, sizeof input.pads);  // headless games have no pads
}

SyncTester::SyncTester(shell::TForm1& form, int depth, Step step)
    : form_(form),
      depth_(depth < 1   ? 1
             : depth > 8 ? 8
                         : depth),
      step_(step),
      saved_(std::make_unique<shell::GameState>()),
      firstRun_(std::make_unique<shell::GameState[]>(static_cast<size_t>(depth_))) {}

void SyncTester::Restore() {
    static_cast<shell::GameState&>(form_) = *saved_;
    form_.closeRequested = savedClose_;
}

int SyncTester::Run(const ScriptFeed& feed, int64_t frame, int count, uint64_t* sums,
                    shell::GameState* states, const uint64_t* expected) {
    Restore();
    ScriptFeed f = feed;
    fight::FrameInput input;
    for (int i = 0; i < count; ++i) {
        f.Before(form_, frame + i, input);
        if (form_.closeRequested) return i;
        step_(form_, input, form_.frameEvents);
        sums[i] = shell::StateChecksum(form_);
        if (states != nullptr) states[i] = form_;
        if (expected != nullptr && sums[i] != expected[i]) return i + 1;
    }
    return count;
}

bool SyncTester::Check(const ScriptFeed& feed, int64_t frame, SyncMismatch& mismatch) {
    *saved_ = form_;
    savedClose_ = form_.closeRequested;
    uint64_t first[8] = {}, second[8] = {};
    const int a = Run(feed, frame, depth_, first, firstRun_.get(), nullptr);
    // The second run stops where it parts from the first, its state at hand.
    const int b = Run(feed, frame, a, second, nullptr, first);
    int differs = -1;
    for (int i = 0; i < a && i < b && differs < 0; ++i)
        if (first[i] != second[i]) differs = i;
    if (differs < 0 && a != b) differs = a < b ? a : b;
    if (differs >= 0) {
        mismatch.frame = frame + differs;
        if (differs < a) mismatch.fields = shell::StateDifferences(firstRun_[differs], form_, 40);
        if (mismatch.fields.empty())
            mismatch.fields.push_back("(the program ended in one run only)");
    }
    Restore();
    return differs < 0;
}

int RunSyncTest(const Options& options) {
    std::vector<KeyEvent> events;
    if (!options.inputPath.empty() && !LoadInputScript(options.inputPath, events)) return 2;
    TraceFile trace;
    if (!options.tracePath.empty() && !trace.Open(options.tracePath)) return 2;

    platform::ManualClock clock;
    platform::ScriptedDevices devices;
    audio::SoundLog sounds;
    auto form = std::make_unique<shell::TForm1>();
    shell::ConstructForm(*form);
    form->services.clock = &clock;
    form->services.devices = &devices;
    form->services.sound = &sounds;
    audio::UseHeadlessAudio(&sounds);
    const uint32_t seed =
        options.hasSeed ? options.seed : static_cast<uint32_t>(std::time(nullptr));
    shell::FormShow(*form, seed);
    if (options.hasDifficulty) form->controls.difficulty = options.difficulty;
    if (options.hasSpeed) form->controls.speed = options.speed;
    PressModeButton(*form, options.mode);

    SyncTester tester(*form, options.syncDepth);
    ScriptFeed feed(events);
    auto writer = trace.File() != nullptr ? std::make_unique<TraceWriter>(trace.File()) : nullptr;
    int status = 0;
    fight::FrameInput input;
    for (int64_t frame = 0; frame < options.frames && !form->closeRequested; ++frame) {
        SyncMismatch mismatch;
        if (!tester.Check(feed, frame, mismatch)) {
            std::fprintf(stderr,
                         "tovuka02: sync test: frame %lld came out differently when run again; "
                         "the fields that differ (first run, second run in brackets):\n",
                         static_cast<long long>(mismatch.frame));
            for (const std::string& line : mismatch.fields)
                std::fprintf(stderr, "  %s\n", line.c_str());
            status = 1;
            break;
        }
        feed.Before(*form, frame, input);
        if (form->closeRequested) break;
        shell::GameFrame(*form, input, form->frameEvents);
        shell::PlayFrameEvents(*form, form->frameEvents);
        if (writer && !writer->Write(*form, frame, sounds)) {
            trace.Failed(errno);
            status = 1;
            break;
        }
        sounds.Clear();
    }
    shell::FormClose(*form);
    if (!trace.Close() && status == 0) status = 1;
    return status;
}

}  // namespace app
