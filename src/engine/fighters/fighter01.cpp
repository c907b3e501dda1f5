// Roster number 1, karate01: a traditional karateka. Stance 0 is the long front stance: a
// snapping jab and reverse punch, long front and round kicks, a spinning back-fist that cannot
// be guarded, and the high roundhouse (back+LA+RA) as its heaviest finish. Stance 1 is the cat
// stance: quick front-leg kicks, the ridge hand (the only class-3 strike of the karate fighters),
// close elbows, knees and a lunge punch to the body, and a spinning heel kick and an axe kick
// to end a fight with.
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 1,
    .baseHealth = 1650,
    .halfWidth = {45, 45},
    .cpuAttackRange = {120, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 8, 11, 12}, {7, 11, 10, 8}},
    .cpuCloseMode = {kCloseModeUnset, 1},
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
    // LA: lead-hand jab, opening into the reverse punch and the front kick.
    {20, 0, kChain, 3, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 88, .kind = 1, .priority = 1, .damage = 36,
        .stun = 2, .knockback = 2, .effect = 1, .minRange = 85, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 106, {.layer = -1, .counterBonus = 2, .followUp = {10, 10, 8, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 105, {.layer = -1, .counterBonus = 1, .followUp = {10, 8, 11, 12}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // forward+LA: front kick to the body.
    {21, 0, kChain, 4, 107, {.sound = 3, .layer = -1, .dx = 8, .cost = 180, .counterBonus = 2}, {}},
    {21, 1, kChain, 1, 108, {.layer = -1, .reach = 78, .kind = 4, .priority = 2, .damage = 100,
        .stun = 6, .knockback = 6, .effect = 3, .minRange = 90, .counterBonus = 4}, {}},
    {21, 2, kChain, 3, 108, {.layer = -1, .counterBonus = 4, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 3, kFinal, 3, 107, {.layer = -1, .counterBonus = 2, .followUp = {10, 12, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kBackRA, 25}}}},
    // back+LA: turning back kick.
    {22, 0, kChain, 4, 109, {.sound = 1, .layer = -2, .cost = 450, .counterBonus = 4}, {}},
    {22, 1, kChain, 1, 110, {.sound = 3, .layer = -2, .reach = 83, .kind = 4, .priority = 3,
        .damage = 220, .stun = 10, .knockback = 10, .effect = 2, .koMark = 1, .counterBonus = 6},
        {}},
    {22, 2, kChain, 3, 110, {.layer = -2, .counterBonus = 6}, {}},
    {22, 3, kChain, 3, 109, {.layer = -2, .counterBonus = 2}, {}},
    {22, 4, kFinal, 4, 111, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // RA: reverse punch.
    {23, 0, kChain, 4, 200, {.sound = 2, .layer = -2, .dx = 8, .cost = 170, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 201, {.layer = -2, .reach = 93, .kind = 1, .priority = 1, .damage = 96,
        .stun = 4, .knockback = 4, .effect = 1, .minRange = 95, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 201, {.layer = -2, .counterBonus = 2, .followUp = {8, 11, 12, 14}},
        {.links = {{kFwdLA, 21}, {kFwdRA, 24}, {kBackRA, 25}, {kFwdLARA, 27}}}},
    {23, 3, kFinal, 3, 200, {.layer = -2, .counterBonus = 1, .followUp = {8, 12, 13, 15}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kFwdRA, 24}, {kBackRA, 25}, {kLARA, 26},
        {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+RA: spinning back-fist; no guard stops it.
    {24, 0, kChain, 3, 202, {.sound = 1, .layer = -3, .dx = 8, .cost = 360, .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 203, {.layer = -3, .dx = 8, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 204, {.layer = -3, .reach = 83, .kind = 5, .priority = 3, .damage = 280,
        .stun = 8, .effect = 2, .minRange = 80, .koMark = 1, .counterBonus = 6}, {}},
    {24, 3, kChain, 3, 204, {.layer = -3, .counterBonus = 6}, {}},
    {24, 4, kFinal, 4, 202, {.layer = -3, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+RA: roundhouse kick to the body, opening into the reverse punch.
    {25, 0, kChain, 4, 205, {.sound = 3, .layer = -3, .dx = 8, .cost = 380, .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 206, {.layer = -3, .reach = 93, .kind = 4, .priority = 3, .damage = 220,
        .stun = 10, .knockback = 4, .effect = 2, .minRange = 92, .counterBonus = 6}, {}},
    {25, 2, kChain, 2, 206, {.layer = -3, .counterBonus = 6}, {}},
    {25, 3, kChain, 3, 205, {.layer = -3, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kRA, 23}}}},
    {25, 4, kFinal, 3, 207, {.layer = -3, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}}}},
    // LA+RA: low foot sweep from a crouch that high strikes pass over.
    {26, 0, kChain, 4, 208, {.sound = 1, .layer = -2, .dy = 4, .cost = 270, .body = {36, 2},
        .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 209, {.layer = -2, .dy = 4, .body = {36, 2}, .reach = 62, .kind = 4,
        .priority = 2, .damage = 180, .stun = 12, .knockback = 8, .effect = 3, .counterBonus = 6},
        {}},
    {26, 2, kChain, 3, 209, {.layer = -2, .dy = 4, .body = {36, 2}, .counterBonus = 6,
        .followUp = {10, 10, 0, 0}}, {.links = {{kRA, 23}}}},
    {26, 3, kChain, 2, 208, {.layer = -2, .dy = 4, .body = {36, 2}, .counterBonus = 2}, {}},
    {26, 4, kFinal, 3, 210, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // forward+LA+RA: jumping front kick; low strikes cannot touch it in the air.
    {27, 0, kChain, 3, 211, {.sound = 1, .layer = -3, .dx = 8, .cost = 410, .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 300, {.sound = 3, .layer = -3, .dx = 12, .dy = -8, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 301, {.layer = -3, .dx = 4, .dy = -12, .body = {36, 4}, .reach = 73,
        .kind = 2, .priority = 3, .damage = 240, .stun = 10, .knockback = 6, .effect = 2,
        .koMark = 1, .counterBonus = 10}, {}},
    {27, 3, kChain, 3, 300, {.layer = -3, .dy = -8, .body = {36, 4}, .counterBonus = 10}, {}},
    {27, 4, kFinal, 4, 211, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: high roundhouse kick, the heaviest blow of the stance.
    {28, 0, kChain, 4, 302, {.sound = 1, .layer = -3, .cost = 500, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 303, {.sound = 3, .layer = -3, .dx = 8, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 304, {.layer = -3, .reach = 88, .kind = 1, .priority = 4, .damage = 320,
        .stun = 12, .knockback = 10, .effect = 2, .minRange = 80, .koMark = 1, .counterBonus = 10},
        {}},
    {28, 3, kChain, 3, 304, {.layer = -3, .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 303, {.layer = -3, .counterBonus = 4}, {}},
    {28, 5, kFinal, 5, 302, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 305, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 509, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 509, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 510, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 510, {}, {kGuardSet}},
    {17, 0, kChain, 1, 305, {}, {kStepSet}},
    {17, 1, kChain, 2, 306, {.dx = 16}, {kStepSet}},
    {17, 2, kFinal, 2, 306, {}, {kStepSet}},
    {18, 0, kChain, 1, 305, {}, {kStepSet}},
    {18, 1, kChain, 2, 511, {.dx = -14}, {kStepSet}},
    {18, 2, kFinal, 2, 511, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 305, {.sound = 4, .dy = -4}, {}},
    // LA: front-leg snap kick.
    {20, 0, kChain, 3, 307, {.sound = 3, .layer = -1, .dx = 8, .cost = 200, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 308, {.layer = -1, .reach = 83, .kind = 4, .priority = 1, .damage = 90,
        .stun = 4, .knockback = 2, .effect = 1, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 308, {.layer = -1, .counterBonus = 2, .followUp = {8, 10, 8, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 307, {.layer = -1, .counterBonus = 1, .followUp = {8, 10, 11, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kRA, 23}, {kFwdRA, 24}}}},
    // forward+LA: ridge hand to the temple.
    {21, 0, kChain, 4, 309, {.sound = 2, .layer = -1, .dx = 8, .cost = 300, .counterBonus = 4}, {}},
    {21, 1, kChain, 1, 310, {.layer = -1, .reach = 83, .kind = 3, .priority = 2, .damage = 128,
        .stun = 6, .knockback = 4, .effect = 3, .minRange = 95, .counterBonus = 6}, {}},
    {21, 2, kChain, 2, 310, {.layer = -1, .counterBonus = 6, .followUp = {10, 12, 0, 0}},
        {.links = {{kRA, 23}, {kBackRA, 25}}}},
    {21, 3, kChain, 2, 311, {.layer = -1, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kRA, 23}}}},
    {21, 4, kFinal, 3, 309, {.layer = -1, .counterBonus = 2, .followUp = {10, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}}}},
    // back+LA: spinning heel kick to the head.
    {22, 0, kChain, 3, 400, {.sound = 1, .layer = -3, .cost = 480, .counterBonus = 6}, {}},
    {22, 1, kChain, 2, 401, {.sound = 3, .layer = -3, .dx = 8, .body = {36, 3},
        .counterBonus = 6}, {}},
    {22, 2, kChain, 1, 402, {.layer = -3, .reach = 93, .kind = 2, .priority = 3, .damage = 300,
        .stun = 12, .knockback = 8, .effect = 2, .minRange = 85, .koMark = 2, .counterBonus = 10},
        {}},
    {22, 3, kChain, 2, 402, {.layer = -3, .counterBonus = 10}, {}},
    {22, 4, kChain, 2, 401, {.layer = -3, .body = {36, 3}, .counterBonus = 4}, {}},
    {22, 5, kChain, 2, 403, {.layer = -3, .counterBonus = 4}, {}},
    {22, 6, kFinal, 4, 403, {.counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // RA: stamping side kick.
    {23, 0, kChain, 4, 404, {.sound = 3, .layer = -2, .dx = 8, .cost = 200, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 405, {.layer = -2, .reach = 83, .kind = 4, .priority = 2, .damage = 120,
        .stun = 6, .knockback = 8, .effect = 1, .counterBonus = 2}, {}},
    {23, 2, kChain, 2, 405, {.layer = -2, .counterBonus = 2, .followUp = {8, 12, 14, 0}},
        {.links = {{kFwdLA, 21}, {kBackRA, 25}, {kFwdLARA, 27}}}},
    {23, 3, kFinal, 3, 404, {.layer = -2, .counterBonus = 1, .followUp = {8, 12, 13, 14}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackRA, 25}, {kLARA, 26},
        {kFwdLARA, 27}}}},
    // forward+RA: skipping side kick.
    {24, 0, kChain, 3, 406, {.sound = 1, .layer = -3, .dx = 12, .cost = 280, .counterBonus = 4}, {}},
    {24, 1, kChain, 1, 407, {.sound = 3, .layer = -3, .dx = 8, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 408, {.layer = -3, .reach = 93, .kind = 4, .priority = 2, .damage = 172,
        .stun = 8, .knockback = 10, .effect = 3, .minRange = 85, .counterBonus = 6}, {}},
    {24, 3, kChain, 3, 408, {.layer = -3, .counterBonus = 6}, {}},
    {24, 4, kFinal, 4, 407, {.layer = -3, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+RA: rising knee at close range, opening into the elbow.
    {25, 0, kChain, 4, 409, {.sound = 1, .layer = -1, .dx = 8, .cost = 350, .counterBonus = 4}, {}},
    {25, 1, kChain, 1, 410, {.layer = -1, .reach = 62, .kind = 7, .priority = 2, .damage = 200,
        .stun = 10, .knockback = 6, .effect = 3, .counterBonus = 6}, {}},
    {25, 2, kChain, 2, 410, {.layer = -1, .counterBonus = 6, .followUp = {13, 0, 0, 0}},
        {.links = {{kLARA, 26}}}},
    {25, 3, kChain, 2, 409, {.layer = -1, .counterBonus = 2}, {}},
    {25, 4, kFinal, 3, 411, {.layer = -1, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // LA+RA: rising elbow.
    {26, 0, kChain, 3, 500, {.sound = 2, .layer = -1, .dx = 8, .cost = 240, .counterBonus = 2}, {}},
    {26, 1, kChain, 1, 501, {.layer = -1, .reach = 64, .kind = 2, .priority = 2, .damage = 128,
        .stun = 8, .knockback = 2, .effect = 3, .counterBonus = 6}, {}},
    {26, 2, kChain, 2, 501, {.layer = -1, .counterBonus = 6, .followUp = {12, 14, 0, 0}},
        {.links = {{kBackRA, 25}, {kFwdLARA, 27}}}},
    {26, 3, kFinal, 3, 500, {.layer = -1, .counterBonus = 2, .followUp = {12, 14, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackRA, 25}, {kFwdLARA, 27}}}},
    // forward+LA+RA: lunge punch to the body.
    {27, 0, kChain, 2, 502, {.sound = 1, .layer = -2, .dx = 8, .cost = 340, .counterBonus = 4}, {}},
    {27, 1, kChain, 2, 503, {.sound = 2, .layer = -2, .dx = 12, .counterBonus = 4}, {}},
    {27, 2, kChain, 1, 504, {.layer = -2, .reach = 65, .kind = 7, .priority = 3, .damage = 240,
        .stun = 10, .knockback = 10, .effect = 2, .koMark = 2, .counterBonus = 6}, {}},
    {27, 3, kChain, 3, 504, {.layer = -2, .counterBonus = 6}, {}},
    {27, 4, kFinal, 4, 505, {.layer = -2, .counterBonus = 2}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: axe kick.
    {28, 0, kChain, 3, 506, {.sound = 3, .layer = -3, .cost = 400, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 507, {.layer = -3, .dx = 8, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 508, {.layer = -3, .reach = 85, .kind = 2, .priority = 3, .damage = 280,
        .stun = 12, .knockback = 4, .effect = 2, .koMark = 2, .counterBonus = 10}, {}},
    {28, 3, kChain, 3, 508, {.layer = -3, .counterBonus = 10}, {}},
    {28, 4, kFinal, 4, 506, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter01 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
