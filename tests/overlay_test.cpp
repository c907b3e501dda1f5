// The training overlay: F1 shows and hides it, it draws over the fight only while shown,
// and the game runs exactly the same with it as without it.
#include "shell/overlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/trace.h"
#include "engine/construct.h"
#include "gfx/display.h"
#include "shell/routines.h"
#include "shell/screen.h"
#include "support/game.h"
#include "support/run_binary.h"

using testing_support::Game;

namespace {

constexpr size_t kPixels = static_cast<size_t>(gfx::kScreenWidth) * gfx::kScreenHeight;

TEST(TrainingOverlay, F1TogglesAndNothingElseDoes) {
    shell::TrainingOverlay overlay;
    EXPECT_FALSE(overlay.On());
    for (int vk : {int{platform::VK_ESCAPE}, int{platform::VK_SPACE}, int{platform::VK_A}, 113, 0})
        EXPECT_FALSE(overlay.HandleKey(vk)) << vk;
    EXPECT_FALSE(overlay.On());
    EXPECT_TRUE(overlay.HandleKey(shell::kOverlayToggleKey));
    EXPECT_TRUE(overlay.On());
    EXPECT_TRUE(overlay.HandleKey(shell::kOverlayToggleKey));
    EXPECT_FALSE(overlay.On());
}

TEST(TrainingOverlay, TinyTextDrawsGlyphsAndClips) {
    std::vector<uint32_t> frame(kPixels, 0);
    const uint32_t white = gfx::Argb(255, 255, 255);
    EXPECT_EQ(shell::DrawTinyText(frame.data(), 10, 10, "  ", white, 2), 10 + 24);
    EXPECT_EQ(std::count(frame.begin(), frame.end(), white), 0);
    shell::DrawTinyText(frame.data(), 10, 10, "1", white, 1);
    // "1": 1 + 2 + 1 + 1 + 1 + 1 + 3 lit cells.
    EXPECT_EQ(std::count(frame.begin(), frame.end(), white), 10);
    // Lower case draws as upper case.
    std::vector<uint32_t> upper(kPixels, 0), lower(kPixels, 0);
    shell::DrawTinyText(upper.data(), 0, 0, "COST", white, 2);
    shell::DrawTinyText(lower.data(), 0, 0, "cost", white, 2);
    EXPECT_EQ(upper, lower);
    // Past every edge: nothing outside the frame is written (the vector would notice).
    shell::DrawTinyText(frame.data(), -7, -5, "WWW", white, 3);
    shell::DrawTinyText(frame.data(), gfx::kScreenWidth - 8, gfx::kScreenHeight - 6, "888", white,
                        3);
}

std::string TraceOf(Game& g, int64_t frame) {
    char line[8192];
    const int n = app::FormatTraceLine(g.F(), frame, g.sounds, line, sizeof line);
    return std::string(line, static_cast<size_t>(n));
}

bool SamePictures(const Game& a, const Game& b) {
    const uint32_t* pa = gfx::FramePixels(a.form->display);
    const uint32_t* pb = gfx::FramePixels(b.form->display);
    return pa != nullptr && pb != nullptr && std::memcmp(pa, pb, kPixels * sizeof(uint32_t)) == 0;
}

// A plain background picture, as the game's would be, so that every frame starts afresh.
void GiveBackground(Game& g) {
    auto image = std::make_shared<gfx::SheetImage>();
    image->width = gfx::kScreenWidth;
    image->height = gfx::kScreenHeight;
    image->pixels.assign(kPixels, gfx::Argb(40, 90, 60));
    g.form->display.common[gfx::kParts02].image = image;
    g.form->display.common[gfx::kParts02].keyed = false;
}

// Field by field (a byte compare would also compare the records' padding, which holds
// whatever the copies left there).
bool SameFighters(const shell::TForm1& a, const shell::TForm1& b) {
    for (int i = 0; i < 2; ++i) {
        const engine::Fighter& x = a.fighter[i];
        const engine::Fighter& y = b.fighter[i];
        const int32_t xs[] = {x.side,
                              x.kind,
                              x.x,
                              x.y,
                              x.health,
                              x.stamina,
                              x.healthCeiling,
                              x.tick,
                              x.stance,
                              x.code,
                              x.staminaRefused,
                              x.koMark,
                              x.counterHitFlag,
                              x.weakHitFlag,
                              x.powerLevel,
                              x.cpuIdleTicks,
                              x.cpuPlanTicks,
                              x.cpuDistance,
                              x.cpuPlanActive,
                              x.cpuPlan,
                              x.cpuReaction};
        const int32_t ys[] = {y.side,
                              y.kind,
                              y.x,
                              y.y,
                              y.health,
                              y.stamina,
                              y.healthCeiling,
                              y.tick,
                              y.stance,
                              y.code,
                              y.staminaRefused,
                              y.koMark,
                              y.counterHitFlag,
                              y.weakHitFlag,
                              y.powerLevel,
                              y.cpuIdleTicks,
                              y.cpuPlanTicks,
                              y.cpuDistance,
                              y.cpuPlanActive,
                              y.cpuPlan,
                              y.cpuReaction};
        if (!std::equal(std::begin(xs), std::end(xs), std::begin(ys))) return false;
        for (int s = 0; s < engine::kStances; ++s)
            for (int m = 0; m < engine::kMotions; ++m)
                for (int f = 0; f < engine::kFramesPerMotion; ++f)
                    if (!engine::SameFrame(x.tables[s][m][f], y.tables[s][m][f])) return false;
    }
    return true;
}

bool SameInputs(const shell::TForm1& a, const shell::TForm1& b) {
    for (int i = 0; i < 2; ++i) {
        const fight::PlayerInput& x = a.input[i];
        const fight::PlayerInput& y = b.input[i];
        if (std::memcmp(x.keyState, y.keyState, sizeof x.keyState) != 0 || x.command != y.command ||
            x.laHeld != y.laHeld || x.raHeld != y.raHeld || x.upHeld != y.upHeld ||
            x.laPressed != y.laPressed || x.raPressed != y.raPressed)
            return false;
    }
    return true;
}

// The same computer-against-computer fight three times: without an overlay, with one that
// is hidden, and with one that is shown (hidden again for a stretch, as F1 would).
TEST(TrainingOverlay, ChangesNoGameStateAndDrawsOnlyWhenShown) {
    const int kind = testing_support::AnyBuiltKind();
    ASSERT_NE(kind, 0);
    Game plain(42), hidden(42), shown(42);
    shell::TrainingOverlay hiddenOverlay, shownOverlay;
    shownOverlay.Toggle();
    hidden.F().services.overlay = &hiddenOverlay;
    shown.F().services.overlay = &shownOverlay;
    for (Game* g : {&plain, &hidden, &shown}) {
        g->StartFight(shell::kModeView, kind, kind);
        GiveBackground(*g);
    }

    int framesDrawnOver = 0, hitsSeen = 0;
    for (int64_t frame = 0; frame < 1500; ++frame) {
        if (frame == 300 || frame == 400) shownOverlay.Toggle();  // hidden for 100 frames
        for (Game* g : {&plain, &hidden, &shown})
            g->Frame();
        const std::string trace = TraceOf(plain, frame);
        ASSERT_EQ(TraceOf(hidden, frame), trace) << "frame " << frame;
        ASSERT_EQ(TraceOf(shown, frame), trace) << "frame " << frame;
        ASSERT_TRUE(SameFighters(plain.F(), shown.F())) << "frame " << frame;
        ASSERT_TRUE(SameInputs(plain.F(), shown.F())) << "frame " << frame;
        ASSERT_EQ(plain.F().rng.State(), shown.F().rng.State());

        ASSERT_TRUE(SamePictures(hidden, plain)) << "a hidden overlay drew at frame " << frame;
        const bool inFight = plain.F().gameState == shell::kStateFight;
        const bool differs = !SamePictures(shown, plain);
        if (shownOverlay.On() && inFight) {
            ASSERT_TRUE(differs) << "nothing drawn at frame " << frame;
            ++framesDrawnOver;
        } else {
            ASSERT_FALSE(differs) << "drawn while hidden or outside the fight, frame " << frame;
        }

        // The last hit is taken from the frame that resolved it, shown or hidden.
        for (int p = 0; p < 2; ++p) {
            if (plain.F().frameHits[p] == 0) continue;
            ++hitsSeen;
            for (const shell::TrainingOverlay* o : {&hiddenOverlay, &shownOverlay}) {
                EXPECT_EQ(o->LastHitOf(p).result, plain.F().frameHits[p]);
                EXPECT_EQ(o->LastHitOf(p).framesLeft, shell::kLastHitFrames);
                EXPECT_GE(o->LastHitOf(p).damage, 0);
            }
        }
    }
    EXPECT_GT(framesDrawnOver, 100);
    EXPECT_GT(hitsSeen, 0) << "the fight saw no attack land or be guarded";
}

// The pictures above the overlay's panels are the same with and without it.
bool SameAbovePanels(const Game& a, const Game& b) {
    constexpr size_t kAbove = static_cast<size_t>(gfx::kScreenWidth) * 516;
    const uint32_t* pa = gfx::FramePixels(a.form->display);
    const uint32_t* pb = gfx::FramePixels(b.form->display);
    return std::memcmp(pa, pb, kAbove * sizeof(uint32_t)) == 0;
}

// The reach and body marks go with the fighters' pictures: in the knock-out pause of a
// special finish, when no fighter is drawn, only the panels are; before and after it the
// marks are there; and a fighter whose frame names no picture gets no marks either.
TEST(TrainingOverlay, MarksOnlyWhereAFighterIsDrawn) {
    const int kind = testing_support::AnyBuiltKind();
    ASSERT_NE(kind, 0);
    Game plain(11), shown(11);
    shell::TrainingOverlay overlay;
    overlay.Toggle();
    shown.F().services.overlay = &overlay;
    for (Game* g : {&plain, &shown}) {
        g->StartFight(shell::kModeView, kind, kind);
        g->F().phase = shell::kPhaseFight;
        GiveBackground(*g);
    }
    int pauseFrames = 0, markedBefore = 0, markedAfter = 0;
    for (int frame = 0; frame < 200; ++frame) {
        if (frame == 40)
            for (Game* g : {&plain, &shown})
                testing_support::KnockOut(g->F(), 0, 2);
        plain.Frame();
        shown.Frame();
        if (plain.F().gameState != shell::kStateFight) break;
        ASSERT_FALSE(SamePictures(plain, shown)) << "no panels at frame " << frame;
        const bool marked = !SameAbovePanels(plain, shown);
        if (plain.F().phase == shell::kPhaseKnockOutPause) {
            ++pauseFrames;
            ASSERT_FALSE(marked) << "marks without fighters at frame " << frame;
        } else if (frame < 40) {
            markedBefore += marked;
        } else if (plain.F().gameState == shell::kStateFight) {
            markedAfter += marked;
        }
    }
    EXPECT_EQ(pauseFrames, 60);
    EXPECT_EQ(markedBefore, 40);
    EXPECT_GT(markedAfter, 0);

    // Both fighters on a frame without a picture: no marks.
    for (Game* g : {&plain, &shown}) {
        g->StartFight(shell::kModeView, kind, kind);
        g->F().phase = shell::kPhaseFight;
        for (engine::Fighter& f : g->F().fighter)
            engine::FrameOf(f, f.code).image = 9999;
    }
    shell::DrawScene(shown.F());
    shell::DrawStatePictures(shown.F());
    const uint32_t* scene = gfx::FramePixels(shown.F().display);
    std::vector<uint32_t> drawn(scene, scene + kPixels);
    overlay.Draw(shown.F(), drawn.data());
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.begin() + gfx::kScreenWidth * 516, scene));
    EXPECT_FALSE(std::equal(drawn.begin(), drawn.end(), scene));  // the panels are there
}

TEST(TrainingOverlay, LastHitFadesAfterASecond) {
    const int kind = testing_support::AnyBuiltKind();
    Game g(7);
    shell::TrainingOverlay overlay;
    g.F().services.overlay = &overlay;
    g.StartFight(shell::kModeView, kind, kind);
    int sinceHit[2] = {-1, -1};
    for (int frame = 0; frame < 2000; ++frame) {
        g.Frame();
        if (g.F().gameState != shell::kStateFight || g.F().paused) continue;
        for (int p = 0; p < 2; ++p) {
            if (g.F().frameHits[p] != 0)
                sinceHit[p] = 0;
            else if (sinceHit[p] >= 0)
                ++sinceHit[p];
            if (sinceHit[p] < 0) continue;
            const int expected =
                sinceHit[p] >= shell::kLastHitFrames ? 0 : shell::kLastHitFrames - sinceHit[p];
            ASSERT_EQ(overlay.LastHitOf(p).framesLeft, expected) << "frame " << frame;
        }
    }
}

// Through the program: --overlay shows it from the start; the trace stays the same and the
// pictures do not.
TEST(TrainingOverlay, HeadlessOverlayKeepsTheTrace) {
    using testing_support::RunGame;
    const std::string dir = testing_support::MakeTempDir();
    const std::string script =
        "20 down S\n22 up S\n24 down G\n26 up G\n20 down DOWN\n22 up DOWN\n24 down MBUTTON\n"
        "26 up MBUTTON\n";
    const std::vector<std::string> base = {"--headless", "--seed",   "8",  "--mode",
                                           "view",       "--input",  "-",  "--trace",
                                           "-",          "--frames", "400"};
    auto plain = base, shown = base;
    plain.insert(plain.end(), {"--shot", "300:" + dir + "/plain.png"});
    shown.insert(shown.end(), {"--overlay", "--shot", "300:" + dir + "/shown.png"});
    const auto a = RunGame(plain, script, dir);
    const auto b = RunGame(shown, script, dir);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_TRUE(a.out == b.out);
    EXPECT_NE(a.out.find("\"state\":4"), std::string::npos) << "no fight by frame 400";
    std::ifstream pa(dir + "/plain.png", std::ios::binary),
        pb(dir + "/shown.png", std::ios::binary);
    const std::string ia((std::istreambuf_iterator<char>(pa)), {});
    const std::string ib((std::istreambuf_iterator<char>(pb)), {});
    EXPECT_FALSE(ia.empty());
    EXPECT_NE(ia, ib);
}

}  // namespace
