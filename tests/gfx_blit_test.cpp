// The block copy and the drawing operations on it: key, mirroring, clipping, refused
// copies, the sheet number of a picture, the fighters' placement and layers.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/fighter.h"
#include "gfx/draw.h"
#include "gfx_test_sheets.h"

using gfx::Rect;
using gfx_test::Code;
using gfx_test::CodedImage;
using gfx_test::Keyed;
using gfx_test::kGreen;
using gfx_test::Origin;
using gfx_test::OriginOf;

namespace {

constexpr uint32_t kUntouched = gfx::Argb(1, 2, 3);
constexpr int W = gfx::kScreenWidth;
constexpr int H = gfx::kScreenHeight;

class Blit : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(gfx::CreateDisplay(display, nullptr), 1);
        Clear();
    }
    void Clear() { std::fill_n(display.frame.get(), W * H, kUntouched); }
    uint32_t At(int x, int y) const { return display.frame[y * W + x]; }

    // What the frame must hold after copying src to dst, pixel by pixel: the pixel
    // (dst.left + i, dst.top + j) shows source column src.left + i, or src.right - 1 - i
    // when mirrored, and row src.top + j; pixels off the frame are simply not there.
    std::vector<uint32_t> Expected(const gfx::SheetImage& image, Rect src, Rect dst, bool mirrored,
                                   bool keyed) const {
        std::vector<uint32_t> out(W * H, kUntouched);
        for (int j = 0; j < dst.bottom - dst.top; ++j)
            for (int i = 0; i < dst.right - dst.left; ++i) {
                const int x = dst.left + i, y = dst.top + j;
                if (x < 0 || y < 0 || x >= W || y >= H) continue;
                const int sx = mirrored ? src.right - 1 - i : src.left + i;
                const uint32_t p = image.pixels[(src.top + j) * image.width + sx];
                if (keyed && p == kGreen) continue;
                out[y * W + x] = p;
            }
        return out;
    }
    ::testing::AssertionResult FrameIs(const std::vector<uint32_t>& expected) const {
        for (int i = 0; i < W * H; ++i)
            if (display.frame[i] != expected[i])
                return ::testing::AssertionFailure()
                       << "pixel (" << i % W << ", " << i / W << ") is " << std::hex
                       << display.frame[i] << ", expected " << expected[i];
        return ::testing::AssertionSuccess();
    }
    bool Untouched() const {
        for (int i = 0; i < W * H; ++i)
            if (display.frame[i] != kUntouched) return false;
        return true;
    }

    gfx::Display display;
};

// A 300 x 200 sheet with a green stripe (columns 10..19) and a green block.
std::shared_ptr<gfx::SheetImage> StripedImage() {
    auto image = CodedImage(3, 300, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if ((x >= 10 && x < 20) || (x >= 100 && x < 140 && y >= 50 && y < 60))
                image->pixels[y * 300 + x] = kGreen;
    return image;
}

}  // namespace

TEST_F(Blit, CopiesTheRectangleOneToOne) {
    const auto image = CodedImage(1, 300, 200);
    const Rect src{20, 30, 120, 80}, dst{400, 500, 500, 550};
    gfx::BlitSheet(display, Keyed(image), src, dst, false);
    EXPECT_TRUE(FrameIs(Expected(*image, src, dst, false, true)));
    EXPECT_EQ(OriginOf(At(400, 500)), (Origin{1, 20, 30}));
    EXPECT_EQ(OriginOf(At(499, 549)), (Origin{1, 119, 79}));
    EXPECT_EQ(At(500, 549), kUntouched);
    EXPECT_EQ(At(499, 550), kUntouched);
}

TEST_F(Blit, KeyedSheetLeavesGreenOutUnkeyedShowsIt) {
    const auto image = StripedImage();
    const Rect src{0, 0, 300, 200}, dst{50, 60, 350, 260};
    gfx::BlitSheet(display, Keyed(image), src, dst, false);
    EXPECT_TRUE(FrameIs(Expected(*image, src, dst, false, true)));
    EXPECT_EQ(At(50 + 15, 100), kUntouched);
    EXPECT_EQ(At(50 + 120, 60 + 55), kUntouched);

    Clear();
    gfx::SpriteSheet plain;
    plain.image = image;
    gfx::BlitSheet(display, plain, src, dst, false);
    EXPECT_TRUE(FrameIs(Expected(*image, src, dst, false, false)));
    EXPECT_EQ(At(50 + 15, 100), kGreen);
}

TEST_F(Blit, MirroredRowsReadRightToLeftInTheSameRectangle) {
    const auto image = StripedImage();
    const Rect src{5, 40, 155, 70}, dst{200, 100, 350, 130};
    for (bool keyed : {true, false}) {
        Clear();
        gfx::SpriteSheet sheet = Keyed(image);
        sheet.keyed = keyed;
        gfx::BlitSheet(display, sheet, src, dst, true);
        EXPECT_TRUE(FrameIs(Expected(*image, src, dst, true, keyed))) << "keyed " << keyed;
        EXPECT_EQ(OriginOf(At(200, 100)), (Origin{3, 154, 40}));
        EXPECT_EQ(OriginOf(At(349, 129)), (Origin{3, 5, 69}));
    }
}

// Destination rectangles reaching past each edge and corner of the frame, plain and
// mirrored, keyed and not: the visible part is drawn, the source cut to match.
TEST_F(Blit, ClipsAtEveryEdge) {
    const auto image = StripedImage();
    const Rect src{0, 0, 300, 200};
    const Rect cases[] = {
        {-77, 100, 223, 300},   // left
        {600, 100, 900, 300},   // right
        {300, -150, 600, 50},   // top
        {300, 550, 600, 750},   // bottom
        {-290, -190, 10, 10},   // top-left corner, a 10 x 10 piece left
        {790, 590, 1090, 790},  // bottom-right corner
        {-100, 450, 200, 650},  // left and bottom
    };
    for (const Rect& dst : cases)
        for (bool mirrored : {false, true})
            for (bool keyed : {false, true}) {
                Clear();
                gfx::SpriteSheet sheet = Keyed(image);
                sheet.keyed = keyed;
                gfx::BlitSheet(display, sheet, src, dst, mirrored);
                EXPECT_TRUE(FrameIs(Expected(*image, src, dst, mirrored, keyed)))
                    << "dst " << dst.left << "," << dst.top << " mirrored " << mirrored << " keyed "
                    << keyed;
            }
}

TEST_F(Blit, ClippedMirroredCopyKeepsTheVisibleColumnsWhereTheyWere) {
    // Mirrored, the destination's left edge shows the source's right end: cutting the left
    // 77 columns off removes the source's last 77 columns.
    const auto image = CodedImage(2, 255, 255);
    gfx::BlitSheet(display, Keyed(image), {0, 0, 255, 255}, {-77, 0, 178, 255}, true);
    EXPECT_EQ(OriginOf(At(0, 0)), (Origin{2, 254 - 77, 0}));
    EXPECT_EQ(OriginOf(At(177, 0)), (Origin{2, 0, 0}));
    EXPECT_EQ(At(178, 0), kUntouched);
}

TEST_F(Blit, RefusedAndEmptyCopiesDrawNothing) {
    const auto image = CodedImage(1, 300, 200);
    const gfx::SpriteSheet sheet = Keyed(image);
    struct Case {
        const char* what;
        Rect src, dst;
    };
    const Case cases[] = {
        {"empty width", {10, 10, 10, 50}, {0, 0, 0, 40}},
        {"empty height", {10, 10, 50, 10}, {0, 0, 40, 0}},
        {"inverted", {50, 50, 10, 10}, {40, 40, 0, 0}},
        {"source left of sheet", {-1, 0, 99, 100}, {0, 0, 100, 100}},
        {"source above sheet", {0, -1, 100, 99}, {0, 0, 100, 100}},
        {"source right of sheet", {201, 0, 301, 100}, {0, 0, 100, 100}},
        {"source below sheet", {0, 101, 100, 201}, {0, 0, 100, 100}},
        {"source far outside", {1000, 1000, 1100, 1100}, {0, 0, 100, 100}},
        {"sizes differ", {0, 0, 100, 100}, {0, 0, 50, 100}},
        {"destination off the left", {0, 0, 100, 100}, {-100, 0, 0, 100}},
        {"destination off the right", {0, 0, 100, 100}, {800, 0, 900, 100}},
        {"destination off the top", {0, 0, 100, 100}, {0, -100, 100, 0}},
        {"destination off the bottom", {0, 0, 100, 100}, {0, 600, 100, 700}},
    };
    for (const Case& c : cases)
        for (bool mirrored : {false, true}) {
            gfx::BlitSheet(display, sheet, c.src, c.dst, mirrored);
            EXPECT_TRUE(Untouched()) << c.what << " mirrored " << mirrored;
            Clear();
        }
    gfx::BlitSheet(display, gfx::SpriteSheet{}, {0, 0, 10, 10}, {0, 0, 10, 10}, false);
    EXPECT_TRUE(Untouched()) << "empty sheet";
    // The source may end exactly at the sheet's edge.
    gfx::BlitSheet(display, sheet, {200, 100, 300, 200}, {0, 0, 100, 100}, false);
    EXPECT_EQ(OriginOf(At(99, 99)), (Origin{1, 299, 199}));
}

TEST_F(Blit, WithoutFrameBufferNothingHappens) {
    gfx::Display none;
    gfx::BlitSheet(none, Keyed(CodedImage(1, 10, 10)), {0, 0, 10, 10}, {0, 0, 10, 10}, false);
    EXPECT_EQ(gfx::FramePixels(none), nullptr);
}

// ---------------------------------------------------------------------------------------
// DrawPart.

class Parts : public Blit {
  protected:
    void SetUp() override {
        Blit::SetUp();
        for (int s = 0; s < 3; ++s)
            display.common[s] = Keyed(CodedImage(s + 1, 1000, 700));
    }
};

TEST_F(Parts, CopiesOnePixelLessThanWidthAndHeight) {
    gfx::DrawPart(display, 0, 0, 0, 0, 800, 600, 1, false);
    EXPECT_EQ(OriginOf(At(0, 0)), (Origin{2, 0, 0}));
    EXPECT_EQ(OriginOf(At(798, 598)), (Origin{2, 798, 598}));
    for (int x = 0; x < W; ++x)
        EXPECT_EQ(At(x, 599), kUntouched) << x;
    for (int y = 0; y < H; ++y)
        EXPECT_EQ(At(799, y), kUntouched) << y;
}

TEST_F(Parts, WidthOrHeightBelowTwoCopiesNothing) {
    for (int w : {-3, 0, 1})
        gfx::DrawPart(display, 360, 426, 100, 100, w, 10, 0, false);
    for (int h : {-3, 0, 1})
        gfx::DrawPart(display, 360, 426, 100, 100, 10, h, 0, false);
    EXPECT_TRUE(Untouched());
    gfx::DrawPart(display, 360, 426, 100, 100, 2, 2, 0, false);
    EXPECT_EQ(OriginOf(At(100, 100)), (Origin{1, 360, 426}));
    EXPECT_EQ(At(101, 100), kUntouched);
    EXPECT_EQ(At(100, 101), kUntouched);
}

TEST_F(Parts, MirroredPictureCoversItsRectangleReversed) {
    // A 336 x 66 picture at x 440 covers x 440 to 774.
    gfx::DrawPart(display, 360, 360, 440, 100, 336, 66, 0, true);
    EXPECT_EQ(At(439, 120), kUntouched);
    EXPECT_EQ(OriginOf(At(440, 100)), (Origin{1, 360 + 334, 360}));
    EXPECT_EQ(OriginOf(At(774, 164)), (Origin{1, 360, 360 + 64}));
    EXPECT_EQ(At(775, 120), kUntouched);
    EXPECT_EQ(At(500, 165), kUntouched);
}

TEST_F(Parts, SheetNumberSelectsTheCommonSlot) {
    for (int sheet = -1; sheet <= 3; ++sheet) {
        Clear();
        gfx::DrawPart(display, 5, 6, 10, 10, 20, 20, sheet, false);
        if (sheet >= 0 && sheet <= 2)
            EXPECT_EQ(OriginOf(At(10, 10)), (Origin{sheet + 1, 5, 6})) << sheet;
        else
            EXPECT_TRUE(Untouched()) << sheet;
    }
}

// ---------------------------------------------------------------------------------------
// Fighter pictures.

class Fighters : public Blit {
  protected:
    void SetUp() override {
        Blit::SetUp();
        display.common[gfx::kCommon] = Keyed(CodedImage(1, 1024, 768));
        display.common[gfx::kCommonDown] = Keyed(CodedImage(2, 1024, 768));
        for (int p = 0; p < 2; ++p)
            for (int s = 0; s < 9; ++s)  // ids 3..11 and 12..15 are not enough for both
                display.player[p][s] = Keyed(CodedImage(p == 0 ? 3 + s : 12 + s % 4, 1024, 768));
        display.player[0][9] = Keyed(CodedImage(13, 800, 600));
        display.player[1][9] = Keyed(CodedImage(14, 800, 600));
        for (int k = 0; k < 12; ++k) {
            const int left = 256 * (k % 4), top = 256 * (k / 4);
            cells[k] = {left, top, left + 255, top + 255};
        }
        for (auto& f : fighter) {
            f = std::make_unique<engine::Fighter>();
            f->code = engine::MakeCode(0, engine::kMotionStand, 0);
        }
    }
    engine::MotionFrame& Frame(int p) { return engine::FrameOf(*fighter[p], fighter[p]->code); }
    void Place(int p, int x, int y, int image, int layer, int dy = 0) {
        fighter[p]->x = x;
        fighter[p]->y = y;
        Frame(p).image = image;
        Frame(p).layer = layer;
        Frame(p).dy = dy;
    }
    void Draw() { gfx::DrawFighters(display, *fighter[0], *fighter[1], cells); }

    Rect cells[12];
    std::unique_ptr<engine::Fighter> fighter[2];
};

TEST_F(Fighters, SheetNumberSelectsTheSlot) {
    for (int player = 1; player <= 2; ++player) {
        const gfx::SpriteSheet* own = display.player[player - 1];
        EXPECT_EQ(gfx::FighterSheet(display, player, 0), &display.common[gfx::kCommon]);
        for (int s = 1; s <= 7; ++s)
            EXPECT_EQ(gfx::FighterSheet(display, player, s), &own[s - 1]) << s;
        EXPECT_EQ(gfx::FighterSheet(display, player, 8), &display.common[gfx::kCommonDown]);
        EXPECT_EQ(gfx::FighterSheet(display, player, 9), &own[7]);
        EXPECT_EQ(gfx::FighterSheet(display, player, 10), &own[8]);
        for (int s : {-1, 11, 12, 99})
            EXPECT_EQ(gfx::FighterSheet(display, player, s), nullptr) << s;
    }
    EXPECT_EQ(gfx::FighterSheet(display, 3, 1), nullptr);
}

TEST_F(Fighters, PictureNumberPicksSheetAndCell) {
    // 1003: cell 3 of the player's sheet 9 (sheet number 10); 805: cell 5 of common_dwn.bmp.
    Place(0, 300, 300, 1003, 0);
    Place(1, 600, 300, 805, 0);
    Draw();
    EXPECT_EQ(OriginOf(At(300 - 127, 300 - 127)), (Origin{3 + 8, 768, 0}));
    // Player 2 mirrored: the cell's right end at the left edge.
    EXPECT_EQ(OriginOf(At(600 - 127, 300 - 127)), (Origin{2, 256 + 254, 256}));
    EXPECT_EQ(OriginOf(At(600 + 127, 300 + 127)), (Origin{2, 256, 256 + 254}));
}

TEST_F(Fighters, CellIsPlacedOnThePointAndDrawOffset) {
    Place(0, 400, 300, 105, 0, -4);  // sheet 1, cell 5
    Place(1, 400, 300, 9999, 0);     // sheet 99: nothing
    Draw();
    const int top = 300 - 4 - 127;
    EXPECT_EQ(OriginOf(At(400 - 127, top)), (Origin{3, 256, 256}));
    EXPECT_EQ(OriginOf(At(400, 300 - 4)), (Origin{3, 256 + 127, 256 + 127}));
    EXPECT_EQ(OriginOf(At(400 + 127, top + 254)), (Origin{3, 256 + 254, 256 + 254}));
    EXPECT_EQ(At(400 + 128, 300), kUntouched);
    EXPECT_EQ(At(400 - 128, 300), kUntouched);
    EXPECT_EQ(At(400, top - 1), kUntouched);
    EXPECT_EQ(At(400, top + 255), kUntouched);
}

TEST_F(Fighters, MirroredPointStaysOnTheFighter) {
    Place(0, 100, 300, 9999, 0);
    Place(1, 400, 300, 100, 0);  // sheet 1, cell 0
    Draw();
    EXPECT_EQ(OriginOf(At(400, 300)), (Origin{12, 127, 127}));
}

TEST_F(Fighters, LeftmostFighterIsClipped) {
    Place(0, 50, 300, 100, 0);
    Place(1, 600, 300, 9999, 0);
    Draw();
    // Drawn from x = -77: the first 77 columns are cut off.
    EXPECT_EQ(OriginOf(At(0, 300)), (Origin{3, 77, 127}));
    EXPECT_EQ(OriginOf(At(177, 300)), (Origin{3, 254, 127}));
}

TEST_F(Fighters, LowerLayerIsInFrontEqualLayerPlayerOne) {
    struct Case {
        int layer1, layer2;
        int frontId;
    };
    const Case cases[] = {{0, 0, 3}, {1, 0, 12}, {0, 1, 3}, {5, 5, 3}, {-1, 2, 3}, {3, -2, 12}};
    for (const Case& c : cases) {
        Clear();
        Place(0, 400, 300, 100, c.layer1);
        Place(1, 420, 300, 100, c.layer2);
        Draw();
        EXPECT_EQ(OriginOf(At(410, 300)).id, c.frontId) << c.layer1 << " vs " << c.layer2;
    }
}

TEST_F(Fighters, InvalidPicturesDrawNothing) {
    for (int image : {-1, -100, 12, 112, 1100, 9999}) {
        Clear();
        Place(0, 400, 300, image, 0);
        Place(1, 400, 300, image, 0);
        Draw();
        EXPECT_TRUE(Untouched()) << image;
    }
}

TEST_F(Fighters, DownEffectPicturesAreNeverMirrored) {
    for (int player = 1; player <= 2; ++player)
        for (int n = 1; n <= 2; ++n) {
            Clear();
            gfx::DrawDownEffect(display, player, n);
            const int id = player == 1 ? 13 : 14;
            EXPECT_EQ(OriginOf(At(0, 160)), (Origin{id, 0, 300 * (n - 1)}));
            EXPECT_EQ(OriginOf(At(798, 458)), (Origin{id, 798, 300 * (n - 1) + 298}));
            EXPECT_EQ(At(799, 300), kUntouched);
            EXPECT_EQ(At(400, 459), kUntouched);
            EXPECT_EQ(At(400, 159), kUntouched);
        }
    // Beyond the strip the source leaves the sheet: refused.
    Clear();
    gfx::DrawDownEffect(display, 1, 3);
    gfx::DrawDownEffect(display, 1, 0);
    EXPECT_TRUE(Untouched());
}
