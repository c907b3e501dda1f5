// Roster number 8, Kick02: a hard-hitting kickboxer. Stance 0 is the kicking stance: a flying
// knee that hits for 360 and no guard stops, high and low round kicks (the low one reaching
// 110), a left-right double low kick and a spinning back kick to the body. Stance 1 is the
// power-punching stance: even its lead hand hits hard, and it adds a switch kick, a clinch knee
// and a spinning back fist. Its hit reactions in stance 1 are its own pictures (603..611 and
// 700), which the stance tables leave alone.
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 8,
    .baseHealth = 1600,
    .halfWidth = {48, 48},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 8, 10, 13}, {10, 11, 7, 13}},
    .cpuCloseMode = {1, kCloseModeUnset},
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
    {17, 1, kChain, 2, 103, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 103, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: jab.
    {20, 0, kChain, 3, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 90, .kind = 1, .priority = 1, .damage = 32,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 106, {.layer = -1, .counterBonus = 2, .followUp = {10, 10, 13, 0}},
        {.links = {{kRA, 23}, {kLARA, 26}}}},
    {20, 3, kFinal, 3, 105, {.layer = -1, .counterBonus = 1, .followUp = {10, 8, 13, 11}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    // forward+LA: flying knee, a long run-up and the hardest hit he has; no guard stops it.
    {21, 0, kChain, 4, 107, {.sound = 1, .layer = 2, .dx = 10, .cost = 280, .counterBonus = 6}, {}},
    {21, 1, kChain, 2, 108, {.layer = 2, .dx = 12, .dy = -6, .body = {36, 4}, .counterBonus = 6},
        {}},
    {21, 2, kChain, 1, 109, {.sound = 3, .layer = 2, .dx = 12, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {21, 3, kChain, 1, 110, {.layer = 2, .dx = 6, .dy = -12, .body = {36, 4}, .reach = 85,
        .kind = 5, .priority = 4, .damage = 360, .stun = 12, .knockback = 6, .effect = 4,
        .minRange = 75, .koMark = 1, .counterBonus = 10}, {}},
    {21, 4, kChain, 2, 110, {.layer = 2, .dy = -8, .body = {36, 4}, .counterBonus = 10}, {}},
    {21, 5, kChain, 3, 111, {.layer = 2, .counterBonus = 4}, {}},
    {21, 6, kFinal, 4, 200, {.layer = 2, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA: short lead uppercut.
    {22, 0, kChain, 5, 201, {.sound = 2, .layer = -1, .dx = 8, .cost = 240, .counterBonus = 2}, {}},
    {22, 1, kChain, 1, 202, {.layer = -1, .reach = 63, .kind = 1, .priority = 2, .damage = 160,
        .stun = 8, .knockback = 4, .effect = 3, .counterBonus = 4}, {}},
    {22, 2, kChain, 2, 202, {.layer = -1, .counterBonus = 4, .followUp = {10, 11, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {22, 3, kChain, 2, 203, {.layer = -1, .counterBonus = 2, .followUp = {10, 11, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {22, 4, kFinal, 3, 201, {.layer = -1, .counterBonus = 2, .followUp = {10, 11, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}}}},
    // RA: long rear straight with a step in.
    {23, 0, kChain, 3, 204, {.sound = 2, .layer = -2, .dx = 8, .cost = 220, .counterBonus = 2}, {}},
    {23, 1, kChain, 1, 205, {.layer = -2, .dx = 6, .counterBonus = 2}, {}},
    {23, 2, kChain, 1, 206, {.layer = -2, .reach = 105, .kind = 1, .priority = 2, .damage = 176,
        .stun = 6, .knockback = 4, .effect = 1, .minRange = 98, .counterBonus = 4}, {}},
    {23, 3, kChain, 2, 206, {.layer = -2, .counterBonus = 4, .followUp = {7, 11, 0, 0}},
        {.links = {{kLA, 20}, {kFwdRA, 24}}}},
    {23, 4, kFinal, 3, 204, {.layer = -2, .counterBonus = 2, .followUp = {7, 11, 12, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // forward+RA: rear high round kick.
    {24, 0, kChain, 4, 207, {.sound = 3, .layer = -3, .dx = 8, .cost = 320, .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 208, {.layer = -3, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 209, {.layer = -3, .reach = 90, .kind = 5, .priority = 3, .damage = 300,
        .stun = 8, .effect = 2, .minRange = 85, .koMark = 1, .counterBonus = 6}, {}},
    {24, 3, kChain, 2, 209, {.layer = -3, .counterBonus = 6}, {}},
    {24, 4, kChain, 3, 208, {.layer = -3, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kLA, 20}}}},
    {24, 5, kFinal, 4, 207, {.layer = -3, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}}}},
    // back+RA: rear low kick from far out.
    {25, 0, kChain, 4, 210, {.sound = 3, .layer = -3, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 211, {.layer = -3, .counterBonus = 4}, {}},
    {25, 2, kChain, 1, 300, {.layer = -3, .reach = 110, .kind = 4, .priority = 3, .damage = 200,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 95, .counterBonus = 6}, {}},
    {25, 3, kChain, 3, 300, {.layer = -3, .counterBonus = 6}, {}},
    {25, 4, kChain, 3, 211, {.layer = -3, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {25, 5, kFinal, 3, 210, {.layer = -3, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
    // LA+RA: double low kick, left then right.
    {26, 0, kChain, 5, 301, {.sound = 3, .layer = -3, .dx = 8, .cost = 280, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 302, {.layer = -3, .reach = 105, .kind = 4, .priority = 2, .damage = 200,
        .stun = 8, .knockback = 2, .effect = 2, .minRange = 90, .counterBonus = 6}, {}},
    {26, 2, kChain, 2, 303, {.sound = 3, .layer = -3, .dx = 6, .counterBonus = 6}, {}},
    {26, 3, kChain, 1, 304, {.layer = -3, .reach = 100, .kind = 4, .priority = 2, .damage = 120,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 90, .counterBonus = 6}, {}},
    {26, 4, kChain, 3, 304, {.layer = -3, .counterBonus = 6, .followUp = {10, 0, 0, 0}},
        {.links = {{kRA, 23}}}},
    {26, 5, kFinal, 4, 301, {.layer = -3, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}}}},
    // forward+LA+RA: lunging overhand.
    {27, 0, kChain, 4, 305, {.sound = 1, .layer = -1, .dx = 12, .cost = 300, .counterBonus = 6},
        {}},
    {27, 1, kChain, 1, 306, {.layer = -1, .dx = 12, .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 307, {.sound = 2, .layer = -1, .dx = 4, .reach = 105, .kind = 1,
        .priority = 3, .damage = 220, .stun = 8, .knockback = 6, .effect = 3, .minRange = 90,
        .counterBonus = 10}, {}},
    {27, 3, kChain, 3, 307, {.layer = -1, .counterBonus = 10}, {}},
    {27, 4, kFinal, 4, 305, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: spinning back kick to the body.
    {28, 0, kChain, 3, 308, {.sound = 1, .layer = -1, .cost = 440, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 309, {.layer = -1, .body = {36, 3}, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 310, {.sound = 3, .layer = -1, .dx = 6, .reach = 85, .kind = 7,
        .priority = 3, .damage = 200, .stun = 14, .knockback = 10, .effect = 2, .minRange = 80,
        .koMark = 1, .counterBonus = 10}, {}},
    {28, 3, kChain, 3, 310, {.layer = -1, .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 309, {.layer = -1, .body = {36, 3}, .counterBonus = 4}, {}},
    {28, 5, kFinal, 4, 308, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 400, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 401, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 401, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 402, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 402, {}, {kGuardSet}},
    {17, 0, kChain, 1, 400, {}, {kStepSet}},
    {17, 1, kChain, 2, 403, {.dx = 18}, {kStepSet}},
    {17, 2, kFinal, 2, 403, {}, {kStepSet}},
    {18, 0, kChain, 1, 400, {}, {kStepSet}},
    {18, 1, kChain, 2, 404, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 404, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 400, {.sound = 4, .dy = -4}, {}},
    // LA: heavy lead hook.
    {20, 0, kChain, 5, 405, {.sound = 2, .layer = -1, .dx = 8, .cost = 200, .counterBonus = 2}, {}},
    {20, 1, kChain, 1, 406, {.layer = -1, .reach = 100, .kind = 1, .priority = 2, .damage = 140,
        .stun = 6, .knockback = 4, .effect = 3, .minRange = 95, .counterBonus = 4}, {}},
    {20, 2, kChain, 2, 406, {.layer = -1, .counterBonus = 4, .followUp = {10, 11, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {20, 3, kFinal, 3, 405, {.layer = -1, .counterBonus = 2, .followUp = {10, 11, 13, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    // forward+LA: switch kick to the head; no guard stops it.
    {21, 0, kChain, 4, 407, {.sound = 3, .layer = -3, .dx = 8, .cost = 320, .counterBonus = 4}, {}},
    {21, 1, kChain, 2, 408, {.layer = -3, .dy = -4, .counterBonus = 4}, {}},
    {21, 2, kChain, 1, 409, {.layer = -3, .reach = 95, .kind = 5, .priority = 3, .damage = 280,
        .stun = 8, .effect = 2, .minRange = 85, .koMark = 2, .counterBonus = 6}, {}},
    {21, 3, kChain, 2, 409, {.layer = -3, .counterBonus = 6}, {}},
    {21, 4, kChain, 3, 410, {.layer = -3, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kRA, 23}}}},
    {21, 5, kFinal, 4, 407, {.layer = -3, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}}}},
    // back+LA: looping lead overhand.
    {22, 0, kChain, 4, 411, {.sound = 2, .layer = -1, .cost = 380, .counterBonus = 4}, {}},
    {22, 1, kChain, 2, 500, {.layer = -1, .dx = 8, .counterBonus = 4}, {}},
    {22, 2, kChain, 1, 501, {.layer = -1, .reach = 95, .kind = 1, .priority = 3, .damage = 260,
        .stun = 10, .knockback = 6, .effect = 3, .minRange = 85, .koMark = 2, .counterBonus = 10},
        {}},
    {22, 3, kChain, 3, 501, {.layer = -1, .counterBonus = 10}, {}},
    {22, 4, kFinal, 5, 411, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // RA: rear straight.
    {23, 0, kChain, 4, 502, {.sound = 2, .layer = -2, .dx = 8, .cost = 200, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 503, {.layer = -2, .reach = 95, .kind = 1, .priority = 1, .damage = 64,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 503, {.layer = -2, .counterBonus = 2, .followUp = {7, 8, 11, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kFwdRA, 24}}}},
    {23, 3, kFinal, 3, 502, {.layer = -2, .counterBonus = 1, .followUp = {7, 8, 11, 13}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kFwdRA, 24}, {kLARA, 26}}}},
    // forward+RA: rear high kick from far out; no guard stops it.
    {24, 0, kChain, 4, 504, {.sound = 3, .layer = -3, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 505, {.layer = -3, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 506, {.layer = -3, .reach = 105, .kind = 5, .priority = 3, .damage = 300,
        .stun = 8, .effect = 2, .minRange = 95, .koMark = 2, .counterBonus = 6}, {}},
    {24, 3, kChain, 2, 506, {.layer = -3, .counterBonus = 6}, {}},
    {24, 4, kChain, 3, 505, {.layer = -3, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kLA, 20}}}},
    {24, 5, kFinal, 4, 504, {.layer = -3, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}}}},
    // back+RA: rear uppercut.
    {25, 0, kChain, 5, 507, {.sound = 2, .layer = -2, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 508, {.layer = -2, .reach = 70, .kind = 2, .priority = 2, .damage = 148,
        .stun = 8, .knockback = 4, .effect = 3, .counterBonus = 6}, {}},
    {25, 2, kChain, 2, 508, {.layer = -2, .counterBonus = 6, .followUp = {7, 9, 0, 0}},
        {.links = {{kLA, 20}, {kBackLA, 22}}}},
    {25, 3, kChain, 2, 509, {.layer = -2, .counterBonus = 2, .followUp = {7, 9, 0, 0}},
        {.links = {{kLA, 20}, {kBackLA, 22}}}},
    {25, 4, kFinal, 3, 507, {.layer = -2, .counterBonus = 2, .followUp = {7, 9, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackLA, 22}}}},
    // LA+RA: lead low kick.
    {26, 0, kChain, 5, 510, {.sound = 3, .layer = -2, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 511, {.layer = -2, .reach = 90, .kind = 4, .priority = 2, .damage = 140,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 85, .counterBonus = 6}, {}},
    {26, 2, kChain, 3, 511, {.layer = -2, .counterBonus = 6, .followUp = {10, 8, 0, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {26, 3, kChain, 2, 510, {.layer = -2, .counterBonus = 2, .followUp = {10, 8, 0, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {26, 4, kFinal, 3, 600, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: knee to the body out of the clinch; it can be repeated.
    {27, 0, kChain, 5, 601, {.sound = 1, .layer = -2, .dx = 10, .cost = 300, .counterBonus = 4},
        {}},
    {27, 1, kChain, 1, 602, {.layer = -2, .reach = 65, .kind = 7, .priority = 2, .damage = 160,
        .stun = 12, .knockback = 4, .effect = 3, .counterBonus = 6}, {}},
    {27, 2, kChain, 3, 602, {.layer = -2, .counterBonus = 6, .followUp = {14, 0, 0, 0}},
        {.links = {{kFwdLARA, 27}}}},
    {27, 3, kChain, 2, 601, {.layer = -2, .counterBonus = 2, .followUp = {14, 0, 0, 0}},
        {.links = {{kFwdLARA, 27}}}},
    {27, 4, kFinal, 3, 701, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: spinning back fist; the turn itself cannot be struck.
    {28, 0, kChain, 3, 702, {.sound = 1, .layer = -1, .cost = 380, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 703, {.layer = -1, .dx = 8, .body = {36, 0}, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 704, {.layer = -1, .reach = 105, .kind = 1, .priority = 3, .damage = 220,
        .stun = 10, .knockback = 6, .effect = 3, .minRange = 90, .koMark = 2, .counterBonus = 10},
        {}},
    {28, 3, kChain, 3, 704, {.layer = -1, .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 705, {.layer = -1, .counterBonus = 4}, {}},
    {28, 5, kFinal, 4, 702, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter08 = {Init, BuildStance0, BuildStance1, kCommonKick02};

}  // namespace engine::fighters
