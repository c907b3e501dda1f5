// Reading a bitmap file: the header first, then SDL's decoder.
#include "gfx/bitmap_file.h"

#include <cstdint>
#include <cstdio>

namespace gfx {

namespace {

// The game's sheets are at most 1024 x 768; anything far larger is a damaged or hostile
// file whose header would make the decoder allocate gigabytes.
constexpr int64_t kMaxSheetSide = 8192;

// Reads the bitmap's header and says whether its size is one we are willing to decode.
bool PlausibleBitmap(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    uint8_t h[26] = {};
    const size_t n = std::fread(h, 1, sizeof h, f);
    std::fclose(f);
    if (n < sizeof h || h[0] != 'B' || h[1] != 'M') return false;
    auto u16 = [&](int at) { return static_cast<int64_t>(h[at] | h[at + 1] << 8); };
    auto i32 = [&](int at) {
        return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(u16(at)) |
                                                         static_cast<uint32_t>(u16(at + 2)) << 16));
    };
    const int64_t headerSize = i32(14);
    int64_t w = 0, hgt = 0;
    if (headerSize == 12) {  // the old core header: 16-bit sizes
        w = u16(18);
        hgt = u16(20);
    } else if (headerSize >= 40 && headerSize <= 124) {
        w = i32(18);
        hgt = i32(22);
    } else {
        return false;
    }
    if (hgt < 0) hgt = -hgt;  // top-down bitmaps have a negative height
    return w > 0 && hgt > 0 && w <= kMaxSheetSide && hgt <= kMaxSheetSide;
}

}  // namespace

SurfacePtr ReadBitmap(const std::string& path) {
    if (!PlausibleBitmap(path)) return nullptr;
    return SurfacePtr(SDL_LoadBMP(path.c_str()));
}

}  // namespace gfx
