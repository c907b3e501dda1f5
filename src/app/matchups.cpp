// The matchup simulator.
#include "app/matchups.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include "audio/sound_sink.h"
#include "engine/roster.h"
#include "fight/cpu.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "shell/form.h"

namespace app {

namespace {

constexpr int kKinds = 15;
constexpr int kFrameLimit = 60000;  // 40 minutes of game time: far beyond any fight

// One simulated game, reused for many fights by one thread.
struct Arena {
    platform::ManualClock clock;
    platform::ScriptedDevices devices;
    audio::NullSink sound;  // sound requests are of no interest here
    std::unique_ptr<shell::TForm1> form = std::make_unique<shell::TForm1>();
};

FightOutcome Fight(Arena& arena, int a, int b, uint32_t seed, int power) {
    shell::TForm1& form = *arena.form;
    shell::ConstructForm(form);
    form.services.clock = &arena.clock;
    form.services.devices = &arena.devices;
    form.services.sound = &arena.sound;
    form.rng.Seed(seed);
    // Computer against computer, set up as the fight set-up does it but without the start
    // sequence (no settings file, display, sheets or sound).
    form.gameMode = shell::kModeView;
    form.fighter[0].powerLevel = 0;
    form.fighter[1].powerLevel = power;
    form.chosenKind[0] = a;
    form.chosenKind[1] = b;
    engine::ResetFighter(form.fighter[0], engine::kSideLeft);
    engine::ResetFighter(form.fighter[1], engine::kSideRight);
    engine::BuildFighter(form.fighter[0], a, b);
    engine::BuildFighter(form.fighter[1], b, a);
    fight::ResetCpu(form.fighter[0]);
    fight::ResetCpu(form.fighter[1]);
    form.gameState = shell::kStateFight;
    form.phase = shell::kPhaseReady;
    form.phaseFrames = 0;
    for (int frame = 1; frame <= kFrameLimit; ++frame) {
        shell::AppIdle(form);
        if (form.phase >= 2) {
            const int loser =
                (form.fighter[0].koMark != 0 ? 1 : 0) | (form.fighter[1].koMark != 0 ? 2 : 0);
            return {frame, loser, frame};
        }
    }
    return {-1, 0, kFrameLimit};
}

}  // namespace

FightOutcome SimulateFight(int a, int b, uint32_t seed, int power) {
    Arena arena;
    return Fight(arena, a, b, seed, power);
}

MatchupResult RunMatchupTable(int seeds, int power, int threads) {
    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int jobs = kKinds * kKinds * seeds;
    std::atomic<int> next{0};
    std::mutex merge;
    MatchupResult result;
    const auto start = std::chrono::steady_clock::now();
    auto worker = [&] {
        Arena arena;
        MatchupResult local;
        for (int job = next++; job < jobs; job = next++) {
            const int a = job / (kKinds * seeds) + 1;
            const int b = job / seeds % kKinds + 1;
            const uint32_t seed = static_cast<uint32_t>(job % seeds + 1) * 7919u + a * 31u + b;
            const FightOutcome o = Fight(arena, a, b, seed, power);
            local.frames += o.simulated;
            if (o.frames < 0) continue;
            local.lengths.push_back(o.frames);
            ++local.fights[a - 1][b - 1];
            ++local.fights[b - 1][a - 1];
            if (o.loser == 3)
                ++local.draws;
            else if (o.loser == 2)
                ++local.wins[a - 1][b - 1];
            else
                ++local.wins[b - 1][a - 1];
        }
        std::lock_guard<std::mutex> lock(merge);
        for (int i = 0; i < kKinds; ++i)
            for (int j = 0; j < kKinds; ++j) {
                result.wins[i][j] += local.wins[i][j];
                result.fights[i][j] += local.fights[i][j];
            }
        result.draws += local.draws;
        result.frames += local.frames;
        result.lengths.insert(result.lengths.end(), local.lengths.begin(), local.lengths.end());
    };
    std::vector<std::thread> pool;
    pool.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(worker);
    for (std::thread& t : pool)
        t.join();
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::sort(result.lengths.begin(), result.lengths.end());
    return result;
}

namespace {

int Percent(int wins, int fights) {
    return fights > 0 ? (wins * 100 + fights / 2) / fights : 0;
}

void PrintTable(const MatchupResult& r) {
    std::printf("win rate %% of the row's fighter against the column's (both sides)\n    ");
    for (int b = 1; b <= kKinds; ++b)
        std::printf("%4d", b);
    std::printf("   all\n");
    for (int a = 0; a < kKinds; ++a) {
        int wins = 0, fights = 0;
        std::printf("%3d ", a + 1);
        for (int b = 0; b < kKinds; ++b) {
            std::printf("%4d", Percent(r.wins[a][b], r.fights[a][b]));
            wins += r.wins[a][b];
            fights += r.fights[a][b];
        }
        std::printf("  %3d%%\n", Percent(wins, fights));
    }
}

bool WriteCsv(const MatchupResult& r, const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (f == nullptr) return false;
    std::fprintf(f, "fighter");
    for (int b = 1; b <= kKinds; ++b)
        std::fprintf(f, ",vs%d", b);
    std::fprintf(f, ",overall\n");
    for (int a = 0; a < kKinds; ++a) {
        int wins = 0, fights = 0;
        std::fprintf(f, "%d", a + 1);
        for (int b = 0; b < kKinds; ++b) {
            const double rate = r.fights[a][b] ? double(r.wins[a][b]) / r.fights[a][b] : 0.0;
            std::fprintf(f, ",%.3f", rate);
            wins += r.wins[a][b];
            fights += r.fights[a][b];
        }
        std::fprintf(f, ",%.3f\n", fights ? double(wins) / fights : 0.0);
    }
    return std::fclose(f) == 0;
}

}  // namespace

int RunMatchups(const Options& options) {
    const int power = options.hasDifficulty ? options.difficulty : 0;
    const MatchupResult r = RunMatchupTable(options.seeds, power, 0);
    PrintTable(r);
    const size_t n = r.lengths.size();
    const int expected = kKinds * kKinds * options.seeds;
    std::printf(
        "fights: %zu (unfinished %d, both down %d); fight length in frames: median %d, "
        "10%% %d, 90%% %d\n",
        n, expected - static_cast<int>(n), r.draws, n ? r.lengths[n / 2] : 0,
        n ? r.lengths[n / 10] : 0, n ? r.lengths[n * 9 / 10] : 0);
    std::printf("throughput: %.0f fights/s, %.0f frames/s (%.2f s)\n",
                r.seconds > 0 ? expected / r.seconds : 0.0,
                r.seconds > 0 ? static_cast<double>(r.frames) / r.seconds : 0.0, r.seconds);
    if (!options.csvPath.empty() && !WriteCsv(r, options.csvPath)) {
        std::fprintf(stderr, "tovuka02: cannot write '%s'\n", options.csvPath.c_str());
        return 1;
    }
    return 0;
}

}  // namespace app
