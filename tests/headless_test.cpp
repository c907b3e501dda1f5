// The headless runner as others use it: command line, input scripts, trace, exit codes.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/run_binary.h"

using testing_support::RunGame;
using testing_support::SplitLines;

namespace {

// The raw text of the first field of that name in a trace line: a number, a word, or a
// bracketed list ("frame", "paused", "chosen", ...).
std::string Field(const std::string& line, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const size_t at = line.find(tag);
    if (at == std::string::npos) return "<missing>";
    const size_t begin = at + tag.size();
    size_t end = begin;
    if (line[begin] == '[') {
        int depth = 0;
        for (; end < line.size(); ++end) {
            if (line[end] == '[') ++depth;
            if (line[end] == ']' && --depth == 0) break;
        }
        return line.substr(begin, end + 1 - begin);
    }
    while (end < line.size() && line[end] != ',' && line[end] != '}')
        ++end;
    return line.substr(begin, end - begin);
}

// "bench: F frames in S s, R frames/s" with the given F.
bool IsBenchLine(const std::string& text, int frames) {
    long f = -1;
    double s = -1, r = -1;
    char tail[16] = {0};
    const int n =
        std::sscanf(text.c_str(), "bench: %ld frames in %lf s, %lf frames/%15s", &f, &s, &r, tail);
    return n == 4 && f == frames && s >= 0 && r >= 0 && std::string(tail) == "s" &&
           text.back() == '\n' && text.find('\n') == text.size() - 1;
}

int CountEntries(const std::string& dir) {
    int n = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') ++n;
        closedir(d);
    }
    return n;
}

}  // namespace

TEST(Headless, WithoutModeStartsUpAndWritesNothing) {
    const std::string dir = testing_support::MakeTempDir();
    const auto r = RunGame({"--headless", "--seed", "3"}, "", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(CountEntries(dir), 0);
}

TEST(Headless, BadArgumentsExitTwoWithOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {"--headless", "--frames"},
        {"--headless", "--frames", "ten"},
        {"--headless", "--frames", "-1"},
        {"--headless", "--mode", "arcade"},
        {"--headless", "--difficulty", "5"},
        {"--headless", "--speed", "-40"},
        {"--headless", "--speed", "61"},
        {"--headless", "--seed", "4294967296"},
        {"--headless", "--shot", "12"},
        {"--headless", "--shot", "x:a.png"},
        {"--headless", "--wat"},
        {"--mode", "vs"},  // headless options need --headless
        {"--dump-fighter", "16"},
        {"--dump-fighter", "0"},
        {"--headless", "--dump-fighter", "2"},
        {"--headless", "--input", "/nonexistent/script"},
    };
    for (const auto& args : bad) {
        const auto r = RunGame(args);
        std::string joined;
        for (const auto& a : args)
            joined += a + " ";
        EXPECT_EQ(r.status, 2) << joined;
        EXPECT_EQ(SplitLines(r.err).size(), 1u) << joined << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << joined;
    }
}

TEST(Headless, MalformedScriptNamesTheLineAndRunsNothing) {
    const std::vector<std::pair<std::string, std::string>> scripts = {
        {"# fine\n0 down A\n\n5 press A\n", "line 4"},
        {"0 down A\nx down B\n", "line 2"},
        {"0 down F1\n", "line 1"},
        {"0 down\n", "line 1"},
        {"0 down A extra\n", "line 1"},
        {"-3 down A\n", "line 1"},
        {"1 2 3 4\n", "line 1"},
        {"1 down a\n", "line 1"},
    };
    for (const auto& [script, where] : scripts) {
        const auto r =
            RunGame({"--headless", "--mode", "vs", "--input", "-", "--trace", "-"}, script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_NE(r.err.find(where), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << "nothing runs: " << r.out.substr(0, 80);
    }
}

TEST(Headless, TraceHasOneLinePerFrameWithEveryField) {
    const auto r =
        RunGame({"--headless", "--seed", "42", "--mode", "vs", "--frames", "30", "--trace", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = SplitLines(r.out);
    ASSERT_EQ(lines.size(), 30u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        ASSERT_EQ(l.front(), '{');
        ASSERT_EQ(l.back(), '}');
        EXPECT_EQ(Field(l, "frame"), std::to_string(i));
        for (const char* key : {"state", "phase", "phaseFrames", "paused", "mode", "wins", "chosen",
                                "selectDone", "commands", "hits", "fighters", "checksum", "sounds"})
            EXPECT_NE(Field(l, key), "<missing>") << key;
        const std::string checksum = Field(l, "checksum");
        EXPECT_EQ(checksum.size(), 18u) << checksum;  // 16 hex digits in quotes
        EXPECT_EQ(checksum.find_first_not_of("\"0123456789abcdef"), std::string::npos) << checksum;
        EXPECT_EQ(Field(l, "state"), "2");
        EXPECT_EQ(Field(l, "mode"), "2");
        EXPECT_EQ(Field(l, "paused"), "false");
    }
    for (const char* key : {"kind", "code", "tick", "stance", "x", "health", "ceiling", "stamina",
                            "koMark", "counterHit", "weakHit", "powerLevel"})
        EXPECT_NE(lines[0].find(std::string("\"") + key + "\":"), std::string::npos) << key;
}

TEST(Headless, SameSeedSameTrace) {
    const std::vector<std::string> args = {
        "--headless", "--seed", "9", "--mode", "tournament", "--frames", "50", "--trace", "-"};
    const auto a = RunGame(args);
    const auto b = RunGame(args);
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(Field(SplitLines(a.out)[0], "selectDone"), "[false,true]");
}

TEST(Headless, EscAndSpaceReachTheFormBetweenFrames) {
    const std::string script =
        "# pause at frame 3, resume at frame 6\n"
        "3 down ESC\n4 up ESC\n6 down SPACE\n6 up SPACE\n";
    const auto r = RunGame(
        {"--headless", "--mode", "free", "--frames", "8", "--input", "-", "--trace", "-"}, script);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = SplitLines(r.out);
    ASSERT_EQ(lines.size(), 8u);
    const char* expected[] = {"false", "false", "false", "true", "true", "true", "false", "false"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Field(lines[i], "paused"), expected[i]) << i;
}

TEST(Headless, EscTwiceEndsTheProgram) {
    const auto r = RunGame(
        {"--headless", "--mode", "view", "--input", "-", "--trace", "-", "--frames", "1000"},
        "2 down ESC\n2 up ESC\n5 down ESC\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(SplitLines(r.out).size(), 5u);  // frames 0..4 ran; the program ended before 5
}

TEST(Headless, BenchLineAndTraceFile) {
    const std::string dir = testing_support::MakeTempDir();
    const auto r = RunGame(
        {"--headless", "--mode", "vs", "--frames", "200", "--bench", "--trace", "trace.jsonl"}, "",
        dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(IsBenchLine(r.out, 200)) << r.out;
    std::ifstream trace(dir + "/trace.jsonl");
    int lines = 0;
    for (std::string l; std::getline(trace, l);)
        ++lines;
    EXPECT_EQ(lines, 200);
}
