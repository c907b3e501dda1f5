// Every mode end to end through the headless runner: select, fight, knock-out, what follows,
// as the trace shows it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/roster.h"
#include "support/run_binary.h"

using testing_support::RunGame;
using testing_support::SplitLines;

namespace {

std::string Field(const std::string& line, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const size_t at = line.find(tag);
    if (at == std::string::npos) return "<missing>";
    size_t end = at + tag.size();
    if (line[end] == '[') {
        end = line.find(']', end) + 1;
    } else {
        while (end < line.size() && line[end] != ',' && line[end] != '}')
            ++end;
    }
    return line.substr(at + tag.size(), end - at - tag.size());
}

// A key held for two frames from `frame` on.
std::string Tap(int frame, const std::string& key) {
    return std::to_string(frame) + " down " + key + "\n" + std::to_string(frame + 2) + " up " +
           key + "\n";
}

// Both players move their cursors down to fighter 2 and confirm.
std::string ChooseFighterTwo(bool player2Too) {
    std::string s = Tap(20, "S") + Tap(24, "G");
    if (player2Too) s += Tap(20, "DOWN") + Tap(24, "MBUTTON");
    return s;
}

struct Summary {
    std::vector<std::string> lines;
    int firstFight = -1;     // first frame in the fight state
    int firstKnockOut = -1;  // first frame with a fighter's koMark set
    int backToSelect = -1;   // first select frame after the fight
    bool sawHit = false, sawHitSound = false, sawSelectSound = false, sawCommand = false;
};

Summary RunScript(const std::vector<std::string>& args, const std::string& script) {
    std::vector<std::string> all = {"--headless", "--seed", "21", "--input", "-", "--trace", "-"};
    all.insert(all.end(), args.begin(), args.end());
    const auto r = RunGame(all, script);
    EXPECT_EQ(r.status, 0) << r.err;
    Summary s;
    s.lines = SplitLines(r.out);
    for (size_t i = 0; i < s.lines.size(); ++i) {
        const std::string& l = s.lines[i];
        const std::string state = Field(l, "state");
        if (state == "4" && s.firstFight < 0) s.firstFight = static_cast<int>(i);
        if (state == "2" && s.firstFight >= 0 && s.backToSelect < 0)
            s.backToSelect = static_cast<int>(i);
        if (s.firstFight >= 0 && s.firstKnockOut < 0 &&
            (l.find("\"koMark\":99") != std::string::npos ||
             l.find("\"koMark\":1,") != std::string::npos ||
             l.find("\"koMark\":2,") != std::string::npos))
            s.firstKnockOut = static_cast<int>(i);
        if (Field(l, "hits") != "[0,0]") s.sawHit = true;
        if (Field(l, "commands") != "[0,0]") s.sawCommand = true;
        if (l.find("SND_HIT_DOSH/") != std::string::npos) s.sawHitSound = true;
        if (l.find("SND_SELECT/0") != std::string::npos) s.sawSelectSound = true;
    }
    return s;
}

}  // namespace

TEST(HeadlessFight, ViewModeRunsToTheKnockOutAndBack) {
    const Summary s = RunScript({"--mode", "view", "--frames", "8000"}, ChooseFighterTwo(true));
    ASSERT_EQ(s.lines.size(), 8000u);
    EXPECT_TRUE(s.sawSelectSound);
    ASSERT_GE(s.firstFight, 0);
    EXPECT_EQ(Field(s.lines[s.firstFight], "chosen"), "[2,2]");
    EXPECT_EQ(s.firstFight, 20 + 4 + 40);  // confirmed at frame 24, 40 frames of pause
    EXPECT_TRUE(s.sawCommand);
    EXPECT_TRUE(s.sawHit);
    EXPECT_TRUE(s.sawHitSound);
    ASSERT_GT(s.firstKnockOut, s.firstFight);
    ASSERT_GT(s.backToSelect, s.firstKnockOut);
    // The result phase lasts 100 frames and leads back to both players choosing.
    EXPECT_EQ(Field(s.lines[s.backToSelect], "selectDone"), "[false,false]");
    EXPECT_EQ(Field(s.lines[s.backToSelect - 1], "phase"), "4");
}

TEST(HeadlessFight, VersusModeHumanAttacksKnockOutAnIdleOpponent) {
    std::string script = ChooseFighterTwo(true);
    // Player 1 walks in and then keeps jabbing with LA.
    script += "64 down D\n200 up D\n";
    for (int f = 210; f < 7000; f += 6)
        script += Tap(f, "H");
    const Summary s = RunScript({"--mode", "vs", "--frames", "7000"}, script);
    ASSERT_GE(s.firstFight, 0);
    ASSERT_GT(s.firstKnockOut, 0) << "the jabs never knocked the idle player out";
    const std::string& ko = s.lines[s.firstKnockOut];
    EXPECT_NE(ko.find("},{\"kind\":2"), std::string::npos);
    // Fighter 2 (the right one) is down, fighter 1 stands.
    const size_t second = ko.find("},{");
    EXPECT_EQ(ko.substr(0, second).find("\"koMark\":0,") != std::string::npos, true);
    EXPECT_TRUE(s.sawHitSound);
}

TEST(HeadlessFight, FreeModeComputerBeatsAnIdlePlayer) {
    const Summary s = RunScript({"--mode", "free", "--difficulty", "2", "--frames", "9000"},
                                ChooseFighterTwo(true));
    ASSERT_GE(s.firstFight, 0);
    EXPECT_NE(s.lines[s.firstFight].find("\"powerLevel\":2}"), std::string::npos);
    ASSERT_GT(s.firstKnockOut, 0);
    ASSERT_GT(s.backToSelect, 0);
}

TEST(HeadlessFight, TournamentLossContinueAndGiveUp) {
    const Summary first =
        RunScript({"--mode", "tournament", "--frames", "9000"}, ChooseFighterTwo(false));
    ASSERT_GE(first.firstFight, 0);
    const std::string chosen = Field(first.lines[first.firstFight], "chosen");
    const int opponent = std::stoi(chosen.substr(chosen.find(',') + 1));
    if (engine::RosterFor(opponent) == nullptr) GTEST_SKIP() << "opponent " << opponent;
    ASSERT_GT(first.firstKnockOut, 0);
    // Find the continue wait, then answer SPACE there in a second run with the same seed.
    int wait = -1;
    for (size_t i = 0; i < first.lines.size(); ++i)
        if (Field(first.lines[i], "phase") == "5" && Field(first.lines[i], "state") == "4") {
            wait = static_cast<int>(i);
            break;
        }
    ASSERT_GT(wait, 0);
    EXPECT_NE(first.lines[wait].find("\"mode\":3"), std::string::npos);

    const std::string script = ChooseFighterTwo(false) + Tap(wait + 10, "SPACE") +
                               Tap(wait + 20, "ESC") + Tap(wait + 30, "ESC");
    const Summary second = RunScript({"--mode", "tournament", "--frames", "9000"}, script);
    ASSERT_GE(static_cast<int>(second.lines.size()), wait + 30);
    for (int i = 0; i < wait + 10; ++i)
        ASSERT_EQ(second.lines[i], first.lines[i]) << i;
    // SPACE replays the match: the fight starts again, with the win count kept.
    EXPECT_EQ(Field(second.lines[wait + 10], "phase"), "0");
    EXPECT_EQ(Field(second.lines[wait + 10], "wins"), "0");
    EXPECT_EQ(Field(second.lines[wait + 10], "phaseFrames"), "1");
    // ESC there only pauses; the second ESC ends the program.
    EXPECT_EQ(Field(second.lines[wait + 20], "paused"), "true");
    EXPECT_EQ(static_cast<int>(second.lines.size()), wait + 30);
}
