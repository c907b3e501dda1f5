// A decoded bitmap's pixels turned into a sheet's.
#include "gfx/sheet_pixels.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

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

// One colour channel of a masked layout and the table that widens its levels to 8 bits by
// repeating the level's bits from the top: of 5 bits, abcde becomes abcdeabc; of 6 bits,
// abcdef becomes abcdefab. The top level becomes 255 and 0 stays 0, so pure green in a
// 16-bit file is exactly the key colour. Channels of more than 8 bits keep their top 8.
struct Channel {
    int shift = 0;
    uint32_t levels = 0;  // the channel's top level: 2^bits - 1
    int drop = 0;         // low bits beyond 8
    uint8_t widened[256] = {};

    explicit Channel(uint32_t mask) {
        if (mask == 0) return;  // no such channel: always 0
        while (((mask >> shift) & 1u) == 0)
            ++shift;
        int bits = 0;
        while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u) != 0)
            ++bits;
        levels = static_cast<uint32_t>((uint64_t{1} << bits) - 1);
        drop = bits > 8 ? bits - 8 : 0;
        const int kept = bits - drop;
        for (uint32_t level = 0; level <= (levels >> drop); ++level) {
            uint32_t value = 0;
            int filled = 0;
            while (filled < 8) {
                value = value << kept | level;
                filled += kept;
            }
            widened[level] = static_cast<uint8_t>(value >> (filled - 8));
        }
    }
    uint32_t Of(uint32_t pixel) const { return widened[((pixel >> shift) & levels) >> drop]; }
};

// Two or four bytes a pixel in any arrangement of red, green and blue masks (alpha is not
// looked at).
template <typename Word>
void ConvertMasked(const SDL_Surface* s, uint32_t* out) {
    const Channel red(s->format->Rmask), green(s->format->Gmask), blue(s->format->Bmask);
    for (int y = 0; y < s->h; ++y) {
        const uint8_t* row =
            static_cast<const uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
        uint32_t* dst = out + static_cast<size_t>(y) * s->w;
        for (int x = 0; x < s->w; ++x) {
            Word word;
            std::memcpy(&word, row + sizeof(Word) * static_cast<size_t>(x), sizeof word);
            const uint32_t p = word;
            dst[x] = Argb(static_cast<int>(red.Of(p)), static_cast<int>(green.Of(p)),
                          static_cast<int>(blue.Of(p)));
        }
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
        default: {
            // Every other layout SDL's bitmap reader makes: 16-bit (5-6-5, 5-5-5) and 32-bit
            // with masks of the file's own.
            const bool masked = !SDL_ISPIXELFORMAT_INDEXED(s->format->format);
            if (masked && s->format->BytesPerPixel == 2)
                ConvertMasked<uint16_t>(s, image.pixels.data());
            else if (masked && s->format->BytesPerPixel == 4)
                ConvertMasked<uint32_t>(s, image.pixels.data());
            else
                done = false;
            break;
        }
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return done;
}

}  // namespace

bool SheetFromSurface(SDL_Surface* surface, SheetImage& image) {
    return surface->w > 0 && surface->h > 0 && Convert(surface, image);
}

}  // namespace gfx
