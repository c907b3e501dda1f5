// Roster number 11, Boxer03: a counter-puncher. Stance 0 is a crouching peek-a-boo stance:
// LA and RA throw nothing but slip in or roll back under high punches (free of stamina) and
// open the counters 30/31 and 33/34; back+LA+RA is a glove-pounding stare-down that staggers
// the opponent wherever it stands. Stance 1 is an upright out-boxer with long jabs and heavy
// hooks. In both stances down+G from stand raises the high guard, and LA or RA from the
// guard fires a counter (follow-ups 29 and 32).
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 11,
    .baseHealth = 1550,
    .halfWidth = {45, 48},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 10, 11, 14}, {7, 8, 9, 12}},
    .cpuCloseMode = {2, 2},
};

constexpr int kN = kNoValue;

// Stand: every command to its move, except that down+G also raises the high guard.
constexpr Links kStand = {.set = kStandSet, .links = {{kDownG, 15}}};
// Guard and low guard: the guard set, and a counter from either hand.
constexpr Links kGuard = {.set = kGuardSet, .links = {{kLA, 29}, {kRA, 32}}};

// clang-format off
// motion, frame, form, duration, image, {values}, {transitions}
constexpr FrameRow kStance0[] = {
    {14, 0, kFinal, 1, 100, {.reach = 128, .followUp = kNoFollowUp}, kStand},
    {15, 0, kFinal, 1, 101, {}, kGuard},
    {15, 1, kFinal, 1, 101, {}, kGuard},
    {16, 0, kFinal, 1, 102, {}, kGuard},
    {16, 1, kFinal, 1, 102, {}, kGuard},
    {17, 0, kChain, 1, 100, {}, {kStepSet}},
    {17, 1, kChain, 2, 103, {.dx = 14}, {kStepSet}},
    {17, 2, kFinal, 2, 103, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -12}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: slip inside, under high punches; LA or RA from the slip counters.
    {20, 0, kChain, 1, 105, {.sound = 1, .layer = -1, .dx = 6, .body = {36, 2}, .counterBonus = 1},
        {}},
    {20, 1, kChain, 3, 106, {.layer = -1, .body = {36, 2}, .counterBonus = 1,
        .followUp = {7, 10, 10, 0}}, {}},
    {20, 2, kFinal, 2, 105, {.layer = -1, .body = {36, 2}, .counterBonus = 1,
        .followUp = {7, 10, kN, kN}}, {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kRA, 31}}}},
    {21, 0, kChain, 4, 109, {.sound = 1, .layer = -1, .dx = 8, .cost = 180, .counterBonus = 3}, {}},
    {21, 1, kChain, 1, 110, {.layer = -1, .reach = 100, .kind = 1, .priority = 2, .damage = 120,
        .stun = 6, .knockback = 4, .effect = 1, .minRange = 95, .counterBonus = 5}, {}},
    {21, 2, kChain, 3, 110, {.layer = -1, .counterBonus = 5, .followUp = {11, 12, 0, 0}},
        {.links = {{kFwdRA, 24}, {kBackRA, 25}}}},
    {21, 3, kFinal, 3, 109, {.layer = -1, .counterBonus = 2, .followUp = {11, 12, 10, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {22, 0, kChain, 4, 111, {.sound = 1, .layer = -1, .dx = 4, .cost = 160, .body = {36, 2},
        .counterBonus = 3}, {}},
    {22, 1, kChain, 1, 200, {.layer = -1, .body = {36, 2}, .reach = 80, .kind = 4, .priority = 2,
        .damage = 128, .stun = 10, .knockback = 2, .effect = 1, .counterBonus = 5}, {}},
    {22, 2, kChain, 3, 200, {.layer = -1, .counterBonus = 5, .followUp = {8, 11, 0, 0}},
        {.links = {{kFwdLA, 21}, {kFwdRA, 24}}}},
    {22, 3, kFinal, 3, 111, {.layer = -1, .counterBonus = 2, .followUp = {8, 11, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kFwdRA, 24}}}},
    // RA: roll back under high punches; LA or RA from the roll counters.
    {23, 0, kChain, 1, 107, {.sound = 1, .layer = -1, .dx = -6, .dy = 4, .body = {36, 2},
        .counterBonus = 1}, {}},
    {23, 1, kChain, 3, 108, {.layer = -1, .dy = 4, .body = {36, 2}, .counterBonus = 1,
        .followUp = {7, 10, 7, 0}}, {}},
    {23, 2, kFinal, 2, 107, {.layer = -1, .body = {36, 2}, .counterBonus = 1,
        .followUp = {7, 10, kN, kN}}, {.links = {{kG, 15}, {kDownG, 16}, {kLA, 33}, {kRA, 34}}}},
    {24, 0, kChain, 3, 201, {.sound = 2, .layer = -2, .dx = 8, .cost = 140, .counterBonus = 2}, {}},
    {24, 1, kChain, 1, 202, {.layer = -2, .reach = 100, .kind = 1, .priority = 1, .damage = 80,
        .stun = 3, .knockback = 4, .effect = 1, .minRange = 95, .counterBonus = 3}, {}},
    {24, 2, kChain, 2, 202, {.layer = -2, .counterBonus = 3, .followUp = {8, 9, 13, 0}},
        {.links = {{kFwdLA, 21}, {kBackLA, 22}, {kLARA, 26}}}},
    {24, 3, kFinal, 3, 201, {.layer = -2, .counterBonus = 1, .followUp = {8, 9, 13, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kLARA, 26}}}},
    {25, 0, kChain, 5, 203, {.sound = 2, .layer = -2, .dx = 8, .cost = 240, .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 204, {.layer = -2, .reach = 105, .kind = 2, .priority = 2, .damage = 140,
        .stun = 8, .knockback = 6, .effect = 2, .minRange = 92, .counterBonus = 6}, {}},
    {25, 2, kChain, 3, 204, {.layer = -2, .counterBonus = 6, .followUp = {9, 0, 0, 0}},
        {.links = {{kBackLA, 22}}}},
    {25, 3, kFinal, 4, 203, {.layer = -2, .counterBonus = 2, .followUp = {9, kN, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}}}},
    // LA+RA: a dipping shot to the liver, slow and dear, that leaves the opponent gasping.
    {26, 0, kChain, 3, 205, {.sound = 1, .layer = -1, .dx = 8, .cost = 400, .body = {36, 2},
        .counterBonus = 6}, {}},
    {26, 1, kChain, 2, 206, {.layer = -1, .dx = 4, .body = {36, 2}, .counterBonus = 6}, {}},
    {26, 2, kChain, 1, 207, {.layer = -1, .reach = 85, .kind = 4, .priority = 3, .damage = 128,
        .stun = 20, .knockback = 8, .effect = 3, .koMark = 1, .counterBonus = 8}, {}},
    {26, 3, kChain, 2, 207, {.layer = -1, .counterBonus = 8}, {}},
    {26, 4, kChain, 3, 206, {.layer = -1, .counterBonus = 4}, {}},
    {26, 5, kFinal, 4, 205, {.layer = -1, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    {27, 0, kChain, 3, 208, {.sound = 1, .layer = -2, .dx = 12, .cost = 260, .counterBonus = 4}, {}},
    {27, 1, kChain, 1, 209, {.layer = -2, .dx = 8, .counterBonus = 4}, {}},
    {27, 2, kChain, 1, 210, {.layer = -2, .reach = 120, .kind = 1, .priority = 3, .damage = 180,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 90, .koMark = 1, .counterBonus = 6},
        {}},
    {27, 3, kChain, 3, 210, {.layer = -2, .counterBonus = 6}, {}},
    {27, 4, kFinal, 4, 208, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: eight ticks of pounding the gloves, then a glare that reaches across the
    // whole screen: no damage, but a long stagger.
    {28, 0, kChain, 5, 211, {.cost = 120, .counterBonus = 8}, {}},
    {28, 1, kChain, 3, 300, {.sound = 9, .counterBonus = 8}, {}},
    {28, 2, kChain, 1, 301, {.reach = 800, .kind = 2, .priority = 1, .stun = 16, .effect = 4,
        .counterBonus = 4}, {}},
    {28, 3, kChain, 3, 301, {.counterBonus = 4}, {}},
    {28, 4, kFinal, 3, 211, {.counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Counters: 29 and 32 out of the guard, 30 and 31 out of the slip, 33 and 34 out of the roll.
    {29, 0, kChain, 1, 302, {.sound = 1, .layer = -1, .cost = 150}, {}},
    {29, 1, kChain, 1, 303, {.layer = -1, .reach = 95, .kind = 1, .priority = 3, .damage = 100,
        .stun = 6, .knockback = 4, .effect = 1, .minRange = 85}, {}},
    {29, 2, kChain, 2, 303, {.layer = -1, .followUp = {11, 12, 0, 0}},
        {.links = {{kFwdRA, 24}, {kBackRA, 25}}}},
    {29, 3, kFinal, 3, 302, {.layer = -1, .followUp = {11, 12, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {30, 0, kChain, 2, 304, {.sound = 1, .layer = -1, .dx = 4, .cost = 200, .body = {36, 2}}, {}},
    {30, 1, kChain, 1, 305, {.layer = -1, .reach = 90, .kind = 1, .priority = 2, .damage = 90,
        .stun = 6, .knockback = 4, .effect = 1}, {}},
    {30, 2, kChain, 2, 305, {.layer = -1, .followUp = {11, 13, 0, 0}},
        {.links = {{kFwdRA, 24}, {kLARA, 26}}}},
    {30, 3, kFinal, 3, 304, {.layer = -1, .followUp = {11, 13, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}, {kLARA, 26}}}},
    {31, 0, kChain, 2, 306, {.sound = 2, .layer = -2, .cost = 280, .body = {36, 2}}, {}},
    {31, 1, kChain, 1, 307, {.layer = -2, .dx = 4}, {}},
    {31, 2, kChain, 1, 308, {.layer = -2, .reach = 80, .kind = 7, .priority = 3, .damage = 170,
        .stun = 10, .knockback = 6, .effect = 3, .koMark = 1}, {}},
    {31, 3, kChain, 3, 308, {.layer = -2}, {}},
    {31, 4, kFinal, 4, 306, {.layer = -2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    {32, 0, kChain, 1, 309, {.sound = 2, .layer = -2, .dx = 6, .cost = 200}, {}},
    {32, 1, kChain, 1, 310, {.layer = -2, .reach = 105, .kind = 2, .priority = 3, .damage = 150,
        .stun = 8, .knockback = 6, .effect = 2, .minRange = 80}, {}},
    {32, 2, kChain, 3, 310, {.layer = -2, .followUp = {9, 13, 0, 0}},
        {.links = {{kBackLA, 22}, {kLARA, 26}}}},
    {32, 3, kFinal, 3, 309, {.layer = -2, .followUp = {9, 13, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kLARA, 26}}}},
    {33, 0, kChain, 2, 311, {.sound = 1, .layer = -1, .cost = 220, .body = {36, 2}}, {}},
    {33, 1, kChain, 1, 400, {.layer = -1, .reach = 85, .kind = 4, .priority = 2, .damage = 130,
        .stun = 10, .knockback = 2, .effect = 1}, {}},
    {33, 2, kChain, 2, 400, {.layer = -1, .followUp = {11, 12, 0, 0}},
        {.links = {{kFwdRA, 24}, {kBackRA, 25}}}},
    {33, 3, kFinal, 3, 311, {.layer = -1, .followUp = {11, 12, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {34, 0, kChain, 2, 401, {.sound = 2, .layer = -2, .dx = 8, .cost = 340}, {}},
    {34, 1, kChain, 1, 402, {.layer = -2, .dx = 4}, {}},
    {34, 2, kChain, 1, 403, {.layer = -2, .reach = 100, .kind = 2, .priority = 3, .damage = 170,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 85, .koMark = 1}, {}},
    {34, 3, kChain, 3, 403, {.layer = -2}, {}},
    {34, 4, kFinal, 4, 401, {.layer = -2}, {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 500, {.reach = 128, .followUp = kNoFollowUp}, kStand},
    {15, 0, kFinal, 1, 501, {}, kGuard},
    {15, 1, kFinal, 1, 501, {}, kGuard},
    {16, 0, kFinal, 1, 502, {}, kGuard},
    {16, 1, kFinal, 1, 502, {}, kGuard},
    {17, 0, kChain, 1, 500, {}, {kStepSet}},
    {17, 1, kChain, 2, 503, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 503, {}, {kStepSet}},
    {18, 0, kChain, 1, 500, {}, {kStepSet}},
    {18, 1, kChain, 2, 504, {.dx = -18}, {kStepSet}},
    {18, 2, kFinal, 2, 504, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 500, {.sound = 4, .dy = -4}, {}},
    {20, 0, kChain, 2, 500, {.sound = 1, .layer = -1, .dx = 8, .cost = 120, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 505, {.layer = -1, .reach = 125, .kind = 1, .priority = 1, .damage = 28,
        .stun = 1, .knockback = 2, .effect = 1, .minRange = 90, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 505, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kFwdRA, 24}}}},
    {20, 3, kFinal, 2, 500, {.layer = -1, .counterBonus = 1, .followUp = {10, 12, 11, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {21, 0, kChain, 2, 506, {.sound = 1, .layer = -1, .dx = 8, .cost = 140, .counterBonus = 2}, {}},
    {21, 1, kChain, 1, 507, {.layer = -1, .dx = 4, .body = {36, 2}, .counterBonus = 2}, {}},
    {21, 2, kChain, 1, 508, {.layer = -1, .body = {36, 2}, .reach = 125, .kind = 4, .priority = 1,
        .damage = 40, .stun = 4, .knockback = 2, .effect = 1, .minRange = 90, .counterBonus = 3},
        {}},
    {21, 3, kChain, 2, 508, {.layer = -1, .body = {36, 2}, .counterBonus = 3,
        .followUp = {10, 11, 0, 0}}, {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {21, 4, kFinal, 3, 506, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}}}},
    // back+LA: a hook to the body doubled up to the head.
    {22, 0, kChain, 4, 509, {.sound = 1, .layer = -1, .dx = 4, .cost = 160, .counterBonus = 2}, {}},
    {22, 1, kChain, 1, 510, {.layer = -1, .reach = 75, .kind = 4, .priority = 2, .damage = 124,
        .stun = 4, .effect = 1, .counterBonus = 4}, {}},
    {22, 2, kChain, 2, 511, {.layer = -1, .counterBonus = 4}, {}},
    {22, 3, kChain, 1, 600, {.layer = -1, .reach = 75, .kind = 1, .priority = 2, .damage = 40,
        .stun = 8, .knockback = 4, .effect = 1, .counterBonus = 4}, {}},
    {22, 4, kChain, 2, 600, {.layer = -1, .counterBonus = 4, .followUp = {11, 12, 0, 0}},
        {.links = {{kFwdRA, 24}, {kBackRA, 25}}}},
    {22, 5, kFinal, 3, 509, {.layer = -1, .counterBonus = 1, .followUp = {11, 12, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {23, 0, kChain, 3, 601, {.sound = 2, .layer = -2, .dx = 8, .cost = 140, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 602, {.layer = -2, .reach = 120, .kind = 1, .priority = 1, .damage = 80,
        .stun = 3, .knockback = 4, .effect = 1, .minRange = 100, .counterBonus = 3}, {}},
    {23, 2, kChain, 2, 602, {.layer = -2, .counterBonus = 3, .followUp = {9, 7, 13, 0}},
        {.links = {{kLA, 20}, {kBackLA, 22}, {kLARA, 26}}}},
    {23, 3, kChain, 2, 603, {.layer = -2, .counterBonus = 2, .followUp = {9, 7, 0, 0}},
        {.links = {{kLA, 20}, {kBackLA, 22}, {kLARA, 26}}}},
    {23, 4, kFinal, 2, 601, {.layer = -2, .counterBonus = 1, .followUp = {9, 7, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackLA, 22}, {kLARA, 26}}}},
    {24, 0, kChain, 4, 604, {.sound = 2, .layer = -2, .dx = 8, .cost = 300, .counterBonus = 3}, {}},
    {24, 1, kChain, 1, 605, {.layer = -2, .dx = 4, .body = {36, 2}, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 606, {.layer = -2, .reach = 80, .kind = 7, .priority = 2, .damage = 160,
        .stun = 8, .knockback = 6, .effect = 3, .minRange = 96, .koMark = 2, .counterBonus = 6},
        {}},
    {24, 3, kChain, 2, 606, {.layer = -2, .counterBonus = 6}, {}},
    {24, 4, kChain, 3, 607, {.layer = -2, .counterBonus = 2, .followUp = {9, 0, 0, 0}},
        {.links = {{kBackLA, 22}}}},
    {24, 5, kFinal, 3, 604, {.layer = -2, .counterBonus = 2, .followUp = {9, kN, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}}}},
    {25, 0, kChain, 3, 608, {.sound = 2, .layer = -2, .dx = 8, .cost = 360, .counterBonus = 4}, {}},
    {25, 1, kChain, 2, 609, {.layer = -2, .counterBonus = 4}, {}},
    {25, 2, kChain, 1, 610, {.layer = -2, .reach = 105, .kind = 2, .priority = 3, .damage = 180,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 92, .koMark = 2, .counterBonus = 6},
        {}},
    {25, 3, kChain, 2, 610, {.layer = -2, .counterBonus = 6}, {}},
    {25, 4, kChain, 3, 609, {.layer = -2, .counterBonus = 2, .followUp = {8, 0, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {25, 5, kFinal, 3, 608, {.layer = -2, .counterBonus = 2, .followUp = {8, kN, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}}}},
    // LA+RA: the bolo punch, wound up in circles and thrown from below.
    {26, 0, kChain, 3, 611, {.sound = 1, .layer = -1, .cost = 500, .counterBonus = 6}, {}},
    {26, 1, kChain, 3, 700, {.layer = -1, .counterBonus = 6}, {}},
    {26, 2, kChain, 2, 701, {.layer = -1, .dx = 8, .counterBonus = 6}, {}},
    {26, 3, kChain, 1, 702, {.layer = -1, .dx = 4, .reach = 100, .kind = 7, .priority = 4,
        .damage = 300, .stun = 14, .knockback = 10, .effect = 3, .koMark = 2, .counterBonus = 10},
        {}},
    {26, 4, kChain, 3, 702, {.layer = -1, .counterBonus = 10}, {}},
    {26, 5, kChain, 3, 703, {.layer = -1, .counterBonus = 4}, {}},
    {26, 6, kChain, 3, 704, {.layer = -1, .counterBonus = 4}, {}},
    {26, 7, kFinal, 4, 611, {.layer = -1, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: a charge behind the gloves that ends in a short straight.
    {27, 0, kChain, 3, 705, {.sound = 1, .layer = -1, .dx = 12, .cost = 600, .body = {36, 3},
        .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 706, {.layer = -1, .dx = 12, .body = {36, 3}, .counterBonus = 6}, {}},
    {27, 2, kChain, 2, 707, {.layer = -1, .dx = 8, .body = {36, 3}, .counterBonus = 6}, {}},
    {27, 3, kChain, 1, 708, {.layer = -1, .reach = 75, .kind = 1, .priority = 4, .damage = 280,
        .stun = 12, .knockback = 10, .effect = 2, .koMark = 2, .counterBonus = 10}, {}},
    {27, 4, kChain, 3, 708, {.layer = -1, .counterBonus = 10}, {}},
    {27, 5, kChain, 3, 709, {.layer = -1, .counterBonus = 4}, {}},
    {27, 6, kChain, 3, 710, {.layer = -1, .counterBonus = 4}, {}},
    {27, 7, kFinal, 4, 705, {.layer = -1, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    {28, 0, kChain, 4, 711, {.sound = 2, .layer = -2, .cost = 360, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 900, {.layer = -2, .dx = 8, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 901, {.layer = -2, .reach = 105, .kind = 2, .priority = 3, .damage = 280,
        .stun = 12, .knockback = 8, .effect = 2, .minRange = 85, .koMark = 2, .counterBonus = 10},
        {}},
    {28, 3, kChain, 3, 901, {.layer = -2, .counterBonus = 10}, {}},
    {28, 4, kChain, 4, 902, {.layer = -2, .counterBonus = 4}, {}},
    {28, 5, kFinal, 4, 711, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Counters out of the guard: a one-two, and a body hook ripped up into an uppercut.
    {29, 0, kChain, 1, 903, {.sound = 1, .layer = -1, .cost = 150}, {}},
    {29, 1, kChain, 1, 904, {.layer = -1, .reach = 110, .kind = 1, .priority = 3, .damage = 40,
        .stun = 4, .knockback = 2, .effect = 1}, {}},
    {29, 2, kChain, 1, 903, {.layer = -1}, {}},
    {29, 3, kChain, 1, 905, {.layer = -1, .reach = 115, .kind = 1, .priority = 3, .damage = 90,
        .stun = 6, .knockback = 6, .effect = 1, .minRange = 85}, {}},
    {29, 4, kChain, 2, 905, {.layer = -1, .followUp = {11, 0, 0, 0}}, {.links = {{kFwdRA, 24}}}},
    {29, 5, kFinal, 3, 903, {.layer = -1, .followUp = {11, kN, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}}}},
    {32, 0, kChain, 1, 906, {.sound = 2, .layer = -2, .cost = 220, .body = {36, 2}}, {}},
    {32, 1, kChain, 1, 907, {.layer = -2, .reach = 90, .kind = 4, .priority = 3, .damage = 130,
        .stun = 8, .knockback = 2, .effect = 1}, {}},
    {32, 2, kChain, 1, 908, {.layer = -2, .reach = 80, .kind = 7, .priority = 3, .damage = 100,
        .stun = 10, .knockback = 6, .effect = 3, .koMark = 2}, {}},
    {32, 3, kChain, 2, 908, {.layer = -2, .followUp = {7, 9, 0, 0}},
        {.links = {{kLA, 20}, {kBackLA, 22}}}},
    {32, 4, kChain, 2, 909, {.layer = -2, .followUp = {7, 9, 0, 0}},
        {.links = {{kLA, 20}, {kBackLA, 22}}}},
    {32, 5, kFinal, 3, 906, {.layer = -2, .followUp = {7, 9, kN, kN}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackLA, 22}}}},
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

const RosterEntry kFighter11 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
