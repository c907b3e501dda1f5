// The game folder as players leave it: without its pictures, with sheets missing, or
// where the game may not write. The game runs in each case; what is missing stays missing
// and standard error says what a person needs to know.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx_test_sheets.h"
#include "support/run_binary.h"
#include "support/stb_image.h"

using testing_support::RunGame;
using testing_support::RunGameWithoutRights;
using testing_support::SplitLines;

namespace {

std::string Tap(int frame, const std::string& key) {
    return std::to_string(frame) + " down " + key + "\n" + std::to_string(frame + 2) + " up " +
           key + "\n";
}

// Player 1 takes fighter 2, player 2 fighter 1; both confirm at frame 24, the fight starts
// 40 frames later and its ready call ends 120 frames after that.
const std::string kChoose = Tap(20, "S") + Tap(24, "G") + Tap(24, "MBUTTON");

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// How many pixels of a PNG picture are not black; -1 when it cannot be read.
long LitPixels(const std::string& path) {
    int w = 0, h = 0, channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &w, &h, &channels, 3);
    if (data == nullptr) return -1;
    long lit = 0;
    for (long i = 0; i < static_cast<long>(w) * h; ++i)
        if (data[3 * i] != 0 || data[3 * i + 1] != 0 || data[3 * i + 2] != 0) ++lit;
    stbi_image_free(data);
    return lit;
}

// How many frames of the trace show the fight under way.
int FightingFrames(const std::string& trace) {
    int n = 0;
    for (const std::string& line : SplitLines(trace))
        if (line.find("\"state\":4,\"phase\":1,") != std::string::npos) ++n;
    return n;
}

// A fight of fighter 2 against fighter 1 in a game folder; the picture of frame 700 goes to
// shot.png there.
testing_support::RunResult Fight(const std::string& dir) {
    return RunGame({"--headless", "--seed", "4", "--mode", "view", "--input", "-", "--frames",
                    "800", "--trace", "-", "--shot", "700:shot.png"},
                   kChoose, dir);
}

class GameFolder : public ::testing::Test {
  protected:
    // The same fight with every picture there: what the others are measured against.
    static void SetUpTestSuite() {
        const std::string dir = testing_support::MakeTempDir();
        whole = new Whole;
        whole->ok = gfx_test::WritePlaceholderGame(dir, {1, 2});
        const auto r = Fight(dir);
        whole->ok = whole->ok && r.status == 0;
        whole->trace = r.out;
        whole->lit = LitPixels(dir + "/shot.png");
    }
    static void TearDownTestSuite() {
        delete whole;
        whole = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(whole->ok);
        ASSERT_GT(FightingFrames(whole->trace), 400);
        ASSERT_GT(whole->lit, 0);
    }
    struct Whole {
        bool ok = false;
        std::string trace;
        long lit = 0;
    };
    static Whole* whole;
};
GameFolder::Whole* GameFolder::whole = nullptr;

}  // namespace

// Pictures never change the game: without any the fight is the very same, only unseen.
TEST_F(GameFolder, WithoutTheGraphicFolderTheGameRunsWithoutPictures) {
    const std::string dir = testing_support::MakeTempDir();
    const auto r = Fight(dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, whole->trace) << "the same fight, frame for frame";
    EXPECT_EQ(LitPixels(dir + "/shot.png"), 0) << "nothing to draw: a black picture";
}

TEST_F(GameFolder, MissingSheetsLeaveOnlyTheirPicturesOut) {
    const std::string dir = testing_support::MakeTempDir();
    ASSERT_TRUE(gfx_test::WritePlaceholderGame(dir, {1, 2}));
    // The stage's parts sheet and player 1's first fighter sheet (the set of a fighter ends
    // at its first missing file, so none of his pictures remain).
    std::string files[gfx::kPlayerSheets];
    ASSERT_TRUE(gfx::PlayerSheetFiles(2, 1, files));
    ASSERT_EQ(::unlink(gfx_test::FilePath(dir, files[0]).c_str()), 0);
    ASSERT_EQ(::unlink((dir + "/Graphic/parts01.bmp").c_str()), 0);
    const auto r = Fight(dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, whole->trace);
    const long lit = LitPixels(dir + "/shot.png");
    EXPECT_GT(lit, 0) << "the other fighter and the rest are still drawn";
    EXPECT_LT(lit, whole->lit);
}

TEST(GameFolderRights, AFolderThatCannotBeWrittenKeepsItsSettingsAndTheGamePlays) {
    const std::string dir = testing_support::MakeTempDir();
    const std::string settings = "[display_mode]\ndisp_mode=1\n[wait_load]\nwait_load=7\n";
    std::ofstream(dir + "/gameoption.ini") << settings;
    ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
    const auto r = RunGameWithoutRights({"--headless", "--seed", "4", "--mode", "view", "--input",
                                         "-", "--frames", "400", "--trace", "-"},
                                        kChoose, dir);
    ::chmod(dir.c_str(), 0755);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_GT(FightingFrames(r.out), 100) << "the game plays all the same";
    EXPECT_NE(r.err.find("the settings were not saved"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(dir + "/gameoption.ini"), settings) << "the old settings stay whole";
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        ++entries;
        EXPECT_EQ(e.path().filename(), "gameoption.ini") << "nothing else was left behind";
    }
    EXPECT_EQ(entries, 1);
}
