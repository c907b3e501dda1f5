// The articulated fighter figure: a look (colours, clothes, build, hair), a pose (pelvis, torso
// lean and twist, head, and for each arm and leg the point its hand or ankle reaches), and the
// drawing of both into a 256 x 256 picture with hard-edged, outlined, two-tone shaded parts.
// Everything faces right: the opponent stands to the right.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>

#include "assetgen/palette.h"

namespace assetgen::figure {

using palette::Hue;

struct Vec {
    double x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, double k) {
    return {a.x * k, a.y * k};
}
inline double Length(Vec a) {
    return std::hypot(a.x, a.y);
}
inline Vec Lerp(Vec a, Vec b, double t) {
    return a + (b - a) * t;
}
inline Vec Polar(double angle, double length) {  // angle 0 = right, positive = clockwise (y down)
    return {std::cos(angle) * length, std::sin(angle) * length};
}

// ---- the look ----------------------------------------------------------------------------

enum class HairStyle : uint8_t {
    Short,
    Spiky,
    Bald,
    Buzz,
    Ponytail,
    Topknot,
    Long,
    Afro,
    Dreads,
    Mohawk,
    Braid,
    Swept
};
// Shirt, Split and Plain are the stand-in's: garments whose every part has a colour of its
// own, so that each fighter's colours can dress it (see StandInLook).
enum class TopWear : uint8_t {
    Bare,
    Gi,
    Dobok,
    Mandarin,
    Tank,
    Coat,
    Shirt  // body in topHue, sleeves to mid forearm in sleeveHue, lapels in topTrim, no skirt
};
enum class LegWear : uint8_t {
    GiPants,
    ThaiShorts,
    Trunks,
    SatinPants,
    KungFuPants,
    Abada,
    Split  // legHue down to a shorts' hem, shinHue below it to the ankle
};
enum class HandWear : uint8_t { Bare, Wraps, Gloves, FingerlessGloves };
enum class FootWear : uint8_t {
    Bare,
    AnkleWraps,
    Boots,
    Slippers,
    Plain  // the whole foot in footHue, nothing on it
};

struct Look {
    Hue skin = Hue::SkinTan;
    Hue hair = Hue::HairBlack;
    HairStyle hairStyle = HairStyle::Short;
    TopWear top = TopWear::Bare;
    Hue topHue = Hue::White;
    Hue topTrim = Hue::Black;
    Hue sleeveHue = Hue::White;  // a Shirt's sleeves
    LegWear legs = LegWear::GiPants;
    Hue legHue = Hue::White;
    Hue legTrim = Hue::White;
    Hue shinHue = Hue::White;  // Split trousers below the hem
    HandWear hands = HandWear::Bare;
    Hue handHue = Hue::Red;
    Hue wrapHue = Hue::Cream;  // hand wraps
    FootWear feet = FootWear::Bare;
    Hue footHue = Hue::Black;
    bool belt = false;
    Hue beltHue = Hue::Black;
    bool beltKnot = true;  // the belt's knot with its two ends hanging
    bool headband = false;
    Hue headbandHue = Hue::Red;
    bool armbands = false;  // cords around the upper arms
    Hue armbandHue = Hue::Red;
    bool sash = false;  // cloth sash at the waist, ends hanging
    Hue sashHue = Hue::Red;
    bool bracers = false;  // metal cuffs on the forearms
    bool beard = false;
    bool glowingEyes = false;
    double height = 1.0;  // overall size
    double bulk = 1.0;    // width of body and limbs
};

// Lengths of the body in picture pixels, from the look.
struct Body {
    double thigh, shin, upperArm, foreArm, torso, neck, headR, footLen, ankleH, footR;
    double hipHalf, shoulderHalf;
    double thighR0, thighR1, shinR0, shinR1, upperR0, upperR1, foreR0, foreR1, fistR;
    double chestFront, chestBack, waistFront, waistBack, hipFront, hipBack;
    double LegLength() const { return thigh + shin; }
    double ArmLength() const { return upperArm + foreArm; }
};
Body BodyOf(const Look& look);

// ---- the pose ----------------------------------------------------------------------------

enum class HandShape : uint8_t {
    Fist,     // closed fist, knuckles toward handAngle
    Palm,     // open hand, heel of the palm forward, fingers up
    Blade,    // open hand, fingers along handAngle
    Relaxed,  // loose hand
    Floor,    // flat on the floor, fingers forward
};
enum class FootShape : uint8_t {
    Flat,     // sole flat on the ground, toes forward (footAngle ignored)
    Toes,     // heel raised, weight on the ball of the foot
    Pointed,  // toes stretched along the shin (round kick, instep)
    Flexed,   // sole toward the target, toes up (front kick, push kick)
    Blade,    // side kick: heel leading, foot turned edge-on
    Free,     // footAngle as given
};
enum class Face : uint8_t { Calm, Fierce, Shout, Hurt, Out };

struct ArmPose {
    Vec hand;           // the centre of the fist or palm
    Vec bend = {0, 1};  // the side the elbow goes to
    HandShape shape = HandShape::Fist;
    double handAngle = 0;      // radians, direction the knuckles or fingers point
    bool elbowStrike = false;  // the elbow is the striking point: hand folded to the shoulder
};
struct LegPose {
    Vec ankle;
    Vec bend = {1, 0};  // the side the knee goes to
    FootShape foot = FootShape::Flat;
    double footAngle = 0;
};

enum { kLead = 0, kRear = 1 };

struct Pose {
    Vec pelvis;
    double lean = 0;        // torso angle from upright, radians, positive = toward the opponent
    double twist = 0;       // 0 side-on, 0.5 chest to the viewer, 1 rear shoulder forward
    int headFacing = 1;     // 1 toward the opponent, -1 away, 0 back of the head to the viewer
    bool backView = false;  // torso seen from behind (spinning moves)
    double headTilt = 0;    // radians, positive = chin down toward the opponent
    Vec headShift;
    Face face = Face::Calm;
    bool leadFar = true;  // the lead arm and leg are on the far side (drawn behind)
    ArmPose arm[2];       // kLead, kRear
    LegPose leg[2];
    bool mirrored = false;   // drawn turned around (mid-spin, the back to the opponent)
    double floorY = 245;     // where Flat and Toes feet stand
    Vec impact;              // where a blow lands on this fighter (hit reactions)
    double impactSize = 0;   // 0: no impact spark
    double motionLines = 0;  // 0..1: speed streaks behind a striking limb
    int strikeLimb = -1;     // 0/1 arms, 2/3 legs (lead, rear) for the streaks
};

// Draws the figure onto cr (already cleared, 256 x 256, origin at the picture's corner).
// Every colour drawn is a palette colour and every edge is hard.
void DrawFigure(cairo_t* cr, const Look& look, const Pose& pose);

// Solves a two-bone limb: root to target with bone lengths a and b, the joint on the side of
// hint. Returns the joint; end is the reachable end point (target pulled in when too far).
Vec SolveLimb(Vec root, Vec target, double a, double b, Vec hint, Vec* end);

// The skeleton points the drawing uses, exposed for the poses that need them.
struct Skeleton {
    Vec pelvis, neck, head;
    Vec shoulder[2], elbow[2], hand[2];
    Vec hip[2], knee[2], ankle[2], toe[2], heel[2];
};
Skeleton SkeletonOf(const Body& body, const Pose& pose);

}  // namespace assetgen::figure
