// The exact-colour swap table and the recoloured copy of a sheet.
#include "gfx/recolour.h"

#include "colours/palette.h"

namespace gfx {

ColourSwaps::ColourSwaps(const std::array<uint32_t, 256>& shown) {
    const std::array<uint32_t, 256>& palette = colours::Colours();
    for (int i = 0; i < 256; ++i) {
        if (shown[i] == palette[i]) continue;
        const uint32_t from = palette[i] | 0xFF000000u;
        uint32_t slot = Slot(from);
        while (from_[slot] != 0 && from_[slot] != from)
            slot = (slot + 1) & kMask;
        if (from_[slot] == 0) ++count_;
        from_[slot] = from;
        to_[slot] = shown[i] | 0xFF000000u;
    }
}

std::shared_ptr<const SheetImage> Recoloured(const std::shared_ptr<const SheetImage>& image,
                                             const ColourSwaps& swaps) {
    if (image == nullptr || swaps.Empty()) return image;
    std::shared_ptr<SheetImage> copy;
    const std::vector<uint32_t>& pixels = image->pixels;
    // Runs of one colour are common (the key around every picture, the flat parts), so the
    // last colour looked up is remembered.
    uint32_t last = 0, lastShown = 0;
    bool known = false;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t p = pixels[i];
        if (!known || p != last) {
            last = p;
            lastShown = swaps.Map(p);
            known = true;
        }
        if (lastShown == p) continue;
        if (copy == nullptr) copy = std::make_shared<SheetImage>(*image);
        copy->pixels[i] = lastShown;
    }
    if (copy == nullptr) return image;
    return copy;
}

}  // namespace gfx
