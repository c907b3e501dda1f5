// A fighter's stance tables as rows of data, one row per frame, read by one routine that calls
// the construction operations.
#pragma once

#include <array>
#include <span>

#include "engine/fighter.h"

namespace engine::fighters {

// How a frame is defined.
enum Form : int {
    kChain,        // followed by the next frame of its motion
    kFinal,        // ends the motion in the stand of the same stance
    kFinalSwitch,  // ends the motion in the stand of the other stance
    kHold,         // repeats until something outside changes the fighter's code
};

// The commands a frame may answer, in the order the construction operations take them.
enum Key : int {
    kNoKey = -1,
    kUp,
    kFwd,
    kBack,
    kG,
    kDownG,
    kLA,
    kFwdLA,
    kBackLA,
    kRA,
    kFwdRA,
    kBackRA,
    kLARA,
    kFwdLARA,
    kBackLARA,
};

using FollowUp = std::array<int, 4>;
inline constexpr FollowUp kNoFollowUp = {kNoValue, kNoValue, kNoValue, kNoValue};

struct Body {
    int front = 36;
    int type = 1;
};

// Everything a frame carries beyond its form, duration and picture. The defaults are what a
// frame of motions 14..34 holds when its row names nothing else; a row names only the values
// that differ, in this order.
struct Values {
    int sound = 0;
    int layer = 0;
    int dx = 0;
    int dy = 0;
    int cost = 0;
    Body body{};
    int reach = 0;
    int kind = 0;  // attack class, 0 = no attack
    int priority = 0;
    int damage = 0;  // before the power-level scaling
    int stun = 0;
    int knockback = 0;
    int effect = 0;  // hit effect
    int minRange = 0;
    int koMark = 99;
    int counterBonus = 0;
    int skipTimer = 0;
    FollowUp followUp = {0, 0, 0, 0};
};

// A transition target: a motion (its frame 0) or motion.frame as {motion, frame}.
struct Target {
    constexpr Target() = default;
    constexpr Target(int m, int f = 0) : motion(m), frame(f) {}
    int motion = 0;
    int frame = 0;
};

struct Link {
    Key key = kNoKey;
    Target target{};
};

// The sets of transitions that recur.
enum LinkSet : int {
    kNoSet,
    kStandSet,  // every command to its move from stand
    kGuardSet,  // forward, back, G, down+G
    kStepSet,   // the stand set without forward and back
};

struct Links {
    LinkSet set = kNoSet;
    Link links[kSlots] = {};  // explicit command -> target pairs, added to the set
};

struct FrameRow {
    int motion;
    int frame;
    Form form;
    int duration;
    int image;
    Values values;
    Links links;
};

// Writes the rows into the table of one stance: the frame-defining operation, then the field
// setters (so damage is scaled by the fighter's current powerLevel).
void BuildStance(Fighter& fighter, int stance, std::span<const FrameRow> rows);

}  // namespace engine::fighters
