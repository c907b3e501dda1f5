// Roster number 15, qirune: the hidden master of the tournament. He has no second style: both
// stances are the same table with the same pictures, and only the low crouch at the end of his
// whirling palms (back+RA) differs, a crouch that high strikes pass over in stance 0 and that
// every strike finds in stance 1. He breathes in a slow three-frame stand, strikes from far
// (a palm reaching 160) and spends his stamina on costly stunning techniques that open into
// cheap follow-ups, ending with a heavy finishing palm.
#include <array>

#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 15,
    .baseHealth = 2000,
    .halfWidth = {45, 45},
    .cpuAttackRange = {200, 100},
    .cpuKeepAway = {400, 200},
    .cpuAttacks = {{9, 12, 14, 15}, {7, 8, 11, 14}},
    .cpuCloseMode = {1, kCloseModeUnset},
};

// clang-format off
// motion, frame, form, duration, image, {values}, {transitions}
constexpr FrameRow kStance0[] = {
    // A breathing stand: three frames, each answering every command.
    {14, 0, kChain, 6, 100, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {14, 1, kChain, 6, 101, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {14, 2, kFinal, 6, 102, {.reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 103, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 103, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 104, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 104, {}, {kGuardSet}},
    {17, 0, kChain, 1, 100, {}, {kStepSet}},
    {17, 1, kChain, 2, 105, {.dx = 22}, {kStepSet}},
    {17, 2, kFinal, 2, 105, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {}, {kStepSet}},
    {18, 1, kChain, 2, 106, {.dx = -18}, {kStepSet}},
    {18, 2, kFinal, 2, 106, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4}, {}},
    // LA: long straight palm.
    {20, 0, kChain, 2, 107, {.sound = 2, .layer = -1, .dx = 8, .cost = 240, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 108, {.layer = -1, .reach = 125, .kind = 1, .priority = 2, .damage = 80,
        .stun = 4, .knockback = 4, .effect = 1, .minRange = 90, .counterBonus = 2}, {}},
    {20, 2, kChain, 2, 108, {.layer = -1, .counterBonus = 2, .followUp = {10, 11, 10, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}}}},
    {20, 3, kChain, 2, 109, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, 13, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    {20, 4, kFinal, 3, 107, {.layer = -1, .counterBonus = 1, .followUp = {10, 11, 13, 15}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLA, 22}, {kRA, 23}, {kFwdRA, 24},
        {kBackRA, 25}, {kLARA, 26}, {kFwdLARA, 27}, {kBackLARA, 28}}}},
    // forward+LA: two elbows at close quarters, one from each side.
    {21, 0, kChain, 3, 110, {.sound = 2, .layer = -1, .dx = 12, .cost = 260, .counterBonus = 2},
        {}},
    {21, 1, kChain, 1, 111, {.layer = -1, .dx = 4, .reach = 60, .kind = 7, .priority = 2,
        .damage = 100, .stun = 6, .knockback = 2, .effect = 3, .counterBonus = 4}, {}},
    {21, 2, kChain, 2, 200, {.sound = 2, .layer = -1, .dx = 4, .counterBonus = 4}, {}},
    {21, 3, kChain, 1, 201, {.layer = -1, .reach = 65, .kind = 7, .priority = 2, .damage = 120,
        .stun = 8, .knockback = 8, .effect = 3, .counterBonus = 4}, {}},
    {21, 4, kChain, 3, 201, {.layer = -1, .counterBonus = 4, .followUp = {10, 13, 0, 0}},
        {.links = {{kRA, 23}, {kLARA, 26}}}},
    {21, 5, kFinal, 4, 110, {.layer = -1, .counterBonus = 2, .followUp = {10, 13, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kLARA, 26}}}},
    // back+LA: gathered palm strike; little damage but a long stagger, then a cheap follow-up.
    {22, 0, kChain, 3, 202, {.sound = 1, .layer = 1, .cost = 800, .body = {36, 0},
        .counterBonus = 2}, {}},
    {22, 1, kChain, 4, 203, {.layer = 1, .body = {36, 0}, .counterBonus = 2}, {}},
    {22, 2, kChain, 2, 204, {.layer = -2, .dx = 16, .counterBonus = 4}, {}},
    {22, 3, kChain, 1, 205, {.layer = -2, .dx = 4, .reach = 100, .kind = 4, .priority = 4,
        .damage = 48, .stun = 40, .knockback = 2, .effect = 4, .counterBonus = 6}, {}},
    {22, 4, kChain, 2, 205, {.layer = -2, .counterBonus = 6, .followUp = {10, 11, 13, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    {22, 5, kChain, 3, 206, {.layer = -2, .counterBonus = 2, .followUp = {10, 11, 13, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    {22, 6, kChain, 3, 206, {.layer = -2, .counterBonus = 2, .followUp = {11, 13, 10, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    {22, 7, kFinal, 4, 202, {.layer = -2, .counterBonus = 2, .followUp = {11, 13, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    // RA: lunging palm from far away.
    {23, 0, kChain, 3, 207, {.sound = 1, .layer = -2, .dx = 8, .cost = 200, .counterBonus = 2}, {}},
    {23, 1, kChain, 2, 208, {.layer = -2, .dx = 8, .counterBonus = 4}, {}},
    {23, 2, kChain, 1, 209, {.layer = -2, .reach = 160, .kind = 4, .priority = 2, .damage = 100,
        .stun = 8, .knockback = 12, .effect = 2, .minRange = 100, .counterBonus = 4}, {}},
    {23, 3, kChain, 2, 209, {.layer = -2, .counterBonus = 4, .followUp = {11, 15, 0, 0}},
        {.links = {{kFwdRA, 24}, {kBackLARA, 28}}}},
    {23, 4, kChain, 3, 208, {.layer = -2, .counterBonus = 2, .followUp = {11, 15, 0, 0}},
        {.links = {{kFwdRA, 24}, {kBackLARA, 28}}}},
    {23, 5, kFinal, 3, 207, {.layer = -2, .counterBonus = 1, .followUp = {11, 15, 7, kNoValue}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdRA, 24}, {kBackLARA, 28}}}},
    // forward+RA: hammering fist brought down from above.
    {24, 0, kChain, 3, 210, {.sound = 1, .layer = -3, .dx = 8, .cost = 200, .counterBonus = 4}, {}},
    {24, 1, kChain, 2, 211, {.layer = -3, .dy = -4, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 300, {.layer = -3, .reach = 115, .kind = 7, .priority = 3, .damage = 180,
        .stun = 10, .knockback = 6, .effect = 3, .minRange = 80, .koMark = 2, .counterBonus = 6},
        {}},
    {24, 3, kChain, 3, 300, {.layer = -3, .counterBonus = 6, .followUp = {13, 15, 0, 0}},
        {.links = {{kLARA, 26}, {kBackLARA, 28}}}},
    {24, 4, kFinal, 4, 210, {.layer = -3, .counterBonus = 2, .followUp = {13, 15, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLARA, 26}, {kBackLARA, 28}}}},
    // back+RA: whirling palms, untouchable while turning, dropping into a low crouch (frame 6).
    {25, 0, kChain, 2, 301, {.sound = 1, .layer = 1, .cost = 800, .body = {36, 0},
        .counterBonus = 2}, {}},
    {25, 1, kChain, 2, 302, {.sound = 1, .layer = 1, .dx = 6, .body = {36, 0}, .counterBonus = 2},
        {}},
    {25, 2, kChain, 2, 303, {.layer = 1, .dx = 6, .body = {36, 0}, .counterBonus = 2}, {}},
    {25, 3, kChain, 1, 304, {.layer = -2, .reach = 105, .kind = 1, .priority = 4, .damage = 48,
        .stun = 28, .knockback = 4, .effect = 4, .counterBonus = 6}, {}},
    {25, 4, kChain, 2, 304, {.layer = -2, .counterBonus = 6}, {}},
    {25, 5, kChain, 2, 305, {.layer = -2, .counterBonus = 4, .followUp = {10, 11, 0, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    {25, 6, kChain, 3, 306, {.layer = -2, .dy = 8, .body = {36, 2}, .counterBonus = 2,
        .followUp = {10, 11, 13, 0}}, {.links = {{kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    {25, 7, kChain, 2, 307, {.layer = -2, .dy = 4, .counterBonus = 2, .followUp = {10, 11, 13, 0}},
        {.links = {{kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    {25, 8, kFinal, 3, 301, {.layer = -2, .counterBonus = 1, .followUp = {10, 13, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kFwdRA, 24}, {kLARA, 26}}}},
    // LA+RA: low sweeping palm.
    {26, 0, kChain, 3, 308, {.sound = 1, .layer = -2, .dx = 8, .cost = 200, .counterBonus = 2}, {}},
    {26, 1, kChain, 2, 309, {.layer = -2, .dx = 4, .counterBonus = 4}, {}},
    {26, 2, kChain, 1, 310, {.layer = -2, .reach = 120, .kind = 4, .priority = 2, .damage = 120,
        .stun = 8, .knockback = 8, .effect = 1, .minRange = 85, .counterBonus = 4}, {}},
    {26, 3, kChain, 2, 310, {.layer = -2, .counterBonus = 4, .followUp = {15, 8, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackLARA, 28}}}},
    {26, 4, kChain, 3, 309, {.layer = -2, .counterBonus = 2, .followUp = {15, 8, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackLARA, 28}}}},
    {26, 5, kFinal, 3, 308, {.layer = -2, .counterBonus = 1, .followUp = {15, 8, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackLARA, 28}}}},
    // forward+LA+RA: leaping double kick that no guard stops; the second kick staggers.
    {27, 0, kChain, 3, 311, {.sound = 1, .layer = -3, .cost = 800, .body = {36, 0},
        .counterBonus = 4}, {}},
    {27, 1, kChain, 2, 400, {.sound = 3, .layer = -3, .dx = 16, .dy = -12, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 401, {.layer = -3, .dx = 4, .dy = -16, .body = {36, 4}, .reach = 85,
        .kind = 5, .priority = 4, .damage = 48, .stun = 16, .knockback = 4, .effect = 2,
        .counterBonus = 8}, {}},
    {27, 3, kChain, 1, 400, {.layer = -3, .dy = -16, .body = {36, 4}, .counterBonus = 8}, {}},
    {27, 4, kChain, 1, 402, {.layer = -3, .dy = -12, .body = {36, 4}, .reach = 90, .kind = 5,
        .priority = 4, .damage = 96, .stun = 30, .knockback = 12, .effect = 4, .counterBonus = 8},
        {}},
    {27, 5, kChain, 3, 403, {.layer = -3, .counterBonus = 4, .followUp = {13, 11, 0, 0}},
        {.links = {{kFwdRA, 24}, {kLARA, 26}}}},
    {27, 6, kChain, 2, 403, {.layer = -3, .counterBonus = 2, .followUp = {13, 11, 0, 0}},
        {.links = {{kFwdRA, 24}, {kLARA, 26}}}},
    {27, 7, kFinal, 4, 311, {.layer = -3, .counterBonus = 2, .followUp = {13, 11, kNoValue, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdRA, 24}, {kLARA, 26}}}},
    // back+LA+RA: the finishing palm, slow to gather and heavy.
    {28, 0, kChain, 4, 404, {.sound = 1, .layer = -1, .cost = 400, .counterBonus = 6}, {}},
    {28, 1, kChain, 4, 405, {.layer = -1, .body = {36, 0}, .counterBonus = 6}, {}},
    {28, 2, kChain, 2, 406, {.sound = 2, .layer = -1, .dx = 16, .counterBonus = 8}, {}},
    {28, 3, kChain, 1, 407, {.layer = -1, .dx = 4, .reach = 125, .kind = 1, .priority = 4,
        .damage = 400, .stun = 14, .knockback = 16, .effect = 4, .minRange = 90, .koMark = 1,
        .counterBonus = 10}, {}},
    {28, 4, kChain, 3, 407, {.layer = -1, .counterBonus = 10}, {}},
    {28, 5, kChain, 3, 408, {.layer = -1, .counterBonus = 4}, {}},
    {28, 6, kChain, 3, 409, {.layer = -1, .counterBonus = 4}, {}},
    {28, 7, kFinal, 5, 404, {.layer = -1, .counterBonus = 4}, {}},
};
// clang-format on

// Stance 1: the stance-0 table, except that the crouch after the whirling palms can be struck
// high as well as low.
constexpr auto kStance1 = [] {
    auto rows = std::to_array(kStance0);
    for (FrameRow& row : rows)
        if (row.motion == 25 && row.frame == 6) row.values.body.type = 1;
    return rows;
}();

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

const RosterEntry kFighter15 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
