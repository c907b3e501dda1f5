// Roster number 7, Tequondo: a kicker who keeps the opponent at leg's length and strings kicks
// together. Stance 0 is a squared-up stance with quick hands (jab and cross) that open into the
// kicks; stance 1 is side-on, where even the light attacks are body kicks and the big moves are
// jumping and spinning kicks.
//
// Both stances have six follow-up kicks. LA and RA are the openers: their recovery leads into
// the lead-leg kick 29 (LA) or the rear-leg kick 32 (RA). From 29 and 32 the fighter may go on
// with the same leg or switch legs: LA into 30, RA into 33; 30 finishes with 31 (LA) and 33 with
// 34 (RA). Frame 0 of 29 and 32 is a bounce on the toes in which this fighter gets its breath
// back (health and stamina regenerate there as at stand), so a chain pays part of its cost back
// on the way. A fighter hit during a follow-up takes a plain hit: counter bonuses only apply to
// the nine attacks, so the follow-ups carry none.
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 7,
    .baseHealth = 1400,
    .halfWidth = {45, 48},
    .cpuAttackRange = {150, 150},
    .cpuKeepAway = {250, 250},
    .cpuAttacks = {{7, 12, 9, 13}, {7, 8, 14, 11}},
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
    {17, 1, kChain, 2, 103, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 103, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: lead-hand jab, the opener of the lead-leg chain.
    {20, 0, kChain, 3, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 95, .kind = 1, .priority = 1, .damage = 20,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 106, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 7, 0}},
        {.links = {{kLA, 29}, {kRA, 32}}}},
    {20, 3, kFinal, 3, 105, {.layer = -1, .counterBonus = 1, .followUp = {7, 10, 12, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 29}, {kFwdLA, 21}, {kRA, 32}, {kBackRA, 25},
        {kLARA, 26}}}},
    // forward+LA: skip in, lead-leg roundhouse to the head.
    {21, 0, kChain, 3, 107, {.sound = 3, .layer = -2, .dx = 14, .cost = 200, .counterBonus = 3},
        {}},
    {21, 1, kChain, 1, 108, {.layer = -2, .dx = 4, .counterBonus = 3}, {}},
    {21, 2, kChain, 1, 109, {.layer = -2, .reach = 85, .kind = 1, .priority = 2, .damage = 190,
        .stun = 8, .knockback = 4, .effect = 2, .minRange = 80, .counterBonus = 5}, {}},
    {21, 3, kChain, 2, 108, {.layer = -2, .counterBonus = 4, .followUp = {13, 13, 0, 9999}},
        {.links = {{kLARA, 26}}}},
    {21, 4, kFinal, 3, 100, {.layer = -2, .counterBonus = 2, .followUp = {13, 12, 0, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackRA, 25}, {kLARA, 26}}}},
    // back+LA: double roundhouse to the body, the second kick thrown in the air.
    {22, 0, kChain, 5, 110, {.sound = 3, .layer = -2, .dx = 6, .cost = 300, .counterBonus = 4}, {}},
    {22, 1, kChain, 1, 111, {.layer = -2, .reach = 105, .kind = 4, .priority = 2, .damage = 200,
        .stun = 6, .knockback = 2, .effect = 1, .minRange = 92, .counterBonus = 6}, {}},
    {22, 2, kChain, 2, 200, {.layer = -2, .dx = 6, .dy = -8, .body = {36, 4}, .counterBonus = 6},
        {}},
    {22, 3, kChain, 1, 201, {.layer = -2, .dy = -8, .body = {36, 4}, .reach = 105, .kind = 4,
        .priority = 2, .damage = 80, .stun = 8, .knockback = 6, .effect = 3, .minRange = 85,
        .counterBonus = 6}, {}},
    {22, 4, kChain, 2, 201, {.layer = -2, .dy = -8, .body = {36, 4}, .counterBonus = 6}, {}},
    {22, 5, kChain, 3, 202, {.layer = -2, .counterBonus = 2}, {}},
    {22, 6, kFinal, 3, 100, {.layer = -2, .counterBonus = 2, .followUp = {11, 0, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}}}},
    // RA: rear-hand cross, the opener of the rear-leg chain.
    {23, 0, kChain, 4, 203, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 204, {.layer = -1, .reach = 90, .kind = 1, .priority = 1, .damage = 68,
        .stun = 3, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 204, {.layer = -1, .counterBonus = 2, .followUp = {10, 7, 10, 0}},
        {.links = {{kLA, 29}, {kRA, 32}}}},
    {23, 3, kFinal, 3, 203, {.layer = -1, .counterBonus = 1, .followUp = {10, 7, 11, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 29}, {kBackLA, 22}, {kRA, 32}, {kFwdRA, 24},
        {kBackLARA, 28}}}},
    // forward+RA: long push kick that drives the opponent back.
    {24, 0, kChain, 2, 205, {.sound = 3, .layer = -2, .dx = 8, .cost = 280, .counterBonus = 3}, {}},
    {24, 1, kChain, 2, 206, {.layer = -2, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 207, {.layer = -2, .reach = 115, .kind = 4, .priority = 2, .damage = 200,
        .stun = 6, .knockback = 14, .effect = 1, .minRange = 95, .counterBonus = 6}, {}},
    {24, 3, kChain, 2, 207, {.layer = -2, .counterBonus = 6}, {}},
    {24, 4, kChain, 2, 206, {.layer = -2, .counterBonus = 2, .followUp = {12, 9, 0, 9999}},
        {.links = {{kBackLA, 22}, {kBackRA, 25}}}},
    {24, 5, kFinal, 3, 100, {.layer = -2, .counterBonus = 1, .followUp = {12, 9, 9999, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kBackRA, 25}}}},
    // back+RA: slide back out of range, then a counter roundhouse.
    {25, 0, kChain, 4, 208, {.sound = 3, .layer = -1, .dx = -12, .cost = 200, .counterBonus = 2},
        {}},
    {25, 1, kChain, 1, 209, {.layer = -1, .reach = 90, .kind = 1, .priority = 2, .damage = 96,
        .stun = 4, .knockback = 4, .effect = 1, .minRange = 80, .counterBonus = 4}, {}},
    {25, 2, kChain, 2, 209, {.layer = -1, .counterBonus = 4}, {}},
    {25, 3, kChain, 2, 210, {.layer = -1, .counterBonus = 2, .followUp = {11, 9, 0, 9999}},
        {.links = {{kBackLA, 22}, {kFwdRA, 24}}}},
    {25, 4, kFinal, 3, 100, {.layer = -1, .counterBonus = 1, .followUp = {11, 9, 9999, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kFwdRA, 24}}}},
    // LA+RA: spinning back kick.
    {26, 0, kChain, 3, 211, {.sound = 1, .layer = -3, .dx = 4, .cost = 400, .counterBonus = 6}, {}},
    {26, 1, kChain, 1, 300, {.layer = -3, .counterBonus = 6}, {}},
    {26, 2, kChain, 1, 301, {.layer = -3, .reach = 105, .kind = 1, .priority = 3, .damage = 260,
        .stun = 10, .knockback = 10, .effect = 2, .minRange = 90, .koMark = 1,
        .counterBonus = 10}, {}},
    {26, 3, kChain, 2, 301, {.layer = -3, .counterBonus = 10}, {}},
    {26, 4, kChain, 3, 300, {.layer = -3, .counterBonus = 4}, {}},
    {26, 5, kFinal, 4, 100, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: running jump into a flying front kick, for close range.
    {27, 0, kChain, 3, 302, {.sound = 1, .layer = -3, .dx = 12, .cost = 400, .counterBonus = 6},
        {}},
    {27, 1, kChain, 2, 303, {.sound = 3, .layer = -3, .dx = 10, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 304, {.layer = -3, .dx = 6, .dy = -16, .body = {36, 4}, .reach = 75,
        .kind = 1, .priority = 3, .damage = 260, .stun = 10, .knockback = 8, .effect = 2,
        .koMark = 1, .counterBonus = 10}, {}},
    {27, 3, kChain, 2, 303, {.layer = -3, .dy = -8, .body = {36, 4}, .counterBonus = 10}, {}},
    {27, 4, kChain, 3, 305, {.layer = -3, .counterBonus = 4}, {}},
    {27, 5, kFinal, 4, 100, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: axe kick, the heaviest blow of the squared stance.
    {28, 0, kChain, 3, 306, {.sound = 3, .layer = -2, .dx = 6, .cost = 420, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 307, {.layer = -2, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 308, {.layer = -2, .reach = 85, .kind = 1, .priority = 3, .damage = 300,
        .stun = 12, .knockback = 2, .effect = 3, .minRange = 80, .koMark = 1,
        .counterBonus = 10}, {}},
    {28, 3, kChain, 3, 308, {.layer = -2, .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 309, {.layer = -2, .counterBonus = 4}, {}},
    {28, 5, kFinal, 4, 100, {.layer = -2, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 29: bounce (breather), then a lead-leg roundhouse to the body.
    {29, 0, kChain, 4, 310, {.layer = -1, .cost = 120}, {}},
    {29, 1, kChain, 1, 108, {.sound = 3, .layer = -2, .dx = 6}, {}},
    {29, 2, kChain, 1, 311, {.layer = -2, .reach = 100, .kind = 4, .priority = 2, .damage = 90,
        .stun = 4, .knockback = 2, .effect = 1, .minRange = 80}, {}},
    {29, 3, kChain, 2, 108, {.layer = -2, .followUp = {7, 10, 7, 0}},
        {.links = {{kLA, 30}, {kRA, 33}}}},
    {29, 4, kFinal, 3, 310, {.layer = -1, .followUp = {7, 10, 9999, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kRA, 33}}}},
    // Follow-up 30: the same leg goes up again, roundhouse to the head.
    {30, 0, kChain, 1, 108, {.sound = 3, .layer = -2, .cost = 180}, {}},
    {30, 1, kChain, 1, 109, {.layer = -2, .reach = 95, .kind = 1, .priority = 2, .damage = 120,
        .stun = 6, .knockback = 4, .effect = 2, .minRange = 80}, {}},
    {30, 2, kChain, 2, 109, {.layer = -2, .followUp = {7, 0, 9999, 7}}, {.links = {{kLA, 31}}}},
    {30, 3, kChain, 2, 108, {.layer = -2, .followUp = {7, 7, 0, 9999}}, {.links = {{kLA, 31}}}},
    {30, 4, kFinal, 3, 310, {.layer = -1, .followUp = {7, 0, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 31}}}},
    // Follow-up 31: spinning hook kick, the end of the lead-leg chain.
    {31, 0, kChain, 3, 211, {.sound = 1, .layer = -3, .cost = 360}, {}},
    {31, 1, kChain, 1, 400, {.layer = -3, .reach = 110, .kind = 2, .priority = 3, .damage = 170,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 90, .koMark = 1}, {}},
    {31, 2, kChain, 2, 400, {.layer = -3}, {}},
    {31, 3, kChain, 3, 401, {.layer = -3}, {}},
    {31, 4, kFinal, 4, 100, {.layer = -3}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 32: bounce (breather), then a rear-leg roundhouse to the body.
    {32, 0, kChain, 4, 310, {.layer = -1, .cost = 140}, {}},
    {32, 1, kChain, 1, 402, {.sound = 3, .layer = -2, .dx = 6}, {}},
    {32, 2, kChain, 1, 111, {.layer = -2, .reach = 105, .kind = 4, .priority = 2, .damage = 110,
        .stun = 6, .knockback = 4, .effect = 1, .minRange = 85}, {}},
    {32, 3, kChain, 2, 402, {.layer = -2, .followUp = {10, 7, 10, 0}},
        {.links = {{kLA, 30}, {kRA, 33}}}},
    {32, 4, kFinal, 3, 310, {.layer = -1, .followUp = {10, 7, 9999, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kRA, 33}}}},
    // Follow-up 33: rear-leg side kick out of the chamber.
    {33, 0, kChain, 2, 402, {.sound = 3, .layer = -2, .dx = 4, .cost = 260}, {}},
    {33, 1, kChain, 1, 403, {.layer = -2, .reach = 110, .kind = 1, .priority = 2, .damage = 120,
        .stun = 6, .knockback = 12, .effect = 1, .minRange = 90}, {}},
    {33, 2, kChain, 2, 403, {.layer = -2, .followUp = {10, 0, 10, 9999}}, {.links = {{kRA, 34}}}},
    {33, 3, kChain, 2, 402, {.layer = -2, .followUp = {10, 10, 0, 9999}}, {.links = {{kRA, 34}}}},
    {33, 4, kFinal, 3, 310, {.layer = -1, .followUp = {10, 0, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 34}}}},
    // Follow-up 34: jumping axe kick, the end of the rear-leg chain.
    {34, 0, kChain, 2, 404, {.sound = 1, .layer = -3, .dx = 8, .dy = -8, .cost = 340,
        .body = {36, 4}}, {}},
    {34, 1, kChain, 2, 405, {.sound = 3, .layer = -3, .dx = 6, .dy = -16, .body = {36, 4}}, {}},
    {34, 2, kChain, 1, 308, {.layer = -3, .reach = 95, .kind = 1, .priority = 3, .damage = 240,
        .stun = 12, .knockback = 2, .effect = 3, .minRange = 85, .koMark = 1}, {}},
    {34, 3, kChain, 3, 308, {.layer = -3}, {}},
    {34, 4, kFinal, 4, 309, {.layer = -3}, {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 406, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 101, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 101, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 102, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 102, {}, {kGuardSet}},
    {17, 0, kChain, 1, 406, {}, {kStepSet}},
    {17, 1, kChain, 2, 407, {.dx = 16}, {kStepSet}},
    {17, 2, kFinal, 2, 407, {}, {kStepSet}},
    {18, 0, kChain, 1, 406, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -18}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 406, {.sound = 4, .dy = -4}, {}},
    // LA: lead-leg roundhouse to the body, the opener of the lead-leg chain.
    {20, 0, kChain, 3, 408, {.sound = 3, .layer = -1, .dx = 6, .cost = 180, .counterBonus = 2}, {}},
    {20, 1, kChain, 1, 409, {.layer = -1, .reach = 100, .kind = 4, .priority = 1, .damage = 140,
        .stun = 4, .knockback = 4, .effect = 1, .minRange = 85, .counterBonus = 4}, {}},
    {20, 2, kChain, 2, 409, {.layer = -1, .counterBonus = 4, .followUp = {7, 10, 7, 0}},
        {.links = {{kLA, 29}, {kRA, 32}}}},
    {20, 3, kChain, 2, 408, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 8, 0}},
        {.links = {{kLA, 29}, {kFwdLA, 21}, {kRA, 32}}}},
    {20, 4, kFinal, 2, 406, {.layer = -1, .counterBonus = 1, .followUp = {7, 10, 14, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 29}, {kFwdLA, 21}, {kRA, 32}, {kFwdLARA, 27}}}},
    // forward+LA: skipping side kick.
    {21, 0, kChain, 4, 410, {.sound = 3, .layer = -2, .dx = 14, .cost = 200, .counterBonus = 3},
        {}},
    {21, 1, kChain, 1, 411, {.layer = -2, .dx = 4, .counterBonus = 3}, {}},
    {21, 2, kChain, 1, 500, {.layer = -2, .reach = 85, .kind = 1, .priority = 2, .damage = 190,
        .stun = 6, .knockback = 10, .effect = 2, .minRange = 80, .counterBonus = 5}, {}},
    {21, 3, kChain, 2, 411, {.layer = -2, .counterBonus = 4, .followUp = {15, 0, 9999, 0}},
        {.links = {{kBackLARA, 28}}}},
    {21, 4, kFinal, 3, 406, {.layer = -2, .counterBonus = 2, .followUp = {15, 12, 0, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackRA, 25}, {kBackLARA, 28}}}},
    // back+LA: double roundhouse to the body, the second kick thrown in the air.
    {22, 0, kChain, 5, 501, {.sound = 3, .layer = -2, .dx = 6, .cost = 300, .counterBonus = 4}, {}},
    {22, 1, kChain, 1, 502, {.layer = -2, .reach = 105, .kind = 4, .priority = 2, .damage = 200,
        .stun = 6, .knockback = 2, .effect = 1, .minRange = 92, .counterBonus = 6}, {}},
    {22, 2, kChain, 2, 503, {.layer = -2, .dx = 6, .dy = -8, .body = {36, 4}, .counterBonus = 6},
        {}},
    {22, 3, kChain, 1, 504, {.layer = -2, .dy = -8, .body = {36, 4}, .reach = 105, .kind = 4,
        .priority = 2, .damage = 80, .stun = 8, .knockback = 6, .effect = 3, .minRange = 85,
        .counterBonus = 6}, {}},
    {22, 4, kChain, 3, 505, {.layer = -2, .counterBonus = 2}, {}},
    {22, 5, kFinal, 3, 406, {.layer = -2, .counterBonus = 2, .followUp = {12, 0, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackRA, 25}}}},
    // RA: rear-leg roundhouse to the body, the opener of the rear-leg chain.
    {23, 0, kChain, 5, 506, {.sound = 3, .layer = -2, .dx = 8, .cost = 200, .counterBonus = 2}, {}},
    {23, 1, kChain, 1, 507, {.layer = -2, .reach = 105, .kind = 4, .priority = 2, .damage = 140,
        .stun = 4, .knockback = 4, .effect = 1, .minRange = 85, .counterBonus = 4}, {}},
    {23, 2, kChain, 2, 507, {.layer = -2, .counterBonus = 4, .followUp = {10, 7, 10, 0}},
        {.links = {{kLA, 29}, {kRA, 32}}}},
    {23, 3, kChain, 2, 506, {.layer = -2, .counterBonus = 2, .followUp = {10, 7, 11, 0}},
        {.links = {{kLA, 29}, {kRA, 32}, {kFwdRA, 24}}}},
    {23, 4, kFinal, 3, 406, {.layer = -2, .counterBonus = 1, .followUp = {10, 7, 13, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 29}, {kRA, 32}, {kFwdRA, 24}, {kLARA, 26}}}},
    // forward+RA: spinning low sweep; crouched under high attacks, it stuns for long.
    {24, 0, kChain, 3, 508, {.sound = 1, .layer = -1, .dx = 4, .cost = 400, .body = {36, 2},
        .counterBonus = 4}, {}},
    {24, 1, kChain, 2, 509, {.layer = -1, .body = {36, 2}, .counterBonus = 6}, {}},
    {24, 2, kChain, 1, 510, {.layer = -1, .body = {36, 2}, .reach = 75, .kind = 7, .priority = 3,
        .damage = 88, .stun = 18, .knockback = 2, .effect = 4, .counterBonus = 8}, {}},
    {24, 3, kChain, 3, 509, {.layer = -1, .body = {36, 2}, .counterBonus = 6}, {}},
    {24, 4, kFinal, 4, 508, {.layer = -1, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+RA: hook kick.
    {25, 0, kChain, 5, 511, {.sound = 3, .layer = -1, .dx = 4, .cost = 200, .counterBonus = 2}, {}},
    {25, 1, kChain, 1, 600, {.layer = -1, .reach = 90, .kind = 1, .priority = 2, .damage = 96,
        .stun = 4, .knockback = 6, .effect = 1, .minRange = 80, .counterBonus = 4}, {}},
    {25, 2, kChain, 2, 600, {.layer = -1, .counterBonus = 4, .followUp = {11, 9999, 0, 0}},
        {.links = {{kFwdRA, 24}}}},
    {25, 3, kFinal, 3, 511, {.layer = -1, .counterBonus = 1, .followUp = {11, 0, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}}}},
    // LA+RA: tornado kick.
    {26, 0, kChain, 3, 601, {.sound = 1, .layer = -3, .dx = 8, .cost = 460, .counterBonus = 6}, {}},
    {26, 1, kChain, 2, 602, {.sound = 3, .layer = -3, .dx = 8, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {26, 2, kChain, 1, 603, {.layer = -3, .dy = -16, .body = {36, 4}, .reach = 105, .kind = 2,
        .priority = 3, .damage = 280, .stun = 10, .knockback = 8, .effect = 2, .minRange = 90,
        .koMark = 2, .counterBonus = 10}, {}},
    {26, 3, kChain, 2, 603, {.layer = -3, .dy = -12, .body = {36, 4}, .counterBonus = 10}, {}},
    {26, 4, kChain, 3, 604, {.layer = -3, .counterBonus = 4}, {}},
    {26, 5, kFinal, 4, 406, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: flying side kick.
    {27, 0, kChain, 3, 605, {.sound = 1, .layer = -3, .dx = 14, .cost = 340, .counterBonus = 4},
        {}},
    {27, 1, kChain, 2, 606, {.sound = 3, .layer = -3, .dx = 12, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 607, {.layer = -3, .dx = 8, .dy = -14, .body = {36, 4}, .reach = 110,
        .kind = 4, .priority = 3, .damage = 180, .stun = 8, .knockback = 14, .effect = 2,
        .minRange = 95, .counterBonus = 8}, {}},
    {27, 3, kChain, 2, 606, {.layer = -3, .dy = -8, .body = {36, 4}, .counterBonus = 6}, {}},
    {27, 4, kChain, 3, 608, {.layer = -3, .counterBonus = 4}, {}},
    {27, 5, kFinal, 3, 406, {.layer = -3, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: jumping spinning hook kick.
    {28, 0, kChain, 3, 609, {.sound = 1, .layer = -3, .dx = 6, .cost = 480, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 610, {.layer = -3, .dx = 6, .dy = -12, .body = {36, 4}, .counterBonus = 6},
        {}},
    {28, 2, kChain, 1, 611, {.sound = 3, .layer = -3, .dy = -16, .body = {36, 4},
        .counterBonus = 6}, {}},
    {28, 3, kChain, 1, 700, {.layer = -3, .dy = -16, .body = {36, 4}, .reach = 115, .kind = 1,
        .priority = 4, .damage = 220, .stun = 12, .knockback = 10, .effect = 2, .minRange = 95,
        .koMark = 2, .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 701, {.layer = -3, .counterBonus = 4}, {}},
    {28, 5, kFinal, 4, 406, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 29: bounce (breather), then the same leg kicks to the head.
    {29, 0, kChain, 5, 702, {.layer = -1, .cost = 150}, {}},
    {29, 1, kChain, 1, 408, {.sound = 3, .layer = -2}, {}},
    {29, 2, kChain, 1, 703, {.layer = -2, .reach = 105, .kind = 1, .priority = 2, .damage = 100,
        .stun = 6, .knockback = 4, .effect = 2, .minRange = 85}, {}},
    {29, 3, kChain, 2, 408, {.layer = -2, .followUp = {7, 10, 7, 0}},
        {.links = {{kLA, 30}, {kRA, 33}}}},
    {29, 4, kFinal, 3, 702, {.layer = -1, .followUp = {7, 10, 9999, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kRA, 33}}}},
    // Follow-up 30: lead-leg axe kick.
    {30, 0, kChain, 2, 704, {.sound = 3, .layer = -2, .cost = 220}, {}},
    {30, 1, kChain, 1, 705, {.layer = -2, .reach = 95, .kind = 2, .priority = 2, .damage = 150,
        .stun = 8, .knockback = 2, .effect = 3, .minRange = 85}, {}},
    {30, 2, kChain, 2, 705, {.layer = -2, .followUp = {7, 0, 9999, 7}}, {.links = {{kLA, 31}}}},
    {30, 3, kChain, 2, 702, {.layer = -1, .followUp = {7, 7, 0, 9999}}, {.links = {{kLA, 31}}}},
    {30, 4, kFinal, 3, 406, {.layer = -1, .followUp = {7, 0, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 31}}}},
    // Follow-up 31: spinning back kick, the end of the lead-leg chain.
    {31, 0, kChain, 3, 706, {.sound = 1, .layer = -3, .cost = 320}, {}},
    {31, 1, kChain, 1, 707, {.layer = -3, .reach = 110, .kind = 4, .priority = 3, .damage = 220,
        .stun = 10, .knockback = 14, .effect = 2, .minRange = 90, .koMark = 2}, {}},
    {31, 2, kChain, 2, 707, {.layer = -3}, {}},
    {31, 3, kChain, 3, 706, {.layer = -3}, {}},
    {31, 4, kFinal, 4, 406, {.layer = -3}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up 32: bounce (breather), then the rear leg kicks to the head.
    {32, 0, kChain, 5, 702, {.layer = -1, .cost = 160}, {}},
    {32, 1, kChain, 1, 506, {.sound = 3, .layer = -2, .dx = 4}, {}},
    {32, 2, kChain, 1, 708, {.layer = -2, .reach = 105, .kind = 1, .priority = 2, .damage = 130,
        .stun = 6, .knockback = 4, .effect = 2, .minRange = 85}, {}},
    {32, 3, kChain, 2, 506, {.layer = -2, .followUp = {10, 7, 10, 0}},
        {.links = {{kLA, 30}, {kRA, 33}}}},
    {32, 4, kFinal, 3, 702, {.layer = -1, .followUp = {10, 7, 9999, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kRA, 33}}}},
    // Follow-up 33: hop to switch legs, roundhouse to the body.
    {33, 0, kChain, 2, 709, {.sound = 3, .layer = -2, .dx = 6, .dy = -6, .cost = 220,
        .body = {36, 4}}, {}},
    {33, 1, kChain, 1, 710, {.layer = -2, .reach = 100, .kind = 4, .priority = 2, .damage = 140,
        .stun = 6, .knockback = 6, .effect = 1, .minRange = 85}, {}},
    {33, 2, kChain, 2, 710, {.layer = -2, .followUp = {10, 0, 10, 9999}}, {.links = {{kRA, 34}}}},
    {33, 3, kChain, 2, 702, {.layer = -1, .followUp = {10, 10, 0, 9999}}, {.links = {{kRA, 34}}}},
    {33, 4, kFinal, 3, 406, {.layer = -1, .followUp = {10, 0, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 34}}}},
    // Follow-up 34: jumping back kick, the end of the rear-leg chain.
    {34, 0, kChain, 3, 706, {.sound = 1, .layer = -3, .dx = 6, .cost = 380}, {}},
    {34, 1, kChain, 1, 711, {.layer = -3, .dx = 6, .dy = -12, .body = {36, 4}, .reach = 115,
        .kind = 1, .priority = 3, .damage = 200, .stun = 10, .knockback = 12, .effect = 2,
        .minRange = 95, .koMark = 2}, {}},
    {34, 2, kChain, 2, 711, {.layer = -3, .dy = -12, .body = {36, 4}}, {}},
    {34, 3, kChain, 3, 608, {.layer = -3}, {}},
    {34, 4, kFinal, 4, 406, {.layer = -3}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter07 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
