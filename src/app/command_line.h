// The program's command line: normal start, headless runs, replays, the fighter dump, the
// matchup simulator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {

enum class RunKind { kWindow, kHeadless, kDumpFighter, kMatchups };

struct Shot {
    int64_t frame;
    std::string path;
};

struct Options {
    RunKind kind = RunKind::kWindow;
    bool hasSeed = false;
    uint32_t seed = 0;
    int64_t frames = 100000;
    int mode = 0;  // 0: no mode button; else 1 free, 2 vs, 3 tournament, 4 view, 5 training
    bool training = false;  // --training
    bool hasDifficulty = false;
    int difficulty = 0;
    bool hasSpeed = false;
    int speed = 0;
    std::string inputPath;
    std::string tracePath;
    std::vector<Shot> shots;
    bool bench = false;
    int dumpKind = 0;
    int dumpPower = 0;
    int dumpOpponent = 0;  // 0: the fighter itself
    bool hasFrames = false;
    std::string replayPath;  // play this recording (window or headless run)
    std::string recordPath;  // headless: record the game into this replay file
    bool overlay = false;    // headless: the training overlay shown from the start
    int seeds = 10;          // matchups: fights per pairing and side
    std::string csvPath;     // matchups: the table as CSV
    std::string gameDir;     // the game folder to run in (game_folder.h)
    int syncDepth = 0;       // headless: the sync test's frames (1..8), 0 for none
    // A network game: host on netPort, or join netAddress:netPort.
    bool netHost = false;
    bool netJoin = false;
    std::string netAddress;
    int netPort = 0;
    int inputDelay = 1;  // frames of local input delay, 0..4
    bool hasInputDelay = false;
};

// Parses argv. On a bad argument returns false with a one-line reason in error.
bool ParseCommandLine(int argc, const char* const* argv, Options& options, std::string& error);

}  // namespace app
