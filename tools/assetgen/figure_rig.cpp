// Drawing of the articulated figure. Every part is a polygon (capsules for limbs, a smooth
// outline for the torso) filled with palette colours in three steps: a dark ink outline around
// the whole group of parts, the base tone, then a shadow crescent on the lower right and a
// shine crescent on the upper left (light comes from the upper left). Parts on the far side of
// the body use the next darker tones, so a limb behind the body reads as behind.
#include "assetgen/figure_rig.h"

#include <algorithm>
#include <array>
#include <numbers>
#include <vector>

namespace assetgen::figure {

namespace {

constexpr double kPi = std::numbers::pi;

using Poly = std::vector<Vec>;

Vec Rotate(Vec v, double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}
Vec Unit(Vec v) {
    const double l = Length(v);
    return l > 1e-9 ? v * (1.0 / l) : Vec{1, 0};
}
Vec Perp(Vec v) {  // rotated a quarter turn clockwise on screen (y down)
    return {-v.y, v.x};
}
double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
double AngleOf(Vec v) {
    return std::atan2(v.y, v.x);
}

// ---- shapes ------------------------------------------------------------------------------

void AddArc(Poly& p, Vec c, double r, double a0, double a1, int steps) {
    for (int i = 0; i <= steps; ++i)
        p.push_back(c + Polar(a0 + (a1 - a0) * i / steps, r));
}

Poly Circle(Vec c, double r) {
    Poly p;
    const int steps = std::clamp(static_cast<int>(r * 1.6), 12, 48);
    for (int i = 0; i < steps; ++i)
        p.push_back(c + Polar(2 * kPi * i / steps, r));
    return p;
}

Poly Ellipse(Vec c, double rx, double ry, double rot) {
    Poly p;
    const int steps = std::clamp(static_cast<int>((rx + ry) * 0.8), 12, 48);
    for (int i = 0; i < steps; ++i) {
        const double a = 2 * kPi * i / steps;
        p.push_back(c + Rotate({std::cos(a) * rx, std::sin(a) * ry}, rot));
    }
    return p;
}

// Two circles and the band between them: a limb segment that tapers from ra to rb.
Poly Capsule(Vec a, double ra, Vec b, double rb) {
    const Vec d = b - a;
    const double len = Length(d);
    if (len < std::fabs(ra - rb) + 0.01) return Circle(ra > rb ? a : b, std::max(ra, rb));
    const double dir = AngleOf(d);
    const double s = std::asin(std::clamp((ra - rb) / len, -1.0, 1.0));
    const double side = kPi / 2 + s;  // angle of the tangent points from the segment's direction
    Poly p;
    const int sa = std::clamp(static_cast<int>(ra * 1.2), 6, 24);
    const int sb = std::clamp(static_cast<int>(rb * 1.2), 6, 24);
    AddArc(p, b, rb, dir - side, dir + side, sb);
    AddArc(p, a, ra, dir + side, dir + 2 * kPi - side, sa);
    return p;
}

// Like a capsule, but cut straight across at b: the open end of a sleeve, a trouser leg or
// the leg of a pair of shorts.
Poly Tube(Vec a, double ra, Vec b, double rb) {
    const Vec d = b - a;
    if (Length(d) < 0.5) return Circle(a, std::max(ra, rb));
    const double dir = AngleOf(d);
    const Vec n = Polar(dir + kPi / 2, 1);
    Poly p;
    const int sa = std::clamp(static_cast<int>(ra * 1.2), 6, 24);
    AddArc(p, a, ra, dir + kPi / 2, dir + 3 * kPi / 2, sa);
    p.push_back(b - n * rb);
    p.push_back(b + n * rb);
    return p;
}

// A closed smooth curve through the points (Catmull-Rom).
Poly Smooth(const Poly& pts, int steps = 6) {
    Poly out;
    const size_t n = pts.size();
    for (size_t i = 0; i < n; ++i) {
        const Vec p0 = pts[(i + n - 1) % n], p1 = pts[i], p2 = pts[(i + 1) % n],
                  p3 = pts[(i + 2) % n];
        for (int s = 0; s < steps; ++s) {
            const double t = static_cast<double>(s) / steps, t2 = t * t, t3 = t2 * t;
            out.push_back((p1 * 2 + (p2 - p0) * t + (p0 * 2 - p1 * 5 + p2 * 4 - p3) * t2 +
                           (p1 * 3 - p0 - p2 * 3 + p3) * t3) *
                          0.5);
        }
    }
    return out;
}

Poly Shifted(const Poly& p, Vec d) {
    Poly out = p;
    for (Vec& v : out)
        v = v + d;
    return out;
}

Poly Mirrored(const Poly& p, double cx) {
    Poly out = p;
    for (Vec& v : out)
        v.x = 2 * cx - v.x;
    return out;
}

// ---- painting ----------------------------------------------------------------------------

void SetColour(cairo_t* cr, uint32_t rgb) {
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                         (rgb & 0xFF) / 255.0);
}

void AddPath(cairo_t* cr, const Poly& p) {
    if (p.empty()) return;
    cairo_move_to(cr, p[0].x, p[0].y);
    for (size_t i = 1; i < p.size(); ++i)
        cairo_line_to(cr, p[i].x, p[i].y);
    cairo_close_path(cr);
}

void Fill(cairo_t* cr, const Poly& p, uint32_t rgb) {
    cairo_new_path(cr);
    AddPath(cr, p);
    SetColour(cr, rgb);
    cairo_fill(cr);
}

void StrokePoly(cairo_t* cr, const Poly& p, double width, uint32_t rgb) {
    cairo_new_path(cr);
    AddPath(cr, p);
    SetColour(cr, rgb);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// An open line through the points, round ends.
void Line(cairo_t* cr, const Poly& p, double width, uint32_t rgb) {
    if (p.size() < 2) return;
    cairo_new_path(cr);
    cairo_move_to(cr, p[0].x, p[0].y);
    for (size_t i = 1; i < p.size(); ++i)
        cairo_line_to(cr, p[i].x, p[i].y);
    SetColour(cr, rgb);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// Fills the part of a that b does not cover, inside clip.
void FillDifference(cairo_t* cr, const Poly& a, const Poly& b, uint32_t rgb) {
    cairo_save(cr);
    cairo_new_path(cr);
    AddPath(cr, a);
    cairo_clip(cr);
    cairo_new_path(cr);
    AddPath(cr, a);
    AddPath(cr, b);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColour(cr, rgb);
    cairo_fill(cr);
    cairo_restore(cr);
}

// One coloured part of a group: its shape, colour family and how it is lit.
struct Piece {
    Poly shape;
    Hue hue;
    int tone = 3;        // base tone; shadow one below, shine one above
    double light = 1.0;  // size of the shading crescents (0: flat)
    bool shine = true;
};

constexpr double kInk = 4.0;  // outline stroke width: 2 px outside every group

// A group of parts that share one outline: the outline of all of them is drawn first, so the
// joints inside the group stay seamless.
void DrawGroup(cairo_t* cr, const std::vector<Piece>& pieces) {
    for (const Piece& p : pieces) {
        StrokePoly(cr, p.shape, kInk, palette::Ink());
        Fill(cr, p.shape, palette::Ink());
    }
    for (const Piece& p : pieces) {
        Fill(cr, p.shape, palette::Tone(p.hue, p.tone));
        if (p.light > 0) {
            FillDifference(cr, p.shape, Shifted(p.shape, Vec{-2.2, -3.0} * p.light),
                           palette::Tone(p.hue, p.tone - 1));
            if (p.shine)
                FillDifference(cr, p.shape, Shifted(p.shape, Vec{1.6, 2.2} * p.light),
                               palette::Tone(p.hue, p.tone + 1));
        }
    }
}

// ---- the body ----------------------------------------------------------------------------

struct Sides {
    bool far[2];  // per kLead / kRear
};

Vec FootDirection(const Skeleton& s, const LegPose& leg, int side) {
    const Vec shin = Unit(s.ankle[side] - s.knee[side]);
    switch (leg.foot) {
        case FootShape::Flat: return {1, 0};
        case FootShape::Toes: return Unit({1, 0.75});
        case FootShape::Pointed: return Rotate(shin, -0.12);
        case FootShape::Flexed: return Rotate(shin, -kPi / 2 + 0.1);
        case FootShape::Blade: return Rotate(shin, -kPi / 2 + 0.35);
        case FootShape::Free: return Polar(leg.footAngle, 1);
    }
    return {1, 0};
}

}  // namespace

Body BodyOf(const Look& look) {
    const double h = look.height, w = look.bulk;
    Body b{};
    b.thigh = 50 * h;
    b.shin = 48 * h;
    b.upperArm = 36 * h;
    b.foreArm = 33 * h;
    b.torso = 61 * h;
    b.neck = 6 * h;
    b.headR = 15.5 * (0.6 + 0.4 * h);
    b.footLen = 22 * h;
    b.ankleH = 7 * h;
    b.footR = 3.3 * w;
    b.hipHalf = 9 * w;
    b.shoulderHalf = 14 * w;
    b.thighR0 = 12.5 * w;
    b.thighR1 = 8.6 * w;
    b.shinR0 = 8.2 * w;
    b.shinR1 = 5.2 * w;
    b.upperR0 = 8.6 * w;
    b.upperR1 = 6.4 * w;
    b.foreR0 = 6.8 * w;
    b.foreR1 = 4.8 * w;
    b.fistR = 6.4 * (0.5 + 0.5 * w);
    b.chestFront = 21 * w;
    b.chestBack = 15 * w;
    b.waistFront = 13 * w;
    b.waistBack = 10.5 * w;
    b.hipFront = 13 * w;
    b.hipBack = 14 * w;
    return b;
}

Vec SolveLimb(Vec root, Vec target, double a, double b, Vec hint, Vec* end) {
    const Vec d = target - root;
    const double dist = std::clamp(Length(d), std::fabs(a - b) + 0.5, a + b - 0.05);
    const Vec dir = Unit(d);
    if (end) *end = root + dir * dist;
    const double cosA = std::clamp((a * a + dist * dist - b * b) / (2 * a * dist), -1.0, 1.0);
    const double alpha = std::acos(cosA);
    const Vec j1 = root + Rotate(dir, alpha) * a;
    const Vec j2 = root + Rotate(dir, -alpha) * a;
    const Vec mid = root + dir * (a * cosA);
    return Dot(j1 - mid, hint) >= Dot(j2 - mid, hint) ? j1 : j2;
}

Skeleton SkeletonOf(const Body& b, const Pose& p) {
    Skeleton s;
    const Vec up = Polar(-kPi / 2 + p.lean, 1);
    const Vec fwd = Polar(p.lean, 1);
    s.pelvis = p.pelvis;
    s.neck = p.pelvis + up * b.torso;
    const Vec headUp = Polar(-kPi / 2 + p.lean * 0.55 + p.headTilt, 1);
    s.head = s.neck + headUp * (b.neck + b.headR * 0.9) + p.headShift;
    const double t = p.twist;
    const double shoulderF[2] = {0.55 - 1.1 * t, -0.55 + 1.1 * t};
    const double hipF[2] = {0.45 - 0.7 * t, -0.45 + 0.7 * t};
    for (int k = 0; k < 2; ++k) {
        s.shoulder[k] = s.neck + fwd * (shoulderF[k] * b.shoulderHalf) - up * (5 * b.torso / 58);
        s.hip[k] = s.pelvis + fwd * (hipF[k] * b.hipHalf);
        const ArmPose& arm = p.arm[k];
        if (arm.elbowStrike) {
            s.elbow[k] = s.shoulder[k] + Unit(arm.hand - s.shoulder[k]) *
                                             std::min(b.upperArm, Length(arm.hand - s.shoulder[k]));
            // The forearm folds back along the upper arm, the fist by the chin or chest.
            const Vec back = Unit(s.shoulder[k] - s.elbow[k]);
            const Vec side = Dot(Perp(back), arm.bend) >= 0 ? Perp(back) : Perp(back) * -1;
            s.hand[k] = s.elbow[k] + Unit(back * 0.9 + side * 0.45) * (b.foreArm * 0.92);
        } else {
            s.elbow[k] =
                SolveLimb(s.shoulder[k], arm.hand, b.upperArm, b.foreArm, arm.bend, &s.hand[k]);
        }
        const LegPose& leg = p.leg[k];
        s.knee[k] = SolveLimb(s.hip[k], leg.ankle, b.thigh, b.shin, leg.bend, &s.ankle[k]);
        const Vec fd = FootDirection(s, leg, k);
        const Vec sole = Perp(fd);  // toward the sole
        s.toe[k] = s.ankle[k] + fd * (b.footLen * 0.78) + sole * (b.ankleH * 0.55);
        s.heel[k] = s.ankle[k] - fd * (b.footLen * 0.2) + sole * (b.ankleH * 0.55);
        // A foot on the floor rests its sole (outline included) on the floor line.
        if (leg.foot == FootShape::Flat) {
            s.heel[k].y = p.floorY - b.footR * 1.3 - 1;
            s.toe[k].y = p.floorY - b.footR - 1;
        } else if (leg.foot == FootShape::Toes) {
            s.toe[k].y = p.floorY - b.footR - 1;
        }
    }
    return s;
}

namespace {

// ---- parts -------------------------------------------------------------------------------

struct Painter {
    cairo_t* cr;
    const Look& look;
    const Body& body;
    const Pose& pose;
    const Skeleton& s;

    bool Far(int side) const { return (side == kLead) == pose.leadFar; }
    int BaseTone(int side) const { return Far(side) ? 2 : 3; }

    // The sleeve length of the top: 0 none, 1 short, 2 to mid forearm, 3 to the wrist.
    int Sleeve() const {
        switch (look.top) {
            case TopWear::Gi:
            case TopWear::Shirt: return 2;
            case TopWear::Dobok: return 3;
            case TopWear::Mandarin: return 3;
            default: return 0;
        }
    }

    void Arm(int side) {
        const int tone = BaseTone(side);
        const double w = look.bulk;
        std::vector<Piece> parts;
        const Vec sh = s.shoulder[side], el = s.elbow[side], ha = s.hand[side];
        parts.push_back({Circle(sh + Unit(el - sh) * 2, body.upperR0 * 1.12), look.skin, tone});
        parts.push_back({Capsule(sh, body.upperR0, el, body.upperR1), look.skin, tone});
        parts.push_back({Capsule(el, body.foreR0, ha, body.foreR1), look.skin, tone});
        const int sleeve = Sleeve();
        const Hue cloth = look.top == TopWear::Shirt ? look.sleeveHue : look.topHue;
        if (sleeve >= 1) {
            const Vec end = sleeve == 1 ? Lerp(sh, el, 0.5) : el;
            parts.push_back(
                {Circle(sh + Unit(el - sh) * 2, body.upperR0 * 1.12 + 2.5 * w), cloth, tone});
            parts.push_back({sleeve == 1
                                 ? Tube(sh, body.upperR0 + 2.5 * w, end, body.upperR1 + 3.2 * w)
                                 : Capsule(sh, body.upperR0 + 2.5 * w, end, body.upperR1 + 2.8 * w),
                             cloth, tone});
        }
        if (sleeve >= 2) {
            const double reach = sleeve == 2 ? 0.55 : 0.86;
            const Vec end = Lerp(el, ha, reach);
            const double flare = look.top == TopWear::Gi ? 3.6 : 2.4;
            parts.push_back(
                {Tube(el, body.upperR1 + 2.6 * w, end, body.foreR1 + flare * w), cloth, tone});
        }
        if (look.hands == HandWear::Wraps || look.hands == HandWear::FingerlessGloves)
            parts.push_back(
                {Capsule(Lerp(el, ha, 0.62), body.foreR0 * 0.95 + 0.6, ha, body.foreR1 + 0.8),
                 look.hands == HandWear::Wraps ? look.wrapHue : look.handHue, tone});
        if (look.bracers)
            parts.push_back({Capsule(Lerp(el, ha, 0.35), body.foreR0 + 1.4, Lerp(el, ha, 0.78),
                                     body.foreR1 + 1.6),
                             Hue::Gold, tone});
        AddHand(parts, side, tone);
        DrawGroup(cr, parts);
        ArmDetails(side, tone);
        if (look.top == TopWear::Coat) Pauldron(side, tone);
    }

    // The armoured shoulder of a long coat: a broad plate with a gold rim and a spike.
    void Pauldron(int side, int tone) {
        const Vec sh = s.shoulder[side], el = s.elbow[side];
        const Vec down = Unit(el - sh);
        const Vec c = sh + down * 4 - Vec{0, 3};
        const double r = body.upperR0 * 1.55;
        const double a = AngleOf(down);
        Poly plate = Ellipse(c, r * 1.05, r * 0.8, a);
        Poly spike = {c + Polar(a + kPi - 0.5, r * 0.6), c + Polar(a + kPi, r * 1.7),
                      c + Polar(a + kPi + 0.5, r * 0.6)};
        DrawGroup(cr, {{spike, look.topTrim, tone, 0.6}, {plate, look.topHue, tone, 1.0}});
        Poly rim = Ellipse(c, r * 0.78, r * 0.55, a);
        StrokePoly(cr, rim, 2.0, palette::Tone(look.topTrim, tone));
    }

    void AddHand(std::vector<Piece>& parts, int side, int tone) {
        const ArmPose& arm = pose.arm[side];
        const Vec ha = s.hand[side];
        const Vec fore = Unit(ha - s.elbow[side]);
        if (look.hands == HandWear::Gloves) {
            const double r = 12.0 * (0.75 + 0.25 * look.bulk) * (0.7 + 0.3 * look.height);
            const Vec c = ha + fore * (r * 0.55);
            parts.push_back(
                {Capsule(ha - fore * 3, body.foreR1 + 2.2, ha + fore * 2, body.foreR1 + 3.2),
                 Hue::White, tone});
            parts.push_back({Ellipse(c, r * 1.08, r * 0.95, AngleOf(fore)), look.handHue, tone});
            return;
        }
        const Hue hue = look.hands == HandWear::Wraps              ? look.wrapHue
                        : look.hands == HandWear::FingerlessGloves ? look.handHue
                                                                   : look.skin;
        const double r = body.fistR;
        switch (arm.shape) {
            case HandShape::Fist:
            case HandShape::Relaxed: {
                const Vec c = ha + fore * (r * 0.55);
                parts.push_back({Ellipse(c, r * 1.1, r * 0.92, AngleOf(fore)), hue, tone});
                break;
            }
            case HandShape::Palm: {
                // Heel of the hand forward, fingers up (or along handAngle).
                const Vec fingers = Polar(arm.handAngle, 1);
                const Vec c = ha + fore * (r * 0.35);
                parts.push_back(
                    {Capsule(c, r * 0.85, c + fingers * (r * 1.9), r * 0.6), look.skin, tone});
                parts.push_back(
                    {Capsule(c, r * 0.6, c + Rotate(fingers, 0.9) * (r * 1.1), r * 0.38), look.skin,
                     tone});
                break;
            }
            case HandShape::Blade:
            case HandShape::Floor: {
                const Vec fingers = Polar(arm.handAngle, 1);
                parts.push_back(
                    {Capsule(ha, r * 0.85, ha + fingers * (r * 2.1), r * 0.55), look.skin, tone});
                break;
            }
        }
    }

    void ArmDetails(int side, int tone) {
        const Vec sh = s.shoulder[side], el = s.elbow[side], ha = s.hand[side];
        if (look.armbands) {
            const Vec a = Lerp(sh, el, 0.42);
            const Vec n = Perp(Unit(el - sh)) * (body.upperR0 + 0.6);
            Line(cr, {a - n, a + n}, 4.2, palette::Tone(look.armbandHue, tone));
            Line(cr, {a + n, a + n + Unit(el - sh) * 5 + n * 0.3}, 2.4,
                 palette::Tone(look.armbandHue, tone - 1));
        }
        if (look.hands == HandWear::Gloves) {
            const Vec fore = Unit(ha - el);
            const Vec c = ha + fore * 6;
            const Vec n = Perp(fore);
            // The thumb seam and the lace band.
            Line(cr, {c - n * 4 + fore * 2, c + fore * 6 - n * 2}, 1.5,
                 palette::Tone(look.handHue, tone - 2));
            Line(cr, {ha - fore * 1 - n * 4, ha - fore * 1 + n * 4}, 1.6,
                 palette::Tone(Hue::Grey, tone));
        } else if (look.hands == HandWear::Wraps) {
            const Vec fore = Unit(ha - el);
            const Vec n = Perp(fore);
            for (double k : {0.0, 4.0})
                Line(cr, {ha - fore * (6 + k) - n * 4, ha - fore * (3 + k) + n * 4}, 1.2,
                     palette::Tone(look.wrapHue, tone - 1));
        }
    }

    // The pants or shorts piece over one leg.
    void AddLegWear(std::vector<Piece>& parts, int side, int tone) {
        const Vec hp = s.hip[side], kn = s.knee[side], an = s.ankle[side];
        const double w = look.bulk;
        const Hue cloth = look.legHue;
        switch (look.legs) {
            case LegWear::GiPants:
            case LegWear::KungFuPants:
            case LegWear::Abada:
            case LegWear::SatinPants: {
                const double loose = look.legs == LegWear::SatinPants ? 2.5 : 3.6;
                parts.push_back(
                    {Capsule(hp, body.thighR0 + loose * w, kn, body.thighR1 + loose * w), cloth,
                     tone});
                const Vec hemEnd = Lerp(kn, an, look.legs == LegWear::KungFuPants ? 0.9 : 0.93);
                const double hem = look.legs == LegWear::Abada        ? 9.0
                                   : look.legs == LegWear::GiPants    ? 7.6
                                   : look.legs == LegWear::SatinPants ? 6.8
                                                                      : 6.0;
                parts.push_back({Tube(kn, body.shinR0 + loose * w, hemEnd, hem * w), cloth, tone});
                if (look.legs == LegWear::KungFuPants)
                    parts.push_back({Capsule(Lerp(kn, an, 0.84), body.shinR1 + 2.6 * w,
                                             Lerp(kn, an, 0.98), body.shinR1 + 2.2 * w),
                                     look.legTrim, tone});
                break;
            }
            case LegWear::ThaiShorts: {
                const Vec end = Lerp(hp, kn, 0.58);
                parts.push_back(
                    {Tube(hp, body.thighR0 + 3.0 * w, end, body.thighR1 + 5.2 * w), cloth, tone});
                break;
            }
            case LegWear::Trunks: {
                const Vec end = Lerp(hp, kn, 0.55);
                parts.push_back(
                    {Tube(hp, body.thighR0 + 2.6 * w, end, body.thighR1 + 3.8 * w), cloth, tone});
                break;
            }
            case LegWear::Split: {
                // Fitted trousers in the lower colour, the top of them in the upper one; one
                // outline round both, so the colours meet without a seam.
                const double fit = 2.0 * w;
                parts.push_back(
                    {Capsule(hp, body.thighR0 + fit, kn, body.thighR1 + fit), look.shinHue, tone});
                parts.push_back(
                    {Tube(kn, body.shinR0 + fit, Lerp(kn, an, 0.93), 6.4 * w), look.shinHue, tone});
                const double hem = 0.55;
                parts.push_back({Tube(hp, body.thighR0 + fit, Lerp(hp, kn, hem),
                                      body.thighR0 + fit + (body.thighR1 - body.thighR0) * hem),
                                 cloth, tone});
                break;
            }
        }
    }

    void Leg(int side) {
        const int tone = BaseTone(side);
        std::vector<Piece> parts;
        const Vec hp = s.hip[side], kn = s.knee[side], an = s.ankle[side];
        parts.push_back({Capsule(hp, body.thighR0, kn, body.thighR1), look.skin, tone});
        parts.push_back({Capsule(kn, body.shinR0, an, body.shinR1), look.skin, tone});
        AddLegWear(parts, side, tone);
        // The foot.
        const Vec mid = Lerp(s.heel[side], s.toe[side], 0.45);
        Hue footHue = look.skin;
        if (look.feet == FootWear::Boots || look.feet == FootWear::Slippers ||
            look.feet == FootWear::Plain)
            footHue = look.footHue;
        parts.push_back({Capsule(an, body.shinR1 + 0.3, mid, 4.6 * look.bulk), footHue, tone});
        parts.push_back(
            {Capsule(s.heel[side], body.footR * 1.3, s.toe[side], body.footR), footHue, tone});
        if (look.feet == FootWear::Boots)
            parts.push_back({Capsule(Lerp(kn, an, 0.62), body.shinR1 + 2.2, an, body.shinR1 + 2.0),
                             look.footHue, tone});
        DrawGroup(cr, parts);
        LegDetails(side, tone);
    }

    void LegDetails(int side, int tone) {
        const Vec hp = s.hip[side], kn = s.knee[side], an = s.ankle[side];
        const Vec shin = Unit(an - kn), n = Perp(shin);
        if (look.feet == FootWear::AnkleWraps) {
            const Vec a = an - shin * 2.5;
            Line(cr, {a - n * (body.shinR1 + 1.5), a + n * (body.shinR1 + 1.5)}, 5.0,
                 palette::Tone(Hue::Cream, tone));
        }
        if (look.feet == FootWear::Slippers) {
            const Vec sole = Perp(Unit(s.toe[side] - s.heel[side])) * (body.footR * 0.9);
            Line(cr, {s.heel[side] + sole, s.toe[side] + sole}, 1.2,
                 palette::Tone(Hue::White, tone - 1));
        }
        if (look.feet == FootWear::Boots) {
            const Vec top = Lerp(kn, an, 0.66);
            for (int i = 0; i < 3; ++i) {
                const Vec c = Lerp(top, an, 0.2 + 0.28 * i) + n * 2;
                Line(cr, {c - n * 3, c + n * 2}, 1.2, palette::Tone(Hue::White, tone));
            }
        }
        if (look.legs == LegWear::SatinPants || look.legs == LegWear::Abada ||
            look.legs == LegWear::GiPants) {
            // A side stripe (satin pants) or the crease of the cloth.
            const Vec th = Unit(kn - hp);
            const Vec tn = Perp(th);
            if (look.legs == LegWear::SatinPants) {
                Line(cr, {hp + tn * 2, kn + tn * 1.5, Lerp(kn, an, 0.9) + n * 1.5}, 3.0,
                     palette::Tone(look.legTrim, tone));
            } else {
                Line(cr, {Lerp(hp, kn, 0.5) - tn * 4, kn - tn * 1.5}, 1.3,
                     palette::Tone(look.legHue, tone - 1));
            }
        }
        if (look.legs == LegWear::ThaiShorts || look.legs == LegWear::Trunks) {
            const double f = look.legs == LegWear::ThaiShorts ? 0.58 : 0.55;
            const Vec end = Lerp(hp, kn, f);
            const Vec th = Unit(kn - hp), tn = Perp(th);
            const double r = look.legs == LegWear::ThaiShorts ? body.thighR1 + 5.2 * look.bulk
                                                              : body.thighR1 + 3.8 * look.bulk;
            Line(cr, {end - th * 2 - tn * (r - 1), end - th * 2 + tn * (r - 1)}, 2.6,
                 palette::Tone(look.legTrim, tone));
        }
    }

    Poly TorsoShape() const {
        const Vec up = Unit(s.neck - s.pelvis), fwd = Rotate(up, kPi / 2);
        const double t = pose.twist;
        const double open = std::sin(kPi * std::clamp(t, 0.0, 1.0));
        const double len = Length(s.neck - s.pelvis);
        auto at = [&](double along, double side) {
            return s.pelvis + up * (along * len) + fwd * side;
        };
        const double cf = body.chestFront * (1 + 0.25 * open),
                     cb = body.chestBack * (1 + 0.55 * open);
        const double wf = body.waistFront * (1 + 0.2 * open),
                     wb = body.waistBack * (1 + 0.4 * open);
        Poly pts = {
            at(1.04, 2),
            at(0.92, cf * 0.78),
            at(0.72, cf),
            at(0.45, wf * 1.02),
            at(0.2, wf * 1.05),
            at(-0.04, body.hipFront),
            at(-0.14, body.hipFront * 0.4),
            at(-0.14, -body.hipBack * 0.5),
            at(-0.02, -body.hipBack),
            at(0.3, -wb),
            at(0.62, -cb * 0.92),
            at(0.88, -cb),
            at(1.0, -cb * 0.55),
        };
        return Smooth(pts);
    }

    Hue TorsoHue() const { return look.top == TopWear::Bare ? look.skin : look.topHue; }

    void Torso() {
        std::vector<Piece> parts;
        const Poly torso = TorsoShape();
        parts.push_back({torso, TorsoHue(), 3, 1.6});
        const Vec up = Unit(s.neck - s.pelvis), fwd = Rotate(up, kPi / 2);
        const double len = Length(s.neck - s.pelvis);
        auto at = [&](double along, double side) {
            return s.pelvis + up * (along * len) + fwd * side;
        };
        // The waist of the pants or shorts.
        const bool shorts = look.legs == LegWear::ThaiShorts || look.legs == LegWear::Trunks;
        const double low = -0.16, high = shorts ? 0.2 : 0.14;
        Poly waist =
            Smooth({at(high, body.waistFront * 1.08), at(low, body.hipFront + 3), at(low - 0.12, 2),
                    at(low, -body.hipBack - 3), at(high, -body.waistBack * 1.1)},
                   5);
        parts.push_back({waist, look.legHue, 3, 1.2});
        DrawGroup(cr, parts);
        if (shorts) {
            // The wide waistband.
            Line(cr,
                 {at(high - 0.02, -body.waistBack * 1.05), at(high - 0.02, body.waistFront * 1.05)},
                 6.5, palette::Tone(look.legTrim, 3));
            Line(cr, {at(high - 0.06, -body.waistBack), at(high - 0.06, body.waistFront)}, 1.4,
                 palette::Tone(look.legTrim, 1));
        }
        TorsoDetails(at);
    }

    template <class At>
    void TorsoDetails(At at) {
        const uint32_t crease = palette::Tone(TorsoHue(), 2);
        const double cf = body.chestFront;
        if (look.top == TopWear::Bare && !pose.backView) {
            // Chest and belly.
            Line(cr, {at(0.7, cf * 0.95), at(0.62, cf * 0.55), at(0.64, cf * 0.2)}, 1.5, crease);
            Line(cr, {at(0.5, body.waistFront * 0.7), at(0.2, body.waistFront * 0.72)}, 1.2,
                 crease);
            Fill(cr, Circle(at(0.3, body.waistFront * 0.85), 1.2), crease);
        } else if (look.top == TopWear::Bare) {
            Line(cr, {at(0.92, -1), at(0.3, -2)}, 1.4, crease);
            Line(cr, {at(0.82, -cf * 0.2), at(0.66, -cf * 0.55)}, 1.4, crease);
        }
        if (look.top == TopWear::Gi || look.top == TopWear::Dobok || look.top == TopWear::Shirt) {
            // The V of the lapels with the skin of the chest inside.
            if (!pose.backView) {
                const Poly v = {at(1.02, cf * 0.35), at(0.98, cf * 0.92), at(0.6, cf * 0.62)};
                Fill(cr, v, palette::Tone(look.skin, 3));
                const uint32_t lapel = look.top == TopWear::Gi ? palette::Tone(look.topHue, 2)
                                                               : palette::Tone(look.topTrim, 3);
                Line(cr, {at(1.02, cf * 0.3), at(0.58, cf * 0.62), at(0.3, cf * 0.8)}, 3.4, lapel);
                Line(cr, {at(0.99, cf * 0.95), at(0.62, cf * 0.66)}, 2.4, lapel);
            } else {
                Line(cr, {at(1.0, -cf * 0.3), at(0.3, -cf * 0.2)}, 1.4, crease);
            }
        }
        if (look.top == TopWear::Mandarin || look.top == TopWear::Coat) {
            const uint32_t trim = palette::Tone(look.topTrim, 3);
            Line(cr, {at(1.02, -2), at(1.04, cf * 0.6)}, 4.0, trim);  // standing collar
            if (!pose.backView) {
                Line(cr, {at(0.98, cf * 0.62), at(0.62, cf * 0.95), at(0.2, cf * 0.9)}, 1.8, trim);
                for (int i = 0; i < 4; ++i) {
                    const double a = 0.88 - 0.16 * i;
                    Line(cr, {at(a, cf * (0.55 + 0.1 * i) - 3), at(a, cf * (0.55 + 0.1 * i) + 3)},
                         1.6, palette::Tone(look.topTrim, 4));
                }
            }
        }
        if (look.top == TopWear::Tank) {
            const uint32_t skin = palette::Tone(look.skin, 3);
            Poly neck =
                Smooth({at(1.05, -4), at(1.05, cf * 0.7), at(0.86, cf * 0.45), at(0.92, 0)}, 4);
            Fill(cr, neck, skin);
            Line(cr, {at(0.98, -cf * 0.6), at(0.72, -cf * 0.2), at(0.98, cf * 0.25)}, 2.0,
                 palette::Tone(look.topTrim, 3));
        }
    }

    // The belt, sash or the skirt of a jacket: drawn over the near leg's top.
    void Waist() {
        const Vec up = Unit(s.neck - s.pelvis), fwd = Rotate(up, kPi / 2);
        const double len = Length(s.neck - s.pelvis);
        auto at = [&](double along, double side) {
            return s.pelvis + up * (along * len) + fwd * side;
        };
        if (look.top == TopWear::Gi || look.top == TopWear::Dobok ||
            look.top == TopWear::Mandarin || look.top == TopWear::Coat) {
            // The jacket hangs below the belt.
            const double drop = look.top == TopWear::Coat ? -0.3 : -0.2;
            Poly skirt = Smooth(
                {at(0.3, body.waistFront * 1.1), at(drop, body.hipFront + 5), at(drop - 0.03, 0),
                 at(drop, -body.hipBack - 6), at(0.3, -body.waistBack * 1.15)},
                5);
            DrawGroup(cr, {{skirt, look.topHue, 3, 1.2}});
            Line(cr, {at(drop + 0.02, body.hipFront + 3), at(0.2, body.waistFront * 0.9)}, 1.4,
                 palette::Tone(look.topHue, 2));
        }
        if (look.belt) {
            const Poly band = {at(0.26, -body.waistBack * 1.2), at(0.26, body.waistFront * 1.15),
                               at(0.17, body.waistFront * 1.2), at(0.17, -body.waistBack * 1.25)};
            DrawGroup(cr, {{band, look.beltHue, 3, 0.6, false}});
        }
        if (look.belt && look.beltKnot) {
            const Vec knot = at(0.215, body.waistFront * 0.95);
            const Vec down = up * -1;
            std::vector<Piece> tails = {
                {Capsule(knot, 2.6, knot + down * 15 + fwd * 5, 2.4), look.beltHue, 3, 0.5, false},
                {Capsule(knot, 2.6, knot + down * 13 + fwd * -1, 2.4), look.beltHue, 2, 0.5, false},
                {Circle(knot, 3.4), look.beltHue, 3, 0.5, false}};
            DrawGroup(cr, tails);
        }
        if (look.sash) {
            const Poly band = {at(0.27, -body.waistBack * 1.2), at(0.27, body.waistFront * 1.15),
                               at(0.15, body.waistFront * 1.2), at(0.15, -body.waistBack * 1.25)};
            const Vec knot = at(0.21, -body.waistBack * 1.1);
            const Vec down = up * -1;
            const double sway = std::sin(pose.lean * 2) * 4;
            DrawGroup(cr, {{Capsule(knot, 3.0, knot + down * 26 - fwd * (8 + sway), 4.2),
                            look.sashHue, 2, 0.6},
                           {Capsule(knot, 3.0, knot + down * 20 - fwd * (15 + sway), 3.6),
                            look.sashHue, 2, 0.6},
                           {band, look.sashHue, 3, 0.6, false}});
        }
    }

    // ---- the head --------------------------------------------------------------------

    // Mirrors a shape made for a right-facing head when the head faces away.
    Poly Facing(Poly p) const { return pose.headFacing < 0 ? Mirrored(p, s.head.x) : p; }

    void Head() {
        const Vec h = s.head;
        const double r = body.headR;
        const int facing = pose.headFacing;
        const double dir = facing < 0 ? -1 : 1;
        std::vector<Piece> back, front;
        // Hair that falls behind the head is drawn first.
        const Hue hair = look.hair;
        switch (look.hairStyle) {
            case HairStyle::Afro:
                back.push_back({Circle(h + Vec{-0.25 * r * dir, -0.3 * r}, r * 1.5), hair, 3, 1.5});
                break;
            case HairStyle::Long:
                back.push_back({Facing({h + Vec{0.3 * r, -1.1 * r}, h + Vec{-0.9 * r, -1.05 * r},
                                        h + Vec{-2.3 * r, -0.35 * r}, h + Vec{-1.5 * r, 0.15 * r},
                                        h + Vec{-2.4 * r, 0.85 * r}, h + Vec{-1.3 * r, 0.95 * r},
                                        h + Vec{-1.7 * r, 1.75 * r}, h + Vec{-0.6 * r, 1.1 * r},
                                        h + Vec{-0.3 * r, 0.5 * r}}),
                                hair, 3, 1.2});
                break;
            case HairStyle::Ponytail:
                back.push_back({Facing(Capsule(h + Vec{-0.9 * r, -0.4 * r}, 3.5,
                                               h + Vec{-1.9 * r, 1.3 * r}, 2.2)),
                                hair, 3, 0.8});
                break;
            case HairStyle::Braid:
                for (int i = 0; i < 5; ++i)
                    back.push_back(
                        {Circle(h + Vec{(-0.95 - 0.18 * i) * r * dir, (0.2 + 0.5 * i) * r},
                                3.4 - 0.25 * i),
                         hair, 3, 0.6});
                break;
            case HairStyle::Dreads:
                for (int i = 0; i < 5; ++i) {
                    const Vec root = h + Vec{(-0.2 - 0.2 * i) * r * dir, (-0.9 + 0.3 * i) * r};
                    back.push_back(
                        {Capsule(root, 3.0, root + Vec{(-0.5 - 0.15 * i) * r * dir, 1.5 * r}, 2.4),
                         hair, 3, 0.6});
                }
                break;
            default: break;
        }
        if (!back.empty()) DrawGroup(cr, back);

        // The skull and jaw.
        std::vector<Piece> head;
        head.push_back({Circle(h, r), look.skin, 3, 1.0});
        if (facing != 0)
            head.push_back({Facing(Capsule(h + Vec{0.05 * r, 0.1 * r}, r * 0.8,
                                           h + Vec{0.42 * r, 0.62 * r}, r * 0.42)),
                            look.skin, 3, 0.8});
        // Neck.
        std::vector<Piece> neck = {{Capsule(s.neck + (s.neck - s.pelvis) * -0.05, r * 0.62,
                                            h + Vec{-0.1 * r * dir, 0.45 * r}, r * 0.55),
                                    look.skin, 3, 0.8}};
        DrawGroup(cr, neck);
        if (look.top == TopWear::Mandarin || look.top == TopWear::Coat) {
            const Vec up = Unit(s.neck - s.pelvis);
            DrawGroup(cr, {{Capsule(s.neck - Rotate(up, kPi / 2) * 5, 4.2,
                                    s.neck + Rotate(up, kPi / 2) * 7 + up * 2, 3.6),
                            look.topTrim, 3, 0.5}});
        }
        DrawGroup(cr, head);

        if (facing == 0) {
            // The back of the head: hair over all of it, an ear on each side.
            // The back of the head: the hair over its top and back, the ears and the nape
            // below it, a headband tied at the back.
            const uint32_t shade = palette::Tone(look.skin, 2);
            Fill(cr, Ellipse(h + Vec{-0.92 * r, 0.1 * r}, r * 0.2, r * 0.28, 0), shade);
            Fill(cr, Ellipse(h + Vec{0.92 * r, 0.1 * r}, r * 0.2, r * 0.28, 0), shade);
            if (look.hairStyle != HairStyle::Bald && look.hairStyle != HairStyle::Mohawk) {
                Poly cap;
                AddArc(cap, h, r * 1.06, kPi * 0.92, kPi * 2.08, 18);
                cap.push_back(h + Vec{0.7 * r, 0.55 * r});
                cap.push_back(h + Vec{0, 0.7 * r});
                cap.push_back(h + Vec{-0.7 * r, 0.55 * r});
                DrawGroup(cr, {{cap, hair, 3, 1.0}});
            } else if (look.hairStyle == HairStyle::Mohawk) {
                DrawGroup(cr, {{Capsule(h + Vec{0, -1.35 * r}, 4, h + Vec{0, 0.3 * r}, 4), hair, 3,
                                0.6}});
            }
            if (look.headband) {
                Line(cr, {h + Vec{-1.0 * r, -0.3 * r}, h + Vec{1.0 * r, -0.3 * r}}, 4.4,
                     palette::Tone(look.headbandHue, 3));
                DrawGroup(cr,
                          {{Capsule(h + Vec{0, -0.28 * r}, 2.0, h + Vec{-0.4 * r, 1.2 * r}, 1.6),
                            look.headbandHue, 3, 0.4, false},
                           {Capsule(h + Vec{0, -0.28 * r}, 2.0, h + Vec{0.35 * r, 1.1 * r}, 1.4),
                            look.headbandHue, 2, 0.4, false}});
            }
            HairExtras(h, r, 1);
            return;
        }
        if (look.beard) {
            Poly beard = Facing({h + Vec{-0.35 * r, 0.25 * r}, h + Vec{0.15 * r, 0.55 * r},
                                 h + Vec{0.8 * r, 0.62 * r}, h + Vec{0.72 * r, 0.95 * r},
                                 h + Vec{0.5 * r, 1.55 * r}, h + Vec{0.1 * r, 1.05 * r},
                                 h + Vec{-0.2 * r, 0.85 * r}});
            DrawGroup(cr, {{beard, look.hair, 3, 0.6}});
        }
        Features(h, r);
        HairCap(h, r);
        HairExtras(h, r, dir);
        if (look.headband) Headband(h, r, dir);
    }

    void Features(Vec h, double r) {
        const uint32_t ink = palette::Ink();
        const uint32_t shade = palette::Tone(look.skin, 2);
        // Ear.
        Fill(cr, Facing(Ellipse(h + Vec{-0.12 * r, 0.08 * r}, r * 0.2, r * 0.27, 0)), shade);
        // Nose: a small wedge past the face line.
        Fill(cr,
             Facing({h + Vec{0.86 * r, -0.05 * r}, h + Vec{1.12 * r, 0.3 * r},
                     h + Vec{0.86 * r, 0.36 * r}}),
             palette::Tone(look.skin, 3));
        Line(cr, Facing({h + Vec{1.1 * r, 0.32 * r}, h + Vec{0.88 * r, 0.38 * r}}), 1.2, shade);
        // Eye and brow.
        const Vec eye = h + Vec{0.56 * r, -0.04 * r};
        const Face face = pose.face;
        if (look.glowingEyes) {
            Fill(cr, Facing(Ellipse(eye, 2.6, 1.6, 0)), palette::Tone(Hue::Red, 5));
            Fill(cr, Facing(Ellipse(eye + Vec{0.6, 0}, 1.2, 1.0, 0)), palette::PureWhite());
        } else if (face == Face::Hurt || face == Face::Out) {
            Line(cr, Facing({eye + Vec{-2.2, 0.5}, eye + Vec{2.0, -0.6}}), 1.6, ink);
        } else {
            Fill(cr, Facing(Ellipse(eye, 1.7, 2.2, 0)), palette::PureWhite());
            Fill(cr, Facing(Ellipse(eye + Vec{0.7, 0.2}, 1.1, 1.7, 0)), ink);
        }
        const double browTilt = face == Face::Fierce || face == Face::Shout ? 0.7
                                : face == Face::Hurt                        ? -0.6
                                                                            : 0.15;
        Line(
            cr,
            Facing({eye + Vec{-2.8, -3.6 - browTilt * 1.2}, eye + Vec{2.8, -3.0 + browTilt * 1.6}}),
            2.0, palette::Tone(look.hair, 1));
        // Mouth.
        const Vec mouth = h + Vec{0.66 * r, 0.58 * r};
        if (face == Face::Shout || face == Face::Hurt || face == Face::Out) {
            Fill(cr,
                 Facing(Ellipse(mouth + Vec{0.5, 0.5}, 2.2, face == Face::Shout ? 2.8 : 2.0, 0)),
                 ink);
        } else {
            Line(cr, Facing({mouth + Vec{-2.4, 0.2}, mouth + Vec{1.6, -0.2}}), 1.2,
                 palette::Tone(look.skin, 1));
        }
    }

    void HairCap(Vec h, double r) {
        const Hue hair = look.hair;
        if (look.hairStyle == HairStyle::Bald) {
            Fill(cr, Facing(Ellipse(h + Vec{-0.15 * r, -0.55 * r}, r * 0.28, r * 0.14, -0.3)),
                 palette::Tone(look.skin, 4));
            return;
        }
        if (look.hairStyle == HairStyle::Mohawk) {
            Poly crest = Facing({h + Vec{-1.0 * r, -0.2 * r}, h + Vec{-1.2 * r, -1.0 * r},
                                 h + Vec{-0.7 * r, -1.85 * r}, h + Vec{0.1 * r, -1.95 * r},
                                 h + Vec{0.45 * r, -1.5 * r}, h + Vec{0.55 * r, -0.9 * r},
                                 h + Vec{-0.2 * r, -0.85 * r}, h + Vec{-0.7 * r, -0.3 * r}});
            DrawGroup(cr, {{crest, hair, 3, 0.8}});
            Fill(cr,
                 Facing(Smooth({h + Vec{-0.95 * r, 0.1 * r}, h + Vec{-0.7 * r, -0.7 * r},
                                h + Vec{0.1 * r, -0.9 * r}, h + Vec{-0.3 * r, -0.45 * r}},
                               4)),
                 palette::Tone(look.skin, 2));
            return;
        }
        const double thick = look.hairStyle == HairStyle::Buzz ? 1.02 : 1.12;
        Poly cap;
        AddArc(cap, h, r * thick, kPi * 0.78, kPi * 1.86, 16);
        // The hairline runs over the forehead and down behind the ear.
        cap.push_back(h + Vec{0.6 * r, -0.5 * r});
        cap.push_back(h + Vec{0.15 * r, -0.55 * r});
        cap.push_back(h + Vec{-0.25 * r, -0.15 * r});
        cap.push_back(h + Vec{-0.45 * r, 0.45 * r});
        cap.push_back(h + Vec{-0.65 * r, 0.7 * r});
        std::vector<Piece> parts = {{Facing(cap), hair, 3, 0.9}};
        if (look.hairStyle == HairStyle::Spiky) {
            for (int i = 0; i < 6; ++i) {
                const double a = kPi * (0.92 + 0.17 * i);
                parts.push_back({Facing({h + Polar(a - 0.3, r * 0.9), h + Polar(a - 0.1, r * 1.55),
                                         h + Polar(a + 0.28, r * 0.9)}),
                                 hair, 3, 0.6});
            }
        } else if (look.hairStyle == HairStyle::Swept) {
            parts.push_back(
                {Facing(Smooth({h + Vec{-0.5 * r, -1.1 * r}, h + Vec{0.6 * r, -1.15 * r},
                                h + Vec{1.05 * r, -0.55 * r}, h + Vec{0.55 * r, -0.6 * r},
                                h + Vec{0.0 * r, -0.7 * r}},
                               4)),
                 hair, 3, 0.8});
        } else if (look.hairStyle == HairStyle::Topknot) {
            parts.push_back(
                {Facing(Circle(h + Vec{-0.35 * r, -1.25 * r}, r * 0.38)), hair, 3, 0.6});
        }
        DrawGroup(cr, parts);
        if (look.hairStyle == HairStyle::Topknot)
            Line(cr, Facing({h + Vec{-0.6 * r, -1.0 * r}, h + Vec{-0.1 * r, -1.05 * r}}), 2.0,
                 palette::Tone(Hue::Red, 3));
        if (look.hairStyle == HairStyle::Short || look.hairStyle == HairStyle::Swept)
            Line(cr, Facing({h + Vec{-0.7 * r, -0.5 * r}, h + Vec{0.1 * r, -0.95 * r}}), 1.2,
                 palette::Tone(hair, 4));
    }

    void HairExtras(Vec h, double r, double dir) {
        if (look.hairStyle == HairStyle::Topknot && pose.headFacing == 0)
            DrawGroup(cr,
                      {{Circle(h + Vec{-0.1 * r * dir, -1.25 * r}, r * 0.38), look.hair, 3, 0.6}});
    }

    void Headband(Vec h, double r, double dir) {
        const uint32_t band = palette::Tone(look.headbandHue, 3);
        Line(cr,
             Facing({h + Vec{-1.0 * r, -0.2 * r}, h + Vec{0.05 * r, -0.62 * r},
                     h + Vec{0.98 * r, -0.42 * r}}),
             4.4, band);
        const Vec knot = h + Vec{-0.98 * r * dir, -0.22 * r};
        const double flow = 1 + 0.4 * std::sin(pose.lean * 3 + pose.pelvis.x * 0.05);
        DrawGroup(cr, {{Capsule(knot, 2.0, knot + Vec{-1.3 * r * dir, (0.2 + 0.3 * flow) * r}, 1.6),
                        look.headbandHue, 3, 0.4, false},
                       {Capsule(knot, 2.0, knot + Vec{-1.1 * r * dir, (0.8 + 0.2 * flow) * r}, 1.4),
                        look.headbandHue, 2, 0.4, false}});
    }

    void CoatTails() {
        if (look.top != TopWear::Coat) return;
        const Vec up = Unit(s.neck - s.pelvis), fwd = Rotate(up, kPi / 2);
        const Vec back = s.pelvis - fwd * (body.hipBack * 0.6) + up * 8;
        const Vec lowBack = Lerp(s.knee[kRear], s.ankle[kRear], 0.25);
        const Vec lowFront = Lerp(s.knee[kLead], s.ankle[kLead], 0.1);
        const double swing = (s.pelvis.x - (lowBack.x + lowFront.x) / 2) * 0.15;
        Poly tail =
            Smooth({back + fwd * (body.hipFront + body.hipBack * 0.6), back - fwd * 4,
                    Vec{std::min(lowBack.x, s.pelvis.x) - 16 + swing,
                        std::max(lowBack.y, s.pelvis.y + 55)},
                    Vec{std::min(lowBack.x, s.pelvis.x) + 4, std::max(lowBack.y, s.pelvis.y + 62)},
                    Vec{lowFront.x - 4, std::max(lowFront.y, s.pelvis.y + 48)}},
                   5);
        DrawGroup(cr, {{tail, look.topHue, 2, 1.4}});
        Line(cr,
             {back - fwd * 4, Vec{std::min(lowBack.x, s.pelvis.x) - 14 + swing,
                                  std::max(lowBack.y, s.pelvis.y + 53)}},
             2.0, palette::Tone(look.topTrim, 2));
    }

    void Streaks() {
        if (pose.motionLines <= 0 || pose.strikeLimb < 0) return;
        const bool arm = pose.strikeLimb < 2;
        const int side = pose.strikeLimb % 2;
        const Vec tip = arm ? s.hand[side] : s.ankle[side];
        const Vec root = arm ? s.shoulder[side] : s.hip[side];
        const Vec dir = Unit(tip - root), n = Perp(dir);
        const uint32_t c = palette::Tone(Hue::White, 4);
        for (int i = -1; i <= 1; ++i) {
            const double len = (18 + 8 * (1 - std::abs(i))) * pose.motionLines;
            const Vec a = tip - dir * (10 + 4 * std::abs(i)) + n * (i * 7.0);
            Line(cr, {a, a - dir * len}, 1.6, c);
        }
    }

    // A white spark with a yellow heart where a blow lands.
    void Impact() {
        if (pose.impactSize <= 0) return;
        const double r = pose.impactSize;
        Poly star;
        for (int i = 0; i < 16; ++i)
            star.push_back(pose.impact + Polar(kPi * i / 8 + 0.2, i % 2 ? r * 0.42 : r));
        StrokePoly(cr, star, 3.0, palette::Ink());
        Fill(cr, star, palette::PureWhite());
        Poly heart;
        for (int i = 0; i < 12; ++i)
            heart.push_back(pose.impact + Polar(kPi * i / 6, i % 2 ? r * 0.22 : r * 0.48));
        Fill(cr, heart, palette::Tone(Hue::Yellow, 4));
    }

    void Draw() {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const int farArm = pose.leadFar ? kLead : kRear;
        const int nearArm = 1 - farArm;
        // A far arm that strikes is drawn over the body, as a sprite artist would, so a punch
        // from the far side is not lost behind the head.
        const bool farInFront = pose.strikeLimb == farArm;
        CoatTails();
        if (!farInFront) Arm(farArm);
        Leg(farArm);
        Torso();
        Leg(nearArm);
        Waist();
        Head();
        if (farInFront) Arm(farArm);
        Arm(nearArm);
        Streaks();
        Impact();
    }
};

}  // namespace

void DrawFigure(cairo_t* cr, const Look& look, const Pose& pose) {
    const Body body = BodyOf(look);
    const Skeleton s = SkeletonOf(body, pose);
    Painter painter{cr, look, body, pose, s};
    cairo_save(cr);
    // Nothing reaches below the floor.
    cairo_rectangle(cr, 0, 0, 256, pose.floorY + 2);
    cairo_clip(cr);
    if (pose.mirrored) {
        cairo_translate(cr, 255, 0);
        cairo_scale(cr, -1, 1);
    }
    painter.Draw();
    cairo_restore(cr);
}

}  // namespace assetgen::figure
