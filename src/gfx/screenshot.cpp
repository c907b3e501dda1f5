// PNG output through stb_image_write, compiled into this file only.
#include "gfx/screenshot.h"

#include <cstdio>
#include <vector>

#include "gfx/display.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace gfx {

namespace {

bool WriteRgb(const std::vector<uint8_t>& rgb, int width, int height, const char* path) {
    // Through our own file so that a write that fails (a full disk) is seen.
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    bool written = true;
    struct Sink {
        std::FILE* file;
        bool* written;
    } sink{file, &written};
    auto put = [](void* context, void* data, int size) {
        auto* to = static_cast<Sink*>(context);
        if (std::fwrite(data, 1, static_cast<size_t>(size), to->file) != static_cast<size_t>(size))
            *to->written = false;
    };
    const bool encoded =
        stbi_write_png_to_func(put, &sink, width, height, 3, rgb.data(), width * 3) != 0;
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    return encoded && written;
}

std::vector<uint8_t> RgbOf(const uint32_t* pixels, size_t count) {
    std::vector<uint8_t> rgb(count * 3, 0);
    if (pixels != nullptr) {
        for (size_t i = 0; i < count; ++i) {
            rgb[3 * i + 0] = static_cast<uint8_t>(pixels[i] >> 16);
            rgb[3 * i + 1] = static_cast<uint8_t>(pixels[i] >> 8);
            rgb[3 * i + 2] = static_cast<uint8_t>(pixels[i]);
        }
    }
    return rgb;
}

}  // namespace

bool WriteFramePng(const uint32_t* frame, const char* path) {
    const size_t count = static_cast<size_t>(kScreenWidth) * kScreenHeight;
    return WriteRgb(RgbOf(frame, count), kScreenWidth, kScreenHeight, path);
}

bool WritePicturePng(const uint32_t* pixels, int width, int height, const char* path) {
    if (pixels == nullptr || width <= 0 || height <= 0) return false;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    return WriteRgb(RgbOf(pixels, count), width, height, path);
}

}  // namespace gfx
