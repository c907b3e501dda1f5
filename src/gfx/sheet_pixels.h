// A decoded bitmap's pixels turned into a sheet's: 32-bit words in the frame buffer's format,
// rows top to bottom, whatever layout the file had.
#pragma once

#include <SDL.h>

#include "gfx/display.h"

namespace gfx {

// Fills `image` with the surface's size and pixels. False when the surface is empty or its
// pixels cannot be read.
bool SheetFromSurface(SDL_Surface* surface, SheetImage& image);

}  // namespace gfx
