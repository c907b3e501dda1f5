// The palette the fighter sheets are drawn in (see colours/palette.h, which the game shares),
// with what the drawing needs on top: the exact colour to entry lookup that turns a drawn
// picture back into palette indices, and the test for colours too close to the key.
#pragma once

#include <array>
#include <cstdint>

#include "colours/palette.h"

namespace assetgen::palette {

using colours::Hue;
using colours::kInkIndex;
using colours::kKeyIndex;
using colours::kKeyRgb;
using colours::kTones;
using colours::kWhiteIndex;

// The whole palette as 0xRRGGBB words (the form WriteBmp8 takes, alpha ignored).
inline const std::array<uint32_t, 256>& Colours() {
    return colours::Colours();
}

// The palette entry of a hue's tone (clamped to the tones the hue has).
inline uint8_t ToneIndex(Hue hue, int tone) {
    return colours::ToneIndex(hue, tone);
}
inline uint32_t Tone(Hue hue, int tone) {
    return colours::Tone(hue, tone);
}
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
