// The character select screen: opening, cursor timing, confirming, and the start of the fight.
#include <gtest/gtest.h>

#include <string>

#include "platform/devices.h"
#include "support/game.h"

using testing_support::Game;

namespace {

// Player 1's default keys: A W D S G H J; player 2's: arrows, middle/left/right mouse button.
constexpr int kP1Down = 'S', kP1Up = 'W', kP1G = 'G', kP1LA = 'H', kP1RA = 'J', kP1Left = 'A';
constexpr int kP2Down = platform::VK_DOWN, kP2G = platform::VK_MBUTTON;

// Starts a mode and runs the 20-frame opening; the next frame is the first of choosing.
void Open(Game& g, int mode) {
    switch (mode) {
        case 1: shell::Button1Click(g.F()); break;
        case 2: shell::Button2Click(g.F()); break;
        case 3: shell::Button3Click(g.F()); break;
        default: shell::Button4Click(g.F()); break;
    }
    for (int i = 0; i < 20; ++i)
        g.Frame();
    ASSERT_EQ(g.F().phase, 1);
}

void Hold(Game& g, int vk, bool down) {
    g.devices.SetKey(vk, down);
}

}  // namespace

TEST(Select, OpeningTakesTwentyFramesWithoutReadingKeys) {
    Game g;
    shell::Button2Click(g.F());
    Hold(g, kP1Down, true);
    for (int i = 0; i < 19; ++i) {
        g.Frame();
        ASSERT_EQ(g.F().phase, 0);
    }
    g.Frame();
    EXPECT_EQ(g.F().phase, 1);
    EXPECT_EQ(g.F().chosenKind[0], 1);
}

TEST(Select, UpWrapsAndStepsOncePerPress) {
    Game g;
    Open(g, 2);
    Hold(g, kP1Up, true);
    g.Frame();
    EXPECT_EQ(g.F().chosenKind[0], 15);  // up from 1
    for (int i = 0; i < 30; ++i)
        g.Frame();
    EXPECT_EQ(g.F().chosenKind[0], 15);  // held: no more steps
    Hold(g, kP1Up, false);
    g.Frame();
    Hold(g, kP1Up, true);
    g.Frame();
    EXPECT_EQ(g.F().chosenKind[0], 14);
}

TEST(Select, HeldDownStepsEverySixFramesAndWaitsTwelveAfterUp) {
    Game g;
    Open(g, 2);
    g.F().chosenKind[0] = 13;
    Hold(g, kP1Down, true);
    std::string steps;
    for (int i = 0; i < 14; ++i) {
        g.Frame();
        steps += std::to_string(g.F().chosenKind[0]) + " ";
    }
    // 13 -> 14 at once, then every 6 frames: 15, then wrap to 1.
    EXPECT_EQ(steps, "14 14 14 14 14 14 15 15 15 15 15 15 1 1 ");
    Hold(g, kP1Down, false);
    g.Frame();
    // Up steps at once and then holds "down" back for 12 frames.
    Hold(g, kP1Up, true);
    g.Frame();
    EXPECT_EQ(g.F().chosenKind[0], 15);
    Hold(g, kP1Up, false);
    Hold(g, kP1Down, true);
    int frames = 0;
    while (g.F().chosenKind[0] == 15 && frames < 50) {
        g.Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 12);
    EXPECT_EQ(g.F().chosenKind[0], 1);
}

TEST(Select, WhichCommandsConfirm) {
    struct Case {
        std::vector<int> keys;
        bool confirms;
    };
    const Case cases[] = {
        {{kP1G}, true},
        {{kP1LA}, true},
        {{kP1RA}, true},
        {{kP1G, kP1Left}, true},    // G with back
        {{kP1G, kP1Down}, false},   // down+G
        {{kP1G, kP1Up}, false},     // up+G
        {{kP1LA, kP1Left}, false},  // back+LA
        {{kP1RA, 'D'}, false},      // forward+RA
        {{kP1LA, kP1RA}, false},    // LA+RA
        {{kP1LA, kP1Up}, true},     // LA with up is LA
    };
    for (const Case& c : cases) {
        Game g;
        Open(g, 2);
        for (int k : c.keys)
            Hold(g, k, true);
        g.Frame();
        EXPECT_EQ(static_cast<bool>(g.F().selectDone[0]), c.confirms) << c.keys[0];
        if (c.confirms) {
            ASSERT_EQ(g.sounds.Count(), 1);
            EXPECT_EQ(g.sounds.At(0).id, audio::SND_SELECT);
        }
    }
}

TEST(Select, BothConfirmedThenFortyFramesThenTheFight) {
    Game g;
    Open(g, 2);
    Hold(g, kP1G, true);
    g.Frame();
    EXPECT_EQ(g.F().phase, 1);
    Hold(g, kP1Down, true);  // a confirmed player's cursor stays
    Hold(g, kP2Down, true);
    g.Frame();
    EXPECT_EQ(g.F().chosenKind[0], 1);
    EXPECT_EQ(g.F().chosenKind[1], 2);
    Hold(g, kP2Down, false);
    Hold(g, kP2G, true);
    g.Frame();
    EXPECT_EQ(g.F().phase, 2);
    EXPECT_EQ(g.F().phaseFrames, 0);
    for (int i = 0; i < 39; ++i)
        g.Frame();
    EXPECT_EQ(g.F().gameState, shell::kStateSelect);
    g.Frame();
    EXPECT_EQ(g.F().gameState, shell::kStateFight);
    EXPECT_EQ(g.F().phase, 0);
    EXPECT_EQ(g.F().fighter[1].kind, 2);
    EXPECT_EQ(g.F().fighter[0].x, 200);
    EXPECT_EQ(g.F().fighter[1].cpuDistance, 800);
}

TEST(Select, TournamentNeedsOnlyPlayerOneAndDrawsTheSeries) {
    Game g(11);
    Open(g, 3);
    ASSERT_TRUE(g.F().selectDone[1]);
    Hold(g, kP2Down, true);  // player 2's input is read but ignored
    g.Frame();
    EXPECT_EQ(g.F().chosenKind[1], 1);
    Hold(g, kP1Down, true);
    g.Frame();
    Hold(g, kP1Down, false);
    Hold(g, kP1G, true);
    g.Frame();
    ASSERT_EQ(g.F().phase, 2);
    for (int i = 0; i < 39; ++i)
        g.Frame();
    g.F().tournamentWins = 5;  // left from an earlier tournament
    engine::Random15 draw = g.F().rng;
    const int series = draw.Next() % 5;
    g.Frame();
    EXPECT_EQ(g.F().gameState, shell::kStateFight);
    EXPECT_EQ(g.F().tournamentWins, 0);
    EXPECT_EQ(g.F().tournamentSeries, series);
    EXPECT_EQ(g.F().chosenKind[1], g.F().tournamentOpponents[series][0]);
    EXPECT_EQ(g.F().chosenKind[0], 2);
}

TEST(Select, FreeModePlayerTwoDeviceChoosesTheComputer) {
    Game g;
    Open(g, 1);
    Hold(g, kP2Down, true);
    g.Frame();
    EXPECT_EQ(g.F().chosenKind[1], 2);
}
