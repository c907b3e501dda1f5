// Rollback, after the model of the GGPO library: the game runs ahead on a prediction of
// the other player's input (the last input of theirs it has), and when their real input
// for an earlier frame arrives and differs, the game goes back to the state before that
// frame and runs the frames again with it. It never runs more than kMaxRollback frames
// past the last frame whose inputs are both known.
//
// This part knows nothing of the network: it takes inputs as they come and says which
// frames are confirmed (both inputs known and the frame run with them), with the state
// after each and its sounds, so that both machines trace, record and checksum the same.
#pragma once

#include <cstdint>
#include <memory>

#include "audio/sound_requests.h"
#include "shell/frame_events.h"
#include "shell/game_state.h"

namespace net {

constexpr int kMaxRollback = 8;
constexpr int kStateRing = 64;   // states kept: before each of the last 64 frames
constexpr int kInputRing = 256;  // inputs kept per player

class RollbackListener {
  public:
    virtual ~RollbackListener() = default;
    // A frame run for the first time: its sounds play now (frames run again play nothing).
    virtual void FirstRun(int64_t frame, const shell::FrameEvents& events) = 0;
    // Frame `frame` is final: both inputs known and run with them; `after` is the state at
    // its end and `sounds` what it asked for.
    virtual void Confirmed(int64_t frame, const shell::GameState& after,
                           const audio::SoundRequests& sounds, const uint8_t inputs[2]) = 0;
};

struct RollbackStats {
    int64_t rollbacks = 0;        // times the game went back
    int64_t framesRerun = 0;      // frames run again in all
    int64_t deepest = 0;          // the most frames run again at once
    int64_t predictionWaits = 0;  // ticks the game could not run ahead
};

class Rollback {
  public:
    // state: the game to run, at frame 0; local: the player of this machine (0 or 1).
    Rollback(shell::GameState& state, int local, RollbackListener& listener);

    // A player's input for a frame. Inputs come in frame order per player (repeats of a
    // known frame are ignored, gaps are refused). A remote input for a frame already run
    // on a different prediction sends the game back there at the next Resolve.
    bool AddInput(int player, int64_t frame, uint8_t value);

    // A known input of the player (frame <= LastInput, still kept); 0 for any other.
    uint8_t InputAt(int player, int64_t frame) const;
    // The last frame with a known input of the player (-1: none).
    int64_t LastInput(int player) const { return last_[player]; }
    // The next frame to run.
    int64_t Current() const { return current_; }
    // The last confirmed frame (-1: none).
    int64_t Confirmed() const { return confirmed_; }

    // Runs again what a late input changed, then confirms the frames that are final.
    void Resolve();
    // Whether the next frame may run: this machine's input for it is known, it does not
    // run more than kMaxRollback frames past the last frame with both inputs, and it is
    // not past `lastFrame`.
    bool CanAdvance(int64_t lastFrame) const;
    // Runs the next frame (its sounds go to the listener).
    void Advance();

    // Whether the fighters' sheets are wanted since the last call (a fight was set up in
    // a frame run or run again).
    bool TakeFightersBuilt();

    // The events of the last frame run (the newest frame): the banners the picture shows.
    const shell::FrameEvents& LastEvents() const { return events_; }

    // The state after a frame that is still kept (for a desync's dump), or null.
    const shell::GameState* StateAfter(int64_t frame) const;

    const RollbackStats& Stats() const { return stats_; }
    // A tick in which the next frame could not run.
    void NoteWait() { ++stats_.predictionWaits; }

  private:
    uint8_t InputFor(int player, int64_t frame) const;
    void Run(int64_t frame, bool firstTime);

    shell::GameState& state_;
    int local_;
    RollbackListener& listener_;
    int64_t current_ = 0;
    int64_t confirmed_ = -1;
    int64_t last_[2] = {-1, -1};
    int64_t rerunFrom_ = INT64_MAX;
    int64_t highestRun_ = -1;
    bool fightersBuilt_ = false;
    uint8_t inputs_[2][kInputRing] = {};
    uint8_t used_[kStateRing][2] = {};
    std::unique_ptr<shell::GameState[]> states_;  // states_[f % ring]: the state before f
    std::unique_ptr<audio::SoundRequests[]> sounds_;
    shell::FrameEvents events_{};
    RollbackStats stats_;
};

}  // namespace net
