// The colours of the fifteen fighters: what each one wears, colour by colour, the second set
// of colours player 2 wears when both players chose the same fighter, and the colour map a
// player's pictures are shown through.
//
// The asset generator paints each fighter's own sheets in these colours and the stand-in of
// the shared hit reactions and falls in the palette's areas; at a fight's set-up the game
// maps the areas (and, for a mirror match, player 2's colours) to this player's colours.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "colours/palette.h"

namespace colours {

constexpr int kFighterCount = 15;

// What a fighter wears. Parts a fighter does not cover show its skin.
struct FighterColours {
    Hue skin;
    Hue hair;      // the hair, the brows and a beard
    Hue crop;      // the stand-in's close-cropped hair: the hair, or the skin of a bald head
    Hue top;       // jacket, shirt or vest; the skin when bare-chested
    Hue sleeves;   // the top's colour for a jacket with sleeves, else the skin
    Hue neckline;  // the lapels or collar as seen at the neck; the skin when bare-chested
    Hue topTrim;   // the trim of the top: collar, lapels, straps, the coat's rim
    Hue legs;      // shorts, trunks or trousers
    Hue shins;     // the trousers below the knee; the skin under shorts
    Hue legTrim;   // stripes, cuffs, the shorts' waistband
    Hue waist;     // belt, sash or cord; else the waistband
    Hue hands;     // gloves or wraps; the skin when bare
    Hue feet;      // shoes, boots or slippers; the skin when bare
    Hue accent;    // headband or armbands
};

// One colour of a fighter replaced by another.
struct Swap {
    Hue from, to;
};

// The colours of roster number 1..15 (clamped).
const FighterColours& FighterColoursOf(int kind);

// The changes of a fighter's second set of colours: garments only, never skin or hair.
std::span<const Swap> AlternateSwaps(int kind);

// The fighter's colours with the swaps of its second set made.
FighterColours AlternateColoursOf(int kind);

// The colour of the fighter that a stand-in area shows; an area only (anything else is
// given back as it is).
Hue AreaHue(const FighterColours& fighter, Hue area);

// The palette as one player's pictures show it: each area's tones in that fighter's colours
// and, in the second set, the swapped families' tones in their replacements; every other
// entry as it is. A kind outside 1..15 shows the palette unchanged.
std::array<uint32_t, 256> PlayerColourMap(int kind, bool alternate);

}  // namespace colours
