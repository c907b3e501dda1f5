// Roster number 10, Kick03: a kickboxer who changes stance on the move. forward+LA+RA and
// back+LA+RA are switch steps without a hit: a hop forward or back whose last frame ends in the
// stand of the other stance (the frame timer turns the stance as that frame ends). Stance 0 is
// a short-range boxing stance whose combinations run jab -> cross (29) -> hook (30) and
// cross -> low kick (32) -> head kick (33). Stance 1 stands longer and kicks harder, with two
// spinning kicks and shorter combinations (jab -> uppercut 29, right -> switch kick 32).
// The stance-1 hit reactions have pictures of their own (900..909).
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 10,
    .baseHealth = 1500,
    .halfWidth = {45, 45},
    .cpuAttackRange = {100, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 11, 14, 12}, {10, 8, 11, 9}},
    .cpuCloseMode = {kCloseModeUnset, 2},
};

// clang-format off
// motion, frame, form, duration, image, {values}, {transitions}
constexpr FrameRow kStance0[] = {
    {14, 0, kFinal, 1, 100, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 101, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 101, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 102, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 102, {}, {kGuardSet}},
    {17, 0, kChain, 1, 100, {}, {kStepSet}},
    {17, 1, kChain, 2, 103, {.dx = 18}, {kStepSet}},
    {17, 2, kFinal, 2, 103, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -14}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: heavy jab; LA again throws the cross (29).
    {20, 0, kChain, 3, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 180, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 75, .kind = 1, .priority = 1, .damage = 100,
        .stun = 4, .knockback = 2, .effect = 1, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 106, {.layer = -1, .counterBonus = 2, .followUp = {7, 7, 10, 0}},
        {.links = {{kLA, 29}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 105, {.layer = -1, .counterBonus = 1, .followUp = {7, 10, 11, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 29}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23},
        {kFwdRA, 24}, {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA: leaping straight punch.
    {21, 0, kChain, 3, 200, {.sound = 2, .layer = -1, .cost = 280, .counterBonus = 4}, {}},
    {21, 1, kChain, 2, 201, {.layer = -1, .dx = 14, .dy = -8, .counterBonus = 4}, {}},
    {21, 2, kChain, 1, 202, {.layer = -1, .dy = -4, .reach = 100, .kind = 1, .priority = 3,
        .damage = 160, .stun = 8, .knockback = 8, .effect = 1, .minRange = 85,
        .counterBonus = 6}, {}},
    {21, 3, kChain, 2, 202, {.layer = -1, .counterBonus = 6, .followUp = {11, 0, 0, 0}},
        {.links = {{kFwdRA, 24}}}},
    {21, 4, kFinal, 4, 200, {.layer = -1, .counterBonus = 2, .followUp = {11, 6, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}}}},
    // back+LA: dipping hook to the liver.
    {22, 0, kChain, 3, 203, {.sound = 2, .layer = -1, .dy = 4, .cost = 180, .counterBonus = 2}, {}},
    {22, 1, kChain, 1, 204, {.layer = -1, .dy = 4, .reach = 80, .kind = 4, .priority = 2,
        .damage = 108, .stun = 6, .knockback = 2, .effect = 3, .counterBonus = 3}, {}},
    {22, 2, kChain, 2, 204, {.layer = -1, .dy = 4, .counterBonus = 3, .followUp = {13, 10, 0, 0}},
        {.links = {{kRA, 23}, {kLARA, 26}}}},
    {22, 3, kFinal, 3, 203, {.layer = -1, .dy = 4, .counterBonus = 1,
        .followUp = {13, 10, kNoValue, 0}}, {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23},
        {kLARA, 26}}}},
    // RA: cross to the body; RA again throws the low kick (32).
    {23, 0, kChain, 3, 205, {.sound = 2, .layer = -2, .dx = 8, .cost = 200, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 206, {.layer = -2, .reach = 75, .kind = 2, .priority = 2, .damage = 120,
        .stun = 4, .knockback = 4, .effect = 1, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 206, {.layer = -2, .counterBonus = 2, .followUp = {10, 10, 9, 0}},
        {.links = {{kBackLA, 22}, {kRA, 32}}}},
    {23, 3, kFinal, 3, 205, {.layer = -2, .counterBonus = 1, .followUp = {10, 9, 12, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kRA, 32}, {kBackRA, 25}, {kLARA, 26},
        {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+RA: push kick that drives the opponent back.
    {24, 0, kChain, 3, 300, {.sound = 3, .layer = -2, .dx = 8, .cost = 280, .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 301, {.layer = -2, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 302, {.layer = -2, .reach = 100, .kind = 2, .priority = 3, .damage = 160,
        .stun = 8, .knockback = 12, .effect = 2, .minRange = 90, .counterBonus = 6}, {}},
    {24, 3, kChain, 2, 301, {.layer = -2, .counterBonus = 4, .followUp = {7, 12, 0, 0}},
        {.links = {{kLA, 20}, {kBackRA, 25}}}},
    {24, 4, kFinal, 3, 300, {.layer = -2, .counterBonus = 2, .followUp = {7, 12, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackRA, 25}}}},
    // back+RA: lead-leg body kick.
    {25, 0, kChain, 4, 303, {.sound = 3, .layer = -3, .cost = 200, .counterBonus = 2}, {}},
    {25, 1, kChain, 1, 304, {.layer = -3, .reach = 90, .kind = 4, .priority = 2, .damage = 120,
        .stun = 6, .knockback = 4, .effect = 2, .minRange = 85, .counterBonus = 3}, {}},
    {25, 2, kChain, 2, 304, {.layer = -3, .counterBonus = 3, .followUp = {10, 13, 0, 0}},
        {.links = {{kRA, 23}, {kLARA, 26}}}},
    {25, 3, kFinal, 3, 303, {.layer = -3, .counterBonus = 1, .followUp = {10, 13, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kLARA, 26}}}},
    // LA+RA: rear roundhouse kick, the heaviest blow of the stance.
    {26, 0, kChain, 4, 305, {.sound = 3, .layer = -3, .dx = 8, .cost = 240, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 306, {.layer = -3, .counterBonus = 4}, {}},
    {26, 2, kChain, 1, 307, {.layer = -3, .reach = 105, .kind = 4, .priority = 3, .damage = 200,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 90, .koMark = 1, .counterBonus = 6},
        {}},
    {26, 3, kChain, 2, 307, {.layer = -3, .counterBonus = 6}, {}},
    {26, 4, kChain, 3, 306, {.layer = -3, .counterBonus = 2}, {}},
    {26, 5, kFinal, 4, 305, {.layer = -3, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA and back+LA+RA: switch steps. Frame 2 is the last and ends in the other
    // stance's stand, so the stance and the code change together; it answers no command, so
    // the step always lands.
    {27, 0, kChain, 2, 308, {.sound = 4, .dx = 10, .cost = 100, .counterBonus = 2}, {}},
    {27, 1, kChain, 2, 309, {.dx = 10, .dy = -6, .counterBonus = 2}, {}},
    {27, 2, kFinalSwitch, 2, 310, {.dy = -2, .counterBonus = 1}, {}},
    {28, 0, kChain, 2, 311, {.sound = 4, .dx = -8, .cost = 100, .counterBonus = 2}, {}},
    {28, 1, kChain, 2, 400, {.dx = -10, .dy = -6, .counterBonus = 2}, {}},
    {28, 2, kFinalSwitch, 2, 401, {.dy = -2, .counterBonus = 1}, {}},
    // Follow-up 29: cross after the jab; LA once more throws the hook (30).
    {29, 0, kChain, 2, 107, {.sound = 2, .layer = -2, .dx = 8, .cost = 180, .counterBonus = 2}, {}},
    {29, 1, kChain, 1, 108, {.layer = -2, .reach = 80, .kind = 1, .priority = 2, .damage = 100,
        .stun = 4, .knockback = 4, .effect = 1, .counterBonus = 3}, {}},
    {29, 2, kChain, 2, 108, {.layer = -2, .counterBonus = 3, .followUp = {7, 7, 0, 0}},
        {.links = {{kLA, 30}}}},
    {29, 3, kFinal, 3, 107, {.layer = -2, .counterBonus = 1, .followUp = {7, kNoValue, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}}}},
    // Follow-up 30: lead hook that ends the punch combination.
    {30, 0, kChain, 2, 109, {.sound = 2, .layer = -1, .cost = 220, .counterBonus = 3}, {}},
    {30, 1, kChain, 1, 110, {.layer = -1, .counterBonus = 4}, {}},
    {30, 2, kChain, 1, 111, {.layer = -1, .reach = 70, .kind = 1, .priority = 2, .damage = 160,
        .stun = 8, .knockback = 6, .effect = 3, .counterBonus = 6}, {}},
    {30, 3, kChain, 3, 111, {.layer = -1, .counterBonus = 6}, {}},
    {30, 4, kFinal, 4, 109, {.layer = -1, .counterBonus = 2,
        .followUp = {0, 0, kNoValue, kNoValue}}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 32: rear low kick after the cross; RA once more throws the head kick (33).
    {32, 0, kChain, 3, 207, {.sound = 3, .layer = -3, .cost = 220, .counterBonus = 3}, {}},
    {32, 1, kChain, 1, 208, {.layer = -3, .reach = 90, .kind = 4, .priority = 3, .damage = 140,
        .stun = 8, .knockback = 4, .effect = 2, .minRange = 85, .counterBonus = 4}, {}},
    {32, 2, kChain, 2, 208, {.layer = -3, .counterBonus = 4, .followUp = {10, 10, 0, 0}},
        {.links = {{kRA, 33}}}},
    {32, 3, kFinal, 3, 207, {.layer = -3, .counterBonus = 2, .followUp = {10, kNoValue, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 33}}}},
    // Follow-up 33: lead head kick off the low kick.
    {33, 0, kChain, 3, 209, {.sound = 3, .layer = -3, .cost = 300, .counterBonus = 4}, {}},
    {33, 1, kChain, 1, 210, {.layer = -3, .counterBonus = 4}, {}},
    {33, 2, kChain, 1, 211, {.layer = -3, .reach = 100, .kind = 2, .priority = 3, .damage = 220,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 90, .koMark = 1, .counterBonus = 8},
        {}},
    {33, 3, kChain, 3, 211, {.layer = -3, .counterBonus = 8}, {}},
    {33, 4, kFinal, 4, 209, {.layer = -3, .counterBonus = 2,
        .followUp = {0, 0, kNoValue, kNoValue}}, {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 500, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 501, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 501, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 502, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 502, {}, {kGuardSet}},
    {17, 0, kChain, 1, 500, {}, {kStepSet}},
    {17, 1, kChain, 2, 503, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 503, {}, {kStepSet}},
    {18, 0, kChain, 1, 500, {}, {kStepSet}},
    {18, 1, kChain, 2, 504, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 504, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 500, {.sound = 4, .dy = -4}, {}},
    // LA: long jab; LA again throws the uppercut (29).
    {20, 0, kChain, 3, 505, {.sound = 2, .layer = -1, .dx = 8, .cost = 200, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 506, {.layer = -1, .reach = 95, .kind = 1, .priority = 1, .damage = 100,
        .stun = 4, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 506, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 7, 0}},
        {.links = {{kLA, 29}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 505, {.layer = -1, .counterBonus = 1, .followUp = {7, 10, 12, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 29}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23},
        {kFwdRA, 24}, {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA: low kick to the calf, bent low.
    {21, 0, kChain, 4, 509, {.sound = 3, .layer = -1, .dx = 8, .cost = 240, .counterBonus = 3}, {}},
    {21, 1, kChain, 1, 510, {.layer = -1, .body = {36, 2}, .reach = 75, .kind = 7, .priority = 2,
        .damage = 120, .stun = 8, .knockback = 4, .effect = 3, .counterBonus = 4}, {}},
    {21, 2, kChain, 2, 510, {.layer = -1, .body = {36, 2}, .counterBonus = 4,
        .followUp = {10, 0, 0, 0}}, {.links = {{kRA, 23}}}},
    {21, 3, kFinal, 3, 509, {.layer = -1, .counterBonus = 1, .followUp = {10, 6, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}}}},
    // back+LA: spinning back kick.
    {22, 0, kChain, 4, 511, {.sound = 3, .layer = -3, .cost = 340, .counterBonus = 6}, {}},
    {22, 1, kChain, 2, 600, {.layer = -3, .body = {36, 3}, .counterBonus = 6}, {}},
    {22, 2, kChain, 1, 601, {.layer = -3, .reach = 100, .kind = 4, .priority = 3, .damage = 240,
        .stun = 12, .knockback = 10, .effect = 2, .minRange = 90, .koMark = 2, .counterBonus = 8},
        {}},
    {22, 3, kChain, 3, 601, {.layer = -3, .counterBonus = 8}, {}},
    {22, 4, kFinal, 4, 602, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // RA: straight right; RA again throws the switch kick (32).
    {23, 0, kChain, 3, 603, {.sound = 2, .layer = -2, .dx = 8, .cost = 220, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 604, {.layer = -2, .reach = 100, .kind = 2, .priority = 2, .damage = 112,
        .stun = 4, .knockback = 4, .effect = 1, .minRange = 92, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 604, {.layer = -2, .counterBonus = 2, .followUp = {10, 8, 11, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 32}, {kFwdRA, 24}}}},
    {23, 3, kFinal, 3, 603, {.layer = -2, .counterBonus = 1, .followUp = {10, 11, 14, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 32}, {kFwdRA, 24},
        {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+RA: clinch knee.
    {24, 0, kChain, 4, 607, {.sound = 1, .layer = -2, .dx = 10, .cost = 240, .counterBonus = 3},
        {}},
    {24, 1, kChain, 1, 608, {.layer = -2, .reach = 75, .kind = 4, .priority = 2, .damage = 108,
        .stun = 6, .knockback = 4, .effect = 3, .counterBonus = 4}, {}},
    {24, 2, kChain, 2, 608, {.layer = -2, .counterBonus = 4, .followUp = {12, 0, 0, 0}},
        {.links = {{kBackRA, 25}}}},
    {24, 3, kFinal, 3, 607, {.layer = -2, .counterBonus = 1, .followUp = {12, kNoValue, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackRA, 25}}}},
    // back+RA: spinning heel kick that cannot be guarded.
    {25, 0, kChain, 4, 609, {.sound = 3, .layer = -3, .cost = 340, .counterBonus = 6}, {}},
    {25, 1, kChain, 2, 610, {.layer = -3, .body = {36, 3}, .counterBonus = 6}, {}},
    {25, 2, kChain, 1, 611, {.layer = -3, .reach = 105, .kind = 5, .priority = 4, .damage = 260,
        .stun = 12, .knockback = 8, .effect = 4, .minRange = 90, .koMark = 2, .counterBonus = 10},
        {}},
    {25, 3, kChain, 3, 611, {.layer = -3, .counterBonus = 10}, {}},
    {25, 4, kFinal, 4, 700, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // LA+RA: body roundhouse kick.
    {26, 0, kChain, 4, 701, {.sound = 3, .layer = -3, .dx = 8, .cost = 240, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 702, {.layer = -3, .reach = 95, .kind = 4, .priority = 3, .damage = 140,
        .stun = 8, .knockback = 6, .effect = 2, .minRange = 85, .counterBonus = 6}, {}},
    {26, 2, kChain, 2, 702, {.layer = -3, .counterBonus = 6}, {}},
    {26, 3, kFinal, 4, 701, {.layer = -3, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA and back+LA+RA: switch steps back into stance 0, built as in stance 0.
    {27, 0, kChain, 2, 703, {.sound = 4, .dx = 10, .cost = 100, .counterBonus = 2}, {}},
    {27, 1, kChain, 2, 704, {.dx = 10, .dy = -6, .counterBonus = 2}, {}},
    {27, 2, kFinalSwitch, 2, 705, {.dy = -2, .counterBonus = 1}, {}},
    {28, 0, kChain, 2, 706, {.sound = 4, .dx = -8, .cost = 100, .counterBonus = 2}, {}},
    {28, 1, kChain, 2, 707, {.dx = -10, .dy = -6, .counterBonus = 2}, {}},
    {28, 2, kFinalSwitch, 2, 708, {.dy = -2, .counterBonus = 1}, {}},
    // Follow-up 29: rear uppercut after the jab.
    {29, 0, kChain, 2, 507, {.sound = 2, .layer = -2, .dx = 8, .cost = 220, .counterBonus = 2}, {}},
    {29, 1, kChain, 1, 508, {.layer = -2, .reach = 80, .kind = 2, .priority = 2, .damage = 140,
        .stun = 6, .knockback = 4, .effect = 3, .counterBonus = 3}, {}},
    {29, 2, kChain, 2, 508, {.layer = -2, .counterBonus = 3}, {}},
    {29, 3, kFinal, 3, 507, {.layer = -2, .counterBonus = 1,
        .followUp = {0, 0, kNoValue, kNoValue}}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 32: switch kick to the head after the right.
    {32, 0, kChain, 3, 605, {.sound = 3, .layer = -3, .cost = 320, .counterBonus = 4}, {}},
    {32, 1, kChain, 1, 606, {.layer = -3, .reach = 105, .kind = 2, .priority = 3, .damage = 170,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 90, .koMark = 2, .counterBonus = 6},
        {}},
    {32, 2, kChain, 3, 606, {.layer = -3, .counterBonus = 6}, {}},
    {32, 3, kFinal, 4, 605, {.layer = -3, .counterBonus = 2,
        .followUp = {0, 0, kNoValue, kNoValue}}, {.links = {{kG, 15}, {kDownG, 16}}}},
};
// clang-format on

void Init(Fighter& fighter, int opponentKind) {
    InitFighter(fighter, kConstants, opponentKind);
}
void BuildStance0(Fighter& fighter) {
    BuildStance(fighter, 0, kStance0);
}
void BuildStance1(Fighter& fighter) {
    BuildStance(fighter, 1, kStance1);
}

}  // namespace

const RosterEntry kFighter10 = {Init, BuildStance0, BuildStance1, kCommonKick03};

}  // namespace engine::fighters
