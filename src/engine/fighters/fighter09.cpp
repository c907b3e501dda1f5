// Roster number 9, karate02: a karateka. Stance 0 is a deep front stance with committed,
// expensive techniques (lunge punch, spinning back-fist, jumping kick, a double low sweep); its
// front kick is the only move that opens the two follow-ups, a reverse punch (29) and a spinning
// back kick (32). Stance 1 is a light cat stance: cheap, quick, short-range hand and knee
// strikes, and two spinning or jumping kicks for a knock-out.
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 9,
    .baseHealth = 1450,
    .halfWidth = {45, 45},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 9, 8, 14}, {7, 11, 12, 14}},
    .cpuCloseMode = {2, 2},
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
    {17, 1, kChain, 2, 103, {.dx = 16}, {kStepSet}},
    {17, 2, kFinal, 2, 103, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -12}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: lead-hand jab, may be doubled.
    {20, 0, kChain, 2, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 95, .kind = 1, .priority = 1, .damage = 24,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 106, {.layer = -1, .counterBonus = 2, .followUp = {10, 10, 7, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {20, 3, kChain, 2, 107, {.layer = -1, .counterBonus = 1, .followUp = {11, 10, 8, 12}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}}}},
    {20, 4, kFinal, 3, 105, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, 8, 12}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}, {kFwdRA, 24},
        {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA: lunge punch that closes the distance; it cannot be guarded.
    {21, 0, kChain, 3, 108, {.sound = 2, .layer = -1, .dx = 6, .cost = 280, .counterBonus = 4}, {}},
    {21, 1, kChain, 1, 109, {.layer = -1, .dx = 14, .counterBonus = 4}, {}},
    {21, 2, kChain, 1, 110, {.layer = -1, .reach = 80, .kind = 5, .priority = 2, .damage = 200,
        .stun = 20, .knockback = 8, .effect = 1, .counterBonus = 6}, {}},
    {21, 3, kChain, 3, 110, {.layer = -1, .counterBonus = 6, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 4, kFinal, 4, 108, {.layer = -1, .counterBonus = 2, .followUp = {10, 12, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackRA, 25}}}},
    // back+LA: spinning back-fist; the turn shows the back, which the strongest kicks miss.
    {22, 0, kChain, 2, 111, {.sound = 1, .layer = -1, .dx = 8, .cost = 420, .counterBonus = 4}, {}},
    {22, 1, kChain, 1, 200, {.layer = -1, .dx = 8, .body = {36, 3}, .counterBonus = 6}, {}},
    {22, 2, kChain, 1, 201, {.layer = -1, .reach = 90, .kind = 1, .priority = 2, .damage = 200,
        .stun = 10, .knockback = 10, .effect = 3, .minRange = 80, .counterBonus = 6}, {}},
    {22, 3, kChain, 2, 201, {.layer = -1, .counterBonus = 6}, {}},
    {22, 4, kChain, 3, 202, {.layer = -1, .counterBonus = 4, .followUp = {12, 8, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackRA, 25}}}},
    {22, 5, kFinal, 4, 111, {.layer = -1, .counterBonus = 2, .followUp = {12, 8, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackRA, 25}}}},
    // RA: reverse punch.
    {23, 0, kChain, 3, 203, {.sound = 2, .layer = -2, .dx = 8, .cost = 160, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 204, {.layer = -2, .reach = 95, .kind = 1, .priority = 1, .damage = 80,
        .stun = 3, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 204, {.layer = -2, .counterBonus = 2, .followUp = {11, 7, 13, 0}},
        {.links = {{kLA, 20}, {kFwdRA, 24}, {kLARA, 26}}}},
    {23, 3, kChain, 2, 205, {.layer = -2, .counterBonus = 1, .followUp = {11, 13, 9, 0}},
        {.links = {{kBackLA, 22}, {kFwdRA, 24}, {kLARA, 26}, {kFwdLARA, 27}}}},
    {23, 4, kFinal, 3, 203, {.layer = -2, .counterBonus = 1, .followUp = {11, 13, kNoValue, 6}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackLA, 22}, {kFwdRA, 24}, {kBackRA, 25},
        {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+RA: long front kick; while the leg comes back, LA follows with the reverse punch
    // (29) and RA with the spinning back kick (32).
    {24, 0, kChain, 3, 206, {.sound = 3, .layer = -3, .dx = 8, .cost = 400, .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 207, {.layer = -3, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 208, {.layer = -3, .reach = 110, .kind = 2, .priority = 3, .damage = 240,
        .stun = 10, .knockback = 4, .effect = 2, .minRange = 90, .counterBonus = 6}, {}},
    {24, 3, kChain, 2, 208, {.layer = -3, .counterBonus = 6, .followUp = {7, 7, 10, 0}},
        {.links = {{kLA, 29}, {kRA, 32}}}},
    {24, 4, kChain, 3, 207, {.layer = -3, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 29}, {kRA, 32}}}},
    {24, 5, kFinal, 3, 206, {.layer = -3, .counterBonus = 2,
        .followUp = {7, 10, kNoValue, kNoValue}}, {.links = {{kG, 15}, {kDownG, 16}, {kLA, 29},
        {kRA, 32}}}},
    // back+RA: back kick, to be stopped with the low guard.
    {25, 0, kChain, 3, 209, {.sound = 3, .layer = -3, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {25, 1, kChain, 2, 210, {.layer = -3, .body = {36, 3}, .counterBonus = 4}, {}},
    {25, 2, kChain, 1, 211, {.layer = -3, .reach = 105, .kind = 4, .priority = 3, .damage = 200,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 90, .counterBonus = 6}, {}},
    {25, 3, kChain, 2, 211, {.layer = -3, .counterBonus = 6}, {}},
    {25, 4, kChain, 3, 210, {.layer = -3, .counterBonus = 2, .followUp = {8, 0, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {25, 5, kFinal, 4, 209, {.layer = -3, .counterBonus = 2, .followUp = {8, 6, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}}}},
    // LA+RA: roundhouse kick to the head.
    {26, 0, kChain, 4, 300, {.sound = 3, .layer = -2, .dx = 8, .cost = 420, .counterBonus = 6}, {}},
    {26, 1, kChain, 2, 301, {.layer = -2, .counterBonus = 6}, {}},
    {26, 2, kChain, 1, 302, {.layer = -2, .reach = 100, .kind = 2, .priority = 3, .damage = 280,
        .stun = 12, .knockback = 6, .effect = 2, .minRange = 85, .koMark = 1, .counterBonus = 8},
        {}},
    {26, 3, kChain, 3, 302, {.layer = -2, .counterBonus = 8}, {}},
    {26, 4, kChain, 3, 301, {.layer = -2, .counterBonus = 4}, {}},
    {26, 5, kFinal, 4, 300, {.layer = -2, .counterBonus = 4,
        .followUp = {0, 0, kNoValue, kNoValue}}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: jumping front kick, in the air out of reach of low attacks.
    {27, 0, kChain, 3, 303, {.sound = 1, .layer = -3, .dy = 4, .cost = 500, .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 304, {.sound = 3, .layer = -3, .dx = 12, .dy = -16, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 305, {.layer = -3, .dx = 8, .dy = -20, .body = {36, 4}, .reach = 90,
        .kind = 1, .priority = 4, .damage = 320, .stun = 12, .knockback = 10, .effect = 4,
        .koMark = 1, .counterBonus = 10}, {}},
    {27, 3, kChain, 2, 305, {.layer = -3, .dy = -16, .body = {36, 4}, .counterBonus = 10}, {}},
    {27, 4, kChain, 2, 306, {.layer = -3, .dy = -8, .counterBonus = 6}, {}},
    {27, 5, kChain, 3, 303, {.layer = -3, .dy = 4, .counterBonus = 4}, {}},
    {27, 6, kFinal, 4, 307, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: double low sweep, the body kept low all through.
    {28, 0, kChain, 3, 308, {.sound = 1, .layer = -1, .dy = 8, .cost = 300, .body = {36, 2},
        .counterBonus = 4}, {}},
    {28, 1, kChain, 1, 309, {.layer = -1, .dy = 8, .body = {36, 2}, .reach = 63, .kind = 7,
        .priority = 2, .damage = 280, .stun = 10, .knockback = 4, .effect = 3, .koMark = 1,
        .counterBonus = 6}, {}},
    {28, 2, kChain, 2, 310, {.sound = 1, .layer = -1, .dy = 8, .body = {36, 2},
        .counterBonus = 6}, {}},
    {28, 3, kChain, 1, 311, {.layer = -1, .dy = 8, .body = {36, 2}, .reach = 63, .kind = 7,
        .priority = 2, .damage = 120, .stun = 8, .knockback = 10, .effect = 3, .koMark = 1,
        .counterBonus = 6}, {}},
    {28, 4, kChain, 3, 308, {.layer = -1, .dy = 8, .body = {36, 2}, .counterBonus = 2}, {}},
    {28, 5, kFinal, 4, 400, {.layer = -1, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 29: reverse punch to the body as the kicking foot lands.
    {29, 0, kChain, 2, 401, {.sound = 2, .layer = -2, .dx = 8, .cost = 220, .counterBonus = 2}, {}},
    {29, 1, kChain, 1, 402, {.layer = -2, .counterBonus = 2}, {}},
    {29, 2, kChain, 1, 403, {.layer = -2, .reach = 85, .kind = 2, .priority = 2, .damage = 140,
        .stun = 6, .knockback = 4, .effect = 1, .counterBonus = 4}, {}},
    {29, 3, kChain, 2, 403, {.layer = -2, .counterBonus = 4}, {}},
    {29, 4, kChain, 3, 402, {.layer = -2, .counterBonus = 2}, {}},
    {29, 5, kFinal, 3, 401, {.layer = -2, .counterBonus = 1,
        .followUp = {0, 0, kNoValue, kNoValue}}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 32: spinning back kick off the landing foot.
    {32, 0, kChain, 3, 404, {.sound = 3, .layer = -3, .cost = 320, .counterBonus = 4}, {}},
    {32, 1, kChain, 2, 405, {.layer = -3, .body = {36, 3}, .counterBonus = 6}, {}},
    {32, 2, kChain, 1, 406, {.layer = -3, .body = {36, 3}, .counterBonus = 6}, {}},
    {32, 3, kChain, 1, 407, {.layer = -3, .reach = 105, .kind = 4, .priority = 3, .damage = 220,
        .stun = 12, .knockback = 8, .effect = 2, .minRange = 90, .koMark = 1, .counterBonus = 8},
        {}},
    {32, 4, kChain, 2, 407, {.layer = -3, .counterBonus = 8}, {}},
    {32, 5, kChain, 3, 408, {.layer = -3, .counterBonus = 4}, {}},
    {32, 6, kFinal, 4, 404, {.layer = -3, .counterBonus = 2,
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
    // LA: quick jab.
    {20, 0, kChain, 1, 505, {.sound = 2, .layer = -1, .dx = 8, .cost = 130, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 506, {.layer = -1, .reach = 95, .kind = 1, .priority = 1, .damage = 32,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 506, {.layer = -1, .counterBonus = 2, .followUp = {10, 7, 10, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kRA, 23}}}},
    {20, 3, kFinal, 2, 505, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, 12, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23},
        {kFwdRA, 24}, {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA: front-leg snap kick.
    {21, 0, kChain, 2, 507, {.sound = 3, .layer = -1, .dx = 8, .cost = 130, .counterBonus = 2}, {}},
    {21, 1, kChain, 1, 508, {.layer = -1, .reach = 70, .kind = 4, .priority = 1, .damage = 72,
        .stun = 4, .knockback = 4, .effect = 1, .counterBonus = 3}, {}},
    {21, 2, kChain, 2, 508, {.layer = -1, .counterBonus = 3, .followUp = {10, 11, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {21, 3, kFinal, 3, 507, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}}}},
    // back+LA: knee strike, then the elbow.
    {22, 0, kChain, 3, 509, {.sound = 1, .layer = -1, .dx = 8, .cost = 220, .counterBonus = 3}, {}},
    {22, 1, kChain, 1, 510, {.layer = -1, .reach = 68, .kind = 4, .priority = 2, .damage = 120,
        .stun = 6, .knockback = 4, .effect = 3, .counterBonus = 4}, {}},
    {22, 2, kChain, 2, 510, {.layer = -1, .counterBonus = 4, .followUp = {13, 0, 0, 0}},
        {.links = {{kLARA, 26}}}},
    {22, 3, kChain, 2, 511, {.layer = -1, .counterBonus = 2, .followUp = {13, 0, 0, 0}},
        {.links = {{kLARA, 26}}}},
    {22, 4, kFinal, 3, 509, {.layer = -1, .counterBonus = 2, .followUp = {13, 6, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLARA, 26}}}},
    // RA: straight punch.
    {23, 0, kChain, 2, 600, {.sound = 2, .layer = -2, .dx = 8, .cost = 130, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 601, {.layer = -2, .reach = 95, .kind = 1, .priority = 1, .damage = 80,
        .stun = 3, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 601, {.layer = -2, .counterBonus = 2, .followUp = {11, 7, 7, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {23, 3, kFinal, 2, 600, {.layer = -2, .counterBonus = 1, .followUp = {11, 12, 7, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}, {kFwdRA, 24},
        {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}}}},
    // forward+RA: rear-leg snap kick.
    {24, 0, kChain, 2, 602, {.sound = 3, .layer = -2, .dx = 8, .cost = 130, .counterBonus = 2}, {}},
    {24, 1, kChain, 1, 603, {.layer = -2, .reach = 75, .kind = 4, .priority = 2, .damage = 92,
        .stun = 4, .knockback = 4, .effect = 1, .counterBonus = 3}, {}},
    {24, 2, kChain, 2, 603, {.layer = -2, .counterBonus = 3, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {24, 3, kFinal, 3, 602, {.layer = -2, .counterBonus = 1, .followUp = {10, 12, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackRA, 25}}}},
    // back+RA: spinning hook kick that cannot be guarded.
    {25, 0, kChain, 2, 604, {.sound = 3, .layer = -3, .cost = 340, .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 605, {.layer = -3, .body = {36, 3}, .counterBonus = 6}, {}},
    {25, 2, kChain, 1, 606, {.layer = -3, .reach = 90, .kind = 5, .priority = 3, .damage = 220,
        .stun = 20, .knockback = 6, .effect = 2, .koMark = 2, .counterBonus = 8}, {}},
    {25, 3, kChain, 2, 606, {.layer = -3, .counterBonus = 8}, {}},
    {25, 4, kChain, 3, 607, {.layer = -3, .counterBonus = 4}, {}},
    {25, 5, kFinal, 4, 604, {.layer = -3, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // LA+RA: stepping elbow strike.
    {26, 0, kChain, 3, 608, {.sound = 1, .layer = -1, .dx = 10, .cost = 280, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 609, {.layer = -1, .reach = 65, .kind = 2, .priority = 3, .damage = 120,
        .stun = 8, .knockback = 6, .effect = 3, .counterBonus = 6}, {}},
    {26, 2, kChain, 2, 609, {.layer = -1, .counterBonus = 6, .followUp = {9, 0, 0, 0}},
        {.links = {{kBackLA, 22}}}},
    {26, 3, kChain, 2, 610, {.layer = -1, .counterBonus = 2, .followUp = {9, 0, 0, 0}},
        {.links = {{kBackLA, 22}}}},
    {26, 4, kFinal, 3, 608, {.layer = -1, .counterBonus = 2, .followUp = {9, 5, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}}}},
    // forward+LA+RA: leaping punch from far out.
    {27, 0, kChain, 3, 611, {.sound = 2, .layer = -1, .cost = 340, .counterBonus = 4}, {}},
    {27, 1, kChain, 2, 700, {.layer = -1, .dx = 16, .dy = -6, .counterBonus = 4}, {}},
    {27, 2, kChain, 1, 701, {.layer = -1, .dx = 8, .dy = -6, .reach = 105, .kind = 1,
        .priority = 3, .damage = 132, .stun = 8, .knockback = 10, .effect = 1, .minRange = 90,
        .counterBonus = 6}, {}},
    {27, 3, kChain, 2, 701, {.layer = -1, .counterBonus = 6}, {}},
    {27, 4, kChain, 3, 702, {.layer = -1, .counterBonus = 2}, {}},
    {27, 5, kFinal, 3, 611, {.layer = -1, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: jumping back kick, in the air out of reach of low attacks.
    {28, 0, kChain, 3, 703, {.sound = 1, .layer = 2, .dy = 4, .cost = 300, .counterBonus = 4}, {}},
    {28, 1, kChain, 2, 704, {.sound = 3, .layer = 2, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 705, {.layer = 2, .dy = -16, .body = {36, 4}, .reach = 105, .kind = 4,
        .priority = 3, .damage = 220, .stun = 10, .knockback = 8, .effect = 2, .minRange = 90,
        .koMark = 2, .counterBonus = 8}, {}},
    {28, 3, kChain, 2, 705, {.layer = 2, .dy = -12, .body = {36, 4}, .counterBonus = 8}, {}},
    {28, 4, kChain, 2, 706, {.layer = 2, .dy = -4, .counterBonus = 4}, {}},
    {28, 5, kFinal, 4, 703, {.layer = 2, .dy = 4, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter09 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
