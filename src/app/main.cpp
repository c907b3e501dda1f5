// Tovuka02: a two-player martial-arts fighting game.
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/dump_fighter.h"
#include "app/headless.h"
#include "app/matchups.h"
#include "app/replay_window.h"
#include "app/window_host.h"

int main(int argc, char** argv) {
    app::Options options;
    std::string error;
    if (!app::ParseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
        return 2;
    }
    switch (options.kind) {
        case app::RunKind::kHeadless: return app::RunHeadless(options);
        case app::RunKind::kDumpFighter: return app::DumpFighter(options);
        case app::RunKind::kMatchups: return app::RunMatchups(options);
        case app::RunKind::kWindow: break;
    }
    if (!options.replayPath.empty()) return app::RunWindowReplay(options.replayPath);
    return app::RunWindow();
}
