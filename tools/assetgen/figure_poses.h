// From what a picture shows in the fighter's motion tables to the pose of the figure.
#pragma once

#include "assetgen/fighter_art.h"
#include "assetgen/figure_rig.h"

namespace assetgen::figure {

enum class Role : uint8_t {
    Stand,
    Guard,
    LowGuard,
    StepForward,
    StepBack,
    Switch,
    Attack,
    Reaction,
    Fall
};

// Where a picture of an attack motion lies in it.
enum class Phase : uint8_t {
    Startup,   // before the (first or second) active frame
    Active,    // the picture of an active frame
    Recovery,  // after the last active frame
    Move,      // a motion without any active frame
};

// The kinds of hit reaction a picture can show.
enum class Reaction : uint8_t { HeadSnap, BodyBlow, Buckle, LegHit, Stagger, OffBalance };

// The kinds of fall.
enum class Fall : uint8_t { Back, Crumple, Spin, Sit };

// One picture's meaning, as the frames that show it give it.
struct Shot {
    Role role = Role::Stand;
    int stance = 0;
    int motion = 14;
    // Stand: this picture's place in a stand of several frames.
    int index = 0, count = 1;
    // Attack motions.
    Move move;
    Phase phase = Phase::Move;
    int strike = 0;  // 0 the first active picture, 1 the second (and the wind-up before it)
    int kind = 0;    // attack class of the strike this picture belongs to
    int reach = 0;   // its reach from the fighter's x
    int sound = 0;   // sound of the motion's first frame (2 punch swing, 3 kick swing)
    int bodyType = 1;
    int dy = 0, dx = 0;
    bool airborne = false;   // this picture is in the air
    bool airStrike = false;  // the strike of the motion is thrown in the air
    bool untouchable = false;
    // Reactions and falls: the kind and the picture's place in the motion (index/count).
    Reaction reaction = Reaction::HeadSnap;
    Fall fall = Fall::Back;
};

Pose PoseFor(const Shot& shot, const Look& look, const StanceStyle& style);

}  // namespace assetgen::figure
