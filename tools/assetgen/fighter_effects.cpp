// The finishing-effect pictures. Picture 1 is an impact burst: a jagged star of the fighter's
// colours with the style's emblem at its white-hot core and speed lines streaking across the
// screen. Picture 2 is a shock wave: a slash cutting across, rings spreading from the emblem
// and rays bursting out. Everything else is the key green, so the fight shows through.
#include "assetgen/fighter_effects.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "assetgen/palette.h"

namespace assetgen::figure {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kW = 800, kH = 300;

// A small deterministic generator, so every run draws the same sparks.
struct Dice {
    uint32_t state;
    double operator()(double lo, double hi) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return lo + (hi - lo) * ((state & 0xFFFFFF) / static_cast<double>(0x1000000));
    }
};

void Colour(cairo_t* cr, uint32_t rgb) {
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                         (rgb & 0xFF) / 255.0);
}

// Fills the current path with an ink rim of the given width around it.
void InkedFill(cairo_t* cr, uint32_t fill, double rim) {
    Colour(cr, palette::Ink());
    cairo_set_line_width(cr, rim * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    Colour(cr, fill);
    cairo_fill(cr);
}

void Star(cairo_t* cr, double cx, double cy, int points, double outer, double inner, double spin,
          Dice* jitter) {
    cairo_new_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double r = i % 2 ? inner : outer;
        if (jitter) r *= (*jitter)(0.78, 1.18);
        const double a = spin + kPi * i / points;
        const double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r * 0.82;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

// ---- emblems: drawn around (0, 0) in a box of about 100 x 100 ----------------------------

void EmblemPath(cairo_t* cr, Emblem e) {
    cairo_new_path(cr);
    switch (e) {
        case Emblem::Fist:
            // A closed fist seen from the front: four fingers over the palm, the thumb across.
            for (int i = 0; i < 4; ++i) {
                cairo_new_sub_path(cr);
                cairo_rectangle(cr, -40 + 20 * i, -42, 19, 40);
            }
            cairo_new_sub_path(cr);
            cairo_move_to(cr, -40, -10);
            cairo_line_to(cr, 40, -10);
            cairo_line_to(cr, 40, 30);
            cairo_curve_to(cr, 36, 50, -30, 52, -38, 30);
            cairo_close_path(cr);
            break;
        case Emblem::Glove:
            cairo_move_to(cr, -30, 40);
            cairo_line_to(cr, -34, -4);
            cairo_curve_to(cr, -40, -50, 30, -58, 38, -14);
            cairo_curve_to(cr, 42, 16, 30, 30, 24, 40);
            cairo_close_path(cr);
            cairo_new_sub_path(cr);
            cairo_rectangle(cr, -32, 38, 58, 16);
            break;
        case Emblem::Foot:
            cairo_move_to(cr, -14, 48);
            cairo_curve_to(cr, -36, 40, -34, -6, -22, -22);
            cairo_curve_to(cr, -8, -40, 26, -34, 24, -10);
            cairo_curve_to(cr, 22, 12, 12, 22, 12, 36);
            cairo_curve_to(cr, 12, 50, 0, 54, -14, 48);
            cairo_close_path(cr);
            for (int i = 0; i < 5; ++i) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, -22 + 11 * i, -44 + std::abs(i - 1) * 3.0, 6.5 - 0.7 * i, 0, 2 * kPi);
            }
            break;
        case Emblem::Lotus:
            for (int i = 0; i < 5; ++i) {
                const double a = -kPi / 2 + (i - 2) * 0.55;
                cairo_save(cr);
                cairo_rotate(cr, a + kPi / 2);
                cairo_new_sub_path(cr);
                cairo_move_to(cr, 0, 20);
                cairo_curve_to(cr, -22, -6, -12, -40, 0, -52);
                cairo_curve_to(cr, 12, -40, 22, -6, 0, 20);
                cairo_close_path(cr);
                cairo_restore(cr);
            }
            break;
        case Emblem::YinYang: cairo_arc(cr, 0, 0, 46, 0, 2 * kPi); break;
        case Emblem::Bolt:
            cairo_move_to(cr, 8, -54);
            cairo_line_to(cr, -30, 6);
            cairo_line_to(cr, -4, 6);
            cairo_line_to(cr, -14, 54);
            cairo_line_to(cr, 30, -10);
            cairo_line_to(cr, 4, -10);
            cairo_close_path(cr);
            break;
        case Emblem::Crown:
            cairo_move_to(cr, -44, 34);
            cairo_line_to(cr, -48, -24);
            cairo_line_to(cr, -24, 2);
            cairo_line_to(cr, 0, -40);
            cairo_line_to(cr, 24, 2);
            cairo_line_to(cr, 48, -24);
            cairo_line_to(cr, 44, 34);
            cairo_close_path(cr);
            break;
        case Emblem::Wave:
            cairo_move_to(cr, -50, 36);
            cairo_curve_to(cr, -44, -20, 10, -56, 40, -28);
            cairo_curve_to(cr, 52, -16, 40, 6, 24, -2);
            cairo_curve_to(cr, 10, -10, 4, 10, 20, 20);
            cairo_curve_to(cr, 30, 26, 44, 24, 50, 36);
            cairo_close_path(cr);
            break;
        case Emblem::Star: Star(cr, 0, 0, 5, 54, 22, -kPi / 2, nullptr); break;
        case Emblem::Flame:
            cairo_move_to(cr, 0, 50);
            cairo_curve_to(cr, -40, 46, -44, 6, -20, -20);
            cairo_curve_to(cr, -18, -6, -10, -2, -8, -6);
            cairo_curve_to(cr, -14, -30, 2, -44, 4, -56);
            cairo_curve_to(cr, 16, -36, 28, -30, 24, -8);
            cairo_curve_to(cr, 32, -14, 34, -22, 32, -30);
            cairo_curve_to(cr, 50, -6, 44, 46, 0, 50);
            cairo_close_path(cr);
            break;
    }
}

void DrawEmblem(cairo_t* cr, Emblem e, double cx, double cy, double size, uint32_t fill,
                uint32_t detail) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 100, size / 100);
    EmblemPath(cr, e);
    InkedFill(cr, fill, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Colour(cr, detail);
    if (e == Emblem::YinYang) {
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 46, -kPi / 2, kPi / 2);
        cairo_arc_negative(cr, 0, 23, 23, kPi / 2, -kPi / 2);
        cairo_arc(cr, 0, -23, 23, kPi / 2, 3 * kPi / 2);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_arc(cr, 0, -23, 7, 0, 2 * kPi);
        cairo_fill(cr);
        Colour(cr, fill);
        cairo_arc(cr, 0, 23, 7, 0, 2 * kPi);
        cairo_fill(cr);
    } else if (e == Emblem::Fist) {
        // The knuckle lines and the thumb.
        Colour(cr, palette::Ink());
        cairo_set_line_width(cr, 5);
        for (int i = 1; i < 4; ++i) {
            cairo_move_to(cr, -40 + 20 * i, -40);
            cairo_line_to(cr, -40 + 20 * i, -8);
        }
        cairo_stroke(cr);
        cairo_move_to(cr, -40, 4);
        cairo_curve_to(cr, -10, -6, 18, -4, 30, 14);
        cairo_line_to(cr, 20, 22);
        cairo_curve_to(cr, 8, 10, -16, 10, -38, 20);
        cairo_close_path(cr);
        cairo_stroke_preserve(cr);
        Colour(cr, detail);
        cairo_fill(cr);
    } else if (e == Emblem::Glove) {
        cairo_set_line_width(cr, 5);
        cairo_move_to(cr, -20, 20);
        cairo_curve_to(cr, -28, -6, -10, -18, 4, -8);
        cairo_stroke(cr);
    } else if (e == Emblem::Crown) {
        for (double x : {-48.0, 0.0, 48.0}) {
            cairo_arc(cr, x, x == 0 ? -44 : -28, 7, 0, 2 * kPi);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, -40, 18, 80, 8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// ---- the two pictures ------------------------------------------------------------------

void ImpactBurst(cairo_t* cr, const FighterArt& art, Dice& dice) {
    const double cx = kW / 2.0, cy = kH / 2.0;
    // Speed lines streaking across, thickest near the middle.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 46; ++i) {
        const double y = cy + dice(-1, 1) * dice(0.2, 1) * 135;
        const double len = dice(90, 420);
        const double x = dice(-40, kW + 40 - len);
        const double w = std::max(2.0, 9 - std::fabs(y - cy) / 18) * dice(0.5, 1.1);
        const int pick = static_cast<int>(dice(0, 4));
        const uint32_t c = pick == 0   ? palette::PureWhite()
                           : pick == 1 ? palette::Tone(art.effect, 4)
                           : pick == 2 ? palette::Tone(art.effect2, 4)
                                       : palette::Tone(art.effect, 3);
        Colour(cr, palette::Ink());
        cairo_set_line_width(cr, w + 3);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        cairo_stroke(cr);
        Colour(cr, c);
        cairo_set_line_width(cr, w);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        cairo_stroke(cr);
    }
    // Shards flying out.
    for (int i = 0; i < 14; ++i) {
        const double a = dice(0, 2 * kPi), r = dice(150, 330);
        const double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r * 0.45;
        const double s = dice(8, 18);
        cairo_new_path(cr);
        cairo_move_to(cr, x + std::cos(a) * s * 2, y + std::sin(a) * s);
        cairo_line_to(cr, x + std::cos(a + 2.2) * s, y + std::sin(a + 2.2) * s * 0.6);
        cairo_line_to(cr, x + std::cos(a - 2.2) * s, y + std::sin(a - 2.2) * s * 0.6);
        cairo_close_path(cr);
        InkedFill(cr, palette::Tone(art.effect2, 4), 1.5);
    }
    // The burst: three jagged layers and a white-hot core.
    Star(cr, cx, cy, 14, 175, 92, dice(0, 1), &dice);
    InkedFill(cr, palette::Tone(art.effect, 2), 3);
    Star(cr, cx, cy, 14, 138, 74, dice(0, 1), &dice);
    Colour(cr, palette::Tone(art.effect, 3));
    cairo_fill(cr);
    Star(cr, cx, cy, 12, 104, 60, dice(0, 1), &dice);
    Colour(cr, palette::Tone(art.effect2, 4));
    cairo_fill(cr);
    Star(cr, cx, cy, 10, 76, 52, dice(0, 1), &dice);
    Colour(cr, palette::Tone(art.effect2, 5));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 50, 0, 2 * kPi);
    Colour(cr, palette::PureWhite());
    cairo_fill(cr);
    DrawEmblem(cr, art.emblem, cx, cy, 86, palette::Tone(art.effect, 3),
               palette::Tone(art.effect, 1));
}

void ShockWave(cairo_t* cr, const FighterArt& art, Dice& dice) {
    const double cx = kW / 2.0, cy = kH / 2.0;
    // Rays bursting out of the centre.
    for (int i = 0; i < 28; ++i) {
        const double a = 2 * kPi * i / 28 + dice(-0.05, 0.05);
        const double half = dice(0.025, 0.05), r = dice(300, 460);
        cairo_new_path(cr);
        cairo_move_to(cr, cx + std::cos(a) * 60, cy + std::sin(a) * 40);
        cairo_line_to(cr, cx + std::cos(a - half) * r, cy + std::sin(a - half) * r * 0.7);
        cairo_line_to(cr, cx + std::cos(a + half) * r, cy + std::sin(a + half) * r * 0.7);
        cairo_close_path(cr);
        InkedFill(cr, i % 2 ? palette::Tone(art.effect, 4) : palette::Tone(art.effect2, 3), 1.5);
    }
    // Rings spreading from the middle.
    for (int i = 0; i < 3; ++i) {
        const double rx = 90 + 52 * i, ry = rx * 0.55;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, ry / rx);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, rx, 0, 2 * kPi);
        cairo_restore(cr);
        Colour(cr, palette::Ink());
        cairo_set_line_width(cr, 11 - 2 * i);
        cairo_stroke_preserve(cr);
        Colour(cr, i == 0 ? palette::PureWhite() : palette::Tone(art.effect2, 5 - i));
        cairo_set_line_width(cr, 6 - 1.5 * i);
        cairo_stroke(cr);
    }
    // The slash cutting across.
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 268);
    cairo_curve_to(cr, 260, 170, 520, 110, 780, 26);
    cairo_curve_to(cr, 540, 140, 280, 200, 30, 268);
    cairo_close_path(cr);
    InkedFill(cr, palette::Tone(art.effect, 4), 4);
    cairo_new_path(cr);
    cairo_move_to(cr, 70, 256);
    cairo_curve_to(cr, 280, 176, 520, 118, 740, 40);
    cairo_curve_to(cr, 530, 134, 290, 192, 70, 256);
    cairo_close_path(cr);
    Colour(cr, palette::PureWhite());
    cairo_fill(cr);
    // The emblem on a dark disc.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 66, 0, 2 * kPi);
    InkedFill(cr, palette::Tone(art.effect, 3), 3);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 56, 0, 2 * kPi);
    Colour(cr, palette::Tone(art.effect, 0));
    cairo_fill(cr);
    DrawEmblem(cr, art.emblem, cx, cy, 84, palette::Tone(art.effect2, 4),
               palette::Tone(art.effect2, 1));
}

}  // namespace

bool RenderFinishEffect(std::vector<uint8_t>& indices, int width, int n, int kind,
                        const FighterArt& art) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    Dice dice{static_cast<uint32_t>(0x9E3779B9u * static_cast<uint32_t>(kind * 2 + n))};
    if (n == 1)
        ImpactBurst(cr, art, dice);
    else
        ShockWave(cr, art, dice);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    bool ok = true;
    const int top = kH * (n - 1);
    for (int y = 0; y < kH; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < std::min(kW, width); ++x) {
            const uint32_t px = row[x], alpha = px >> 24;
            uint8_t index = palette::kKeyIndex;
            if (alpha == 255) {
                const int found = palette::IndexOf(px & 0xFFFFFF);
                if (found <= 0)
                    ok = false;
                else
                    index = static_cast<uint8_t>(found);
            } else if (alpha != 0) {
                ok = false;
            }
            indices[static_cast<size_t>(top + y) * width + x] = index;
        }
    }
    cairo_surface_destroy(surface);
    if (!ok)
        std::fprintf(stderr, "assetgen: finishing effect %d of fighter %d left the palette\n", n,
                     kind);
    return ok;
}

}  // namespace assetgen::figure
