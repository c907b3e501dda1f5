// Roster number 4, box02: a heavy-handed boxer who keeps close (it backs off only to 140).
// Stance 0 is the crouched swarmer: no light punch at all, only hooks and uppercuts to head and
// body, a bob-and-weave forward under high punches that hits nothing (LA+RA) and leads into them,
// and a weaving roll into a body blow (back+LA+RA) as its finish. Stance 1 is upright: a long jab
// and straight right to keep the opponent busy, body shots, and a leaping overhand right.
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 4,
    .baseHealth = 1700,
    .halfWidth = {40, 45},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {140, 140},
    .cpuAttacks = {{7, 8, 9, 13}, {7, 8, 12, 9}},
    .cpuCloseMode = {kCloseModeUnset, kCloseModeUnset},
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
    {17, 1, kChain, 2, 101, {.dx = 18}, {kStepSet}},
    {17, 2, kFinal, 2, 101, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 102, {.dx = -14}, {kStepSet}},
    {18, 2, kFinal, 2, 102, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: lead hook to the head, opening into the uppercut and the body hook.
    {20, 0, kChain, 4, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 220, .counterBonus = 2}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 73, .kind = 1, .priority = 2, .damage = 112,
        .stun = 4, .knockback = 6, .effect = 3, .counterBonus = 4}, {}},
    {20, 2, kChain, 2, 106, {.layer = -1, .counterBonus = 4, .followUp = {10, 11, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {20, 3, kChain, 2, 107, {.layer = -1, .counterBonus = 2, .followUp = {10, 11, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {20, 4, kFinal, 3, 105, {.layer = -1, .counterBonus = 2, .followUp = {10, 11, 12, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // forward+LA: lead hook to the liver.
    {21, 0, kChain, 5, 108, {.sound = 2, .layer = -1, .dx = 8, .dy = 4, .cost = 280,
        .counterBonus = 4}, {}},
    {21, 1, kChain, 1, 109, {.layer = -1, .dy = 4, .reach = 68, .kind = 4, .priority = 2,
        .damage = 140, .stun = 8, .knockback = 4, .effect = 4, .counterBonus = 6}, {}},
    {21, 2, kChain, 2, 109, {.layer = -1, .dy = 4, .counterBonus = 6, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {21, 3, kChain, 2, 110, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {21, 4, kFinal, 3, 108, {.layer = -1, .dy = 4, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
    // back+LA: lunging lead hook from range.
    {22, 0, kChain, 3, 111, {.sound = 1, .layer = -2, .cost = 260, .counterBonus = 4}, {}},
    {22, 1, kChain, 1, 200, {.sound = 2, .layer = -2, .dx = 16, .counterBonus = 4}, {}},
    {22, 2, kChain, 1, 201, {.layer = -2, .dx = 8, .reach = 98, .kind = 1, .priority = 2,
        .damage = 140, .stun = 8, .knockback = 8, .effect = 3, .minRange = 90, .counterBonus = 6},
        {}},
    {22, 3, kChain, 3, 201, {.layer = -2, .counterBonus = 6, .followUp = {10, 0, 0, 0}},
        {.links = {{kRA, 23}}}},
    {22, 4, kFinal, 3, 111, {.layer = -2, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}}}},
    // RA: rear uppercut.
    {23, 0, kChain, 5, 202, {.sound = 2, .layer = -2, .dx = 8, .dy = 4, .cost = 220,
        .counterBonus = 2}, {}},
    {23, 1, kChain, 1, 203, {.layer = -2, .reach = 68, .kind = 2, .priority = 2, .damage = 124,
        .stun = 8, .knockback = 4, .effect = 3, .counterBonus = 4}, {}},
    {23, 2, kChain, 2, 203, {.layer = -2, .counterBonus = 4, .followUp = {7, 8, 0, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}}}},
    {23, 3, kChain, 2, 204, {.layer = -2, .counterBonus = 2, .followUp = {7, 8, 0, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}}}},
    {23, 4, kFinal, 3, 202, {.layer = -2, .dy = 4, .counterBonus = 2, .followUp = {7, 8, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}}}},
    // forward+RA: rear hook to the body.
    {24, 0, kChain, 5, 205, {.sound = 2, .layer = -2, .dx = 8, .dy = 4, .cost = 280,
        .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 206, {.layer = -2, .dy = 4, .reach = 68, .kind = 7, .priority = 2,
        .damage = 140, .stun = 8, .knockback = 6, .effect = 4, .counterBonus = 6}, {}},
    {24, 2, kChain, 2, 206, {.layer = -2, .dy = 4, .counterBonus = 6, .followUp = {7, 12, 0, 0}},
        {.links = {{kLA, 20}, {kBackRA, 25}}}},
    {24, 3, kChain, 2, 207, {.layer = -2, .counterBonus = 2, .followUp = {7, 12, 0, 0}},
        {.links = {{kLA, 20}, {kBackRA, 25}}}},
    {24, 4, kFinal, 3, 205, {.layer = -2, .dy = 4, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}}}},
    // back+RA: rising uppercut from a deep crouch.
    {25, 0, kChain, 5, 208, {.sound = 1, .layer = -2, .dx = 8, .dy = 8, .cost = 260,
        .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 209, {.sound = 2, .layer = -2, .reach = 68, .kind = 2, .priority = 3,
        .damage = 140, .stun = 10, .knockback = 6, .effect = 3, .counterBonus = 6}, {}},
    {25, 2, kChain, 2, 209, {.layer = -2, .counterBonus = 6, .followUp = {8, 0, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {25, 3, kChain, 2, 210, {.layer = -2, .counterBonus = 2}, {}},
    {25, 4, kFinal, 3, 208, {.layer = -2, .dy = 8, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // LA+RA: bob and weave forward under high punches, into a hook or an uppercut.
    {26, 0, kChain, 2, 211, {.sound = 1, .layer = 1, .dx = 12, .dy = 8, .cost = 100,
        .body = {36, 2}, .counterBonus = 2}, {}},
    {26, 1, kChain, 2, 300, {.layer = 1, .dx = 12, .dy = 8, .body = {36, 2}, .counterBonus = 2,
        .followUp = {7, 10, 8, 11}}, {.links = {{kLA, 20}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}}}},
    {26, 2, kChain, 2, 211, {.layer = 1, .dx = 8, .dy = 8, .body = {36, 2}, .counterBonus = 2,
        .followUp = {7, 10, 8, 11}}, {.links = {{kLA, 20}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}}}},
    {26, 3, kFinal, 2, 301, {.layer = 1, .counterBonus = 1, .followUp = {7, 10, 8, 11}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}}}},
    // forward+LA+RA: stepping shovel hook to the liver.
    {27, 0, kChain, 5, 302, {.sound = 1, .layer = -3, .dx = 12, .dy = 4, .cost = 280,
        .counterBonus = 4}, {}},
    {27, 1, kChain, 1, 303, {.sound = 2, .layer = -3, .dy = 4, .reach = 68, .kind = 4,
        .priority = 3, .damage = 180, .stun = 10, .knockback = 8, .effect = 4, .koMark = 1,
        .counterBonus = 6}, {}},
    {27, 2, kChain, 2, 303, {.layer = -3, .dy = 4, .counterBonus = 6, .followUp = {10, 0, 0, 0}},
        {.links = {{kRA, 23}}}},
    {27, 3, kChain, 3, 304, {.layer = -3, .counterBonus = 2}, {}},
    {27, 4, kFinal, 3, 302, {.layer = -3, .dy = 4, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: weaving roll into a crushing body blow; high punches miss the roll.
    {28, 0, kChain, 3, 305, {.sound = 1, .layer = -3, .dx = 8, .dy = 8, .cost = 500,
        .body = {36, 2}, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 306, {.layer = -3, .dx = 8, .dy = 8, .body = {36, 2}, .counterBonus = 6},
        {}},
    {28, 2, kChain, 1, 307, {.sound = 2, .layer = -3, .dy = 4, .reach = 68, .kind = 7,
        .priority = 4, .damage = 200, .stun = 12, .knockback = 10, .effect = 2, .koMark = 1,
        .counterBonus = 10}, {}},
    {28, 3, kChain, 3, 307, {.layer = -3, .dy = 4, .counterBonus = 10}, {}},
    {28, 4, kFinal, 4, 308, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 309, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 601, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 601, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 602, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 602, {}, {kGuardSet}},
    {17, 0, kChain, 1, 309, {}, {kStepSet}},
    {17, 1, kChain, 2, 310, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 310, {}, {kStepSet}},
    {18, 0, kChain, 1, 309, {}, {kStepSet}},
    {18, 1, kChain, 2, 603, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 603, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 309, {.sound = 4, .dy = -4}, {}},
    // LA: long jab; doubles up or sets up the straight.
    {20, 0, kChain, 3, 309, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 311, {.layer = -1, .reach = 98, .kind = 1, .priority = 1, .damage = 32,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 90, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 311, {.layer = -1, .counterBonus = 2, .followUp = {10, 7, 13, 0}},
        {.links = {{kLA, 20}, {kRA, 23}, {kLARA, 26}}}},
    {20, 3, kFinal, 2, 309, {.layer = -1, .counterBonus = 1, .followUp = {10, 7, 8, 13}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kRA, 23}, {kLARA, 26}}}},
    // forward+LA: lead hook to the body.
    {21, 0, kChain, 5, 400, {.sound = 2, .layer = -1, .dx = 8, .dy = 4, .cost = 260,
        .counterBonus = 4}, {}},
    {21, 1, kChain, 1, 401, {.layer = -1, .dy = 4, .reach = 68, .kind = 4, .priority = 2,
        .damage = 124, .stun = 6, .knockback = 4, .effect = 4, .counterBonus = 6}, {}},
    {21, 2, kChain, 2, 401, {.layer = -1, .dy = 4, .counterBonus = 6, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 3, kChain, 2, 402, {.layer = -1, .counterBonus = 2, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 4, kFinal, 3, 400, {.layer = -1, .dy = 4, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}}}},
    // back+LA: lead uppercut driven into the solar plexus.
    {22, 0, kChain, 3, 403, {.sound = 1, .layer = -3, .dy = 8, .cost = 380, .counterBonus = 4}, {}},
    {22, 1, kChain, 2, 404, {.layer = -3, .dx = 8, .dy = 8, .counterBonus = 4}, {}},
    {22, 2, kChain, 1, 405, {.sound = 2, .layer = -3, .dy = 4, .reach = 68, .kind = 7,
        .priority = 3, .damage = 200, .stun = 12, .knockback = 8, .effect = 2, .koMark = 2,
        .counterBonus = 10}, {}},
    {22, 3, kChain, 3, 405, {.layer = -3, .dy = 4, .counterBonus = 10}, {}},
    {22, 4, kChain, 3, 406, {.layer = -3, .counterBonus = 4}, {}},
    {22, 5, kFinal, 3, 403, {.layer = -3, .dy = 8, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // RA: long straight right.
    {23, 0, kChain, 5, 407, {.sound = 2, .layer = -2, .dx = 8, .cost = 170, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 408, {.layer = -2, .reach = 113, .kind = 1, .priority = 2, .damage = 100,
        .stun = 4, .knockback = 6, .effect = 1, .minRange = 100, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 408, {.layer = -2, .counterBonus = 2, .followUp = {8, 7, 0, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}}}},
    {23, 3, kFinal, 3, 407, {.layer = -2, .counterBonus = 1, .followUp = {8, 7, 11, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kFwdRA, 24}}}},
    // forward+RA: rear straight to the body.
    {24, 0, kChain, 5, 409, {.sound = 2, .layer = -2, .dx = 8, .dy = 4, .cost = 270,
        .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 410, {.layer = -2, .dy = 4, .reach = 68, .kind = 7, .priority = 2,
        .damage = 120, .stun = 6, .knockback = 4, .effect = 4, .counterBonus = 6}, {}},
    {24, 2, kChain, 2, 410, {.layer = -2, .dy = 4, .counterBonus = 6, .followUp = {7, 8, 0, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}}}},
    {24, 3, kChain, 2, 411, {.layer = -2, .counterBonus = 2}, {}},
    {24, 4, kFinal, 3, 409, {.layer = -2, .dy = 4, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}}}},
    // back+RA: hooking rear uppercut to the ribs.
    {25, 0, kChain, 5, 500, {.sound = 2, .layer = -2, .dx = 8, .dy = 4, .cost = 280,
        .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 501, {.layer = -2, .reach = 76, .kind = 4, .priority = 3, .damage = 180,
        .stun = 10, .knockback = 6, .effect = 3, .counterBonus = 6}, {}},
    {25, 2, kChain, 2, 501, {.layer = -2, .counterBonus = 6, .followUp = {8, 0, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {25, 3, kChain, 3, 502, {.layer = -2, .counterBonus = 2}, {}},
    {25, 4, kFinal, 3, 500, {.layer = -2, .dy = 4, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // LA+RA: one-two; the jab feints and the right hand lands.
    {26, 0, kChain, 4, 503, {.sound = 2, .layer = -1, .dx = 8, .cost = 180, .counterBonus = 1}, {}},
    {26, 1, kChain, 1, 504, {.sound = 2, .layer = -1, .dx = 4, .reach = 93, .kind = 1,
        .priority = 2, .damage = 80, .stun = 4, .knockback = 4, .effect = 1, .minRange = 85,
        .counterBonus = 2}, {}},
    {26, 2, kChain, 2, 504, {.layer = -1, .counterBonus = 2, .followUp = {8, 12, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackRA, 25}}}},
    {26, 3, kFinal, 3, 309, {.layer = -1, .counterBonus = 1, .followUp = {8, 12, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackRA, 25}}}},
    // forward+LA+RA: stepping lead uppercut to the chin.
    {27, 0, kChain, 3, 505, {.sound = 1, .layer = -3, .dx = 12, .cost = 330, .counterBonus = 4}, {}},
    {27, 1, kChain, 1, 506, {.layer = -3, .dy = 4, .counterBonus = 4}, {}},
    {27, 2, kChain, 1, 507, {.sound = 2, .layer = -3, .reach = 68, .kind = 2, .priority = 3,
        .damage = 180, .stun = 10, .knockback = 6, .effect = 3, .koMark = 2, .counterBonus = 10},
        {}},
    {27, 3, kChain, 3, 507, {.layer = -3, .counterBonus = 10}, {}},
    {27, 4, kChain, 2, 508, {.layer = -3, .counterBonus = 4}, {}},
    {27, 5, kFinal, 3, 508, {.layer = -3, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: leaping overhand right, the longest and heaviest punch of the stance.
    {28, 0, kChain, 4, 509, {.sound = 1, .layer = -3, .cost = 480, .counterBonus = 6}, {}},
    {28, 1, kChain, 1, 510, {.sound = 2, .layer = -3, .dx = 16, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 511, {.layer = -3, .dx = 8, .reach = 103, .kind = 2, .priority = 4,
        .damage = 240, .stun = 12, .knockback = 10, .effect = 2, .minRange = 90, .koMark = 2,
        .counterBonus = 10}, {}},
    {28, 3, kChain, 3, 511, {.layer = -3, .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 600, {.layer = -3, .counterBonus = 4}, {}},
    {28, 5, kFinal, 4, 600, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter04 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
