// The screen pictures drawn by the generator: the stage, the title picture and the pieces
// the stage and the parts sheets share.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// A small fixed-seed generator, so scattered details land in the same place on every run.
class Scatter {
  public:
    explicit Scatter(uint32_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    double Unit() { return (Next() & 0xFFFF) / 65536.0; }  // 0 <= u < 1
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

  private:
    uint32_t state_;
};

// The 800 x 600 stage behind every screen, opaque.
std::vector<uint32_t> PaintBackground();

// The launcher's 500 x 200 title picture, opaque.
std::vector<uint32_t> PaintTitle();
// The game's icon for the desktop's menus: the title's sun and kicker in a rounded square,
// size x size pixels, as a PNG file.
bool WriteIcon(int size, const std::string& path);

}  // namespace assetgen
