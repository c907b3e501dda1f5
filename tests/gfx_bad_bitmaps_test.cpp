// Damaged bitmap files: each loads as an empty sheet (its pictures are simply missing), never
// as a crash, a read past the file or an allocation the size of its lying header.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "gfx/sheets.h"

namespace {

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void Put32(std::vector<uint8_t>& b, size_t at, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    const uint8_t le[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                           static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
    std::copy(le, le + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

// A valid 24-bit 4 x 2 bitmap.
std::vector<uint8_t> SmallBitmap() {
    std::vector<uint8_t> b(54 + 2 * 12, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<int32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, 4);
    Put32(b, 22, 2);
    b[26] = 1;
    b[28] = 24;
    for (size_t i = 54; i < b.size(); ++i)
        b[i] = static_cast<uint8_t>(i);
    return b;
}

}  // namespace

TEST(BadBitmaps, LoadAsEmptySheets) {
    gfx::ClearSheetCache();
    const std::vector<uint8_t> good = SmallBitmap();
    Write("good.bmp", good);
    const gfx::SpriteSheet sheet = gfx::LoadSheet("good.bmp");
    ASSERT_FALSE(sheet.Empty()) << "the test's own bitmap must load";
    EXPECT_EQ(sheet.image->width, 4);

    std::vector<uint8_t> huge = good;
    Put32(huge, 18, 100000);  // a header that claims 100000 x 100000 pixels
    Put32(huge, 22, 100000);
    std::vector<uint8_t> negative = good;
    Put32(negative, 18, -4);
    std::vector<uint8_t> oddHeader = good;
    Put32(oddHeader, 14, 99999);
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> bad = {
        {"empty.bmp", {}},
        {"truncated.bmp", std::vector<uint8_t>(good.begin(), good.begin() + 30)},
        {"garbage.bmp", std::vector<uint8_t>(300, 0xA5)},
        {"huge.bmp", huge},
        {"negative.bmp", negative},
        {"odd_header.bmp", oddHeader},
    };
    for (const auto& [name, bytes] : bad) {
        Write(name, bytes);
        EXPECT_TRUE(gfx::LoadSheet(name).Empty()) << name;
    }
    // A directory where a sheet should be, and a missing file.
    std::system("mkdir -p dir.bmp");
    EXPECT_TRUE(gfx::LoadSheet("dir.bmp").Empty());
    EXPECT_TRUE(gfx::LoadSheet("missing.bmp").Empty());
}
