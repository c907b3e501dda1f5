// The simulation alone: one fight frame of two computer players, and a fighter build.
#include <benchmark/benchmark.h>

#include <memory>

#include "audio/sound_sink.h"
#include "engine/roster.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "shell/form.h"
#include "shell/routines.h"

namespace {

struct Arena {
    platform::ManualClock clock;
    platform::ScriptedDevices devices;
    audio::NullSink sound;  // sound requests are of no interest here
    std::unique_ptr<shell::TForm1> form = std::make_unique<shell::TForm1>();

    void NewFight(uint32_t seed, int a, int b) {
        shell::ConstructForm(*form);
        form->services = {&clock, &devices, &sound, nullptr};
        form->rng.Seed(seed);
        form->gameMode = shell::kModeView;  // both computer; no start sequence
        form->chosenKind[0] = a;
        form->chosenKind[1] = b;
        engine::ResetFighter(form->fighter[0], engine::kSideLeft);
        engine::ResetFighter(form->fighter[1], engine::kSideRight);
        engine::BuildFighter(form->fighter[0], a, b);
        engine::BuildFighter(form->fighter[1], b, a);
        form->gameState = shell::kStateFight;
        form->phase = 1;
        form->phaseFrames = 0;
    }
};

// FightFrame with both fighters played by the computer; a fight that ends is started anew
// (outside the timing) so every measured frame is a real fight frame.
void BM_FightFrame(benchmark::State& state) {
    Arena arena;
    uint32_t seed = 1;
    arena.NewFight(seed, 2, 11);
    const fight::FrameInput input{};  // nobody presses anything; the computers play
    shell::FrameEvents events{};
    for (auto _ : state) {
        events.Clear();
        shell::FightFrame(*arena.form, input, events);
        if (arena.form->phase >= 3 || arena.form->gameState != shell::kStateFight) {
            state.PauseTiming();
            ++seed;
            arena.NewFight(seed, 1 + seed % 15, 1 + seed * 7 % 15);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FightFrame);

// Reset, init, both stance tables and the common motions of one fighter.
void BM_BuildFighter(benchmark::State& state) {
    auto fighter = std::make_unique<engine::Fighter>();
    int kind = 1;
    for (auto _ : state) {
        engine::ResetFighter(*fighter, 1);
        engine::BuildFighter(*fighter, kind, 2);
        benchmark::DoNotOptimize(fighter->tables[0][20][1].damage);
        kind = kind % 15 + 1;
    }
}
BENCHMARK(BM_BuildFighter);

}  // namespace
