// The fight's phases: ready, knock-out paths, result, and where a fight leads in each mode,
// the tournament's advance included.
#include <gtest/gtest.h>

#include "shell/routines.h"
#include "support/game.h"

using shell::kStateCleared;
using shell::kStateFight;
using shell::kStateSelect;
using testing_support::Game;
using testing_support::KnockOut;

namespace {

// Runs frames until the phase or state changes; returns how many ran.
int FramesUntilChange(Game& g, int limit = 2000) {
    const int state = g.F().gameState, phase = g.F().phase;
    for (int n = 1; n <= limit; ++n) {
        g.Frame();
        if (g.F().gameState != state || g.F().phase != phase) return n;
    }
    return -1;
}

}  // namespace

TEST(FightPhases, ReadyLasts120FramesThenTheFightRunsUntilAKnockOut) {
    Game g(3);
    g.StartFight(2, 2, 2);  // two humans who press nothing
    EXPECT_EQ(FramesUntilChange(g), 120);
    EXPECT_EQ(g.F().phase, 1);
    EXPECT_EQ(g.F().phaseFrames, 0);
    for (int i = 0; i < 500; ++i)
        g.Frame();
    EXPECT_EQ(g.F().phase, 1);  // no time limit
}

TEST(FightPhases, NormalKnockOutSkipsThePause) {
    Game g;
    g.StartFight(2, 2, 2);
    g.F().phase = 1;
    KnockOut(g.F(), 1, 99);
    g.Frame();
    EXPECT_EQ(g.F().phase, 3);
    EXPECT_EQ(FramesUntilChange(g), 60);
    EXPECT_EQ(g.F().phase, 4);
    EXPECT_EQ(FramesUntilChange(g), 100);
    // VS mode: both players choose again.
    EXPECT_EQ(g.F().gameState, kStateSelect);
    EXPECT_EQ(g.F().phase, 0);
    EXPECT_FALSE(g.F().selectDone[0]);
    EXPECT_FALSE(g.F().selectDone[1]);
}

TEST(FightPhases, SpecialFinishShowsThePauseFirst) {
    Game g;
    g.StartFight(4, 2, 2);
    g.F().phase = 1;
    KnockOut(g.F(), 0, 2);
    g.Frame();
    EXPECT_EQ(g.F().phase, 2);
    EXPECT_EQ(FramesUntilChange(g), 60);
    EXPECT_EQ(g.F().phase, 3);
}

TEST(FightPhases, KnockOutDuringTheReadyPhase) {
    Game g;
    g.StartFight(2, 2, 2);
    g.F().phaseFrames = 30;
    KnockOut(g.F(), 1, 99);
    g.Frame();
    EXPECT_EQ(g.F().phase, 2);  // the normal knock-out goes straight to the pause phase
    EXPECT_EQ(g.F().phaseFrames, 0);

    Game h;
    h.StartFight(2, 2, 2);
    KnockOut(h.F(), 1, 1);
    h.Frame();
    EXPECT_EQ(h.F().phase, 1);  // a special finish in the ready phase passes through phase 1
    h.Frame();
    EXPECT_EQ(h.F().phase, 2);
}

TEST(FightPhases, BothDownEndsTheFightAsADraw) {
    Game g;
    g.StartFight(3, 2, 2);
    g.F().phase = 1;
    KnockOut(g.F(), 0, 99);
    KnockOut(g.F(), 1, 1);
    g.Frame();
    EXPECT_EQ(g.F().phase, 3);
    FramesUntilChange(g);
    ASSERT_EQ(g.F().phase, 4);
    FramesUntilChange(g);
    // The tournament counts it as player 1's loss: the continue wait.
    EXPECT_EQ(g.F().gameState, kStateFight);
    EXPECT_EQ(g.F().phase, 5);
}

TEST(FightPhases, TournamentWinLeadsToTheNextOpponent) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Game g(seed);
        g.StartFight(3, 2, 2);
        g.F().tournamentSeries = 1;
        g.F().tournamentWins = 2;
        g.F().phase = 4;
        g.F().phaseFrames = 99;
        g.F().counterBannerFrames[0] = 5;
        g.F().weakBannerFrames[1] = 7;
        KnockOut(g.F(), 1, 99);
        g.Frame();
        EXPECT_EQ(g.F().tournamentWins, 3);
        EXPECT_EQ(g.F().chosenKind[1], 13);  // series 1, match 4
        EXPECT_EQ(g.F().chosenKind[0], 2);
        EXPECT_EQ(g.F().gameState, kStateFight);
        EXPECT_EQ(g.F().phase, 0);
        EXPECT_EQ(g.F().phaseFrames, 0);
        EXPECT_EQ(g.F().counterBannerFrames[0], 0);
        EXPECT_EQ(g.F().weakBannerFrames[1], 7);  // not reset
        EXPECT_EQ(g.F().fighter[1].koMark, 0);    // the next fighter is fresh
    }
}

TEST(FightPhases, SeventhOpponentIsTheHiddenFighterOneTimeInFour) {
    int hidden = 0;
    const int runs = 400;
    for (uint32_t seed = 1; seed <= runs; ++seed) {
        Game g(seed);
        g.StartFight(3, 2, 2);
        g.F().tournamentSeries = 0;
        g.F().tournamentWins = 5;
        g.F().phase = 4;
        g.F().phaseFrames = 99;
        KnockOut(g.F(), 1, 99);
        engine::Random15 draw = g.F().rng;
        const bool expectHidden = draw.Next() % 4 == 0;
        shell::FrameEvents events{};
        shell::FightPhaseStep(g.F(), events);
        ASSERT_EQ(g.F().tournamentWins, 6);
        EXPECT_EQ(g.F().chosenKind[1], expectHidden ? 15 : 10);
        hidden += g.F().chosenKind[1] == 15;
    }
    EXPECT_GT(hidden, runs / 4 - 40);
    EXPECT_LT(hidden, runs / 4 + 40);
}

TEST(FightPhases, TenthWinClearsTheTournament) {
    Game g;
    g.StartFight(3, 2, 2);
    g.F().tournamentWins = 9;
    g.F().phase = 4;
    g.F().phaseFrames = 99;
    KnockOut(g.F(), 1, 99);
    g.Frame();
    EXPECT_EQ(g.F().gameState, kStateCleared);
    EXPECT_EQ(g.F().tournamentWins, 10);
    char line[64];
    ASSERT_TRUE(shell::StatusLine(g.F(), line, sizeof line));
    EXPECT_EQ(std::string(line).rfind("Win:10 - [", 0), 0u);
}

TEST(FightPhases, LostTournamentMatchWaitsForContinue) {
    Game g;
    g.StartFight(3, 2, 2);
    g.F().tournamentWins = 4;
    g.F().phase = 4;
    g.F().phaseFrames = 99;
    KnockOut(g.F(), 0, 99);
    g.Frame();
    EXPECT_EQ(g.F().phase, 5);
    EXPECT_EQ(g.F().phaseFrames, 0);
    // 300 frames without a key end the tournament.
    EXPECT_EQ(FramesUntilChange(g), 300);
    EXPECT_EQ(g.F().gameState, kStateSelect);
    EXPECT_FALSE(g.F().selectDone[0]);
    EXPECT_TRUE(g.F().selectDone[1]);
    EXPECT_EQ(g.F().tournamentWins, 4);
}

TEST(FightPhases, OtherModesReturnToTheSelectScreen) {
    for (int mode : {1, 2, 4}) {
        Game g;
        g.StartFight(mode, 2, 2);
        g.F().phase = 4;
        g.F().phaseFrames = 99;
        g.F().selectDone[0] = g.F().selectDone[1] = 1;
        g.F().selectDelay[0] = 4;
        KnockOut(g.F(), mode == 1 ? 0 : 1, 99);
        g.Frame();
        EXPECT_EQ(g.F().gameState, kStateSelect) << mode;
        EXPECT_FALSE(g.F().selectDone[0]);
        EXPECT_FALSE(g.F().selectDone[1]);
        EXPECT_EQ(g.F().selectDelay[0], 0);
        EXPECT_EQ(g.F().chosenKind[0], 2);  // the cursors start on the last choice
    }
}
