// The poses. Every pose starts from the fighter's stance (feet planted on the floor line, the
// pelvis as high as the legs allow, hands in the guard) and then moves what the picture shows:
// a fist or foot to the point its attack reaches, a knee chambered for a kick that is still
// coming, legs tucked in the air, a body folded by a hit or lying on the floor.
//
// Picture coordinates: the fighter's point is (127, 127), the floor is row 245 (feet of a
// standing fighter at the game's y 325 stand on the stage floor), x grows toward the opponent.
#include "assetgen/figure_poses.h"

#include <algorithm>
#include <numbers>

namespace assetgen::figure {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCentreX = 127;
constexpr double kFloor = 245;
constexpr double kEdge = 249;  // the farthest a strike can be drawn inside the picture

Vec Unit(Vec v) {
    const double l = Length(v);
    return l > 1e-9 ? v * (1.0 / l) : Vec{1, 0};
}

// Height of a kick on a standing opponent.
double KickY(Aim aim, int kind) {
    switch (aim) {
        case Aim::Head: return 62;
        case Aim::Chest: return 90;
        case Aim::Body: return 114;
        case Aim::Thigh: return 178;
        case Aim::Shin: return 212;
        case Aim::Auto: break;
    }
    static constexpr double kLeg[8] = {112, 62, 88, 62, 182, 112, 112, 160};
    return kLeg[std::clamp(kind, 0, 7)];
}

// Height of a hand strike below the striker's own shoulder: a fighter punches at the head of an
// opponent of his own size, whatever his stance.
double PunchDrop(Aim aim, int kind) {
    switch (aim) {
        case Aim::Head: return -6;
        case Aim::Chest: return 14;
        case Aim::Body: return 40;
        case Aim::Thigh: return 90;
        case Aim::Shin: return 120;
        case Aim::Auto: break;
    }
    static constexpr double kArm[8] = {20, -6, 14, -6, 40, 4, 24, 42};
    return kArm[std::clamp(kind, 0, 7)];
}

bool IsLegTech(Tech t) {
    switch (t) {
        case Tech::FrontKick:
        case Tech::Teep:
        case Tech::Round:
        case Tech::SideKick:
        case Tech::BackKick:
        case Tech::HookKick:
        case Tech::AxeKick:
        case Tech::Crescent:
        case Tech::Sweep:
        case Tech::Compass:
        case Tech::Stamp:
        case Tech::Knee:
        case Tech::FlyingKnee: return true;
        default: return false;
    }
}

struct Builder {
    const Look& look;
    const StanceStyle& st;
    Body b;
    Pose p;
    double floor = kFloor;
    double crouch = 0;
    bool planted[2] = {true, true};
    double shifted = 0;

    Builder(const Look& l, const StanceStyle& s) : look(l), st(s), b(BodyOf(l)) {}

    double Leg() const { return b.thigh + b.shin; }
    double Arm() const { return b.upperArm + b.foreArm; }
    Skeleton Sk() const { return SkeletonOf(b, p); }
    double H() const { return look.height; }
    bool Gloves() const { return look.hands == HandWear::Gloves; }

    // ---- standing ------------------------------------------------------------------

    void Plant(int k, double x, FootShape shape = FootShape::Flat) {
        const double lift = shape == FootShape::Toes ? 6 * H() : 0;
        p.leg[k].ankle = {x, floor - b.ankleH - lift};
        p.leg[k].foot = shape;
        p.leg[k].bend = {1, -0.1};
        planted[k] = true;
    }

    // The pelvis as high as the planted legs allow, lowered by the crouch.
    void Ground() {
        double y = -1e9;
        bool any = false;
        for (int k = 0; k < 2; ++k) {
            if (!planted[k]) continue;
            any = true;
            const double hipX = p.pelvis.x + (k == kLead ? 1 : -1) * b.hipHalf * 0.35;
            const double reach = 0.975 * Leg();
            const double dx = p.leg[k].ankle.x - hipX;
            const double v = std::sqrt(std::max(reach * reach - dx * dx, 0.09 * reach * reach));
            y = std::max(y, p.leg[k].ankle.y - v);
        }
        if (!any) return;
        p.pelvis.y = y + std::clamp(crouch, 0.0, 1.6) * 0.17 * Leg();
    }

    void Base(double crouchExtra = 0, double widthScale = 1, double shift = 0) {
        const double w = st.width * H() * widthScale;
        p.lean = st.lean;
        p.twist = st.twist;
        p.leadFar = st.leadFar;
        p.pelvis.x = kCentreX - 4 + shift;
        Plant(kLead, kCentreX + 0.45 * w + shift);
        Plant(kRear, kCentreX - 0.55 * w + shift,
              st.rearHeelUp ? FootShape::Toes : FootShape::Flat);
        crouch = st.crouch + crouchExtra;
        Ground();
        GuardHands();
    }

    void SetArm(int k, Vec hand, Vec bend, HandShape shape = HandShape::Fist, double angle = 0) {
        p.arm[k].hand = hand;
        p.arm[k].bend = bend;
        p.arm[k].shape = shape;
        p.arm[k].handAngle = angle;
        p.arm[k].elbowStrike = false;
    }

    HandShape GuardShape() const { return st.openHands ? HandShape::Palm : HandShape::Fist; }
    double GuardAngle() const { return -kPi / 2 + 0.45; }

    void GuardArm(int k, double lift = 0, double tight = 0) {
        const Skeleton s = Sk();
        const Vec h = s.head;
        const double g = Gloves() ? 3 : 0;
        if (st.lowGame) {
            if (k == kLead)
                SetArm(k, s.neck + Vec{28 - tight * 10, 30 - lift}, {0.2, 1}, GuardShape(),
                       GuardAngle());
            else
                SetArm(k, s.neck + Vec{12, 40 - lift}, {-0.3, 1}, GuardShape(), GuardAngle());
            return;
        }
        if (k == kLead)
            SetArm(
                k,
                h + Vec{(17 + st.guardReach + g) * (1 - 0.5 * tight), 16 + st.guardHeight - lift},
                {0.15, 1}, GuardShape(), GuardAngle());
        else
            SetArm(k, h + Vec{7 + g, 25 + st.guardHeight * 0.6 - lift}, {-0.25, 1}, GuardShape(),
                   GuardAngle());
    }

    void GuardHands(double lift = 0, double tight = 0) {
        GuardArm(kLead, lift, tight);
        GuardArm(kRear, lift, tight);
    }

    // Both forearms up in front of the face.
    void Cover() {
        const Vec h = Sk().head;
        SetArm(kLead, h + Vec{15, 2}, {0.35, 1});
        SetArm(kRear, h + Vec{10, 10}, {0.1, 1});
    }

    // ---- limbs at exact angles -----------------------------------------------------

    // A knee lifted for a kick: amount 0 hanging .. 1 thigh level with the hip; fold 0 straight
    // .. 1 heel to the buttock.
    void Chamber(int k, double amount, double fold, double spread = 0) {
        const Vec hip = Sk().hip[k];
        const double thighA = kPi / 2 - amount * (kPi / 2 + 0.15) - spread;
        const Vec knee = hip + Polar(thighA, b.thigh);
        const double shinA = thighA + fold * kPi * 0.8;
        const Vec ankle = knee + Polar(shinA, b.shin);
        p.leg[k].ankle = ankle;
        p.leg[k].bend = Unit(knee - Lerp(hip, ankle, 0.5));
        p.leg[k].foot = FootShape::Pointed;
        planted[k] = false;
    }

    // A leg tucked in the air under the body.
    void Tuck(int k, double amount) {
        Chamber(k, 0.35 + 0.4 * amount, 0.55 + 0.25 * amount);
        p.leg[k].foot = FootShape::Pointed;
    }

    // ---- reaching a point ----------------------------------------------------------

    // Moves the body forward (a lunge: the lead foot steps with it) until the arm reaches.
    void ArmStrike(int k, Vec strike, double ratio, Vec bend, HandShape shape, double angle,
                   double maxShift = 55) {
        strike.x = std::min(strike.x, kEdge);
        Vec hand = strike;
        for (int it = 0; it < 8; ++it) {
            const Vec sh = Sk().shoulder[k];
            const Vec dir = Unit(strike - sh);
            double tip = b.fistR * 1.05;
            if (Gloves() && shape == HandShape::Fist) tip = 14;
            if (shape == HandShape::Blade) tip = b.fistR * 2.3;
            if (shape == HandShape::Palm) tip = b.fistR * 0.7;
            hand = strike - dir * tip;
            const double d = Length(hand - sh), limit = ratio * Arm();
            // A target too close for the arm to straighten: the body stays back a little,
            // so the strike still shows as a strike.
            if (d < limit - 6 && shifted > -22 && maxShift > 0) {
                const double mv = std::max(-(limit - d) * std::max(0.35, dir.x), -22 - shifted);
                p.pelvis.x += mv;
                p.leg[kLead].ankle.x += mv * 0.7;
                p.leg[kRear].ankle.x += mv * 0.9;
                shifted += mv;
                Ground();
                continue;
            }
            if (d <= limit + 0.5 || shifted >= maxShift) break;
            const double mv = std::min((d - limit) * std::max(0.35, dir.x), maxShift - shifted);
            p.pelvis.x += mv;
            p.leg[kLead].ankle.x += mv * 0.9;
            p.leg[kRear].ankle.x += mv * 0.5;
            p.lean += mv * 0.002;
            shifted += mv;
            Ground();
        }
        SetArm(k, hand, bend, shape, angle);
    }

    // The elbow's point driven to the target, the forearm folded back.
    void ElbowStrike(int k, Vec strike, Vec fold) {
        strike.x = std::min(strike.x, kEdge);
        for (int it = 0; it < 8; ++it) {
            const Vec sh = Sk().shoulder[k];
            const double d = Length(strike - sh), limit = b.upperArm + b.upperR1;
            if (d <= limit + 0.5 || shifted >= 60) break;
            const double mv =
                std::min((d - limit) * std::max(0.4, Unit(strike - sh).x), 60 - shifted);
            p.pelvis.x += mv;
            p.leg[kLead].ankle.x += mv * 0.9;
            p.leg[kRear].ankle.x += mv * 0.5;
            shifted += mv;
            Ground();
        }
        const Vec sh = Sk().shoulder[k];
        const Vec dir = Unit(strike - sh);
        SetArm(k, strike - dir * b.upperR1, fold);
        p.arm[k].elbowStrike = true;
    }

    // The foot's striking point to the target: the body slides toward it and the standing
    // leg straightens as far as needed; in the air the body simply goes where the kick needs.
    void LegStrike(int k, Vec strike, FootShape shape, Vec knee, bool air, double supportBack = 8) {
        strike.x = std::min(strike.x, kEdge);
        const int other = 1 - k;
        p.leg[k].foot = shape;
        p.leg[k].bend = knee;
        planted[k] = false;
        for (int it = 0; it < 10; ++it) {
            const Skeleton s = Sk();
            const Vec hip = s.hip[k];
            const Vec dir = Unit(strike - hip);
            Vec ankle = strike;
            switch (shape) {
                case FootShape::Pointed: ankle = strike - dir * (b.footLen * 0.78); break;
                case FootShape::Flexed: ankle = strike - dir * 5 + Vec{0, 3}; break;
                case FootShape::Blade: ankle = strike - dir * 6; break;
                default: ankle = strike - dir * 6; break;
            }
            p.leg[k].ankle = ankle;
            const double d = Length(ankle - hip), limit = 0.97 * Leg();
            if (!air) {
                Plant(other, p.pelvis.x - supportBack,
                      p.leg[other].foot == FootShape::Toes ? FootShape::Toes : FootShape::Flat);
                planted[k] = false;
            }
            if (d <= limit + 0.5) break;
            const Vec mv = Unit(ankle - hip) * (d - limit);
            p.pelvis.x += std::max(mv.x, 0.0);
            if (air) {
                p.pelvis.y += mv.y;
            } else {
                // Rise on the standing leg, never above its full length.
                const double top = floor - b.ankleH - 0.975 * Leg() + 2;
                p.pelvis.y = std::max(p.pelvis.y + std::min(mv.y, 0.0), top);
            }
        }
    }

    // The foremost point of the body: head, shoulders, hands, knees and feet.
    double Front() const {
        const Skeleton s = Sk();
        double x = s.head.x + b.headR * 1.15;
        for (int k = 0; k < 2; ++k) {
            x = std::max(x, s.shoulder[k].x + b.upperR0 * 1.1);
            x = std::max(x, s.hand[k].x + b.fistR * 1.2);
            x = std::max(x, s.knee[k].x + b.thighR1);
            x = std::max(x, s.toe[k].x + 4);
        }
        return x;
    }

    // Slides the whole body (lead foot first) until its foremost point is at x.
    void SlideFrontTo(double x) {
        for (int i = 0; i < 6; ++i) {
            const double gap = std::clamp(x - Front(), -20.0 - shifted, 70.0 - shifted);
            if (std::fabs(gap) < 0.5) break;
            p.pelvis.x += gap;
            for (int k = 0; k < 2; ++k)
                if (planted[k]) p.leg[k].ankle.x += gap * (k == kLead ? 0.9 : 0.5);
            if (!planted[kLead] && !planted[kRear]) {
                p.leg[kLead].ankle.x += gap;
                p.leg[kRear].ankle.x += gap;
            }
            shifted += gap;
            Ground();
        }
    }

    // Moves the whole figure up.
    void Lift(double d) {
        p.pelvis.y -= d;
        for (int k = 0; k < 2; ++k) {
            p.arm[k].hand.y -= d;
            p.leg[k].ankle.y -= d;
        }
    }

    // In the air nothing stands on the floor: legs still planted are tucked, and the body is
    // lifted until no foot, knee or hand comes near the floor line.
    void InAir() {
        for (int k = 0; k < 2; ++k)
            if (planted[k]) Tuck(k, k == kLead ? 0.55 : 0.3);
        planted[kLead] = planted[kRear] = false;
        for (int i = 0; i < 4; ++i) {
            const Skeleton s = Sk();
            double low = -1e9;
            for (int k = 0; k < 2; ++k) {
                low = std::max({low, s.toe[k].y + b.footR + 2, s.heel[k].y + b.footR * 1.3 + 2,
                                s.ankle[k].y + b.shinR1 + 2, s.knee[k].y + b.thighR1 + 2,
                                s.hand[k].y + (Gloves() ? 14 : b.fistR) + 2});
            }
            const double over = low - (floor - 12);
            if (over <= 0.5) break;
            Lift(over);
        }
    }

    // ---- finishing touches ----------------------------------------------------------

    void Streak(int limb) {
        p.strikeLimb = limb;
        p.motionLines = 1;
    }
};

// ---- the stances ------------------------------------------------------------------------

void StandPose(Builder& B, int index, int count) {
    const StanceStyle& st = B.st;
    if (count >= 6) {
        // The ginga: the rear foot swings back into a lunge and home again, the arms trade
        // places in front of the face.
        const double phase = 2 * kPi * index / count;
        const double t = (1 - std::cos(phase)) / 2;
        B.Base(0.35 * t, 1.0);
        B.p.twist = 0.35 - 0.2 * t;
        B.Plant(kRear, B.p.leg[kRear].ankle.x - 26 * t * B.H(),
                t > 0.3 ? FootShape::Toes : FootShape::Flat);
        B.Plant(kLead, B.p.leg[kLead].ankle.x - 4 * (1 - t));
        B.p.pelvis.x -= 10 * t - 4 * std::sin(phase);
        B.p.lean = st.lean + 0.25 * t;
        B.Ground();
        const Skeleton s = B.Sk();
        const double swing = std::sin(phase);
        B.SetArm(kRear, s.head + Vec{12 + 4 * swing, -4 + 10 * (1 - t)}, {0.2, 1}, HandShape::Blade,
                 -kPi / 2 + 0.6);
        B.SetArm(kLead, s.neck + Vec{30 - 8 * t, 40 - 20 * (1 - t)}, {0.4, 1}, HandShape::Blade,
                 -0.3);
        return;
    }
    if (count == 3) {
        // A slow breath: the chest rises and the hands open.
        const double t = std::sin(kPi * index / 3.0);
        B.Base(-0.05 * t);
        B.p.lean -= 0.04 * t;
        B.Ground();
        B.GuardHands(4 * t);
        return;
    }
    B.Base();
}

void StepPose(Builder& B, bool forward) {
    B.Base(0.1);
    if (forward) {
        B.Plant(kLead, B.p.leg[kLead].ankle.x + 16 * B.H());
        B.Plant(kRear, B.p.leg[kRear].ankle.x + 4, FootShape::Toes);
        B.p.pelvis.x += 8;
        B.p.lean += 0.06;
    } else {
        B.Plant(kRear, B.p.leg[kRear].ankle.x - 16 * B.H(), FootShape::Toes);
        B.Plant(kLead, B.p.leg[kLead].ankle.x - 6, FootShape::Toes);
        B.p.pelvis.x -= 8;
        B.p.lean -= 0.05;
    }
    B.Ground();
    B.GuardHands();
}

void GuardPose(Builder& B) {
    B.Base(0.2);
    B.p.lean += 0.12;
    B.p.headTilt = 0.25;
    B.Ground();
    B.Cover();
    B.p.face = Face::Fierce;
}

void LowGuardPose(Builder& B) {
    if (!B.st.kicker) {
        // Boxers drop the forearms over the body and sink.
        B.Base(0.55);
        B.p.lean += 0.28;
        B.p.headTilt = 0.3;
        B.Ground();
        const Skeleton s = B.Sk();
        B.SetArm(kLead, s.neck + Vec{24, 40}, {0.3, 1});
        B.SetArm(kRear, s.neck + Vec{18, 18}, {0.2, 1});
        B.p.face = Face::Fierce;
        return;
    }
    // The shin check: the lead knee comes up to catch a low kick.
    B.Base(0.15);
    B.p.lean += 0.05;
    B.Plant(kRear, B.p.pelvis.x - 10);
    B.planted[kLead] = false;
    B.Ground();
    B.Chamber(kLead, 0.78, 0.62, -0.15);
    B.p.leg[kLead].foot = FootShape::Free;
    B.p.leg[kLead].footAngle = 0.7;
    B.GuardHands(-6);
    const Skeleton s = B.Sk();
    B.SetArm(kLead, s.neck + Vec{24, 26}, {0.3, 1});
    B.p.face = Face::Fierce;
}

void SwitchPose(Builder& B) {
    // The hop of a stance change: both feet off the floor, legs trading places.
    B.Base(0.1);
    B.p.twist = 0.4;
    B.planted[kLead] = B.planted[kRear] = false;
    B.Chamber(kLead, 0.25, 0.3);
    B.Chamber(kRear, 0.1, 0.45, -0.3);
    B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Pointed;
    B.GuardHands();
}

// ---- wind-ups shared by many techniques ------------------------------------------------------

// Turned around mid-spin: first the back to the viewer, then facing away from the opponent and
// looking back over the shoulder.
void SpinWindup(Builder& B, int step, int steps, bool kick) {
    const bool late = steps <= 1 || step >= steps - 1;
    B.Base(0.15, 0.85);
    B.p.face = Face::Fierce;
    if (!late) {
        B.p.backView = true;
        B.p.headFacing = 0;
        B.p.twist = 0.5;
        B.p.leadFar = !B.st.leadFar;
        B.Plant(kRear, B.p.leg[kRear].ankle.x + 12, FootShape::Toes);
        B.Ground();
        const Skeleton s = B.Sk();
        B.SetArm(kLead, s.neck + Vec{22, 20}, {0.2, 1});
        B.SetArm(kRear, s.neck + Vec{-16, 24}, {-0.2, 1});
        return;
    }
    // Facing away: drawn mirrored, the head turned back toward the opponent.
    B.p.mirrored = true;
    B.p.headFacing = -1;
    B.p.leadFar = !B.st.leadFar;
    B.p.lean = 0.05;
    B.p.twist = 0.2;
    if (kick) {
        B.planted[kRear] = false;
        B.Ground();
        B.Chamber(kRear, 0.55, 0.75);
    }
    const Skeleton s = B.Sk();
    B.SetArm(kLead, s.neck + Vec{20, 22}, {0.2, 1});
    B.SetArm(kRear, s.neck + Vec{14, 34}, {0.2, 1});
}

// Crouched to jump.
void JumpCrouch(Builder& B) {
    B.Base(0.9, 0.9);
    B.p.lean += 0.25;
    B.Ground();
    const Skeleton s = B.Sk();
    B.SetArm(kLead, s.neck + Vec{24, 30}, {0.2, 1});
    B.SetArm(kRear, s.neck + Vec{-10, 44}, {-0.3, 1});
    B.p.face = Face::Fierce;
}

// Landing from a jump.
void Landing(Builder& B) {
    B.Base(0.75, 1.0);
    B.p.lean += 0.18;
    B.Ground();
    B.GuardHands(-8);
}

// ---- strikes ---------------------------------------------------------------------------

struct Strike {
    Tech tech;
    int side;  // kLead or kRear
    Vec target;
    bool air;
};

void ArmWindup(Builder& B, const Strike& s, double a) {
    const int k = s.side, other = 1 - k;
    B.Base(0.1 * a);
    B.p.face = Face::Fierce;
    const Skeleton sk = B.Sk();
    const Vec sh = sk.shoulder[k];
    switch (s.tech) {
        case Tech::Straight:
        case Tech::Finger:
        case Tech::Superman:
            if (k == kRear) B.p.twist -= 0.08 * a;
            B.p.lean += 0.05 * a;
            B.Ground();
            B.GuardArm(k, 0, 0);
            B.p.arm[k].hand = B.p.arm[k].hand - Vec{6 * a, -3 * a};
            break;
        case Tech::Palm:
        case Tech::TwinPalms:
        case Tech::Gather: {
            // The hand drawn back to the hip, palm open.
            B.p.twist = B.st.twist - 0.1 * a;
            const Vec hip = B.Sk().pelvis;
            B.SetArm(k, hip + Vec{2 - 8 * a, -28}, {-1, 0.3}, HandShape::Palm, -kPi / 2 + 0.2);
            if (s.tech == Tech::TwinPalms)
                B.SetArm(other, hip + Vec{10 - 8 * a, -22}, {-1, 0.3}, HandShape::Palm,
                         -kPi / 2 + 0.2);
            break;
        }
        case Tech::Hook:
        case Tech::Ridge:
            B.p.twist += (k == kRear ? -0.1 : 0.15) * a;
            B.SetArm(k, sh + Vec{6, -4 - 6 * a}, {-0.6, -0.4},
                     s.tech == Tech::Ridge ? HandShape::Blade : HandShape::Fist, 0.4);
            break;
        case Tech::Uppercut:
            B.crouch += 0.45 * a;
            B.p.lean += 0.15 * a;
            B.Ground();
            B.GuardArm(other);
            B.SetArm(k, B.Sk().shoulder[k] + Vec{12, 48}, {-0.4, 1}, HandShape::Fist, -kPi / 2);
            break;
        case Tech::Overhand:
        case Tech::Hammer:
        case Tech::Chop:
            B.p.lean -= 0.1 * a;
            B.SetArm(k, sh + Vec{-8 - 8 * a, -30 - 20 * a}, {-1, -0.2},
                     s.tech == Tech::Chop ? HandShape::Blade : HandShape::Fist, -kPi / 2);
            break;
        case Tech::Elbow:
            B.p.twist += (k == kRear ? -0.1 : 0.2) * a;
            B.SetArm(k, sh + Vec{-14, -6}, {-0.2, -1});
            break;
        case Tech::RisingElbow:
            B.crouch += 0.4 * a;
            B.Ground();
            B.SetArm(k, B.Sk().shoulder[k] + Vec{8, 44}, {-0.5, 1});
            break;
        case Tech::DownElbow: B.SetArm(k, sh + Vec{-4, -40}, {-1, -0.3}); break;
        case Tech::Shoulder:
            B.crouch += 0.3 * a;
            B.p.lean += 0.2 * a;
            B.Ground();
            break;
        case Tech::Headbutt:
            B.p.lean -= 0.15 * a;
            B.p.headTilt = -0.2 * a;
            break;
        default: break;
    }
}

void ArmStrikePose(Builder& B, const Strike& s) {
    const int k = s.side, other = 1 - k;
    B.Base(0.05);
    B.p.face = Face::Shout;
    Vec t = s.target;
    const bool rear = k == kRear;
    switch (s.tech) {
        case Tech::Straight:
        case Tech::Finger:
        case Tech::Palm:
        case Tech::Backfist: {
            B.p.twist = rear ? 0.85 : 0.0;
            B.p.lean += 0.12;
            if (s.tech == Tech::Backfist) B.p.twist = rear ? 0.7 : 0.0;
            B.Ground();
            B.GuardArm(other, 0, 0.3);
            const HandShape shape = s.tech == Tech::Finger ? HandShape::Blade
                                    : s.tech == Tech::Palm ? HandShape::Palm
                                                           : HandShape::Fist;
            const double angle = s.tech == Tech::Palm ? -kPi / 2 + 0.25 : 0;
            B.ArmStrike(k, t, 0.985, s.tech == Tech::Backfist ? Vec{0, -1} : Vec{0.2, 1}, shape,
                        angle);
            B.Streak(k);
            break;
        }
        case Tech::Hook:
        case Tech::Ridge:
            B.p.twist = rear ? 0.95 : 0.45;
            B.p.lean += 0.15;
            B.Ground();
            B.GuardArm(other, 0, 0.3);
            B.ArmStrike(k, t, 0.84, {-0.1, -1},
                        s.tech == Tech::Ridge ? HandShape::Blade : HandShape::Fist,
                        s.tech == Tech::Ridge ? 0.2 : 0);
            B.Streak(k);
            break;
        case Tech::Uppercut:
            B.p.twist = rear ? 0.9 : 0.35;
            B.p.lean += 0.05;
            B.crouch += 0.1;
            B.Ground();
            B.GuardArm(other, 0, 0.3);
            B.ArmStrike(k,
                        t.y < B.Sk().shoulder[k].y + 20 ? Vec{t.x, B.Sk().shoulder[k].y - 12} : t,
                        0.66, {0.3, 1}, HandShape::Fist, -kPi / 2);
            B.Streak(k);
            break;
        case Tech::Overhand:
        case Tech::Hammer:
        case Tech::Chop:
            B.p.twist = rear ? 0.9 : 0.3;
            B.p.lean += 0.32;
            B.Ground();
            B.GuardArm(other, 0, 0.3);
            B.ArmStrike(k, t - Vec{0, 6}, s.tech == Tech::Overhand ? 0.9 : 0.82, {0, -1},
                        s.tech == Tech::Chop ? HandShape::Blade : HandShape::Fist,
                        s.tech == Tech::Chop ? 0.9 : 0.3);
            B.Streak(k);
            break;
        case Tech::Superman:
            B.p.lean += 0.35;
            B.p.twist = 0.8;
            B.planted[kLead] = B.planted[kRear] = false;
            B.Chamber(kLead, 0.55, 0.8);
            B.p.leg[kRear].ankle = B.p.pelvis + Vec{-72 * B.H(), 42 * B.H()};
            B.p.leg[kRear].bend = {0, -1};
            B.p.leg[kRear].foot = FootShape::Pointed;
            B.GuardArm(kLead, 0, 0.3);
            B.ArmStrike(kRear, t, 0.985, {0.2, 1}, HandShape::Fist, 0);
            B.Streak(kRear);
            break;
        case Tech::TwinPalms:
            B.p.twist = 0.5;
            B.p.lean += 0.18;
            B.crouch += 0.2;
            B.Ground();
            B.ArmStrike(kLead, t - Vec{0, 10}, 0.97, {0.2, 1}, HandShape::Palm, -kPi / 2 + 0.25);
            B.ArmStrike(kRear, t + Vec{-4, 14}, 0.97, {0.2, 1}, HandShape::Palm, -kPi / 2 + 0.25,
                        0);
            B.Streak(kLead);
            break;
        case Tech::Elbow:
        case Tech::SpinElbow:
            B.p.twist = rear ? 0.95 : 0.3;
            B.p.lean += 0.2;
            B.Ground();
            B.GuardArm(other, 0, 0.3);
            B.ElbowStrike(k, t, {0, -1});
            break;
        case Tech::RisingElbow:
            B.p.twist = rear ? 0.9 : 0.3;
            B.p.lean += 0.1;
            B.Ground();
            B.GuardArm(other, 0, 0.3);
            B.ElbowStrike(k, t + Vec{0, -6}, {-1, 0});
            break;
        case Tech::DownElbow:
            B.p.twist = 0.7;
            B.p.lean += 0.4;
            B.Ground();
            B.GuardArm(other, 0, 0.3);
            B.ElbowStrike(k, t + Vec{0, 6}, {-1, -0.4});
            break;
        case Tech::Shoulder: {
            B.p.lean += 0.3;
            B.p.twist = 0.05;
            B.p.headTilt = 0.5;
            B.crouch += 0.35;
            B.Ground();
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.neck + Vec{8, 34}, {0.6, 1});
            B.SetArm(kRear, sk.neck + Vec{-8, 42}, {-0.3, 1});
            B.SlideFrontTo(t.x);
            const Skeleton moved = B.Sk();
            B.SetArm(kLead, moved.neck + Vec{8, 34}, {0.6, 1});
            B.SetArm(kRear, moved.neck + Vec{-8, 42}, {-0.3, 1});
            break;
        }
        case Tech::Headbutt: {
            B.p.lean += 0.55;
            B.p.headTilt = 0.45;
            B.Ground();
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.head + Vec{8, 22}, {0.2, 1}, HandShape::Relaxed);
            B.SetArm(kRear, sk.head + Vec{2, 30}, {0.2, 1}, HandShape::Relaxed);
            B.SlideFrontTo(t.x);
            const Skeleton moved = B.Sk();
            B.SetArm(kLead, moved.head + Vec{8, 22}, {0.2, 1}, HandShape::Relaxed);
            B.SetArm(kRear, moved.head + Vec{2, 30}, {0.2, 1}, HandShape::Relaxed);
            break;
        }
        case Tech::Pound: {
            // The stare-down: upright, one glove pointed straight at the opponent.
            B.p.lean = 0.02;
            B.p.twist = 0.1;
            B.p.headTilt = 0.3;
            B.p.face = Face::Fierce;
            B.Ground();
            const Skeleton sk = B.Sk();
            B.SetArm(kRear, sk.pelvis + Vec{10, -20}, {0, 1});
            B.ArmStrike(kLead, {kEdge, sk.shoulder[kLead].y - 2}, 0.99, {0.2, 1}, HandShape::Fist,
                        0, 45);
            break;
        }
        default: break;
    }
    if (s.air) {
        B.planted[kLead] = B.planted[kRear] = false;
        if (s.tech != Tech::Superman) {
            B.Tuck(kLead, 0.6);
            B.Tuck(kRear, 0.3);
        }
    }
}

// ---- kicks -----------------------------------------------------------------------------

void KickWindup(Builder& B, const Strike& s, double a, bool air) {
    const int k = s.side, other = 1 - k;
    B.Base(0.05);
    B.p.face = Face::Fierce;
    const double high = std::clamp((B.p.pelvis.y - s.target.y) / 90.0, 0.0, 1.0);
    switch (s.tech) {
        case Tech::Sweep:
        case Tech::Compass: {
            B.crouch += 0.8 * a;
            B.p.lean += 0.35 * a;
            B.Ground();
            const Skeleton sk = B.Sk();
            B.SetArm(kRear, Vec{sk.pelvis.x + 18, B.floor - 8 - (1 - a) * 40}, {-0.5, 0.5},
                     HandShape::Floor, 0);
            B.GuardArm(kLead);
            return;
        }
        case Tech::AxeKick:
            if (a > 0.55) {
                // The leg swung up straight, higher than the head.
                B.planted[k] = false;
                B.p.lean = -0.2;
                B.Plant(other, B.p.pelvis.x - 8);
                B.Ground();
                const Vec hip = B.Sk().hip[k];
                B.p.leg[k].ankle = hip + Polar(-kPi / 2 + 0.45, B.Leg() * 0.96);
                B.p.leg[k].bend = {1, 0};
                B.p.leg[k].foot = FootShape::Flexed;
                B.GuardHands();
                return;
            }
            break;
        case Tech::Knee: {
            // Hands reach for the opponent's head, the knee cocks back.
            B.p.lean += 0.12;
            B.Ground();
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.head + Vec{40, 6}, {0.2, 1}, HandShape::Relaxed);
            B.SetArm(kRear, sk.head + Vec{34, 12}, {0.2, 1}, HandShape::Relaxed);
            if (a > 0.5) {
                B.Plant(other, B.p.pelvis.x + 4);
                B.planted[k] = false;
                B.Ground();
                B.Chamber(k, 0.15, 0.7, -0.25);
            }
            return;
        }
        default: break;
    }
    // A chambered knee: up toward the target, the foot tucked.
    B.Plant(other, B.p.pelvis.x - 6,
            s.tech == Tech::Round || s.tech == Tech::Crescent ? FootShape::Toes : FootShape::Flat);
    B.planted[k] = false;
    B.p.lean = B.st.lean - (0.1 + 0.2 * high) * a;
    if (s.tech == Tech::Round || s.tech == Tech::Crescent) B.p.twist = B.st.twist + 0.35 * a;
    if (s.tech == Tech::SideKick || s.tech == Tech::Stamp) B.p.twist = 0;
    B.Ground();
    const double lift = (0.62 + 0.3 * high) * (0.45 + 0.55 * a);
    B.Chamber(k, lift + (s.tech == Tech::Stamp ? 0.15 : 0), 0.62 + 0.3 * a);
    if (air) {
        B.planted[other] = false;
        B.Tuck(other, 0.5);
    }
    B.GuardHands(-2);
}

void KickPose(Builder& B, const Strike& s) {
    const int k = s.side, other = 1 - k;
    const bool air = s.air;
    B.Base(0.0);
    B.p.face = Face::Shout;
    B.planted[k] = false;
    if (air) B.planted[other] = false;
    const double high = std::clamp((B.p.pelvis.y - s.target.y) / 100.0, -0.3, 1.0);
    Vec t = s.target;
    const Skeleton base = B.Sk();
    switch (s.tech) {
        case Tech::FrontKick:
        case Tech::Teep:
            B.p.lean = -0.12 - 0.3 * high - (s.tech == Tech::Teep ? 0.15 : 0);
            B.p.twist = 0.1;
            B.LegStrike(k, t, FootShape::Flexed, {0.3, -1}, air);
            B.GuardHands(-4);
            if (s.tech == Tech::Teep) {
                const Skeleton sk = B.Sk();
                B.SetArm(kRear, sk.pelvis + Vec{-26, -4}, {-0.3, 1});
            }
            break;
        case Tech::Round:
        case Tech::Crescent: {
            B.p.lean = -0.08 - 0.55 * std::max(high, 0.0);
            B.p.twist = 0.75;
            B.Plant(other, B.p.pelvis.x - 8, FootShape::Toes);
            B.LegStrike(k, t, s.tech == Tech::Crescent ? FootShape::Blade : FootShape::Pointed,
                        high > 0.4 ? Vec{0.2, -1} : Vec{1, -0.4}, air, 6);
            const Skeleton sk = B.Sk();
            // The arm on the kicking side swings down and back; the other guards the face.
            B.SetArm(k, sk.pelvis + Vec{-30, -4}, {-0.2, 1}, HandShape::Fist);
            B.GuardArm(other, 0, 0.2);
            break;
        }
        case Tech::SideKick:
        case Tech::Stamp: {
            B.p.lean = -0.2 - 0.5 * std::max(high, 0.0);
            B.p.twist = 0.0;
            B.LegStrike(k, t, FootShape::Blade, s.tech == Tech::Stamp ? Vec{0.2, -1} : Vec{0.1, -1},
                        air, 10);
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.shoulder[kLead] + Polar(-0.1 + B.p.lean * 0.3, B.Arm() * 0.8),
                     {0, 1}, HandShape::Fist);
            B.GuardArm(kRear, 0, 0.2);
            break;
        }
        case Tech::BackKick:
        case Tech::HookKick: {
            // Turned away from the opponent: the back to the viewer, the head looking over the
            // shoulder along the leg.
            B.p.backView = true;
            B.p.leadFar = !B.st.leadFar;
            B.p.lean = s.tech == Tech::BackKick ? -0.45 - 0.35 * std::max(high, 0.0)
                                                : -0.35 - 0.45 * std::max(high, 0.0);
            B.p.twist = 0.3;
            B.LegStrike(k, t, s.tech == Tech::BackKick ? FootShape::Flexed : FootShape::Blade,
                        s.tech == Tech::BackKick ? Vec{0, 1} : Vec{0.2, -1}, air, 10);
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.neck + Vec{16, 26}, {0.2, 1});
            B.SetArm(kRear, sk.neck + Vec{-18, 30}, {-0.4, 1});
            break;
        }
        case Tech::AxeKick:
            B.p.lean = -0.28;
            B.p.twist = 0.15;
            B.LegStrike(k, t + Vec{0, -8}, FootShape::Flexed, {0.2, -1}, air, 10);
            B.GuardHands(-2);
            break;
        case Tech::Sweep: {
            // Down on the standing leg, a hand on the floor, the leg cutting along the floor.
            B.p.lean = 0.5;
            B.p.twist = 0.45;
            const double x0 = base.pelvis.x - 10;
            B.p.pelvis = {x0, B.floor - 0.55 * B.Leg()};
            B.planted[other] = true;
            B.Plant(other, x0 - 14, FootShape::Toes);
            B.p.leg[other].bend = {1, -1};
            B.planted[k] = false;
            B.LegStrike(k, {t.x, B.floor - 5}, FootShape::Blade, {0.4, -1}, true);
            const Skeleton sk = B.Sk();
            B.SetArm(kRear, {sk.shoulder[kRear].x + 4, B.floor - 6}, {-0.6, 0}, HandShape::Floor,
                     0);
            B.SetArm(kLead, {sk.shoulder[kLead].x + 18, B.floor - 8}, {-0.6, 0}, HandShape::Floor,
                     0);
            break;
        }
        case Tech::Compass: {
            // Hands to the floor, head low, the heel swung round at the target.
            B.p.backView = true;
            B.p.leadFar = !B.st.leadFar;
            B.p.lean = 1.0;
            B.p.twist = 0.5;
            B.p.headTilt = -0.6;
            B.p.pelvis = {base.pelvis.x - 18, B.floor - 0.78 * B.Leg()};
            B.Plant(other, B.p.pelvis.x - 20, FootShape::Flat);
            B.p.leg[other].bend = {1, -0.5};
            B.planted[k] = false;
            B.LegStrike(k, t, FootShape::Blade, {0.2, -1}, true);
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, {sk.shoulder[kLead].x - 4, B.floor - 6}, {-0.8, 0}, HandShape::Floor,
                     0);
            B.SetArm(kRear, {sk.shoulder[kRear].x - 18, B.floor - 6}, {-0.8, 0}, HandShape::Floor,
                     kPi);
            break;
        }
        case Tech::Knee:
        case Tech::FlyingKnee: {
            // The knee is the point: thigh to the target, shin hanging back.
            B.p.lean = 0.15;
            B.p.twist = k == kRear ? 0.7 : 0.35;
            if (!air) B.Plant(other, B.p.pelvis.x - 4, FootShape::Toes);
            t.y = std::max(t.y, B.p.pelvis.y - 0.75 * B.b.thigh);
            for (int i = 0; i < 8; ++i) {
                const Vec hip = B.Sk().hip[k];
                const Vec kneeTip = t - Vec{B.b.thighR1 * 0.9, 0};
                const double d = Length(kneeTip - hip);
                if (d <= B.b.thigh + 0.5 || B.shifted > 70) break;
                const Vec mv = Unit(kneeTip - hip) * (d - B.b.thigh);
                B.p.pelvis.x += std::max(mv.x, 0.0);
                B.shifted += std::max(mv.x, 0.0);
                if (air)
                    B.p.pelvis.y += mv.y;
                else
                    B.p.pelvis.y = std::max(B.p.pelvis.y + std::min(mv.y, 0.0),
                                            B.floor - B.b.ankleH - 0.975 * B.Leg() + 2);
                if (!air) B.Plant(other, B.p.pelvis.x - 6, FootShape::Toes);
            }
            const Vec hip = B.Sk().hip[k];
            const Vec knee = hip + Unit(t - Vec{B.b.thighR1 * 0.9, 0} - hip) * B.b.thigh;
            const Vec ankle = knee + Polar(kPi / 2 + 0.55, B.b.shin * 0.98);
            B.p.leg[k].ankle = ankle;
            B.p.leg[k].bend = Unit(knee - Lerp(hip, ankle, 0.5));
            B.p.leg[k].foot = FootShape::Pointed;
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.head + Vec{36, 14}, {0.2, 1}, HandShape::Relaxed);
            B.SetArm(kRear, sk.head + Vec{30, 20}, {0.2, 1}, HandShape::Relaxed);
            if (air) {
                B.p.leg[other].ankle = B.p.pelvis + Vec{-40 * B.H(), 70 * B.H()};
                B.p.leg[other].bend = {-0.2, 1};
                B.p.leg[other].foot = FootShape::Pointed;
            }
            return;
        }
        default: break;
    }
    if (air && s.tech != Tech::Sweep && s.tech != Tech::Compass) B.Tuck(other, 0.7);
    B.Streak(2 + k);
}

// ---- moves without a hit ---------------------------------------------------------------

void MovePose(Builder& B, const Shot& shot, Tech tech, int step, int steps) {
    const double u = steps > 1 ? static_cast<double>(step) / (steps - 1) : 1.0;
    switch (tech) {
        case Tech::Duck:
            B.Base(1.0 * (0.6 + 0.4 * u), 1.05, shot.dx < 0 ? -8 : 0);
            B.p.lean += 0.55;
            B.p.headTilt = 0.3;
            B.Ground();
            B.GuardHands(-4, 0.5);
            B.p.face = Face::Fierce;
            return;
        case Tech::Sway:
            B.Base(0.1, 1.1, -6);
            B.p.lean = -0.42 * (0.5 + 0.5 * u);
            B.p.headTilt = -0.15;
            B.Plant(kLead, B.p.leg[kLead].ankle.x + 4, FootShape::Toes);
            B.Ground();
            B.GuardHands(4);
            B.p.face = Face::Fierce;
            return;
        case Tech::Slip:
            B.Base(0.65, 1.05, 4);
            B.p.lean += 0.4;
            B.p.twist += 0.25 * (step % 2 ? -1 : 1);
            B.p.headShift = {4, 4};
            B.Ground();
            B.GuardHands(-2, 0.4);
            B.p.face = Face::Fierce;
            return;
        case Tech::Weave: {
            const double side = step % 2 ? -1 : 1;
            B.Base(0.9, 1.0, shot.dx > 0 ? 6 : 0);
            B.p.lean += 0.45;
            B.p.twist = 0.3 + 0.3 * side;
            B.p.headShift = {-4 * side, 2};
            B.Ground();
            B.GuardHands(-2, 0.5);
            B.p.face = Face::Fierce;
            return;
        }
        case Tech::Feint: {
            B.Base(0.15, 1.1, 6 + 6 * u);
            B.p.face = Face::Fierce;
            B.p.lean += 0.12;
            B.Ground();
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.shoulder[kLead] + Vec{B.Arm() * (0.55 + 0.2 * (1 - u)), -8},
                     {0.3, 1}, HandShape::Fist);
            B.GuardArm(kRear);
            return;
        }
        case Tech::SwitchHop:
            if (step == 0) {
                JumpCrouch(B);
                return;
            }
            if (step == 1) {
                SwitchPose(B);
                return;
            }
            B.Base(0.35);
            B.p.leadFar = !B.st.leadFar;
            B.Ground();
            B.GuardHands();
            return;
        case Tech::Pound: {
            B.Base(0.15);
            B.p.face = Face::Fierce;
            B.p.headTilt = 0.25;
            B.Ground();
            const Skeleton sk = B.Sk();
            const double bang = step % 2 ? 6 : 0;
            B.SetArm(kLead, sk.neck + Vec{24 - bang * 0.3, 24 - bang}, {0.4, 1});
            B.SetArm(kRear, sk.neck + Vec{20, 30}, {0.0, 1});
            return;
        }
        case Tech::Bounce:
            B.Base(-0.1, 0.9);
            B.Plant(kLead, B.p.leg[kLead].ankle.x, FootShape::Toes);
            B.Plant(kRear, B.p.leg[kRear].ankle.x, FootShape::Toes);
            B.Ground();
            B.p.pelvis.y -= 3;
            B.GuardHands();
            return;
        case Tech::Cartwheel: {
            // Hands down, over the top upside down, and back onto the feet.
            B.Base(0.2);
            B.p.face = Face::Fierce;
            const double x = kCentreX + 4;
            if (step == 0) {
                B.p.lean = 1.05;
                B.crouch = 0.7;
                B.Ground();
                B.Chamber(kRear, 0.5, 0.2, 0.9);
                B.Plant(kLead, B.p.leg[kLead].ankle.x - 6);
                B.Ground();
                const Skeleton sk = B.Sk();
                B.SetArm(kLead, {sk.shoulder[kLead].x + 22, B.floor - 6}, {-1, 0}, HandShape::Floor,
                         0);
                B.SetArm(kRear, {sk.shoulder[kRear].x + 8, B.floor - 6}, {-1, 0}, HandShape::Floor,
                         0);
                return;
            }
            // Upside down on the hands: the torso points at the floor.
            const double turn = step == 1 ? 0 : 0.55;
            B.planted[kLead] = B.planted[kRear] = false;
            B.p.lean = kPi - 0.1 + turn;
            B.p.backView = step == 1;
            B.p.headFacing = step == 1 ? 0 : 1;
            B.p.twist = 0.5;
            const double down = B.Arm() * 0.95 + B.b.torso + 10;
            B.p.pelvis = {x + turn * 20, B.floor - down};
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, {sk.shoulder[kLead].x + 6, B.floor - 4}, {1, 0}, HandShape::Floor, 0);
            B.SetArm(kRear, {sk.shoulder[kRear].x - 10 - 30 * turn, B.floor - 4 - 40 * turn},
                     {-1, 0}, HandShape::Floor, kPi);
            B.p.leg[kLead].ankle = B.p.pelvis + Polar(-kPi / 2 + 0.7 + turn, B.Leg() * 0.95);
            B.p.leg[kRear].ankle = B.p.pelvis + Polar(-kPi / 2 - 0.7 + turn, B.Leg() * 0.95);
            B.p.leg[kLead].bend = B.p.leg[kRear].bend = {0, -1};
            B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Pointed;
            return;
        }
        case Tech::Whirl: {
            B.Base(0.1 + 0.3 * u, 0.9);
            B.p.backView = step % 2 == 0;
            B.p.mirrored = step % 2 == 1;
            B.p.headFacing = step % 2 == 0 ? 0 : -1;
            B.p.twist = 0.5;
            B.Ground();
            const Skeleton sk = B.Sk();
            B.SetArm(kLead, sk.shoulder[kLead] + Vec{B.Arm() * 0.9, -10}, {0, 1}, HandShape::Palm,
                     -kPi / 2 + 0.3);
            B.SetArm(kRear, sk.shoulder[kRear] + Vec{-B.Arm() * 0.85, 4}, {0, 1}, HandShape::Palm,
                     -kPi / 2 - 0.3);
            return;
        }
        case Tech::Charge:
            B.Base(0.3, 1.15, 6 + 4 * step);
            B.p.lean += 0.35;
            B.p.headTilt = 0.3;
            B.Plant(kRear, B.p.leg[kRear].ankle.x, FootShape::Toes);
            B.Ground();
            B.Cover();
            B.p.face = Face::Fierce;
            return;
        case Tech::Gather: {
            B.Base(0.35 + 0.15 * u);
            B.p.twist = 0.3 - 0.2 * u;
            B.Ground();
            const Skeleton sk = B.Sk();
            if (step % 2 == 0) {
                B.SetArm(kLead, sk.pelvis + Vec{26, -34}, {0.3, 1}, HandShape::Palm, 0.3);
                B.SetArm(kRear, sk.pelvis + Vec{22, -14}, {0.3, 1}, HandShape::Palm, -0.3 - kPi);
            } else {
                B.SetArm(kLead, sk.pelvis + Vec{8, -30}, {-1, 0.3}, HandShape::Palm, -kPi / 2);
                B.SetArm(kRear, sk.pelvis + Vec{-4, -24}, {-1, 0.3}, HandShape::Palm, -kPi / 2);
            }
            return;
        }
        default: B.Base(0.2 * u); return;
    }
}

// ---- reactions and falls ---------------------------------------------------------------

void ReactionPose(Builder& B, Reaction r, int frame) {
    const double f = frame == 0 ? 1.0 : 0.5;  // frame 0 is the moment of the hit
    B.p.leadFar = true;
    switch (r) {
        case Reaction::HeadSnap: {
            // The head whips back, the chest arches, the arms are flung down and back.
            B.Base(0.25, 1.0, -4 * f);
            B.p.face = Face::Hurt;
            B.p.lean = 0.08 - 0.5 * f;
            B.p.twist = 0.35;
            B.p.headTilt = -0.55 * f;
            B.p.headShift = {-3 * f, 0};
            B.Plant(kLead, B.p.leg[kLead].ankle.x + 4, FootShape::Toes);
            B.Ground();
            const Skeleton s = B.Sk();
            B.SetArm(kLead, s.shoulder[kLead] + Vec{16 - 26 * f, 52 - 8 * f}, {1, 0.2},
                     HandShape::Relaxed);
            B.SetArm(kRear, s.shoulder[kRear] + Vec{-20 - 18 * f, 40 - 14 * f}, {0.5, 1},
                     HandShape::Relaxed);
            if (frame == 1) B.GuardArm(kLead, -10);
            B.p.impact = s.head + Vec{B.b.headR * 0.9, 4};
            B.p.impactSize = frame == 0 ? 12 : 0;
            break;
        }
        case Reaction::BodyBlow: {
            // Doubled over the fist, hips pushed back, arms around the stomach.
            B.Base(0.6 + 0.3 * f, 0.9, -6 * f);
            B.p.face = Face::Hurt;
            B.p.lean = 0.4 + 0.45 * f;
            B.p.twist = 0.3;
            B.p.headTilt = 0.35;
            B.p.pelvis.x -= 6 * f;
            B.Ground();
            const Skeleton s = B.Sk();
            const Vec belly = Lerp(s.pelvis, s.neck, 0.35) + Polar(B.p.lean, 16);
            B.SetArm(kLead, belly + Vec{4, 4}, {0.5, 1}, HandShape::Relaxed);
            B.SetArm(kRear, belly + Vec{-2, -4}, {0.3, 1}, HandShape::Relaxed);
            if (frame == 1) B.GuardArm(kLead, -14);
            B.p.impact = belly + Vec{14, 2};
            B.p.impactSize = frame == 0 ? 12 : 0;
            break;
        }
        case Reaction::Buckle: {
            // Twisted away by the blow, knees giving, one hand to the hurt side.
            B.Base(0.55 + 0.25 * f, 0.95, -5 * f);
            B.p.face = Face::Hurt;
            B.p.lean = 0.15 + 0.2 * f;
            B.p.twist = 0.7 + 0.25 * f;
            B.p.headTilt = 0.15;
            B.p.headShift = {-4 * f, 3 * f};
            B.Plant(kLead, B.p.leg[kLead].ankle.x - 6, FootShape::Toes);
            B.p.leg[kLead].bend = {1, 0.5};
            B.Ground();
            const Skeleton s = B.Sk();
            B.SetArm(kRear, Lerp(s.pelvis, s.neck, 0.45) + Vec{10, 0}, {0.4, 1},
                     HandShape::Relaxed);
            B.SetArm(kLead, s.shoulder[kLead] + Vec{24 - 6 * f, 30 + 10 * f}, {0.2, 1},
                     HandShape::Relaxed);
            B.p.impact = Lerp(s.pelvis, s.neck, 0.5) + Vec{B.b.chestFront, 0};
            B.p.impactSize = frame == 0 ? 11 : 0;
            break;
        }
        case Reaction::LegHit: {
            // The lead leg knocked from under the body: the knee folds, the body drops onto
            // the rear leg and the arms go out for balance.
            B.Base(0.4, 1.0, -2);
            B.p.face = Face::Hurt;
            B.p.lean = 0.25 + 0.15 * f;
            B.p.twist = 0.45;
            B.Plant(kRear, B.p.pelvis.x - 12);
            B.planted[kLead] = false;
            B.Ground();
            if (frame == 0) {
                B.Chamber(kLead, 0.05, 0.75, 0.2);
                B.p.leg[kLead].foot = FootShape::Pointed;
            } else {
                B.Plant(kLead, B.p.pelvis.x + 16, FootShape::Toes);
                B.p.leg[kLead].bend = {1, 0.6};
                B.Ground();
            }
            const Skeleton s = B.Sk();
            B.SetArm(kLead, s.hip[kLead] + Vec{18, 14 - 10 * f}, {0.6, 1}, HandShape::Relaxed);
            B.SetArm(kRear, s.shoulder[kRear] + Vec{-34, 4 - 22 * f}, {0, 1}, HandShape::Relaxed);
            B.p.impact = Lerp(s.knee[kLead], s.hip[kLead], 0.3) + Vec{10, 0};
            B.p.impactSize = frame == 0 ? 11 : 0;
            break;
        }
        case Reaction::Stagger: {
            // Thrown backward: the rear foot reaches back to catch the fall, the arms flail.
            B.Base(0.25, 1.35, -16 * f);
            B.p.face = Face::Hurt;
            B.p.lean = -0.05 - 0.3 * f;
            B.p.twist = 0.5;
            B.p.headTilt = -0.3 * f + 0.1;
            B.Plant(kRear, B.p.leg[kRear].ankle.x - 10 * f, FootShape::Toes);
            B.Plant(kLead, B.p.leg[kLead].ankle.x + 6, FootShape::Toes);
            B.Ground();
            const Skeleton s = B.Sk();
            B.SetArm(kLead, s.shoulder[kLead] + Vec{36, 6 - 18 * f}, {0, 1}, HandShape::Relaxed);
            B.SetArm(kRear, s.shoulder[kRear] + Vec{-34, 36 - 6 * f}, {0.4, 1}, HandShape::Relaxed);
            B.p.impact = Lerp(s.pelvis, s.neck, 0.7) + Vec{B.b.chestFront + 2, 0};
            B.p.impactSize = frame == 0 ? 13 : 0;
            break;
        }
        case Reaction::OffBalance: {
            // Caught low: falling back onto one hand, the legs pushed out in front.
            B.Base(0.2);
            const double x = B.p.pelvis.x;
            B.p.face = Face::Hurt;
            B.p.lean = -0.45 * f - 0.1;
            B.p.twist = 0.45;
            B.p.headTilt = 0.2;
            B.crouch = 1.45 - 0.4 * (1 - f);
            B.Plant(kLead, x + 42);
            B.p.leg[kLead].bend = {1, -1};
            B.Plant(kRear, x - 10, FootShape::Toes);
            B.p.pelvis.x = x - 10 * f;
            B.Ground();
            const Skeleton s = B.Sk();
            B.SetArm(kRear, {s.pelvis.x - 34, B.floor - 5 - 16 * (1 - f)}, {-0.5, -0.2},
                     HandShape::Floor, kPi);
            B.SetArm(kLead, s.shoulder[kLead] + Vec{30, -14 * f + 10}, {0.3, 1},
                     HandShape::Relaxed);
            B.p.impact = s.pelvis + Vec{B.b.hipFront + 6, -10};
            B.p.impactSize = frame == 0 ? 11 : 0;
            break;
        }
    }
}

// A body lying on the floor, on its back (head toward the left) or face down (head right).
void Lying(Builder& B, bool faceDown, double curl) {
    B.planted[kLead] = B.planted[kRear] = false;
    B.p.face = Face::Out;
    B.p.twist = 0.45;
    const double y = B.floor - 11;
    if (!faceDown) {
        B.p.pelvis = {140, y};
        B.p.lean = -kPi / 2 + 0.04;
        B.p.headTilt = -0.15;
        B.p.leg[kLead].ankle = {140 + B.Leg() * (0.7 - 0.25 * curl), B.floor - 8};
        B.p.leg[kLead].bend = {0.2, -1};
        B.p.leg[kRear].ankle = {140 + B.Leg() * 0.9, B.floor - 7};
        B.p.leg[kRear].bend = {0, -1};
        B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Free;
        B.p.leg[kLead].footAngle = -kPi / 2 + 0.3;
        B.p.leg[kRear].footAngle = -kPi / 2 + 0.5;
        const Skeleton s = B.Sk();
        B.SetArm(kLead, s.shoulder[kLead] + Vec{24, 8}, {0, -1}, HandShape::Relaxed);
        B.SetArm(kRear, s.shoulder[kRear] + Vec{-28, 4}, {0, -1}, HandShape::Relaxed);
    } else {
        B.p.pelvis = {100, y};
        B.p.lean = kPi / 2 - 0.04;
        B.p.headTilt = 0.2;
        B.p.leg[kLead].ankle = {100 - B.Leg() * 0.85, B.floor - 9 - 10 * curl};
        B.p.leg[kRear].ankle = {100 - B.Leg() * (0.8 - 0.25 * curl), B.floor - 14 - 18 * curl};
        B.p.leg[kLead].bend = B.p.leg[kRear].bend = {0, 1};
        B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Free;
        B.p.leg[kLead].footAngle = kPi / 2 + 0.4;
        B.p.leg[kRear].footAngle = kPi / 2 + 0.2;
        const Skeleton s = B.Sk();
        B.SetArm(kLead, s.shoulder[kLead] + Vec{30, 10}, {0, 1}, HandShape::Relaxed);
        B.SetArm(kRear, s.shoulder[kRear] + Vec{-6, 12}, {-1, 0.2}, HandShape::Relaxed);
    }
}

void FallPose(Builder& B, Fall fall, int index, int count) {
    B.Base(0.1);
    B.p.face = Face::Out;
    B.p.leadFar = true;
    const bool last = index >= count - 1;
    switch (fall) {
        case Fall::Back:
            if (last) {
                Lying(B, false, count > 3 ? 0.6 : 0.0);
                return;
            }
            if (index == 0) {
                // Knocked off the feet, falling backward.
                B.planted[kLead] = B.planted[kRear] = false;
                B.p.face = Face::Hurt;
                B.p.pelvis = {124, 132};
                B.p.lean = -0.8;
                B.p.headTilt = -0.45;
                B.p.leg[kLead].ankle = B.p.pelvis + Vec{64, 52};
                B.p.leg[kRear].ankle = B.p.pelvis + Vec{40, 74};
                B.p.leg[kLead].bend = B.p.leg[kRear].bend = {1, 0};
                B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Pointed;
                const Skeleton s = B.Sk();
                B.SetArm(kLead, s.shoulder[kLead] + Vec{34, -30}, {0, 1}, HandShape::Relaxed);
                B.SetArm(kRear, s.shoulder[kRear] + Vec{10, -46}, {-1, 0}, HandShape::Relaxed);
                return;
            }
            if (index == count - 2 && count > 3) {
                // Hitting the floor: back down, legs still up.
                B.planted[kLead] = B.planted[kRear] = false;
                B.p.pelvis = {148, B.floor - 24};
                B.p.lean = -kPi / 2 + 0.35;
                B.p.headTilt = -0.3;
                B.p.leg[kLead].ankle = B.p.pelvis + Vec{62, -54};
                B.p.leg[kRear].ankle = B.p.pelvis + Vec{84, -26};
                B.p.leg[kLead].bend = B.p.leg[kRear].bend = {0, -1};
                B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Pointed;
                const Skeleton s = B.Sk();
                B.SetArm(kLead, s.shoulder[kLead] + Vec{10, -40}, {0, 1}, HandShape::Relaxed);
                B.SetArm(kRear, s.shoulder[kRear] + Vec{-34, -6}, {0, -1}, HandShape::Relaxed);
                return;
            }
            // Flat in the air.
            B.planted[kLead] = B.planted[kRear] = false;
            B.p.pelvis = {146, 178};
            B.p.lean = -1.3;
            B.p.headTilt = -0.3;
            B.p.leg[kLead].ankle = B.p.pelvis + Vec{88, -26};
            B.p.leg[kRear].ankle = B.p.pelvis + Vec{80, 8};
            B.p.leg[kLead].bend = B.p.leg[kRear].bend = {0, -1};
            B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Pointed;
            {
                const Skeleton s = B.Sk();
                B.SetArm(kLead, s.shoulder[kLead] + Vec{22, -40}, {1, 0}, HandShape::Relaxed);
                B.SetArm(kRear, s.shoulder[kRear] + Vec{-10, -50}, {-1, 0}, HandShape::Relaxed);
            }
            return;
        case Fall::Crumple:
            if (last) {
                Lying(B, true, 0.3);
                return;
            }
            if (index == 0) {
                // The knees give way.
                B.Base(1.1, 0.8);
                B.p.face = Face::Hurt;
                B.p.lean = 0.45;
                B.p.headTilt = 0.4;
                B.p.leg[kLead].bend = B.p.leg[kRear].bend = {1, 0.3};
                B.Ground();
                const Skeleton s = B.Sk();
                B.SetArm(kLead, s.pelvis + Vec{20, -20}, {0.3, 1}, HandShape::Relaxed);
                B.SetArm(kRear, s.pelvis + Vec{12, -12}, {0.3, 1}, HandShape::Relaxed);
                return;
            }
            {
                // On the knees, slumping forward.
                B.planted[kLead] = B.planted[kRear] = false;
                B.p.face = Face::Out;
                B.p.pelvis = {116, B.floor - B.b.thigh * 0.95 - 4};
                B.p.lean = 0.55;
                B.p.headTilt = 0.5;
                for (int k = 0; k < 2; ++k) {
                    const double kx = 150 - 10 * k;
                    B.p.leg[k].ankle = {kx - B.b.shin * 0.96, B.floor - 8};
                    B.p.leg[k].bend = {1, 1};
                    B.p.leg[k].foot = FootShape::Free;
                    B.p.leg[k].footAngle = kPi + 0.2;
                }
                const Skeleton s = B.Sk();
                B.SetArm(kLead, {s.shoulder[kLead].x + 16, B.floor - 30}, {0.5, 1},
                         HandShape::Relaxed);
                B.SetArm(kRear, {s.shoulder[kRear].x + 4, B.floor - 36}, {0.2, 1},
                         HandShape::Relaxed);
            }
            return;
        case Fall::Spin:
            if (last) {
                Lying(B, false, 1.0);
                return;
            }
            // Spun round by the blow.
            B.Base(0.35, 0.9, -6);
            B.p.face = Face::Hurt;
            B.p.mirrored = true;
            B.p.headFacing = 1;
            B.p.lean = 0.35;
            B.p.twist = 0.6;
            B.p.headTilt = 0.3;
            B.planted[kLead] = false;
            B.Ground();
            B.Chamber(kLead, 0.3, 0.6, -0.4);
            {
                const Skeleton s = B.Sk();
                B.SetArm(kLead, s.shoulder[kLead] + Vec{30, 30}, {0, 1}, HandShape::Relaxed);
                B.SetArm(kRear, s.shoulder[kRear] + Vec{-30, 10}, {0, 1}, HandShape::Relaxed);
            }
            return;
        case Fall::Sit:
            if (last) {
                Lying(B, false, 0.4);
                B.SetArm(kLead, B.Sk().head + Vec{-10, -20}, {0, -1}, HandShape::Relaxed);
                return;
            }
            // Sat down hard, dazed, hands behind on the floor.
            B.planted[kLead] = B.planted[kRear] = false;
            B.p.face = Face::Hurt;
            B.p.pelvis = {112, B.floor - 12};
            B.p.lean = -0.3;
            B.p.headTilt = 0.25;
            B.p.leg[kLead].ankle = {112 + B.Leg() * 0.75, B.floor - 8};
            B.p.leg[kRear].ankle = {112 + B.Leg() * 0.55, B.floor - 8};
            B.p.leg[kLead].bend = B.p.leg[kRear].bend = {0, -1};
            B.p.leg[kLead].foot = B.p.leg[kRear].foot = FootShape::Free;
            B.p.leg[kLead].footAngle = -0.8;
            B.p.leg[kRear].footAngle = -0.6;
            {
                const Skeleton s = B.Sk();
                B.SetArm(kLead, {s.pelvis.x - 26, B.floor - 5}, {-0.2, -1}, HandShape::Floor, kPi);
                B.SetArm(kRear, {s.pelvis.x - 36, B.floor - 5}, {-0.2, -1}, HandShape::Floor, kPi);
            }
            return;
    }
}

// ---- attacks ---------------------------------------------------------------------------

// The technique a motion shows when its art does not name one: read from the swing sound and
// the attack class.
Move GuessMove(const Shot& shot, const StanceStyle& st) {
    Move m;
    const bool leadMotion = shot.motion >= 20 && shot.motion <= 22;
    m.limb = leadMotion ? Limb::Lead : Limb::Rear;
    if (!st.kicker || shot.sound == 2) {
        m.tech = shot.kind == 4 || shot.kind == 7 ? Tech::Hook : Tech::Straight;
        if (shot.kind == 4 || shot.kind == 7) m.aim = Aim::Body;
        return m;
    }
    if (shot.sound == 3 || shot.kind == 4 || shot.kind == 5 || shot.kind == 6 || shot.kind == 7)
        m.tech = shot.kind == 7 ? Tech::Knee : Tech::Round;
    else
        m.tech = Tech::Straight;
    return m;
}

void AttackPose(Builder& B, const Shot& shot) {
    Move move = shot.move;
    if (move.tech == Tech::None) move = GuessMove(shot, B.st);
    Tech tech = move.tech;
    Limb limb = move.limb;
    if (shot.strike == 1) {
        if (move.tech2 != Tech::None) tech = move.tech2;
        limb = move.tech2 != Tech::None ? move.limb2
                                        : (move.limb == Limb::Lead ? Limb::Rear : Limb::Lead);
    }
    const bool leg = IsLegTech(tech);
    Strike s;
    s.tech = tech;
    s.side = limb == Limb::Lead ? kLead : kRear;
    s.air = shot.airStrike;
    if (leg) {
        s.target = {kCentreX + shot.reach, KickY(move.aim, shot.kind)};
    } else {
        B.Base();
        const double shoulderY = B.Sk().shoulder[s.side].y;
        s.target = {kCentreX + shot.reach, shoulderY + PunchDrop(move.aim, shot.kind)};
    }
    if (tech == Tech::Sweep) s.target.y = B.floor - 6;

    switch (shot.phase) {
        case Phase::Move: MovePose(B, shot, tech, shot.index, shot.count); return;
        case Phase::Active:
            if (leg)
                KickPose(B, s);
            else
                ArmStrikePose(B, s);
            if (shot.airborne) {
                B.planted[kLead] = B.planted[kRear] = false;
            }
            return;
        case Phase::Startup: {
            if (move.windup != Tech::None && shot.strike == 0) {
                MovePose(B, shot, move.windup, shot.index, shot.count);
                return;
            }
            const double a = shot.count > 1 ? 0.35 + 0.65 * shot.index / (shot.count - 1) : 0.7;
            const bool spinTech = move.spin || tech == Tech::Backfist || tech == Tech::SpinElbow ||
                                  tech == Tech::BackKick || tech == Tech::HookKick;
            if (s.air && !shot.airborne && shot.index == 0 && !spinTech) {
                JumpCrouch(B);
                return;
            }
            if (spinTech && (shot.untouchable || shot.bodyType == 3 || shot.count == 1 ||
                             shot.index >= shot.count - 2)) {
                SpinWindup(B, shot.index, shot.count, leg);
                if (shot.airborne) {
                    B.planted[kLead] = B.planted[kRear] = false;
                    B.Tuck(kLead, 0.5);
                    B.Tuck(kRear, 0.8);
                }
                return;
            }
            if (shot.untouchable && !leg) {
                MovePose(B, shot, Tech::Duck, 1, 2);
                return;
            }
            if (leg)
                KickWindup(B, s, a, shot.airborne);
            else
                ArmWindup(B, s, a);
            if (shot.airborne && !leg) {
                B.planted[kLead] = B.planted[kRear] = false;
                B.Tuck(kLead, 0.6);
                B.Tuck(kRear, 0.4);
            }
            if (shot.bodyType == 2 || shot.dy > 0) {
                B.crouch += 0.35;
                if (B.planted[kLead] || B.planted[kRear]) B.Ground();
            }
            return;
        }
        case Phase::Recovery:
            if (s.air && !shot.airborne) {
                Landing(B);
                return;
            }
            if (shot.bodyType == 2 || shot.dy >= 8) {
                MovePose(B, shot, Tech::Duck, 0, 2);
                return;
            }
            if (leg)
                KickWindup(B, s, 0.55, shot.airborne);
            else
                ArmWindup(B, s, 0.3);
            B.p.face = Face::Calm;
            return;
    }
}

}  // namespace

Pose PoseFor(const Shot& shot, const Look& look, const StanceStyle& style) {
    Builder B(look, style);
    // A frame drawn lower by the game keeps its feet on the stage floor.
    if (shot.dy > 0 && !shot.airborne) B.floor = kFloor - shot.dy;
    B.p.floorY = B.floor;
    switch (shot.role) {
        case Role::Stand: StandPose(B, shot.index, shot.count); break;
        case Role::Guard: GuardPose(B); break;
        case Role::LowGuard: LowGuardPose(B); break;
        case Role::StepForward: StepPose(B, true); break;
        case Role::StepBack: StepPose(B, false); break;
        case Role::Switch: SwitchPose(B); break;
        case Role::Attack:
            AttackPose(B, shot);
            if (shot.airborne) B.InAir();
            break;
        case Role::Reaction: ReactionPose(B, shot.reaction, shot.index); break;
        case Role::Fall: FallPose(B, shot.fall, shot.index, shot.count); break;
    }
    B.p.floorY = B.floor;
    return B.p;
}

}  // namespace assetgen::figure
