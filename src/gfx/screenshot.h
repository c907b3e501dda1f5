// Pictures of the frame as PNG files.
#pragma once

#include <cstdint>

namespace gfx {

// Writes a frame of kScreenWidth x kScreenHeight words as an RGB PNG file. A null frame
// (no frame buffer yet) is written black, as the window shows it. False when the file
// cannot be written.
bool WriteFramePng(const uint32_t* frame, const char* path);

// Writes a picture of width x height words (rows top to bottom) as an RGB PNG file. False
// when the file cannot be written or the picture is empty.
bool WritePicturePng(const uint32_t* pixels, int width, int height, const char* path);

}  // namespace gfx
