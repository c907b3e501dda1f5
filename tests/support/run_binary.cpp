// Runs the game binary for the tests.
#include "support/run_binary.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testing_support {

namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

std::string MakeTempDir() {
    char tmpl[] = "/tmp/tovuka-test-XXXXXX";
    const char* dir = mkdtemp(tmpl);
    return dir ? dir : "/tmp";
}

namespace {

RunResult Run(const std::string& prefix, const std::vector<std::string>& args,
              const std::string& stdinText, const std::string& workDir) {
    const std::string scratch = MakeTempDir();
    const std::string inPath = scratch + "/stdin", outPath = scratch + "/stdout",
                      errPath = scratch + "/stderr";
    std::ofstream(inPath, std::ios::binary) << stdinText;
    std::string command;
    if (!workDir.empty()) command.append("cd ").append(Quote(workDir)).append(" && ");
    command.append(prefix).append(Quote(TOVUKA02_BIN));
    for (const std::string& a : args)
        command.append(" ").append(Quote(a));
    command.append(" <").append(Quote(inPath));
    command.append(" >").append(Quote(outPath));
    command.append(" 2>").append(Quote(errPath));
    RunResult result;
    const int raw = std::system(command.c_str());
    if (raw != -1 && WIFEXITED(raw)) result.status = WEXITSTATUS(raw);
    result.out = ReadAll(outPath);
    result.err = ReadAll(errPath);
    std::system(("rm -rf " + Quote(scratch)).c_str());
    return result;
}

}  // namespace

RunResult RunGame(const std::vector<std::string>& args, const std::string& stdinText,
                  const std::string& workDir) {
    return Run("", args, stdinText, workDir);
}

RunResult RunGameWith(const std::string& shellPrefix, const std::vector<std::string>& args,
                      const std::string& stdinText, const std::string& workDir) {
    return Run(shellPrefix, args, stdinText, workDir);
}

RunResult RunGameWithoutRights(const std::vector<std::string>& args, const std::string& stdinText,
                               const std::string& workDir) {
    const char* drop = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    return Run(::geteuid() == 0 ? drop : "", args, stdinText, workDir);
}

BackgroundGame StartGameInBackground(const std::vector<std::string>& args,
                                     const std::string& workDir) {
    BackgroundGame g;
    const std::string scratch = MakeTempDir();
    g.outPath = scratch + "/stdout";
    g.errPath = scratch + "/stderr";
    std::vector<std::string> all = {TOVUKA02_BIN};
    all.insert(all.end(), args.begin(), args.end());
    const pid_t pid = fork();
    if (pid == 0) {
        if (!workDir.empty() && chdir(workDir.c_str()) != 0) _exit(127);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(g.outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(g.errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        for (std::string& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    g.pid = pid;
    return g;
}

RunResult WaitForGame(BackgroundGame& game, int timeoutMs, int* elapsedMs) {
    RunResult result;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - start)
                                    .count());
    };
    int raw = 0;
    while (game.pid > 0) {
        const pid_t done = waitpid(game.pid, &raw, WNOHANG);
        if (done == game.pid) {
            if (WIFEXITED(raw)) result.status = WEXITSTATUS(raw);
            game.pid = -1;
            break;
        }
        if (elapsed() > timeoutMs) {
            kill(game.pid, SIGKILL);
            waitpid(game.pid, &raw, 0);
            game.pid = -1;
            break;
        }
        usleep(20000);
    }
    if (elapsedMs != nullptr) *elapsedMs = elapsed();
    result.out = ReadAll(game.outPath);
    result.err = ReadAll(game.errPath);
    return result;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

}  // namespace testing_support
