// The drawing of one whole fight frame into the frame buffer, and the set-up of a fight
// with its twenty sheets, with placeholder sheets in a game folder of their own.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "../tests/gfx_test_sheets.h"
#include "audio/sound_sink.h"
#include "gfx/player_colours.h"
#include "gfx/sheets.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "shell/form.h"
#include "shell/routines.h"

namespace {

// A game folder with the common sheets and fighters 1 and 2, made once per process, or the
// folder TOVUKA_BENCH_GAME names (the generated game, say); the benchmarks run inside it.
const std::string& GameFolder() {
    static const std::string folder = [] {
        if (const char* given = std::getenv("TOVUKA_BENCH_GAME")) return std::string(given);
        char tmpl[] = "/tmp/tovuka-bench-XXXXXX";
        const char* dir = mkdtemp(tmpl);
        std::string path = dir ? dir : "/tmp";
        gfx_test::WritePlaceholderGame(path, {1, 2});
        return path;
    }();
    return folder;
}

struct Fight {
    platform::ManualClock clock;
    platform::ScriptedDevices devices;
    audio::SoundLog sounds;
    std::unique_ptr<shell::TForm1> form = std::make_unique<shell::TForm1>();
    std::unique_ptr<gfx_test::InDirectory> here;

    explicit Fight(int kind2 = 2) {
        here = std::make_unique<gfx_test::InDirectory>(GameFolder());
        shell::ConstructForm(*form);
        form->services.clock = &clock;
        form->services.devices = &devices;
        form->services.sound = &sounds;
        shell::FormShow(*form, 1);
        shell::Button3Click(*form);  // tournament: the status line shows
        form->chosenKind[0] = 1;
        form->chosenKind[1] = kind2;
        shell::LoadFighters(*form);
        form->gameState = shell::kStateFight;
        form->phase = 0;
        form->phaseFrames = 10;  // the "ready" message over the fighters
    }
};

void BM_WholeFightFrame(benchmark::State& state) {
    Fight fight;
    shell::TForm1& form = *fight.form;
    for (auto _ : state) {
        // Both players' banners, as after a double counter-hit.
        form.fighter[0].counterHitFlag = form.fighter[1].counterHitFlag = 1;
        form.fighter[0].weakHitFlag = form.fighter[1].weakHitFlag = 1;
        shell::DrawScene(form);
        shell::DrawTextPass(form);
        shell::DrawStatePictures(form);
        benchmark::DoNotOptimize(form.display.frame[400 * 800 + 400]);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeFightFrame)->Unit(benchmark::kMicrosecond);

// LoadFighters: two fighter builds and twenty sheets, the files decoded before.
void BM_FightSetUp(benchmark::State& state) {
    Fight fight;
    for (auto _ : state)
        shell::LoadFighters(*fight.form);
}
BENCHMARK(BM_FightSetUp)->Unit(benchmark::kMillisecond);

// The same with every file decoded anew (the first fight with these fighters).
void BM_FightSetUpFirstTime(benchmark::State& state) {
    Fight fight;
    for (auto _ : state) {
        gfx::ClearSheetCache();
        shell::LoadFighters(*fight.form);
    }
}
BENCHMARK(BM_FightSetUpFirstTime)->Unit(benchmark::kMillisecond);

// Dressing both players in their colours with nothing kept from before (the first fight
// with these fighters): each player's two shared sheets recoloured; in a mirror match (1)
// player 2's own sheets too. With the placeholder game no pixel changes colour (its pictures
// have none of the areas), so only the reading of the sheets is measured; the generated
// game (TOVUKA_BENCH_GAME) shows the whole cost.
void BM_DressPlayersFirstTime(benchmark::State& state) {
    const bool mirror = state.range(0) != 0;
    Fight fight(mirror ? 1 : 2);
    gfx::Display& display = fight.form->display;
    for (auto _ : state) {
        for (gfx::PlayerColours& colours : display.colours)
            colours = gfx::PlayerColours{};
        gfx::LoadPlayerSheets(display, 2, fight.form->chosenKind[1]);
        gfx::DressPlayer(display, 1, 1, false);
        gfx::DressPlayer(display, 2, fight.form->chosenKind[1], mirror);
    }
}
BENCHMARK(BM_DressPlayersFirstTime)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
