// The block copy and the drawing operations built on it.
#include "gfx/draw.h"

#include <cstring>

#include "gfx/player_colours.h"

namespace gfx {

namespace {

// The four row copies. Keyed rows store every pixel (the old one where the key is), which
// keeps the loops free of branches so the compiler can vectorise them.
inline void CopyRow(uint32_t* __restrict dst, const uint32_t* __restrict src, int n) {
    std::memcpy(dst, src, static_cast<size_t>(n) * sizeof(uint32_t));
}

inline void CopyRowKeyed(uint32_t* __restrict dst, const uint32_t* __restrict src, int n,
                         uint32_t key) {
    for (int i = 0; i < n; ++i) {
        const uint32_t p = src[i];
        dst[i] = p == key ? dst[i] : p;
    }
}

// `last` points at the rightmost source pixel of the row.
inline void CopyRowMirrored(uint32_t* __restrict dst, const uint32_t* __restrict last, int n) {
    for (int i = 0; i < n; ++i)
        dst[i] = last[-i];
}

inline void CopyRowMirroredKeyed(uint32_t* __restrict dst, const uint32_t* __restrict last, int n,
                                 uint32_t key) {
    for (int i = 0; i < n; ++i) {
        const uint32_t p = last[-i];
        dst[i] = p == key ? dst[i] : p;
    }
}

}  // namespace

void BlitSheet(Display& display, const SpriteSheet& sheet, const Rect& src, const Rect& dst,
               bool mirrored) {
    uint32_t* frame = display.frame.get();
    if (frame == nullptr || sheet.image == nullptr) return;
    const SheetImage& image = *sheet.image;

    const int width = src.right - src.left;
    const int height = src.bottom - src.top;
    if (width <= 0 || height <= 0) return;
    if (dst.right - dst.left != width || dst.bottom - dst.top != height) return;
    if (src.left < 0 || src.top < 0 || src.right > image.width || src.bottom > image.height) return;

    // Clip the destination to the frame; the source loses the same columns and rows. A
    // mirrored copy shows its source's right end at the destination's left edge.
    int dl = dst.left, dt = dst.top, dr = dst.right, db = dst.bottom;
    int sl = src.left, st = src.top, sr = src.right;
    if (dt < 0) {
        st -= dt;
        dt = 0;
    }
    if (db > kScreenHeight) db = kScreenHeight;
    if (dl < 0) {
        if (mirrored)
            sr += dl;
        else
            sl -= dl;
        dl = 0;
    }
    if (dr > kScreenWidth) {
        if (mirrored)
            sl += dr - kScreenWidth;
        else
            sr -= dr - kScreenWidth;
        dr = kScreenWidth;
    }
    const int n = dr - dl;
    const int rows = db - dt;
    if (n <= 0 || rows <= 0) return;

    const uint32_t* s = image.pixels.data() + static_cast<size_t>(st) * image.width;
    uint32_t* d = frame + static_cast<size_t>(dt) * kScreenWidth + dl;
    const uint32_t key = sheet.colorKey;
    if (!mirrored) {
        s += sl;
        if (sheet.keyed)
            for (int y = 0; y < rows; ++y, s += image.width, d += kScreenWidth)
                CopyRowKeyed(d, s, n, key);
        else
            for (int y = 0; y < rows; ++y, s += image.width, d += kScreenWidth)
                CopyRow(d, s, n);
    } else {
        s += sr - 1;
        if (sheet.keyed)
            for (int y = 0; y < rows; ++y, s += image.width, d += kScreenWidth)
                CopyRowMirroredKeyed(d, s, n, key);
        else
            for (int y = 0; y < rows; ++y, s += image.width, d += kScreenWidth)
                CopyRowMirrored(d, s, n);
    }
}

int DrawPart(Display& display, int srcX, int srcY, int dstX, int dstY, int width, int height,
             int partsSheet, bool mirrored) {
    if (partsSheet < 0 || partsSheet > 2) return 1;
    const Rect dst{dstX, dstY, dstX + width - 1, dstY + height - 1};
    const Rect src{srcX, srcY, srcX + width - 1, srcY + height - 1};
    BlitSheet(display, display.common[partsSheet], src, dst, mirrored);
    return 1;
}

const SpriteSheet* FighterSheet(const Display& display, int player, int sheetNumber) {
    if (player != 1 && player != 2) return nullptr;
    const SpriteSheet* own = display.player[player - 1];
    if (sheetNumber == 0) return &SharedSheet(display, player, 0);
    if (sheetNumber >= 1 && sheetNumber <= 7) return &own[sheetNumber - 1];
    if (sheetNumber == 8) return &SharedSheet(display, player, 1);
    if (sheetNumber == 9 || sheetNumber == 10) return &own[sheetNumber - 2];
    return nullptr;
}

int DrawFighterPicture(Display& display, int player, int sheetNumber, const Rect& src,
                       const Rect& dst) {
    if (const SpriteSheet* sheet = FighterSheet(display, player, sheetNumber))
        BlitSheet(display, *sheet, src, dst, player == 2);
    return 1;
}

bool ShowsPicture(const engine::MotionFrame& frame) {
    return frame.image >= 0 && frame.image % 100 <= 11 && frame.image / 100 <= 10;
}

namespace {

void DrawFighter(Display& display, int player, const engine::Fighter& fighter,
                 const engine::MotionFrame& frame, const Rect (&cells)[12]) {
    const int cell = frame.image % 100;
    if (!ShowsPicture(frame)) return;
    const int x = fighter.x;
    const int y = fighter.y + frame.dy;
    DrawFighterPicture(display, player, frame.image / 100, cells[cell],
                       Rect{x - 127, y - 127, x + 128, y + 128});
}

}  // namespace

void DrawFighters(Display& display, const engine::Fighter& player1, const engine::Fighter& player2,
                  const Rect (&cells)[12]) {
    const engine::MotionFrame* f1 =
        engine::IsValidCode(player1.code) ? &engine::FrameOf(player1, player1.code) : nullptr;
    const engine::MotionFrame* f2 =
        engine::IsValidCode(player2.code) ? &engine::FrameOf(player2, player2.code) : nullptr;
    // The one drawn last is in front.
    if (f1 != nullptr && f2 != nullptr && f1->layer > f2->layer) {
        DrawFighter(display, 1, player1, *f1, cells);
        DrawFighter(display, 2, player2, *f2, cells);
    } else {
        if (f2 != nullptr) DrawFighter(display, 2, player2, *f2, cells);
        if (f1 != nullptr) DrawFighter(display, 1, player1, *f1, cells);
    }
}

int DrawDownEffect(Display& display, int player, int n) {
    if (player != 1 && player != 2) return 1;
    const Rect src{0, 300 * (n - 1), 799, 300 * n - 1};
    const Rect dst{0, 160, 799, 459};
    BlitSheet(display, display.player[player - 1][9], src, dst, false);
    return 1;
}

}  // namespace gfx
