// Roster number 3, box01: a quick, light boxer. Cheap, fast punches that chain into one another,
// and the widest steps of the roster. Stance 0 is the upright orthodox stance: jab, cross, hooks
// and an uppercut, plus two moves that hit nothing, a duck under high punches (LA+RA) and a sway
// back out of reach (back+LA+RA), both opening into counters. Stance 1 is a low crouch that works
// the body, and ends with a leaping hook (back+LA+RA).
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 3,
    .baseHealth = 1400,
    .halfWidth = {45, 45},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 8, 10, 14}, {7, 8, 9, 12}},
    .cpuCloseMode = {2, 2},
};

// clang-format off
// motion, frame, form, duration, image, {values}, {transitions}
constexpr FrameRow kStance0[] = {
    {14, 0, kFinal, 1, 100, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 103, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 103, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 104, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 104, {}, {kGuardSet}},
    {17, 0, kChain, 1, 100, {}, {kStepSet}},
    {17, 1, kChain, 2, 101, {.dx = 24}, {kStepSet}},
    {17, 2, kFinal, 2, 101, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 102, {.dx = -20}, {kStepSet}},
    {18, 2, kFinal, 2, 102, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: jab; doubles up or leads into the cross and the hooks.
    {20, 0, kChain, 2, 100, {.sound = 2, .layer = -1, .dx = 8, .cost = 140, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 105, {.layer = -1, .reach = 93, .kind = 1, .priority = 1, .damage = 36,
        .stun = 1, .knockback = 0, .effect = 1, .minRange = 88, .counterBonus = 2}, {}},
    {20, 2, kChain, 1, 105, {.layer = -1, .counterBonus = 2, .followUp = {10, 7, 10, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {20, 3, kFinal, 2, 100, {.layer = -1, .counterBonus = 1, .followUp = {10, 7, 12, 8}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24},
        {kBackRA, 25}}}},
    // forward+LA: lead hook.
    {21, 0, kChain, 3, 106, {.sound = 2, .layer = -1, .dx = 8, .cost = 180, .counterBonus = 2}, {}},
    {21, 1, kChain, 1, 107, {.layer = -1, .reach = 68, .kind = 1, .priority = 1, .damage = 76,
        .stun = 4, .knockback = 4, .effect = 1, .counterBonus = 4}, {}},
    {21, 2, kChain, 2, 107, {.layer = -1, .counterBonus = 4, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 3, kFinal, 2, 106, {.layer = -1, .counterBonus = 2, .followUp = {12, 10, 11, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // back+LA: lead hand to the body.
    {22, 0, kChain, 3, 108, {.sound = 2, .layer = -1, .dx = 8, .dy = 4, .cost = 160,
        .counterBonus = 2}, {}},
    {22, 1, kChain, 1, 109, {.layer = -1, .dy = 4, .reach = 72, .kind = 7, .priority = 1,
        .damage = 88, .stun = 4, .knockback = 2, .effect = 4, .counterBonus = 4}, {}},
    {22, 2, kChain, 2, 109, {.layer = -1, .dy = 4, .counterBonus = 4, .followUp = {8, 12, 10, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}, {kBackRA, 25}}}},
    {22, 3, kFinal, 2, 108, {.layer = -1, .dy = 4, .counterBonus = 2, .followUp = {8, 12, 10, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kRA, 23}, {kBackRA, 25}}}},
    // RA: cross.
    {23, 0, kChain, 3, 110, {.sound = 2, .layer = -2, .dx = 8, .cost = 140, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 111, {.layer = -2, .reach = 88, .kind = 1, .priority = 1, .damage = 92,
        .stun = 3, .knockback = 1, .effect = 1, .minRange = 90, .counterBonus = 2}, {}},
    {23, 2, kChain, 1, 111, {.layer = -2, .counterBonus = 2, .followUp = {9, 0, 0, kNoValue}},
        {.links = {{kFwdLA, 21}, {kBackLA, 22}}}},
    {23, 3, kFinal, 2, 110, {.layer = -2, .counterBonus = 1, .followUp = {9, 7, 14, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kBackLA, 22},
        {kFwdLARA, 27}}}},
    // forward+RA: rear hook to the body.
    {24, 0, kChain, 3, 200, {.sound = 2, .layer = -2, .dx = 8, .dy = 4, .cost = 140,
        .counterBonus = 1}, {}},
    {24, 1, kChain, 1, 201, {.layer = -2, .dy = 4, .reach = 73, .kind = 4, .priority = 1,
        .damage = 92, .stun = 4, .knockback = 2, .effect = 4, .counterBonus = 2}, {}},
    {24, 2, kChain, 2, 201, {.layer = -2, .dy = 4, .counterBonus = 2, .followUp = {8, 8, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {24, 3, kFinal, 2, 200, {.layer = -2, .dy = 4, .counterBonus = 1, .followUp = {8, 7, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}}}},
    // back+RA: uppercut.
    {25, 0, kChain, 3, 202, {.sound = 2, .layer = -2, .dx = 8, .dy = 4, .cost = 200,
        .counterBonus = 2}, {}},
    {25, 1, kChain, 1, 203, {.layer = -2, .reach = 73, .kind = 2, .priority = 2, .damage = 96,
        .stun = 6, .knockback = 4, .effect = 3, .counterBonus = 4}, {}},
    {25, 2, kChain, 2, 203, {.layer = -2, .counterBonus = 4, .followUp = {8, 0, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {25, 3, kFinal, 3, 202, {.layer = -2, .dy = 4, .counterBonus = 2, .followUp = {8, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}}}},
    // LA+RA: duck; high punches pass over it, and it counters to the body or with the uppercut.
    {26, 0, kChain, 1, 204, {.sound = 1, .layer = 1, .dy = 8, .cost = 100, .body = {36, 2},
        .counterBonus = 2}, {}},
    {26, 1, kChain, 3, 204, {.layer = 1, .dy = 8, .body = {36, 2}, .counterBonus = 2,
        .followUp = {12, 11, 9, 0}}, {.links = {{kBackLA, 22}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {26, 2, kFinal, 2, 205, {.layer = 1, .dy = 4, .counterBonus = 1, .followUp = {12, 11, 9, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // forward+LA+RA: stepping shovel hook to the body.
    {27, 0, kChain, 3, 206, {.sound = 1, .layer = -2, .dx = 12, .dy = 4, .cost = 260,
        .counterBonus = 4}, {}},
    {27, 1, kChain, 1, 207, {.sound = 2, .layer = -2, .dy = 4, .reach = 68, .kind = 7,
        .priority = 2, .damage = 140, .stun = 8, .knockback = 8, .effect = 4, .koMark = 1,
        .counterBonus = 6}, {}},
    {27, 2, kChain, 2, 207, {.layer = -2, .dy = 4, .counterBonus = 6}, {}},
    {27, 3, kChain, 2, 208, {.layer = -2, .counterBonus = 2, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {27, 4, kFinal, 2, 208, {.layer = -2, .counterBonus = 2, .followUp = {10, 12, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackRA, 25}}}},
    // back+LA+RA: sway back; the body leans out of reach, then fires a counter.
    {28, 0, kChain, 1, 209, {.sound = 1, .layer = 1, .dx = -12, .cost = 120, .body = {20, 1},
        .counterBonus = 1}, {}},
    {28, 1, kChain, 3, 209, {.layer = 1, .dx = -8, .body = {20, 1}, .counterBonus = 1,
        .followUp = {10, 10, 7, 0}}, {.links = {{kLA, 20}, {kRA, 23}}}},
    {28, 2, kFinal, 2, 210, {.layer = 1, .counterBonus = 1, .followUp = {10, 7, 8, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kRA, 23}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 211, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 500, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 500, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 501, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 501, {}, {kGuardSet}},
    {17, 0, kChain, 1, 211, {}, {kStepSet}},
    {17, 1, kChain, 2, 300, {.dx = 24}, {kStepSet}},
    {17, 2, kFinal, 2, 300, {}, {kStepSet}},
    {18, 0, kChain, 1, 211, {}, {kStepSet}},
    {18, 1, kChain, 2, 502, {.dx = -24}, {kStepSet}},
    {18, 2, kFinal, 2, 502, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 211, {.sound = 4, .dy = -4}, {}},
    // LA: jab out of the crouch.
    {20, 0, kChain, 2, 211, {.sound = 2, .layer = -1, .dx = 8, .cost = 120, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 301, {.layer = -1, .reach = 93, .kind = 1, .priority = 1, .damage = 32,
        .stun = 1, .knockback = 0, .effect = 1, .minRange = 88, .counterBonus = 2}, {}},
    {20, 2, kChain, 1, 301, {.layer = -1, .counterBonus = 2, .followUp = {10, 7, 9, 0}},
        {.links = {{kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}}}},
    {20, 3, kFinal, 2, 211, {.layer = -1, .counterBonus = 1, .followUp = {10, 9, 12, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23},
        {kBackRA, 25}}}},
    // forward+LA: lead hook.
    {21, 0, kChain, 3, 302, {.sound = 2, .layer = -1, .dx = 8, .cost = 160, .counterBonus = 2}, {}},
    {21, 1, kChain, 1, 303, {.layer = -1, .reach = 68, .kind = 1, .priority = 1, .damage = 80,
        .stun = 4, .knockback = 4, .effect = 1, .counterBonus = 4}, {}},
    {21, 2, kChain, 2, 303, {.layer = -1, .counterBonus = 4, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 3, kFinal, 2, 302, {.layer = -1, .counterBonus = 2, .followUp = {12, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackRA, 25}}}},
    // back+LA: lead hook to the liver.
    {22, 0, kChain, 3, 304, {.sound = 2, .layer = -1, .dx = 8, .dy = 4, .cost = 240,
        .counterBonus = 2}, {}},
    {22, 1, kChain, 1, 305, {.layer = -1, .dy = 4, .reach = 73, .kind = 4, .priority = 2,
        .damage = 108, .stun = 6, .knockback = 4, .effect = 4, .counterBonus = 6}, {}},
    {22, 2, kChain, 2, 305, {.layer = -1, .dy = 4, .counterBonus = 6, .followUp = {8, 10, 0, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {22, 3, kChain, 2, 306, {.layer = -1, .counterBonus = 2, .followUp = {8, 10, 0, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {22, 4, kFinal, 2, 304, {.layer = -1, .dy = 4, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // RA: straight.
    {23, 0, kChain, 3, 307, {.sound = 2, .layer = -2, .dx = 8, .cost = 140, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 308, {.layer = -2, .reach = 93, .kind = 1, .priority = 1, .damage = 92,
        .stun = 3, .knockback = 1, .effect = 1, .minRange = 90, .counterBonus = 2}, {}},
    {23, 2, kChain, 1, 308, {.layer = -2, .counterBonus = 2, .followUp = {9, 7, 0, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}}}},
    {23, 3, kFinal, 2, 307, {.layer = -2, .counterBonus = 1, .followUp = {9, 13, 0, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}, {kLARA, 26}}}},
    // forward+RA: long lunging straight to the body.
    {24, 0, kChain, 3, 309, {.sound = 1, .layer = -2, .dx = 16, .cost = 200, .counterBonus = 2},
        {}},
    {24, 1, kChain, 1, 310, {.sound = 2, .layer = -2, .dx = 8, .reach = 98, .kind = 4,
        .priority = 2, .damage = 100, .stun = 6, .knockback = 6, .effect = 4, .minRange = 90,
        .counterBonus = 4}, {}},
    {24, 2, kChain, 2, 310, {.layer = -2, .counterBonus = 4, .followUp = {8, 0, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {24, 3, kFinal, 3, 309, {.layer = -2, .counterBonus = 2, .followUp = {8, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}}}},
    // back+RA: rear hook to the ribs.
    {25, 0, kChain, 3, 311, {.sound = 2, .layer = -2, .dx = 8, .dy = 4, .cost = 240,
        .counterBonus = 2}, {}},
    {25, 1, kChain, 1, 400, {.layer = -2, .dy = 4, .reach = 73, .kind = 4, .priority = 2,
        .damage = 108, .stun = 6, .knockback = 4, .effect = 4, .counterBonus = 6}, {}},
    {25, 2, kChain, 2, 400, {.layer = -2, .dy = 4, .counterBonus = 6, .followUp = {8, 9, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackLA, 22}}}},
    {25, 3, kChain, 2, 401, {.layer = -2, .counterBonus = 2, .followUp = {8, 9, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackLA, 22}}}},
    {25, 4, kFinal, 2, 311, {.layer = -2, .dy = 4, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // LA+RA: shovel hook up into the stomach from a deep dip.
    {26, 0, kChain, 3, 402, {.sound = 1, .layer = -2, .dx = 8, .dy = 8, .cost = 220,
        .body = {36, 2}, .counterBonus = 2}, {}},
    {26, 1, kChain, 1, 403, {.sound = 2, .layer = -2, .dy = 4, .reach = 68, .kind = 4,
        .priority = 2, .damage = 100, .stun = 8, .knockback = 6, .effect = 3, .counterBonus = 6},
        {}},
    {26, 2, kChain, 2, 403, {.layer = -2, .dy = 4, .counterBonus = 6, .followUp = {10, 0, 0, 0}},
        {.links = {{kRA, 23}}}},
    {26, 3, kChain, 2, 404, {.layer = -2, .counterBonus = 2}, {}},
    {26, 4, kFinal, 2, 402, {.layer = -2, .dy = 8, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: stepping overhand.
    {27, 0, kChain, 3, 405, {.sound = 1, .layer = -2, .dx = 12, .cost = 200, .counterBonus = 2},
        {}},
    {27, 1, kChain, 1, 406, {.sound = 2, .layer = -2, .dx = 4, .reach = 68, .kind = 1,
        .priority = 2, .damage = 128, .stun = 8, .knockback = 6, .effect = 3, .counterBonus = 6},
        {}},
    {27, 2, kChain, 2, 406, {.layer = -2, .counterBonus = 6, .followUp = {9, 12, 0, 0}},
        {.links = {{kBackLA, 22}, {kBackRA, 25}}}},
    {27, 3, kChain, 2, 407, {.layer = -2, .counterBonus = 2}, {}},
    {27, 4, kFinal, 2, 405, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: leaping hook, the heaviest punch; low blows cannot touch the leap.
    {28, 0, kChain, 3, 408, {.sound = 1, .layer = -3, .dy = 4, .cost = 280, .counterBonus = 4}, {}},
    {28, 1, kChain, 1, 409, {.sound = 2, .layer = -3, .dx = 16, .dy = -8, .body = {36, 4},
        .counterBonus = 4}, {}},
    {28, 2, kChain, 1, 410, {.layer = -3, .dx = 4, .reach = 93, .kind = 1, .priority = 3,
        .damage = 200, .stun = 10, .knockback = 10, .effect = 2, .minRange = 80, .koMark = 2,
        .counterBonus = 10}, {}},
    {28, 3, kChain, 3, 410, {.layer = -3, .counterBonus = 10}, {}},
    {28, 4, kFinal, 4, 411, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter03 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
