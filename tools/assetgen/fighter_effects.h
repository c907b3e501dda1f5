// The finishing-effect strip of a fighter: two 800 x 300 pictures stacked in an 800 x 600
// sheet, shown across the middle of the screen when the fighter wins with a special finish.
#pragma once

#include <cstdint>
#include <vector>

#include "assetgen/fighter_art.h"

namespace assetgen::figure {

// Draws picture n (1 or 2) of the fighter's strip into rows 300 * (n - 1) .. 300 * n - 1 of
// indices (palette indexes, width pixels per row). Returns false when a colour outside the
// palette appeared.
bool RenderFinishEffect(std::vector<uint8_t>& indices, int width, int n, int kind,
                        const FighterArt& art);

}  // namespace assetgen::figure
