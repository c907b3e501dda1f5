// The stage: a mountain temple terrace at dusk. The sun sets behind peaks that rise out of a
// sea of clouds; a pagoda stands on a ridge to the left, an old pine leans in from the right.
// The fighters stand on the stone terrace, feet on its front edge; the terrace's front face
// below carries the name plates. At the top the sky is dark and calm, for the status line
// and the gauges: the empty part of a gauge shows this sky through the frame's hole. The
// round medallion between the two gauges is painted into the sky.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assetgen/screen_art.h"
#include "assetgen/screen_canvas.h"
#include "assetgen/screen_layout.h"

namespace assetgen {

namespace {

constexpr double kTau = 6.283185307179586;

// Sky from deep indigo at the top to the glow on the horizon.
void Sky(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 372);
    const struct {
        double at;
        uint32_t rgb;
    } stops[] = {{0.00, 0x0B0A20}, {0.22, 0x181437}, {0.42, 0x2E1A4C},
                 {0.58, 0x4E2058}, {0.70, 0x7E2C5C}, {0.80, 0xB8424E},
                 {0.89, 0xE8703C}, {0.96, 0xFFA848}, {1.00, 0xFFC868}};
    for (const auto& s : stops) {
        const Rgb c = Hex(s.rgb);
        cairo_pattern_add_color_stop_rgb(p, s.at, c.r, c.g, c.b);
    }
    cairo_rectangle(cr, 0, 0, 800, 372);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);

    // A few stars in the dark part, away from the status line.
    Scatter rnd(0x5EED57A2u);
    for (int i = 0; i < 90; ++i) {
        const double x = rnd.Range(0, 800), y = rnd.Range(0, 190);
        const double bright = rnd.Range(0.25, 0.9) * (1.0 - y / 230);
        if (x < 280 && y < 80) continue;
        cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1);
        cairo_set_source_rgba(cr, 1.0, 0.92, 0.85, bright);
        cairo_fill(cr);
    }
}

void Sun(cairo_t* cr) {
    const double cx = 400, cy = 306, r = 66;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r * 0.8, cx, cy, 340);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.72, 0.35, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 0.35, 1.0, 0.45, 0.30, 0.18);
    cairo_pattern_add_color_stop_rgba(glow, 1, 0.8, 0.2, 0.3, 0.0);
    cairo_rectangle(cr, 0, 0, 800, 372);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);

    cairo_pattern_t* disc = cairo_pattern_create_radial(cx - 10, cy - 14, 4, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(disc, 0, 1.0, 0.98, 0.85);
    cairo_pattern_add_color_stop_rgb(disc, 0.55, 1.0, 0.80, 0.42);
    cairo_pattern_add_color_stop_rgb(disc, 1, 0.98, 0.50, 0.22);
    cairo_arc(cr, cx, cy, r, 0, kTau);
    cairo_set_source(cr, disc);
    cairo_fill(cr);
    cairo_pattern_destroy(disc);
}

// Long thin clouds, dark above and lit from below by the sun.
void CloudStreaks(cairo_t* cr) {
    const struct {
        double x, y, len, thick;
    } streaks[] = {{120, 196, 260, 5}, {540, 178, 300, 4}, {300, 242, 330, 6},
                   {640, 262, 220, 5}, {40, 276, 200, 4},  {420, 290, 260, 3.5},
                   {230, 318, 180, 3}, {560, 326, 190, 3}};
    for (const auto& s : streaks) {
        for (int lit = 0; lit < 2; ++lit) {
            cairo_save(cr);
            cairo_translate(cr, s.x + s.len / 2, s.y + lit * 1.6);
            cairo_scale(cr, s.len / 2, s.thick / 2);
            cairo_arc(cr, 0, 0, 1, 0, kTau);
            cairo_restore(cr);
            if (lit)
                cairo_set_source_rgba(cr, 0.42, 0.16, 0.30, 0.85);
            else
                cairo_set_source_rgba(cr, 1.0, 0.62, 0.45, 0.75);
            cairo_fill(cr);
        }
    }
}

// A ridge of peaks across the whole width: a row of steep mountains with rough flanks,
// filled down to bottom, with a rim of sunset light along the crest. A wide valley in the
// middle lets the setting sun show.
void Ridge(cairo_t* cr, uint32_t seed, double base, double top, int peaks, Rgb colour, Rgb rim,
           double bottom) {
    Scatter rnd(seed);
    struct Peak {
        double x, y, slope;
    };
    std::vector<Peak> list;
    for (int i = 0; i < peaks; ++i) {
        const double x = -30 + (i + rnd.Range(0.2, 0.8)) * 860.0 / peaks;
        list.push_back({x, rnd.Range(top, top + (base - top) * 0.45), rnd.Range(0.55, 1.1)});
    }
    constexpr int kSegments = 256;
    std::vector<double> noise(kSegments + 1, 0.0);
    double spread = 7;
    for (int step = kSegments; step > 1; step /= 2) {
        for (int i = 0; i < kSegments; i += step)
            noise[i + step / 2] = (noise[i] + noise[i + step]) / 2 + rnd.Range(-spread, spread);
        spread *= 0.68;
    }
    std::vector<double> crestY(kSegments + 1);
    for (int i = 0; i <= kSegments; ++i) {
        const double x = -10 + i * 820.0 / kSegments;
        double y = base;
        for (const Peak& p : list)
            y = std::min(y, p.y + p.slope * std::abs(x - p.x));
        const double valley = std::exp(-std::pow((x - 400) / 120, 2));
        y = std::max(y + noise[i], top + (base - top) * 0.8 * valley);
        crestY[i] = std::min(y, base);
    }
    auto crest = [&](double dy) {
        for (int i = 0; i <= kSegments; ++i) {
            const double x = -10 + i * 820.0 / kSegments;
            if (i == 0)
                cairo_move_to(cr, x, crestY[i] + dy);
            else
                cairo_line_to(cr, x, crestY[i] + dy);
        }
    };
    cairo_new_path(cr);
    crest(0);
    cairo_line_to(cr, 810, bottom);
    cairo_line_to(cr, -10, bottom);
    cairo_close_path(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
    cairo_pattern_t* glow = cairo_pattern_create_radial(400, 300, 20, 400, 300, 420);
    cairo_pattern_add_color_stop_rgba(glow, 0, rim.r, rim.g, rim.b, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1, rim.r, rim.g, rim.b, 0.1);
    cairo_new_path(cr);
    crest(1);
    cairo_set_source(cr, glow);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_pattern_destroy(glow);
}

// The sea of clouds the peaks rise from: rows of puffs, lit on top.
void CloudSea(cairo_t* cr) {
    Scatter rnd(0xC10D5EAu);
    const struct {
        double y, rMin, rMax;
        uint32_t top, body;
    } rows[] = {{318, 8, 16, 0xF4A078, 0xB8607A},
                {332, 10, 20, 0xE08A70, 0x94486E},
                {348, 12, 24, 0xC06A6A, 0x6E3460},
                {364, 14, 26, 0x8E4A62, 0x4A2448}};
    for (const auto& row : rows) {
        double x = rnd.Range(-20, 0);
        while (x < 830) {
            const double r = rnd.Range(row.rMin, row.rMax);
            const double y = row.y + rnd.Range(-3, 3);
            const Rgb top = Hex(row.top), body = Hex(row.body);
            cairo_pattern_t* p = cairo_pattern_create_linear(0, y - r, 0, y + r * 0.6);
            cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
            cairo_pattern_add_color_stop_rgb(p, 1, body.r, body.g, body.b);
            cairo_arc(cr, x, y, r, 0, kTau);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
            x += r * rnd.Range(0.9, 1.5);
        }
    }
}

// A five-roofed pagoda in silhouette on the left ridge.
void Pagoda(cairo_t* cr) {
    const double cx = 92, base = 318;
    const Rgb shade = Hex(0x24122C);
    SetColour(cr, shade);
    // Rocky knoll it stands on.
    cairo_move_to(cr, 10, 372);
    cairo_curve_to(cr, 30, 330, 60, 318, 92, 316);
    cairo_curve_to(cr, 130, 318, 160, 334, 190, 372);
    cairo_close_path(cr);
    cairo_fill(cr);
    double y = base;
    for (int tier = 0; tier < 5; ++tier) {
        const double half = 44 - tier * 6.5, storey = 20 - tier * 1.5;
        // Walls of the storey.
        cairo_rectangle(cr, cx - half * 0.55, y - storey, half * 1.1, storey);
        cairo_fill(cr);
        // Roof with upturned eaves.
        const double ry = y - storey;
        cairo_move_to(cr, cx - half - 6, ry - 5);
        cairo_curve_to(cr, cx - half + 4, ry + 1, cx - half * 0.6, ry - 2, cx - half * 0.4, ry - 8);
        cairo_line_to(cr, cx + half * 0.4, ry - 8);
        cairo_curve_to(cr, cx + half * 0.6, ry - 2, cx + half - 4, ry + 1, cx + half + 6, ry - 5);
        cairo_line_to(cr, cx + half - 2, ry + 2);
        cairo_line_to(cr, cx - half + 2, ry + 2);
        cairo_close_path(cr);
        cairo_fill(cr);
        y = ry - 8;
    }
    // Spire with rings.
    cairo_rectangle(cr, cx - 1.5, y - 34, 3, 34);
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        cairo_rectangle(cr, cx - 5 + i * 0.5, y - 8 - i * 5, 10 - i, 2);
        cairo_fill(cr);
    }
    // Warm windows.
    cairo_set_source_rgba(cr, 1.0, 0.62, 0.28, 0.9);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, cx - 3, base - 14 - i * 27.5 + i * 1.5, 6, 7);
        cairo_fill(cr);
    }
}

// The terrace railing along the back edge of the floor.
void Railing(cairo_t* cr) {
    const Rgb wood = Hex(0x3A1216), lit = Hex(0xA8402C), dark = Hex(0x1A080C);
    for (int i = 0; i < 2; ++i) {  // top and middle rails
        const double y = i == 0 ? 340 : 356, h = i == 0 ? 6 : 4;
        cairo_rectangle(cr, 0, y, 800, h);
        SetColour(cr, wood);
        cairo_fill(cr);
        cairo_rectangle(cr, 0, y, 800, 1);
        SetColour(cr, lit);
        cairo_fill(cr);
    }
    for (int x = 18; x < 800; x += 96) {
        cairo_rectangle(cr, x, 334, 9, 40);
        SetColour(cr, wood);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 7, 334, 2, 40);
        SetColour(cr, dark);
        cairo_fill(cr);
        cairo_rectangle(cr, x, 334, 1, 40);
        SetColour(cr, lit);
        cairo_fill(cr);
        // Brass cap.
        cairo_rectangle(cr, x - 1, 331, 11, 4);
        SetColour(cr, Hex(0xC08A3A));
        cairo_fill(cr);
    }
}

// The floor: stone flags in perspective, from the railing (y 372) to the front edge.
void Floor(cairo_t* cr) {
    using screen::kFloorY;
    const double vx = 400, vy = 236, far = 372;
    const double depth = kFloorY - vy;
    auto rowY = [&](double z) { return vy + depth / z; };
    const double zFar = depth / (far - vy);
    Scatter rnd(0xF1A65u);
    std::vector<double> zs;
    for (double z = 1.0; z < zFar; z *= 1.085)
        zs.push_back(z);
    zs.push_back(zFar);
    const double tile = 74;
    for (size_t i = 0; i + 1 < zs.size(); ++i) {
        const double z0 = zs[i], z1 = zs[i + 1];
        const double y0 = rowY(z0), y1 = rowY(z1);
        const double t = (kFloorY - y0) / (kFloorY - far);  // 0 front .. 1 back
        for (int k = -12; k <= 12; ++k) {
            const double xa = vx + (k * tile - tile / 2 + (i % 2) * tile / 2) / z0;
            const double xb = vx + (k * tile + tile / 2 + (i % 2) * tile / 2) / z0;
            const double xc = vx + (k * tile + tile / 2 + (i % 2) * tile / 2) / z1;
            const double xd = vx + (k * tile - tile / 2 + (i % 2) * tile / 2) / z1;
            const double v = rnd.Range(0.9, 1.08);
            // Warm stone, lighter towards the back where the sky glows on it.
            const double r = (0.36 + 0.26 * t) * v, g = (0.24 + 0.16 * t) * v,
                         b = (0.24 + 0.12 * t) * v;
            cairo_move_to(cr, xa, y0);
            cairo_line_to(cr, xb, y0);
            cairo_line_to(cr, xc, y1);
            cairo_line_to(cr, xd, y1);
            cairo_close_path(cr);
            cairo_set_source_rgb(cr, r, g, b);
            cairo_fill_preserve(cr);
            cairo_set_source_rgba(cr, 0.12, 0.06, 0.08, 0.8);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
    // The sun's reflection on the polished stone.
    cairo_save(cr);
    cairo_rectangle(cr, 0, far, 800, kFloorY - far);
    cairo_clip(cr);
    cairo_translate(cr, 400, 392);
    cairo_scale(cr, 3.2, 1.0);
    cairo_pattern_t* shine = cairo_pattern_create_radial(0, 0, 0, 0, 0, 70);
    cairo_pattern_add_color_stop_rgba(shine, 0, 1.0, 0.78, 0.48, 0.45);
    cairo_pattern_add_color_stop_rgba(shine, 1, 1.0, 0.55, 0.35, 0.0);
    cairo_set_source(cr, shine);
    cairo_paint(cr);
    cairo_pattern_destroy(shine);
    cairo_restore(cr);
    // Shadow at the base of the railing.
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, far, 0, far + 10);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0.05, 0.02, 0.05, 0.7);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0.05, 0.02, 0.05, 0.0);
    cairo_rectangle(cr, 0, far, 800, 10);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

// The terrace's front edge on the fighters' line, its stone face below, dark ground last.
void TerraceFront(cairo_t* cr) {
    using screen::kFloorY;
    // Lit lip of the edge.
    cairo_rectangle(cr, 0, kFloorY - 1, 800, 2);
    SetColour(cr, Hex(0xF0BC84));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, kFloorY + 1, 800, 5);
    SetColour(cr, Hex(0x9A6450));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, kFloorY + 6, 800, 2);
    SetColour(cr, Hex(0x2A161C));
    cairo_fill(cr);

    // Stone blocks of the face, in staggered courses.
    const double top = kFloorY + 8, bottom = 548;
    Scatter rnd(0xB10C5u);
    int course = 0;
    for (double y = top; y < bottom; y += 28, ++course) {
        const double h = std::min(28.0, bottom - y);
        const double shade = 1.0 - (y - top) / (bottom - top) * 0.45;
        for (double x = (course % 2) ? -60 : -10; x < 800; x += 110) {
            const double v = rnd.Range(0.88, 1.08) * shade;
            cairo_rectangle(cr, x + 1, y + 1, 108, h - 2);
            cairo_set_source_rgb(cr, 0.27 * v, 0.17 * v, 0.19 * v);
            cairo_fill(cr);
            cairo_rectangle(cr, x + 1, y + 1, 108, 1);
            cairo_set_source_rgb(cr, 0.40 * v, 0.27 * v, 0.26 * v);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, 0, y + h - 1, 800, 1);
        SetColour(cr, Hex(0x120A0E));
        cairo_fill(cr);
    }
    // Ground in front of the terrace.
    cairo_pattern_t* g = VerticalGradient(bottom, 600, {Hex(0x1A1016), Hex(0x0A0609)});
    cairo_rectangle(cr, 0, bottom, 800, 600 - bottom);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 5; ++i) {  // raked gravel
        cairo_rectangle(cr, 0, bottom + 10 + i * 10, 800, 1);
        cairo_set_source_rgba(cr, 0.55, 0.42, 0.45, 0.12 - i * 0.02);
        cairo_fill(cr);
    }
}

// An old pine leaning in from the right, its pads of needles rim-lit by the sunset.
void Pine(cairo_t* cr) {
    const Rgb bark = Hex(0x1C0E14), needles = Hex(0x140A16), rim = Hex(0x7A3446);
    // Trunk, from behind the railing at the right edge, leaning left.
    cairo_move_to(cr, 790, 376);
    cairo_curve_to(cr, 770, 320, 786, 270, 752, 226);
    cairo_curve_to(cr, 736, 206, 712, 196, 690, 194);
    cairo_line_to(cr, 692, 186);
    cairo_curve_to(cr, 722, 186, 752, 200, 770, 224);
    cairo_curve_to(cr, 800, 262, 790, 316, 812, 376);
    cairo_close_path(cr);
    SetColour(cr, bark);
    cairo_fill(cr);
    // Branch towards the lower left.
    cairo_move_to(cr, 778, 290);
    cairo_curve_to(cr, 750, 282, 720, 274, 686, 268);
    cairo_line_to(cr, 686, 262);
    cairo_curve_to(cr, 724, 264, 756, 272, 782, 280);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Flat pads of needles: a row of bumps with a flat underside, rim-lit on top.
    const struct {
        double x, y, rx, ry;
    } pads[] = {{694, 188, 54, 13}, {752, 206, 44, 12}, {664, 262, 42, 10},
                {722, 268, 34, 9},  {792, 238, 36, 12}, {636, 192, 26, 8}};
    for (const auto& p : pads) {
        // Two passes: the shape raised a little in the rim colour, then the shape itself.
        for (int pass = 0; pass < 2; ++pass) {
            const double lift = pass ? 0 : -2;
            Scatter same(static_cast<uint32_t>(p.x * 131 + p.y));
            cairo_save(cr);
            cairo_translate(cr, p.x, p.y + lift);
            cairo_scale(cr, p.rx, p.ry * 0.7);
            cairo_arc(cr, 0, 0, 1, 0, kTau);
            cairo_restore(cr);
            const int bumps = static_cast<int>(p.rx / 5);
            for (int i = 0; i <= bumps; ++i) {
                const double u = -0.85 + 1.7 * i / bumps;
                const double r = p.ry * 0.45 * same.Range(0.8, 1.2);
                const double top = p.ry * 0.7 * std::sqrt(1 - u * u);
                cairo_new_sub_path(cr);
                cairo_arc(cr, p.x + u * p.rx, p.y + lift - top + r * 0.5, r, 0, kTau);
            }
            SetColour(cr, pass ? needles : rim);
            cairo_fill(cr);
        }
    }
}

// The round medallion between the two gauge frames.
void Medallion(cairo_t* cr) {
    using namespace screen;
    const double cx = (kGapLeft + kGapRight + 1) / 2.0, cy = kFrameY + 33, r = 32.5;
    cairo_arc(cr, cx, cy, r + 1, 0, kTau);
    SetColour(cr, Hex(0x000000));
    cairo_fill(cr);
    cairo_pattern_t* ring = VerticalGradient(
        cy - r, cy + r, {Hex(0xFFE9A0), Hex(0xD9A441), Hex(0x8A5A1A), Hex(0xE8B860)});
    cairo_arc(cr, cx, cy, r - 0.5, 0, kTau);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    cairo_arc(cr, cx, cy, r - 4, 0, kTau);
    SetColour(cr, Hex(0x14161E));
    cairo_fill(cr);
    // Studs round the iron ring.
    for (int i = 0; i < 12; ++i) {
        const double a = i * kTau / 12;
        cairo_arc(cr, cx + std::cos(a) * (r - 7.5), cy + std::sin(a) * (r - 7.5), 1.4, 0, kTau);
        SetColour(cr, Hex(0xB08A4A));
        cairo_fill(cr);
    }
    cairo_pattern_t* disc = cairo_pattern_create_radial(cx - 6, cy - 8, 2, cx, cy, r - 10);
    cairo_pattern_add_color_stop_rgb(disc, 0, 0.95, 0.30, 0.20);
    cairo_pattern_add_color_stop_rgb(disc, 1, 0.45, 0.04, 0.04);
    cairo_arc(cr, cx, cy, r - 10.5, 0, kTau);
    cairo_set_source(cr, disc);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(disc);
    SetColour(cr, Hex(0x000000));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle vs{Face::HeavyItalic, 23, 0, 1.0, -1, Align::Centre};
    const double cap = CapHeight(cr, "VS", vs);
    cairo_pattern_t* gold =
        VerticalGradient(cy - cap / 2, cy + cap / 2, {Hex(0xFFFFF0), Hex(0xFFD860), Hex(0xD08A18)});
    Lettering look;
    look.fill = gold;
    look.outline = Hex(0x2A0400);
    look.outlineWidth = 1.8;
    DrawText(cr, "VS", vs, cx - 1, cy + cap / 2, look);
    cairo_pattern_destroy(gold);
}

}  // namespace

std::vector<uint32_t> PaintBackground() {
    Canvas canvas(800, 600);
    cairo_t* cr = canvas.cr();
    Sky(cr);
    Sun(cr);
    CloudStreaks(cr);
    Ridge(cr, 0xA11CE5u, 330, 214, 7, Hex(0x5C3064), Hex(0xFF9A78), 380);
    Ridge(cr, 0xB0B5EEu, 346, 252, 9, Hex(0x3E1C4A), Hex(0xE8706A), 380);
    CloudSea(cr);
    Pagoda(cr);
    Railing(cr);
    Floor(cr);
    TerraceFront(cr);
    Pine(cr);
    Medallion(cr);
    return canvas.OpaquePixels();
}

}  // namespace assetgen
