// Bitmaps of 16 bits a pixel (5-6-5 and 5-5-5) and 32-bit ones with their own masks: each
// channel is widened by repeating its bits, so that a channel's top value becomes 255 and 0
// stays 0. Pure green in any depth is then exactly the key colour, left out when drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/draw.h"
#include "gfx/sheets.h"
#include "gfx_bitmap_bytes.h"
#include "gfx_test_sheets.h"
#include "support/run_binary.h"

using gfx_test::BitmapFile;
using gfx_test::Bytes;
using gfx_test::kGreen;

namespace {

// How a layout stores a channel: its shift and its number of bits.
struct Channel {
    int shift, bits;
    uint32_t Max() const { return (1u << bits) - 1; }
    uint32_t Put(uint32_t level) const { return level << shift; }
};

struct Layout {
    const char* name;
    const char* file;
    int pixelBits;  // 16 or 32
    int compression;
    Channel red, green, blue;
};

const Layout kLayouts[] = {
    {"565", "565.bmp", 16, gfx_test::kBitFields, {11, 5}, {5, 6}, {0, 5}},
    {"555", "555.bmp", 16, gfx_test::kUncompressed, {10, 5}, {5, 5}, {0, 5}},
    {"555 with masks", "555_masks.bmp", 16, gfx_test::kBitFields, {10, 5}, {5, 5}, {0, 5}},
    {"32-bit, red in the low byte", "bgr32.bmp", 32, gfx_test::kBitFields, {0, 8}, {8, 8}, {16, 8}},
    {"32-bit, red in the top byte",
     "rgbx32.bmp",
     32,
     gfx_test::kBitFields,
     {24, 8},
     {16, 8},
     {8, 8}},
};

Bytes Masks(const Layout& l) {
    return gfx_test::Words32(
        {l.red.Put(l.red.Max()), l.green.Put(l.green.Max()), l.blue.Put(l.blue.Max())});
}

// One row of pixel values per test row, top row first, as a file of the layout.
Bytes FileOf(const Layout& l, const std::vector<std::vector<uint32_t>>& rows) {
    const int width = static_cast<int>(rows[0].size());
    const Bytes table = l.compression == gfx_test::kBitFields ? Masks(l) : Bytes{};
    Bytes pixels;
    if (l.pixelBits == 16) {
        std::vector<std::vector<uint16_t>> narrow;
        for (const auto& row : rows)
            narrow.emplace_back(row.begin(), row.end());
        pixels = gfx_test::Pixels16(width, narrow);
    } else {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            gfx_test::Append(pixels, gfx_test::Words32(*row));
    }
    return BitmapFile(width, static_cast<int32_t>(rows.size()), l.pixelBits, l.compression, table,
                      pixels);
}

uint32_t Value(const Layout& l, uint32_t r, uint32_t g, uint32_t b) {
    return l.red.Put(r) | l.green.Put(g) | l.blue.Put(b);
}

// The 8-bit value a level of a channel should give: its share of the channel's range.
int Expected(uint32_t level, const Channel& c) {
    return static_cast<int>(std::lround(255.0 * level / c.Max()));
}

class MaskedBitmaps : public ::testing::Test {
  protected:
    void SetUp() override {
        gfx::ClearSheetCache();
        root = testing_support::MakeTempDir();
        here = std::make_unique<gfx_test::InDirectory>(root);
        ASSERT_TRUE(here->ok());
    }
    gfx::SpriteSheet Load(const std::string& name, const Bytes& bytes) {
        EXPECT_TRUE(gfx_test::WriteFile(root + "/" + name, bytes));
        return gfx::LoadSheet(name.c_str());
    }

    std::string root;
    std::unique_ptr<gfx_test::InDirectory> here;
};

}  // namespace

// Every level of every channel, one channel at a time: 0 gives 0, the top level 255, and
// the levels between their share of the range, rising with the level.
TEST_F(MaskedBitmaps, EveryLevelWidensToItsShareOfTheRange) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        const Channel* channels[3] = {&l.red, &l.green, &l.blue};
        std::vector<std::vector<uint32_t>> rows;
        for (const Channel* c : channels) {
            std::vector<uint32_t> row;
            for (uint32_t level = 0; level <= 255; ++level)
                row.push_back(c->Put(level < c->Max() ? level : c->Max()));
            rows.push_back(row);
        }
        const gfx::SpriteSheet sheet = Load(std::string("levels_") + l.file, FileOf(l, rows));
        ASSERT_FALSE(sheet.Empty());
        ASSERT_EQ(sheet.image->width, 256);
        ASSERT_EQ(sheet.image->height, 3);
        for (int ch = 0; ch < 3; ++ch) {
            const int shift = 16 - 8 * ch;  // red, green, blue in the frame's format
            int last = -1;
            for (uint32_t level = 0; level <= channels[ch]->Max(); ++level) {
                const uint32_t p = sheet.image->pixels[static_cast<size_t>(ch) * 256 + level];
                const int got = static_cast<int>((p >> shift) & 255);
                EXPECT_EQ(p & ~(255u << shift), 0xFF000000u) << "other channels, level " << level;
                EXPECT_LE(std::abs(got - Expected(level, *channels[ch])), 1)
                    << "channel " << ch << " level " << level << " gave " << got;
                EXPECT_GE(got, last) << "channel " << ch << " level " << level;
                last = got;
            }
            EXPECT_EQ(last, 255) << "channel " << ch;
        }
    }
}

// Pure green of the file's depth is the key colour exactly; drawn with the key, it leaves
// what was behind it, while its neighbours (white, a dark red, almost-green) are drawn.
TEST_F(MaskedBitmaps, PureGreenIsTheKeyAndIsLeftOutWhenDrawn) {
    gfx::Display display;
    ASSERT_EQ(gfx::CreateDisplay(display, nullptr), 1);
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        const uint32_t green = Value(l, 0, l.green.Max(), 0);
        const uint32_t white = Value(l, l.red.Max(), l.green.Max(), l.blue.Max());
        const uint32_t darkRed = Value(l, l.red.Max() / 2, 0, 0);
        const uint32_t almostGreen = Value(l, 0, l.green.Max() - 1, 0);
        gfx::SpriteSheet sheet =
            Load(std::string("keyed_") + l.file, FileOf(l, {{green, white, darkRed, almostGreen}}));
        ASSERT_FALSE(sheet.Empty());
        const std::vector<uint32_t>& px = sheet.image->pixels;
        EXPECT_EQ(px[0], kGreen);
        EXPECT_EQ(px[1], gfx::Argb(255, 255, 255));
        EXPECT_EQ(px[2], gfx::Argb(Expected(l.red.Max() / 2, l.red), 0, 0));
        EXPECT_NE(px[3], kGreen);

        gfx::SetSheetColorKeys(&sheet, 1);
        EXPECT_EQ(gfx::MatchColorKey(sheet, gfx::kKeyRed, gfx::kKeyGreen, gfx::kKeyBlue), px[0]);
        const uint32_t behind = gfx::Argb(12, 34, 56);
        std::fill_n(display.frame.get(), gfx::kScreenWidth * gfx::kScreenHeight, behind);
        gfx::BlitSheet(display, sheet, {0, 0, 4, 1}, {100, 50, 104, 51}, false);
        const uint32_t* row = display.frame.get() + 50 * gfx::kScreenWidth;
        EXPECT_EQ(row[100], behind) << "the green pixel was drawn";
        EXPECT_EQ(row[101], px[1]);
        EXPECT_EQ(row[102], px[2]);
        EXPECT_EQ(row[103], px[3]);
    }
    gfx::ReleaseDisplay(display);
}
