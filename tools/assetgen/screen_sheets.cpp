// The screen pictures: parts01 (names, banners, calls, pause lines, gauges), parts02 (the
// stage), parts03 (the last three names and the continue question) and the launcher's title
// picture. Every piece sits at the place in its sheet where the game reads it; everything
// around the pieces is the key green.
#include <string>
#include <vector>

#include "assetgen/bmp.h"
#include "assetgen/output.h"
#include "assetgen/screen_art.h"
#include "assetgen/screen_canvas.h"
#include "assetgen/screen_layout.h"
#include "assetgen/screen_names.h"

namespace assetgen {

namespace {

struct Box {
    int x, y, w, h;
};

// Runs draw with the origin at the box's corner, clipped to the part of the box the game
// shows (one column and one row less than its size), or to the whole box.
template <class Draw>
void InBox(cairo_t* cr, Box b, Draw draw, bool wholeBox = false) {
    const int w = wholeBox ? b.w : b.w - 1, h = wholeBox ? b.h : b.h - 1;
    cairo_save(cr);
    cairo_rectangle(cr, b.x, b.y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, b.x, b.y);
    cairo_new_path(cr);
    draw(cr, static_cast<double>(w), static_cast<double>(h));
    cairo_restore(cr);
}

// Owns the gradients a picture uses while it is drawn.
struct Patterns {
    std::vector<cairo_pattern_t*> list;
    cairo_pattern_t* operator()(cairo_pattern_t* p) {
        list.push_back(p);
        return p;
    }
    ~Patterns() {
        for (cairo_pattern_t* p : list)
            cairo_pattern_destroy(p);
    }
};

const Rgb kGold = Hex(0xD9A441);
const Rgb kInk = Hex(0x0A0608);

// ---- name plates ---------------------------------------------------------------------

void NamePlate(cairo_t* cr, double w, double h, const FighterTitle& who, bool lit) {
    Patterns pat;
    const double cut = 9;
    ChamferPath(cr, 1, 1, w - 2, h - 2, cut);
    cairo_set_source(
        cr, lit ? pat(VerticalGradient(
                      1, h - 1,
                      {Hex(0xFFE9A0), Hex(0xFFB43A), Hex(0xE8601E), Hex(0xB0261A), Hex(0x7A1410)}))
                : pat(VerticalGradient(
                      1, h - 1, {Hex(0x3A4152), Hex(0x252A36), Hex(0x171A22), Hex(0x0F1116)})));
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    // Inner border: steel on a plain plate, a bright double line on a lit one.
    ChamferPath(cr, 4.5, 4.5, w - 9, h - 9, cut - 2.5);
    SetColour(cr, lit ? Hex(0xFFFBE0) : Hex(0x7D8699));
    cairo_set_line_width(cr, lit ? 2.0 : 1.2);
    cairo_stroke(cr);
    if (lit) {
        ChamferPath(cr, 7, 7, w - 14, h - 14, cut - 4);
        SetColour(cr, Hex(0x8A2A10));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        // Cursor arrows pointing at the name from both sides.
        for (int side = 0; side < 2; ++side) {
            const double tip = side == 0 ? 17 : w - 17, back = side == 0 ? 9 : w - 9;
            cairo_move_to(cr, back, h / 2 - 7);
            cairo_line_to(cr, tip, h / 2);
            cairo_line_to(cr, back, h / 2 + 7);
            cairo_close_path(cr);
            SetColour(cr, Hex(0xFFFFFF));
            cairo_fill_preserve(cr);
            SetColour(cr, Hex(0x5A0C00));
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    }

    // A thin rule between name and style.
    cairo_rectangle(cr, 34, 37, w - 68, 1);
    SetColour(cr, lit ? Hex(0xFFF0B0) : Hex(0x4E5668));
    cairo_fill(cr);

    TextStyle name{Face::Narrow, 27, w - (lit ? 46 : 22), 1.0, 0.4, Align::Centre};
    Lettering nameLook;
    nameLook.fillColour = lit ? Hex(0xFFFFFF) : Hex(0xF4EFE2);
    nameLook.outline = lit ? Hex(0x5A0C00) : Hex(0x000000);
    nameLook.outlineWidth = lit ? 2.0 : 1.4;
    DrawText(cr, who.name, name, w / 2, 31, nameLook);

    TextStyle style{Face::Heavy, 10.5, w - 40, 1.0, 1.3, Align::Centre};
    Lettering styleLook;
    styleLook.fillColour = lit ? Hex(0xFFFFFF) : Hex(0xFF9E3A);
    if (lit) {
        styleLook.shadow = Hex(0x5A0C00);
        styleLook.shadowDx = styleLook.shadowDy = 1;
    }
    DrawText(cr, who.style, style, w / 2, 50, styleLook);
}

// ---- calls and banners ---------------------------------------------------------------

// Big slanted lettering with a dark outline and a solid shadow: floats over the fight.
Lettering CallLook(cairo_pattern_t* fill, Rgb outline) {
    Lettering look;
    look.fill = fill;
    look.outline = outline;
    look.outlineWidth = 2.5;
    look.shadow = Hex(0x000000);
    look.shadowDx = 3;
    look.shadowDy = 3;
    return look;
}

cairo_pattern_t* FireFill(double top, double bottom) {
    return VerticalGradient(top, bottom,
                            {Hex(0xFFFBD0), Hex(0xFFE040), Hex(0xFF9A10), Hex(0xE83010)});
}

cairo_pattern_t* GoldFill(double top, double bottom) {
    return VerticalGradient(
        top, bottom, {Hex(0xFFFFF0), Hex(0xFFE27A), Hex(0xE8A020), Hex(0xFFE9A0), Hex(0xC07010)});
}

cairo_pattern_t* IceFill(double top, double bottom) {
    return VerticalGradient(top, bottom,
                            {Hex(0xFFFFFF), Hex(0xA8ECFF), Hex(0x48B4FF), Hex(0x2A5CE8)});
}

// One big line of lettering, centred in the box; baseline placed so the capitals sit in
// the middle of the visible height.
void CallText(cairo_t* cr, double w, double h, const std::string& text, double size,
              cairo_pattern_t* (*fill)(double, double), Rgb outline, double tracking = 1) {
    Patterns pat;
    TextStyle style{Face::HeavyItalic, size, w - 14, 1.0, tracking, Align::Centre};
    const double cap = CapHeight(cr, text, style);
    const double base = (h + cap) / 2 - 1;
    DrawText(cr, text, style, w / 2 - 1, base, CallLook(pat(fill(base - cap, base)), outline));
}

// Two lines: a small word above a big one.
void TwoLineBanner(cairo_t* cr, double w, const std::string& small, const std::string& big,
                   cairo_pattern_t* (*fill)(double, double), Rgb outline) {
    Patterns pat;
    TextStyle top{Face::HeavyItalic, 17, w - 30, 1.0, 3, Align::Centre};
    TextStyle bottom{Face::HeavyItalic, 36, w - 12, 1.0, 1, Align::Centre};
    Lettering topLook = CallLook(pat(fill(6, 20)), outline);
    topLook.outlineWidth = 2;
    topLook.shadowDx = topLook.shadowDy = 2;
    DrawText(cr, small, top, w / 2 + 6, 20, topLook);
    DrawText(cr, big, bottom, w / 2 - 2, 52, CallLook(pat(fill(30, 52)), outline));
}

// "WINNER", followed on the screen by the winner's name plate, which it overlaps by its
// last nine columns: those stay clear.
void ResultWord(cairo_t* cr, double, double h) {
    Patterns pat;
    const double right = 108, top = 8, bottom = h - 9;
    // A crimson ribbon with a swallowtail end, butting against the name plate.
    auto ribbon = [&](double inset) {
        cairo_new_path(cr);
        cairo_move_to(cr, 3 + inset * 1.6, top + inset);
        cairo_line_to(cr, right - inset, top + inset);
        cairo_line_to(cr, right - inset, bottom - inset);
        cairo_line_to(cr, 3 + inset * 1.6, bottom - inset);
        cairo_line_to(cr, 14 + inset, (top + bottom) / 2);
        cairo_close_path(cr);
    };
    ribbon(0);
    cairo_set_source(
        cr, pat(VerticalGradient(top, bottom, {Hex(0xE8402A), Hex(0xB01C16), Hex(0x6A0A0A)})));
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    ribbon(3);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    TextStyle style{Face::HeavyItalic, 24, 82, 0.9, 0.5, Align::Centre};
    const double cap = CapHeight(cr, "WINNER", style);
    const double base = (top + bottom + cap) / 2;
    Lettering look = CallLook(pat(GoldFill(base - cap, base)), Hex(0x2A0400));
    look.outlineWidth = 1.8;
    look.shadowDx = look.shadowDy = 1.5;
    DrawText(cr, "WINNER", style, 63, base, look);
}

// ---- message plates ------------------------------------------------------------------

void MessagePlate(cairo_t* cr, double w, double h) {
    Patterns pat;
    ChamferPath(cr, 2, 3, w - 4, h - 6, 14);
    cairo_set_source(
        cr, pat(VerticalGradient(3, h - 3,
                                 {Hex(0x3A1216), Hex(0x22090C), Hex(0x140507), Hex(0x1E080A)})));
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    ChamferPath(cr, 4.5, 5.5, w - 9, h - 11, 12);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    ChamferPath(cr, 7.5, 8.5, w - 15, h - 17, 10);
    SetColour(cr, Hex(0x5A2A1A));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void PlateTitle(cairo_t* cr, double w, double h, const std::string& text) {
    MessagePlate(cr, w, h);
    Patterns pat;
    TextStyle style{Face::HeavyItalic, 32, w - 40, 1.0, 5, Align::Centre};
    const double cap = CapHeight(cr, text, style);
    const double base = (h + cap) / 2 - 1;
    Lettering look = CallLook(pat(GoldFill(base - cap, base)), Hex(0x2A0800));
    look.outlineWidth = 2;
    look.shadowDx = look.shadowDy = 2;
    DrawText(cr, text, style, w / 2, base, look);
}

// A key hint line: each key drawn as a key cap followed by what it does.
struct KeyHint {
    const char* key;
    const char* action;
};

void KeyHints(cairo_t* cr, double w, double h, std::initializer_list<KeyHint> hints) {
    MessagePlate(cr, w, h);
    const TextStyle keyStyle{Face::Heavy, 12, 0, 1.0, 1, Align::Left};
    const TextStyle actionStyle{Face::HeavyItalic, 17, 0, 1.0, 1, Align::Left};
    const double capPad = 9, afterCap = 8, between = 26;
    // Measure first, then lay out centred.
    double total = 0;
    std::vector<double> keyW, actionW;
    for (const KeyHint& k : hints) {
        cairo_new_path(cr);
        keyW.push_back(TextPath(cr, k.key, keyStyle, 0, 0));
        cairo_new_path(cr);
        actionW.push_back(TextPath(cr, k.action, actionStyle, 0, 0));
        cairo_new_path(cr);
        total += keyW.back() + 2 * capPad + afterCap + actionW.back();
    }
    total += between * (hints.size() - 1);
    double x = (w - total) / 2;
    const double mid = h / 2 - 1;
    size_t i = 0;
    for (const KeyHint& k : hints) {
        const double capW = keyW[i] + 2 * capPad;
        // Key cap: a light rounded key with a darker base.
        Patterns pat;
        const double top = mid - 11, capH = 22;
        cairo_new_path(cr);
        cairo_new_sub_path(cr);
        const double r = 4;
        cairo_arc(cr, x + capW - r, top + r, r, -1.5708, 0);
        cairo_arc(cr, x + capW - r, top + capH - r, r, 0, 1.5708);
        cairo_arc(cr, x + r, top + capH - r, r, 1.5708, 3.14159);
        cairo_arc(cr, x + r, top + r, r, 3.14159, 4.71239);
        cairo_close_path(cr);
        cairo_set_source(cr, pat(VerticalGradient(top, top + capH,
                                                  {Hex(0xFFFFFF), Hex(0xD8D6DE), Hex(0x9A98A6)})));
        cairo_fill_preserve(cr);
        SetColour(cr, kInk);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        Lettering keyLook;
        keyLook.fillColour = Hex(0x1A1420);
        DrawText(cr, k.key, keyStyle, x + capPad, mid + 4.5, keyLook);
        x += capW + afterCap;
        Lettering actionLook;
        actionLook.fillColour = Hex(0xFFF4DA);
        actionLook.outline = Hex(0x000000);
        actionLook.outlineWidth = 1.5;
        DrawText(cr, k.action, actionStyle, x, mid + 6, actionLook);
        x += actionW[i] + between;
        ++i;
    }
}

void PlateLine(cairo_t* cr, double w, double h, const std::string& text) {
    MessagePlate(cr, w, h);
    TextStyle style{Face::HeavyItalic, 22, w - 40, 1.0, 2, Align::Centre};
    const double cap = CapHeight(cr, text, style);
    Lettering look;
    look.fillColour = Hex(0xFFF4DA);
    look.outline = Hex(0x000000);
    look.outlineWidth = 2;
    DrawText(cr, text, style, w / 2, (h + cap) / 2 - 1, look);
}

// ---- gauges --------------------------------------------------------------------------

// Player 1's gauge frame: the outer end at the left, the inner end (towards the centre
// medallion) at the right. Holes where the bars show.
void GaugeFrame(cairo_t* cr, double w, double) {
    using namespace screen;
    Patterns pat;
    auto body = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, 14, 6);
        cairo_line_to(cr, w, 6);
        cairo_line_to(cr, w, 60);
        cairo_line_to(cr, 46, 60);
        cairo_line_to(cr, 36, 38);
        cairo_line_to(cr, 2, 38);
        cairo_close_path(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 20, 48, 12.5, 0, 6.2832);
    };
    body();
    SetColour(cr, Hex(0x000000));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    body();
    cairo_set_source(
        cr,
        pat(VerticalGradient(
            6, 60, {Hex(0x59627A), Hex(0x2C3240), Hex(0x171A22), Hex(0x20242E), Hex(0x353C4C)})));
    cairo_fill(cr);
    body();
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    // Red lacquer stripe along the top and a seam between the two bands.
    cairo_rectangle(cr, 20, 9, w - 24, 3);
    SetColour(cr, Hex(0xC8281E));
    cairo_fill(cr);
    cairo_rectangle(cr, 20, 12, w - 24, 1);
    SetColour(cr, Hex(0x5A0E0A));
    cairo_fill(cr);
    cairo_rectangle(cr, 38, 37, w - 38, 1);
    SetColour(cr, Hex(0x0A0B0F));
    cairo_fill(cr);
    cairo_rectangle(cr, 39, 38, w - 39, 1);
    SetColour(cr, Hex(0x646E84));
    cairo_fill(cr);

    // Recessed wells around the holes: dark inside, lit lower lip.
    auto well = [&](double x, double y, double ww, double hh) {
        cairo_rectangle(cr, x - 3, y - 3, ww + 6, hh + 6);
        SetColour(cr, Hex(0x000000));
        cairo_fill(cr);
        cairo_rectangle(cr, x - 2, y - 2, ww + 4, hh + 4);
        SetColour(cr, Hex(0x07080B));
        cairo_fill(cr);
        cairo_rectangle(cr, x - 3, y + hh + 3, ww + 6, 1);
        SetColour(cr, Hex(0x8A93A6));
        cairo_fill(cr);
    };
    well(kHoleHealthX, kHoleHealthY, kHoleHealthW, kBarRows);
    well(kHoleStaminaX, kHoleStaminaY, kHoleStaminaW, kBarRows);

    // Chevrons on the inner end cap, pointing at the centre.
    for (int i = 0; i < 2; ++i) {
        const double x0 = w - 14 + i * 6;
        cairo_move_to(cr, x0, 20);
        cairo_line_to(cr, x0 + 5, 33);
        cairo_line_to(cr, x0, 46);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_stroke(cr);
    }

    // The stamina emblem at the outer end: a lightning bolt in a ring.
    cairo_arc(cr, 20, 48, 9, 0, 6.2832);
    SetColour(cr, Hex(0x0C0E14));
    cairo_fill_preserve(cr);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 22.5, 40);
    cairo_line_to(cr, 15.5, 49);
    cairo_line_to(cr, 20, 49);
    cairo_line_to(cr, 17.5, 56.5);
    cairo_line_to(cr, 25, 46.5);
    cairo_line_to(cr, 20.5, 46.5);
    cairo_close_path(cr);
    SetColour(cr, Hex(0x8EE0FF));
    cairo_fill(cr);

    // A small heart-red gem at the outer end of the health band.
    cairo_move_to(cr, 12, 16);
    cairo_line_to(cr, 15.5, 21.5);
    cairo_line_to(cr, 12, 27);
    cairo_line_to(cr, 8.5, 21.5);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFF4A3A));
    cairo_fill(cr);

    // The holes themselves.
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, kHoleHealthX, kHoleHealthY, kHoleHealthW, kBarRows);
    cairo_rectangle(cr, kHoleStaminaX, kHoleStaminaY, kHoleStaminaW, kBarRows);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// A bar strip: lit from above, the same all along so any width of it looks right.
void BarStrip(cairo_t* cr, double w, std::initializer_list<uint32_t> rows) {
    int y = 0;
    for (uint32_t c : rows) {
        cairo_rectangle(cr, 0, y++, w, 1);
        SetColour(cr, Hex(c));
        cairo_fill(cr);
    }
}

// ---- sheets --------------------------------------------------------------------------

constexpr int kParts1W = 900, kParts1H = 540;
constexpr int kParts3W = 360, kParts3H = 300;

// The centre piece goes mirrored to (446, 100), where all of it lies under player 2's
// frame: it shows only through that frame's holes, behind player 2's bars. It carries the
// stage's own pixels of those places, so player 2's empty gauge shows the same dusk sky
// as player 1's, whose holes show the stage directly.
void CentrePiece(std::vector<uint32_t>& sheet, const std::vector<uint32_t>& stage) {
    using namespace screen;
    auto inHole = [](int x, int y) {
        constexpr int kMargin = 2;  // under the frame's rim, in case of a rounding slip
        const bool health = x >= kHealthLeft2 - kMargin && x <= kHealthRight2 + kMargin &&
                            y >= kHealthY - kMargin && y < kHealthY + kBarRows + kMargin;
        const bool stamina = x >= kStaminaLeft2 - kMargin && x <= kStaminaRight2 + kMargin &&
                             y >= kStaminaY - kMargin && y < kStaminaY + kBarRows + kMargin;
        return health || stamina;
    };
    for (int r = 0; r < kCentreH - 1; ++r)
        for (int c = 0; c < kCentreW - 1; ++c) {
            const int x = kCentreX + (kCentreW - 2 - c), y = kFrameY + r;
            if (inHole(x, y))
                sheet[static_cast<size_t>(446 + r) * kParts1W + 360 + c] =
                    stage[static_cast<size_t>(y) * 800 + x];
        }
}

Box NameBox(int n, bool lit) {
    if (n <= 6) return {lit ? 180 : 0, 60 * (n - 1), 180, 60};
    if (n <= 12) return {lit ? 720 : 540, 60 * (n - 7), 180, 60};
    return {lit ? 180 : 0, 120 + 60 * (n - 13), 180, 60};
}

std::vector<uint32_t> PaintParts1(const std::vector<uint32_t>& stage) {
    Canvas canvas(kParts1W, kParts1H);
    cairo_t* cr = canvas.cr();
    for (int n = 1; n <= 12; ++n)
        for (bool lit : {false, true})
            InBox(cr, NameBox(n, lit), [&](cairo_t* c, double w, double h) {
                NamePlate(c, w, h, FighterTitleFor(n), lit);
            });

    InBox(cr, {360, 0, 180, 60}, [](cairo_t* c, double w, double) {
        TwoLineBanner(c, w, "COUNTER", "HIT!", FireFill, Hex(0x2A0400));
    });
    InBox(cr, {360, 60, 180, 60}, [](cairo_t* c, double w, double h) {
        CallText(c, w, h, "CHAMPION", 34, GoldFill, Hex(0x3A1000));
    });
    InBox(cr, {360, 120, 120, 60}, ResultWord);
    InBox(cr, {360, 180, 180, 60}, [](cairo_t* c, double w, double) {
        TwoLineBanner(c, w, "STAMINA", "BREAK!", IceFill, Hex(0x000A30));
    });
    InBox(cr, {360, 240, 180, 60}, [](cairo_t* c, double w, double h) {
        CallText(c, w, h, "READY", 44, GoldFill, Hex(0x3A1000), 3);
    });
    InBox(cr, {360, 300, 180, 60}, [](cairo_t* c, double w, double h) {
        CallText(c, w, h, "FIGHT!", 46, FireFill, Hex(0x2A0400), 2);
    });

    InBox(cr, {0, 360, 360, 60},
          [](cairo_t* c, double w, double h) { PlateTitle(c, w, h, "PAUSE"); });
    InBox(cr, {0, 420, 360, 60}, [](cairo_t* c, double w, double h) {
        KeyHints(c, w, h, {{"SPACE", "RESUME"}, {"ESC", "QUIT GAME"}});
    });
    InBox(cr, {0, 480, 360, 60},
          [](cairo_t* c, double w, double h) { PlateLine(c, w, h, "TOURNAMENT CLEARED!"); });

    InBox(cr, {360, 360, screen::kFrameW, screen::kFrameH}, GaugeFrame);
    InBox(
        cr, {360, 426, screen::kHealthW, 10},
        [](cairo_t* c, double w, double) {
            BarStrip(c, w,
                     {0xFFF8D0, 0xFFE860, 0xFFD030, 0xFFB420, 0xFF9A18, 0xF47C12, 0xE0600E,
                      0xB8440A, 0x7A2A06, 0x5A1E04});
        },
        true);
    InBox(
        cr, {360, 436, screen::kStaminaW, 10},
        [](cairo_t* c, double w, double) {
            BarStrip(c, w,
                     {0xE8FAFF, 0x9EE4FF, 0x6CCBFF, 0x48AEFF, 0x3492F4, 0x2A76E0, 0x225CC0,
                      0x1A4290, 0x10286A, 0x0C1E50});
        },
        true);

    std::vector<uint32_t> pixels = canvas.KeyedPixels();
    CentrePiece(pixels, stage);
    return pixels;
}

std::vector<uint32_t> PaintParts3() {
    Canvas canvas(kParts3W, kParts3H);
    cairo_t* cr = canvas.cr();
    InBox(cr, {0, 0, 360, 60},
          [](cairo_t* c, double w, double h) { PlateTitle(c, w, h, "CONTINUE?"); });
    InBox(cr, {0, 60, 360, 60}, [](cairo_t* c, double w, double h) {
        KeyHints(c, w, h, {{"SPACE", "CONTINUE"}, {"ESC", "GIVE UP"}});
    });
    for (int n = 13; n <= 15; ++n)
        for (bool lit : {false, true})
            InBox(cr, NameBox(n, lit), [&](cairo_t* c, double w, double h) {
                NamePlate(c, w, h, FighterTitleFor(n), lit);
            });
    return canvas.KeyedPixels();
}

}  // namespace

bool GenerateScreenSheets(const Output& out) {
    const std::string dir = out.gameDir + "/Graphic/";
    const std::vector<uint32_t> stage = PaintBackground();
    const std::vector<uint32_t> parts1 = PaintParts1(stage);
    bool ok = WriteBmp24(dir + "parts01.bmp", kParts1W, kParts1H, parts1);
    ok = WriteBmp24(dir + "parts02.bmp", 800, 600, stage) && ok;
    ok = WriteBmp24(dir + "parts03.bmp", kParts3W, kParts3H, PaintParts3()) && ok;
    ok = WriteBmp24(dir + "title.bmp", 500, 200, PaintTitle()) && ok;
    // The icons go with the installed game, not into its folder.
    for (int size : {48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        ok = WriteIcon(size, out.generatedDir + "/icons/hicolor/" + name + "/apps/tovuka02.png") &&
             ok;
    }
    return ok;
}

}  // namespace assetgen
