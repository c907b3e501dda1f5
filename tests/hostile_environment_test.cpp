// The game binary in a hostile environment: outputs on a full disk, a file-size limit, a
// settings file that is a link, no display at all, an endless command line. Every failure
// is said in one line and ends with a non-zero status; nothing is lost silently.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_binary.h"

using testing_support::MakeTempDir;
using testing_support::RunGame;
using testing_support::RunGameWith;
using testing_support::SplitLines;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Standard output of the game goes to /dev/full (a disk with no room left).
const char* const kStdoutFull = "sh -c 'exec \"$0\" \"$@\" >/dev/full' ";

std::vector<std::string> Headless(std::vector<std::string> more) {
    std::vector<std::string> args = {"--headless", "--seed",   "1", "--mode",
                                     "view",       "--frames", "50"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

void ExpectFailure(const testing_support::RunResult& run, const std::string& says) {
    EXPECT_NE(run.status, 0) << "a lost output is not a success";
    EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
}

}  // namespace

TEST(HostileEnvironment, EveryOutputOnAFullDiskIsAFailure) {
    const std::string dir = MakeTempDir();
    ExpectFailure(RunGame(Headless({"--trace", "/dev/full"}), "", dir),
                  "cannot write trace '/dev/full': No space left on device");
    ExpectFailure(RunGame(Headless({"--shot", "3:/dev/full"}), "", dir),
                  "cannot write picture '/dev/full'");
    ExpectFailure(RunGameWith(kStdoutFull, Headless({"--trace", "-"}), "", dir),
                  "cannot write standard output");
    ExpectFailure(RunGameWith(kStdoutFull, Headless({"--bench"}), "", dir),
                  "cannot write standard output");
    ExpectFailure(RunGameWith(kStdoutFull, {"--dump-fighter", "2"}, "", dir),
                  "cannot write standard output");
    ExpectFailure(RunGame(Headless({"--record", "/dev/full"}), "", dir), "replay");
    // The same outputs with room succeed.
    EXPECT_EQ(
        RunGame(Headless({"--trace", dir + "/t.txt", "--shot", "3:" + dir + "/p.png"}), "", dir)
            .status,
        0);
    EXPECT_EQ(SplitLines(ReadFile(dir + "/t.txt")).size(), 50u);
}

TEST(HostileEnvironment, AFileSizeLimitFailsTheWriteNotTheGame) {
    const std::string dir = MakeTempDir();
    std::string settings = "[display_mode]\ndisp_mode=1\n";
    for (int i = 0; i < 80; ++i)
        settings += "; the player's own notes, a line of them .........\n";
    ASSERT_GT(settings.size(), 3000u);
    WriteFile(dir + "/gameoption.ini", settings);
    const auto run = RunGameWith("ulimit -f 2 && ", Headless({}), "", dir);
    EXPECT_EQ(run.status, 0) << "the game plays; only the save failed: " << run.err;
    EXPECT_NE(run.err.find("settings were not saved"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(dir + "/gameoption.ini"), settings) << "the old file is whole";
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().find(".new-"), std::string::npos)
            << "scratch file left: " << entry.path();
    // A trace over the limit is reported, not cut silently.
    const auto traced =
        RunGameWith("ulimit -f 2 && ", Headless({"--trace", dir + "/t.txt"}), "", dir);
    ExpectFailure(traced, "File too large");
}

TEST(HostileEnvironment, TheSettingsAreNeverWrittenThroughALink) {
    const std::string dir = MakeTempDir();
    const std::string other = MakeTempDir() + "/passwd-copy";
    const std::string precious = "root:x:0:0:root:/root:/bin/bash\n";
    WriteFile(other, precious);
    fs::create_symlink(other, dir + "/gameoption.ini");
    const auto run = RunGame(Headless({}), "", dir);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(other), precious);
    EXPECT_TRUE(fs::is_symlink(dir + "/gameoption.ini"));
    EXPECT_NE(run.err.find("is a symbolic link"), std::string::npos) << run.err;
    EXPECT_EQ(SplitLines(run.err).size(), 1u) << run.err;
}

TEST(HostileEnvironment, NoDisplayEndsTheWindowStartWithAHint) {
    const std::string dir = MakeTempDir();
    const auto run = RunGameWith("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 30 ",
                                 {}, "", dir);
    EXPECT_EQ(run.status, 1) << "124 would mean it kept running: " << run.err;
    EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--headless"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir + "/gameoption.ini"));
}

TEST(HostileEnvironment, LongCommandLinesAreCheckedToTheEndAndQuotedShort) {
    const std::string dir = MakeTempDir();
    std::vector<std::string> many = {"--headless", "--frames", "1"};
    for (int i = 0; i < 100; ++i)
        many.push_back("--overlay");
    std::vector<std::string> late = many;
    late.push_back("--power");  // an option of the fighter dump, the 104th
    late.push_back("2");
    const auto lateRun = RunGame(late, "", dir);
    EXPECT_EQ(lateRun.status, 2);
    EXPECT_NE(lateRun.err.find("--power does not go with --headless"), std::string::npos)
        << lateRun.err;
    EXPECT_EQ(RunGame(many, "", dir).status, 0);

    const std::string huge(100000, 'x');  // an argument may hold at most 128 kB
    for (const std::vector<std::string>& args : {std::vector<std::string>{huge},
                                                 {"--headless", "--seed", huge},
                                                 {"--headless", "--mode", huge},
                                                 {"--headless", "--shot", huge}}) {
        const auto run = RunGame(args, "", dir);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(SplitLines(run.err).size(), 1u);
        EXPECT_LT(run.err.size(), 200u) << "the token is cut: " << run.err.substr(0, 200);
        EXPECT_NE(run.err.find("xxx..."), std::string::npos) << run.err.substr(0, 200);
    }
}
