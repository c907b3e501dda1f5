// The frame loop's pacing, the form's keys and the game states they move.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "audio/sound_sink.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "shell/form.h"

using namespace shell;

namespace {

// A clock whose time moves by a fixed amount every time it is read: it stands for the
// time the drawing takes between the start of the frame and the wait.
class SteppingClock final : public platform::Clock {
  public:
    uint32_t NowMs() override {
        const uint32_t t = now;
        now += stepPerRead;
        return t;
    }
    void SleepMs(uint32_t ms) override {
        sleeps.push_back(ms);
        now += ms;
    }
    uint32_t now = 0;
    uint32_t stepPerRead = 0;
    std::vector<uint32_t> sleeps;
};

class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        ConstructForm(*form);
        form->services.clock = &clock;
        form->services.devices = &devices;
        form->services.sound = &sounds;
        FormShow(*form, 7);
    }
    std::unique_ptr<TForm1> form;
    SteppingClock clock;
    platform::ScriptedDevices devices;
    audio::SoundLog sounds;
};

}  // namespace

TEST_F(FormTest, ConstructionValues) {
    EXPECT_EQ(form->gameState, kStateLauncher);
    EXPECT_EQ(form->gameMode, kModeFree);
    EXPECT_EQ(form->display.windowed, 1);
    EXPECT_EQ(form->chosenKind[0], 1);
    EXPECT_EQ(form->chosenKind[1], 1);
    EXPECT_FALSE(form->paused);
    // Cell 5 of the 4 x 3 grid: column 1, row 1, 255 pixels square at a 256 pitch.
    EXPECT_EQ(form->spriteCells[5].left, 256);
    EXPECT_EQ(form->spriteCells[5].top, 256);
    EXPECT_EQ(form->spriteCells[5].right, 511);
    EXPECT_EQ(form->spriteCells[5].bottom, 511);
    EXPECT_EQ(form->spriteCells[11].left, 768);
    EXPECT_EQ(form->spriteCells[11].top, 512);
    // Shown once: both fighters reset on their sides.
    EXPECT_EQ(form->fighter[0].x, 200);
    EXPECT_EQ(form->fighter[1].x, 600);
    EXPECT_EQ(form->fighter[1].side, 2);
}

TEST_F(FormTest, PacingSleepsOutTheRestOfThePeriod) {
    struct Case {
        int32_t extra;
        uint32_t drawMs;    // time between frame start and the wait
        int expectedSleep;  // -1: no sleep
    };
    const Case cases[] = {
        {0, 0, 40},  {0, 15, 25},  {0, 39, 1},   {0, 40, -1},  {0, 400, -1},
        {-39, 0, 1}, {-39, 1, -1}, {60, 0, 100}, {60, 30, 70}, {10, 49, 1},
    };
    for (const Case& c : cases) {
        clock.sleeps.clear();
        clock.now = 1000;
        form->frameStartUs = 1000 * 1000;
        clock.now += c.drawMs;
        WaitFrame(*form, c.extra);
        if (c.expectedSleep < 0) {
            EXPECT_TRUE(clock.sleeps.empty()) << c.extra << " " << c.drawMs;
        } else {
            ASSERT_EQ(clock.sleeps.size(), 1u) << c.extra << " " << c.drawMs;
            EXPECT_EQ(clock.sleeps[0], static_cast<uint32_t>(c.expectedSleep));
        }
    }
}

TEST_F(FormTest, PacingSurvivesTheClockWrapping) {
    clock.now = 5;  // the 32-bit millisecond counter has just wrapped
    form->frameStartUs = 0xFFFFFFF0u * 1000u;
    WaitFrame(*form, 0);
    ASSERT_EQ(clock.sleeps.size(), 1u);
    EXPECT_EQ(clock.sleeps[0], 40u - 21u);
}

// A clock that counts microseconds: the wait must sleep out the exact remainder, not a
// whole number of milliseconds, and survive the microsecond counter wrapping too.
TEST(FramePacing, WaitsToTheMicrosecond) {
    class MicroClock final : public platform::Clock {
      public:
        uint32_t NowMs() override { return nowUs / 1000; }
        uint32_t NowUs() override { return nowUs; }
        void SleepMs(uint32_t) override { ADD_FAILURE() << "slept in whole milliseconds"; }
        void SleepUs(uint32_t us) override {
            sleptUs = us;
            nowUs += us;
        }
        uint32_t nowUs = 0;
        uint32_t sleptUs = 0;
    } clock;
    TForm1 form{};
    form.services.clock = &clock;
    const struct {
        uint32_t startUs, drawUs;
        int32_t extraMs;
        uint32_t expectedUs;
    } cases[] = {
        {100'900, 29'200, 0, 10'800},  // 100.9 ms to 130.1 ms: 10.8 ms left
        {0xFFFFF000u, 39'999, 0, 1},   // across the wrap, one microsecond short
        {5'000, 40'000, 0, 0},         // exactly on time: no sleep
        {5'000, 1'500, -39, 0},        // a 1 ms period already used up
        {5'000, 250, -39, 750},
    };
    for (const auto& c : cases) {
        clock.nowUs = c.startUs + c.drawUs;
        clock.sleptUs = 0;
        form.frameStartUs = c.startUs;
        WaitFrame(form, c.extraMs);
        EXPECT_EQ(clock.sleptUs, c.expectedUs) << c.startUs << " + " << c.drawUs;
    }
}

TEST_F(FormTest, FramePeriodDependsOnState) {
    Button2Click(*form);
    form->speedCorrection = 20;
    clock.stepPerRead = 0;
    AppIdle(*form);  // select screen: 40 ms whatever the speed bar says
    ASSERT_EQ(clock.sleeps.size(), 1u);
    EXPECT_EQ(clock.sleeps.back(), 40u);
    form->gameState = kStateFight;
    AppIdle(*form);
    EXPECT_EQ(clock.sleeps.back(), 60u);
    form->gameState = kStateCleared;
    AppIdle(*form);
    EXPECT_EQ(clock.sleeps.back(), 40u);
    // A frame that took longer than its period is followed at once.
    form->gameState = kStateFight;
    form->speedCorrection = -39;
    clock.stepPerRead = 5;
    const size_t before = clock.sleeps.size();
    AppIdle(*form);
    EXPECT_EQ(clock.sleeps.size(), before);
}

TEST_F(FormTest, EscPausesAndTwiceEndsTheProgram) {
    // Also in the launcher, before any game started.
    FormKeyDown(*form, platform::VK_ESCAPE);
    EXPECT_TRUE(form->paused);
    EXPECT_FALSE(form->closeRequested);
    FormKeyDown(*form, platform::VK_ESCAPE);
    EXPECT_TRUE(form->closeRequested);
}

TEST_F(FormTest, SpaceResumesAndOtherKeysDoNothing) {
    Button2Click(*form);
    FormKeyDown(*form, platform::VK_SPACE);  // not paused: nothing
    EXPECT_FALSE(form->paused);
    FormKeyDown(*form, platform::VK_ESCAPE);
    EXPECT_TRUE(form->paused);
    FormKeyDown(*form, platform::VK_RETURN);
    FormKeyDown(*form, 'A');
    EXPECT_TRUE(form->paused);
    EXPECT_FALSE(form->closeRequested);
    FormKeyDown(*form, platform::VK_SPACE);
    EXPECT_FALSE(form->paused);
    FormKeyDown(*form, platform::VK_ESCAPE);
    FormKeyDown(*form, platform::VK_SPACE);
    FormKeyDown(*form, platform::VK_ESCAPE);  // paused again, not closing
    EXPECT_TRUE(form->paused);
    EXPECT_FALSE(form->closeRequested);
}

TEST_F(FormTest, PauseStopsTheStateRoutine) {
    Button3Click(*form);
    form->gameState = kStateCleared;
    form->phaseFrames = 10;
    FormKeyDown(*form, platform::VK_ESCAPE);
    for (int i = 0; i < 50; ++i)
        AppIdle(*form);
    EXPECT_EQ(form->phaseFrames, 10);
    FormKeyDown(*form, platform::VK_SPACE);
    AppIdle(*form);
    EXPECT_EQ(form->phaseFrames, 11);
}

TEST_F(FormTest, ContinueWaitKeys) {
    Button3Click(*form);
    form->gameState = kStateFight;
    form->phase = 5;
    form->phaseFrames = 123;
    form->tournamentWins = 4;
    form->selectDone[0] = 1;
    form->selectDelay[0] = 3;
    form->selectDelay[1] = 5;
    // ESC gives the tournament up instead of pausing.
    FormKeyDown(*form, platform::VK_ESCAPE);
    EXPECT_FALSE(form->paused);
    EXPECT_EQ(form->gameState, kStateSelect);
    EXPECT_EQ(form->phase, 0);
    EXPECT_EQ(form->phaseFrames, 0);
    EXPECT_FALSE(form->selectDone[0]);
    EXPECT_TRUE(form->selectDone[1]);
    EXPECT_EQ(form->selectDelay[0], 0);
    EXPECT_EQ(form->selectDelay[1], 0);

    // SPACE replays the lost match with the win count unchanged.
    form->gameState = kStateFight;
    form->phase = 5;
    form->phaseFrames = 200;
    form->fighter[0].x = 333;
    form->fighter[0].koMark = 99;
    FormKeyDown(*form, platform::VK_SPACE);
    EXPECT_EQ(form->gameState, kStateFight);
    EXPECT_EQ(form->phase, 0);
    EXPECT_EQ(form->phaseFrames, 0);
    EXPECT_EQ(form->tournamentWins, 4);
    EXPECT_EQ(form->fighter[0].x, 200);  // rebuilt from scratch
    EXPECT_EQ(form->fighter[0].koMark, 0);
    EXPECT_EQ(form->fighter[1].cpuDistance, 800);
}

TEST_F(FormTest, PausedInContinueWaitStillGivesUp) {
    // ESC in phase 5 ends the tournament even when the game was paused before.
    Button3Click(*form);
    form->gameState = kStateFight;
    form->phase = 5;
    form->paused = 1;
    FormKeyDown(*form, platform::VK_ESCAPE);
    EXPECT_FALSE(form->closeRequested);
    EXPECT_EQ(form->gameState, kStateSelect);
}

TEST_F(FormTest, ClearedStateLastsOneHundredSixtyFrames) {
    Button3Click(*form);
    form->gameState = kStateCleared;
    form->phase = 0;
    form->phaseFrames = 0;
    form->tournamentWins = 10;
    form->input[0].command = 7;
    form->input[1].command = 10;
    for (int i = 0; i < 159; ++i) {
        AppIdle(*form);
        ASSERT_EQ(form->gameState, kStateCleared);
    }
    EXPECT_EQ(form->input[0].command, 0);
    EXPECT_EQ(form->input[1].command, 0);
    EXPECT_EQ(form->phaseFrames, 159);
    // The series of the next tournament is the next draw of the game's generator.
    engine::Random15 expected = form->rng;
    AppIdle(*form);
    EXPECT_EQ(form->gameState, kStateSelect);
    EXPECT_EQ(form->phase, 0);
    EXPECT_EQ(form->phaseFrames, 0);
    EXPECT_FALSE(form->selectDone[0]);
    EXPECT_TRUE(form->selectDone[1]);
    EXPECT_EQ(form->tournamentSeries, expected.Next() % 5);
    EXPECT_EQ(form->tournamentWins, 10);
}

TEST_F(FormTest, ModeButtonsSetModeAndPower) {
    form->controls.difficulty = 3;
    Button1Click(*form);
    EXPECT_EQ(form->gameMode, kModeFree);
    EXPECT_EQ(form->fighter[0].powerLevel, 0);
    EXPECT_EQ(form->fighter[1].powerLevel, 3);
    EXPECT_EQ(form->gameState, kStateSelect);
    EXPECT_TRUE(form->idleInstalled);
    EXPECT_FALSE(form->selectDone[1]);

    Button3Click(*form);
    EXPECT_EQ(form->gameMode, kModeTournament);
    EXPECT_EQ(form->fighter[1].powerLevel, 3);
    EXPECT_TRUE(form->selectDone[1]);
    EXPECT_GE(form->tournamentSeries, 0);
    EXPECT_LE(form->tournamentSeries, 4);
    EXPECT_EQ(form->tournamentOpponents[0][0], 5);
    EXPECT_EQ(form->tournamentOpponents[4][9], 1);
    EXPECT_EQ(form->tournamentOpponents[2][5], 13);

    Button2Click(*form);
    EXPECT_EQ(form->fighter[1].powerLevel, 0);
    Button4Click(*form);
    EXPECT_EQ(form->gameMode, kModeView);
    EXPECT_EQ(form->fighter[1].powerLevel, 0);
}

TEST_F(FormTest, StartGameClearsPauseFromTheLauncher) {
    FormKeyDown(*form, platform::VK_ESCAPE);
    ASSERT_TRUE(form->paused);
    Button2Click(*form);
    EXPECT_FALSE(form->paused);
}

TEST_F(FormTest, StatusLineOnlyInTournamentOutsideSelect) {
    char line[64];
    form->controls.difficulty = 2;
    Button3Click(*form);
    EXPECT_FALSE(StatusLine(*form, line, sizeof line));  // select screen
    form->gameState = kStateFight;
    form->phase = 5;
    form->tournamentWins = 3;
    ASSERT_TRUE(StatusLine(*form, line, sizeof line));
    EXPECT_STREQ(line, "Win:3 - [FeatherWeight-Class]");
    form->gameState = kStateCleared;
    form->tournamentWins = 10;
    form->fighter[1].powerLevel = 4;
    ASSERT_TRUE(StatusLine(*form, line, sizeof line));
    EXPECT_STREQ(line, "Win:10 - [WelterWeight-Class]");
    form->gameMode = kModeFree;
    EXPECT_FALSE(StatusLine(*form, line, sizeof line));
    EXPECT_STREQ(WeightClassName(-1), "FlyWeight-Class");
    EXPECT_STREQ(WeightClassName(0), "FlyWeight-Class");
    EXPECT_STREQ(WeightClassName(1), "BantamWeight-Class");
    EXPECT_STREQ(WeightClassName(3), "LightWeight-Class");
}

TEST_F(FormTest, CloseIsSafeAnytimeAndOnlyOnce) {
    FormClose(*form);
    EXPECT_TRUE(form->closed);
    FormClose(*form);
    EXPECT_TRUE(form->closed);
}
