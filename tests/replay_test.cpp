// Replays: a recorded game plays back to the very same trace; recordings of another format,
// damaged or foreign files are refused; a recording cut short plays as far as it got.
#include "app/replay.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_binary.h"

using testing_support::MakeTempDir;
using testing_support::RunGame;
using testing_support::SplitLines;

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

// Both players choose, fight with a few keys, pause and resume.
const char* const kVersusScript =
    "20 down S\n22 up S\n24 down G\n26 up G\n"
    "20 down DOWN\n22 up DOWN\n24 down MBUTTON\n26 up MBUTTON\n"
    "100 down F\n104 up F\n110 down D\n140 up D\n150 down ESC\n151 up ESC\n"
    "160 down SPACE\n161 up SPACE\n170 down H\n172 up H\n200 down J\n203 up J\n"
    "205 down NUM1\n209 up NUM1\n230 down RIGHT\n260 up RIGHT\n261 down H\n261 down G\n"
    "263 up H\n290 up G\n";

struct Recorded {
    std::string dir, replay, trace;
};

// Runs a game from the script with a recorder attached; the trace and the replay stay in
// the returned folder.
Recorded Record(const std::vector<std::string>& args, const std::string& script) {
    Recorded r;
    r.dir = MakeTempDir();
    r.replay = r.dir + "/game.replay";
    std::vector<std::string> all = {"--headless", "--input",  "-",     "--trace",
                                    "-",          "--record", r.replay};
    all.insert(all.end(), args.begin(), args.end());
    const auto run = RunGame(all, script, r.dir);
    EXPECT_EQ(run.status, 0) << run.err;
    r.trace = run.out;
    return r;
}

testing_support::RunResult Play(const std::string& replay, const std::string& dir) {
    return RunGame({"--headless", "--replay", replay, "--trace", "-"}, "", dir);
}

TEST(Replay, PlaybackReproducesTheTraceByteForByte) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string script;
        size_t frames;  // trace lines expected from the original run
    };
    const Case cases[] = {
        {"versus with pause",
         {"--seed", "77", "--mode", "vs", "--frames", "700"},
         kVersusScript,
         700},
        {"free with settings",
         {"--seed", "4000000000", "--mode", "free", "--difficulty", "3", "--speed", "-20",
          "--frames", "900"},
         kVersusScript,
         900},
        {"computer against computer",
         {"--seed", "5", "--mode", "view", "--frames", "1500"},
         "20 down S\n22 up S\n24 down G\n26 up G\n20 down DOWN\n22 up DOWN\n24 down MBUTTON\n"
         "26 up MBUTTON\n",
         1500},
        {"tournament",
         {"--seed", "12", "--mode", "tournament", "--frames", "800"},
         kVersusScript,
         800},
        {"ended with ESC twice",
         {"--seed", "3", "--mode", "vs"},
         std::string(kVersusScript) + "400 down ESC\n401 up ESC\n402 down ESC\n",
         402},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Recorded r = Record(c.args, c.script);
        ASSERT_EQ(SplitLines(r.trace).size(), c.frames);
        const auto played = Play(r.replay, r.dir);
        EXPECT_EQ(played.status, 0) << played.err;
        EXPECT_TRUE(played.out == r.trace) << "the replay's trace differs";
        const std::string text = ReadFile(r.replay);
        EXPECT_NE(text.find("\nend " + std::to_string(c.frames) + "\n"), std::string::npos);
    }
}

TEST(Replay, AMissedKeyWouldShowInTheTrace) {
    // The check above can fail: a replay with one key event taken out plays differently.
    const Recorded r = Record({"--seed", "77", "--mode", "vs", "--frames", "700"}, kVersusScript);
    std::string text = ReadFile(r.replay);
    const size_t at = text.find("\n110 down D\n");
    ASSERT_NE(at, std::string::npos) << text;
    text.erase(at, std::string("\n110 down D").size());
    WriteFile(r.replay, text);
    const auto played = Play(r.replay, r.dir);
    EXPECT_EQ(played.status, 0);
    EXPECT_NE(played.out, r.trace);
}

TEST(Replay, ACutShortRecordingPlaysAsFarAsItGot) {
    const Recorded r = Record({"--seed", "77", "--mode", "vs", "--frames", "700"}, kVersusScript);
    const std::string text = ReadFile(r.replay);
    // As after a crash: no end line, and the last line only half written.
    const size_t cut = text.find("\n170 down H\n");
    ASSERT_NE(cut, std::string::npos);
    WriteFile(r.replay, text.substr(0, cut + 1) + "170 do");
    const auto played = Play(r.replay, r.dir);
    ASSERT_EQ(played.status, 0) << played.err;
    const auto original = SplitLines(r.trace);
    const auto lines = SplitLines(played.out);
    // The last whole event is "161 up SPACE": frames 0..161 play.
    ASSERT_EQ(lines.size(), 162u);
    for (size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], original[i]) << "frame " << i;
}

TEST(Replay, ForeignDamagedAndOtherVersionFilesAreRefused) {
    const Recorded r = Record({"--seed", "77", "--mode", "vs", "--frames", "300"}, kVersusScript);
    const std::string good = ReadFile(r.replay);
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        const size_t at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return t.replace(at, from.size(), to);
    };
    struct Case {
        const char* name;
        std::string text;
        const char* says;
    };
    const Case cases[] = {
        {"older version", replaced("version 2\n", "version 0\n"), "version 0 is not supported"},
        {"newer version", replaced("version 2\n", "version 3\n"), "version 3 is not supported"},
        {"no replay", "[display_mode]\ndisp_mode=1\n", "not a replay file"},
        {"empty", "", "not a replay file"},
        {"header cut short", good.substr(0, good.find("keyItem")), "header is incomplete"},
        {"unknown event", replaced("100 down F\n", "100 jump F\n"), "unknown event 'jump'"},
        {"unknown key", replaced("100 down F\n", "100 down F13\n"), "unknown key 'F13'"},
        {"frames out of order", replaced("104 up F\n", "99 up F\n"), "out of order"},
        {"bad mode", replaced("mode 2\n", "mode 7\n"), "'mode'"},
        {"lines after the end", good + "400 down A\n", "nothing may follow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(r.replay, c.text);
        const auto played = Play(r.replay, r.dir);
        EXPECT_EQ(played.status, 2);
        EXPECT_TRUE(played.out.empty()) << "nothing may run";
        EXPECT_NE(played.err.find(c.says), std::string::npos) << played.err;
        EXPECT_EQ(SplitLines(played.err).size(), 1u) << played.err;
    }
    const auto missing = Play(r.dir + "/no-such.replay", r.dir);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
}

TEST(Replay, CommandLineCombinations) {
    const std::string dir = MakeTempDir();
    const std::vector<std::vector<std::string>> refused = {
        {"--headless", "--replay", "x.replay", "--seed", "3"},
        {"--headless", "--replay", "x.replay", "--mode", "vs"},
        {"--headless", "--replay", "x.replay", "--input", "-"},
        {"--headless", "--replay", "x.replay", "--difficulty", "2"},
        {"--headless", "--record", "x.replay"},  // nothing to record without a mode
        {"--record", "x.replay"},                // a window game records by itself
        {"--matchups", "--replay", "x.replay"},
        {"--headless", "--replay"},
    };
    for (const auto& args : refused) {
        const auto run = RunGame(args, "", dir);
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_EQ(SplitLines(run.err).size(), 1u) << run.err;
    }
}

TEST(Replay, PlaybackLeavesTheSettingsFileAlone) {
    const Recorded r =
        Record({"--seed", "9", "--mode", "free", "--difficulty", "4", "--frames", "50"}, "");
    const std::string mine = "[display_mode]\ndisp_mode=1\n[game_mode]\ngame_mode=1\n";
    WriteFile(r.dir + "/gameoption.ini", mine);
    const auto played = Play(r.replay, r.dir);
    EXPECT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(ReadFile(r.dir + "/gameoption.ini"), mine);
    EXPECT_EQ(SplitLines(played.out).size(), 50u);
}

// Pads as a window game reads them: answers that change from frame to frame, a pad pulled
// out, keys that are not in the scripts' vocabulary.
class ChangingDevices final : public platform::InputDevices {
  public:
    int frame = -1;
    void GetKeyboardState(uint8_t out[256]) override {
        std::memset(out, 0, 256);
        if (frame % 7 < 3) out[platform::VK_LEFT] = platform::kKeyDownBit;
        if (frame % 11 == 5) out[112] = platform::kKeyDownBit;  // a key without a name
        if (frame > 20) out[platform::VK_A + (frame % 26)] = platform::kKeyDownBit;
    }
    bool JoyGetPos(uint32_t joystick, platform::JoyInfo& info) override {
        if (joystick == 1 && frame >= 10 && frame < 15) return false;  // pulled out a while
        info = {static_cast<uint32_t>(32767 + 3000 * (frame % 5)), 65535u - joystick, 0,
                static_cast<uint32_t>(frame / 4) & 7u};
        return true;
    }
    bool JoyGetDevCaps(uint32_t joystick, platform::JoyCaps& caps) override {
        if (joystick == 1) return false;
        caps = {0, 65535};
        return true;
    }
};

struct Reads {
    uint8_t keys[256];
    bool pad[2], caps[2];
    platform::JoyInfo info[2];
    platform::JoyCaps capsOf[2];

    void Take(platform::InputDevices& d) {
        std::memset(this, 0, sizeof *this);
        d.GetKeyboardState(keys);
        for (uint32_t j = 0; j < 2; ++j) {
            pad[j] = d.JoyGetPos(j, info[j]);
            caps[j] = d.JoyGetDevCaps(j, capsOf[j]);
        }
    }
};

TEST(Replay, RecordedDevicesAnswerAgainFrameForFrame) {
    const std::string path = MakeTempDir() + "/pads.replay";
    ChangingDevices real;
    std::vector<Reads> seen;
    {
        app::ReplayRecorder recorder(real);
        app::ReplayHeader header;
        header.seed = 1;
        header.mode = 2;
        std::string error;
        ASSERT_TRUE(recorder.Start(path, header, false, error)) << error;
        for (real.frame = -1; real.frame < 60; ++real.frame) {
            if (real.frame == 30) recorder.KeyPressed(platform::VK_ESCAPE);
            Reads r;
            r.Take(recorder);
            seen.push_back(r);
            recorder.EndFrame();
        }
    }  // the recorder finishes the file when it goes

    app::Replay replay;
    std::string error;
    ASSERT_TRUE(app::LoadReplay(path, replay, error)) << error;
    EXPECT_TRUE(replay.finished);
    EXPECT_EQ(replay.frames, 60);
    app::ReplayDevices devices;
    size_t next = 0;
    int presses = 0;
    for (int frame = -1; frame < 60; ++frame) {
        for (; next < replay.events.size() && replay.events[next].frame <= frame; ++next) {
            if (replay.events[next].kind == app::ReplayEventKind::kPress) {
                EXPECT_EQ(frame, 30);
                EXPECT_EQ(replay.events[next].vk, platform::VK_ESCAPE);
                ++presses;
            }
            devices.Apply(replay.events[next]);
        }
        Reads again;
        again.Take(devices);
        ASSERT_EQ(std::memcmp(&again, &seen[static_cast<size_t>(frame + 1)], sizeof again), 0)
            << "frame " << frame;
    }
    EXPECT_EQ(presses, 1);
    // Only changes are written: far fewer lines than reads.
    EXPECT_LT(replay.events.size(), 61u * 5u);
}

TEST(Replay, NewRecordingsNeverTouchEarlierOnes) {
    EXPECT_EQ(app::ReplayFileName(0).size(),
              std::string("replays/1970-01-01_00-00-00.replay").size());
    EXPECT_NE(app::ReplayFileName(0, 3).find("-3.replay"), std::string::npos);

    const std::string dir = MakeTempDir();
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    platform::ScriptedDevices keys;
    app::ReplayHeader header;
    header.mode = 1;
    const std::time_t when = 1765000000;
    std::filesystem::create_directories("replays");
    WriteFile(app::ReplayFileName(when), "an earlier game");
    std::string path, error;
    {
        app::ReplayRecorder recorder(keys);
        EXPECT_TRUE(app::StartNewReplay(recorder, header, when, path, error)) << error;
        EXPECT_EQ(path, app::ReplayFileName(when, 2));
        // A file that already exists is never opened for a fresh recording.
        app::ReplayRecorder other(keys);
        EXPECT_FALSE(other.Start(app::ReplayFileName(when), header, true, error));
    }
    EXPECT_EQ(ReadFile(app::ReplayFileName(when)), "an earlier game");
    app::Replay replay;
    EXPECT_TRUE(app::LoadReplay(path, replay, error)) << error;
    ASSERT_EQ(chdir(old), 0);
}

}  // namespace
