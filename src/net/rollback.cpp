// The rollback.
#include "net/rollback.h"

#include <algorithm>

#include "fight/frame_input.h"
#include "net/net_input.h"
#include "shell/game_step.h"

namespace net {

namespace {

size_t Slot(int64_t frame, int ring) {
    return static_cast<size_t>(frame % ring);
}

}  // namespace

Rollback::Rollback(shell::GameState& state, int local, RollbackListener& listener)
    : state_(state),
      local_(local),
      listener_(listener),
      states_(std::make_unique<shell::GameState[]>(kStateRing)),
      sounds_(std::make_unique<audio::SoundRequests[]>(kStateRing)) {}

bool Rollback::AddInput(int player, int64_t frame, uint8_t value) {
    if (player < 0 || player > 1 || frame < 0) return false;
    if (frame <= last_[player]) return true;  // already known
    if (frame != last_[player] + 1) return false;
    // A frame far beyond what is still needed would overwrite inputs in use.
    if (frame - std::min(confirmed_, current_) >= kInputRing - kMaxRollback) return false;
    inputs_[player][Slot(frame, kInputRing)] = value;
    last_[player] = frame;
    if (frame < current_ && used_[Slot(frame, kStateRing)][player] != value)
        rerunFrom_ = std::min(rerunFrom_, frame);
    return true;
}

uint8_t Rollback::InputAt(int player, int64_t frame) const {
    if (player < 0 || player > 1 || frame < 0 || frame > last_[player] ||
        last_[player] - frame >= kInputRing)
        return 0;
    return inputs_[player][Slot(frame, kInputRing)];
}

uint8_t Rollback::InputFor(int player, int64_t frame) const {
    if (frame <= last_[player]) return inputs_[player][Slot(frame, kInputRing)];
    // Not here yet: the prediction is the player's last known input.
    return last_[player] < 0 ? 0 : inputs_[player][Slot(last_[player], kInputRing)];
}

void Rollback::Run(int64_t frame, bool firstTime) {
    const size_t slot = Slot(frame, kStateRing);
    states_[slot] = state_;
    used_[slot][0] = InputFor(0, frame);
    used_[slot][1] = InputFor(1, frame);
    fight::FrameInput input;
    NetFrameInput(used_[slot][0], used_[slot][1], input);
    shell::GameFrame(state_, input, events_);
    sounds_[slot] = events_.sounds;
    if (events_.fightersBuilt) fightersBuilt_ = true;
    if (firstTime) listener_.FirstRun(frame, events_);
}

void Rollback::Resolve() {
    if (rerunFrom_ < current_) {
        const int64_t from = rerunFrom_;
        state_ = states_[Slot(from, kStateRing)];
        for (int64_t f = from; f < current_; ++f)
            Run(f, false);
        ++stats_.rollbacks;
        stats_.framesRerun += current_ - from;
        stats_.deepest = std::max(stats_.deepest, current_ - from);
    }
    rerunFrom_ = INT64_MAX;
    const int64_t known = std::min(last_[0], last_[1]);
    const int64_t upTo = std::min(known, current_ - 1);
    for (int64_t f = confirmed_ + 1; f <= upTo; ++f) {
        const shell::GameState& after =
            f + 1 < current_ ? states_[Slot(f + 1, kStateRing)] : state_;
        listener_.Confirmed(f, after, sounds_[Slot(f, kStateRing)], used_[Slot(f, kStateRing)]);
        confirmed_ = f;
    }
}

bool Rollback::CanAdvance(int64_t lastFrame) const {
    if (current_ > lastFrame) return false;
    if (last_[local_] < current_) return false;
    const int64_t known = std::min(last_[0], last_[1]);
    return current_ - known <= kMaxRollback;
}

void Rollback::Advance() {
    const bool firstTime = current_ > highestRun_;
    Run(current_, firstTime);
    highestRun_ = std::max(highestRun_, current_);
    ++current_;
}

bool Rollback::TakeFightersBuilt() {
    const bool built = fightersBuilt_;
    fightersBuilt_ = false;
    return built;
}

const shell::GameState* Rollback::StateAfter(int64_t frame) const {
    if (frame < 0 || frame >= current_ || current_ - frame >= kStateRing) return nullptr;
    return frame + 1 < current_ ? &states_[Slot(frame + 1, kStateRing)] : &state_;
}

}  // namespace net
