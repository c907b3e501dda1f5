// Reading a bitmap file: the header looked at before anything is decoded, so that a file
// which lies about its size costs nothing.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

namespace gfx {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// The decoded bitmap at a file-system path; null when the file cannot be read, is no
// bitmap, or claims a size far beyond any picture of the game.
SurfacePtr ReadBitmap(const std::string& path);

}  // namespace gfx
