// What the fifteen fighters look like and how they move: each fighter's look, the shape of its
// two stances, the technique each of its attack motions shows, and the emblem and colours of
// its finishing effect. The geometry of every pose (how far a fist or foot reaches, how high a
// kick goes, when a fighter is in the air or untouchable) comes from the fighter's own motion
// tables; this only says which technique a motion is.
#pragma once

#include <cstdint>

#include "assetgen/figure_rig.h"

namespace assetgen::figure {

enum class Tech : uint8_t {
    None,  // nothing drawn specially: taken from the tables (sound, attack class)
    // hand techniques
    Straight,  // jab, cross, straight punch, lunge punch
    Hook,
    Uppercut,
    Overhand,
    Backfist,  // spinning back fist
    Palm,      // open-hand thrust
    Chop,      // open hand brought down
    Hammer,    // fist brought down
    Ridge,     // open-hand hook
    Finger,    // finger jab
    Elbow,     // horizontal elbow
    RisingElbow,
    DownElbow,  // elbow driven down (jumping)
    SpinElbow,
    Shoulder,   // shoulder charge
    TwinPalms,  // both hands at once
    Headbutt,
    Superman,  // leaping punch with the rear leg thrown back
    // leg techniques
    FrontKick,
    Teep,   // push kick
    Round,  // round kick, height from the attack class
    SideKick,
    BackKick,  // spinning back kick
    HookKick,  // spinning hook or heel kick
    AxeKick,
    Crescent,
    Sweep,    // low sweep along the floor
    Compass,  // hands on the floor, heel swung round
    Stamp,
    Knee,
    FlyingKnee,
    // moves without a hit
    Duck,
    Sway,
    Slip,
    Weave,  // bob and weave forward
    Feint,
    SwitchHop,  // a hop that changes the stance
    Pound,      // gloves pounded together, then a stare
    Bounce,
    Cartwheel,
    Whirl,   // turning with the arms out, untouchable
    Charge,  // pushing forward behind the gloves
    Gather,  // drawing the breath in before a palm strike
};

enum class Limb : uint8_t { Lead, Rear };

// Where a strike lands on a standing opponent; Auto takes it from the attack class.
enum class Aim : uint8_t { Auto, Head, Chest, Body, Thigh, Shin };

// The technique of one attack motion. A motion with two active pictures shows the second
// technique in its second one (Tech::None: the same technique with the other limb).
struct Move {
    Tech tech = Tech::None;
    Limb limb = Limb::Lead;
    Aim aim = Aim::Auto;
    Tech tech2 = Tech::None;
    Limb limb2 = Limb::Rear;
    bool spin = false;         // the wind-up turns the back to the opponent
    Tech windup = Tech::None;  // a move of its own before the strike (a feint, a charge)
};

// The shape of one stance.
struct StanceStyle {
    double width = 70;        // lead ankle to rear ankle
    double crouch = 0.3;      // 0 upright .. 1 deep
    double lean = 0.12;       // torso lean toward the opponent, radians
    double twist = 0.15;      // 0 side-on .. 0.5 squared up
    double guardHeight = 0;   // hands below the chin, pixels
    double guardReach = 0;    // lead hand forward of the usual guard, pixels
    bool rearHeelUp = false;  // weight on the ball of the rear foot
    bool openHands = false;   // open hands in the guard
    bool leadFar = true;      // lead side away from the viewer (orthodox when facing right)
    bool kicker = true;       // the low guard lifts the shin; boxers drop the arms instead
    bool lowGame = false;     // hands low, body close to the floor (capoeira's low game)
};

// The emblem on the fighter's finishing effect.
enum class Emblem : uint8_t { Fist, Glove, Foot, Lotus, YinYang, Bolt, Crown, Wave, Star, Flame };

struct FighterArt {
    Look look;
    StanceStyle stance[2];
    Move moves[2][15];  // motions 20..34 per stance
    Emblem emblem = Emblem::Fist;
    Hue effect = Hue::Fire;  // main colour of the finishing burst
    Hue effect2 = Hue::Yellow;
};

// Roster number 1..15.
const FighterArt& FighterArtOf(int kind);

// The stand-in of the shared reaction and fall pictures, which every fighter shows: drawn in
// the palette's areas, which the game shows in each fighter's own colours.
const Look& StandInLook();

}  // namespace assetgen::figure
