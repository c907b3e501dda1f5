// Each player's pictures in its fighter's colours: the swap table maps exact colours only, a
// recoloured sheet changes exactly the swapped pixels (and is no copy when none is), the
// players are dressed at set-up each in its own colours, the shared sheets are drawn from the
// dressed copies, a mirror match's player 2 wears the second colours in its own sheets too,
// and dressing again neither swaps twice nor redoes work.
#include <gtest/gtest.h>

#include <memory>

#include "colours/fighter_colours.h"
#include "gfx/draw.h"
#include "gfx/player_colours.h"
#include "gfx/recolour.h"
#include "gfx_test_sheets.h"

namespace {

using colours::Hue;

uint32_t Shown(Hue hue, int tone) {
    return colours::Tone(hue, tone) | 0xFF000000u;
}

// A sheet of the pictures' size whose first pixels are the given colours, the rest key.
std::shared_ptr<gfx::SheetImage> SheetOf(std::initializer_list<uint32_t> colours) {
    auto image = std::make_shared<gfx::SheetImage>(gfx_test::Filled(1024, 768, gfx_test::kGreen));
    size_t i = 0;
    for (uint32_t c : colours)
        image->pixels[i++] = c;
    return image;
}

class Dressing : public ::testing::Test {
  protected:
    void SetUp() override {
        display.frame = std::make_unique<uint32_t[]>(gfx::kScreenWidth * gfx::kScreenHeight);
        display.created = true;
        shared = SheetOf({Shown(Hue::AreaSkin, 3), Shown(Hue::AreaTorso, 2),
                          Shown(Hue::AreaHips, 4), Shown(Hue::Red, 3), gfx::Argb(1, 2, 3)});
        sharedDown = SheetOf({Shown(Hue::AreaLegs, 1), Shown(Hue::AreaHands, 3)});
        display.common[gfx::kCommon] = gfx_test::Keyed(shared);
        display.common[gfx::kCommonDown] = gfx_test::Keyed(sharedDown);
        for (int p = 0; p < 2; ++p)
            for (int s = 0; s < gfx::kPlayerSheets; ++s)
                display.player[p][s] = gfx_test::Keyed(OwnSheet());
    }
    // What a fighter's own sheet holds: the colours fighter 2 (red shorts, blue armbands)
    // wears, its skin, and a tone of a colour it does not wear.
    static std::shared_ptr<gfx::SheetImage> OwnSheet() {
        return SheetOf({Shown(Hue::Red, 3), Shown(Hue::Blue, 0), Shown(Hue::SkinTan, 3),
                        Shown(Hue::Green, 3)});
    }
    const gfx::SheetImage& SharedOf(int player, int sheetNumber) {
        return *gfx::FighterSheet(display, player, sheetNumber)->image;
    }

    gfx::Display display;
    std::shared_ptr<gfx::SheetImage> shared, sharedDown;
};

}  // namespace

TEST(ColourSwaps, MapExactColoursOnly) {
    std::array<uint32_t, 256> shown = colours::Colours();
    const int red = colours::ToneIndex(Hue::Red, 3), area = colours::ToneIndex(Hue::AreaSkin, 2);
    shown[red] = 0x123456;
    shown[area] = 0x654321;
    const gfx::ColourSwaps swaps(shown);
    EXPECT_EQ(swaps.Count(), 2);
    EXPECT_EQ(swaps.Map(Shown(Hue::Red, 3)), 0xFF123456u);
    EXPECT_EQ(swaps.Map(colours::Tone(Hue::AreaSkin, 2)), 0xFF654321u);  // alpha not looked at
    const uint32_t nearRed = Shown(Hue::Red, 3) ^ 1u;
    EXPECT_EQ(swaps.Map(nearRed), nearRed);
    EXPECT_EQ(swaps.Map(Shown(Hue::Red, 2)), Shown(Hue::Red, 2));
    EXPECT_EQ(swaps.Map(gfx_test::kGreen), gfx_test::kGreen);
    EXPECT_TRUE(gfx::ColourSwaps(colours::Colours()).Empty());
}

TEST(ColourSwaps, RecolouredChangesExactlyTheSwappedPixels) {
    const gfx::ColourSwaps swaps(colours::PlayerColourMap(3, false));  // blue trunks, pale skin
    const auto source = SheetOf({Shown(Hue::AreaHips, 2), Shown(Hue::AreaSkin, 4),
                                 Shown(Hue::Yellow, 3), gfx::Argb(9, 9, 9)});
    const std::vector<uint32_t> before = source->pixels;
    const auto made = gfx::Recoloured(source, swaps);
    ASSERT_NE(made, source);
    EXPECT_EQ(source->pixels, before);  // the file's pixels stay as decoded
    EXPECT_EQ(made->pixels[0], Shown(Hue::Blue, 2));
    EXPECT_EQ(made->pixels[1], Shown(Hue::SkinPale, 4));
    EXPECT_EQ(made->pixels[2], Shown(Hue::Yellow, 3));
    EXPECT_EQ(made->pixels[3], gfx::Argb(9, 9, 9));
    for (size_t i = 4; i < made->pixels.size(); ++i)
        ASSERT_EQ(made->pixels[i], gfx_test::kGreen) << i;

    // A sheet without any of the areas (a player's own picture put in the folder) is shown as
    // it is, without a copy.
    const auto plain = SheetOf({Shown(Hue::Yellow, 3), gfx::Argb(200, 10, 10)});
    EXPECT_EQ(gfx::Recoloured(plain, swaps), plain);
    EXPECT_EQ(gfx::Recoloured(nullptr, swaps), nullptr);
}

TEST_F(Dressing, EachPlayerSeesTheSharedPicturesInItsOwnFightersColours) {
    gfx::DressPlayer(display, 1, 7, false);  // white dobok, pale skin
    gfx::DressPlayer(display, 2, 4, false);  // gold trunks, dark skin
    const gfx::SheetImage& one = SharedOf(1, 0);
    EXPECT_EQ(one.pixels[0], Shown(Hue::SkinPale, 3));
    EXPECT_EQ(one.pixels[1], Shown(Hue::White, 2));
    EXPECT_EQ(one.pixels[2], Shown(Hue::White, 4));
    EXPECT_EQ(one.pixels[3], Shown(Hue::Red, 3));  // not an area: as drawn
    EXPECT_EQ(one.pixels[4], gfx::Argb(1, 2, 3));
    const gfx::SheetImage& two = SharedOf(2, 0);
    EXPECT_EQ(two.pixels[0], Shown(Hue::SkinDark, 3));
    EXPECT_EQ(two.pixels[1], Shown(Hue::SkinDark, 2));  // bare-chested
    EXPECT_EQ(two.pixels[2], Shown(Hue::Gold, 4));
    EXPECT_EQ(SharedOf(1, 8).pixels[0], Shown(Hue::White, 1));
    EXPECT_EQ(SharedOf(2, 8).pixels[1], Shown(Hue::Red, 3));  // red gloves

    // The dressed copies keep the slot's key; the loaded common sheets stay as they are.
    EXPECT_TRUE(gfx::FighterSheet(display, 1, 0)->keyed);
    EXPECT_EQ(gfx::FighterSheet(display, 1, 0)->colorKey, gfx_test::kGreen);
    EXPECT_EQ(display.common[gfx::kCommon].image, shared);
    EXPECT_EQ(shared->pixels[0], Shown(Hue::AreaSkin, 3));

    // Drawn: player 1's hit picture lands in its own colours on the frame.
    const gfx::Rect cell{0, 0, 255, 255};
    gfx::DrawFighterPicture(display, 1, 0, cell, gfx::Rect{0, 0, 255, 255});
    EXPECT_EQ(display.frame[0], Shown(Hue::SkinPale, 3));
    EXPECT_EQ(display.frame[1], Shown(Hue::White, 2));

    // The own sheets of players with different fighters are the files' own pixels.
    EXPECT_EQ(display.player[1][0].image->pixels[0], Shown(Hue::Red, 3));
}

TEST_F(Dressing, SharedSheetsWithoutTheAreasAndUndressedPlayersShowTheLoadedPictures) {
    const auto own = SheetOf({Shown(Hue::Yellow, 3)});
    display.common[gfx::kCommon] = gfx_test::Keyed(own);
    gfx::DressPlayer(display, 1, 5, false);
    EXPECT_EQ(gfx::FighterSheet(display, 1, 0)->image, own);

    gfx::DressPlayer(display, 2, 5, false);
    gfx::DressPlayer(display, 2, 0, false);  // no fighter: undressed
    EXPECT_EQ(gfx::FighterSheet(display, 2, 0), &display.common[gfx::kCommon]);
    EXPECT_EQ(gfx::FighterSheet(display, 2, 8), &display.common[gfx::kCommonDown]);
}

TEST_F(Dressing, MirrorMatchPlayerTwoWearsTheSecondColoursEverywhereOnce) {
    // Fighter 2's second set swaps its red and blue: a colour swapped twice would be back.
    const auto loaded = display.player[1][0].image;
    const auto strip = display.player[1][9].image;
    gfx::DressPlayer(display, 1, 2, false);
    gfx::DressPlayer(display, 2, 2, true);
    auto check = [&] {
        const gfx::SheetImage& own = *display.player[1][0].image;
        EXPECT_EQ(own.pixels[0], Shown(Hue::Blue, 3));
        EXPECT_EQ(own.pixels[1], Shown(Hue::Red, 0));
        EXPECT_EQ(own.pixels[2], Shown(Hue::SkinTan, 3));  // the skin stays
        EXPECT_EQ(own.pixels[3], Shown(Hue::Green, 3));
        EXPECT_EQ(display.player[1][9].image, strip);  // the down effect is not a fighter
        EXPECT_EQ(SharedOf(2, 0).pixels[2], Shown(Hue::Blue, 4));  // the shorts, swapped
        EXPECT_EQ(SharedOf(1, 0).pixels[2], Shown(Hue::Red, 4));
        EXPECT_EQ(display.player[0][0].image->pixels[0], Shown(Hue::Red, 3));
    };
    check();
    // Dressed again (a rematch without a reload): the same copies, not swapped back.
    const auto made = display.player[1][0].image;
    const auto madeShared = gfx::FighterSheet(display, 2, 0)->image;
    gfx::DressPlayer(display, 2, 2, true);
    check();
    EXPECT_EQ(display.player[1][0].image, made);
    EXPECT_EQ(gfx::FighterSheet(display, 2, 0)->image, madeShared);

    // Against another fighter it wears its first colours: the files' own pixels again.
    gfx::DressPlayer(display, 2, 2, false);
    EXPECT_EQ(display.player[1][0].image, loaded);
    EXPECT_EQ(SharedOf(2, 0).pixels[2], Shown(Hue::Red, 4));
}

TEST_F(Dressing, ASheetIsRecolouredAgainOnlyWhenItsFileOrTheColoursChange) {
    gfx::DressPlayer(display, 1, 1, false);
    const auto first = gfx::FighterSheet(display, 1, 0)->image;
    gfx::DressPlayer(display, 1, 1, false);
    EXPECT_EQ(gfx::FighterSheet(display, 1, 0)->image, first);

    gfx::DressPlayer(display, 1, 3, false);
    const auto other = gfx::FighterSheet(display, 1, 0)->image;
    EXPECT_NE(other, first);
    EXPECT_EQ(other->pixels[2], Shown(Hue::Blue, 4));

    // A new decoding of the file (it changed on disk): made anew from it.
    auto changed = SheetOf({Shown(Hue::AreaHips, 1)});
    display.common[gfx::kCommon] = gfx_test::Keyed(changed);
    gfx::DressPlayer(display, 1, 3, false);
    EXPECT_EQ(gfx::FighterSheet(display, 1, 0)->image->pixels[0], Shown(Hue::Blue, 1));
}
