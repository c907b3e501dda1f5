// Canvas pixels with hard edges, and the lettering used on every screen picture.
#include "assetgen/screen_canvas.h"

#include <algorithm>
#include <cmath>

#include "assetgen/bmp.h"

namespace assetgen {

void SetColour(cairo_t* cr, Rgb c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

cairo_pattern_t* VerticalGradient(double y0, double y1, std::initializer_list<Rgb> stops) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    const double n = stops.size() > 1 ? static_cast<double>(stops.size() - 1) : 1.0;
    int i = 0;
    for (const Rgb& c : stops)
        cairo_pattern_add_color_stop_rgb(p, i++ / n, c.r, c.g, c.b);
    return p;
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, fo);
    cairo_font_options_destroy(fo);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

bool NearKeyGreen(uint32_t argb) {
    const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    return g >= 128 && g - r >= 48 && g - b >= 48;
}

namespace {

// Moves a greenish colour towards grey until it is plainly not the key.
uint32_t AwayFromKey(uint32_t argb) {
    if (!NearKeyGreen(argb)) return argb;
    const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    const int floor = g - 40;
    return 0xFF000000u | (static_cast<uint32_t>(std::max(r, floor)) << 16) |
           (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(std::max(b, floor));
}

}  // namespace

std::vector<uint32_t> Canvas::KeyedPixels() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<uint32_t> out(static_cast<size_t>(width_) * height_, kKeyGreen);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            if (a < 128) continue;
            auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
            const uint32_t colour = 0xFF000000u | (un((p >> 16) & 0xFF) << 16) |
                                    (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
            out[static_cast<size_t>(y) * width_ + x] = AwayFromKey(colour);
        }
    }
    return out;
}

std::vector<uint32_t> Canvas::OpaquePixels() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<uint32_t> out(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x)  // premultiplied over black is the colour as stored
            out[static_cast<size_t>(y) * width_ + x] = AwayFromKey(0xFF000000u | row[x]);
    }
    return out;
}

namespace {

void SelectFace(cairo_t* cr, Face face) {
    switch (face) {
        case Face::Heavy:
            cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                                   CAIRO_FONT_WEIGHT_BOLD);
            break;
        case Face::HeavyItalic:
            cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_ITALIC,
                                   CAIRO_FONT_WEIGHT_BOLD);
            break;
        case Face::Narrow:
            cairo_select_font_face(cr, "Liberation Sans Narrow", CAIRO_FONT_SLANT_NORMAL,
                                   CAIRO_FONT_WEIGHT_BOLD);
            break;
        case Face::Kanji:
            cairo_select_font_face(cr, "IPAGothic", CAIRO_FONT_SLANT_NORMAL,
                                   CAIRO_FONT_WEIGHT_NORMAL);
            break;
    }
}

void SetSize(cairo_t* cr, double size, double stretchX) {
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, size * stretchX, size);
    cairo_set_font_matrix(cr, &m);
}

// Lays the text out at (x, y) with tracking; returns its advance width.
double Layout(cairo_t* cr, const std::string& text, double tracking, double x, double y,
              cairo_glyph_t** glyphs, int* count) {
    *glyphs = nullptr;
    *count = 0;
    cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
    cairo_scaled_font_text_to_glyphs(font, x, y, text.c_str(), static_cast<int>(text.size()),
                                     glyphs, count, nullptr, nullptr, nullptr);
    for (int i = 0; i < *count; ++i)
        (*glyphs)[i].x += tracking * i;
    cairo_text_extents_t ext;
    cairo_scaled_font_glyph_extents(font, *glyphs, *count, &ext);
    return ext.x_advance;
}

double Width(cairo_t* cr, const std::string& text, const TextStyle& style, double size) {
    SelectFace(cr, style.face);
    SetSize(cr, size, style.stretchX);
    cairo_glyph_t* glyphs;
    int count;
    const double w = Layout(cr, text, style.tracking, 0, 0, &glyphs, &count);
    cairo_glyph_free(glyphs);
    return w;
}

}  // namespace

double FittedSize(cairo_t* cr, const std::string& text, const TextStyle& style) {
    double size = style.size;
    if (style.maxWidth <= 0) return size;
    while (size > 6 && Width(cr, text, style, size) > style.maxWidth)
        size -= 0.5;
    return size;
}

double CapHeight(cairo_t* cr, const std::string& text, const TextStyle& style) {
    SelectFace(cr, style.face);
    SetSize(cr, FittedSize(cr, text, style), style.stretchX);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, "H", &ext);
    return -ext.y_bearing;
}

double TextPath(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double y) {
    const double size = FittedSize(cr, text, style);
    SelectFace(cr, style.face);
    SetSize(cr, size, style.stretchX);
    cairo_glyph_t* glyphs;
    int count;
    const double w = Layout(cr, text, style.tracking, 0, 0, &glyphs, &count);
    const double left = style.align == Align::Left     ? x
                        : style.align == Align::Centre ? x - w / 2
                                                       : x - w;
    for (int i = 0; i < count; ++i) {
        glyphs[i].x += left;
        glyphs[i].y += y;
    }
    cairo_glyph_path(cr, glyphs, count);
    cairo_glyph_free(glyphs);
    return w;
}

void DrawText(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double y,
              const Lettering& look) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    if (look.shadowDx != 0 || look.shadowDy != 0) {
        TextPath(cr, text, style, x + look.shadowDx, y + look.shadowDy);
        SetColour(cr, look.shadow);
        const double w = 2 * (look.outlineWidth + look.rimWidth);
        if (w > 0) {
            cairo_set_line_width(cr, w);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    TextPath(cr, text, style, x, y);
    if (look.rimWidth > 0) {
        SetColour(cr, look.rim);
        cairo_set_line_width(cr, 2 * (look.outlineWidth + look.rimWidth));
        cairo_stroke_preserve(cr);
    }
    if (look.outlineWidth > 0) {
        SetColour(cr, look.outline);
        cairo_set_line_width(cr, 2 * look.outlineWidth);
        cairo_stroke_preserve(cr);
    }
    if (look.fill)
        cairo_set_source(cr, look.fill);
    else
        SetColour(cr, look.fillColour);
    cairo_fill(cr);
    cairo_restore(cr);
}

void ChamferPath(cairo_t* cr, double x, double y, double w, double h, double cut) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x + cut, y);
    cairo_line_to(cr, x + w - cut, y);
    cairo_line_to(cr, x + w, y + cut);
    cairo_line_to(cr, x + w, y + h - cut);
    cairo_line_to(cr, x + w - cut, y + h);
    cairo_line_to(cr, x + cut, y + h);
    cairo_line_to(cr, x, y + h - cut);
    cairo_line_to(cr, x, y + cut);
    cairo_close_path(cr);
}

}  // namespace assetgen
