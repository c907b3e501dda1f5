// Tovuka02: a two-player martial-arts fighting game.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/command_line.h"
#include "app/dump_fighter.h"
#include "app/game_folder.h"
#include "app/headless.h"
#include "app/matchups.h"
#include "app/replay_window.h"
#include "app/window_host.h"
#include "platform/signals.h"

namespace {

// Everything the run printed on standard output must have got there (a full disk or a
// closed pipe is an error, not a success).
int CheckStandardOutput(int status) {
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return status;
    std::fprintf(stderr, "tovuka02: cannot write standard output: %s\n", std::strerror(errno));
    return status == 0 ? 1 : status;
}

int Run(const app::Options& options) {
    switch (options.kind) {
        case app::RunKind::kHeadless: return app::RunHeadless(options);
        case app::RunKind::kDumpFighter: return app::DumpFighter(options);
        case app::RunKind::kMatchups: return app::RunMatchups(options);
        case app::RunKind::kWindow: break;
    }
    if (!options.replayPath.empty()) return app::RunWindowReplay(options.replayPath);
    if (options.netHost || options.netJoin) return app::RunWindowNetwork(options);
    if (options.training) return app::RunWindowTraining();
    return app::RunWindow();
}

}  // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    app::Options options;
    std::string error;
    if (!app::ParseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
        return 2;
    }
    if (!app::EnterGameFolder(options, error)) {
        std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
        return 1;
    }
    return CheckStandardOutput(Run(options));
}
