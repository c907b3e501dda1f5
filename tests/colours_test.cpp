// The fighters' palette and colours: every colour of the palette is its own (a drawn pixel
// names its entry exactly, and the game finds the areas by their colours), the entries and
// their families and tones agree, the second colours only change clothes, and a player's
// colour map changes only what it should.
#include <gtest/gtest.h>

#include <set>

#include "colours/fighter_colours.h"
#include "colours/palette.h"

namespace {

using colours::Hue;

bool Unused(int index) {
    return colours::HueOfIndex(index) == Hue::Count && index != colours::kKeyIndex &&
           index != colours::kInkIndex && index != colours::kWhiteIndex;
}

}  // namespace

TEST(Palette, EveryUsedEntryIsAColourOfItsOwnAndNoneLooksLikeTheKey) {
    const auto& palette = colours::Colours();
    std::set<uint32_t> seen;
    for (int i = 0; i < 256; ++i) {
        if (Unused(i)) {
            EXPECT_EQ(palette[i], 0u) << i;
            continue;
        }
        EXPECT_TRUE(seen.insert(palette[i]).second) << "entry " << i << " repeats a colour";
        const int r = palette[i] >> 16 & 255, g = palette[i] >> 8 & 255, b = palette[i] & 255;
        if (i != colours::kKeyIndex) {
            EXPECT_FALSE(r <= 60 && b <= 60 && g >= 195) << i;
        }
    }
    EXPECT_EQ(palette[colours::kKeyIndex], colours::kKeyRgb);
    // The areas fill the palette's top, after the families.
    EXPECT_EQ(colours::ToneIndex(Hue::Electric, 5) + 1, 212);
    EXPECT_EQ(colours::ToneIndex(Hue::AreaSkin, 1), colours::kFirstAreaIndex);
    EXPECT_EQ(colours::ToneIndex(Hue::AreaFeet, 4), 251);
}

TEST(Palette, EntriesKnowTheirFamilyAndTone) {
    for (int h = 0; h < static_cast<int>(Hue::Count); ++h) {
        const Hue hue = static_cast<Hue>(h);
        const bool area = colours::IsArea(hue);
        EXPECT_EQ(area, h >= colours::kFamilyCount) << h;
        const int first = area ? 1 : 0, last = area ? 4 : 5;
        for (int tone = first; tone <= last; ++tone) {
            const int index = colours::ToneIndex(hue, tone);
            EXPECT_EQ(colours::HueOfIndex(index), hue) << h << " " << tone;
            EXPECT_EQ(colours::ToneOfIndex(index), tone) << h << " " << tone;
            EXPECT_EQ(colours::Tone(hue, tone), colours::Colours()[index]);
        }
        // Tones beyond the ends are the ends.
        EXPECT_EQ(colours::ToneIndex(hue, first - 1), colours::ToneIndex(hue, first));
        EXPECT_EQ(colours::ToneIndex(hue, last + 3), colours::ToneIndex(hue, last));
    }
    for (int i : {0, 1, 2, 3, 7, 252, 255}) {
        EXPECT_EQ(colours::HueOfIndex(i), Hue::Count) << i;
        EXPECT_EQ(colours::ToneOfIndex(i), -1) << i;
    }
}

TEST(FighterColours, SecondColoursChangeClothesTheStandInShowsAndNeverSkinOrHair) {
    for (int kind = 1; kind <= colours::kFighterCount; ++kind) {
        SCOPED_TRACE(kind);
        const colours::FighterColours& first = colours::FighterColoursOf(kind);
        const colours::FighterColours second = colours::AlternateColoursOf(kind);
        EXPECT_EQ(second.skin, first.skin);
        EXPECT_EQ(second.hair, first.hair);
        EXPECT_EQ(second.crop, first.crop);
        std::set<Hue> from;
        for (const colours::Swap& s : colours::AlternateSwaps(kind)) {
            EXPECT_TRUE(from.insert(s.from).second) << "a colour swapped twice";
            EXPECT_NE(s.from, s.to);
            EXPECT_FALSE(colours::IsArea(s.from) || colours::IsArea(s.to));
            EXPECT_NE(s.from, first.skin);
            EXPECT_NE(s.to, first.skin);
        }
        int changedAreas = 0;
        for (int a = colours::kFamilyCount; a < static_cast<int>(Hue::Count); ++a) {
            const Hue area = static_cast<Hue>(a);
            const Hue hue = colours::AreaHue(first, area);
            EXPECT_FALSE(colours::IsArea(hue));
            if (colours::AreaHue(second, area) != hue) ++changedAreas;
        }
        EXPECT_GE(changedAreas, 1);
        // What is bare shows the skin in both sets.
        if (first.top == first.skin) {
            EXPECT_EQ(second.top, second.skin);
        }
        if (first.shins == first.skin) {
            EXPECT_EQ(second.shins, second.skin);
        }
    }
}

TEST(FighterColours, ColourMapChangesTheAreasAndInTheSecondSetTheSwappedTones) {
    const auto& palette = colours::Colours();
    for (int kind = 1; kind <= colours::kFighterCount; ++kind) {
        SCOPED_TRACE(kind);
        const auto first = colours::PlayerColourMap(kind, false);
        const auto second = colours::PlayerColourMap(kind, true);
        std::set<Hue> swapped;
        for (const colours::Swap& s : colours::AlternateSwaps(kind))
            swapped.insert(s.from);
        for (int i = 0; i < 256; ++i) {
            const Hue hue = colours::HueOfIndex(i);
            if (colours::IsArea(hue)) {
                const int tone = colours::ToneOfIndex(i);
                EXPECT_EQ(
                    first[i],
                    colours::Tone(colours::AreaHue(colours::FighterColoursOf(kind), hue), tone))
                    << i;
                EXPECT_EQ(
                    second[i],
                    colours::Tone(colours::AreaHue(colours::AlternateColoursOf(kind), hue), tone))
                    << i;
                continue;
            }
            EXPECT_EQ(first[i], palette[i]) << i;
            if (swapped.count(hue) == 0) {
                EXPECT_EQ(second[i], palette[i]) << i;
            } else {
                EXPECT_NE(second[i], palette[i]) << i;
            }
        }
    }
    // No fighter: the palette as it is.
    EXPECT_EQ(colours::PlayerColourMap(0, false), palette);
    EXPECT_EQ(colours::PlayerColourMap(16, true), palette);
}
