// The fighter dump of the game binary: its JSON and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/roster.h"

namespace {

struct DumpRun {
    int status = -1;
    std::string out;
};

// Runs the game binary with the arguments through the shell; redirections may follow.
DumpRun RunBinary(const std::string& args) {
    DumpRun run;
    const std::string command = std::string("'") + TOVUKA02_BIN + "' " + args;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int raw = pclose(pipe);
    if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    return run;
}

// The integer after "key": at or after position from; -99999 when absent.
int IntAfter(const std::string& text, const std::string& key, size_t from = 0) {
    const size_t at = text.find("\"" + key + "\":", from);
    if (at == std::string::npos) return -99999;
    return std::stoi(text.substr(at + key.size() + 3));
}

// The object of the frame with this code, from its '{' to its '}' (frames hold no objects).
std::string FrameObject(const std::string& json, int code) {
    const size_t at = json.find("{\"code\":" + std::to_string(code) + ",");
    if (at == std::string::npos) return "";
    return json.substr(at, json.find('}', at) - at + 1);
}

std::vector<int> FrameCodes(const std::string& json) {
    std::vector<int> codes;
    for (size_t at = json.find("{\"code\":"); at != std::string::npos;
         at = json.find("{\"code\":", at + 1))
        codes.push_back(std::stoi(json.substr(at + 8)));
    return codes;
}

TEST(DumpFighter, PrintsTheReferenceFighter) {
    const DumpRun run = RunBinary("--dump-fighter 2");
    ASSERT_EQ(run.status, 0);
    const std::string& json = run.out;
    EXPECT_EQ(
        json.rfind("{\"kind\":2,\"powerLevel\":0,\"healthMax\":1550,\"health\":1550,\"stamina\":"
                   "1024,\"halfWidth\":[45,40],\"cpuAttackRange\":[120,120],\"cpuKeepAway\":[200,"
                   "200],\"cpuAttacks\":[[8,11,12,7],[7,10,14,8]],\"cpuDefence\":[[1,4,7,1,5,4,7,"
                   "2,4],[1,7,4,1,2,4,1,3,1]],\"cpuCloseMode\":[1,2],\"frames\":[",
                   0),
        0u);
    EXPECT_EQ(json.substr(json.size() - 3), "]}\n");

    // 59 and 52 frames of the stance builders, 28 common frames in each stance.
    const std::vector<int> codes = FrameCodes(json);
    EXPECT_EQ(codes.size(), 59u + 52u + 2u * 28u);
    for (size_t i = 1; i < codes.size(); ++i)
        ASSERT_LT(codes[i - 1], codes[i]);
    EXPECT_EQ(codes.front(), 100);
    EXPECT_EQ(codes.back(), 12805);
}

TEST(DumpFighter, FrameHasEveryFieldInOrder) {
    const DumpRun run = RunBinary("--dump-fighter 2");
    ASSERT_EQ(run.status, 0);
    const std::string frame = FrameObject(run.out, 1400);
    EXPECT_EQ(frame,
              "{\"code\":1400,\"duration\":1,\"image\":100,\"layer\":0,\"sound\":0,\"next\":1400,"
              "\"transitions\":[[2000,1],[2100,1],[2200,1],[2300,1],[2400,1],[2500,1],[2600,1],"
              "[2700,1],[2800,1],[1500,1],[1600,1],[1900,1],[1700,1],[1800,1]],\"dx\":0,\"dy\":0,"
              "\"cost\":0,\"bodyFront\":36,\"bodyType\":1,\"reach\":128,\"attackKind\":0,"
              "\"priority\":0,\"hitEffect\":0,\"damage\":0,\"stun\":0,\"knockback\":0,"
              "\"minRange\":0,\"koMark\":99,\"counterBonus\":0,\"skipTimer\":0,\"cpuFollowUp\":["
              "9999,9999,9999,9999]}");
}

TEST(DumpFighter, PowerAndOpponentOptions) {
    const DumpRun run = RunBinary("--dump-fighter 2 --power 4 --opponent 9");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(IntAfter(run.out, "powerLevel"), 4);
    EXPECT_EQ(IntAfter(run.out, "healthMax"), 2325);
    EXPECT_NE(run.out.find("\"cpuDefence\":[[1,5,1,1,1,1,1,1,1],[1,4,4,1,4,5,1,1,4]]"),
              std::string::npos);
    const std::string ra = FrameObject(run.out, 2301);
    EXPECT_EQ(IntAfter(ra, "damage"), 100);
    EXPECT_EQ(IntAfter(ra, "stun"), 2);
    EXPECT_EQ(IntAfter(ra, "reach"), 88);
    EXPECT_EQ(IntAfter(FrameObject(run.out, 12801), "bodyType"), 0);
}

TEST(DumpFighter, UnbuiltFighterExitsWithAReason) {
    int unbuilt = 0;
    for (int kind = 1; kind <= engine::kRosterSize && unbuilt == 0; ++kind)
        if (engine::RosterFor(kind) == nullptr) unbuilt = kind;
    if (unbuilt == 0) GTEST_SKIP() << "every fighter is built";
    // Standard error only: standard output must stay empty.
    const DumpRun run = RunBinary("--dump-fighter " + std::to_string(unbuilt) + " 2>&1 >/dev/null");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("fighter " + std::to_string(unbuilt)), std::string::npos);
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);  // one line
    const DumpRun quiet = RunBinary("--dump-fighter " + std::to_string(unbuilt) + " 2>/dev/null");
    EXPECT_EQ(quiet.status, 2);
    EXPECT_TRUE(quiet.out.empty());
}

}  // namespace
