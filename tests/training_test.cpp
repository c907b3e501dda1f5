// The training room: the frame advantage the meter shows, worked out by hand from the
// reference fighter's rows; a recorded slot that plays back frame for frame; the resets;
// the endless fight with its refill over a long soak; a session from the command line.
#include "shell/training.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/update.h"
#include "shell/game_step.h"
#include "shell/routines.h"
#include "support/game.h"
#include "support/run_binary.h"

using namespace shell;
using testing_support::Game;

namespace {

// The training room with fighters a and b already fighting, the fighters at x1 and x2.
void Fight(Game& g, int a, int b, int x1, int x2) {
    TrainingButtonClick(g.F());
    g.F().chosenKind[0] = a;
    g.F().chosenKind[1] = b;
    LoadFighters(g.F());
    g.F().gameState = kStateFight;
    g.F().phase = kPhaseFight;
    g.F().phaseFrames = 0;
    g.F().fighter[0].x = x1;
    g.F().fighter[1].x = x2;
}

// One frame with these keys held.
void Step(Game& g, std::initializer_list<int> keys) {
    fight::FrameInput in{};
    for (int k : keys)
        in.keys[k] = platform::kKeyDownBit;
    TrainingFrame(g.F(), g.F().training, in, g.F().frameEvents);
}

constexpr int kP1Forward = 'D', kP1LA = 'H', kP1RA = 'J';
int Num(int n) {
    return kTrainingKey0 + n;
}

// Player 1 (fighter 2) does one attack against the dummy (fighter 2) standing or guarding;
// the meter's advantage once both can act again.
int AdvantageOf(bool guard, bool forward, int button) {
    Game g(3);
    Fight(g, 2, 2, 300, 400);
    g.F().training.dummy = guard ? kDummyGuardAll : kDummyStand;
    Step(g, {});
    if (forward) Step(g, {kP1Forward});
    Step(g, forward ? std::initializer_list<int>{kP1Forward, button}
                    : std::initializer_list<int>{button});
    for (int f = 0; f < 60 && !g.F().training.advantageKnown; ++f)
        Step(g, {});
    EXPECT_TRUE(g.F().training.advantageKnown);
    EXPECT_EQ(g.F().training.advantageGuarded, guard ? 1 : 0);
    EXPECT_EQ(g.F().training.advantageAttacker, 0);
    return g.F().training.advantage;
}

}  // namespace

// Worked out from the rows of roster 2, stance 0 (src/engine/fighters/fighter02.cpp), the
// common motions and the outcome tables. A frame of duration d shows for d + 1 fight
// frames; an attack lands in the second fight frame of its active row; a fighter can act
// again when it stands, steps or holds a guard (frame 0 of motion 15 or 16).
//
// LA, motion 20: rows 20/0 (d 2), 20/1 (d 1, active, kind 1, stun 2), 20/2 (d 2), 20/3 (d 3).
//   After the hit the attacker shows 20/2 for 3 frames and 20/3 for 4: it stands on the
//   8th frame after.
//   Hit: kind 1 on a standing body is reaction 6 at 100 %. The defender enters reaction 6
//   frame 0 (duration 2) on the hit's frame, shows it 2 more frames, then frame 1, whose
//   duration the hit sets to 100 % of stun 2 = 2 (3 frames): it stands on the 6th.
//   6 - 8 = -2.
//   Guard: guard motion 15 frame 1 gets 25 % of 2 = 0 (1 frame): in frame 0 of the guard
//   on the 1st frame after. 1 - 8 = -7.
// Forward LA, motion 21: rows 21/0 (d 4), 21/1 (d 1, active, kind 4, stun 12), 21/2 (d 4),
//   21/3 (d 4). The attacker shows 5 + 5 frames: it stands on the 11th.
//   Hit: kind 4 on a standing body hits as reaction 9 at 60 %: 2 frames left of frame 0,
//   then frame 1 of 60 % of 12 = 7 (8 frames): it stands on the 11th. 11 - 11 = 0.
//   Guard: low guard 16 frame 1 (15 % of 12 = 1) takes the guard command the dummy keeps
//   holding (its transitions are the guard set): frame 0 again on the 1st frame after.
//   1 - 11 = -10.
TEST(TrainingMeter, FrameAdvantageOfTheReferenceFightersAttacks) {
    EXPECT_EQ(AdvantageOf(false, false, kP1LA), -2);
    EXPECT_EQ(AdvantageOf(true, false, kP1LA), -7);
    EXPECT_EQ(AdvantageOf(false, true, kP1LA), 0);
    EXPECT_EQ(AdvantageOf(true, true, kP1LA), -10);
}

TEST(TrainingMeter, CellsSayWhatEachFrameIs) {
    Game g(3);
    Fight(g, 2, 2, 300, 400);
    Step(g, {});
    Step(g, {kP1LA});
    std::vector<int> kinds;
    for (int f = 0; f < 14; ++f) {
        Step(g, {});
        const TrainingState& t = g.F().training;
        kinds.push_back(t.meter[0][(t.meterHead + kMeterCells - 1) % kMeterCells]);
    }
    // LA: start-up until the active row, the active row, recovery, then standing.
    EXPECT_EQ(kinds.front(), kFrameStartUp);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), kFrameActive), 2);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), kFrameRecovery), 7);
    EXPECT_EQ(kinds.back(), kFrameNeutral);
    // The dummy's row shows its hit stun meanwhile.
    const TrainingState& t = g.F().training;
    int stun = 0;
    for (int i = 0; i < kMeterCells; ++i)
        stun += t.meter[1][i] == kFrameStun;
    EXPECT_EQ(stun, 6);
}

TEST(TrainingDummy, ARecordedSlotPlaysBackFrameForFrame) {
    Game g(9);
    Fight(g, 4, 7, 300, 450);
    TrainingState& t = g.F().training;
    // From a reset at the centre, record from player 2's device: walk, guard, strike. The
    // key's own frame is recorded.
    Step(g, {Num(7)});
    for (int f = 0; f < 3; ++f)
        Step(g, {});
    Step(g, {Num(2)});
    std::vector<int32_t> recorded = {g.F().frameCommands[1]};
    std::mt19937 random(4);
    const int p2Keys[] = {platform::VK_LEFT,    platform::VK_RIGHT,   platform::VK_DOWN,
                          platform::VK_MBUTTON, platform::VK_LBUTTON, platform::VK_RBUTTON};
    for (int f = 0; f < 120; ++f) {
        const int k = p2Keys[random() % 6];
        fight::FrameInput in{};
        if (f % 9 < 5) in.keys[k] = platform::kKeyDownBit;
        TrainingFrame(g.F(), t, in, g.F().frameEvents);
        recorded.push_back(g.F().frameCommands[1]);
    }
    const int32_t xAtTheEnd = g.F().fighter[1].x;
    Step(g, {Num(2)});  // stop, before this frame
    ASSERT_EQ(t.recording, kRecordOff);
    ASSERT_EQ(t.slotLength[0], 121);
    EXPECT_EQ(std::vector<int32_t>(t.slotCommands[0], t.slotCommands[0] + 121), recorded);
    EXPECT_GT(std::count_if(recorded.begin(), recorded.end(), [](int c) { return c != 0; }), 20);

    // From the same reset again, the slot played once gives the same commands.
    const std::vector<int32_t> slot = recorded;
    Step(g, {});
    Step(g, {Num(7)});
    for (int f = 0; f < 3; ++f)
        Step(g, {});
    Step(g, {Num(0)});
    ASSERT_EQ(t.dummy, kDummyPlayback);
    std::vector<int32_t> played = {g.F().frameCommands[1]};
    for (size_t f = 1; f < slot.size(); ++f) {
        Step(g, {});
        played.push_back(g.F().frameCommands[1]);
    }
    EXPECT_EQ(played, slot);
    EXPECT_EQ(g.F().fighter[1].x, xAtTheEnd) << "and the dummy moved the same way";
    Step(g, {});
    EXPECT_EQ(t.playing, 0) << "played once";
}

TEST(TrainingResets, EachKindPutsTheFightersWherePromised) {
    Game g(2);
    Fight(g, 1, 3, 310, 420);
    TrainingState& t = g.F().training;
    auto reset = [&](int kind) {
        t.resetKind = static_cast<uint8_t>(kind);
        Step(g, {});  // a key counts when it goes down
        Step(g, {Num(7)});
        return std::pair<int, int>(g.F().fighter[0].x, g.F().fighter[1].x);
    };
    EXPECT_EQ(reset(kResetCentre), std::make_pair(200, 600));
    EXPECT_EQ(reset(kResetLeftCorner), std::make_pair(55, 215));
    EXPECT_EQ(reset(kResetRightCorner), std::make_pair(584, 744));
    g.F().fighter[0].x = 130;
    g.F().fighter[1].x = 330;
    EXPECT_EQ(reset(kResetSwapped), std::make_pair(469, 669)) << "mirrored, player 1 left";
    EXPECT_EQ(reset(kResetLast), std::make_pair(469, 669));
    // A reset gives full health and a standing fighter.
    EXPECT_EQ(g.F().fighter[1].health, g.F().fighter[1].healthMax);
    EXPECT_EQ(engine::MotionOf(g.F().fighter[1].code), engine::kMotionStand);
    // NUM6 steps through the kinds.
    t.resetKind = kResetCentre;
    Step(g, {});
    Step(g, {Num(6)});
    EXPECT_EQ(t.resetKind, kResetLeftCorner);
}

// 20,000 frames of player 1 mashing against a dummy that changes its mind: the fight never
// ends, health and stamina stay in range, the refill brings them back after 60 quiet
// frames, a knock-out stands both up again.
TEST(TrainingSoak, TheFightNeverEndsAndTheRefillHolds) {
    Game g(17);
    Fight(g, 6, 11, 300, 420);
    TrainingState& t = g.F().training;
    std::mt19937 random(8);
    const int p1Keys[] = {'A', 'D', 'W', 'S', 'G', 'H', 'J'};
    int knockOuts = 0, refills = 0;
    for (int frame = 0; frame < 20000; ++frame) {
        fight::FrameInput in{};
        const bool quiet = (frame / 400) % 3 == 2;  // now and then player 1 rests
        if (!quiet && random() % 3 != 0) in.keys[p1Keys[random() % 7]] = platform::kKeyDownBit;
        if (frame % 997 == 0) in.keys[Num(1)] = platform::kKeyDownBit;   // the next dummy
        if (frame % 2503 == 0) in.keys[Num(7)] = platform::kKeyDownBit;  // a reset
        const int32_t before = g.F().fighter[1].health;
        TrainingFrame(g.F(), t, in, g.F().frameEvents);
        const GameState& s = g.F();
        ASSERT_EQ(s.gameState, kStateFight) << "frame " << frame;
        ASSERT_NE(s.phase, kPhaseResult) << "frame " << frame;
        for (const engine::Fighter& f : s.fighter) {
            if (f.koMark == 0) {
                ASSERT_GT(f.health, 0);  // a knock-out may take it below
            }
            ASSERT_LE(f.health, f.healthCeiling);
            ASSERT_LE(f.healthCeiling, f.healthMax);
            ASSERT_GE(f.stamina, 0);
            ASSERT_LE(f.stamina, f.staminaMax);
            ASSERT_GT(f.x, engine::kFieldLeft);
            ASSERT_LT(f.x, engine::kFieldRight);
        }
        ASSERT_LT(s.fighter[0].x, s.fighter[1].x);
        if (s.phase == kPhaseKnockOut && s.phaseFrames == 1) ++knockOuts;
        if (s.fighter[1].health == s.fighter[1].healthMax && before < s.fighter[1].healthMax &&
            t.sinceHit[1] == kRefillFrames)
            ++refills;
        if (t.refill && t.sinceHit[1] == kRefillFrames && s.fighter[1].koMark == 0) {
            ASSERT_EQ(s.fighter[1].health, s.fighter[1].healthMax) << "refilled, frame " << frame;
            ASSERT_EQ(s.fighter[1].stamina, s.fighter[1].staminaMax);
        }
    }
    EXPECT_GT(refills, 5);
    // Refill off: no knock-out needed to see the health stay down.
    t.refill = 0;
    g.F().fighter[1].health = 100;
    for (int f = 0; f < 100; ++f)
        Step(g, {});
    EXPECT_LT(g.F().fighter[1].health, g.F().fighter[1].healthMax);
    EXPECT_GT(knockOuts, 0) << "the knock-outs stood both up again";
}

// A whole session from the command line: both fighters picked with player 1's keys, a
// reset, the dummy's mode; the trace shows the training room's fields.
TEST(TrainingSession, FromTheCommandLine) {
    const std::string script =
        "21 down G\n23 up G\n"          // player 1's fighter: 1
        "30 down S\n32 up S\n"          // the cursor to 2 for the dummy
        "40 down G\n42 up G\n"          // the dummy's fighter
        "300 down NUM6\n302 up NUM6\n"  // reset: player 1 in the left corner
        "310 down NUM7\n312 up NUM7\n"  // reset now
        "320 down NUM1\n322 up NUM1\n"  // the dummy guards everything
        "330 down H\n332 up H\n";
    const auto run = testing_support::RunGame({"--headless", "--training", "--seed", "4", "--input",
                                               "-", "--frames", "400", "--trace", "-"},
                                              script);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = testing_support::SplitLines(run.out);
    ASSERT_EQ(lines.size(), 400u);
    EXPECT_NE(lines[399].find("\"mode\":5,"), std::string::npos);
    EXPECT_NE(lines[399].find("\"chosen\":[1,2]"), std::string::npos);
    EXPECT_NE(lines[311].find("\"x\":55,"), std::string::npos) << lines[311].substr(0, 400);
    EXPECT_NE(lines[399].find("\"training\":{\"dummy\":1,"), std::string::npos);
    EXPECT_NE(lines[399].find("\"reset\":1,"), std::string::npos);
    // The four modes keep their trace: no training fields there.
    const auto vs = testing_support::RunGame(
        {"--headless", "--seed", "4", "--mode", "vs", "--frames", "5", "--trace", "-"});
    EXPECT_EQ(vs.out.find("training"), std::string::npos);
}
