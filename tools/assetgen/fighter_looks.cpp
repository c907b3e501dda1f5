// The fifteen fighters as the player sees them: clothes, build and hair that tell them apart at
// a glance, the shape of each stance, and the technique each attack motion shows.
#include <algorithm>
#include <array>

#include "assetgen/fighter_art.h"
#include "colours/fighter_colours.h"

namespace assetgen::figure {

namespace {

using L = Limb;
using T = Tech;
using A = Aim;

constexpr Move M(Tech t, Limb l, Aim a = Aim::Auto) {
    Move m;
    m.tech = t;
    m.limb = l;
    m.aim = a;
    return m;
}
// Two strikes in one motion.
constexpr Move M2(Tech t, Limb l, Tech t2, Limb l2, Aim a = Aim::Auto) {
    Move m = M(t, l, a);
    m.tech2 = t2;
    m.limb2 = l2;
    return m;
}
// Wound up by turning the back to the opponent.
constexpr Move Spin(Tech t, Limb l, Aim a = Aim::Auto) {
    Move m = M(t, l, a);
    m.spin = true;
    return m;
}
// A move of its own before the strike.
constexpr Move After(Tech windup, Tech t, Limb l, Aim a = Aim::Auto) {
    Move m = M(t, l, a);
    m.windup = windup;
    return m;
}
constexpr Move Only(Tech t) {
    return M(t, Limb::Lead);
}

StanceStyle Style(double width, double crouch, double lean, double twist, bool leadFar) {
    StanceStyle s;
    s.width = width;
    s.crouch = crouch;
    s.lean = lean;
    s.twist = twist;
    s.leadFar = leadFar;
    return s;
}

FighterArt Karate01() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Short;
    k.top = TopWear::Gi;
    k.legs = LegWear::GiPants;
    k.belt = true;
    k.headband = true;
    f.stance[0] = Style(88, 0.45, 0.04, 0.2, true);  // long front stance
    f.stance[0].guardReach = 10;
    f.stance[0].guardHeight = 14;
    f.stance[1] = Style(54, 0.55, 0.0, 0.1, false);  // cat stance
    f.stance[1].openHands = true;
    f.stance[1].guardReach = 12;
    f.moves[0][0] = M(T::Straight, L::Lead);
    f.moves[0][1] = M(T::FrontKick, L::Lead, A::Body);
    f.moves[0][2] = Spin(T::BackKick, L::Rear, A::Body);
    f.moves[0][3] = M(T::Straight, L::Rear);
    f.moves[0][4] = Spin(T::Backfist, L::Rear);
    f.moves[0][5] = M(T::Round, L::Rear, A::Body);
    f.moves[0][6] = M(T::Sweep, L::Lead);
    f.moves[0][7] = M(T::FrontKick, L::Rear);
    f.moves[0][8] = M(T::Round, L::Rear, A::Head);
    f.moves[1][0] = M(T::FrontKick, L::Lead, A::Body);
    f.moves[1][1] = M(T::Ridge, L::Rear);
    f.moves[1][2] = Spin(T::HookKick, L::Rear);
    f.moves[1][3] = M(T::SideKick, L::Lead, A::Thigh);
    f.moves[1][4] = M(T::SideKick, L::Lead, A::Body);
    f.moves[1][5] = M(T::Knee, L::Rear);
    f.moves[1][6] = M(T::RisingElbow, L::Rear);
    f.moves[1][7] = M(T::Straight, L::Rear, A::Body);
    f.moves[1][8] = M(T::AxeKick, L::Rear);
    f.emblem = Emblem::Fist;
    f.effect = Hue::Red;
    f.effect2 = Hue::Yellow;
    return f;
}

FighterArt MuayThai01() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Buzz;
    k.legs = LegWear::ThaiShorts;
    k.armbands = true;
    k.hands = HandWear::Wraps;
    k.feet = FootWear::AnkleWraps;
    k.height = 0.98;
    k.bulk = 0.96;
    f.stance[0] = Style(60, 0.12, 0.0, 0.42, true);
    f.stance[0].rearHeelUp = true;
    f.stance[0].guardHeight = -4;
    f.stance[0].guardReach = 6;
    f.stance[1] = Style(54, 0.3, 0.06, 0.35, false);
    f.stance[1].guardReach = 12;
    f.moves[0][0] = M(T::Straight, L::Lead);
    f.moves[0][1] = M(T::Teep, L::Lead, A::Body);
    f.moves[0][2] = M(T::Knee, L::Rear);
    f.moves[0][3] = M(T::Straight, L::Rear);
    f.moves[0][4] = M(T::Round, L::Rear);
    f.moves[0][5] = M(T::Round, L::Rear, A::Thigh);
    f.moves[0][6] = M(T::Round, L::Lead, A::Thigh);
    f.moves[0][7] = M(T::Round, L::Rear, A::Head);
    f.moves[0][8] = M(T::Knee, L::Rear, A::Body);
    f.moves[1][0] = M(T::Straight, L::Lead);
    f.moves[1][1] = M(T::Knee, L::Lead);
    f.moves[1][2] = M(T::Elbow, L::Lead);
    f.moves[1][3] = M(T::Straight, L::Rear);
    f.moves[1][4] = M(T::RisingElbow, L::Rear);
    f.moves[1][5] = M(T::Round, L::Lead, A::Thigh);
    f.moves[1][6] = Spin(T::SpinElbow, L::Rear);
    f.moves[1][7] = M(T::Knee, L::Rear, A::Head);
    f.moves[1][8] = M(T::Elbow, L::Rear);
    f.emblem = Emblem::Flame;
    f.effect = Hue::Fire;
    f.effect2 = Hue::Yellow;
    return f;
}

FighterArt Box01() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Spiky;
    k.legs = LegWear::Trunks;
    k.hands = HandWear::Gloves;
    k.feet = FootWear::Boots;
    k.height = 0.97;
    k.bulk = 0.92;
    f.stance[0] = Style(62, 0.25, 0.1, 0.25, true);
    f.stance[0].rearHeelUp = true;
    f.stance[0].kicker = false;
    f.stance[1] = Style(72, 0.75, 0.38, 0.3, false);
    f.stance[1].kicker = false;
    f.stance[1].guardHeight = -4;
    f.moves[0][0] = M(T::Straight, L::Lead);
    f.moves[0][1] = M(T::Hook, L::Lead);
    f.moves[0][2] = M(T::Straight, L::Lead, A::Body);
    f.moves[0][3] = M(T::Straight, L::Rear);
    f.moves[0][4] = M(T::Hook, L::Rear, A::Body);
    f.moves[0][5] = M(T::Uppercut, L::Rear);
    f.moves[0][6] = Only(T::Duck);
    f.moves[0][7] = M(T::Uppercut, L::Lead, A::Body);
    f.moves[0][8] = Only(T::Sway);
    f.moves[1][0] = M(T::Straight, L::Lead);
    f.moves[1][1] = M(T::Hook, L::Lead);
    f.moves[1][2] = M(T::Hook, L::Lead, A::Body);
    f.moves[1][3] = M(T::Straight, L::Rear);
    f.moves[1][4] = M(T::Straight, L::Rear, A::Body);
    f.moves[1][5] = M(T::Hook, L::Rear, A::Body);
    f.moves[1][6] = M(T::Uppercut, L::Lead, A::Body);
    f.moves[1][7] = M(T::Overhand, L::Rear);
    f.moves[1][8] = M(T::Hook, L::Lead);
    f.emblem = Emblem::Glove;
    f.effect = Hue::Blue;
    f.effect2 = Hue::Sky;
    return f;
}

FighterArt Box02() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Bald;
    k.legs = LegWear::Trunks;
    k.hands = HandWear::Gloves;
    k.feet = FootWear::Boots;
    k.height = 1.04;
    k.bulk = 1.22;
    f.stance[0] = Style(64, 0.62, 0.36, 0.45, true);  // crouched swarmer
    f.stance[0].kicker = false;
    f.stance[0].guardHeight = -6;
    f.stance[1] = Style(66, 0.2, 0.08, 0.2, false);  // upright
    f.stance[1].kicker = false;
    f.stance[1].guardReach = 10;
    f.moves[0][0] = M(T::Hook, L::Lead);
    f.moves[0][1] = M(T::Hook, L::Lead, A::Body);
    f.moves[0][2] = M(T::Hook, L::Lead);
    f.moves[0][3] = M(T::Uppercut, L::Rear);
    f.moves[0][4] = M(T::Hook, L::Rear, A::Body);
    f.moves[0][5] = M(T::Uppercut, L::Rear);
    f.moves[0][6] = Only(T::Weave);
    f.moves[0][7] = M(T::Uppercut, L::Lead, A::Body);
    f.moves[0][8] = M(T::Hook, L::Rear, A::Body);
    f.moves[1][0] = M(T::Straight, L::Lead);
    f.moves[1][1] = M(T::Hook, L::Lead, A::Body);
    f.moves[1][2] = M(T::Uppercut, L::Lead, A::Body);
    f.moves[1][3] = M(T::Straight, L::Rear);
    f.moves[1][4] = M(T::Straight, L::Rear, A::Body);
    f.moves[1][5] = M(T::Uppercut, L::Rear, A::Body);
    f.moves[1][6] = After(T::Feint, T::Straight, L::Rear);
    f.moves[1][7] = M(T::Uppercut, L::Lead);
    f.moves[1][8] = M(T::Overhand, L::Rear);
    f.emblem = Emblem::Glove;
    f.effect = Hue::Red;
    f.effect2 = Hue::Gold;
    return f;
}

FighterArt Kick01() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Swept;
    k.legs = LegWear::SatinPants;
    k.hands = HandWear::Gloves;
    k.height = 1.02;
    f.stance[0] = Style(72, 0.2, 0.05, 0.3, true);
    f.stance[0].rearHeelUp = true;
    f.stance[1] = Style(66, 0.28, 0.08, 0.25, false);
    f.stance[1].rearHeelUp = true;
    f.moves[0][0] = M(T::Straight, L::Lead);
    f.moves[0][1] = M(T::Round, L::Lead, A::Body);
    f.moves[0][2] = M(T::Round, L::Lead, A::Thigh);
    f.moves[0][3] = M(T::Straight, L::Rear);
    f.moves[0][4] = M(T::Round, L::Rear);
    f.moves[0][5] = M(T::Round, L::Rear, A::Thigh);
    f.moves[0][6] = M(T::Teep, L::Lead, A::Thigh);
    f.moves[0][7] = M(T::Superman, L::Rear);
    f.moves[0][8] = Spin(T::BackKick, L::Rear);
    f.moves[1][0] = M(T::Straight, L::Lead);
    f.moves[1][1] = M(T::Knee, L::Lead, A::Thigh);
    f.moves[1][2] = M(T::Elbow, L::Lead);
    f.moves[1][3] = M(T::Straight, L::Rear);
    f.moves[1][4] = M(T::Knee, L::Rear, A::Body);
    f.moves[1][5] = Spin(T::Backfist, L::Rear);
    f.moves[1][6] = Spin(T::HookKick, L::Rear);
    f.moves[1][7] = M(T::SideKick, L::Lead);
    f.moves[1][8] = M(T::AxeKick, L::Rear);
    f.emblem = Emblem::Foot;
    f.effect = Hue::Fire;
    f.effect2 = Hue::Red;
    return f;
}

FighterArt Hakkyoku() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Braid;
    k.top = TopWear::Mandarin;
    k.legs = LegWear::KungFuPants;
    k.feet = FootWear::Slippers;
    k.sash = true;
    k.height = 0.95;
    k.bulk = 1.1;
    f.stance[0] = Style(94, 0.9, 0.0, 0.12, true);  // low horse stance
    f.stance[0].openHands = true;
    f.stance[0].guardReach = 16;
    f.stance[0].guardHeight = 28;
    f.stance[1] = Style(72, 0.1, -0.02, 0.45, false);  // tall and open
    f.stance[1].openHands = true;
    f.stance[1].guardReach = 24;
    f.stance[1].guardHeight = 10;
    f.moves[0][0] = M(T::Straight, L::Lead);
    f.moves[0][1] = M(T::Elbow, L::Lead);
    f.moves[0][2] = M(T::Stamp, L::Lead, A::Shin);
    f.moves[0][3] = M(T::Hammer, L::Rear);
    f.moves[0][4] = M(T::Shoulder, L::Lead);
    f.moves[0][5] = M(T::Straight, L::Rear);
    f.moves[0][6] = M(T::TwinPalms, L::Lead, A::Body);
    f.moves[0][7] = M(T::Stamp, L::Lead, A::Thigh);
    f.moves[0][8] = M2(T::Palm, L::Lead, T::Palm, L::Rear);
    f.moves[1][0] = M(T::Palm, L::Lead);
    f.moves[1][1] = M(T::Chop, L::Lead, A::Thigh);
    f.moves[1][2] = M(T::Sweep, L::Lead);
    f.moves[1][3] = M(T::Palm, L::Rear);
    f.moves[1][4] = M(T::Chop, L::Rear, A::Head);
    f.moves[1][5] = M(T::Sweep, L::Rear);
    f.moves[1][6] = M2(T::Chop, L::Lead, T::Chop, L::Rear);
    f.moves[1][7] = M(T::Stamp, L::Lead, A::Body);
    f.moves[1][8] = Spin(T::Hammer, L::Rear);
    f.emblem = Emblem::YinYang;
    f.effect = Hue::Electric;
    f.effect2 = Hue::White;
    return f;
}

FighterArt Tequondo() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Short;
    k.top = TopWear::Dobok;
    k.legs = LegWear::GiPants;
    k.belt = true;
    k.height = 1.06;
    k.bulk = 0.9;
    f.stance[0] = Style(66, 0.1, 0.0, 0.45, true);  // squared up
    f.stance[0].rearHeelUp = true;
    f.stance[0].guardHeight = 20;
    f.stance[1] = Style(78, 0.15, 0.0, 0.0, false);  // side-on
    f.stance[1].guardHeight = 26;
    f.stance[1].guardReach = 10;
    Move(&s0)[15] = f.moves[0];
    s0[0] = M(T::Straight, L::Lead);
    s0[1] = M(T::Round, L::Lead, A::Head);
    s0[2] = M2(T::Round, L::Rear, T::Round, L::Lead, A::Body);
    s0[3] = M(T::Straight, L::Rear);
    s0[4] = M(T::Teep, L::Rear, A::Body);
    s0[5] = M(T::Round, L::Rear, A::Head);
    s0[6] = Spin(T::BackKick, L::Rear);
    s0[7] = M(T::FrontKick, L::Rear);
    s0[8] = M(T::AxeKick, L::Rear);
    s0[9] = M(T::Round, L::Lead, A::Body);
    s0[10] = M(T::Round, L::Lead, A::Head);
    s0[11] = Spin(T::HookKick, L::Lead);
    s0[12] = M(T::Round, L::Rear, A::Body);
    s0[13] = M(T::SideKick, L::Rear, A::Head);
    s0[14] = M(T::AxeKick, L::Rear);
    Move(&s1)[15] = f.moves[1];
    s1[0] = M(T::Round, L::Lead, A::Body);
    s1[1] = M(T::SideKick, L::Lead, A::Head);
    s1[2] = M2(T::Round, L::Rear, T::Round, L::Lead, A::Body);
    s1[3] = M(T::Round, L::Rear, A::Body);
    s1[4] = Spin(T::Sweep, L::Rear);
    s1[5] = M(T::HookKick, L::Lead);
    s1[6] = Spin(T::HookKick, L::Rear);
    s1[7] = M(T::SideKick, L::Lead, A::Body);
    s1[8] = Spin(T::HookKick, L::Rear, A::Head);
    s1[9] = M(T::Round, L::Lead, A::Head);
    s1[10] = M(T::AxeKick, L::Lead);
    s1[11] = Spin(T::BackKick, L::Rear, A::Body);
    s1[12] = M(T::Round, L::Rear, A::Head);
    s1[13] = M(T::Round, L::Lead, A::Body);
    s1[14] = Spin(T::BackKick, L::Rear);
    f.emblem = Emblem::Foot;
    f.effect = Hue::Blue;
    f.effect2 = Hue::Sky;
    return f;
}

FighterArt Kick02() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Mohawk;
    k.legs = LegWear::SatinPants;
    k.hands = HandWear::Gloves;
    k.height = 1.05;
    k.bulk = 1.1;
    f.stance[0] = Style(64, 0.15, 0.02, 0.4, true);
    f.stance[0].rearHeelUp = true;
    f.stance[1] = Style(70, 0.38, 0.16, 0.2, false);
    f.moves[0][0] = M(T::Straight, L::Lead);
    f.moves[0][1] = M(T::Knee, L::Rear);
    f.moves[0][2] = M(T::Uppercut, L::Lead);
    f.moves[0][3] = M(T::Straight, L::Rear);
    f.moves[0][4] = M(T::Round, L::Rear);
    f.moves[0][5] = M(T::Round, L::Rear, A::Thigh);
    f.moves[0][6] = M2(T::Round, L::Lead, T::Round, L::Rear, A::Thigh);
    f.moves[0][7] = M(T::Overhand, L::Rear);
    f.moves[0][8] = Spin(T::BackKick, L::Rear, A::Body);
    f.moves[1][0] = M(T::Hook, L::Lead);
    f.moves[1][1] = M(T::Round, L::Lead);
    f.moves[1][2] = M(T::Overhand, L::Lead);
    f.moves[1][3] = M(T::Straight, L::Rear);
    f.moves[1][4] = M(T::Round, L::Rear);
    f.moves[1][5] = M(T::Uppercut, L::Rear);
    f.moves[1][6] = M(T::Round, L::Lead, A::Thigh);
    f.moves[1][7] = M(T::Knee, L::Rear, A::Body);
    f.moves[1][8] = Spin(T::Backfist, L::Rear);
    f.emblem = Emblem::Bolt;
    f.effect = Hue::Gold;
    f.effect2 = Hue::Yellow;
    return f;
}

FighterArt Karate02() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Ponytail;
    k.top = TopWear::Gi;
    k.legs = LegWear::GiPants;
    k.belt = true;
    k.height = 1.0;
    k.bulk = 0.98;
    f.stance[0] = Style(96, 0.6, 0.05, 0.15, true);  // deep front stance
    f.stance[0].guardReach = 14;
    f.stance[0].guardHeight = 16;
    f.stance[1] = Style(52, 0.45, 0.0, 0.1, false);  // light cat stance
    f.stance[1].openHands = true;
    f.stance[1].guardReach = 10;
    Move(&s0)[15] = f.moves[0];
    s0[0] = M(T::Straight, L::Lead);
    s0[1] = M(T::Straight, L::Rear);
    s0[2] = Spin(T::Backfist, L::Rear);
    s0[3] = M(T::Straight, L::Rear);
    s0[4] = M(T::FrontKick, L::Rear);
    s0[5] = Spin(T::BackKick, L::Rear, A::Body);
    s0[6] = M(T::Round, L::Rear, A::Head);
    s0[7] = M(T::FrontKick, L::Rear);
    s0[8] = M2(T::Sweep, L::Lead, T::Sweep, L::Rear);
    s0[9] = M(T::Straight, L::Rear, A::Body);
    s0[12] = Spin(T::BackKick, L::Rear, A::Body);
    Move(&s1)[15] = f.moves[1];
    s1[0] = M(T::Straight, L::Lead);
    s1[1] = M(T::FrontKick, L::Lead, A::Body);
    s1[2] = M(T::Knee, L::Rear);
    s1[3] = M(T::Straight, L::Rear);
    s1[4] = M(T::FrontKick, L::Rear, A::Body);
    s1[5] = Spin(T::HookKick, L::Rear);
    s1[6] = M(T::Elbow, L::Lead);
    s1[7] = M(T::Straight, L::Rear);
    s1[8] = Spin(T::BackKick, L::Rear);
    f.emblem = Emblem::Lotus;
    f.effect = Hue::Maroon;
    f.effect2 = Hue::Orange;
    return f;
}

FighterArt Kick03() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Dreads;
    k.legs = LegWear::SatinPants;
    k.hands = HandWear::Gloves;
    k.feet = FootWear::AnkleWraps;
    f.stance[0] = Style(60, 0.3, 0.12, 0.3, true);
    f.stance[0].rearHeelUp = true;
    f.stance[1] = Style(78, 0.2, 0.04, 0.2, false);
    Move(&s0)[15] = f.moves[0];
    s0[0] = M(T::Straight, L::Lead);
    s0[1] = M(T::Straight, L::Rear);
    s0[2] = M(T::Hook, L::Lead, A::Body);
    s0[3] = M(T::Straight, L::Rear, A::Body);
    s0[4] = M(T::Teep, L::Lead);
    s0[5] = M(T::Round, L::Lead, A::Body);
    s0[6] = M(T::Round, L::Rear, A::Thigh);
    s0[7] = Only(T::SwitchHop);
    s0[8] = Only(T::SwitchHop);
    s0[9] = M(T::Straight, L::Rear);
    s0[10] = M(T::Hook, L::Lead);
    s0[12] = M(T::Round, L::Rear, A::Thigh);
    s0[13] = M(T::Round, L::Lead, A::Head);
    Move(&s1)[15] = f.moves[1];
    s1[0] = M(T::Straight, L::Lead);
    s1[1] = M(T::Round, L::Lead, A::Shin);
    s1[2] = Spin(T::BackKick, L::Rear);
    s1[3] = M(T::Straight, L::Rear);
    s1[4] = M(T::Knee, L::Rear);
    s1[5] = Spin(T::HookKick, L::Rear);
    s1[6] = M(T::Round, L::Rear, A::Body);
    s1[7] = Only(T::SwitchHop);
    s1[8] = Only(T::SwitchHop);
    s1[9] = M(T::Uppercut, L::Rear);
    s1[12] = M(T::Round, L::Lead, A::Head);
    f.emblem = Emblem::Wave;
    f.effect = Hue::Green;
    f.effect2 = Hue::Teal;
    return f;
}

FighterArt Boxer03() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Buzz;
    k.beard = true;
    k.legs = LegWear::Trunks;
    k.hands = HandWear::Gloves;
    k.feet = FootWear::Boots;
    k.bulk = 1.08;
    f.stance[0] = Style(62, 0.68, 0.38, 0.5, true);  // peek-a-boo crouch
    f.stance[0].kicker = false;
    f.stance[0].guardHeight = -8;
    f.stance[0].guardReach = -6;
    f.stance[1] = Style(68, 0.15, 0.05, 0.15, false);  // upright out-boxer
    f.stance[1].kicker = false;
    f.stance[1].guardHeight = 22;
    f.stance[1].guardReach = 14;
    Move(&s0)[15] = f.moves[0];
    s0[0] = Only(T::Slip);
    s0[1] = M(T::Hook, L::Lead);
    s0[2] = M(T::Hook, L::Lead, A::Body);
    s0[3] = Only(T::Duck);
    s0[4] = M(T::Straight, L::Rear);
    s0[5] = M(T::Uppercut, L::Rear);
    s0[6] = M(T::Hook, L::Lead, A::Body);
    s0[7] = M(T::Straight, L::Rear);
    s0[8] = After(T::Pound, T::Pound, L::Lead);
    s0[9] = M(T::Straight, L::Lead);
    s0[10] = M(T::Hook, L::Lead);
    s0[11] = M(T::Uppercut, L::Rear, A::Body);
    s0[12] = M(T::Straight, L::Rear);
    s0[13] = M(T::Hook, L::Lead, A::Body);
    s0[14] = M(T::Overhand, L::Rear);
    Move(&s1)[15] = f.moves[1];
    s1[0] = M(T::Straight, L::Lead);
    s1[1] = M(T::Straight, L::Lead, A::Body);
    s1[2] = M2(T::Hook, L::Lead, T::Hook, L::Lead, A::Body);
    s1[3] = M(T::Straight, L::Rear);
    s1[4] = M(T::Uppercut, L::Rear, A::Body);
    s1[5] = M(T::Hook, L::Rear);
    s1[6] = M(T::Uppercut, L::Rear, A::Body);
    s1[7] = After(T::Charge, T::Straight, L::Lead);
    s1[8] = M(T::Overhand, L::Rear);
    s1[9] = M2(T::Straight, L::Lead, T::Straight, L::Rear);
    s1[12] = M2(T::Hook, L::Rear, T::Uppercut, L::Rear, A::Body);
    f.emblem = Emblem::Crown;
    f.effect = Hue::Purple;
    f.effect2 = Hue::Gold;
    return f;
}

FighterArt Jeet() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Swept;
    k.top = TopWear::Tank;
    k.legs = LegWear::KungFuPants;
    k.hands = HandWear::FingerlessGloves;
    k.feet = FootWear::Slippers;
    k.height = 0.96;
    k.bulk = 0.9;
    f.stance[0] = Style(64, 0.25, 0.05, 0.05, false);  // strong side forward
    f.stance[0].rearHeelUp = true;
    f.stance[0].guardReach = 18;
    f.stance[0].guardHeight = 12;
    f.stance[1] = Style(70, 0.3, 0.05, 0.1, true);
    f.stance[1].rearHeelUp = true;
    f.stance[1].guardReach = 12;
    Move(&s0)[15] = f.moves[0];
    s0[0] = M(T::Straight, L::Lead);
    s0[1] = M(T::SideKick, L::Lead, A::Shin);
    s0[2] = M(T::Round, L::Rear, A::Shin);
    s0[3] = M(T::Finger, L::Lead);
    s0[4] = M(T::FrontKick, L::Lead, A::Thigh);
    s0[5] = M(T::HookKick, L::Rear);
    s0[6] = Only(T::Feint);
    s0[7] = M(T::SideKick, L::Lead, A::Thigh);
    s0[8] = M(T::SideKick, L::Rear);
    s0[9] = M2(T::Straight, L::Lead, T::Straight, L::Rear);
    s0[12] = M(T::Round, L::Lead, A::Head);
    Move(&s1)[15] = f.moves[1];
    s1[0] = M(T::Straight, L::Lead);
    s1[1] = M(T::SideKick, L::Lead, A::Body);
    s1[2] = Spin(T::Backfist, L::Rear);
    s1[3] = M(T::Straight, L::Rear);
    s1[4] = M(T::SideKick, L::Rear, A::Body);
    s1[5] = M(T::Hook, L::Rear);
    s1[6] = Only(T::Feint);
    s1[7] = M(T::FrontKick, L::Lead, A::Thigh);
    s1[8] = M2(T::FrontKick, L::Lead, T::FrontKick, L::Rear);
    s1[9] = M2(T::Straight, L::Lead, T::Straight, L::Rear);
    s1[12] = Spin(T::HookKick, L::Lead, A::Head);
    f.emblem = Emblem::Bolt;
    f.effect = Hue::Orange;
    f.effect2 = Hue::Yellow;
    return f;
}

FighterArt MuayThai02() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Bald;
    k.legs = LegWear::ThaiShorts;
    k.armbands = true;
    k.hands = HandWear::Wraps;
    k.feet = FootWear::AnkleWraps;
    k.height = 1.1;
    k.bulk = 0.92;
    f.stance[0] = Style(60, 0.1, 0.0, 0.45, true);
    f.stance[0].rearHeelUp = true;
    f.stance[0].guardReach = 12;
    f.stance[0].guardHeight = -2;
    f.stance[1] = Style(60, 0.12, 0.0, 0.42, false);
    f.stance[1].rearHeelUp = true;
    f.stance[1].guardReach = 14;
    f.moves[0][0] = M(T::Straight, L::Lead);
    f.moves[0][1] = M(T::Knee, L::Rear);
    f.moves[0][2] = M(T::Round, L::Rear, A::Thigh);
    f.moves[0][3] = M(T::Teep, L::Lead, A::Body);
    f.moves[0][4] = M(T::Knee, L::Rear, A::Body);
    f.moves[0][5] = M(T::Round, L::Rear, A::Head);
    f.moves[0][6] = Only(T::Sway);
    f.moves[0][7] = M(T::DownElbow, L::Rear);
    f.moves[0][8] = Spin(T::SpinElbow, L::Rear);
    f.moves[1][0] = M(T::Straight, L::Lead);
    f.moves[1][1] = M(T::Round, L::Lead, A::Body);
    f.moves[1][2] = M(T::Round, L::Lead, A::Thigh);
    f.moves[1][3] = M(T::Round, L::Rear);
    f.moves[1][4] = M(T::Round, L::Lead, A::Body);
    f.moves[1][5] = M(T::Round, L::Rear, A::Head);
    f.moves[1][6] = Only(T::Duck);
    f.moves[1][7] = M(T::Elbow, L::Lead);
    f.moves[1][8] = Spin(T::HookKick, L::Rear);
    f.emblem = Emblem::Star;
    f.effect = Hue::Red;
    f.effect2 = Hue::Orange;
    return f;
}

FighterArt Capoeira() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Afro;
    k.legs = LegWear::Abada;
    k.belt = true;  // the cord
    k.height = 1.02;
    k.bulk = 0.95;
    f.stance[0] = Style(70, 0.3, 0.1, 0.35, true);    // the upright game
    f.stance[1] = Style(84, 1.0, 0.45, 0.35, false);  // the low game
    f.stance[1].lowGame = true;
    Move(&s0)[15] = f.moves[0];
    s0[0] = M(T::Round, L::Rear, A::Head);
    s0[1] = M(T::Sweep, L::Lead);
    s0[2] = M(T::Compass, L::Rear);
    s0[3] = M(T::Palm, L::Rear);
    s0[4] = M(T::SideKick, L::Lead, A::Shin);
    s0[5] = M(T::Crescent, L::Rear, A::Head);
    s0[6] = M2(T::Elbow, L::Lead, T::Elbow, L::Rear);
    s0[7] = M(T::SideKick, L::Rear, A::Body);
    s0[8] = After(T::Cartwheel, T::Round, L::Lead, A::Thigh);
    s0[10] = Spin(T::HookKick, L::Lead);
    s0[12] = M(T::FrontKick, L::Rear, A::Head);
    s0[13] = M(T::Crescent, L::Rear, A::Head);
    Move(&s1)[15] = f.moves[1];
    s1[0] = M(T::Round, L::Rear, A::Head);
    s1[1] = M(T::Teep, L::Lead, A::Chest);
    s1[2] = M(T::Sweep, L::Lead);
    s1[3] = M(T::SideKick, L::Rear, A::Shin);
    s1[4] = M(T::Compass, L::Rear);
    s1[5] = M(T::Compass, L::Rear, A::Thigh);
    s1[6] = M2(T::Headbutt, L::Lead, T::Elbow, L::Rear);
    s1[7] = Move{T::HookKick, L::Rear, A::Auto, T::HookKick, L::Lead, true};
    s1[8] = Move{T::Crescent, L::Lead, A::Auto, T::Crescent, L::Rear, true, T::Whirl};
    s1[10] = Spin(T::HookKick, L::Lead);
    s1[12] = M(T::Sweep, L::Rear);
    s1[13] = M(T::Compass, L::Rear);
    f.emblem = Emblem::Wave;
    f.effect = Hue::Yellow;
    f.effect2 = Hue::Green;
    return f;
}

FighterArt Qirune() {
    FighterArt f;
    Look& k = f.look;
    k.hairStyle = HairStyle::Long;
    k.beard = true;
    k.glowingEyes = true;
    k.top = TopWear::Coat;
    k.legs = LegWear::KungFuPants;
    k.feet = FootWear::Slippers;
    k.sash = true;
    k.bracers = true;
    k.height = 1.12;
    k.bulk = 1.25;
    StanceStyle s = Style(74, 0.35, 0.02, 0.3, true);
    s.openHands = true;
    s.guardReach = 20;
    s.guardHeight = 8;
    f.stance[0] = f.stance[1] = s;
    for (auto& moves : f.moves) {
        moves[0] = M(T::Palm, L::Lead);
        moves[1] = M2(T::Elbow, L::Lead, T::Elbow, L::Rear);
        moves[2] = After(T::Gather, T::Palm, L::Rear, A::Body);
        moves[3] = M(T::Palm, L::Rear);
        moves[4] = M(T::Hammer, L::Rear);
        moves[5] = After(T::Whirl, T::Palm, L::Rear);
        moves[6] = M(T::Palm, L::Lead, A::Body);
        moves[7] = M2(T::FrontKick, L::Lead, T::FrontKick, L::Rear);
        moves[8] = M(T::Palm, L::Rear);
    }
    f.emblem = Emblem::Crown;
    f.effect = Hue::Purple;
    f.effect2 = Hue::Electric;
    return f;
}

// Puts the fighter's colours (the table the game shares) on its clothes.
void Dress(Look& k, const colours::FighterColours& c) {
    k.skin = c.skin;
    k.hair = c.hair;
    k.topHue = c.top;
    k.topTrim = c.topTrim;
    k.legHue = c.legs;
    k.legTrim = c.legTrim;
    k.handHue = c.hands;
    if (k.hands == HandWear::Wraps) k.wrapHue = c.hands;
    k.footHue = c.feet;
    k.beltHue = c.waist;
    k.sashHue = c.waist;
    k.headbandHue = c.accent;
    k.armbandHue = c.accent;
}

std::array<FighterArt, 15> Build() {
    std::array<FighterArt, 15> roster = {Karate01(),   MuayThai01(), Box01(),    Box02(),
                                         Kick01(),     Hakkyoku(),   Tequondo(), Kick02(),
                                         Karate02(),   Kick03(),     Boxer03(),  Jeet(),
                                         MuayThai02(), Capoeira(),   Qirune()};
    for (size_t i = 0; i < roster.size(); ++i)
        Dress(roster[i].look, colours::FighterColoursOf(static_cast<int>(i) + 1));
    return roster;
}

}  // namespace

const FighterArt& FighterArtOf(int kind) {
    static const std::array<FighterArt, 15> roster = Build();
    return roster[static_cast<size_t>(std::clamp(kind, 1, 15) - 1)];
}

const Look& StandInLook() {
    static const Look look = [] {
        // Every part in an area of its own; nothing only one fighter wears (no long hair, no
        // headband, no skirt), and an average build, so that any fighter's colours make it
        // that fighter.
        Look k;
        k.skin = Hue::AreaSkin;
        k.hair = Hue::AreaHair;
        k.hairStyle = HairStyle::Buzz;
        k.top = TopWear::Shirt;
        k.topHue = Hue::AreaTorso;
        k.sleeveHue = Hue::AreaSleeves;
        k.topTrim = Hue::AreaNeckline;
        k.legs = LegWear::Split;
        k.legHue = Hue::AreaHips;
        k.shinHue = Hue::AreaLegs;
        k.legTrim = Hue::AreaLegs;
        k.belt = true;
        k.beltKnot = false;
        k.beltHue = Hue::AreaWaist;
        k.hands = HandWear::Wraps;
        k.wrapHue = Hue::AreaHands;
        k.handHue = Hue::AreaHands;
        k.feet = FootWear::Plain;
        k.footHue = Hue::AreaFeet;
        return k;
    }();
    return look;
}

}  // namespace assetgen::figure
