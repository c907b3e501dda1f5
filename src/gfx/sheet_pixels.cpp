// A decoded bitmap's pixels turned into a sheet's.
#include "gfx/sheet_pixels.h"

#include <cstddef>
#include <cstdint>

namespace gfx {

namespace {

void ConvertIndexed(const SDL_Surface* s, uint32_t* out) {
    uint32_t lut[256];
    for (uint32_t& c : lut)
        c = Argb(0, 0, 0);
    if (const SDL_Palette* pal = s->format->palette) {
        const int n = pal->ncolors < 256 ? pal->ncolors : 256;
        for (int i = 0; i < n; ++i)
            lut[i] = Argb(pal->colors[i].r, pal->colors[i].g, pal->colors[i].b);
    }
    for (int y = 0; y < s->h; ++y) {
        const uint8_t* row =
            static_cast<const uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
        uint32_t* dst = out + static_cast<size_t>(y) * s->w;
        for (int x = 0; x < s->w; ++x)
            dst[x] = lut[row[x]];
    }
}

// Three bytes a pixel; the byte offsets of red, green and blue.
void ConvertPacked24(const SDL_Surface* s, uint32_t* out, int r, int g, int b) {
    for (int y = 0; y < s->h; ++y) {
        const uint8_t* row =
            static_cast<const uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
        uint32_t* dst = out + static_cast<size_t>(y) * s->w;
        for (int x = 0; x < s->w; ++x, row += 3)
            dst[x] = Argb(row[r], row[g], row[b]);
    }
}

// Four bytes a pixel in the frame's own layout; the alpha byte is not looked at.
void ConvertWords(const SDL_Surface* s, uint32_t* out) {
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                                            static_cast<ptrdiff_t>(y) * s->pitch);
        uint32_t* dst = out + static_cast<size_t>(y) * s->w;
        for (int x = 0; x < s->w; ++x)
            dst[x] = row[x] | 0xFF000000u;
    }
}

bool Convert(SDL_Surface* s, SheetImage& image) {
    image.width = s->w;
    image.height = s->h;
    image.pixels.resize(static_cast<size_t>(s->w) * static_cast<size_t>(s->h));
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return false;
    bool done = true;
    switch (s->format->format) {
        case SDL_PIXELFORMAT_INDEX8: ConvertIndexed(s, image.pixels.data()); break;
        case SDL_PIXELFORMAT_BGR24: ConvertPacked24(s, image.pixels.data(), 2, 1, 0); break;
        case SDL_PIXELFORMAT_RGB24: ConvertPacked24(s, image.pixels.data(), 0, 1, 2); break;
        case SDL_PIXELFORMAT_ARGB8888:
        case SDL_PIXELFORMAT_RGB888: ConvertWords(s, image.pixels.data()); break;
        default: done = false; break;
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    if (done) return true;
    // Any other layout SDL reads (16-bit, other masks) goes through SDL's own converter.
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    if (converted == nullptr) return false;
    if (SDL_MUSTLOCK(converted)) SDL_LockSurface(converted);
    ConvertWords(converted, image.pixels.data());
    if (SDL_MUSTLOCK(converted)) SDL_UnlockSurface(converted);
    SDL_FreeSurface(converted);
    return true;
}

}  // namespace

bool SheetFromSurface(SDL_Surface* surface, SheetImage& image) {
    return surface->w > 0 && surface->h > 0 && Convert(surface, image);
}

}  // namespace gfx
