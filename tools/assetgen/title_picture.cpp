// The launcher's title picture: the game's name in gold over a blood-red setting sun, a
// fighter's high kick in silhouette against the sun, an ink brush stroke behind the name
// and a red seal, framed for the grey launcher window.
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "assetgen/screen_art.h"
#include "assetgen/screen_canvas.h"

namespace assetgen {

namespace {

constexpr double kTau = 6.283185307179586;
constexpr int kW = 500, kH = 200;

void Backdrop(cairo_t* cr) {
    cairo_pattern_t* p = VerticalGradient(0, kH, {Hex(0x1A0508), Hex(0x2E080C), Hex(0x0C0204)});
    cairo_rectangle(cr, 0, 0, kW, kH);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Faint rays from the sun.
    const double sx = 408, sy = 84;
    for (int i = 0; i < 24; ++i) {
        const double a0 = i * kTau / 24, a1 = a0 + kTau / 60;
        cairo_move_to(cr, sx, sy);
        cairo_line_to(cr, sx + std::cos(a0) * 600, sy + std::sin(a0) * 600);
        cairo_line_to(cr, sx + std::cos(a1) * 600, sy + std::sin(a1) * 600);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0.85, 0.18, 0.10, 0.10);
        cairo_fill(cr);
    }
}

// The sun with the horizontal bands of a setting sun cut out of its lower half.
void Sun(cairo_t* cr) {
    const double cx = 408, cy = 84, r = 70;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r, cx, cy, r + 40);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.35, 0.15, 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.2, 0.1, 0.0);
    cairo_arc(cr, cx, cy, r + 40, 0, kTau);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);

    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, kTau);
    cairo_clip(cr);
    cairo_pattern_t* disc = VerticalGradient(
        cy - r, cy + r, {Hex(0xFFD060), Hex(0xFF7A2A), Hex(0xE02A18), Hex(0xA00C10)});
    cairo_set_source(cr, disc);
    cairo_paint(cr);
    cairo_pattern_destroy(disc);
    // Bands growing thicker towards the bottom.
    double y = cy + 8;
    for (int i = 0; i < 7; ++i) {
        const double band = 1.5 + i * 1.2;
        cairo_rectangle(cr, cx - r, y, 2 * r, band);
        SetColour(cr, Hex(0x240608));
        cairo_fill(cr);
        y += band + 7 - i * 0.4;
    }
    cairo_restore(cr);
}

// A wide, rough brush stroke of ink behind the name.
void BrushStroke(cairo_t* cr) {
    Scatter rnd(0x1B2C3D4u);
    const double y0 = 66, y1 = 142;
    cairo_new_path(cr);
    cairo_move_to(cr, 4, y0 + 10);
    for (double x = 4; x <= 430; x += 6)
        cairo_line_to(cr, x, y0 + 6 * std::sin(x / 60) + rnd.Range(-3, 3) - x * 0.02);
    for (double x = 430; x >= 4; x -= 6)
        cairo_line_to(cr, x, y1 + 5 * std::sin(x / 45 + 1) + rnd.Range(-3, 3) - x * 0.03);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 440, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.02, 0.0, 0.01, 0.92);
    cairo_pattern_add_color_stop_rgba(p, 0.8, 0.04, 0.0, 0.02, 0.80);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.0, 0.02, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// A fighter in a high side kick, as a solid silhouette against the sun.
void Kicker(cairo_t* cr) {
    const Rgb ink = Hex(0x060103);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(cr, ink);
    auto limb = [&](std::initializer_list<std::pair<double, double>> pts, double width) {
        bool first = true;
        for (auto [x, y] : pts) {
            if (first)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
            first = false;
        }
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    };
    // Everything relative to the hip; the fighter faces right and kicks high.
    const double hx = 426, hy = 100;
    auto at = [&](double dx, double dy) { return std::pair<double, double>{hx + dx, hy + dy}; };
    auto dot = [&](std::pair<double, double> p, double r) {
        cairo_arc(cr, p.first, p.second, r, 0, kTau);
        cairo_fill(cr);
    };
    // Headband and belt tails streaming back.
    limb({at(-34, -50), at(-46, -56), at(-58, -50)}, 3.5);
    limb({at(-34, -48), at(-44, -42), at(-54, -36)}, 3);
    limb({at(-4, -6), at(-16, -2), at(-24, -6)}, 3);
    // Rear arm swung back and down for balance.
    limb({at(-22, -32), at(-36, -16)}, 10);
    limb({at(-36, -16), at(-42, -2)}, 8.5);
    dot(at(-42, 0), 5.5);
    // Standing leg, knee soft, foot flat.
    limb({at(0, 0), at(-6, 28)}, 16);
    limb({at(-6, 28), at(-2, 50)}, 12);
    limb({at(-8, 53), at(14, 53)}, 7);
    // Torso leaning away from the kick, chest broad.
    limb({at(-2, -2), at(-24, -34)}, 22);
    dot(at(-18, -28), 13);
    // The kicking leg out to the right and up, foot bladed.
    limb({at(2, -2), at(28, -18)}, 16);
    limb({at(28, -18), at(52, -34)}, 12);
    cairo_move_to(cr, hx + 46, hy - 44);
    cairo_line_to(cr, hx + 62, hy - 42);
    cairo_line_to(cr, hx + 59, hy - 26);
    cairo_line_to(cr, hx + 48, hy - 27);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Front arm guarding the chin.
    limb({at(-14, -34), at(4, -30)}, 10);
    limb({at(4, -30), at(16, -42)}, 8.5);
    dot(at(17, -43), 6);
    // Head.
    dot(at(-33, -50), 10.5);
    cairo_restore(cr);
}

// A red seal stamped with the character for "fight".
void Seal(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x + s / 2, y + s / 2);
    cairo_rotate(cr, -0.06);
    cairo_rectangle(cr, -s / 2, -s / 2, s, s);
    SetColour(cr, Hex(0xC81E1E));
    cairo_fill(cr);
    cairo_rectangle(cr, -s / 2 + 2.5, -s / 2 + 2.5, s - 5, s - 5);
    SetColour(cr, Hex(0xFFE8D8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle kanji{Face::Kanji, s * 0.78, 0, 1.0, 0, Align::Centre};
    Lettering look;
    look.fillColour = Hex(0xFFF0E0);
    const double cap = CapHeight(cr, "闘", kanji);
    DrawText(cr, "闘", kanji, 0, cap * 0.5, look);
    cairo_restore(cr);
}

void Logo(cairo_t* cr) {
    TextStyle big{Face::HeavyItalic, 94, 0, 0.92, -2, Align::Left};
    const double base = 128;
    const double cap = CapHeight(cr, "TOVUKA", big);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, base - cap, 0, base);
    const struct {
        double at;
        uint32_t rgb;
    } stops[] = {{0.0, 0xFFFFF4},  {0.30, 0xFFE27A}, {0.50, 0xE8A020}, {0.52, 0x8A4A08},
                 {0.56, 0xFFD050}, {0.85, 0xFFB830}, {1.0, 0xFFF0B0}};
    for (const auto& s : stops) {
        const Rgb c = Hex(s.rgb);
        cairo_pattern_add_color_stop_rgb(gold, s.at, c.r, c.g, c.b);
    }
    Lettering look;
    look.fill = gold;
    look.outline = Hex(0x5A0E00);
    look.outlineWidth = 3;
    look.rim = Hex(0x000000);
    look.rimWidth = 2.5;
    look.shadow = Hex(0x000000);
    look.shadowDx = 5;
    look.shadowDy = 5;
    cairo_new_path(cr);
    const double width = TextPath(cr, "TOVUKA", big, 0, 0);
    cairo_new_path(cr);
    const double left = 16;
    DrawText(cr, "TOVUKA", big, left, base, look);
    cairo_pattern_destroy(gold);

    // "02" in hot red, tucked under the end of the name.
    TextStyle num{Face::HeavyItalic, 50, 0, 1.0, -1, Align::Left};
    const double numBase = 166, numCap = CapHeight(cr, "02", num);
    cairo_pattern_t* red = VerticalGradient(
        numBase - numCap, numBase, {Hex(0xFFFFFF), Hex(0xFF9070), Hex(0xE82818), Hex(0x901010)});
    Lettering numLook;
    numLook.fill = red;
    numLook.outline = Hex(0xFFF0D0);
    numLook.outlineWidth = 2;
    numLook.rim = Hex(0x000000);
    numLook.rimWidth = 2.5;
    numLook.shadow = Hex(0x000000);
    numLook.shadowDx = 4;
    numLook.shadowDy = 4;
    DrawText(cr, "02", num, left + width - 86, numBase, numLook);
    cairo_pattern_destroy(red);
}

void Subtitle(cairo_t* cr) {
    TextStyle small{Face::Heavy, 11, 0, 1.0, 3.2, Align::Left};
    Lettering look;
    look.fillColour = Hex(0xE8C07A);
    const double x = 22, base = 184;
    cairo_new_path(cr);
    const double w = TextPath(cr, "MARTIAL ARTS FIGHTING", small, 0, 0);
    cairo_new_path(cr);
    DrawText(cr, "MARTIAL ARTS FIGHTING", small, x, base, look);
    cairo_rectangle(cr, x + w + 10, base - 5, 120, 1);
    SetColour(cr, Hex(0xB07A3A));
    cairo_fill(cr);
}

void Frame(cairo_t* cr) {
    cairo_rectangle(cr, 0.5, 0.5, kW - 1, kH - 1);
    SetColour(cr, Hex(0x000000));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, 2.5, 2.5, kW - 5, kH - 5);
    SetColour(cr, Hex(0xB8863A));
    cairo_stroke(cr);
}

}  // namespace

bool WriteIcon(int size, const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    // A rounded square, like the icons beside it in a menu.
    const double s = size, r = s * 0.17;
    cairo_new_sub_path(cr);
    cairo_arc(cr, s - r, r, r, -kTau / 4, 0);
    cairo_arc(cr, s - r, s - r, r, 0, kTau / 4);
    cairo_arc(cr, r, s - r, r, kTau / 4, kTau / 2);
    cairo_arc(cr, r, r, r, kTau / 2, 3 * kTau / 4);
    cairo_close_path(cr);
    cairo_clip(cr);
    // The sun with the kicker, from the title picture, filling the square.
    cairo_scale(cr, s / 186.0, s / 186.0);
    cairo_translate(cr, -315, 4);
    Backdrop(cr);
    Sun(cr);
    Kicker(cr);
    cairo_destroy(cr);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

std::vector<uint32_t> PaintTitle() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.cr();
    Backdrop(cr);
    Sun(cr);
    BrushStroke(cr);
    Kicker(cr);
    Logo(cr);
    Seal(cr, 444, 140, 40);
    Subtitle(cr);
    Frame(cr);
    return canvas.OpaquePixels();
}

}  // namespace assetgen
