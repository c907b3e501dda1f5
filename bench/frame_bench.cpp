// One frame of the frame loop, without pacing.
#include <benchmark/benchmark.h>

#include <memory>

#include "audio/sound_sink.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "shell/form.h"

namespace {

struct Game {
    platform::ManualClock clock;
    platform::ScriptedDevices devices;
    audio::SoundLog sounds;
    std::unique_ptr<shell::TForm1> form = std::make_unique<shell::TForm1>();

    explicit Game(int mode) {
        shell::ConstructForm(*form);
        form->services.clock = &clock;
        form->services.devices = &devices;
        form->services.sound = &sounds;
        shell::FormShow(*form, 1);
        switch (mode) {
            case 2: shell::Button2Click(*form); break;
            default: shell::Button4Click(*form); break;
        }
    }
};

void BM_AppIdleFrame(benchmark::State& state) {
    Game game(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        shell::AppIdle(*game.form);
        game.sounds.Clear();
        benchmark::DoNotOptimize(game.form->phaseFrames);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppIdleFrame)->Arg(2)->Arg(4);

}  // namespace
