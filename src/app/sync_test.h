// The sync test: every frame the state is saved, the next N frames are run, the state is
// restored and the same N frames run again; the checksums must agree frame by frame. A
// frame that reads anything but its state and its input, or leaves anything but its state
// changed, shows here long before it would split a network game.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/input_script.h"
#include "fight/frame_input.h"
#include "shell/form.h"
#include "shell/game_step.h"

namespace app {

// An input script's events as the frames read them: before each frame its key presses go
// to the form's key handler and the keys held go into the frame's input. A copy goes on
// from where the original stands, so the same frames can be fed twice.
class ScriptFeed {
  public:
    explicit ScriptFeed(const std::vector<KeyEvent>& events) : events_(&events) {}
    // Frames are asked in order. A press that ends the program stops there.
    void Before(shell::TForm1& form, int64_t frame, fight::FrameInput& input);

  private:
    const std::vector<KeyEvent>* events_;
    size_t next_ = 0;
    uint8_t keys_[256] = {};
};

struct SyncMismatch {
    int64_t frame = 0;
    std::vector<std::string> fields;  // the fields that differ between the two runs
};

class SyncTester {
  public:
    // The frame that is checked: the game's own, unless a test hands in another.
    using Step = void (*)(shell::GameState&, const fight::FrameInput&, shell::FrameEvents&);

    SyncTester(shell::TForm1& form, int depth, Step step = shell::GameFrame);

    // Runs frames frame .. frame + depth - 1 twice from the form's state as it is, with the
    // feed's input, and puts the state back. False, with the first frame that differs,
    // when the runs part.
    bool Check(const ScriptFeed& feed, int64_t frame, SyncMismatch& mismatch);

  private:
    // Runs up to `count` frames from the saved state; their checksums go into sums and,
    // given `states`, the states themselves. Given `expected` checksums, stops after the
    // first frame whose checksum is not the one expected, leaving the form in that state.
    // The number of frames run (fewer when the program ends).
    int Run(const ScriptFeed& feed, int64_t frame, int count, uint64_t* sums,
            shell::GameState* states, const uint64_t* expected);
    void Restore();

    shell::TForm1& form_;
    int depth_;
    Step step_;
    std::unique_ptr<shell::GameState> saved_;
    std::unique_ptr<shell::GameState[]> firstRun_;  // the states of the first run, by frame
    bool savedClose_ = false;
};

// --headless --sync-test N: the game from the mode button with the sync check at every
// frame. 0 when the runs always agree, 1 on the first mismatch (said on standard error),
// 2 for a bad input script.
int RunSyncTest(const Options& options);

}  // namespace app
