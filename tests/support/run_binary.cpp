// Runs the game binary for the tests.
#include "support/run_binary.h"

#include <sys/wait.h>
#include <unistd.h>

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

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

}  // namespace testing_support
