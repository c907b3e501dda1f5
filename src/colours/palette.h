// The one 256-colour palette every fighter sheet shares: the key green, an outline ink, and
// for every skin, hair, cloth and effect colour a ramp of six tones from deep shadow to shine.
// The last entries are the stand-in's areas: the hit reactions and falls all fighters share
// are painted in them, and each player's fight shows them in that fighter's own colours.
// The asset generator paints with these colours and the game recolours with them, so both
// take them from here.
#pragma once

#include <array>
#include <cstdint>

namespace colours {

// The colour families, each owning six consecutive palette entries (see ToneIndex), then the
// stand-in's areas, each owning four.
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
    // The stand-in's areas: what the shared pictures paint and the fight recolours.
    AreaSkin,      // face, neck, arms, bare hands and legs
    AreaHair,      // the close-cropped hair and the brows
    AreaTorso,     // the top over the chest: the skin when bare-chested
    AreaSleeves,   // the upper arms: the jacket's sleeves or the skin
    AreaNeckline,  // the lapels or collar at the neck
    AreaHips,      // shorts, trunks or the top of the trousers
    AreaLegs,      // below the shorts' hem: trousers or the skin
    AreaWaist,     // belt, sash, cord or waistband
    AreaHands,     // gloves, wraps or bare hands
    AreaFeet,      // shoes, boots, slippers or bare feet
    Count
};

constexpr int kFamilyCount = static_cast<int>(Hue::AreaSkin);
constexpr int kAreaCount = static_cast<int>(Hue::Count) - kFamilyCount;
constexpr int kTones = 6;      // a family's tones: 0 deepest shadow .. 3 base .. 5 brightest shine
constexpr int kAreaTones = 4;  // an area's tones: 1 .. 4, the ones the figure's parts use

constexpr uint8_t kKeyIndex = 0;          // pure green, transparent in the game
constexpr uint8_t kInkIndex = 1;          // the outline
constexpr uint8_t kWhiteIndex = 2;        // pure white: eye whites, sparks
constexpr uint8_t kFirstRamp = 8;         // the families' ramps start here
constexpr uint8_t kFirstAreaIndex = 212;  // the areas' entries start here

constexpr uint32_t kKeyRgb = 0x00FF00u;

constexpr bool IsArea(Hue hue) {
    return static_cast<int>(hue) >= kFamilyCount && hue != Hue::Count;
}

// The whole palette as 0xRRGGBB words.
const std::array<uint32_t, 256>& Colours();

// The palette entry of a hue's tone. A family's tone is clamped to 0..5, an area's to 1..4.
uint8_t ToneIndex(Hue hue, int tone);
uint32_t Tone(Hue hue, int tone);

// The family a palette entry belongs to (an area counts as itself); Hue::Count for the key,
// the ink, pure white and the unused entries.
Hue HueOfIndex(int index);

// The tone a palette entry is of its family or area, or -1 where HueOfIndex gives Count.
int ToneOfIndex(int index);

}  // namespace colours
