// The cache of decoded sheets in a long session: it keeps within its budget, never forgets a
// sheet a slot shows, and a rematch or the next tournament match finds its files there.
// The sheets are full-size (1024 x 768, 3 MB decoded) run-length files of a kilobyte.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "gfx/sheets.h"
#include "gfx_bitmap_bytes.h"
#include "gfx_test_sheets.h"
#include "support/run_binary.h"

namespace {

constexpr size_t kSheetBytes = size_t{1024} * 768 * 4;

class SheetCache : public ::testing::Test {
  protected:
    void SetUp() override {
        gfx::ClearSheetCache();
        root = testing_support::MakeTempDir();
        here = std::make_unique<gfx_test::InDirectory>(root);
        ASSERT_TRUE(here->ok());
        ASSERT_EQ(gfx::CreateDisplay(display, nullptr), 1);
    }
    void TearDown() override {
        gfx::ReleaseDisplay(display);
        gfx::ClearSheetCache();
    }
    void WriteSheet(const std::string& gamePath) {
        const std::string path = gfx_test::FilePath(root, gamePath);
        gfx_test::MakeDirs(gfx_test::DirOf(path));
        ASSERT_TRUE(gfx_test::WriteFile(path, gfx_test::RunLengthBitmap(1024, 768))) << path;
    }
    // The files of the kind for both players; how many different ones player 2 loads.
    int WriteKind(int kind) {
        std::set<std::string> secondPlayers;
        for (int player = 1; player <= 2; ++player) {
            std::string files[gfx::kPlayerSheets];
            EXPECT_TRUE(gfx::PlayerSheetFiles(kind, player, files));
            for (const std::string& f : files) {
                WriteSheet(f);
                if (player == 2) secondPlayers.insert(f);
            }
        }
        return static_cast<int>(secondPlayers.size());
    }
    // Decodes while both players' sets load.
    int64_t DecodesOfFight(int kind1, int kind2) {
        const int64_t before = gfx::SheetDecodeCount();
        EXPECT_EQ(gfx::LoadPlayerSheets(display, 1, kind1), 1);
        EXPECT_EQ(gfx::LoadPlayerSheets(display, 2, kind2), 1);
        return gfx::SheetDecodeCount() - before;
    }

    std::string root;
    std::unique_ptr<gfx_test::InDirectory> here;
    gfx::Display display;
};

std::string Numbered(int n) {
    return "Graphic\\many\\sheet" + std::to_string(n) + ".bmp";
}

}  // namespace

// Files loaded one after another and let go stay within the budget; files held by slots
// stay however many there are, and loading them again decodes nothing.
TEST_F(SheetCache, KeepsItsBudgetButNeverASheetInUse) {
    const int budgetSheets = static_cast<int>(gfx::kSheetCacheBudgetBytes / kSheetBytes);
    const int count = budgetSheets + 10;
    for (int n = 0; n < count; ++n)
        WriteSheet(Numbered(n));
    for (int n = 0; n < count; ++n) {
        ASSERT_FALSE(gfx::LoadSheet(Numbered(n).c_str()).Empty()) << n;
        EXPECT_LE(gfx::SheetCacheBytes(), gfx::kSheetCacheBudgetBytes) << n;
    }
    EXPECT_GE(gfx::SheetCacheBytes(), gfx::kSheetCacheBudgetBytes - kSheetBytes);

    std::vector<gfx::SpriteSheet> shown;
    for (int n = 0; n < count; ++n)
        shown.push_back(gfx::LoadSheet(Numbered(n).c_str()));
    EXPECT_EQ(gfx::SheetCacheBytes(), count * kSheetBytes);
    const int64_t before = gfx::SheetDecodeCount();
    for (int n = 0; n < count; ++n)
        EXPECT_EQ(gfx::LoadSheet(Numbered(n).c_str()).image, shown[n].image) << n;
    EXPECT_EQ(gfx::SheetDecodeCount(), before);

    shown.clear();
    WriteSheet(Numbered(count));
    ASSERT_FALSE(gfx::LoadSheet(Numbered(count).c_str()).Empty());
    EXPECT_LE(gfx::SheetCacheBytes(), gfx::kSheetCacheBudgetBytes);
}

// The largest fight there is (fighters 10 and 14), then a tournament's next opponent, a
// rematch, a continue, and the players swapping sides: only a fighter new to the session
// is decoded.
TEST_F(SheetCache, RematchAndNextMatchSetUpFromTheCache) {
    for (int kind : {10, 14})
        WriteKind(kind);
    const int firstOpponent = WriteKind(1);
    const int secondOpponent = WriteKind(15);
    EXPECT_GT(DecodesOfFight(10, 14), 0);
    EXPECT_EQ(DecodesOfFight(10, 14), 0) << "rematch";
    EXPECT_EQ(DecodesOfFight(10, 1), firstOpponent) << "next match: only the new opponent";
    EXPECT_EQ(DecodesOfFight(10, 1), 0) << "continue against the same opponent";
    EXPECT_EQ(DecodesOfFight(10, 15), secondOpponent) << "the match after";
    EXPECT_EQ(DecodesOfFight(15, 10), 0) << "the players swap fighters";
}
