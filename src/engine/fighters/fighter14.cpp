// Roster number 14, Capoeira: never stands still. Its stand is the ginga, a six-frame sway
// that rocks the fighter forward and back and comes home to where it began. Stance 0 is the
// upright game: long, high swinging kicks (martelo, queixada, meia lua) and a cartwheel that
// no attack can touch while the fighter is upside down. Stance 1 is the low game close to the
// floor: sweeps and low kicks from a crouch that high attacks pass over, and two jumping
// spinning kicks that strike twice and cannot be guarded. Both stances chain a follow-up kick
// after LA (motion 30) and two after RA (motions 32 and 33).
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 14,
    .baseHealth = 1450,
    .halfWidth = {43, 37},
    .cpuAttackRange = {150, 150},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 13, 14, 11}, {10, 8, 12, 14}},
    .cpuCloseMode = {1, kCloseModeUnset},
};

// The ginga of each stance: six frames, each answering every command from stand. The moves
// sum to nothing over one sway (dx times the updates a frame lasts, duration + 1).
constexpr Values kGinga = {.reach = 128, .followUp = kNoFollowUp};

constexpr Values Ginga(int dx) {
    Values v = kGinga;
    v.dx = dx;
    return v;
}

// clang-format off
// motion, frame, form, duration, image, {values}, {transitions}
constexpr FrameRow kStance0[] = {
    // The upright ginga: +12, -4, -8 | -8, -4, +12.
    {14, 0, kChain, 2, 100, Ginga(4), {kStandSet}},
    {14, 1, kChain, 1, 101, Ginga(-2), {kStandSet}},
    {14, 2, kChain, 1, 102, Ginga(-4), {kStandSet}},
    {14, 3, kChain, 1, 103, Ginga(-4), {kStandSet}},
    {14, 4, kChain, 1, 104, Ginga(-2), {kStandSet}},
    {14, 5, kFinal, 2, 105, Ginga(4), {kStandSet}},
    {15, 0, kFinal, 1, 106, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 106, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 107, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 107, {}, {kGuardSet}},
    {17, 0, kChain, 1, 100, {}, {kStepSet}},
    {17, 1, kChain, 2, 108, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 108, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 109, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 109, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: martelo, a high roundhouse with the instep; LA again spins into the armada (30).
    {20, 0, kChain, 3, 110, {.sound = 3, .layer = -2, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {20, 1, kChain, 2, 111, {.layer = -2, .counterBonus = 4}, {}},
    {20, 2, kChain, 1, 200, {.layer = -2, .reach = 105, .kind = 2, .priority = 2, .damage = 240,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 90, .koMark = 1, .counterBonus = 8},
        {}},
    {20, 3, kChain, 2, 200, {.layer = -2, .counterBonus = 8, .followUp = {7, 7, 0, 0}},
        {.links = {{kLA, 30}}}},
    {20, 4, kChain, 3, 111, {.layer = -2, .counterBonus = 2, .followUp = {7, 12, 0, 9999}},
        {.links = {{kLA, 30}, {kBackRA, 25}}}},
    {20, 5, kFinal, 3, 110, {.layer = -2, .counterBonus = 2, .followUp = {7, 12, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kFwdLA, 21}, {kRA, 23}, {kBackRA, 25}}}},
    // forward+LA: rasteira, dropping under high attacks to sweep the legs.
    {21, 0, kChain, 4, 201, {.sound = 1, .layer = -1, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {21, 1, kChain, 2, 202, {.layer = -1, .body = {30, 2}, .counterBonus = 4}, {}},
    {21, 2, kChain, 1, 203, {.layer = -1, .body = {30, 2}, .reach = 95, .kind = 4, .priority = 2,
        .damage = 260, .stun = 12, .knockback = 10, .effect = 1, .minRange = 80, .koMark = 1,
        .counterBonus = 8}, {}},
    {21, 3, kChain, 2, 203, {.layer = -1, .body = {30, 2}, .counterBonus = 8}, {}},
    {21, 4, kChain, 3, 202, {.layer = -1, .body = {30, 2}, .counterBonus = 2,
        .followUp = {7, 10, 0, 9999}}, {.links = {{kLA, 30}, {kRA, 23}}}},
    {21, 5, kChain, 2, 204, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 0, 9999}},
        {.links = {{kLA, 30}, {kRA, 23}}}},
    {21, 6, kFinal, 3, 201, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kRA, 23}, {kFwdRA, 24}}}},
    // back+LA: meia lua de compasso, hands to the floor and the heel swung round low.
    {22, 0, kChain, 4, 205, {.sound = 1, .layer = -1, .dx = 4, .cost = 400, .counterBonus = 6}, {}},
    {22, 1, kChain, 2, 206, {.layer = -1, .body = {36, 2}, .counterBonus = 6}, {}},
    {22, 2, kChain, 1, 207, {.layer = -1, .body = {36, 2}, .counterBonus = 8}, {}},
    {22, 3, kChain, 1, 208, {.layer = -1, .body = {36, 2}, .reach = 105, .kind = 7,
        .priority = 3, .damage = 200, .stun = 14, .knockback = 10, .effect = 3, .minRange = 85,
        .koMark = 1, .counterBonus = 10}, {}},
    {22, 4, kChain, 2, 208, {.layer = -1, .body = {36, 2}, .counterBonus = 10}, {}},
    {22, 5, kChain, 2, 207, {.layer = -1, .body = {36, 2}, .counterBonus = 4}, {}},
    {22, 6, kChain, 3, 206, {.layer = -1, .counterBonus = 4, .followUp = {13, 0, 12, 9999}},
        {.links = {{kBackRA, 25}, {kLARA, 26}}}},
    {22, 7, kFinal, 4, 205, {.layer = -1, .counterBonus = 2, .followUp = {13, 12, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackRA, 25}, {kLARA, 26}}}},
    // RA: galopante, an open-hand blow; RA again goes into the ponteira (32).
    {23, 0, kChain, 4, 209, {.sound = 2, .layer = -2, .dx = 8, .cost = 240, .counterBonus = 2}, {}},
    {23, 1, kChain, 1, 210, {.layer = -2, .reach = 80, .kind = 2, .priority = 1, .damage = 140,
        .stun = 6, .knockback = 4, .effect = 1, .minRange = 60, .counterBonus = 3}, {}},
    {23, 2, kChain, 2, 210, {.layer = -2, .counterBonus = 3, .followUp = {10, 10, 11, 0}},
        {.links = {{kRA, 32}, {kFwdRA, 24}}}},
    {23, 3, kChain, 2, 211, {.layer = -2, .counterBonus = 1, .followUp = {10, 11, 7, 9999}},
        {.links = {{kLA, 20}, {kRA, 32}, {kFwdRA, 24}}}},
    {23, 4, kFinal, 3, 209, {.layer = -2, .counterBonus = 1, .followUp = {10, 7, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 32}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // forward+RA: chapa baixa, a quick stop kick at the shins.
    {24, 0, kChain, 4, 300, {.sound = 3, .layer = -2, .dx = 8, .cost = 180, .counterBonus = 2}, {}},
    {24, 1, kChain, 1, 301, {.layer = -2, .reach = 105, .kind = 4, .priority = 2, .damage = 100,
        .stun = 6, .knockback = 8, .effect = 1, .minRange = 80, .counterBonus = 3}, {}},
    {24, 2, kChain, 2, 301, {.layer = -2, .counterBonus = 3, .followUp = {10, 8, 0, 9999}},
        {.links = {{kFwdLA, 21}, {kRA, 32}}}},
    {24, 3, kChain, 2, 300, {.layer = -2, .counterBonus = 1, .followUp = {10, 8, 0, 9999}},
        {.links = {{kFwdLA, 21}, {kRA, 32}}}},
    {24, 4, kFinal, 2, 302, {.layer = -2, .counterBonus = 1, .followUp = {10, 7, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kRA, 32}}}},
    // back+RA: queixada, the long outside crescent; RA again finishes with the meia lua (33).
    {25, 0, kChain, 3, 303, {.sound = 3, .layer = -3, .dx = 4, .cost = 320, .counterBonus = 4}, {}},
    {25, 1, kChain, 2, 304, {.layer = -3, .counterBonus = 4}, {}},
    {25, 2, kChain, 1, 305, {.layer = -3, .reach = 115, .kind = 2, .priority = 2, .damage = 180,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 95, .counterBonus = 6}, {}},
    {25, 3, kChain, 2, 305, {.layer = -3, .counterBonus = 6}, {}},
    {25, 4, kChain, 2, 306, {.layer = -3, .counterBonus = 2, .followUp = {10, 11, 0, 9999}},
        {.links = {{kRA, 33}, {kFwdRA, 24}}}},
    {25, 5, kChain, 2, 303, {.layer = -3, .dx = -4, .counterBonus = 2,
        .followUp = {10, 11, 0, 9999}}, {.links = {{kRA, 33}, {kFwdRA, 24}}}},
    {25, 6, kFinal, 3, 100, {.layer = -3, .counterBonus = 1, .followUp = {10, 9999, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 33}, {kFwdRA, 24}}}},
    // LA+RA: cotoveladas, two short elbows.
    {26, 0, kChain, 4, 307, {.sound = 2, .layer = -1, .dx = 8, .cost = 200, .counterBonus = 2}, {}},
    {26, 1, kChain, 1, 308, {.layer = -1, .reach = 70, .kind = 1, .priority = 1, .damage = 32,
        .stun = 4, .effect = 1, .counterBonus = 2}, {}},
    {26, 2, kChain, 1, 308, {.layer = -1, .counterBonus = 2}, {}},
    {26, 3, kChain, 1, 309, {.layer = -1, .dx = 4, .counterBonus = 2}, {}},
    {26, 4, kChain, 1, 310, {.layer = -1, .reach = 70, .kind = 1, .priority = 1, .damage = 32,
        .stun = 6, .knockback = 4, .effect = 1, .counterBonus = 3}, {}},
    {26, 5, kChain, 2, 310, {.layer = -1, .counterBonus = 3, .followUp = {10, 7, 0, 9999}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {26, 6, kChain, 2, 309, {.layer = -1, .counterBonus = 1, .followUp = {10, 7, 0, 9999}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {26, 7, kFinal, 2, 307, {.layer = -1, .counterBonus = 1, .followUp = {10, 7, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}, {kFwdRA, 24}}}},
    // forward+LA+RA: chapa, a travelling side thrust that reaches farthest.
    {27, 0, kChain, 4, 311, {.sound = 3, .layer = -3, .dx = 12, .cost = 400, .counterBonus = 6},
        {}},
    {27, 1, kChain, 2, 400, {.layer = -3, .dx = 10, .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 401, {.layer = -3, .dx = 6, .reach = 120, .kind = 4, .priority = 3,
        .damage = 180, .stun = 12, .knockback = 14, .effect = 2, .minRange = 100, .koMark = 1,
        .counterBonus = 10}, {}},
    {27, 3, kChain, 2, 401, {.layer = -3, .counterBonus = 10}, {}},
    {27, 4, kChain, 2, 400, {.layer = -3, .counterBonus = 4}, {}},
    {27, 5, kChain, 3, 402, {.layer = -3, .counterBonus = 4, .followUp = {0, 11, 9999, 9999}},
        {.links = {{kFwdRA, 24}}}},
    {27, 6, kChain, 2, 311, {.layer = -3, .dx = -4, .counterBonus = 2,
        .followUp = {11, 9999, 9999, 9999}}, {.links = {{kFwdRA, 24}}}},
    {27, 7, kFinal, 3, 100, {.layer = -3, .counterBonus = 2, .followUp = {11, 9999, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}}}},
    // back+LA+RA: au, a cartwheel that no attack touches while upside down; it lands with a
    // light kick, low enough for high attacks to pass over, and ready for a heavy one.
    {28, 0, kChain, 2, 403, {.sound = 1, .layer = 1, .dx = 4, .cost = 400, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 404, {.layer = 1, .dx = 8, .dy = -8, .body = {36, 0}, .counterBonus = 6},
        {}},
    {28, 2, kChain, 2, 405, {.layer = 1, .dx = 10, .dy = -12, .body = {36, 0},
        .counterBonus = 6}, {}},
    {28, 3, kChain, 2, 406, {.layer = 1, .dx = 8, .dy = -8, .body = {36, 0}, .counterBonus = 6},
        {}},
    {28, 4, kChain, 1, 407, {.layer = 1, .dy = -4, .body = {36, 4}, .reach = 70, .kind = 1,
        .priority = 1, .damage = 32, .stun = 8, .knockback = 4, .effect = 1, .counterBonus = 8},
        {}},
    {28, 5, kChain, 2, 407, {.layer = 1, .dy = -4, .body = {36, 4}, .counterBonus = 8}, {}},
    {28, 6, kChain, 2, 408, {.body = {30, 2}, .counterBonus = 4, .followUp = {7, 9, 8, 9999}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}}}},
    {28, 7, kChain, 2, 408, {.counterBonus = 2, .followUp = {7, 9, 8, 9999}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}}}},
    {28, 8, kFinal, 3, 100, {.counterBonus = 2, .followUp = {7, 9, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kBackLA, 22}}}},
    // Follow-up after LA: armada, a spinning outside kick.
    {30, 0, kChain, 3, 409, {.sound = 3, .layer = -2, .dx = 4, .cost = 260, .counterBonus = 4}, {}},
    {30, 1, kChain, 1, 410, {.layer = -2, .reach = 110, .kind = 2, .priority = 2, .damage = 110,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 90, .counterBonus = 6}, {}},
    {30, 2, kChain, 2, 410, {.layer = -2, .counterBonus = 6}, {}},
    {30, 3, kChain, 2, 411, {.layer = -2, .counterBonus = 2}, {}},
    {30, 4, kChain, 2, 409, {.layer = -2, .counterBonus = 2, .followUp = {0, 9999, 9999, 9999}},
        {}},
    {30, 5, kFinal, 3, 100, {.layer = -2, .counterBonus = 1, .followUp = kNoFollowUp},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up after RA: ponteira, a snapping front kick; RA again leads on to 33.
    {32, 0, kChain, 2, 500, {.sound = 3, .layer = -2, .dx = 8, .cost = 180, .counterBonus = 2}, {}},
    {32, 1, kChain, 1, 501, {.layer = -2, .reach = 100, .kind = 1, .priority = 1, .damage = 80,
        .stun = 6, .knockback = 6, .effect = 1, .minRange = 80, .counterBonus = 3}, {}},
    {32, 2, kChain, 2, 501, {.layer = -2, .counterBonus = 3, .followUp = {10, 10, 0, 9999}},
        {.links = {{kRA, 33}}}},
    {32, 3, kChain, 2, 500, {.layer = -2, .counterBonus = 1, .followUp = {10, 0, 9999, 9999}},
        {.links = {{kRA, 33}}}},
    {32, 4, kFinal, 2, 502, {.layer = -2, .counterBonus = 1, .followUp = {10, 9999, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 33}}}},
    // Second follow-up after RA: meia lua de frente, the big crescent that ends the chain.
    {33, 0, kChain, 3, 503, {.sound = 3, .layer = -3, .dx = 8, .cost = 320, .counterBonus = 4}, {}},
    {33, 1, kChain, 1, 504, {.layer = -3, .counterBonus = 6}, {}},
    {33, 2, kChain, 1, 505, {.layer = -3, .reach = 110, .kind = 2, .priority = 3, .damage = 170,
        .stun = 12, .knockback = 10, .effect = 2, .minRange = 90, .koMark = 1, .counterBonus = 8},
        {}},
    {33, 3, kChain, 2, 505, {.layer = -3, .counterBonus = 8}, {}},
    {33, 4, kChain, 3, 504, {.layer = -3, .counterBonus = 2}, {}},
    {33, 5, kFinal, 3, 503, {.layer = -3, .counterBonus = 2, .followUp = kNoFollowUp},
        {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    // The low ginga, slower and smaller: +6, 0, -6 | -6, 0, +6.
    {14, 0, kChain, 2, 506, Ginga(2), {kStandSet}},
    {14, 1, kChain, 2, 507, Ginga(0), {kStandSet}},
    {14, 2, kChain, 2, 508, Ginga(-2), {kStandSet}},
    {14, 3, kChain, 2, 509, Ginga(-2), {kStandSet}},
    {14, 4, kChain, 2, 510, Ginga(0), {kStandSet}},
    {14, 5, kFinal, 2, 511, Ginga(2), {kStandSet}},
    {15, 0, kFinal, 1, 600, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 600, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 601, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 601, {}, {kGuardSet}},
    {17, 0, kChain, 1, 506, {}, {kStepSet}},
    {17, 1, kChain, 2, 602, {.dx = 16}, {kStepSet}},
    {17, 2, kFinal, 2, 602, {}, {kStepSet}},
    {18, 0, kChain, 1, 506, {}, {kStepSet}},
    {18, 1, kChain, 2, 603, {.dx = -18}, {kStepSet}},
    {18, 2, kFinal, 2, 603, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 506, {.sound = 4, .dy = -4}, {}},
    // LA: martelo de chao, a roundhouse thrown with one hand on the floor; LA again goes
    // into the armada (30).
    {20, 0, kChain, 4, 604, {.sound = 3, .layer = -2, .dx = 8, .cost = 300, .body = {36, 2},
        .counterBonus = 4}, {}},
    {20, 1, kChain, 2, 605, {.layer = -2, .body = {36, 2}, .counterBonus = 4}, {}},
    {20, 2, kChain, 1, 606, {.layer = -2, .reach = 90, .kind = 2, .priority = 2, .damage = 240,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 75, .koMark = 2, .counterBonus = 8},
        {}},
    {20, 3, kChain, 2, 606, {.layer = -2, .counterBonus = 8, .followUp = {7, 7, 0, 0}},
        {.links = {{kLA, 30}}}},
    {20, 4, kChain, 2, 605, {.layer = -2, .body = {36, 2}, .counterBonus = 2,
        .followUp = {7, 10, 0, 9999}}, {.links = {{kLA, 30}, {kRA, 23}}}},
    {20, 5, kChain, 3, 607, {.layer = -2, .body = {36, 2}, .counterBonus = 2,
        .followUp = {7, 10, 0, 9999}}, {.links = {{kLA, 30}, {kRA, 23}}}},
    {20, 6, kFinal, 3, 604, {.layer = -2, .counterBonus = 1, .followUp = {7, 10, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}}}},
    // forward+LA: bencao, a straight push kick to the chest.
    {21, 0, kChain, 5, 608, {.sound = 3, .layer = -1, .dx = 8, .cost = 260, .counterBonus = 4}, {}},
    {21, 1, kChain, 1, 609, {.layer = -1, .reach = 95, .kind = 1, .priority = 2, .damage = 200,
        .stun = 8, .knockback = 14, .effect = 1, .minRange = 80, .counterBonus = 6}, {}},
    {21, 2, kChain, 2, 609, {.layer = -1, .counterBonus = 6, .followUp = {7, 7, 0, 0}},
        {.links = {{kLA, 30}}}},
    {21, 3, kChain, 2, 608, {.layer = -1, .counterBonus = 2, .followUp = {7, 11, 0, 9999}},
        {.links = {{kLA, 30}, {kFwdRA, 24}}}},
    {21, 4, kChain, 2, 610, {.layer = -1, .dx = 4, .counterBonus = 2,
        .followUp = {7, 11, 0, 9999}}, {.links = {{kLA, 30}, {kFwdRA, 24}}}},
    {21, 5, kFinal, 3, 506, {.layer = -1, .counterBonus = 1, .followUp = {7, 11, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 30}, {kFwdRA, 24}}}},
    // back+LA: rasteira from the low game, the sweep that hooks the front foot.
    {22, 0, kChain, 4, 611, {.sound = 1, .layer = -1, .dx = 4, .cost = 360, .body = {30, 2},
        .counterBonus = 4}, {}},
    {22, 1, kChain, 2, 700, {.layer = -1, .body = {30, 2}, .counterBonus = 6}, {}},
    {22, 2, kChain, 1, 701, {.layer = -1, .body = {30, 2}, .reach = 95, .kind = 4, .priority = 2,
        .damage = 200, .stun = 14, .knockback = 4, .effect = 3, .minRange = 75,
        .counterBonus = 8}, {}},
    {22, 3, kChain, 2, 701, {.layer = -1, .body = {30, 2}, .counterBonus = 8}, {}},
    {22, 4, kChain, 2, 702, {.layer = -1, .body = {30, 2}, .counterBonus = 4,
        .followUp = {10, 12, 0, 9999}}, {.links = {{kRA, 32}, {kBackRA, 25}}}},
    {22, 5, kChain, 2, 700, {.layer = -1, .body = {30, 2}, .counterBonus = 4,
        .followUp = {10, 12, 0, 9999}}, {.links = {{kRA, 32}, {kBackRA, 25}}}},
    {22, 6, kChain, 3, 611, {.layer = -1, .body = {30, 2}, .counterBonus = 2,
        .followUp = {10, 12, 9999, 9999}}, {.links = {{kRA, 32}, {kBackRA, 25}}}},
    {22, 7, kFinal, 3, 506, {.counterBonus = 1, .followUp = {10, 9999, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 32}, {kBackRA, 25}}}},
    // RA: chapa baixa from the crouch; RA again rolls into the tesoura (32).
    {23, 0, kChain, 4, 703, {.sound = 3, .layer = -2, .dx = 8, .cost = 180, .counterBonus = 2}, {}},
    {23, 1, kChain, 1, 704, {.layer = -2, .reach = 100, .kind = 4, .priority = 1, .damage = 160,
        .stun = 6, .knockback = 8, .effect = 1, .minRange = 80, .counterBonus = 3}, {}},
    {23, 2, kChain, 2, 704, {.layer = -2, .counterBonus = 3, .followUp = {10, 10, 7, 0}},
        {.links = {{kLA, 20}, {kRA, 32}}}},
    {23, 3, kChain, 2, 703, {.layer = -2, .counterBonus = 1, .followUp = {10, 7, 12, 9999}},
        {.links = {{kLA, 20}, {kRA, 32}, {kBackRA, 25}}}},
    {23, 4, kFinal, 2, 705, {.layer = -2, .counterBonus = 1, .followUp = {10, 7, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kRA, 32}, {kBackRA, 25}}}},
    // forward+RA: meia lua de compasso, the heaviest low kick, whipped round with the head
    // down by the floor.
    {24, 0, kChain, 5, 706, {.sound = 1, .layer = -3, .dx = 4, .cost = 400, .counterBonus = 6}, {}},
    {24, 1, kChain, 2, 707, {.layer = -3, .body = {36, 2}, .counterBonus = 6}, {}},
    {24, 2, kChain, 1, 707, {.sound = 3, .layer = -3, .body = {36, 2}, .counterBonus = 8}, {}},
    {24, 3, kChain, 1, 708, {.layer = -3, .body = {36, 2}, .reach = 105, .kind = 4,
        .priority = 3, .damage = 280, .stun = 12, .knockback = 10, .effect = 4, .minRange = 85,
        .koMark = 2, .counterBonus = 10}, {}},
    {24, 4, kChain, 2, 708, {.layer = -3, .body = {36, 2}, .counterBonus = 10}, {}},
    {24, 5, kChain, 3, 709, {.layer = -3, .body = {36, 2}, .counterBonus = 4}, {}},
    {24, 6, kChain, 3, 706, {.layer = -3, .counterBonus = 4, .followUp = {13, 0, 9999, 9999}},
        {.links = {{kLARA, 26}}}},
    {24, 7, kFinal, 4, 506, {.layer = -3, .counterBonus = 2,
        .followUp = {13, 9999, 9999, 9999}}, {.links = {{kG, 15}, {kDownG, 16}, {kLARA, 26}}}},
    // back+RA: rabo de arraia, the long spinning kick just above the floor; RA again
    // goes on to the chibata (33).
    {25, 0, kChain, 3, 710, {.sound = 1, .layer = -3, .dx = 4, .cost = 280, .counterBonus = 4}, {}},
    {25, 1, kChain, 2, 711, {.layer = -3, .body = {36, 2}, .counterBonus = 4}, {}},
    {25, 2, kChain, 1, 900, {.layer = -3, .body = {36, 2}, .reach = 115, .kind = 4, .priority = 2,
        .damage = 180, .stun = 10, .knockback = 8, .effect = 2, .minRange = 95,
        .counterBonus = 6}, {}},
    {25, 3, kChain, 2, 900, {.layer = -3, .body = {36, 2}, .counterBonus = 6}, {}},
    {25, 4, kChain, 2, 901, {.layer = -3, .body = {36, 2}, .counterBonus = 2,
        .followUp = {10, 11, 0, 9999}}, {.links = {{kRA, 33}, {kFwdRA, 24}}}},
    {25, 5, kChain, 2, 711, {.layer = -3, .counterBonus = 2, .followUp = {10, 11, 0, 9999}},
        {.links = {{kRA, 33}, {kFwdRA, 24}}}},
    {25, 6, kFinal, 3, 710, {.layer = -3, .counterBonus = 1, .followUp = {10, 9999, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 33}, {kFwdRA, 24}}}},
    // LA+RA: cabecada and cotovelada, a headbutt and an elbow from the crouch.
    {26, 0, kChain, 4, 902, {.sound = 2, .layer = -1, .dx = 8, .cost = 200, .counterBonus = 2}, {}},
    {26, 1, kChain, 1, 903, {.layer = -1, .reach = 70, .kind = 1, .priority = 1, .damage = 32,
        .stun = 4, .effect = 1, .counterBonus = 2}, {}},
    {26, 2, kChain, 1, 902, {.layer = -1, .dx = 4, .counterBonus = 2}, {}},
    {26, 3, kChain, 1, 904, {.layer = -1, .reach = 70, .kind = 1, .priority = 1, .damage = 32,
        .stun = 6, .knockback = 4, .effect = 1, .counterBonus = 3}, {}},
    {26, 4, kChain, 2, 904, {.layer = -1, .counterBonus = 3, .followUp = {7, 10, 0, 9999}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {26, 5, kChain, 2, 902, {.layer = -1, .counterBonus = 1, .followUp = {7, 10, 0, 9999}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {26, 6, kFinal, 2, 506, {.counterBonus = 1, .followUp = {7, 10, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackLA, 22}, {kRA, 23}}}},
    // forward+LA+RA: armada pulada, a jumping spin that kicks with one leg and then the
    // other. No guard stops it.
    {27, 0, kChain, 4, 905, {.sound = 1, .layer = 1, .dx = 8, .cost = 500, .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 906, {.sound = 3, .layer = 1, .dx = 6, .dy = -8, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 907, {.layer = 1, .dx = 4, .dy = -16, .body = {36, 4}, .reach = 115,
        .kind = 5, .priority = 3, .damage = 100, .stun = 8, .knockback = 6, .effect = 2,
        .minRange = 90, .koMark = 2, .counterBonus = 10}, {}},
    {27, 3, kChain, 1, 906, {.layer = 1, .dy = -16, .body = {36, 4}, .counterBonus = 10}, {}},
    {27, 4, kChain, 1, 908, {.layer = 1, .dy = -16, .body = {36, 4}, .reach = 115, .kind = 5,
        .priority = 3, .damage = 100, .stun = 10, .knockback = 10, .effect = 4, .minRange = 90,
        .koMark = 2, .counterBonus = 10}, {}},
    {27, 5, kChain, 2, 908, {.layer = 1, .dy = -8, .body = {36, 4}, .counterBonus = 10}, {}},
    {27, 6, kChain, 2, 906, {.layer = 1, .dy = -4, .body = {36, 4}, .counterBonus = 4}, {}},
    {27, 7, kChain, 3, 905, {.layer = 1, .counterBonus = 4}, {}},
    {27, 8, kChain, 2, 905, {.counterBonus = 2, .followUp = {0, 0, 9999, 9999}}, {}},
    {27, 9, kFinal, 3, 506, {.counterBonus = 2, .followUp = kNoFollowUp},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: parafuso, a corkscrew jump taken off backwards, untouchable as it twists
    // up, then two kicks in the air. No guard stops it.
    {28, 0, kChain, 4, 909, {.sound = 1, .layer = 2, .dx = -4, .cost = 600, .counterBonus = 6},
        {}},
    {28, 1, kChain, 2, 910, {.layer = 2, .dx = 8, .dy = -8, .body = {36, 0}, .counterBonus = 6},
        {}},
    {28, 2, kChain, 1, 910, {.sound = 3, .layer = 2, .dx = 12, .dy = -16, .body = {36, 0},
        .counterBonus = 6}, {}},
    {28, 3, kChain, 1, 911, {.layer = 2, .dx = 8, .dy = -20, .body = {36, 4}, .reach = 115,
        .kind = 5, .priority = 4, .damage = 100, .stun = 10, .knockback = 6, .effect = 2,
        .minRange = 90, .koMark = 2, .counterBonus = 10}, {}},
    {28, 4, kChain, 1, 1000, {.layer = 2, .dx = 4, .dy = -20, .body = {36, 4}, .reach = 115,
        .kind = 5, .priority = 4, .damage = 100, .stun = 12, .knockback = 12, .effect = 4,
        .minRange = 90, .koMark = 2, .counterBonus = 10}, {}},
    {28, 5, kChain, 2, 1000, {.layer = 2, .dy = -16, .body = {36, 4}, .counterBonus = 10}, {}},
    {28, 6, kChain, 2, 910, {.layer = 2, .dy = -8, .body = {36, 4}, .counterBonus = 4}, {}},
    {28, 7, kChain, 3, 1001, {.layer = 2, .counterBonus = 4}, {}},
    {28, 8, kChain, 3, 1001, {.counterBonus = 4}, {}},
    {28, 9, kChain, 2, 909, {.counterBonus = 2, .followUp = {0, 9999, 9999, 9999}}, {}},
    {28, 10, kFinal, 3, 506, {.counterBonus = 2, .followUp = kNoFollowUp},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up after LA: armada from the crouch.
    {30, 0, kChain, 3, 1002, {.sound = 3, .layer = -2, .dx = 4, .cost = 260, .counterBonus = 4},
        {}},
    {30, 1, kChain, 1, 1003, {.layer = -2, .reach = 100, .kind = 2, .priority = 2, .damage = 100,
        .stun = 10, .knockback = 8, .effect = 2, .minRange = 80, .counterBonus = 6}, {}},
    {30, 2, kChain, 2, 1003, {.layer = -2, .counterBonus = 6}, {}},
    {30, 3, kChain, 2, 1004, {.layer = -2, .counterBonus = 2}, {}},
    {30, 4, kChain, 2, 1002, {.layer = -2, .counterBonus = 2,
        .followUp = {0, 9999, 9999, 9999}}, {}},
    {30, 5, kFinal, 3, 506, {.layer = -2, .counterBonus = 1, .followUp = kNoFollowUp},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // Follow-up after RA: tesoura, a dive to the floor that scissors the legs; RA again
    // goes on to 33.
    {32, 0, kChain, 3, 1005, {.sound = 1, .layer = -1, .dx = 12, .cost = 260, .body = {30, 2},
        .counterBonus = 4}, {}},
    {32, 1, kChain, 1, 1006, {.layer = -1, .body = {30, 2}, .reach = 85, .kind = 7, .priority = 2,
        .damage = 90, .stun = 12, .knockback = 6, .effect = 3, .minRange = 70, .counterBonus = 6},
        {}},
    {32, 2, kChain, 2, 1006, {.layer = -1, .body = {30, 2}, .counterBonus = 6,
        .followUp = {10, 10, 0, 9999}}, {.links = {{kRA, 33}}}},
    {32, 3, kChain, 2, 1007, {.layer = -1, .body = {30, 2}, .counterBonus = 2,
        .followUp = {10, 0, 9999, 9999}}, {.links = {{kRA, 33}}}},
    {32, 4, kChain, 2, 1005, {.layer = -1, .counterBonus = 2,
        .followUp = {10, 9999, 9999, 9999}}, {.links = {{kRA, 33}}}},
    {32, 5, kFinal, 3, 506, {.counterBonus = 1, .followUp = {10, 9999, 9999, 9999}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 33}}}},
    // Second follow-up after RA: chibata, a whipping spin from the floor that no guard stops.
    {33, 0, kChain, 4, 1008, {.sound = 3, .layer = -3, .dx = 4, .cost = 340, .counterBonus = 6},
        {}},
    {33, 1, kChain, 2, 1009, {.layer = -3, .body = {36, 2}, .counterBonus = 6}, {}},
    {33, 2, kChain, 1, 1010, {.layer = -3, .body = {36, 2}, .reach = 110, .kind = 5,
        .priority = 3, .damage = 180, .stun = 12, .knockback = 10, .effect = 4, .minRange = 90,
        .koMark = 2, .counterBonus = 10}, {}},
    {33, 3, kChain, 2, 1010, {.layer = -3, .body = {36, 2}, .counterBonus = 10}, {}},
    {33, 4, kChain, 3, 1011, {.layer = -3, .counterBonus = 4}, {}},
    {33, 5, kChain, 2, 1008, {.layer = -3, .counterBonus = 2}, {}},
    {33, 6, kFinal, 3, 506, {.counterBonus = 2, .followUp = kNoFollowUp},
        {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter14 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
