// Bitmap file encoding: BITMAPFILEHEADER + BITMAPINFOHEADER, rows bottom-up, padded to 4 bytes.
#include "assetgen/bmp.h"

#include "assetgen/output.h"

namespace assetgen {

namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

std::vector<uint8_t> Headers(int width, int height, int bits, uint32_t paletteBytes,
                             uint32_t imageBytes) {
    std::vector<uint8_t> b;
    const uint32_t offset = 14 + 40 + paletteBytes;
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + imageBytes);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(width));
    Put32(b, static_cast<uint32_t>(height));
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(bits));
    Put32(b, 0);  // no compression
    Put32(b, imageBytes);
    Put32(b, 2835);  // 72 dpi
    Put32(b, 2835);
    Put32(b, bits == 8 ? 256 : 0);
    Put32(b, 0);
    return b;
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint32_t>& pixels) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    std::vector<uint8_t> b = Headers(width, height, 24, 0, stride * height);
    b.reserve(b.size() + stride * height);
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* row = &pixels[static_cast<size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            b.push_back(row[x] & 0xFF);
            b.push_back((row[x] >> 8) & 0xFF);
            b.push_back((row[x] >> 16) & 0xFF);
        }
        for (uint32_t pad = width * 3; pad < stride; ++pad)
            b.push_back(0);
    }
    return b;
}

std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<uint8_t>& indices,
                                const std::array<uint32_t, 256>& palette) {
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) & ~3u;
    std::vector<uint8_t> b = Headers(width, height, 8, 256 * 4, stride * height);
    b.reserve(b.size() + 1024 + stride * height);
    for (uint32_t c : palette) {
        b.push_back(c & 0xFF);
        b.push_back((c >> 8) & 0xFF);
        b.push_back((c >> 16) & 0xFF);
        b.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t* row = &indices[static_cast<size_t>(y) * width];
        b.insert(b.end(), row, row + width);
        for (uint32_t pad = width; pad < stride; ++pad)
            b.push_back(0);
    }
    return b;
}

bool WriteBmp24(const std::string& path, int width, int height,
                const std::vector<uint32_t>& pixels) {
    return WriteFile(path, EncodeBmp24(width, height, pixels));
}

bool WriteBmp8(const std::string& path, int width, int height, const std::vector<uint8_t>& indices,
               const std::array<uint32_t, 256>& palette) {
    return WriteFile(path, EncodeBmp8(width, height, indices, palette));
}

}  // namespace assetgen
