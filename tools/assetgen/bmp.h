// Windows bitmap files as the game reads them: 24-bit true colour, or 8-bit with a
// 256-entry colour table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

constexpr uint32_t kKeyGreen = 0xFF00FF00u;  // pure green, the transparent colour (ARGB)

// pixels: width * height ARGB words, top row first; alpha is ignored.
bool WriteBmp24(const std::string& path, int width, int height,
                const std::vector<uint32_t>& pixels);

// indices: width * height palette indexes, top row first; palette: 256 ARGB colours.
bool WriteBmp8(const std::string& path, int width, int height, const std::vector<uint8_t>& indices,
               const std::array<uint32_t, 256>& palette);

// The encoded file bytes, for tests and for writers that keep them.
std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint32_t>& pixels);
std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<uint8_t>& indices,
                                const std::array<uint32_t, 256>& palette);

}  // namespace assetgen
