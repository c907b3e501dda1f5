// What rollback costs: saving and restoring the game state, and going back 8 frames (the
// most the game ever goes back) and running them again with their saves.
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/support/game.h"
#include "fight/frame_input.h"
#include "net/net_input.h"
#include "net/rollback.h"
#include "shell/game_state.h"
#include "shell/game_step.h"

namespace {

// A fight of two busy players, a few hundred frames in.
class Fight {
  public:
    Fight() : game_(std::make_unique<testing_support::Game>(11)) {
        game_->StartFight(shell::kModeVersus, 6, 12);
        shell::FrameEvents events{};
        for (int f = 0; f < 300; ++f) {
            fight::FrameInput input;
            net::NetFrameInput(static_cast<uint8_t>(f * 7 % 128),
                               static_cast<uint8_t>(f * 13 % 128), input);
            shell::GameFrame(game_->F(), input, events);
        }
    }
    shell::TForm1& F() { return game_->F(); }

  private:
    std::unique_ptr<testing_support::Game> game_;
};

void BM_SaveAndRestoreState(benchmark::State& state) {
    Fight fight;
    auto saved = std::make_unique<shell::GameState>();
    for (auto _ : state) {
        *saved = fight.F();
        static_cast<shell::GameState&>(fight.F()) = *saved;
        benchmark::DoNotOptimize(saved.get());
    }
}
BENCHMARK(BM_SaveAndRestoreState)->Unit(benchmark::kMicrosecond);

class Silent final : public net::RollbackListener {
  public:
    void FirstRun(int64_t, const shell::FrameEvents&) override {}
    void Confirmed(int64_t, const shell::GameState&, const audio::SoundRequests&,
                   const uint8_t[2]) override {}
};

// The other player's input for the oldest of 8 predicted frames arrives and differs: the
// game restores the state before it and runs the 8 frames again, saving each.
void BM_Rollback8Frames(benchmark::State& state) {
    Fight fight;
    Silent silent;
    net::Rollback rollback(fight.F(), 0, silent);
    int64_t frame = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 8; ++i) {
            rollback.AddInput(0, frame + i, static_cast<uint8_t>((frame + i) % 128));
            rollback.Advance();
        }
        state.ResumeTiming();
        rollback.AddInput(1, frame, static_cast<uint8_t>(frame % 127 + 1));  // not the prediction
        rollback.Resolve();
        state.PauseTiming();
        for (int i = 1; i < 8; ++i)
            rollback.AddInput(1, frame + i, static_cast<uint8_t>(frame % 127 + 1));
        rollback.Resolve();
        frame += 8;
        state.ResumeTiming();
    }
    state.counters["frames_run_again_per_rollback"] =
        static_cast<double>(rollback.Stats().framesRerun) /
        static_cast<double>(rollback.Stats().rollbacks);
}
BENCHMARK(BM_Rollback8Frames)->Unit(benchmark::kMillisecond);

}  // namespace
