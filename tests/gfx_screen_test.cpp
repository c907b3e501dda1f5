// The pictures of the screen as the frame loop draws them: gauges, banners, names, the
// select screen, the fight's messages per phase, the pause, the status line, and which
// picture covers which.
#include <gtest/gtest.h>

#include <memory>

#include "gfx/draw.h"
#include "gfx_test_sheets.h"
#include "shell/game_step.h"
#include "shell/routines.h"
#include "shell/screen.h"
#include "support/game.h"
#include "support/run_binary.h"

using gfx_test::Code;
using gfx_test::Origin;
using gfx_test::OriginOf;

namespace {

constexpr int kParts1 = 1, kBackground = 2, kParts3 = 3;  // sheet ids of the coded sheets
constexpr int kFighterSheet1 = 6, kFighterSheet2 = 7, kDown1 = 4, kDown2 = 5;
constexpr uint32_t kStatusColour = gfx::Argb(255, 185, 0);

class Screen : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = testing_support::MakeTempDir();
        here = std::make_unique<gfx_test::InDirectory>(dir);
        ASSERT_TRUE(here->ok());
        game = std::make_unique<testing_support::Game>(3);
        game->StartFight(2, 1, 2);
        ASSERT_NE(gfx::FramePixels(F().display), nullptr);

        // parts01 with the gauge frame and the piece behind player 2's gauges see-through,
        // so the bars under them can be seen.
        auto parts1 = gfx_test::CodedImage(kParts1, 1000, 700);
        for (int y = 360; y < 512; ++y)
            for (int x = 360; x < 696; ++x)
                if (y < 426 || y >= 446) parts1->pixels[y * 1000 + x] = gfx_test::kGreen;
        F().display.common[gfx::kParts01] = gfx_test::Keyed(parts1);
        F().display.common[gfx::kParts02] =
            gfx_test::Keyed(gfx_test::CodedImage(kBackground, 800, 600));
        F().display.common[gfx::kParts03] =
            gfx_test::Keyed(gfx_test::CodedImage(kParts3, 400, 320));
        F().display.player[0][0] = gfx_test::Keyed(gfx_test::CodedImage(kFighterSheet1, 1024, 768));
        F().display.player[1][0] = gfx_test::Keyed(gfx_test::CodedImage(kFighterSheet2, 1024, 768));
        F().display.player[0][9] = gfx_test::Keyed(gfx_test::CodedImage(kDown1, 800, 600));
        F().display.player[1][9] = gfx_test::Keyed(gfx_test::CodedImage(kDown2, 800, 600));

        F().phase = 1;
        for (engine::Fighter& f : F().fighter) {
            f.health = f.healthMax = 1000;
            f.stamina = f.staminaMax = 500;
            f.koMark = 0;
            f.counterHitFlag = f.weakHitFlag = 0;
            engine::FrameOf(f, f.code).image = 9999;  // fighters off unless a test places them
        }
    }
    void TearDown() override { game.reset(); }

    shell::TForm1& F() { return game->F(); }
    uint32_t At(int x, int y) { return gfx::FramePixels(F().display)[y * gfx::kScreenWidth + x]; }
    Origin O(int x, int y) { return OriginOf(At(x, y)); }
    bool IsBackground(int x, int y) { return O(x, y) == (Origin{kBackground, x, y}); }
    void Scene() { shell::DrawScene(F()); }
    // The banners' count of a frame, then its picture.
    void BannerFrame() {
        F().frameEvents.Clear();
        shell::CountBanners(F(), F().frameEvents);
        Scene();
    }

    // Puts a fighter's current picture (sheet 1, cell 0) with its point at (x, y).
    void PlaceFighter(int p, int x, int y) {
        engine::Fighter& f = F().fighter[p];
        f.x = x;
        f.y = y;
        engine::MotionFrame& frame = engine::FrameOf(f, f.code);
        frame.image = 100;
        frame.dy = 0;
    }

    std::string dir;
    std::unique_ptr<gfx_test::InDirectory> here;
    std::unique_ptr<testing_support::Game> game;
};

}  // namespace

TEST_F(Screen, BackgroundLeavesLastColumnAndRow) {
    Scene();
    EXPECT_TRUE(IsBackground(0, 0));
    EXPECT_TRUE(IsBackground(798, 598));
    EXPECT_FALSE(IsBackground(799, 300));
    EXPECT_FALSE(IsBackground(400, 599));
}

// Gauges: width = value x length / maximum; player 1's grows leftward from x 359 (health)
// or 360 (stamina), player 2's rightward from 457 or 456; DrawPart copies one column less.
TEST_F(Screen, GaugeWidthsGrowFromTheCentre) {
    struct Case {
        int health, stamina;
        int healthWidth, staminaWidth;
    };
    const Case cases[] = {
        {1000, 500, 300, 280}, {500, 250, 150, 140}, {999, 499, 299, 279},
        {7, 4, 2, 2},          {4, 2, 1, 1},         {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        for (engine::Fighter& f : F().fighter) {
            f.health = c.health;
            f.stamina = c.stamina;
        }
        Scene();
        const struct {
            int y, srcY, width, p1Right, p2Left;
        } bars[] = {{120, 429, c.healthWidth, 359, 457}, {145, 439, c.staminaWidth, 360, 456}};
        for (const auto& b : bars) {
            const int p1Left = b.p1Right - b.width;
            for (int x = 40; x < 780; ++x) {
                Origin expected{kBackground, x, b.y};
                if (x >= p1Left && x < b.p1Right - 1)
                    expected = {kParts1, 360 + x - p1Left, b.srcY};
                if (x >= b.p2Left && x < b.p2Left + b.width - 1)
                    expected = {kParts1, 360 + x - b.p2Left, b.srcY};
                ASSERT_EQ(O(x, b.y), expected)
                    << "x " << x << " health " << c.health << " stamina " << c.stamina;
            }
        }
    }
}

TEST_F(Screen, GaugesOfAFighterWhoIsDownAreNotDrawn) {
    F().fighter[0].koMark = 99;
    F().fighter[1].healthMax = 0;  // no maximum: no gauge, no fault
    F().fighter[1].staminaMax = 0;
    Scene();
    EXPECT_TRUE(IsBackground(300, 120));
    EXPECT_TRUE(IsBackground(300, 145));
    EXPECT_TRUE(IsBackground(500, 120));
    EXPECT_TRUE(IsBackground(500, 145));
}

TEST_F(Screen, GaugeFramesAndNames) {
    auto frameParts = gfx_test::CodedImage(kParts1, 1000, 700);  // opaque frames this time
    F().display.common[gfx::kParts01] = gfx_test::Keyed(frameParts);
    F().chosenKind[0] = 4;
    F().chosenKind[1] = 14;
    Scene();
    EXPECT_EQ(O(40, 100), (Origin{kParts1, 360, 360}));
    EXPECT_EQ(O(374, 164), (Origin{kParts1, 694, 424}));
    EXPECT_EQ(O(440, 100), (Origin{kParts1, 694, 360}));  // mirrored
    EXPECT_EQ(O(774, 164), (Origin{kParts1, 360, 424}));
    // Right of the frames the background shows again.
    EXPECT_EQ(O(775, 100), (Origin{kBackground, 775, 100}));
    EXPECT_EQ(O(192, 450), (Origin{kParts1, 0, 180}));  // plain name 4
    EXPECT_EQ(O(425, 450), (Origin{kParts3, 0, 180}));  // plain name 14
    EXPECT_EQ(O(425 + 178, 450 + 58), (Origin{kParts3, 178, 238}));
}

TEST_F(Screen, BannersSlideInStandAndClearTheirFlag) {
    F().fighter[0].counterHitFlag = 1;
    F().fighter[1].weakHitFlag = 1;
    for (int n = 1; n <= 40; ++n) {
        BannerFrame();
        const int x1 = n < 15 ? 60 - 4 * n : 0;
        const int x2 = n < 15 ? 560 + 4 * n : 620;
        EXPECT_EQ(O(x1, 170), (Origin{kParts1, 360, 0})) << n;
        if (x1 > 0) {
            EXPECT_TRUE(IsBackground(x1 - 1, 170)) << n;
        }
        EXPECT_EQ(O(x2, 230), (Origin{kParts1, 360, 180})) << n;
        EXPECT_TRUE(IsBackground(x2 - 1, 230)) << n;
        EXPECT_EQ(F().counterBannerFrames[0], n % 40);
        EXPECT_EQ(F().weakBannerFrames[1], n % 40);
    }
    EXPECT_EQ(F().fighter[0].counterHitFlag, 0);
    EXPECT_EQ(F().fighter[1].weakHitFlag, 0);
    BannerFrame();
    EXPECT_TRUE(IsBackground(0, 170));
    EXPECT_TRUE(IsBackground(620, 230));
    EXPECT_EQ(F().counterBannerFrames[0], 0);
}

TEST_F(Screen, NoBannersDuringTheKnockOutPause) {
    F().phase = 2;
    F().fighter[1].counterHitFlag = 1;
    F().counterBannerFrames[1] = 5;
    BannerFrame();
    EXPECT_EQ(F().counterBannerFrames[1], 5);
    EXPECT_EQ(F().fighter[1].counterHitFlag, 1);
    EXPECT_TRUE(IsBackground(584, 170));
}

TEST_F(Screen, BannerFinishesWhilePaused) {
    F().paused = 1;
    F().fighter[0].counterHitFlag = 1;
    const int32_t code = F().fighter[0].code;
    for (int i = 0; i < 40; ++i)
        shell::AppIdle(F());
    EXPECT_EQ(F().fighter[0].counterHitFlag, 0);
    EXPECT_EQ(F().fighter[0].code, code);
}

TEST_F(Screen, DownEffectOfTheWinnerInTheKnockOutPause) {
    F().phase = 2;
    struct Case {
        int ko1, ko2;
        int id;  // 0: none
        int n;
    };
    const Case cases[] = {{0, 1, kDown1, 1}, {0, 2, kDown1, 2}, {2, 0, kDown2, 2},
                          {1, 0, kDown2, 1}, {0, 99, 0, 0},     {1, 2, 0, 0}};
    for (const Case& c : cases) {
        F().fighter[0].koMark = c.ko1;
        F().fighter[1].koMark = c.ko2;
        PlaceFighter(0, 400, 300);
        Scene();
        shell::DrawStatePictures(F());  // no fighters in this phase
        if (c.id != 0) {
            EXPECT_EQ(O(0, 160), (Origin{c.id, 0, 300 * (c.n - 1)})) << c.ko1 << "/" << c.ko2;
            EXPECT_EQ(O(798, 458), (Origin{c.id, 798, 300 * (c.n - 1) + 298}));
        } else {
            EXPECT_TRUE(IsBackground(400, 300)) << c.ko1 << "/" << c.ko2;
        }
        EXPECT_TRUE(IsBackground(400, 159));
    }
}

TEST_F(Screen, SelectScreenListsAndCursors) {
    F().gameState = shell::kStateSelect;
    for (int kind = 1; kind <= 15; ++kind) {
        F().chosenKind[0] = kind;
        F().chosenKind[1] = 16 - kind;
        Scene();
        shell::DrawStatePictures(F());
        for (int p = 0; p < 2; ++p) {
            const int x0 = p == 0 ? 0 : 440;
            const int n = F().chosenKind[p];
            int x, y;
            Origin highlight;
            if (n <= 6) {
                x = x0, y = 80 + 60 * (n - 1);
                highlight = {kParts1, 180, 60 * (n - 1)};
            } else if (n <= 8) {
                x = x0, y = 440 + 60 * (n - 7);
                highlight = {kParts1, 720, 60 * (n - 7)};
            } else if (n <= 12) {
                x = x0 + 180, y = 100 + 60 * (n - 9);
                highlight = {kParts1, 720, 60 * (n - 7)};
            } else {
                x = x0 + 180, y = 340 + 60 * (n - 13);
                highlight = {kParts3, 180, 120 + 60 * (n - 13)};
            }
            EXPECT_EQ(O(x, y), highlight) << "player " << p + 1 << " kind " << n;
            EXPECT_EQ(O(x + 178, y + 58),
                      (Origin{highlight.id, highlight.x + 178, highlight.y + 58}));
        }
    }
    // The plain lists around the cursors (player 1 on 15 now, player 2 on 1).
    EXPECT_EQ(O(0, 80), (Origin{kParts1, 0, 0}));             // player 1, name 1
    EXPECT_EQ(O(0, 440 + 60), (Origin{kParts1, 540, 60}));    // player 1, name 8
    EXPECT_EQ(O(180, 100), (Origin{kParts1, 540, 120}));      // player 1, name 9
    EXPECT_EQ(O(180, 340), (Origin{kParts3, 0, 120}));        // player 1, name 13
    EXPECT_EQ(O(440, 80), (Origin{kParts1, 180, 0}));         // player 2's cursor on 1
    EXPECT_EQ(O(620, 340 + 120), (Origin{kParts3, 0, 240}));  // player 2, name 15
    EXPECT_TRUE(IsBackground(400, 300));
}

TEST_F(Screen, FightMessagesPerPhase) {
    struct Case {
        int phase, frames;
        Origin at310x270;
    };
    const Case cases[] = {
        {0, 0, {kParts1, 360, 240}},      {0, 47, {kParts1, 360, 240}},
        {0, 48, {kParts1, 360, 300}},     {0, 96, {kParts1, 360, 300}},
        {0, 97, {kBackground, 310, 270}}, {1, 10, {kBackground, 310, 270}},
    };
    for (const Case& c : cases) {
        F().phase = c.phase;
        F().phaseFrames = c.frames;
        Scene();
        shell::DrawStatePictures(F());
        EXPECT_EQ(O(310, 270), c.at310x270) << c.phase << "/" << c.frames;
    }
}

TEST_F(Screen, ResultShowsTheWinnersName) {
    F().phase = 4;
    F().chosenKind[0] = 3;
    F().chosenKind[1] = 9;
    F().fighter[0].koMark = 99;  // player 2 won
    Scene();
    shell::DrawStatePictures(F());
    EXPECT_EQ(O(263, 270), (Origin{kParts1, 360, 120}));
    EXPECT_EQ(O(381, 270), (Origin{kParts1, 478, 120}));
    EXPECT_EQ(O(382, 270), (Origin{kParts1, 540 + 9, 120}));  // plain name 9 from x 373
    EXPECT_EQ(O(373 + 178, 270 + 58), (Origin{kParts1, 540 + 178, 120 + 58}));

    F().fighter[1].koMark = 99;  // both down: no name
    Scene();
    shell::DrawStatePictures(F());
    EXPECT_EQ(O(263, 270), (Origin{kParts1, 360, 120}));
    EXPECT_TRUE(IsBackground(400, 270));
}

TEST_F(Screen, ContinueClearedAndPausePictures) {
    F().phase = 5;
    Scene();
    shell::DrawStatePictures(F());
    EXPECT_EQ(O(220, 230), (Origin{kParts3, 0, 0}));
    EXPECT_EQ(O(220, 310), (Origin{kParts3, 0, 60}));
    EXPECT_EQ(O(578, 368), (Origin{kParts3, 358, 118}));

    F().gameState = shell::kStateCleared;
    F().phase = 0;
    Scene();
    EXPECT_EQ(O(310, 230), (Origin{kParts1, 360, 60}));
    EXPECT_EQ(O(220, 310), (Origin{kParts1, 0, 480}));
    EXPECT_TRUE(IsBackground(300, 120));  // no gauges outside the fight

    shell::DrawPausePictures(F());
    EXPECT_EQ(O(220, 230), (Origin{kParts1, 0, 360}));
    EXPECT_EQ(O(220, 310), (Origin{kParts1, 0, 420}));
}

// The order of one whole frame: background, gauges, status line, fighters, messages,
// pause; each covers what came before it.
TEST_F(Screen, WholeFrameLayers) {
    F().gameMode = shell::kModeTournament;
    F().phase = 0;
    F().phaseFrames = 10;  // "ready" at (310, 270)
    F().paused = 1;        // the frame draws but the fight stands still
    PlaceFighter(0, 400, 200);
    PlaceFighter(1, 127, 127);  // over the status line
    shell::AppIdle(F());

    EXPECT_TRUE(IsBackground(700, 500));
    EXPECT_EQ(O(300, 120).id, kFighterSheet1);            // over player 1's health gauge
    EXPECT_EQ(O(320, 300), (Origin{kParts1, 370, 270}));  // the message over the fighter
    EXPECT_EQ(O(320, 280), (Origin{kParts1, 100, 410}));  // the pause over the message
    EXPECT_EQ(O(320, 315), (Origin{kParts1, 100, 425}));
    for (int y = 40; y < 70; ++y)
        for (int x = 6; x < 250; ++x)
            ASSERT_NE(At(x, y), kStatusColour) << x << "," << y;  // text under the fighter

    // With the fighter elsewhere the text shows.
    PlaceFighter(1, 600, 300);
    shell::AppIdle(F());
    int text = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 400; ++x)
            if (At(x, y) == kStatusColour) {
                ++text;
                EXPECT_GE(x, 6);
                EXPECT_GE(y, 40);
                EXPECT_LT(y, 70);
            }
    EXPECT_GT(text, 50);
}

TEST_F(Screen, StatusLineOnlyInTournamentOutsideSelect) {
    auto count = [&] {
        int n = 0;
        for (int y = 30; y < 80; ++y)
            for (int x = 0; x < 400; ++x)
                n += At(x, y) == kStatusColour;
        return n;
    };
    F().gameMode = shell::kModeVersus;
    Scene();
    shell::DrawTextPass(F());
    EXPECT_EQ(count(), 0);
    F().gameMode = shell::kModeTournament;
    F().gameState = shell::kStateSelect;
    Scene();
    shell::DrawTextPass(F());
    EXPECT_EQ(count(), 0);
    F().gameState = shell::kStateCleared;
    Scene();
    shell::DrawTextPass(F());
    EXPECT_GT(count(), 50);
    // The line changes with the count: rendered anew.
    F().tournamentWins = 1;
    Scene();
    shell::DrawTextPass(F());
    EXPECT_GT(count(), 20);
    EXPECT_STREQ(F().display.textCached, "Win:1 - [FlyWeight-Class]");
}

TEST(ScreenText, WithoutTheFontTheTextPassDrawsNothing) {
    gfx::Display display;
    ASSERT_EQ(gfx::CreateDisplay(display, "/nonexistent/font.ttf"), 1);
    EXPECT_EQ(display.textFont, nullptr);
    gfx::DrawFrameText(display, "Win:0 - [FlyWeight-Class]", 6, 40);
    for (int i = 0; i < gfx::kScreenWidth * gfx::kScreenHeight; ++i)
        ASSERT_EQ(display.frame[i], gfx::Argb(0, 0, 0));
}
