// Where a finished frame goes: the game window, or nowhere in headless runs.
#pragma once

#include <cstdint>

namespace platform {

class Presenter {
  public:
    virtual ~Presenter() = default;
    // pixels: 800 x 600 ARGB words, or nullptr while there is no frame buffer yet.
    virtual void Present(const uint32_t* pixels, bool windowed) = 0;
};

}  // namespace platform
