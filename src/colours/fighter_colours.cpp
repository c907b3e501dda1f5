// The fifteen fighters' colours and their second sets.
#include "colours/fighter_colours.h"

#include <algorithm>

namespace colours {

namespace {

using H = Hue;

constexpr FighterColours kFighters[kFighterCount] = {
    // 1: karateka in a white gi, black belt and red headband
    {.skin = H::SkinLight,
     .hair = H::HairBlack,
     .crop = H::HairBlack,
     .top = H::White,
     .sleeves = H::White,
     .neckline = H::White,
     .topTrim = H::Black,
     .legs = H::White,
     .shins = H::White,
     .legTrim = H::White,
     .waist = H::Black,
     .hands = H::SkinLight,
     .feet = H::SkinLight,
     .accent = H::Red},
    // 2: Thai boxer in red shorts, blue armbands, wraps
    {.skin = H::SkinTan,
     .hair = H::HairBlack,
     .crop = H::HairBlack,
     .top = H::SkinTan,
     .sleeves = H::SkinTan,
     .neckline = H::SkinTan,
     .topTrim = H::Black,
     .legs = H::Red,
     .shins = H::SkinTan,
     .legTrim = H::White,
     .waist = H::White,
     .hands = H::Cream,
     .feet = H::SkinTan,
     .accent = H::Blue},
    // 3: blond boxer in blue trunks, gloves and navy boots
    {.skin = H::SkinPale,
     .hair = H::HairBlond,
     .crop = H::HairBlond,
     .top = H::SkinPale,
     .sleeves = H::SkinPale,
     .neckline = H::SkinPale,
     .topTrim = H::Black,
     .legs = H::Blue,
     .shins = H::SkinPale,
     .legTrim = H::White,
     .waist = H::White,
     .hands = H::Blue,
     .feet = H::Navy,
     .accent = H::Red},
    // 4: bald heavyweight in gold trunks, red gloves, black boots
    {.skin = H::SkinDark,
     .hair = H::HairBlack,
     .crop = H::SkinDark,
     .top = H::SkinDark,
     .sleeves = H::SkinDark,
     .neckline = H::SkinDark,
     .topTrim = H::Black,
     .legs = H::Gold,
     .shins = H::SkinDark,
     .legTrim = H::Black,
     .waist = H::Black,
     .hands = H::Red,
     .feet = H::Black,
     .accent = H::Red},
    // 5: kickboxer in black satin trousers with a red stripe, red gloves
    {.skin = H::SkinLight,
     .hair = H::HairAuburn,
     .crop = H::HairAuburn,
     .top = H::SkinLight,
     .sleeves = H::SkinLight,
     .neckline = H::SkinLight,
     .topTrim = H::Black,
     .legs = H::Black,
     .shins = H::Black,
     .legTrim = H::Red,
     .waist = H::Red,
     .hands = H::Red,
     .feet = H::SkinLight,
     .accent = H::Red},
    // 6: Bajiquan fighter in a navy jacket with white trim, black trousers, red sash
    {.skin = H::SkinLight,
     .hair = H::HairBlack,
     .crop = H::HairBlack,
     .top = H::Navy,
     .sleeves = H::Navy,
     .neckline = H::White,
     .topTrim = H::White,
     .legs = H::Black,
     .shins = H::Black,
     .legTrim = H::White,
     .waist = H::Red,
     .hands = H::SkinLight,
     .feet = H::Black,
     .accent = H::Red},
    // 7: taekwondo fighter in a white dobok with a black collar and belt
    {.skin = H::SkinPale,
     .hair = H::HairBrown,
     .crop = H::HairBrown,
     .top = H::White,
     .sleeves = H::White,
     .neckline = H::Black,
     .topTrim = H::Black,
     .legs = H::White,
     .shins = H::White,
     .legTrim = H::White,
     .waist = H::Black,
     .hands = H::SkinPale,
     .feet = H::SkinPale,
     .accent = H::Red},
    // 8: red-crested kickboxer in navy satin trousers with gold, black gloves
    {.skin = H::SkinBrown,
     .hair = H::HairRed,
     .crop = H::HairRed,
     .top = H::SkinBrown,
     .sleeves = H::SkinBrown,
     .neckline = H::SkinBrown,
     .topTrim = H::Black,
     .legs = H::Navy,
     .shins = H::Navy,
     .legTrim = H::Gold,
     .waist = H::Gold,
     .hands = H::Black,
     .feet = H::SkinBrown,
     .accent = H::Red},
    // 9: karateka in a charcoal gi with a red belt
    {.skin = H::SkinTan,
     .hair = H::HairBlack,
     .crop = H::HairBlack,
     .top = H::Charcoal,
     .sleeves = H::Charcoal,
     .neckline = H::Charcoal,
     .topTrim = H::Black,
     .legs = H::Charcoal,
     .shins = H::Charcoal,
     .legTrim = H::White,
     .waist = H::Red,
     .hands = H::SkinTan,
     .feet = H::SkinTan,
     .accent = H::Red},
    // 10: kickboxer in green satin trousers and gloves
    {.skin = H::SkinDark,
     .hair = H::HairBlack,
     .crop = H::HairBlack,
     .top = H::SkinDark,
     .sleeves = H::SkinDark,
     .neckline = H::SkinDark,
     .topTrim = H::Black,
     .legs = H::Green,
     .shins = H::Green,
     .legTrim = H::White,
     .waist = H::White,
     .hands = H::Green,
     .feet = H::SkinDark,
     .accent = H::Red},
    // 11: silver-haired boxer in purple trunks and gloves, white boots
    {.skin = H::SkinTan,
     .hair = H::HairSilver,
     .crop = H::HairSilver,
     .top = H::SkinTan,
     .sleeves = H::SkinTan,
     .neckline = H::SkinTan,
     .topTrim = H::Black,
     .legs = H::Purple,
     .shins = H::SkinTan,
     .legTrim = H::Gold,
     .waist = H::Gold,
     .hands = H::Purple,
     .feet = H::White,
     .accent = H::Red},
    // 12: Jeet Kune Do fighter in an orange vest, black trousers and slippers
    {.skin = H::SkinLight,
     .hair = H::HairBlack,
     .crop = H::HairBlack,
     .top = H::Orange,
     .sleeves = H::SkinLight,
     .neckline = H::Black,
     .topTrim = H::Black,
     .legs = H::Black,
     .shins = H::Black,
     .legTrim = H::Orange,
     .waist = H::Black,
     .hands = H::Black,
     .feet = H::Black,
     .accent = H::Red},
    // 13: bald Thai boxer in blue shorts with gold, red armbands, wraps
    {.skin = H::SkinBrown,
     .hair = H::HairBlack,
     .crop = H::SkinBrown,
     .top = H::SkinBrown,
     .sleeves = H::SkinBrown,
     .neckline = H::SkinBrown,
     .topTrim = H::Black,
     .legs = H::Blue,
     .shins = H::SkinBrown,
     .legTrim = H::Gold,
     .waist = H::Gold,
     .hands = H::Cream,
     .feet = H::SkinBrown,
     .accent = H::Red},
    // 14: capoeirista in white trousers with a yellow cord
    {.skin = H::SkinDark,
     .hair = H::HairBlack,
     .crop = H::HairBlack,
     .top = H::SkinDark,
     .sleeves = H::SkinDark,
     .neckline = H::SkinDark,
     .topTrim = H::Black,
     .legs = H::White,
     .shins = H::White,
     .legTrim = H::White,
     .waist = H::Yellow,
     .hands = H::SkinDark,
     .feet = H::SkinDark,
     .accent = H::Red},
    // 15: the old master in a black coat with gold, maroon trousers, red sash
    {.skin = H::SkinAsh,
     .hair = H::HairSilver,
     .crop = H::HairSilver,
     .top = H::Black,
     .sleeves = H::SkinAsh,
     .neckline = H::Gold,
     .topTrim = H::Gold,
     .legs = H::Maroon,
     .shins = H::Maroon,
     .legTrim = H::Gold,
     .waist = H::Red,
     .hands = H::SkinAsh,
     .feet = H::Black,
     .accent = H::Red},
};

// The second sets: each fighter's main garment colour changes to one far from it.
constexpr Swap kSwaps1[] = {{H::White, H::Blue}};
constexpr Swap kSwaps2[] = {{H::Red, H::Blue}, {H::Blue, H::Red}};
constexpr Swap kSwaps3[] = {{H::Blue, H::Red}, {H::Navy, H::Maroon}};
constexpr Swap kSwaps4[] = {{H::Gold, H::White}, {H::Red, H::Blue}};
constexpr Swap kSwaps5[] = {{H::Black, H::White}, {H::Red, H::Blue}};
constexpr Swap kSwaps6[] = {{H::Navy, H::White}, {H::White, H::Navy}};
constexpr Swap kSwaps7[] = {{H::White, H::Red}};
constexpr Swap kSwaps8[] = {{H::Navy, H::Red}, {H::Black, H::White}};
constexpr Swap kSwaps9[] = {{H::Charcoal, H::White}};
constexpr Swap kSwaps10[] = {{H::Green, H::Orange}};
constexpr Swap kSwaps11[] = {{H::Purple, H::Gold}, {H::Gold, H::Purple}, {H::White, H::Black}};
constexpr Swap kSwaps12[] = {{H::Black, H::White}, {H::Orange, H::Red}};
constexpr Swap kSwaps13[] = {{H::Blue, H::Red}, {H::Red, H::Blue}};
constexpr Swap kSwaps14[] = {{H::White, H::Blue}};
constexpr Swap kSwaps15[] = {{H::Black, H::White}, {H::Maroon, H::Navy}};

constexpr std::span<const Swap> kSwaps[kFighterCount] = {
    kSwaps1, kSwaps2,  kSwaps3,  kSwaps4,  kSwaps5,  kSwaps6,  kSwaps7,  kSwaps8,
    kSwaps9, kSwaps10, kSwaps11, kSwaps12, kSwaps13, kSwaps14, kSwaps15,
};

int Clamped(int kind) {
    return std::clamp(kind, 1, kFighterCount) - 1;
}

Hue Swapped(Hue hue, std::span<const Swap> swaps) {
    for (const Swap& s : swaps)
        if (s.from == hue) return s.to;
    return hue;
}

}  // namespace

const FighterColours& FighterColoursOf(int kind) {
    return kFighters[Clamped(kind)];
}

std::span<const Swap> AlternateSwaps(int kind) {
    return kSwaps[Clamped(kind)];
}

FighterColours AlternateColoursOf(int kind) {
    const std::span<const Swap> swaps = AlternateSwaps(kind);
    FighterColours c = FighterColoursOf(kind);
    for (Hue* h : {&c.skin, &c.hair, &c.crop, &c.top, &c.sleeves, &c.neckline, &c.topTrim, &c.legs,
                   &c.shins, &c.legTrim, &c.waist, &c.hands, &c.feet, &c.accent})
        *h = Swapped(*h, swaps);
    return c;
}

Hue AreaHue(const FighterColours& f, Hue area) {
    switch (area) {
        case Hue::AreaSkin: return f.skin;
        case Hue::AreaHair: return f.crop;
        case Hue::AreaTorso: return f.top;
        case Hue::AreaSleeves: return f.sleeves;
        case Hue::AreaNeckline: return f.neckline;
        case Hue::AreaHips: return f.legs;
        case Hue::AreaLegs: return f.shins;
        case Hue::AreaWaist: return f.waist;
        case Hue::AreaHands: return f.hands;
        case Hue::AreaFeet: return f.feet;
        default: return area;
    }
}

std::array<uint32_t, 256> PlayerColourMap(int kind, bool alternate) {
    std::array<uint32_t, 256> map = Colours();
    if (kind < 1 || kind > kFighterCount) return map;
    const FighterColours fighter = alternate ? AlternateColoursOf(kind) : FighterColoursOf(kind);
    if (alternate)
        for (const Swap& s : AlternateSwaps(kind))
            for (int tone = 0; tone < kTones; ++tone)
                map[ToneIndex(s.from, tone)] = Tone(s.to, tone);
    for (int a = kFamilyCount; a < kFamilyCount + kAreaCount; ++a) {
        const Hue area = static_cast<Hue>(a);
        for (int tone = 1; tone <= kAreaTones; ++tone)
            map[ToneIndex(area, tone)] = Tone(AreaHue(fighter, area), tone);
    }
    return map;
}

}  // namespace colours
