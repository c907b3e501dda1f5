// Replays as a hostile tester hands them over: settings no launcher can produce, end counts
// beyond what the file holds, files that are not files, an output named like the input.
// Each is refused with one line and exit status 2, at once; a recording cut short still
// plays to within a second of where it stopped; watching never writes the settings.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/replay.h"
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

// A computer-against-computer game of `frames` frames recorded headless in a fresh folder.
struct Recording {
    std::string dir, path, text, trace;
};

Recording RecordView(int frames, const std::vector<std::string>& extra = {}) {
    Recording r;
    r.dir = MakeTempDir();
    r.path = r.dir + "/game.replay";
    std::vector<std::string> args = {
        "--headless",           "--seed",   "3",    "--mode",  "view", "--frames",
        std::to_string(frames), "--record", r.path, "--trace", "-"};
    args.insert(args.end(), extra.begin(), extra.end());
    const auto run = RunGame(args, "", r.dir);
    EXPECT_EQ(run.status, 0) << run.err;
    r.text = ReadFile(r.path);
    r.trace = run.out;
    return r;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The header line `key ...` given a new value.
std::string WithHeader(const std::string& text, const std::string& key, const std::string& value) {
    return std::regex_replace(text, std::regex("\n" + key + " [^\n]*\n"),
                              "\n" + key + " " + value + "\n",
                              std::regex_constants::format_first_only);
}

testing_support::RunResult Play(const std::string& path, const std::string& dir,
                                const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = {"--headless", "--replay", path, "--trace", "-"};
    args.insert(args.end(), extra.begin(), extra.end());
    // Nothing here may take long: a hang is a failure, not a wait.
    return RunGameWith("timeout 60 ", args, "", dir);
}

void ExpectRefused(const testing_support::RunResult& run, const std::string& says) {
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_TRUE(run.out.empty()) << "nothing may run";
    EXPECT_EQ(SplitLines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
}

}  // namespace

TEST(HostileReplays, HeaderSettingsTheLauncherCannotProduceAreRefused) {
    const Recording r = RecordView(30);
    struct Case {
        const char* key;
        const char* value;
    };
    const Case refused[] = {
        {"difficulty", "2147483647"},
        {"difficulty", "-2147483648"},
        {"difficulty", "5"},
        {"difficulty", "-2"},
        {"speed", "2147483647"},
        {"speed", "4000000"},
        {"speed", "61"},
        {"speed", "-40"},
        {"displayMode", "2"},
        {"musicMode", "3"},
        {"controlMethod", "0 2"},
        {"padButton", "0 1 2 0 1 10"},
        {"keyItem", "7 29 10 25 13 14 16 3 4 5 6 2 0 43"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        WriteFile(r.path, WithHeader(r.text, c.key, c.value));
        ExpectRefused(Play(r.path, r.dir), std::string("'") + c.key + "'");
    }
    // The ends of the ranges are what the launcher can show: they play.
    const Case accepted[] = {
        {"difficulty", "-1"}, {"difficulty", "4"},
        {"speed", "-39"},     {"speed", "60"},
        {"musicMode", "-1"},  {"keyItem", "-1 -1 -1 -1 -1 -1 -1 42 42 42 42 42 42 42"}};
    for (const Case& c : accepted) {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        WriteFile(r.path, WithHeader(r.text, c.key, c.value));
        const auto run = Play(r.path, r.dir);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(SplitLines(run.out).size(), 30u);
    }
}

TEST(HostileReplays, AnEndCountTheLinesCannotHoldIsRefused) {
    // 100 frames of computer play: no key changes, only the marks the recorder leaves.
    const Recording r = RecordView(100);
    ASSERT_NE(r.text.find("\n99 mark\nend 100\n"), std::string::npos) << r.text;
    const std::string body = r.text.substr(0, r.text.rfind("end 100\n"));

    WriteFile(r.path, body + "end 2147483647\n");
    ExpectRefused(Play(r.path, r.dir), "more than the recording holds");
    // Up to kReplayMarkFrames frames may follow the last line; more cannot have been written.
    WriteFile(r.path, body + "end " + std::to_string(99 + app::kReplayMarkFrames + 1) + "\n");
    ExpectRefused(Play(r.path, r.dir), "more than the recording holds");
    WriteFile(r.path, body + "end " + std::to_string(99 + app::kReplayMarkFrames) + "\n");
    const auto longest = Play(r.path, r.dir);
    EXPECT_EQ(longest.status, 0) << longest.err;
    EXPECT_EQ(SplitLines(longest.out).size(), static_cast<size_t>(99 + app::kReplayMarkFrames));

    // Version 1 recordings had no marks: they still play, their end count capped at a day.
    std::string v1 = Replaced(r.text, "version 2\n", "version 1\n");
    v1 = std::regex_replace(v1, std::regex("[0-9]+ mark\n"), "");
    WriteFile(r.path, v1);
    const auto old = Play(r.path, r.dir);
    EXPECT_EQ(old.status, 0) << old.err;
    EXPECT_EQ(old.out, r.trace) << "a version 1 file plays as it always did";
    const std::string day = std::to_string(app::kReplayVersion1MaxFrames);
    WriteFile(r.path, Replaced(v1, "end 100\n", "end " + day + "\n"));
    const auto capped = Play(r.path, r.dir, {"--frames", "5"});
    EXPECT_EQ(capped.status, 0) << capped.err;
    WriteFile(r.path, Replaced(v1, "end 100\n",
                               "end " + std::to_string(app::kReplayVersion1MaxFrames + 1) + "\n"));
    ExpectRefused(Play(r.path, r.dir), "more than the recording holds");
    // Marks are not part of version 1.
    WriteFile(r.path, Replaced(r.text, "version 2\n", "version 1\n"));
    ExpectRefused(Play(r.path, r.dir), "marks belong to version 2");
}

TEST(HostileReplays, ARecordingCutOffAnywherePlaysToWithinASecond) {
    // The recorder flushes every frame: the file as it is on disk after frame n is what a
    // crash right then leaves. It must play at least to n + 1 - kReplayMarkFrames.
    const std::string dir = MakeTempDir();
    const std::string path = dir + "/cut.replay";
    platform::ScriptedDevices keys;
    app::ReplayRecorder recorder(keys);
    app::ReplayHeader header;
    header.mode = 4;
    header.controls.difficulty = 0;
    std::string error;
    ASSERT_TRUE(recorder.Start(path, header, false, error)) << error;
    recorder.EndFrame();  // the start sequence
    for (int64_t frame = 0; frame < 400; ++frame) {
        if (frame == 37) keys.SetKey(platform::VK_A, true);
        if (frame == 41) keys.SetKey(platform::VK_A, false);
        uint8_t state[256];
        recorder.GetKeyboardState(state);
        recorder.EndFrame();
        app::Replay replay;
        ASSERT_TRUE(app::LoadReplay(path, replay, error))
            << "after frame " << frame << ": " << error;
        EXPECT_FALSE(replay.finished);
        ASSERT_LE(replay.frames, frame + 1);
        ASSERT_GT(replay.frames, frame + 1 - app::kReplayMarkFrames) << "after frame " << frame;
    }
    recorder.Finish();
    app::Replay replay;
    ASSERT_TRUE(app::LoadReplay(path, replay, error)) << error;
    EXPECT_TRUE(replay.finished);
    EXPECT_EQ(replay.frames, 400);
}

TEST(HostileReplays, OnlyRegularFilesOfSaneSizeAreRead) {
    const std::string dir = MakeTempDir();
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    fs::create_directory(dir + "/folder");
    fs::create_symlink("/dev/zero", dir + "/zero-link");
    {
        std::ofstream big(dir + "/big.replay", std::ios::binary);
        big << "TOVUKA02 REPLAY\n";
    }
    fs::resize_file(dir + "/big.replay", app::kMaxReplayBytes + 1);
    ExpectRefused(Play(dir + "/big.replay", dir), "is larger than 16 MB");
    auto script = [&](const std::string& path) {
        return RunGameWith("timeout 60 ",
                           {"--headless", "--seed", "1", "--mode", "vs", "--input", path}, "", dir);
    };
    {
        std::ofstream big(dir + "/big.txt", std::ios::binary);
        big << "0 down A\n";
    }
    fs::resize_file(dir + "/big.txt", (size_t{64} << 20) + 1);
    ExpectRefused(script(dir + "/big.txt"), "is larger than 64 MB");
    for (const char* name : {"/dev/zero", "fifo", "folder", "zero-link"}) {
        SCOPED_TRACE(name);
        const std::string path = name[0] == '/' ? name : dir + "/" + name;
        ExpectRefused(Play(path, dir), "is not a regular file");
        ExpectRefused(script(path), "is not a regular file");
    }
    ExpectRefused(Play(dir + "/none.replay", dir), "does not exist");
    ExpectRefused(script(dir + "/none.txt"), "does not exist");
}

TEST(HostileReplays, AnOutputThatIsAnInputIsRefused) {
    const Recording r = RecordView(20);
    fs::create_symlink(r.path, r.dir + "/other-name.replay");
    fs::create_hard_link(r.path, r.dir + "/hard-link.replay");
    WriteFile(r.dir + "/keys.txt", "0 down A\n3 up A\n");
    const std::vector<std::vector<std::string>> refused = {
        {"--headless", "--replay", r.path, "--trace", r.path},
        {"--headless", "--replay", r.path, "--trace", r.dir + "/./game.replay"},
        {"--headless", "--replay", r.path, "--trace", r.dir + "/other-name.replay"},
        {"--headless", "--replay", r.path, "--trace", r.dir + "/hard-link.replay"},
        {"--headless", "--replay", r.path, "--shot", "3:" + r.path},
        {"--headless", "--mode", "vs", "--input", r.dir + "/keys.txt", "--trace",
         r.dir + "/keys.txt"},
        {"--headless", "--mode", "vs", "--input", r.dir + "/keys.txt", "--record",
         r.dir + "/keys.txt"},
        {"--headless", "--mode", "vs", "--trace", r.dir + "/out.txt", "--record",
         r.dir + "/out.txt"},
    };
    for (const auto& args : refused) {
        std::string line;
        for (const std::string& a : args)
            line += a + " ";
        SCOPED_TRACE(line);
        const auto run = RunGame(args, "", r.dir);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(SplitLines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find("is the file of"), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadFile(r.path), r.text) << "the recording is untouched";
    EXPECT_EQ(ReadFile(r.dir + "/keys.txt"), "0 down A\n3 up A\n");
    // Pictures of two frames may share a name; the second one stays.
    const auto shots = RunGame({"--headless", "--replay", r.path, "--shot", "2:" + r.dir + "/p.png",
                                "--shot", "4:" + r.dir + "/p.png"},
                               "", r.dir);
    EXPECT_EQ(shots.status, 0) << shots.err;
}

TEST(HostileReplays, WatchingNeverWritesTheSettingsFile) {
    const Recording r = RecordView(20, {"--difficulty", "3"});
    const std::string settings = r.dir + "/gameoption.ini";
    const std::string mine = "[game_mode]\ngame_mode=1\n";

    // A regular file: not rewritten at all (the same file, the same time stamp).
    WriteFile(settings, mine);
    struct stat before {};
    ASSERT_EQ(::stat(settings.c_str(), &before), 0);
    sleep(1);  // a rewrite would show in the time stamp
    const auto played = Play(r.path, r.dir);
    EXPECT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(played.out, r.trace);
    struct stat after {};
    ASSERT_EQ(::stat(settings.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(ReadFile(settings), mine);

    // Under a file-size limit smaller than the file nothing is cut short.
    std::string large = mine;
    for (int i = 0; i < 120; ++i)
        large += "; the player's own notes, kept as they are .......\n";
    WriteFile(settings, large);
    const auto limited =
        RunGameWith("ulimit -f 2 && timeout 60 ", {"--headless", "--replay", r.path}, "", r.dir);
    EXPECT_EQ(limited.status, 0) << limited.err;
    EXPECT_EQ(ReadFile(settings), large);

    // A FIFO or a link to /dev/zero in its place: read as no file, never waited on.
    fs::remove(settings);
    ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
    EXPECT_EQ(Play(r.path, r.dir).status, 0);
    EXPECT_EQ(fs::status(settings).type(), fs::file_type::fifo);
    fs::remove(settings);
    fs::create_symlink("/dev/zero", settings);
    EXPECT_EQ(Play(r.path, r.dir).status, 0);
    EXPECT_TRUE(fs::is_symlink(settings));
    EXPECT_FALSE(fs::exists(r.dir + "/replays")) << "watching records nothing";
}
