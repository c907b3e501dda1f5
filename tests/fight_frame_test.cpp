// One fight frame: who is read, when fighters may move, what is heard.
#include "fight/fight_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "support/game.h"

using testing_support::Game;

namespace {

std::string Sounds(const Game& g) {
    std::string out;
    char entry[128];
    for (int i = 0; i < g.sounds.Count(); ++i) {
        audio::SoundLog::Format(g.sounds.At(i), entry, sizeof entry);
        out += std::string(out.empty() ? "" : " ") + entry;
    }
    return out;
}

}  // namespace

TEST(FightFrame, MovementWaitsForTheEndOfTheReadyCall) {
    EXPECT_FALSE(fight::MovementAllowed(0, 107));
    EXPECT_TRUE(fight::MovementAllowed(0, 108));
    EXPECT_TRUE(fight::MovementAllowed(1, 0));
    EXPECT_FALSE(fight::MovementAllowed(2, 200));
    EXPECT_FALSE(fight::MovementAllowed(3, 0));

    Game g;
    g.StartFight(2, 2, 2);
    g.devices.SetKey('D', true);  // player 1 holds forward from the start
    for (int i = 0; i < 108; ++i) {
        g.Frame();
        ASSERT_EQ(g.F().fighter[0].x, 200) << "frame " << i;
    }
    // It steps the whole time (the motion runs), but moves only from here on.
    EXPECT_EQ(engine::MotionOf(g.F().fighter[0].code), 17);
    for (int i = 0; i < 6; ++i)
        g.Frame();
    EXPECT_GT(g.F().fighter[0].x, 200);
}

TEST(FightFrame, KnockOutPauseFreezesTheFightersAndRepeatsFrameSounds) {
    Game g;
    g.StartFight(2, 2, 2);
    g.F().phase = 2;
    engine::Fighter& f = g.F().fighter[0];
    f.code = 2000;  // the first frame of LA, which swings with sound 1
    f.tick = 0;
    for (int i = 0; i < 3; ++i) {
        g.Frame();
        EXPECT_EQ(f.code, 2000);
        EXPECT_EQ(f.tick, 0);
        EXPECT_EQ(Sounds(g), "SND_SHU/1");
    }
}

TEST(FightFrame, OnlyHumanPlayersAreReadAndHeardRefusing) {
    struct Case {
        int mode;
        bool p1Human, p2Human;
    };
    for (const Case& c :
         {Case{1, true, false}, Case{2, true, true}, Case{3, true, false}, Case{4, false, false}}) {
        Game g(4);
        g.StartFight(c.mode, 2, 2);
        g.F().phase = 1;
        for (engine::Fighter& f : g.F().fighter)
            f.stamina = 100;                           // RA costs 170
        g.devices.SetKey('J', true);                   // player 1: RA
        g.devices.SetKey(platform::VK_RBUTTON, true);  // player 2: RA
        g.Frame();
        const std::string sounds = Sounds(g);
        EXPECT_EQ(sounds.find("SND_AT_NG/1") != std::string::npos, c.p1Human) << c.mode;
        EXPECT_EQ(sounds.find("SND_AT_NG/2") != std::string::npos, c.p2Human) << c.mode;
        if (c.p1Human) {
            EXPECT_EQ(g.F().frameCommands[0], fight::kCmdRA);
        }
        if (c.p2Human) {
            EXPECT_EQ(g.F().frameCommands[1], fight::kCmdRA);
        }
        EXPECT_EQ(g.F().input[0].keyState['J'] != 0, c.p1Human) << "player 1 read";
    }
}

TEST(FightFrame, WeakHitSoundsTwiceTheSecondTimeLoud) {
    Game g;
    g.StartFight(2, 2, 2);
    g.F().phase = 1;
    engine::Fighter& a = g.F().fighter[0];
    engine::Fighter& b = g.F().fighter[1];
    a.x = 300;
    b.x = 350;
    a.code = 2301;  // the active frame of fighter 2's RA: reach 88, class 1
    a.tick = 0;
    a.weakHitFlag = 1;
    g.Frame();
    EXPECT_EQ(g.F().frameHits[0], 1);
    EXPECT_EQ(Sounds(g), "SND_HIT_DOSH/1@-500 SND_HIT_DOSH/1@0");
    EXPECT_EQ(engine::MotionOf(b.code), 6);  // the class-1 reaction

    // A counter hit sounds once, loud.
    Game h;
    h.StartFight(2, 2, 2);
    h.F().phase = 1;
    h.F().fighter[0].x = 300;
    h.F().fighter[1].x = 350;
    h.F().fighter[0].code = 2301;
    h.F().fighter[1].code = 2000;  // caught in its own LA start-up
    h.Frame();
    EXPECT_EQ(h.F().fighter[0].counterHitFlag, 1);
    EXPECT_EQ(Sounds(h), "SND_SHU/2 SND_HIT_DOSH/1@0");  // player 2 had just begun its swing
}

TEST(FightFrame, PendingAttackWaitsForAFrameThatTakesIt) {
    Game g;
    g.StartFight(2, 2, 2);
    g.F().phase = 1;
    g.devices.SetKey('H', true);  // LA: enters 2000
    g.Frame();
    EXPECT_EQ(g.F().fighter[0].code, 2000);
    g.devices.SetKey('H', false);
    g.devices.SetKey('J', true);  // RA on its first frame, while 2000 has no RA slot
    g.Frame();
    EXPECT_EQ(g.F().input[0].command, fight::kCmdRA);  // still pending
    g.devices.SetKey('J', false);
    int frames = 0;
    while (g.F().fighter[0].code / 100 != 23 && frames < 20) {
        g.Frame();
        ++frames;
    }
    // 2002 opens the combination window into RA.
    EXPECT_EQ(engine::MotionOf(g.F().fighter[0].code), 23);
}
