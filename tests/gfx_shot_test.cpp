// Pictures of whole frames from the headless game, with placeholder sheets in a game folder
// of their own: the select screen, a fight, the pause and a knock-out, each checked at the
// places where its pictures must be.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gfx_test_sheets.h"
#include "support/run_binary.h"
#include "support/stb_image.h"

using testing_support::RunGame;

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[y * width + x]; }
};

bool ReadPng(const std::string& path, Picture& picture) {
    int channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 3);
    if (data == nullptr) return false;
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = gfx::Argb(data[3 * i], data[3 * i + 1], data[3 * i + 2]);
    stbi_image_free(data);
    return true;
}

std::string Tap(int frame, const std::string& key) {
    return std::to_string(frame) + " down " + key + "\n" + std::to_string(frame + 2) + " up " +
           key + "\n";
}

// Player 1 moves to fighter 2, player 2 stays on fighter 1; both confirm at frame 24 and the
// fight starts 40 frames later.
const std::string kChoose = Tap(20, "S") + Tap(24, "G") + Tap(24, "MBUTTON");
constexpr int kFightStart = 64;

class Shots : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        game = new std::string(testing_support::MakeTempDir());
        ok = gfx_test::WritePlaceholderGame(*game, {1, 2});
        std::printf("placeholder game and pictures in %s\n", game->c_str());
    }
    static void TearDownTestSuite() {
        delete game;
        game = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(ok); }

    // Runs the game with the script and takes the picture of one frame.
    Picture Shoot(const std::vector<std::string>& args, const std::string& script, int frame,
                  const std::string& name, std::string* trace = nullptr) {
        std::vector<std::string> all = {
            "--headless", "--seed", "21", "--input", "-", "--frames", std::to_string(frame + 1)};
        all.insert(all.end(), args.begin(), args.end());
        all.push_back("--shot");
        all.push_back(std::to_string(frame) + ":" + name);
        if (trace != nullptr) {
            all.push_back("--trace");
            all.push_back("-");
        }
        const auto r = RunGame(all, script, *game);
        EXPECT_EQ(r.status, 0) << r.err;
        if (trace != nullptr) *trace = r.out;
        Picture picture;
        EXPECT_TRUE(ReadPng(*game + "/" + name, picture)) << name;
        EXPECT_EQ(picture.width, 800);
        EXPECT_EQ(picture.height, 600);
        return picture;
    }

    static std::string* game;
    static bool ok;
};

std::string* Shots::game = nullptr;
bool Shots::ok = false;

using gfx_test::FighterColour;
using gfx_test::kNameHighlight;
using gfx_test::kNamePlain;

}  // namespace

TEST_F(Shots, SelectScreen) {
    const Picture p = Shoot({"--mode", "vs"}, Tap(20, "S"), 30, "select.png");
    if (p.pixels.empty()) return;
    EXPECT_EQ(p.At(4, 84), kNamePlain);            // player 1's list, fighter 1
    EXPECT_EQ(p.At(4, 144), kNameHighlight);       // player 1's cursor moved to 2
    EXPECT_EQ(p.At(444, 84), kNameHighlight);      // player 2's cursor on 1
    EXPECT_EQ(p.At(184, 104), kNamePlain);         // fighter 9
    EXPECT_EQ(p.At(624, 464), kNamePlain);         // player 2's fighter 15
    EXPECT_EQ(p.At(799, 10), gfx::Argb(0, 0, 0));  // never drawn
    EXPECT_EQ(p.At(10, 599), gfx::Argb(0, 0, 0));
}

TEST_F(Shots, FightPauseAndKnockOut) {
    const Picture ready = Shoot({"--mode", "vs"}, kChoose, kFightStart + 10, "fight.png");
    if (ready.pixels.empty()) return;
    EXPECT_EQ(ready.At(314, 274), gfx::Argb(30, 90, 200));  // "ready"
    EXPECT_EQ(ready.At(192 + 4, 450 + 4), kNamePlain);      // both names under the gauges
    EXPECT_EQ(ready.At(425 + 4, 450 + 4), kNamePlain);
    EXPECT_EQ(ready.At(200, 325 - 10), FighterColour(2));  // player 1 chose fighter 2
    EXPECT_EQ(ready.At(600, 325 - 10), FighterColour(1));
    EXPECT_EQ(ready.At(300, 120), gfx_test::kHealthColour);  // full gauges
    EXPECT_EQ(ready.At(500, 145), gfx_test::kStaminaColour);

    const Picture paused = Shoot({"--mode", "vs"}, kChoose + Tap(kFightStart + 60, "ESC"),
                                 kFightStart + 70, "pause.png");
    EXPECT_EQ(paused.At(224, 234), gfx::Argb(60, 60, 60));
    EXPECT_EQ(paused.At(224, 314), gfx::Argb(60, 60, 60));

    // The computer players fight it out; the picture is taken in the result phase.
    std::string trace;
    Shoot({"--mode", "view"}, kChoose, 9000, "whole.png", &trace);
    int result = -1, frame = 0;
    for (const std::string& line : testing_support::SplitLines(trace)) {
        if (line.find("\"state\":4,\"phase\":4,") != std::string::npos) {
            result = frame;
            break;
        }
        ++frame;
    }
    ASSERT_GT(result, kFightStart) << "no knock-out in 9000 frames";
    const Picture knockOut = Shoot({"--mode", "view"}, kChoose, result + 20, "knockout.png");
    EXPECT_EQ(knockOut.At(265, 272), gfx::Argb(20, 140, 60));  // "wins"
    EXPECT_EQ(knockOut.At(373 + 177, 270 + 4), kNamePlain);    // the winner's name
}
