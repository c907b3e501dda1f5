// Roster number 13, MuayThai02: a long-limbed Muay Thai fighter who fights from the edge of
// his reach. Stance 0 is the orthodox stance: a long jab and teep, a flying knee, heavy leg and
// head kicks, a jumping elbow, and a sway back out of reach (LA+RA) that opens into counters.
// Stance 1 is the southpaw stance: long roundhouse and switch kicks, a cheap low kick that can
// be repeated, and a ducking slip (LA+RA) that opens into elbows. He keeps his own reaction and
// fall pictures.
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 13,
    .baseHealth = 1700,
    .halfWidth = {45, 45},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 10, 8, 9}, {8, 10, 11, 15}},
    .cpuCloseMode = {1, 1},
};

// clang-format off
// motion, frame, form, duration, image, {values}, {transitions}
constexpr FrameRow kStance0[] = {
    {14, 0, kFinal, 1, 100, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 509, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 509, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 510, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 510, {}, {kGuardSet}},
    {17, 0, kChain, 1, 100, {}, {kStepSet}},
    {17, 1, kChain, 2, 101, {.dx = 18}, {kStepSet}},
    {17, 2, kFinal, 2, 101, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 511, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 511, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: long jab.
    {20, 0, kChain, 3, 102, {.sound = 1, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 103, {.layer = -1, .reach = 120, .kind = 1, .priority = 1, .damage = 24,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 103, {.layer = -1, .counterBonus = 2, .followUp = {10, 10, 8, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 102, {.layer = -1, .counterBonus = 1, .followUp = {10, 8, 12, 9}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}, {kFwdRA, 24},
        {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA: flying knee, airborne from the leap on.
    {21, 0, kChain, 4, 104, {.sound = 1, .layer = -1, .dx = 8, .cost = 280, .counterBonus = 4}, {}},
    {21, 1, kChain, 2, 105, {.layer = -1, .dx = 12, .dy = -8, .body = {36, 4}, .counterBonus = 4},
        {}},
    {21, 2, kChain, 1, 106, {.layer = -1, .dy = -8, .body = {36, 4}, .reach = 110, .kind = 5,
        .priority = 2, .damage = 140, .stun = 10, .knockback = 8, .effect = 2, .minRange = 80,
        .counterBonus = 6}, {}},
    {21, 3, kChain, 3, 106, {.layer = -1, .dy = -4, .body = {36, 4}, .counterBonus = 6,
        .followUp = {10, 12, 0, 0}}, {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 4, kFinal, 4, 104, {.layer = -1, .counterBonus = 2, .followUp = {10, 12, 15, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackRA, 25}, {kBackLARA, 28}}}},
    // back+LA: heavy leg kick, slow to turn over.
    {22, 0, kChain, 4, 107, {.sound = 1, .layer = -2, .cost = 300, .counterBonus = 4}, {}},
    {22, 1, kChain, 2, 108, {.sound = 3, .layer = -2, .dx = 4, .counterBonus = 6}, {}},
    {22, 2, kChain, 1, 109, {.layer = -2, .reach = 120, .kind = 4, .priority = 3, .damage = 300,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 100, .koMark = 1, .counterBonus = 6},
        {}},
    {22, 3, kChain, 2, 109, {.layer = -2, .counterBonus = 6}, {}},
    {22, 4, kChain, 3, 108, {.layer = -2, .counterBonus = 2, .followUp = {11, 7, 0, 0}},
        {.links = {{kLA, 20}, {kFwdRA, 24}}}},
    {22, 5, kFinal, 4, 107, {.layer = -2, .counterBonus = 2, .followUp = {11, 7, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdRA, 24}}}},
    // RA: teep, the longest reach; it pushes the opponent away.
    {23, 0, kChain, 5, 110, {.sound = 1, .layer = -2, .cost = 240, .counterBonus = 2}, {}},
    {23, 1, kChain, 1, 111, {.layer = -2, .dx = 4, .reach = 125, .kind = 4, .priority = 2,
        .damage = 160, .stun = 8, .knockback = 12, .effect = 1, .minRange = 100,
        .counterBonus = 4}, {}},
    {23, 2, kChain, 2, 111, {.layer = -2, .counterBonus = 4, .followUp = {9, 12, 9, 0}},
        {.links = {{kBackLA, 22}, {kBackRA, 25}}}},
    {23, 3, kChain, 2, 110, {.layer = -2, .dx = -4, .counterBonus = 2, .followUp = {9, 12, 15, 0}},
        {.links = {{kBackLA, 22}, {kBackRA, 25}, {kBackLARA, 28}}}},
    {23, 4, kFinal, 3, 200, {.layer = -2, .counterBonus = 1, .followUp = {9, 12, 15, 7}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackLA, 22}, {kBackRA, 25},
        {kBackLARA, 28}}}},
    // forward+RA: clinch knee to the body, repeatable.
    {24, 0, kChain, 3, 201, {.sound = 1, .layer = -3, .dx = 8, .cost = 280, .counterBonus = 4}, {}},
    {24, 1, kChain, 2, 202, {.layer = -3, .dx = 4, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 203, {.layer = -3, .reach = 85, .kind = 4, .priority = 3, .damage = 280,
        .stun = 8, .knockback = 4, .effect = 2, .koMark = 1, .counterBonus = 6}, {}},
    {24, 3, kChain, 3, 202, {.layer = -3, .counterBonus = 6, .followUp = {11, 9, 0, 0}},
        {.links = {{kBackLA, 22}, {kFwdRA, 24}}}},
    {24, 4, kFinal, 4, 201, {.layer = -3, .counterBonus = 2, .followUp = {11, 9, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kFwdRA, 24}}}},
    // back+RA: high roundhouse kick.
    {25, 0, kChain, 4, 204, {.sound = 1, .layer = -3, .dx = 8, .cost = 360, .counterBonus = 4}, {}},
    {25, 1, kChain, 2, 205, {.sound = 3, .layer = -3, .counterBonus = 6}, {}},
    {25, 2, kChain, 1, 206, {.layer = -3, .reach = 100, .kind = 2, .priority = 3, .damage = 300,
        .stun = 12, .knockback = 8, .effect = 2, .minRange = 95, .koMark = 1, .counterBonus = 8},
        {}},
    {25, 3, kChain, 2, 206, {.layer = -3, .counterBonus = 8}, {}},
    {25, 4, kChain, 3, 207, {.layer = -3, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {25, 5, kFinal, 5, 204, {.layer = -3, .counterBonus = 2, .followUp = {7, 10, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
    // LA+RA: sway back out of reach (no hit); the way back opens into counters.
    {26, 0, kChain, 2, 208, {.sound = 1, .layer = 1, .dx = -8, .cost = 300, .body = {36, 0},
        .counterBonus = 2}, {}},
    {26, 1, kChain, 3, 209, {.layer = 1, .dx = -4, .body = {36, 0}, .counterBonus = 2}, {}},
    {26, 2, kChain, 3, 209, {.layer = 1, .body = {36, 0}, .counterBonus = 2,
        .followUp = {11, 14, 9, 0}}, {.links = {{kBackLA, 22}, {kFwdRA, 24}, {kFwdLARA, 27}}}},
    {26, 3, kChain, 2, 208, {.layer = 1, .dx = 6, .counterBonus = 2, .followUp = {11, 14, 9, 0}},
        {.links = {{kBackLA, 22}, {kFwdRA, 24}, {kBackRA, 25}, {kFwdLARA, 27}}}},
    {26, 4, kFinal, 3, 210, {.layer = 1, .dx = 6, .counterBonus = 1,
        .followUp = {11, 14, kNoValue, 0}}, {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22},
        {kFwdRA, 24}, {kBackRA, 25}, {kFwdLARA, 27}}}},
    // forward+LA+RA: jumping elbow, coming down on the opponent.
    {27, 0, kChain, 4, 211, {.sound = 1, .layer = -3, .dx = 8, .cost = 400, .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 300, {.sound = 2, .layer = -3, .dx = 12, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 301, {.layer = -3, .dx = 4, .dy = -8, .body = {36, 4}, .reach = 85,
        .kind = 7, .priority = 4, .damage = 300, .stun = 12, .knockback = 6, .effect = 3,
        .koMark = 1, .counterBonus = 10}, {}},
    {27, 3, kChain, 3, 302, {.layer = -3, .counterBonus = 10}, {}},
    {27, 4, kFinal, 5, 211, {.layer = -3, .counterBonus = 4}, {}},
    // back+LA+RA: spinning back elbow.
    {28, 0, kChain, 5, 303, {.sound = 1, .layer = -1, .cost = 300, .body = {36, 3},
        .counterBonus = 4}, {}},
    {28, 1, kChain, 1, 304, {.layer = -1, .dx = 4, .reach = 90, .kind = 1, .priority = 3,
        .damage = 240, .stun = 10, .knockback = 10, .effect = 3, .counterBonus = 6}, {}},
    {28, 2, kChain, 3, 304, {.layer = -1, .counterBonus = 6, .followUp = {8, 10, 0, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {28, 3, kChain, 3, 305, {.layer = -1, .counterBonus = 2, .followUp = {8, 10, 0, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {28, 4, kFinal, 4, 303, {.layer = -1, .counterBonus = 2, .followUp = {8, 10, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kRA, 23}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 306, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 509, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 509, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 510, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 510, {}, {kGuardSet}},
    {17, 0, kChain, 1, 306, {}, {kStepSet}},
    {17, 1, kChain, 2, 307, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 307, {}, {kStepSet}},
    {18, 0, kChain, 1, 306, {}, {kStepSet}},
    {18, 1, kChain, 2, 511, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 511, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 306, {.sound = 4, .dy = -4}, {}},
    // LA: long jab with the lead hand.
    {20, 0, kChain, 3, 308, {.sound = 1, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 309, {.layer = -1, .reach = 125, .kind = 1, .priority = 1, .damage = 28,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 309, {.layer = -1, .counterBonus = 2, .followUp = {10, 11, 10, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {20, 3, kFinal, 3, 308, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, 8, 15}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}, {kFwdRA, 24},
        {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA: long body kick.
    {21, 0, kChain, 3, 310, {.sound = 1, .layer = -1, .dx = 8, .cost = 240, .counterBonus = 2}, {}},
    {21, 1, kChain, 1, 311, {.layer = -1, .counterBonus = 4}, {}},
    {21, 2, kChain, 1, 400, {.layer = -1, .reach = 120, .kind = 4, .priority = 2, .damage = 100,
        .stun = 8, .knockback = 10, .effect = 1, .minRange = 90, .counterBonus = 6}, {}},
    {21, 3, kChain, 3, 311, {.layer = -1, .counterBonus = 4, .followUp = {10, 15, 0, 0}},
        {.links = {{kRA, 23}, {kBackLARA, 28}}}},
    {21, 4, kFinal, 4, 310, {.layer = -1, .counterBonus = 2, .followUp = {10, 15, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackLARA, 28}}}},
    // back+LA: quick low kick that can be thrown again and again.
    {22, 0, kChain, 2, 401, {.sound = 1, .layer = -2, .cost = 100, .counterBonus = 1}, {}},
    {22, 1, kChain, 1, 402, {.layer = -2, .reach = 90, .kind = 5, .priority = 1, .damage = 40,
        .stun = 4, .knockback = 2, .effect = 1, .counterBonus = 2}, {}},
    {22, 2, kFinal, 3, 401, {.layer = -2, .counterBonus = 1, .followUp = {9, 10, 11, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kRA, 23}, {kFwdRA, 24}}}},
    // RA: long roundhouse kick that no guard stops.
    {23, 0, kChain, 4, 403, {.sound = 1, .layer = -2, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {23, 1, kChain, 2, 404, {.sound = 3, .layer = -2, .counterBonus = 6}, {}},
    {23, 2, kChain, 1, 405, {.layer = -2, .reach = 120, .kind = 5, .priority = 3, .damage = 300,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 100, .koMark = 2, .counterBonus = 8},
        {}},
    {23, 3, kChain, 3, 406, {.layer = -2, .counterBonus = 2, .followUp = {7, 12, 0, 0}},
        {.links = {{kLA, 20}, {kBackRA, 25}}}},
    {23, 4, kFinal, 5, 403, {.layer = -2, .counterBonus = 2, .followUp = {7, 12, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackRA, 25}}}},
    // forward+RA: switch kick, stepping in.
    {24, 0, kChain, 3, 407, {.sound = 1, .layer = -3, .dx = 12, .cost = 300, .counterBonus = 4},
        {}},
    {24, 1, kChain, 2, 408, {.sound = 3, .layer = -3, .dx = 4, .counterBonus = 6}, {}},
    {24, 2, kChain, 1, 409, {.layer = -3, .reach = 125, .kind = 4, .priority = 3, .damage = 300,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 100, .koMark = 2, .counterBonus = 8},
        {}},
    {24, 3, kChain, 3, 408, {.layer = -3, .counterBonus = 2, .followUp = {7, 9, 0, 0}},
        {.links = {{kLA, 20}, {kBackLA, 22}}}},
    {24, 4, kFinal, 5, 407, {.layer = -3, .counterBonus = 2, .followUp = {7, 9, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackLA, 22}}}},
    // back+RA: high kick, all in.
    {25, 0, kChain, 4, 410, {.sound = 1, .layer = -3, .dx = 8, .cost = 360, .counterBonus = 4}, {}},
    {25, 1, kChain, 2, 411, {.sound = 3, .layer = -3, .counterBonus = 6}, {}},
    {25, 2, kChain, 1, 500, {.layer = -3, .reach = 100, .kind = 2, .priority = 3, .damage = 300,
        .stun = 12, .knockback = 8, .effect = 2, .minRange = 95, .koMark = 2, .counterBonus = 10},
        {}},
    {25, 3, kChain, 3, 500, {.layer = -3, .counterBonus = 10}, {}},
    {25, 4, kFinal, 6, 410, {.layer = -3, .counterBonus = 4}, {}},
    // LA+RA: ducking slip under the opponent's guard (no hit), opening into the elbows.
    {26, 0, kChain, 2, 501, {.sound = 1, .layer = 1, .dx = 6, .cost = 300, .body = {36, 0},
        .counterBonus = 2}, {}},
    {26, 1, kChain, 3, 502, {.layer = 1, .dx = 6, .body = {36, 0}, .counterBonus = 2,
        .followUp = {14, 15, 0, 0}}, {.links = {{kFwdLARA, 27}, {kBackLARA, 28}}}},
    {26, 2, kChain, 2, 502, {.layer = 1, .body = {36, 2}, .counterBonus = 2,
        .followUp = {14, 15, 8, 0}}, {.links = {{kFwdLA, 21}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    {26, 3, kFinal, 3, 501, {.layer = 1, .counterBonus = 1, .followUp = {14, 15, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA+RA: stepping elbow.
    {27, 0, kChain, 5, 503, {.sound = 2, .layer = -1, .dx = 12, .cost = 240, .counterBonus = 4},
        {}},
    {27, 1, kChain, 1, 504, {.layer = -1, .dx = 4, .reach = 80, .kind = 1, .priority = 3,
        .damage = 180, .stun = 8, .knockback = 4, .effect = 3, .koMark = 2, .counterBonus = 6}, {}},
    {27, 2, kChain, 3, 504, {.layer = -1, .counterBonus = 6, .followUp = {11, 9, 0, 0}},
        {.links = {{kBackLA, 22}, {kFwdRA, 24}}}},
    {27, 3, kFinal, 4, 503, {.layer = -1, .counterBonus = 2, .followUp = {11, 9, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kFwdRA, 24}}}},
    // back+LA+RA: jumping spin kick, turned away and then airborne.
    {28, 0, kChain, 3, 505, {.sound = 1, .layer = -1, .cost = 280, .body = {36, 3},
        .counterBonus = 4}, {}},
    {28, 1, kChain, 2, 506, {.sound = 3, .layer = -1, .dx = 6, .dy = -8, .body = {36, 4},
        .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 507, {.layer = -1, .dy = -8, .body = {36, 4}, .reach = 90, .kind = 2,
        .priority = 3, .damage = 200, .stun = 10, .knockback = 10, .effect = 3,
        .counterBonus = 8}, {}},
    {28, 3, kChain, 2, 507, {.layer = -1, .dy = -4, .body = {36, 4}, .counterBonus = 8}, {}},
    {28, 4, kChain, 3, 508, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {28, 5, kFinal, 4, 508, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
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

const RosterEntry kFighter13 = {Init, BuildStance0, BuildStance1, kCommonMuayThai02};

}  // namespace engine::fighters
