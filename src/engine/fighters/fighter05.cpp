// Roster number 5, kick01: a kickboxer who fights at the end of his legs. Stance 0 is the
// orthodox stance of long round kicks and low kicks (reaching up to 103), a push kick, a
// superman punch and a spinning back kick; stance 1 is the southpaw stance, closer in, with
// knees, an elbow and a spinning back fist, but also a spinning heel kick, a flying kick and an
// axe kick. Both stances step wide (24 forward, 20 back).
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 5,
    .baseHealth = 1500,
    .halfWidth = {48, 45},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {220, 220},
    .cpuAttacks = {{7, 8, 11, 12}, {7, 8, 12, 13}},
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
    {17, 1, kChain, 2, 103, {.dx = 24}, {kStepSet}},
    {17, 2, kFinal, 2, 103, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -20}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: jab.
    {20, 0, kChain, 3, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 98, .kind = 1, .priority = 1, .damage = 24,
        .stun = 3, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 106, {.layer = -1, .counterBonus = 2, .followUp = {10, 10, 8, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 105, {.layer = -1, .counterBonus = 1, .followUp = {8, 11, 10, 12}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}, {kFwdRA, 24},
        {kBackRA, 25}, {kLARA, 26}}}},
    // forward+LA: lead round kick to the body, which no guard stops.
    {21, 0, kChain, 2, 107, {.sound = 3, .layer = -3, .dx = 8, .cost = 220, .counterBonus = 4}, {}},
    {21, 1, kChain, 1, 108, {.layer = -3, .dx = 8, .counterBonus = 4}, {}},
    {21, 2, kChain, 1, 109, {.layer = -3, .reach = 78, .kind = 5, .priority = 2, .damage = 200,
        .stun = 20, .knockback = 2, .effect = 2, .counterBonus = 6}, {}},
    {21, 3, kChain, 3, 109, {.layer = -3, .counterBonus = 6, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 4, kFinal, 4, 108, {.layer = -3, .counterBonus = 2, .followUp = {10, 12, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackRA, 25}}}},
    // back+LA: lead low kick.
    {22, 0, kChain, 3, 110, {.sound = 3, .layer = -3, .cost = 380, .counterBonus = 4}, {}},
    {22, 1, kChain, 1, 111, {.layer = -3, .dx = 6, .counterBonus = 4}, {}},
    {22, 2, kChain, 1, 200, {.layer = -3, .reach = 98, .kind = 4, .priority = 2, .damage = 220,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 88, .counterBonus = 6}, {}},
    {22, 3, kChain, 3, 200, {.layer = -3, .counterBonus = 6}, {}},
    {22, 4, kChain, 3, 111, {.layer = -3, .counterBonus = 2, .followUp = {11, 10, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {22, 5, kFinal, 4, 110, {.layer = -3, .counterBonus = 2, .followUp = {11, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}}}},
    // RA: cross.
    {23, 0, kChain, 4, 201, {.sound = 2, .layer = -2, .dx = 8, .cost = 170, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 202, {.layer = -2, .reach = 98, .kind = 1, .priority = 1, .damage = 72,
        .stun = 3, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 202, {.layer = -2, .counterBonus = 2, .followUp = {8, 11, 12, 0}},
        {.links = {{kFwdLA, 21}, {kBackLA, 22}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {23, 3, kFinal, 3, 201, {.layer = -2, .counterBonus = 1, .followUp = {8, 11, 12, 14}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kFwdRA, 24},
        {kBackRA, 25}, {kFwdLARA, 27}}}},
    // forward+RA: rear high round kick.
    {24, 0, kChain, 3, 203, {.sound = 3, .layer = -3, .dx = 8, .cost = 320, .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 204, {.layer = -3, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 205, {.layer = -3, .reach = 98, .kind = 5, .priority = 3, .damage = 260,
        .stun = 20, .effect = 2, .minRange = 80, .koMark = 1, .counterBonus = 6}, {}},
    {24, 3, kChain, 2, 205, {.layer = -3, .counterBonus = 6}, {}},
    {24, 4, kChain, 3, 204, {.layer = -3, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kLA, 20}}}},
    {24, 5, kFinal, 4, 203, {.layer = -3, .counterBonus = 2, .followUp = {7, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}}}},
    // back+RA: rear low kick, the longest reach.
    {25, 0, kChain, 3, 206, {.sound = 3, .layer = -3, .dx = 8, .cost = 340, .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 207, {.layer = -3, .counterBonus = 4}, {}},
    {25, 2, kChain, 1, 208, {.layer = -3, .reach = 103, .kind = 4, .priority = 3, .damage = 228,
        .stun = 10, .knockback = 6, .effect = 2, .minRange = 85, .counterBonus = 6}, {}},
    {25, 3, kChain, 3, 208, {.layer = -3, .counterBonus = 6}, {}},
    {25, 4, kChain, 3, 207, {.layer = -3, .counterBonus = 2, .followUp = {7, 8, 0, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}}}},
    {25, 5, kFinal, 4, 206, {.layer = -3, .counterBonus = 2, .followUp = {7, 8, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}}}},
    // LA+RA: push kick to the thigh that shoves the opponent away.
    {26, 0, kChain, 4, 209, {.sound = 3, .layer = -2, .cost = 270, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 210, {.layer = -2, .reach = 80, .kind = 4, .priority = 2, .damage = 180,
        .stun = 12, .knockback = 10, .effect = 3, .counterBonus = 6}, {}},
    {26, 2, kChain, 3, 210, {.layer = -2, .counterBonus = 6, .followUp = {11, 10, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {26, 3, kChain, 2, 209, {.layer = -2, .counterBonus = 2, .followUp = {11, 10, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {26, 4, kFinal, 3, 211, {.layer = -2, .dx = 4, .counterBonus = 2},
        {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: superman punch; in the air only kicks can touch him.
    {27, 0, kChain, 3, 300, {.sound = 1, .layer = -1, .dx = 8, .cost = 440, .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 301, {.layer = -1, .dx = 16, .dy = -10, .body = {36, 4}, .counterBonus = 6},
        {}},
    {27, 2, kChain, 1, 302, {.layer = -1, .dx = 8, .dy = -8, .body = {36, 4}, .reach = 76,
        .kind = 1, .priority = 3, .damage = 240, .stun = 10, .knockback = 4, .effect = 2,
        .koMark = 1, .counterBonus = 10}, {}},
    {27, 3, kChain, 2, 302, {.layer = -1, .dy = -4, .body = {36, 4}, .counterBonus = 10}, {}},
    {27, 4, kChain, 3, 303, {.layer = -1, .counterBonus = 4}, {}},
    {27, 5, kFinal, 4, 300, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: spinning back kick.
    {28, 0, kChain, 3, 304, {.sound = 1, .layer = -1, .cost = 420, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 305, {.layer = -1, .body = {36, 3}, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 306, {.sound = 3, .layer = -1, .dx = 6, .body = {36, 3}, .counterBonus = 6},
        {}},
    {28, 3, kChain, 1, 307, {.layer = -1, .dx = 4, .reach = 88, .kind = 2, .priority = 3,
        .damage = 240, .stun = 10, .knockback = 8, .effect = 2, .minRange = 80, .koMark = 1,
        .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 307, {.layer = -1, .counterBonus = 10}, {}},
    {28, 5, kChain, 3, 306, {.layer = -1, .counterBonus = 4}, {}},
    {28, 6, kFinal, 4, 304, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 308, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 101, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 101, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 102, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 102, {}, {kGuardSet}},
    {17, 0, kChain, 1, 308, {}, {kStepSet}},
    {17, 1, kChain, 2, 309, {.dx = 24}, {kStepSet}},
    {17, 2, kFinal, 2, 309, {}, {kStepSet}},
    {18, 0, kChain, 1, 308, {}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -20}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 308, {.sound = 4, .dy = -4}, {}},
    // LA: jab.
    {20, 0, kChain, 3, 310, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 311, {.layer = -1, .reach = 98, .kind = 1, .priority = 1, .damage = 28,
        .stun = 3, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 311, {.layer = -1, .counterBonus = 2, .followUp = {10, 8, 10, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 310, {.layer = -1, .counterBonus = 1, .followUp = {10, 12, 13, 8}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}, {kBackRA, 25},
        {kLARA, 26}}}},
    // forward+LA: stepping knee to the thigh.
    {21, 0, kChain, 3, 400, {.sound = 1, .layer = -1, .dx = 16, .cost = 200, .counterBonus = 2},
        {}},
    {21, 1, kChain, 1, 401, {.layer = -1, .reach = 68, .kind = 4, .priority = 2, .damage = 88,
        .stun = 6, .knockback = 2, .effect = 1, .counterBonus = 4}, {}},
    {21, 2, kChain, 3, 401, {.layer = -1, .counterBonus = 4, .followUp = {9, 11, 12, 0}},
        {.links = {{kBackLA, 22}, {kFwdRA, 24}, {kBackRA, 25}}}},
    {21, 3, kFinal, 4, 400, {.layer = -1, .counterBonus = 2, .followUp = {9, 11, 12, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // back+LA: elbow.
    {22, 0, kChain, 3, 402, {.sound = 1, .layer = -1, .dx = 16, .cost = 240, .counterBonus = 2},
        {}},
    {22, 1, kChain, 1, 403, {.layer = -1, .reach = 68, .kind = 1, .priority = 2, .damage = 72,
        .stun = 6, .knockback = 2, .effect = 3, .counterBonus = 4}, {}},
    {22, 2, kChain, 2, 403, {.layer = -1, .counterBonus = 4, .followUp = {11, 11, 0, 0}},
        {.links = {{kFwdRA, 24}}}},
    {22, 3, kChain, 2, 404, {.layer = -1, .counterBonus = 2, .followUp = {11, 14, 0, 0}},
        {.links = {{kFwdRA, 24}, {kFwdLARA, 27}}}},
    {22, 4, kFinal, 3, 402, {.layer = -1, .counterBonus = 2, .followUp = {11, 14, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}, {kFwdLARA, 27}}}},
    // RA: rear straight.
    {23, 0, kChain, 4, 405, {.sound = 2, .layer = -2, .dx = 8, .cost = 170, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 406, {.layer = -2, .reach = 88, .kind = 1, .priority = 1, .damage = 72,
        .stun = 3, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 406, {.layer = -2, .counterBonus = 2, .followUp = {7, 8, 13, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}, {kLARA, 26}}}},
    {23, 3, kFinal, 3, 405, {.layer = -2, .counterBonus = 1, .followUp = {8, 13, 12, 7}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kBackRA, 25}, {kLARA, 26}}}},
    // forward+RA: knee to the body out of the clinch; it can be repeated.
    {24, 0, kChain, 3, 407, {.sound = 1, .layer = -2, .dx = 16, .cost = 280, .counterBonus = 4},
        {}},
    {24, 1, kChain, 1, 408, {.layer = -2, .reach = 68, .kind = 7, .priority = 2, .damage = 88,
        .stun = 10, .knockback = 2, .effect = 3, .counterBonus = 6}, {}},
    {24, 2, kChain, 3, 408, {.layer = -2, .counterBonus = 6, .followUp = {11, 9, 0, 0}},
        {.links = {{kBackLA, 22}, {kFwdRA, 24}}}},
    {24, 3, kChain, 2, 407, {.layer = -2, .counterBonus = 2, .followUp = {9, 0, 0, 0}},
        {.links = {{kBackLA, 22}}}},
    {24, 4, kFinal, 3, 308, {.layer = -2, .counterBonus = 2, .followUp = {9, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}}}},
    // back+RA: spinning back fist.
    {25, 0, kChain, 2, 409, {.sound = 1, .layer = -2, .cost = 330, .counterBonus = 4}, {}},
    {25, 1, kChain, 2, 410, {.layer = -2, .dx = 6, .body = {36, 3}, .counterBonus = 4}, {}},
    {25, 2, kChain, 1, 411, {.layer = -2, .dx = 4, .reach = 93, .kind = 1, .priority = 3,
        .damage = 128, .stun = 8, .knockback = 6, .effect = 3, .minRange = 85, .counterBonus = 6},
        {}},
    {25, 3, kChain, 2, 411, {.layer = -2, .counterBonus = 6}, {}},
    {25, 4, kChain, 3, 410, {.layer = -2, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {25, 5, kFinal, 3, 409, {.layer = -2, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
    // LA+RA: spinning heel kick, which no guard stops.
    {26, 0, kChain, 2, 500, {.sound = 1, .layer = -1, .cost = 350, .counterBonus = 6}, {}},
    {26, 1, kChain, 2, 501, {.sound = 3, .layer = -1, .dx = 6, .body = {36, 3}, .counterBonus = 6},
        {}},
    {26, 2, kChain, 1, 502, {.layer = -1, .reach = 98, .kind = 5, .priority = 3, .damage = 240,
        .stun = 10, .effect = 2, .minRange = 80, .koMark = 2, .counterBonus = 10}, {}},
    {26, 3, kChain, 2, 502, {.layer = -1, .counterBonus = 10}, {}},
    {26, 4, kChain, 3, 501, {.layer = -1, .counterBonus = 4}, {}},
    {26, 5, kFinal, 4, 500, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: flying kick.
    {27, 0, kChain, 3, 503, {.sound = 1, .layer = 2, .dx = 4, .cost = 380, .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 504, {.sound = 3, .layer = 2, .dx = 14, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 505, {.layer = 2, .dx = 10, .dy = -12, .body = {36, 4}, .reach = 88,
        .kind = 4, .priority = 3, .damage = 220, .stun = 10, .effect = 2, .minRange = 80,
        .koMark = 2, .counterBonus = 10}, {}},
    {27, 3, kChain, 2, 505, {.layer = 2, .dx = 4, .dy = -8, .body = {36, 4}, .counterBonus = 10},
        {}},
    {27, 4, kChain, 2, 504, {.layer = 2, .dy = -4, .body = {36, 4}, .counterBonus = 6}, {}},
    {27, 5, kChain, 3, 506, {.layer = 2, .counterBonus = 4}, {}},
    {27, 6, kFinal, 4, 503, {.layer = 2, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: axe kick.
    {28, 0, kChain, 2, 507, {.sound = 1, .layer = -3, .cost = 350, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 508, {.layer = -3, .dx = 6, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 508, {.sound = 3, .layer = -3, .dy = -4, .counterBonus = 6}, {}},
    {28, 3, kChain, 1, 509, {.layer = -3, .reach = 98, .kind = 2, .priority = 3, .damage = 200,
        .stun = 12, .knockback = 4, .effect = 2, .minRange = 90, .koMark = 2, .counterBonus = 10},
        {}},
    {28, 4, kChain, 3, 509, {.layer = -3, .counterBonus = 10}, {}},
    {28, 5, kChain, 3, 510, {.layer = -3, .counterBonus = 4}, {}},
    {28, 6, kFinal, 4, 507, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter05 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
