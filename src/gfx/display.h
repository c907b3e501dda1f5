// The display: the 800 x 600 frame the game draws into, and how it is shown.
#pragma once

#include <cstdint>

namespace gfx {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

struct Display {
    int32_t windowed;
};

}  // namespace gfx

namespace gfx {

// Releases everything the display created; safe when nothing was created.
void ReleaseDisplay(Display& display);

}  // namespace gfx
