// The one 256-colour palette every fighter sheet shares: the key green, an outline ink, and
// for every skin, hair, cloth and effect colour a ramp of six tones from deep shadow to shine.
// Pictures are drawn with these colours only, so each pixel maps back to its index exactly.
#pragma once

#include <array>
#include <cstdint>

namespace assetgen::palette {

// The colour families. Each owns six consecutive palette entries (see Tone).
enum class Hue : uint8_t {
    // skins
    SkinPale,
    SkinLight,
    SkinTan,
    SkinBrown,
    SkinDark,
    SkinAsh,
    // hair
    HairBlack,
    HairBrown,
    HairAuburn,
    HairBlond,
    HairRed,
    HairSilver,
    // cloth and trim
    White,
    Cream,
    Grey,
    Charcoal,
    Black,
    Red,
    Maroon,
    Orange,
    Yellow,
    Gold,
    Green,
    Olive,
    Teal,
    Sky,
    Blue,
    Navy,
    Purple,
    Magenta,
    Leather,
    Khaki,
    // effects
    Fire,
    Electric,
    Count
};

constexpr int kHueCount = static_cast<int>(Hue::Count);
constexpr int kTones = 6;  // 0 deepest shadow .. 3 base .. 5 brightest shine

constexpr uint8_t kKeyIndex = 0;    // pure green, transparent in the game
constexpr uint8_t kInkIndex = 1;    // the outline
constexpr uint8_t kWhiteIndex = 2;  // pure white: eye whites, sparks
constexpr uint8_t kFirstRamp = 8;   // ramps start here

constexpr uint32_t kKeyRgb = 0x00FF00u;

// The whole palette as 0xRRGGBB words (the form WriteBmp8 takes, alpha ignored).
const std::array<uint32_t, 256>& Colours();

// The palette entry of a hue's tone (tone clamped to 0..5).
uint8_t ToneIndex(Hue hue, int tone);
uint32_t Tone(Hue hue, int tone);
inline uint32_t Ink() {
    return Colours()[kInkIndex];
}
inline uint32_t PureWhite() {
    return Colours()[kWhiteIndex];
}

// The index of an exact palette colour (0xRRGGBB), or -1 when the colour is not in it.
int IndexOf(uint32_t rgb);

// True when rgb is the key or looks almost like it: such a colour must never be drawn.
bool NearKey(uint32_t rgb);

}  // namespace assetgen::palette
