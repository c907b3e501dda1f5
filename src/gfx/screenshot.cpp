// PNG output through stb_image_write, compiled into this file only.
#include "gfx/screenshot.h"

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

bool WriteFramePng(const uint32_t* frame, const char* path) {
    std::vector<uint8_t> rgb(static_cast<size_t>(kScreenWidth) * kScreenHeight * 3, 0);
    if (frame != nullptr) {
        for (size_t i = 0; i < static_cast<size_t>(kScreenWidth) * kScreenHeight; ++i) {
            rgb[3 * i + 0] = static_cast<uint8_t>(frame[i] >> 16);
            rgb[3 * i + 1] = static_cast<uint8_t>(frame[i] >> 8);
            rgb[3 * i + 2] = static_cast<uint8_t>(frame[i]);
        }
    }
    return stbi_write_png(path, kScreenWidth, kScreenHeight, 3, rgb.data(), kScreenWidth * 3) != 0;
}

}  // namespace gfx
