// Runs the game binary with arguments and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct RunResult {
    int status = -1;  // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs the game binary (built beside the tests) in the given working directory with the
// arguments; stdinText is fed to its standard input.
RunResult RunGame(const std::vector<std::string>& args, const std::string& stdinText = "",
                  const std::string& workDir = "");

// The same with a shell prefix before the binary, such as "ulimit -f 2 && " or "timeout 20 ".
RunResult RunGameWith(const std::string& shellPrefix, const std::vector<std::string>& args,
                      const std::string& stdinText = "", const std::string& workDir = "");

// The same, but as a user who owns nothing there: when the tests run as root (for whom
// folder permissions do not hold) the game runs as the unprivileged user "nobody".
RunResult RunGameWithoutRights(const std::vector<std::string>& args, const std::string& stdinText,
                               const std::string& workDir);

// A fresh empty directory under the system's temporary folder.
std::string MakeTempDir();

std::vector<std::string> SplitLines(const std::string& text);

// The game binary running in the background (standard input empty, its output in files).
struct BackgroundGame {
    int pid = -1;
    std::string outPath, errPath;
};
BackgroundGame StartGameInBackground(const std::vector<std::string>& args,
                                     const std::string& workDir);
// Waits at most timeoutMs for it to end; a game still running then is killed and reported
// with status -1. elapsedMs is how long it took.
RunResult WaitForGame(BackgroundGame& game, int timeoutMs, int* elapsedMs = nullptr);

}  // namespace testing_support
