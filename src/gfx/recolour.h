// Sheets in other colours: a table of exact colours and what each becomes, and the copy of a
// sheet with its pixels put through it. Pixels of any other colour stay exactly as they are.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "gfx/display.h"

namespace gfx {

class ColourSwaps {
  public:
    // The swaps from the fighters' palette (colours::Colours) to the palette as shown: one
    // for every entry whose shown colour differs.
    explicit ColourSwaps(const std::array<uint32_t, 256>& shown);

    bool Empty() const { return count_ == 0; }
    int Count() const { return count_; }

    // The colour a pixel (0xAARRGGBB, alpha ignored) is shown in.
    uint32_t Map(uint32_t pixel) const {
        const uint32_t rgb = pixel | 0xFF000000u;
        for (uint32_t slot = Slot(rgb);; slot = (slot + 1) & kMask) {
            if (from_[slot] == rgb) return to_[slot];
            if (from_[slot] == 0) return pixel;
        }
    }

  private:
    static constexpr uint32_t kSlots = 512;  // at least twice the 256 entries: short probes
    static constexpr uint32_t kMask = kSlots - 1;
    static uint32_t Slot(uint32_t rgb) { return (rgb * 2654435761u) >> 23; }

    std::array<uint32_t, kSlots> from_{};  // 0: an empty slot (a pixel always has its alpha)
    std::array<uint32_t, kSlots> to_{};
    int count_ = 0;
};

// The image with every pixel mapped; the very same image when no pixel changes (a sheet
// without any of the swapped colours costs no memory). Null stays null.
std::shared_ptr<const SheetImage> Recoloured(const std::shared_ptr<const SheetImage>& image,
                                             const ColourSwaps& swaps);

}  // namespace gfx
