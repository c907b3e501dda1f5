// The colour to palette entry lookup of the drawn pictures.
#include "assetgen/palette.h"

#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

namespace assetgen::palette {

namespace {

// Colour -> first index holding it, sorted by colour.
std::vector<std::pair<uint32_t, uint8_t>> Build() {
    std::vector<std::pair<uint32_t, uint8_t>> sorted;
    const auto& colours = Colours();
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = colours[i];
        if (i != kKeyIndex) assert(!NearKey(c) && "a palette colour looks like the key");
        const bool known =
            std::any_of(sorted.begin(), sorted.end(), [c](const auto& e) { return e.first == c; });
        if (!known) sorted.push_back({c, static_cast<uint8_t>(i)});
    }
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

}  // namespace

int IndexOf(uint32_t rgb) {
    static const std::vector<std::pair<uint32_t, uint8_t>> sorted = Build();
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
