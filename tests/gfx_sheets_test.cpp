// Sprite sheets: decoding, finding files, the fighters' file table, the failure rules of a
// set, keys per slot, and decoding each file only once.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/bitmap_file.h"
#include "gfx/draw.h"
#include "gfx/sheets.h"
#include "gfx_test_sheets.h"
#include "support/run_binary.h"

using gfx_test::FilePath;
using gfx_test::Filled;
using gfx_test::kGreen;

namespace {

// ---------------------------------------------------------------------------------------
// The file table, written out row by row as the game's documents give it: the fill of
// each player slot by slot.

struct TableRow {
    int kind;
    const char* folder;
    const char* stem;
    int count;
    std::vector<std::string> fill[2];  // names for slots count+1..9, per player
    const char* downEffect;
};

std::vector<std::string> Repeat(const std::string& name, int times) {
    return std::vector<std::string>(times, name);
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<TableRow>& Table() {
    static const std::vector<TableRow> rows = {
        {1,
         "karate01",
         "karate01_",
         6,
         {Repeat("karate01_06", 3), Repeat("karate01_06", 3)},
         "dwnef_karate01"},
        {2,
         "MuayThai01",
         "muaythai_",
         5,
         {Repeat("muaythai_05", 4), Repeat("muaythai_05", 4)},
         "dwnef_muaythai01"},
        {3,
         "box01",
         "boxer_",
         5,
         {Repeat("boxer_05", 4), Join(Repeat("boxer_05", 2), Repeat("dwnef_box01", 2))},
         "dwnef_box01"},
        {4,
         "box02",
         "fighter_",
         7,
         {Repeat("fighter_07", 2), Repeat("dwnef_box02", 2)},
         "dwnef_box02"},
        {5,
         "kick01",
         "kickboxing_",
         5,
         {Join(Repeat("kickboxing_05", 2), Repeat("dwnef_kick01", 2)),
          Join(Repeat("kickboxing_05", 2), Repeat("dwnef_kick01", 2))},
         "dwnef_kick01"},
        {6,
         "hakkyokuken",
         "hakkyokuken_",
         6,
         {Repeat("hakkyokuken_06", 3),
          Join(Repeat("hakkyokuken_06", 1), Repeat("dwnef_hakkyoku", 2))},
         "dwnef_hakkyoku"},
        {7,
         "Tequondo",
         "Tequondo_",
         7,
         {Repeat("Tequondo_07", 2), Repeat("*muaythai", 2)},
         "dwnef_tequondo"},
        {8,
         "Kick02",
         "KickBoxing02_",
         7,
         {Repeat("KickBoxing02_07", 2), Repeat("dwnef_kick02", 2)},
         "dwnef_kick02"},
        {9,
         "karate02",
         "karate02_",
         7,
         {Repeat("karate02_07", 2), Repeat("dwnef_karate02", 2)},
         "dwnef_karate02"},
        {10,
         "Kick03",
         "KickBoxing03_",
         8,
         {Repeat("KickBoxing03_08", 1), Repeat("KickBoxing03_08", 1)},
         "dwnef_kick03"},
        {11,
         "Boxer03",
         "Boxer03_",
         8,
         {Repeat("Boxer03_08", 1), Repeat("Boxer03_08", 1)},
         "dwnef_box03"},
        {12,
         "JEETKUNEDOO",
         "JEETKUNEDOO_",
         7,
         {Repeat("JEETKUNEDOO_07", 2), Repeat("JEETKUNEDOO_07", 2)},
         "dwnef_jeek"},
        {13,
         "MuayThai02",
         "MuayThai02_",
         7,
         {Repeat("MuayThai02_06", 2), Repeat("dwnef_muaythai02", 2)},
         "dwnef_muaythai02"},
        {14, "Capoeira", "Capoeira_", 9, {{}, {}}, "dwnef_capoeira"},
        {15,
         "qirune",
         "Qirune_",
         4,
         {Repeat("Qirune_01", 5), Repeat("Qirune_01", 5)},
         "dwnef_qirune"},
    };
    return rows;
}

std::string InFolder(const char* folder, const std::string& name) {
    if (name == "*muaythai") return "Graphic\\MuayThai01\\muaythai_05.bmp";
    return std::string("Graphic\\") + folder + "\\" + name + ".bmp";
}

}  // namespace

TEST(SheetFiles, EveryKindAndPlayerAsTheTableSays) {
    ASSERT_EQ(Table().size(), 15u);
    for (const TableRow& row : Table())
        for (int player = 1; player <= 2; ++player) {
            std::string files[gfx::kPlayerSheets];
            ASSERT_TRUE(gfx::PlayerSheetFiles(row.kind, player, files));
            ASSERT_EQ(row.count + static_cast<int>(row.fill[player - 1].size()), 9) << row.kind;
            for (int s = 1; s <= 9; ++s) {
                char number[4];
                std::snprintf(number, sizeof number, "%02d", s);
                const std::string expected =
                    s <= row.count ? InFolder(row.folder, std::string(row.stem) + number)
                                   : InFolder(row.folder, row.fill[player - 1][s - row.count - 1]);
                EXPECT_EQ(files[s - 1], expected)
                    << "kind " << row.kind << " player " << player << " sheet " << s;
            }
            EXPECT_EQ(files[9], InFolder(row.folder, row.downEffect)) << row.kind;
        }
}

TEST(SheetFiles, ExamplesWrittenOut) {
    std::string files[gfx::kPlayerSheets];
    ASSERT_TRUE(gfx::PlayerSheetFiles(1, 2, files));
    EXPECT_EQ(files[0], "Graphic\\karate01\\karate01_01.bmp");
    EXPECT_EQ(files[5], "Graphic\\karate01\\karate01_06.bmp");
    EXPECT_EQ(files[8], "Graphic\\karate01\\karate01_06.bmp");
    EXPECT_EQ(files[9], "Graphic\\karate01\\dwnef_karate01.bmp");
    ASSERT_TRUE(gfx::PlayerSheetFiles(7, 2, files));
    EXPECT_EQ(files[7], "Graphic\\MuayThai01\\muaythai_05.bmp");
    ASSERT_TRUE(gfx::PlayerSheetFiles(7, 1, files));
    EXPECT_EQ(files[7], "Graphic\\Tequondo\\Tequondo_07.bmp");
}

TEST(SheetFiles, NoTableOutsideTheRoster) {
    std::string files[gfx::kPlayerSheets];
    for (int kind : {-1, 0, 16, 99})
        EXPECT_FALSE(gfx::PlayerSheetFiles(kind, 1, files)) << kind;
    EXPECT_FALSE(gfx::PlayerSheetFiles(1, 0, files));
    EXPECT_FALSE(gfx::PlayerSheetFiles(1, 3, files));
}

// ---------------------------------------------------------------------------------------
// Files on disk.

namespace {

class SheetFilesOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        root = testing_support::MakeTempDir();
        here = std::make_unique<gfx_test::InDirectory>(root);
        ASSERT_TRUE(here->ok());
        ASSERT_EQ(gfx::CreateDisplay(display, nullptr), 1);
    }

    // A small 8-bit sheet of one colour with a green corner pixel.
    void WriteSheet(const std::string& gamePath, uint32_t colour) {
        gfx::SheetImage image = Filled(8, 6, colour);
        image.pixels[0] = kGreen;
        ASSERT_TRUE(gfx_test::WriteBmp8(FilePath(root, gamePath), image)) << gamePath;
    }
    void WriteKind(int kind, int player, uint32_t base) {
        std::string files[gfx::kPlayerSheets];
        ASSERT_TRUE(gfx::PlayerSheetFiles(kind, player, files));
        for (int s = 0; s < gfx::kPlayerSheets; ++s)
            WriteSheet(files[s], ColourOf(files[s], base));
    }
    // Every file its own colour, made from its name, so a slot tells which file it holds.
    static uint32_t ColourOf(const std::string& name, uint32_t base) {
        uint32_t h = base;
        for (char c : name)
            h = h * 31 + static_cast<uint8_t>(c);
        return gfx::Argb(h & 127, 0, (h >> 8) & 255);  // never green
    }
    static uint32_t Colour(const gfx::SpriteSheet& sheet) { return sheet.image->pixels[1]; }

    std::string root;
    std::unique_ptr<gfx_test::InDirectory> here;
    gfx::Display display;
};

}  // namespace

TEST_F(SheetFilesOnDisk, DecodesEightAndTwentyFourBitToTheFramesFormat) {
    gfx::SheetImage image = Filled(5, 3, gfx::Argb(10, 20, 30));
    image.pixels[1] = kGreen;
    image.pixels[5] = gfx::Argb(255, 0, 0);
    image.pixels[14] = gfx::Argb(0, 0, 255);
    ASSERT_TRUE(gfx_test::WriteBmp8(root + "/eight.bmp", image));
    ASSERT_TRUE(gfx_test::WriteBmp24(root + "/twentyfour.bmp", image));
    for (const char* name : {"eight.bmp", "twentyfour.bmp"}) {
        const gfx::SpriteSheet sheet = gfx::LoadSheet(name);
        ASSERT_FALSE(sheet.Empty()) << name;
        EXPECT_FALSE(sheet.keyed) << name;
        EXPECT_EQ(sheet.image->width, 5);
        EXPECT_EQ(sheet.image->height, 3);
        EXPECT_EQ(sheet.image->pixels, image.pixels) << name;  // rows top to bottom
        EXPECT_EQ(gfx::MatchColorKey(sheet, 0, 255, 0), kGreen);
    }
    EXPECT_TRUE(gfx::LoadSheet("missing.bmp").Empty());
    EXPECT_EQ(gfx::MatchColorKey(gfx::SpriteSheet{}, 0, 255, 0), 0xFFFFFFFFu);
}

TEST_F(SheetFilesOnDisk, NotABitmapLoadsNothing) {
    std::FILE* f = std::fopen((root + "/junk.bmp").c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("this is no bitmap", f);
    std::fclose(f);
    EXPECT_TRUE(gfx::LoadSheet("junk.bmp").Empty());
}

TEST_F(SheetFilesOnDisk, GamePathsFindFilesIgnoringCase) {
    WriteSheet("Graphic\\karate01\\karate01_01.bmp", gfx::Argb(1, 2, 3));
    std::string resolved;
    ASSERT_TRUE(gfx::ResolveGamePath("Graphic\\karate01\\karate01_01.bmp", resolved));
    EXPECT_EQ(resolved, root + "/Graphic/karate01/karate01_01.bmp");
    ASSERT_TRUE(gfx::ResolveGamePath("GRAPHIC\\Karate01\\KARATE01_01.BMP", resolved));
    EXPECT_EQ(resolved, root + "/Graphic/karate01/karate01_01.bmp");
    ASSERT_TRUE(gfx::ResolveGamePath("graphic/KARATE01/karate01_01.bmp", resolved));
    EXPECT_FALSE(gfx::ResolveGamePath("Graphic\\karate01\\karate01_02.bmp", resolved));
    EXPECT_FALSE(gfx::ResolveGamePath("Graphic\\karate01", resolved));  // a folder
    EXPECT_FALSE(gfx::ResolveGamePath("", resolved));
    EXPECT_EQ(Colour(gfx::LoadSheet("graphic\\KARATE01\\Karate01_01.bmp")), gfx::Argb(1, 2, 3));
}

TEST_F(SheetFilesOnDisk, CommonSetLoadsAndKeysAllFive) {
    const char* files[] = {"Graphic\\parts01.bmp", "Graphic\\parts02.bmp", "Graphic\\parts03.bmp",
                           "Graphic\\common\\common.bmp", "Graphic\\common\\common_dwn.bmp"};
    for (int i = 0; i < 5; ++i)
        WriteSheet(files[i], gfx::Argb(10 * (i + 1), 0, 0));
    EXPECT_EQ(gfx::LoadCommonSheets(display), 1);
    for (int i = 0; i < 5; ++i) {
        ASSERT_FALSE(display.common[i].Empty()) << i;
        EXPECT_EQ(Colour(display.common[i]), gfx::Argb(10 * (i + 1), 0, 0)) << i;
        EXPECT_TRUE(display.common[i].keyed) << i;
        EXPECT_EQ(display.common[i].colorKey, kGreen);
    }

    // Without parts02 the set stops there: parts01 stays, without key; the rest is empty.
    ASSERT_EQ(std::remove((root + "/Graphic/parts02.bmp").c_str()), 0);
    EXPECT_EQ(gfx::LoadCommonSheets(display), 0);
    ASSERT_FALSE(display.common[0].Empty());
    EXPECT_FALSE(display.common[0].keyed);
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(display.common[i].Empty()) << i;
}

TEST_F(SheetFilesOnDisk, UnkeyedSheetDrawsItsGreen) {
    WriteSheet("Graphic\\parts01.bmp", gfx::Argb(50, 0, 0));
    EXPECT_EQ(gfx::LoadCommonSheets(display), 0);  // parts02 is missing
    gfx::DrawPart(display, 0, 0, 10, 10, 5, 5, 0, false);
    EXPECT_EQ(display.frame[10 * gfx::kScreenWidth + 10], kGreen);
    EXPECT_EQ(display.frame[10 * gfx::kScreenWidth + 11], gfx::Argb(50, 0, 0));
}

TEST_F(SheetFilesOnDisk, PlayerSetPutsEveryFileInItsSlot) {
    for (int kind : {3, 6, 13}) {
        for (int player = 1; player <= 2; ++player) {
            WriteKind(kind, player, 7);
            ASSERT_EQ(gfx::LoadPlayerSheets(display, player, kind), 1) << kind;
            std::string files[gfx::kPlayerSheets];
            gfx::PlayerSheetFiles(kind, player, files);
            for (int s = 0; s < gfx::kPlayerSheets; ++s) {
                const gfx::SpriteSheet& slot = display.player[player - 1][s];
                ASSERT_FALSE(slot.Empty()) << kind << " " << s;
                EXPECT_EQ(Colour(slot), ColourOf(files[s], 7)) << files[s];
                EXPECT_TRUE(slot.keyed);
            }
        }
    }
}

TEST_F(SheetFilesOnDisk, MissingFillEndsTheSetAtThatSlot) {
    // Fighter 7 for player 2 fills its sheets 8 and 9 from MuayThai01's muaythai_05.
    WriteKind(7, 1, 0);
    ASSERT_EQ(gfx::LoadPlayerSheets(display, 1, 7), 1);
    EXPECT_EQ(gfx::LoadPlayerSheets(display, 2, 7), 0);
    for (int s = 0; s < 7; ++s) {
        ASSERT_FALSE(display.player[1][s].Empty()) << s;
        EXPECT_FALSE(display.player[1][s].keyed) << s;
    }
    for (int s = 7; s < 10; ++s)
        EXPECT_TRUE(display.player[1][s].Empty()) << s;

    // The same files in player 1's complete set keep their keys: a slot is its own sheet.
    for (int s = 0; s < 10; ++s)
        EXPECT_TRUE(display.player[0][s].keyed) << s;
    EXPECT_EQ(display.player[0][0].image, display.player[1][0].image);  // decoded once

    WriteSheet("Graphic\\MuayThai01\\muaythai_05.bmp", gfx::Argb(99, 0, 0));
    EXPECT_EQ(gfx::LoadPlayerSheets(display, 2, 7), 1);
    EXPECT_EQ(Colour(display.player[1][7]), gfx::Argb(99, 0, 0));
    EXPECT_TRUE(display.player[1][0].keyed);
}

TEST_F(SheetFilesOnDisk, MissingFirstFileLeavesEverySlotEmpty) {
    WriteKind(1, 1, 0);
    ASSERT_EQ(gfx::LoadPlayerSheets(display, 1, 1), 1);
    ASSERT_EQ(std::remove((root + "/Graphic/karate01/karate01_01.bmp").c_str()), 0);
    EXPECT_EQ(gfx::LoadPlayerSheets(display, 1, 1), 0);
    for (int s = 0; s < 10; ++s)
        EXPECT_TRUE(display.player[0][s].Empty()) << s;
}

TEST_F(SheetFilesOnDisk, KindOutsideTheRosterEmptiesTheSlots) {
    WriteKind(2, 2, 0);
    ASSERT_EQ(gfx::LoadPlayerSheets(display, 2, 2), 1);
    EXPECT_EQ(gfx::LoadPlayerSheets(display, 2, 0), 0);
    EXPECT_EQ(gfx::LoadPlayerSheets(display, 2, 16), 0);
    for (int s = 0; s < 10; ++s)
        EXPECT_TRUE(display.player[1][s].Empty()) << s;
}

TEST_F(SheetFilesOnDisk, NothingLoadsBeforeTheDisplayExists) {
    WriteKind(2, 1, 0);
    gfx::Display none;
    EXPECT_EQ(gfx::LoadPlayerSheets(none, 1, 2), 0);
    EXPECT_EQ(gfx::LoadCommonSheets(none), 0);
    EXPECT_TRUE(none.player[0][0].Empty());
}

TEST_F(SheetFilesOnDisk, EachFileIsDecodedOnceUntilItChanges) {
    WriteKind(1, 1, 0);
    const int64_t before = gfx::SheetDecodeCount();
    ASSERT_EQ(gfx::LoadPlayerSheets(display, 1, 1), 1);
    ASSERT_EQ(gfx::LoadPlayerSheets(display, 2, 1), 1);
    ASSERT_EQ(gfx::LoadPlayerSheets(display, 1, 1), 1);
    // Seven different files (six numbered, the down effect) among the thirty slots.
    EXPECT_EQ(gfx::SheetDecodeCount() - before, 7);
    EXPECT_EQ(display.player[0][5].image, display.player[0][8].image);

    // A file written anew is read anew.
    WriteSheet("Graphic\\karate01\\karate01_02.bmp", gfx::Argb(77, 0, 0));
    ASSERT_EQ(gfx::LoadPlayerSheets(display, 1, 1), 1);
    EXPECT_EQ(gfx::SheetDecodeCount() - before, 8);
    EXPECT_EQ(Colour(display.player[0][1]), gfx::Argb(77, 0, 0));
}

TEST_F(SheetFilesOnDisk, PaletteComesFromTheBitmapsColourTable) {
    gfx::SheetImage image = Filled(4, 4, gfx::Argb(1, 2, 3));
    image.pixels[3] = gfx::Argb(200, 100, 50);
    ASSERT_TRUE(gfx_test::WriteBmp8(root + "/Graphic/MuayThai/muaythai_01.bmp", image));
    gfx::Palette palette;
    ASSERT_TRUE(gfx::LoadPaletteFromBitmap("Graphic\\MuayThai\\muaythai_01.bmp", palette));
    ASSERT_GE(palette.count, 2);
    bool sawOne = false, sawTwo = false;
    for (int i = 0; i < palette.count; ++i) {
        sawOne |= palette.entries[i] == gfx::Argb(1, 2, 3);
        sawTwo |= palette.entries[i] == gfx::Argb(200, 100, 50);
    }
    EXPECT_TRUE(sawOne && sawTwo);
    EXPECT_FALSE(gfx::LoadPaletteFromBitmap("Graphic\\nothing.bmp", palette));
    EXPECT_EQ(palette.count, 0);
}

// Every picture the asset generator writes for the game fits the reader's size cap.
TEST(GameSheets, EveryGeneratedPictureLoads) {
    const std::filesystem::path graphic =
        std::filesystem::path(TOVUKA02_BIN).parent_path() / "game" / "Graphic";
    int pictures = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(graphic)) {
        if (entry.path().extension() != ".bmp") continue;
        ++pictures;
        const gfx::SurfacePtr surface = gfx::ReadBitmap(entry.path().string());
        ASSERT_NE(surface, nullptr) << entry.path();
        EXPECT_LE(surface->w, gfx::kMaxBitmapWidth) << entry.path();
        EXPECT_LE(surface->h, gfx::kMaxBitmapHeight) << entry.path();
    }
    EXPECT_GT(pictures, 100);  // the fighters' sheets, the screen pictures, the title
}

TEST(DisplayLifetime, ReleaseTwiceAndWithoutCreate) {
    gfx::Display never;
    gfx::ReleaseDisplay(never);
    gfx::ReleaseDisplay(never);
    EXPECT_EQ(gfx::FramePixels(never), nullptr);

    gfx::Display display;
    ASSERT_EQ(gfx::CreateDisplay(display), 1);
    const uint32_t* frame = gfx::FramePixels(display);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame[0], gfx::Argb(0, 0, 0));
    ASSERT_EQ(gfx::CreateDisplay(display), 1);  // again: the same frame buffer
    EXPECT_EQ(gfx::FramePixels(display), frame);
    display.common[0] = gfx_test::Keyed(gfx_test::CodedImage(1, 4, 4));
    gfx::ReleaseDisplay(display);
    EXPECT_EQ(gfx::FramePixels(display), nullptr);
    EXPECT_TRUE(display.common[0].Empty());
    EXPECT_EQ(display.textFont, nullptr);
    gfx::ReleaseDisplay(display);
}
