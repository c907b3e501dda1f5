// Roster number 7 (Tequondo): the follow-up kick chains of both stances, the breather in which
// the fighter regenerates, the computer's follow-up commands and the pictures it may use.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "engine/update.h"
#include "fight/player_input.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::BuiltFighter;
using fighter_test::IsDefined;

namespace {

constexpr int kTequondo = 7;

// The slot each command 0..16 uses, -1 where it has none.
constexpr int kSlotOf[] = {
    -1, kSlotForward, kSlotBack, kSlotUp, -1, kSlotLowGuard, kSlotGuard, 0, 1, 2, 3, 4, 5, 6, 7,
    8,  kSlotGuard};

class TequondoTest : public ::testing::Test {
  protected:
    std::unique_ptr<Fighter> f = BuiltFighter(kTequondo, 0, 2);
};

// (from motion, slot, follow-up motion): every way into motions 29..34, the same in both
// stances. LA and RA open the chains; 29 and 32 go on with the same leg or switch legs, and
// 30 and 33 lead into the finishers 31 and 34.
using Edge = std::tuple<int, int, int>;
const std::set<Edge> kChains = {
    {20, kSlotLA, 29}, {20, kSlotRA, 32}, {23, kSlotLA, 29}, {23, kSlotRA, 32}, {29, kSlotLA, 30},
    {29, kSlotRA, 33}, {32, kSlotLA, 30}, {32, kSlotRA, 33}, {30, kSlotLA, 31}, {33, kSlotRA, 34},
};

TEST_F(TequondoTest, FollowUpsAreChainedFromLaAndRaRecoveries) {
    for (int s = 0; s < kStances; ++s) {
        std::set<Edge> found;
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m) {
            int lastActive = -1;
            for (int i = 0; i < kFramesPerMotion; ++i)
                if (f->tables[s][m][i].attackKind != 0) lastActive = i;
            for (int i = 0; i < kFramesPerMotion; ++i)
                for (int slot = 0; slot < kSlots; ++slot) {
                    const Transition& t = f->tables[s][m][i].transitions[slot];
                    if (!t.enabled || MotionOf(t.target) < kMotionFollowUpFirst) continue;
                    SCOPED_TRACE(testing::Message() << "stance " << s << " frame " << m * 100 + i);
                    found.insert({m, slot, MotionOf(t.target)});
                    // A chain starts a kick from its beginning, and only once the kick
                    // before it has landed.
                    EXPECT_EQ(t.target % 100, 0);
                    EXPECT_GT(i, lastActive);
                }
        }
        EXPECT_EQ(found, kChains) << "stance " << s;
    }
}

// Drives the fighter through the update as the fight frame does, far from the opponent.
// Returns the stamina that this update's regeneration gave back.
int Step(Fighter& f, int command) {
    const int before = f.stamina;
    Regenerate(f);
    const int regained = f.stamina - before;
    int32_t pending = command;
    ApplyCommand(f, pending);
    Advance(f, 700, 45, false, 0);
    return regained;
}

// Frame 0 of 29 and 32 is a breather: the fighter regenerates there for as long as the frame
// lasts, and nowhere else in the attack, the follow-up or the next follow-up.
TEST_F(TequondoTest, BreatherOfTheFirstFollowUpRegenerates) {
    struct Case {
        int opener;  // command from stand, then into the follow-up
        int followUp;
        int next;  // motion entered by the same command from the follow-up's recovery
    };
    const Case cases[] = {{fight::kCmdLA, 29, 30}, {fight::kCmdRA, 32, 33}};
    for (int s = 0; s < kStances; ++s)
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "stance " << s << " follow-up " << c.followUp);
            auto g = BuiltFighter(kTequondo, 0, 2);
            g->stance = s;
            g->code = MakeCode(s, kMotionStand, 0);
            g->stamina = 700;
            g->health = g->healthMax - 200;
            const MotionCode breath = MakeCode(s, c.followUp, 0);
            Step(*g, c.opener);  // from stand, where the fighter still regenerates
            int steps = 0;
            while (g->code != breath && steps++ < 40)
                EXPECT_EQ(Step(*g, c.opener), 0) << g->code;
            ASSERT_EQ(g->code, breath);
            const int health = g->health;
            int breathing = 0;
            while (g->code == breath && steps++ < 60) {
                EXPECT_EQ(Step(*g, fight::kCmdNone), g->staminaRegen);
                ++breathing;
            }
            EXPECT_EQ(breathing, FrameOf(*g, breath).duration);
            EXPECT_GE(breathing, 4) << "a breather, not a blink";
            EXPECT_EQ(g->health, health + breathing * g->healthRegen);
            // Kick on into the next follow-up: no more regeneration until the fighter stands.
            bool kickedOn = false;
            while (MotionOf(g->code) != kMotionStand && steps++ < 120) {
                const int motion = MotionOf(g->code);
                EXPECT_EQ(Step(*g, motion == c.followUp ? c.opener : fight::kCmdNone), 0)
                    << g->code;
                kickedOn |= MotionOf(g->code) == c.next;
            }
            EXPECT_TRUE(kickedOn);
            EXPECT_EQ(MotionOf(g->code), kMotionStand);
        }
}

// Every command the computer may follow up with is one the frame answers, or, for an attack
// command that waits, one that a later frame of the same motion answers.
TEST_F(TequondoTest, ComputerFollowUpsAreAnswered) {
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
            for (int i = 0; i < kFramesPerMotion; ++i) {
                const MotionFrame& frame = f->tables[s][m][i];
                if (!IsDefined(frame)) continue;
                for (int command : frame.cpuFollowUp) {
                    if (command == 0 || command == kNoValue) continue;
                    const int slot = command > 0 && command <= 16 ? kSlotOf[command] : -1;
                    ASSERT_GE(slot, 0) << frame.code << " follow-up " << command;
                    const bool waits = slot <= kSlotBackLARA;
                    bool answered = false;
                    for (int j = i; j < kFramesPerMotion && IsDefined(f->tables[s][m][j]); ++j) {
                        answered |= f->tables[s][m][j].transitions[slot].enabled != 0;
                        if (!waits || f->tables[s][m][j].next != f->tables[s][m][j].code + 1) break;
                    }
                    EXPECT_TRUE(answered) << frame.code << " follow-up " << command;
                }
            }
}

// Seven own sheets: pictures 100..711, cells 0..11. The stances share only the guard, low
// guard and back-step pictures.
TEST_F(TequondoTest, PicturesComeFromItsOwnSevenSheets) {
    std::set<int> shown[kStances];
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionStand; m <= kMotionFollowUpLast; ++m)
            for (const MotionFrame& frame : f->tables[s][m]) {
                if (!IsDefined(frame)) continue;
                EXPECT_GE(frame.image / 100, 1) << frame.code;
                EXPECT_LE(frame.image / 100, 7) << frame.code;
                EXPECT_LE(frame.image % 100, 11) << frame.code;
                shown[s].insert(frame.image);
            }
    std::set<int> shared;
    for (int image : shown[0])
        if (shown[1].count(image)) shared.insert(image);
    EXPECT_EQ(shared, (std::set<int>{FrameOf(*f, 1500).image, FrameOf(*f, 1600).image,
                                     FrameOf(*f, 1801).image}));
}

}  // namespace
