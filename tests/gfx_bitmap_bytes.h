// Bitmap files written byte by byte, for the tests that need layouts SDL's writer does not
// make: lying headers, run-length data, 16-bit pixels, unusual masks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace gfx_test {

using Bytes = std::vector<uint8_t>;

inline void Put16At(Bytes& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

inline void Put32At(Bytes& b, size_t at, int64_t v) {
    const auto u = static_cast<uint32_t>(v);
    Put16At(b, at, u & 0xFFFF);
    Put16At(b, at + 2, u >> 16);
}

inline void Append(Bytes& b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

inline Bytes Words32(const std::vector<uint32_t>& words) {
    Bytes b(4 * words.size());
    for (size_t i = 0; i < words.size(); ++i)
        Put32At(b, 4 * i, words[i]);
    return b;
}

// The compression field of the info header.
constexpr int kUncompressed = 0, kRunLength8 = 1, kBitFields = 3;

// A bitmap file with a 40-byte info header: the file header, the info header, then
// `table` (the masks or the colour table), then `pixels` as they are.
inline Bytes BitmapFile(int32_t width, int32_t height, int bits, int compression,
                        const Bytes& table, const Bytes& pixels) {
    Bytes b(54 + table.size() + pixels.size(), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32At(b, 2, static_cast<int64_t>(54 + table.size() + pixels.size()));
    Put32At(b, 10, static_cast<int64_t>(54 + table.size()));
    Put32At(b, 14, 40);
    Put32At(b, 18, width);
    Put32At(b, 22, height);
    Put16At(b, 26, 1);
    Put16At(b, 28, static_cast<uint32_t>(bits));
    Put32At(b, 30, compression);
    Put32At(b, 34, static_cast<int64_t>(pixels.size()));
    if (bits <= 8) Put32At(b, 46, static_cast<int64_t>(table.size() / 4));
    std::copy(table.begin(), table.end(), b.begin() + 54);
    std::copy(pixels.begin(), pixels.end(), b.begin() + 54 + static_cast<ptrdiff_t>(table.size()));
    return b;
}

// A grey colour table of 256 entries.
inline Bytes GreyTable() {
    Bytes t(1024, 0);
    for (size_t i = 0; i < 256; ++i)
        t[4 * i] = t[4 * i + 1] = t[4 * i + 2] = static_cast<uint8_t>(i);
    return t;
}

// An 8-bit run-length bitmap of any claimed size whose data is one run and the end mark:
// about a kilobyte on disk.
inline Bytes RunLengthBitmap(int32_t width, int32_t height) {
    return BitmapFile(width, height, 8, kRunLength8, GreyTable(), Bytes{4, 7, 0, 1});
}

// 16-bit pixels, rows bottom to top as the file keeps them, each row padded to 4 bytes.
inline Bytes Pixels16(int width, const std::vector<std::vector<uint16_t>>& rowsTopDown) {
    const size_t stride = (2 * static_cast<size_t>(width) + 3) / 4 * 4;
    Bytes b;
    for (auto row = rowsTopDown.rbegin(); row != rowsTopDown.rend(); ++row) {
        Bytes line(stride, 0);
        for (size_t x = 0; x < row->size(); ++x)
            Put16At(line, 2 * x, (*row)[x]);
        Append(b, line);
    }
    return b;
}

inline bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace gfx_test
