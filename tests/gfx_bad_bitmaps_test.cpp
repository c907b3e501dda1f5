// Damaged and hostile bitmap files: each loads as an empty sheet (its pictures are simply
// missing), never as a crash, a read past the file, a wait on something that is no file, or
// an allocation the size of its lying header.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "gfx/bitmap_file.h"
#include "gfx/sheets.h"
#include "gfx_bitmap_bytes.h"
#include "gfx_test_sheets.h"
#include "support/run_binary.h"

using gfx_test::BitmapFile;
using gfx_test::Bytes;
using gfx_test::RunLengthBitmap;

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

namespace {

class HostileBitmaps : public ::testing::Test {
  protected:
    void SetUp() override {
        gfx::ClearSheetCache();
        root = testing_support::MakeTempDir();
        here = std::make_unique<gfx_test::InDirectory>(root);
        ASSERT_TRUE(here->ok());
    }
    void Write(const std::string& name, const Bytes& bytes) {
        ASSERT_TRUE(gfx_test::WriteFile(root + "/" + name, bytes)) << name;
    }
    // The file's sheet: its size, or 0 x 0 when it loads as an empty sheet.
    static std::pair<int, int> SheetSize(const std::string& name) {
        const gfx::SpriteSheet sheet = gfx::LoadSheet(name.c_str());
        if (sheet.Empty()) return {0, 0};
        return {sheet.image->width, sheet.image->height};
    }

    std::string root;
    std::unique_ptr<gfx_test::InDirectory> here;
};

// The old core header: 16-bit sizes, a colour table of three bytes an entry.
Bytes CoreHeaderBitmap(uint16_t width, uint16_t height) {
    const size_t stride = (width + 3u) / 4 * 4;
    Bytes b(26 + 768 + stride * height, 9);
    b[0] = 'B';
    b[1] = 'M';
    gfx_test::Put32At(b, 2, static_cast<int64_t>(26 + 768 + stride * height));
    gfx_test::Put32At(b, 10, 26 + 768);
    gfx_test::Put32At(b, 14, 12);
    gfx_test::Put16At(b, 18, width);
    gfx_test::Put16At(b, 20, height);
    gfx_test::Put16At(b, 22, 1);
    gfx_test::Put16At(b, 24, 8);
    return b;
}

}  // namespace

// A kilobyte that claims a picture of 8192 x 8192 once made the decoder take 256 MB. No
// picture of the game is larger than 1024 x 768: one pixel more either way is refused, in
// every header layout and for rows stored top to bottom too, and the largest size loads.
TEST_F(HostileBitmaps, SizeBeyondTheLargestSheetIsRefused) {
    const Bytes huge = RunLengthBitmap(8192, 8192);
    ASSERT_LT(huge.size(), 2048u);
    const std::vector<std::pair<const char*, Bytes>> refused = {
        {"huge.bmp", huge},
        {"wide.bmp", RunLengthBitmap(1025, 768)},
        {"tall.bmp", RunLengthBitmap(1024, 769)},
        {"tall_top_down.bmp", RunLengthBitmap(1024, -769)},
        {"wide_core.bmp", CoreHeaderBitmap(1025, 1)},
        {"sixteen_bit_width.bmp", CoreHeaderBitmap(65535, 1)},
    };
    for (const auto& [name, bytes] : refused) {
        Write(name, bytes);
        EXPECT_EQ(SheetSize(name), std::make_pair(0, 0)) << name;
    }
    Write("largest.bmp", RunLengthBitmap(1024, 768));
    Write("largest_top_down.bmp", RunLengthBitmap(1024, -768));
    Write("core.bmp", CoreHeaderBitmap(1024, 2));
    EXPECT_EQ(SheetSize("largest.bmp"), std::make_pair(1024, 768));
    EXPECT_EQ(SheetSize("largest_top_down.bmp"), std::make_pair(1024, 768));
    EXPECT_EQ(SheetSize("core.bmp"), std::make_pair(1024, 2));
}

// The display's palette file is read with the same reader: the same cap holds.
TEST_F(HostileBitmaps, PaletteFileIsHeldToTheSameCap) {
    const char* kPaletteFile = "Graphic\\MuayThai\\muaythai_01.bmp";
    const std::string path = root + "/Graphic/MuayThai/muaythai_01.bmp";
    gfx_test::MakeDirs(root + "/Graphic/MuayThai");
    gfx::Palette palette;

    ASSERT_TRUE(gfx_test::WriteFile(path, RunLengthBitmap(8192, 8192)));
    EXPECT_FALSE(gfx::LoadPaletteFromBitmap(kPaletteFile, palette));
    EXPECT_EQ(palette.count, 0);

    ASSERT_TRUE(gfx_test::WriteFile(path, RunLengthBitmap(1024, -768)));
    ASSERT_TRUE(gfx::LoadPaletteFromBitmap(kPaletteFile, palette));
    ASSERT_EQ(palette.count, 256);
    EXPECT_EQ(palette.entries[200], gfx::Argb(200, 200, 200));
}

// A file is read whole into memory before it is decoded; a larger one than any picture of
// the game could need (1024 x 768 at 32 bits, with headers) is not read at all.
TEST_F(HostileBitmaps, FileLargerThanAnyPictureIsNotRead) {
    Bytes largest =
        BitmapFile(1024, 768, 32, gfx_test::kUncompressed, {}, Bytes(size_t{1024} * 768 * 4, 0x40));
    ASSERT_LE(largest.size(), gfx::kMaxBitmapFileBytes);
    Write("largest32.bmp", largest);
    EXPECT_EQ(SheetSize("largest32.bmp"), std::make_pair(1024, 768));

    largest.resize(gfx::kMaxBitmapFileBytes + 1, 0);  // the same picture, padded
    Write("padded.bmp", largest);
    EXPECT_EQ(SheetSize("padded.bmp"), std::make_pair(0, 0));
}

// A FIFO, a device or a folder where a bitmap should be: nothing is read and nothing waits.
// (Were the FIFO opened for reading in the usual way, the game would hang until a writer came;
// the test then plays that writer to end the wait.)
TEST_F(HostileBitmaps, FifoDeviceOrFolderIsNeitherReadNorWaitedOn) {
    const std::string fifo = root + "/fifo.bmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::promise<bool> read;
    std::future<bool> result = read.get_future();
    std::thread reader([&] { read.set_value(gfx::ReadBitmap(fifo) == nullptr); });
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "the reader waits on a FIFO";
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    reader.join();
    EXPECT_TRUE(result.get());

    EXPECT_EQ(gfx::ReadBitmap("/dev/zero"), nullptr);
    EXPECT_EQ(gfx::ReadBitmap(root), nullptr);
    EXPECT_EQ(gfx::ReadBitmap(root + "/missing.bmp"), nullptr);
}

namespace {

// The address space this process has mapped, in bytes (VmSize); 0 when unknown.
size_t AddressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmSize:") {
            size_t kb = 0;
            status >> kb;
            return kb * 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// Run in a child process: caps the address space a little above what is in use, loads the
// same file anew again and again, each copy held, until the memory runs out; then the palette
// of a file too large for what is left. Exits 0 when every load that found no memory gave
// an empty result and, with the memory back, the same files load again.
[[noreturn]] void LoadUntilTheMemoryRunsOut() {
    std::vector<gfx::SpriteSheet> held;
    held.reserve(4000);
    struct rlimit before;
    if (::getrlimit(RLIMIT_AS, &before) != 0) std::_Exit(10);
    // 2 MB above what is in use: room for SDL's 0.8 MB decoding surface and the small things,
    // none for the 3 MB of a decoded 1024 x 768 sheet once the heap's free room is used up.
    struct rlimit tight = before;
    tight.rlim_cur = AddressSpaceInUse() + (size_t{2} << 20);
    if (::setrlimit(RLIMIT_AS, &tight) != 0) std::_Exit(11);
    bool ranOut = false;
    for (int i = 0; i < 4000 && !ranOut; ++i) {
        gfx::ClearSheetCache();  // decoded anew every time
        held.push_back(gfx::LoadSheet("sheet.bmp"));
        ranOut = held.back().Empty();
    }
    if (!ranOut) std::_Exit(12);
    gfx::Palette palette;
    if (gfx::LoadPaletteFromBitmap("palette.bmp", palette)) std::_Exit(13);

    held.clear();
    held.shrink_to_fit();
    if (::setrlimit(RLIMIT_AS, &before) != 0) std::_Exit(14);
    const gfx::SpriteSheet again = gfx::LoadSheet("sheet.bmp");
    if (again.Empty() || again.image->width != 1024 || again.image->height != 768) std::_Exit(15);
    if (!gfx::LoadPaletteFromBitmap("palette.bmp", palette)) std::_Exit(16);
    std::_Exit(0);
}

}  // namespace

// Out of memory while decoding once ended the game (an uncaught std::bad_alloc). Here the
// memory really runs out, in a child process under an address-space limit: the sheet and the
// palette that find no memory stay empty, and the game goes on.
TEST_F(HostileBitmaps, NoMemoryToDecodeLeavesTheSheetEmpty) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator ends the process when the address space runs "
                    "out instead of failing the allocation";
#endif
    // 1 KB on disk, 3 MB decoded.
    Write("sheet.bmp", RunLengthBitmap(1024, 768));
    // 3 MB on disk: reading it takes as much as decoding the sheet.
    Write("palette.bmp", BitmapFile(1024, 768, 32, gfx_test::kUncompressed, {},
                                    Bytes(size_t{1024} * 768 * 4, 0x40)));
    ASSERT_GT(AddressSpaceInUse(), 0u);
    EXPECT_EXIT(LoadUntilTheMemoryRunsOut(), ::testing::ExitedWithCode(0), "");
}
