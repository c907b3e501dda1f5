// The shared fighter palette: fixed base colours, each spread into six tones, and the
// stand-in's areas after them.
#include "colours/palette.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace colours {

namespace {

struct Base {
    Hue hue;
    uint32_t rgb;
};

// The base tone (tone 3) of every family.
constexpr Base kBases[] = {
    {Hue::SkinPale, 0xF0C8A8},  {Hue::SkinLight, 0xE0AC84}, {Hue::SkinTan, 0xC48A5C},
    {Hue::SkinBrown, 0x9A643E}, {Hue::SkinDark, 0x7E5236},  {Hue::SkinAsh, 0x9C94AC},
    {Hue::HairBlack, 0x2C2630}, {Hue::HairBrown, 0x5A3A24}, {Hue::HairAuburn, 0x8C4A22},
    {Hue::HairBlond, 0xDCB456}, {Hue::HairRed, 0xB83C1E},   {Hue::HairSilver, 0xC8C8D4},
    {Hue::White, 0xECECE6},     {Hue::Cream, 0xE2D4B4},     {Hue::Grey, 0x8C8C96},
    {Hue::Charcoal, 0x44444E},  {Hue::Black, 0x26242C},     {Hue::Red, 0xCC2228},
    {Hue::Maroon, 0x7C1A2E},    {Hue::Orange, 0xEC7818},    {Hue::Yellow, 0xF0C81E},
    {Hue::Gold, 0xD4A028},      {Hue::Green, 0x2C8A40},     {Hue::Olive, 0x6E7434},
    {Hue::Teal, 0x1C8C96},      {Hue::Sky, 0x50A0E6},       {Hue::Blue, 0x2446C8},
    {Hue::Navy, 0x1C2464},      {Hue::Purple, 0x6E2CA0},    {Hue::Magenta, 0xC42884},
    {Hue::Leather, 0x7C4A28},   {Hue::Khaki, 0xA89A6A},     {Hue::Fire, 0xF08A14},
    {Hue::Electric, 0x30B4F0},
};
static_assert(std::size(kBases) == kFamilyCount);

// How the shared pictures look in their own file: a plain figure in grey and charcoal clothes,
// as any program that shows the file sees it. Each area takes the tones of a family, each
// tone nudged by its entry's number in the lowest two bits of every channel, so that no two
// entries of the palette are the same colour.
constexpr Hue kAreaLooks[kAreaCount] = {
    Hue::SkinTan,    // skin
    Hue::HairBlack,  // hair
    Hue::Grey,       // torso
    Hue::SkinTan,    // sleeves: bare arms
    Hue::Charcoal,   // neckline
    Hue::Charcoal,   // hips
    Hue::Charcoal,   // legs
    Hue::Black,      // waist
    Hue::Cream,      // hands: wraps
    Hue::SkinTan,    // feet: bare
};

constexpr int kFirstAreaTone = 1;

constexpr uint32_t Rgb(int r, int g, int b) {
    auto clamp = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return clamp(r) << 16 | clamp(g) << 8 | clamp(b);
}

int Rounded(double v) {
    return static_cast<int>(std::lround(v));
}

// Shadows scale the colour toward black, shines mix it toward white: each tone keeps a part
// of the colour and adds a part of what it lacks of white.
uint32_t Shade(uint32_t rgb, int tone) {
    struct Step {
        double keep, whiten;
    };
    static constexpr Step kSteps[kTones] = {{0.30, 0.0}, {0.52, 0.0}, {0.74, 0.0},
                                            {1.0, 0.0},  {1.0, 0.30}, {1.0, 0.62}};
    const Step& step = kSteps[std::clamp(tone, 0, kTones - 1)];
    auto shade = [&](int shift) {
        const int c = static_cast<int>((rgb >> shift) & 0xFF);
        return Rounded(c * step.keep + (255 - c) * step.whiten);
    };
    return Rgb(shade(16), shade(8), shade(0));
}

// Puts the six bits of n into the two lowest bits of each channel.
uint32_t Nudged(uint32_t rgb, int n) {
    const uint32_t bits = static_cast<uint32_t>(n);
    return (rgb & 0xFCFCFCu) | ((bits >> 4) & 3u) << 16 | ((bits >> 2) & 3u) << 8 | (bits & 3u);
}

std::array<uint32_t, 256> Build() {
    std::array<uint32_t, 256> c{};
    c.fill(0x000000);
    c[kKeyIndex] = kKeyRgb;
    c[kInkIndex] = 0x181218;
    c[kWhiteIndex] = 0xFFFFFF;
    for (const Base& base : kBases)
        for (int tone = 0; tone < kTones; ++tone)
            c[kFirstRamp + static_cast<int>(base.hue) * kTones + tone] = Shade(base.rgb, tone);
    for (int area = 0; area < kAreaCount; ++area) {
        const uint32_t base = kBases[static_cast<int>(kAreaLooks[area])].rgb;
        for (int step = 0; step < kAreaTones; ++step) {
            const int entry = area * kAreaTones + step;
            c[kFirstAreaIndex + entry] = Nudged(Shade(base, kFirstAreaTone + step), entry);
        }
    }
    return c;
}

static_assert(kFirstRamp + kFamilyCount * kTones <= kFirstAreaIndex,
              "the ramps must end before the areas");
static_assert(kFirstAreaIndex + kAreaCount * kAreaTones <= 256, "the areas must fit the palette");

}  // namespace

const std::array<uint32_t, 256>& Colours() {
    static const std::array<uint32_t, 256> colours = Build();
    return colours;
}

uint8_t ToneIndex(Hue hue, int tone) {
    const int h = static_cast<int>(hue);
    if (IsArea(hue)) {
        const int step =
            std::clamp(tone, kFirstAreaTone, kFirstAreaTone + kAreaTones - 1) - kFirstAreaTone;
        return static_cast<uint8_t>(kFirstAreaIndex + (h - kFamilyCount) * kAreaTones + step);
    }
    return static_cast<uint8_t>(kFirstRamp + std::clamp(h, 0, kFamilyCount - 1) * kTones +
                                std::clamp(tone, 0, kTones - 1));
}

uint32_t Tone(Hue hue, int tone) {
    return Colours()[ToneIndex(hue, tone)];
}

Hue HueOfIndex(int index) {
    if (index >= kFirstRamp && index < kFirstRamp + kFamilyCount * kTones)
        return static_cast<Hue>((index - kFirstRamp) / kTones);
    if (index >= kFirstAreaIndex && index < kFirstAreaIndex + kAreaCount * kAreaTones)
        return static_cast<Hue>(kFamilyCount + (index - kFirstAreaIndex) / kAreaTones);
    return Hue::Count;
}

int ToneOfIndex(int index) {
    const Hue hue = HueOfIndex(index);
    if (hue == Hue::Count) return -1;
    if (IsArea(hue)) return kFirstAreaTone + (index - kFirstAreaIndex) % kAreaTones;
    return (index - kFirstRamp) % kTones;
}

}  // namespace colours
