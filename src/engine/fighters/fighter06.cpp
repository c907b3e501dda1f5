// Roster number 6, hakkyokuken: an explosive close-range boxer of the eight extremes. Stance 0
// is the low horse stance, a narrow target (front 33) from which every strike is heavy: a
// thrusting punch, a stamping elbow, a stamp that no guard stops, a shoulder charge, a double
// palm that strikes twice and a lunge punch whose burst step lasts a single update. Stance 1
// stands tall and open (front 58) and swings long palms and sweeps that reach up to 108.
#include "engine/common_motions.h"
#include "engine/fighter_init.h"
#include "engine/fighter_rows.h"
#include "engine/fighters/fighters.h"

namespace engine::fighters {

namespace {

constexpr FighterConstants kConstants = {
    .kind = 6,
    .baseHealth = 1550,
    .halfWidth = {45, 45},
    .cpuAttackRange = {180, 120},
    .cpuKeepAway = {200, 200},
    .cpuAttacks = {{7, 8, 12, 11}, {7, 10, 8, 13}},
    .cpuCloseMode = {1, kCloseModeUnset},
};

// The two stands: the horse stance offers little, the open stance a wide target. The frames
// that show the stand pose carry the same body.
constexpr Body kHorse = {33, 1};
constexpr Body kOpen = {58, 1};

// clang-format off
// motion, frame, form, duration, image, {values}, {transitions}
constexpr FrameRow kStance0[] = {
    {14, 0, kFinal, 1, 100, {.body = kHorse, .reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 101, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 101, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 102, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 102, {}, {kGuardSet}},
    {17, 0, kChain, 1, 100, {.body = kHorse}, {kStepSet}},
    {17, 1, kChain, 2, 103, {.dx = 16}, {kStepSet}},
    {17, 2, kFinal, 2, 103, {}, {kStepSet}},
    {18, 0, kChain, 1, 100, {.body = kHorse}, {kStepSet}},
    {18, 1, kChain, 2, 104, {.dx = -14}, {kStepSet}},
    {18, 2, kFinal, 2, 104, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 100, {.sound = 4, .dy = -4, .body = kHorse}, {}},
    // LA: thrusting punch.
    {20, 0, kChain, 4, 105, {.sound = 2, .layer = -1, .dx = 8, .cost = 225, .counterBonus = 2}, {}},
    {20, 1, kChain, 1, 106, {.layer = -1, .reach = 93, .kind = 1, .priority = 2, .damage = 180,
        .stun = 6, .knockback = 6, .effect = 3, .minRange = 90, .counterBonus = 4}, {}},
    {20, 2, kChain, 3, 106, {.layer = -1, .counterBonus = 4, .followUp = {8, 12, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackRA, 25}}}},
    {20, 3, kFinal, 4, 105, {.layer = -1, .counterBonus = 2, .followUp = {8, 12, 11, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kFwdRA, 24}, {kBackRA, 25}}}},
    // forward+LA: stamping step into the elbow.
    {21, 0, kChain, 4, 107, {.sound = 1, .layer = -1, .dx = 12, .cost = 225, .counterBonus = 4},
        {}},
    {21, 1, kChain, 1, 108, {.layer = -1, .dx = 4, .reach = 73, .kind = 1, .priority = 2,
        .damage = 220, .stun = 8, .knockback = 8, .effect = 3, .counterBonus = 6}, {}},
    {21, 2, kChain, 3, 108, {.layer = -1, .counterBonus = 6, .followUp = {9, 15, 0, 0}},
        {.links = {{kBackLA, 22}, {kBackLARA, 28}}}},
    {21, 3, kFinal, 4, 107, {.layer = -1, .counterBonus = 2, .followUp = {9, 15, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLA, 22}, {kBackLARA, 28}}}},
    // back+LA: the shaking stamp; it goes through any guard.
    {22, 0, kChain, 5, 109, {.sound = 1, .layer = -1, .dy = -6, .cost = 350, .counterBonus = 4},
        {}},
    {22, 1, kChain, 1, 110, {.layer = -1, .dy = 4, .reach = 68, .kind = 6, .priority = 3,
        .damage = 100, .stun = 14, .knockback = 4, .effect = 4, .counterBonus = 6}, {}},
    {22, 2, kChain, 3, 110, {.layer = -1, .counterBonus = 6, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {22, 3, kFinal, 4, 111, {.layer = -1, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
    // RA: short hammering punch, recovered straight into the next strike.
    {23, 0, kChain, 4, 200, {.sound = 2, .layer = -2, .dx = 8, .cost = 180, .counterBonus = 2}, {}},
    {23, 1, kChain, 1, 201, {.layer = -2, .reach = 78, .kind = 1, .priority = 2, .damage = 140,
        .stun = 6, .knockback = 4, .effect = 1, .counterBonus = 4}, {}},
    {23, 2, kFinal, 4, 200, {.layer = -2, .counterBonus = 2, .followUp = {7, 8, 11, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kFwdRA, 24}}}},
    // forward+RA: shoulder charge driven into the hips.
    {24, 0, kChain, 4, 202, {.sound = 1, .layer = -3, .dx = 10, .cost = 300, .counterBonus = 4},
        {}},
    {24, 1, kChain, 1, 203, {.layer = -3, .dx = 8, .reach = 68, .kind = 4, .priority = 3,
        .damage = 180, .stun = 10, .knockback = 12, .effect = 3, .counterBonus = 6}, {}},
    {24, 2, kChain, 4, 203, {.layer = -3, .counterBonus = 6, .followUp = {15, 0, 0, 0}},
        {.links = {{kBackLARA, 28}}}},
    {24, 3, kFinal, 4, 202, {.layer = -3, .counterBonus = 2, .followUp = {15, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kBackLARA, 28}}}},
    // back+RA: lunge punch. It sinks, coils, and bursts forward in a step that lasts one
    // update whatever its duration, then strikes from far away.
    {25, 0, kChain, 5, 204, {.sound = 1, .layer = -3, .cost = 500, .counterBonus = 6}, {}},
    {25, 1, kChain, 2, 205, {.layer = -3, .body = {36, 3}, .counterBonus = 6}, {}},
    {25, 2, kChain, 2, 206, {.sound = 2, .layer = -3, .dx = 32, .counterBonus = 6,
        .skipTimer = 1}, {}},
    {25, 3, kChain, 1, 207, {.layer = -3, .dx = 4, .reach = 108, .kind = 1, .priority = 4,
        .damage = 200, .stun = 12, .knockback = 10, .effect = 4, .minRange = 90, .koMark = 1,
        .counterBonus = 10}, {}},
    {25, 4, kFinal, 6, 208, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // LA+RA: twin palms to the hips.
    {26, 0, kChain, 4, 209, {.sound = 1, .layer = -2, .dx = 8, .cost = 330, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 210, {.layer = -2, .reach = 73, .kind = 4, .priority = 2, .damage = 160,
        .stun = 12, .knockback = 8, .effect = 3, .counterBonus = 6}, {}},
    {26, 2, kChain, 3, 210, {.layer = -2, .counterBonus = 6, .followUp = {7, 12, 0, 0}},
        {.links = {{kLA, 20}, {kBackRA, 25}}}},
    {26, 3, kFinal, 4, 209, {.layer = -2, .counterBonus = 2, .followUp = {7, 12, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kBackRA, 25}}}},
    // forward+LA+RA: stamping kick to the knee.
    {27, 0, kChain, 5, 211, {.sound = 3, .layer = -3, .dx = 8, .cost = 380, .counterBonus = 6}, {}},
    {27, 1, kChain, 1, 300, {.layer = -3, .dx = 6, .reach = 93, .kind = 4, .priority = 3,
        .damage = 220, .stun = 10, .knockback = 6, .effect = 2, .minRange = 85, .koMark = 1,
        .counterBonus = 10}, {}},
    {27, 2, kChain, 4, 300, {.layer = -3, .counterBonus = 10}, {}},
    {27, 3, kFinal, 5, 211, {.layer = -3, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: double palm, one hand after the other, both aimed high.
    {28, 0, kChain, 4, 301, {.sound = 1, .layer = -1, .dx = 8, .cost = 360, .counterBonus = 4}, {}},
    {28, 1, kChain, 1, 302, {.layer = -1, .reach = 83, .kind = 3, .priority = 2, .damage = 140,
        .stun = 6, .knockback = 2, .effect = 1, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 303, {.sound = 2, .layer = -1, .dx = 6, .reach = 88, .kind = 3,
        .priority = 2, .damage = 60, .stun = 10, .knockback = 10, .effect = 3, .counterBonus = 6},
        {}},
    {28, 3, kChain, 3, 303, {.layer = -1, .counterBonus = 6, .followUp = {8, 12, 0, 0}},
        {.links = {{kFwdLA, 21}, {kBackRA, 25}}}},
    {28, 4, kFinal, 4, 301, {.layer = -1, .counterBonus = 2, .followUp = {8, 12, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kBackRA, 25}}}},
};

constexpr FrameRow kStance1[] = {
    {14, 0, kFinal, 1, 400, {.body = kOpen, .reach = 128, .followUp = kNoFollowUp}, {kStandSet}},
    {15, 0, kFinal, 1, 401, {}, {kGuardSet}},
    {15, 1, kFinal, 1, 401, {}, {kGuardSet}},
    {16, 0, kFinal, 1, 402, {}, {kGuardSet}},
    {16, 1, kFinal, 1, 402, {}, {kGuardSet}},
    {17, 0, kChain, 1, 400, {.body = kOpen}, {kStepSet}},
    {17, 1, kChain, 2, 403, {.dx = 20}, {kStepSet}},
    {17, 2, kFinal, 2, 403, {}, {kStepSet}},
    {18, 0, kChain, 1, 400, {.body = kOpen}, {kStepSet}},
    {18, 1, kChain, 2, 404, {.dx = -16}, {kStepSet}},
    {18, 2, kFinal, 2, 404, {}, {kStepSet}},
    {19, 0, kFinalSwitch, 1, 400, {.sound = 4, .dy = -4, .body = kOpen}, {}},
    // LA: long slapping palm.
    {20, 0, kChain, 3, 405, {.sound = 1, .layer = -1, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {20, 1, kChain, 1, 406, {.layer = -1, .reach = 103, .kind = 1, .priority = 1, .damage = 48,
        .stun = 1, .knockback = 2, .effect = 1, .minRange = 90, .counterBonus = 2}, {}},
    {20, 2, kChain, 3, 406, {.layer = -1, .counterBonus = 2, .followUp = {10, 10, 8, 0}},
        {.links = {{kFwdLA, 21}, {kRA, 23}}}},
    {20, 3, kFinal, 3, 405, {.layer = -1, .counterBonus = 1, .followUp = {10, 8, 13, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kRA, 23}, {kLARA, 26}}}},
    // forward+LA: chopping palm down onto the thigh.
    {21, 0, kChain, 4, 407, {.sound = 1, .layer = -1, .dx = 10, .cost = 260, .counterBonus = 4},
        {}},
    {21, 1, kChain, 1, 408, {.layer = -1, .reach = 93, .kind = 4, .priority = 2, .damage = 120,
        .stun = 6, .knockback = 4, .effect = 3, .minRange = 92, .counterBonus = 6}, {}},
    {21, 2, kChain, 3, 408, {.layer = -1, .counterBonus = 6, .followUp = {10, 13, 0, 0}},
        {.links = {{kRA, 23}, {kLARA, 26}}}},
    {21, 3, kFinal, 4, 407, {.layer = -1, .counterBonus = 2, .followUp = {10, 13, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kRA, 23}, {kLARA, 26}}}},
    // back+LA: long low sweep with the lead leg.
    {22, 0, kChain, 4, 409, {.sound = 3, .layer = -3, .cost = 200, .counterBonus = 2}, {}},
    {22, 1, kChain, 1, 410, {.layer = -3, .reach = 108, .kind = 4, .priority = 1, .damage = 60,
        .stun = 6, .knockback = 2, .effect = 1, .minRange = 95, .counterBonus = 4}, {}},
    {22, 2, kChain, 2, 410, {.layer = -3, .counterBonus = 4, .followUp = {7, 10, 0, 0}},
        {.links = {{kLA, 20}, {kRA, 23}}}},
    {22, 3, kFinal, 3, 409, {.layer = -3, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
    // RA: long palm with the rear hand.
    {23, 0, kChain, 3, 411, {.sound = 1, .layer = -2, .dx = 8, .cost = 150, .counterBonus = 1}, {}},
    {23, 1, kChain, 1, 500, {.layer = -2, .reach = 103, .kind = 1, .priority = 1, .damage = 48,
        .stun = 1, .knockback = 2, .effect = 1, .minRange = 90, .counterBonus = 2}, {}},
    {23, 2, kChain, 3, 500, {.layer = -2, .counterBonus = 2, .followUp = {7, 8, 0, 0}},
        {.links = {{kLA, 20}, {kFwdLA, 21}}}},
    {23, 3, kFinal, 3, 411, {.layer = -2, .counterBonus = 1, .followUp = {7, 8, 11, 13}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kFwdLA, 21}, {kFwdRA, 24}, {kLARA, 26}}}},
    // forward+RA: leaping overhead chop, which no guard stops.
    {24, 0, kChain, 4, 501, {.sound = 1, .layer = -3, .dx = 8, .cost = 220, .counterBonus = 4}, {}},
    {24, 1, kChain, 2, 502, {.layer = -3, .dx = 6, .counterBonus = 4}, {}},
    {24, 2, kChain, 1, 503, {.layer = -3, .reach = 78, .kind = 5, .priority = 3, .damage = 180,
        .stun = 8, .effect = 2, .counterBonus = 6}, {}},
    {24, 3, kChain, 3, 503, {.layer = -3, .counterBonus = 6}, {}},
    {24, 4, kFinal, 4, 501, {.layer = -3, .counterBonus = 2, .followUp = {7, 10, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kLA, 20}, {kRA, 23}}}},
    // back+RA: long low sweep with the rear leg.
    {25, 0, kChain, 4, 504, {.sound = 3, .layer = -3, .cost = 200, .counterBonus = 2}, {}},
    {25, 1, kChain, 1, 505, {.layer = -3, .reach = 108, .kind = 4, .priority = 1, .damage = 60,
        .stun = 6, .knockback = 2, .effect = 1, .minRange = 95, .counterBonus = 4}, {}},
    {25, 2, kChain, 2, 505, {.layer = -3, .counterBonus = 4, .followUp = {8, 11, 0, 0}},
        {.links = {{kFwdLA, 21}, {kFwdRA, 24}}}},
    {25, 3, kFinal, 3, 504, {.layer = -3, .counterBonus = 2, .followUp = {8, 11, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}, {kFwdRA, 24}}}},
    // LA+RA: windmill, both arms swung down one after the other.
    {26, 0, kChain, 4, 506, {.sound = 1, .layer = -1, .dx = 8, .cost = 280, .counterBonus = 4}, {}},
    {26, 1, kChain, 1, 507, {.layer = -1, .reach = 108, .kind = 2, .priority = 2, .damage = 160,
        .stun = 6, .knockback = 2, .effect = 3, .minRange = 95, .counterBonus = 6}, {}},
    {26, 2, kChain, 1, 508, {.sound = 1, .layer = -1, .dx = 6, .reach = 108, .kind = 2,
        .priority = 2, .damage = 40, .stun = 8, .knockback = 8, .effect = 3, .minRange = 95,
        .counterBonus = 6}, {}},
    {26, 3, kChain, 3, 508, {.layer = -1, .counterBonus = 6, .followUp = {8, 0, 0, 0}},
        {.links = {{kFwdLA, 21}}}},
    {26, 4, kFinal, 4, 506, {.layer = -1, .counterBonus = 2, .followUp = {8, 0, 0, 0}},
        {.links = {{kG, 15}, {kDownG, 16}, {kFwdLA, 21}}}},
    // forward+LA+RA: flying stamp kick.
    {27, 0, kChain, 4, 509, {.sound = 1, .layer = 2, .dx = 6, .cost = 360, .counterBonus = 6}, {}},
    {27, 1, kChain, 2, 510, {.sound = 3, .layer = 2, .dx = 12, .dy = -10, .body = {36, 4},
        .counterBonus = 6}, {}},
    {27, 2, kChain, 1, 511, {.layer = 2, .dx = 8, .dy = -8, .body = {36, 4}, .reach = 88,
        .kind = 4, .priority = 3, .damage = 300, .stun = 10, .effect = 2, .minRange = 80,
        .koMark = 2, .counterBonus = 10}, {}},
    {27, 3, kChain, 2, 511, {.layer = 2, .dy = -4, .body = {36, 4}, .counterBonus = 10}, {}},
    {27, 4, kChain, 3, 600, {.layer = 2, .counterBonus = 4}, {}},
    {27, 5, kFinal, 4, 509, {.layer = 2, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
    // back+LA+RA: turning hammer fist; the turn itself cannot be struck.
    {28, 0, kChain, 4, 601, {.sound = 1, .layer = -1, .cost = 420, .counterBonus = 6}, {}},
    {28, 1, kChain, 2, 602, {.layer = -1, .dx = 8, .body = {36, 0}, .counterBonus = 6}, {}},
    {28, 2, kChain, 1, 603, {.sound = 2, .layer = -1, .dx = 8, .body = {36, 3}, .counterBonus = 6},
        {}},
    {28, 3, kChain, 1, 604, {.layer = -1, .reach = 88, .kind = 1, .priority = 4, .damage = 280,
        .stun = 10, .knockback = 8, .effect = 4, .minRange = 80, .koMark = 2, .counterBonus = 10},
        {}},
    {28, 4, kChain, 4, 604, {.layer = -1, .counterBonus = 10}, {}},
    {28, 5, kFinal, 5, 601, {.layer = -1, .counterBonus = 4}, {.links = {{kG, 15}, {kDownG, 16}}}},
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

const RosterEntry kFighter06 = {Init, BuildStance0, BuildStance1, kCommonStandard};

}  // namespace engine::fighters
