// Drawing surface and lettering for the screen pictures: a Cairo image that is turned into
// bitmap pixels with hard edges, so the transparent key colour never mixes into a picture.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace assetgen {

struct Rgb {
    double r, g, b;
};

// 0xRRGGBB to a Cairo colour.
constexpr Rgb Hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

void SetColour(cairo_t* cr, Rgb c);

// A vertical gradient through the given stops, spread evenly from y0 to y1.
cairo_pattern_t* VerticalGradient(double y0, double y1, std::initializer_list<Rgb> stops);

class Canvas {
  public:
    Canvas(int width, int height);  // fully transparent
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Pixels for a keyed sheet: every pixel at least half covered becomes its own colour at
    // full strength, every other pixel pure key green. Colours too close to the key are
    // pushed away from it, so the key stays the only green.
    std::vector<uint32_t> KeyedPixels() const;
    // Pixels for an opaque picture: the drawing over black, no key green anywhere.
    std::vector<uint32_t> OpaquePixels() const;

  private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// True for a colour a player would see as the key green (or that a loader could mistake for it).
bool NearKeyGreen(uint32_t argb);

enum class Face {
    Heavy,        // bold sans, upright
    HeavyItalic,  // bold sans, slanted: calls and banners
    Narrow,       // bold condensed: fighter names
    Kanji,        // Japanese gothic
};

enum class Align { Left, Centre, Right };

struct TextStyle {
    Face face = Face::Heavy;
    double size = 20;       // font size in pixels
    double maxWidth = 0;    // shrink the size until the text fits (0: no limit)
    double stretchX = 1.0;  // horizontal scale of the letters
    double tracking = 0;    // extra pixels between letters
    Align align = Align::Centre;
};

// Adds the text's outline to the current path; x is the left edge, centre or right edge by
// style.align and y the baseline. Returns the width actually laid out.
double TextPath(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double y);

// Size after fitting to style.maxWidth.
double FittedSize(cairo_t* cr, const std::string& text, const TextStyle& style);

// Height of a capital letter at the fitted size, for placing text by its cap line.
double CapHeight(cairo_t* cr, const std::string& text, const TextStyle& style);

struct Lettering {
    cairo_pattern_t* fill = nullptr;  // not owned; falls back to fillColour
    Rgb fillColour{1, 1, 1};
    Rgb outline{0, 0, 0};
    double outlineWidth = 0;  // pixels around each letter
    Rgb shadow{0, 0, 0};
    double shadowDx = 0, shadowDy = 0;  // a solid drop shadow when not 0
    Rgb rim{0, 0, 0};
    double rimWidth = 0;  // a second, outer outline
};

// Draws text with drop shadow, outer rim, outline and fill, in that order.
void DrawText(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double y,
              const Lettering& look);

// A plate with its corners cut off at 45 degrees.
void ChamferPath(cairo_t* cr, double x, double y, double w, double h, double cut);

}  // namespace assetgen
