// The shared fighter palette: fixed base colours, each spread into six tones.
#include "assetgen/palette.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <utility>
#include <vector>

namespace assetgen::palette {

namespace {

struct Base {
    Hue hue;
    uint32_t rgb;
};

// The base tone (tone 3) of every hue.
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
static_assert(std::size(kBases) == kHueCount);

uint32_t Rgb(int r, int g, int b) {
    auto clamp = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return clamp(r) << 16 | clamp(g) << 8 | clamp(b);
}

// Shadows scale the colour toward black, shines mix it toward white.
uint32_t Shade(uint32_t rgb, int tone) {
    static constexpr double kDark[] = {0.30, 0.52, 0.74, 1.0};
    static constexpr double kLight[] = {0.0, 0.0, 0.0, 0.0, 0.30, 0.62};
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    if (tone <= 3) {
        const double f = kDark[tone];
        return Rgb(static_cast<int>(r * f + 0.5), static_cast<int>(g * f + 0.5),
                   static_cast<int>(b * f + 0.5));
    }
    const double t = kLight[tone];
    return Rgb(static_cast<int>(r + (255 - r) * t + 0.5), static_cast<int>(g + (255 - g) * t + 0.5),
               static_cast<int>(b + (255 - b) * t + 0.5));
}

struct Tables {
    std::array<uint32_t, 256> colours{};
    std::vector<std::pair<uint32_t, uint8_t>> sorted;  // colour -> first index holding it
};

Tables Build() {
    Tables t;
    t.colours.fill(0x000000);
    t.colours[kKeyIndex] = kKeyRgb;
    t.colours[kInkIndex] = 0x181218;
    t.colours[kWhiteIndex] = 0xFFFFFF;
    t.colours[3] = 0x000000;
    for (const Base& base : kBases)
        for (int tone = 0; tone < kTones; ++tone)
            t.colours[kFirstRamp + static_cast<int>(base.hue) * kTones + tone] =
                Shade(base.rgb, tone);
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = t.colours[i];
        if (i != kKeyIndex) assert(!NearKey(c) && "a palette colour looks like the key");
        const bool known = std::any_of(t.sorted.begin(), t.sorted.end(),
                                       [c](const auto& e) { return e.first == c; });
        if (!known) t.sorted.push_back({c, static_cast<uint8_t>(i)});
    }
    std::sort(t.sorted.begin(), t.sorted.end());
    return t;
}

const Tables& Get() {
    static const Tables tables = Build();
    return tables;
}

static_assert(kFirstRamp + kHueCount * kTones <= 256, "the ramps must fit the palette");

}  // namespace

const std::array<uint32_t, 256>& Colours() {
    return Get().colours;
}

uint8_t ToneIndex(Hue hue, int tone) {
    return static_cast<uint8_t>(kFirstRamp + static_cast<int>(hue) * kTones +
                                std::clamp(tone, 0, kTones - 1));
}

uint32_t Tone(Hue hue, int tone) {
    return Colours()[ToneIndex(hue, tone)];
}

int IndexOf(uint32_t rgb) {
    const auto& sorted = Get().sorted;
    auto it = std::lower_bound(sorted.begin(), sorted.end(), std::make_pair(rgb & 0xFFFFFFu, 0),
                               [](const auto& a, const auto& b) { return a.first < b.first; });
    if (it == sorted.end() || it->first != (rgb & 0xFFFFFFu)) return -1;
    return it->second;
}

bool NearKey(uint32_t rgb) {
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r <= 60 && b <= 60 && g >= 195;
}

}  // namespace assetgen::palette
