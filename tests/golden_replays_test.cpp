// Golden replays: recorded games of every mode (tests/golden, made by record.sh) play to
// the very trace they played when they were recorded. Any change to how the game plays
// shows here; a change that is meant refreshes expected.txt in the same commit.
#include <gtest/gtest.h>
#include <xxhash.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_binary.h"

using testing_support::MakeTempDir;
using testing_support::RunGame;
using testing_support::SplitLines;

namespace {

const std::string kGolden = TOVUKA_GOLDEN_DIR;

struct Expected {
    std::string name;
    size_t frames = 0;
    std::string checksum;  // the state's at the last frame
    std::string traceHash;
};

std::vector<Expected> ReadExpected() {
    std::vector<Expected> all;
    std::ifstream in(kGolden + "/expected.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Expected e;
        fields >> e.name >> e.frames >> e.checksum >> e.traceHash;
        all.push_back(e);
    }
    return all;
}

std::string Hex(uint64_t v) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
    return text;
}

std::string LastChecksum(const std::string& line) {
    const size_t at = line.find("\"checksum\":\"");
    return at == std::string::npos ? "" : line.substr(at + 12, 16);
}

// How a replay plays now.
Expected Play(const std::string& name, std::string& trace) {
    const auto run = RunGame({"--headless", "--replay", kGolden + "/" + name, "--trace", "-"}, "",
                             MakeTempDir());
    EXPECT_EQ(run.status, 0) << name << ": " << run.err;
    trace = run.out;
    const auto lines = SplitLines(trace);
    Expected now;
    now.name = name;
    now.frames = lines.size();
    now.checksum = lines.empty() ? "" : LastChecksum(lines.back());
    now.traceHash = Hex(XXH3_64bits(trace.data(), trace.size()));
    return now;
}

}  // namespace

TEST(GoldenReplays, EachPlaysItsRecordedTraceAgain) {
    const std::vector<Expected> expected = ReadExpected();
    ASSERT_EQ(expected.size(), 4u) << "free, vs, tournament and view";
    const bool update = std::getenv("TOVUKA_GOLDEN_UPDATE") != nullptr;
    std::string refreshed = "# replay frames final-checksum trace-hash (XXH3 of the whole trace)\n";
    for (const Expected& e : expected) {
        std::string trace;
        const Expected now = Play(e.name, trace);
        refreshed += now.name + " " + std::to_string(now.frames) + " " + now.checksum + " " +
                     now.traceHash + "\n";
        if (update) continue;
        EXPECT_EQ(now.frames, e.frames) << e.name;
        EXPECT_EQ(now.checksum, e.checksum) << e.name;
        EXPECT_EQ(now.traceHash, e.traceHash) << e.name << " plays differently now";
    }
    if (update) std::ofstream(kGolden + "/expected.txt") << refreshed;
}

// The games hold what they are kept for.
TEST(GoldenReplays, CoverWhatTheyAreKeptFor) {
    std::string trace;
    Play("tournament.replay", trace);
    int continueWaits = 0, continued = 0;
    bool inWait = false;
    for (const std::string& line : SplitLines(trace)) {
        const bool wait = line.find("\"state\":4,\"phase\":5,") != std::string::npos;
        if (wait && !inWait) ++continueWaits;
        if (inWait && line.find("\"state\":4,\"phase\":0,") != std::string::npos) ++continued;
        inWait = wait;
    }
    EXPECT_GE(continueWaits, 2) << "lost, continued, lost again";
    EXPECT_EQ(continued, 1) << "one SPACE in the continue wait replays the match";
    Play("view.replay", trace);
    EXPECT_NE(trace.find("\"koMark\":2,"), std::string::npos) << "a special finish";
    EXPECT_NE(trace.find("\"state\":4,\"phase\":2,"), std::string::npos) << "its pause";
    Play("vs.replay", trace);
    EXPECT_NE(trace.find("\"paused\":true"), std::string::npos);
    EXPECT_NE(trace.find("\"mode\":2,"), std::string::npos);
    Play("free.replay", trace);
    EXPECT_NE(trace.find("\"mode\":1,"), std::string::npos);
    EXPECT_NE(trace.find("\"state\":4,\"phase\":3,"), std::string::npos) << "a knock-out";
}
