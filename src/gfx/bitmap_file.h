// Reading a bitmap file: the file taken into memory once, its header checked against the
// largest picture the game has, and only then decoded, from those same bytes. A file that
// lies about its size costs nothing, and one swapped between the check and the decoding
// cannot slip past the check.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <memory>
#include <string>

namespace gfx {

// No picture of the game is larger than a fighter sheet: 4 x 3 cells at a 256-pixel pitch.
constexpr int kMaxBitmapWidth = 1024;
constexpr int kMaxBitmapHeight = 768;

// Room for the largest picture at 32 bits a pixel with its headers, masks and colour table.
constexpr size_t kMaxBitmapFileBytes = size_t{4} << 20;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// The decoded bitmap at a file-system path. Null when the path is no regular file (a FIFO
// or a device is never waited on), the file is larger than kMaxBitmapFileBytes, it is no
// bitmap, its header claims more than kMaxBitmapWidth x kMaxBitmapHeight pixels (top-down
// ones too), or the memory to read or decode it is not to be had.
SurfacePtr ReadBitmap(const std::string& path);

}  // namespace gfx
