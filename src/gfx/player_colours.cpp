// Dressing the players at a fight's set-up.
#include "gfx/player_colours.h"

#include "colours/fighter_colours.h"
#include "gfx/recolour.h"

namespace gfx {

namespace {

constexpr int kSharedSlots[2] = {kCommon, kCommonDown};

// The recoloured image of source, made anew only when the source or the colours changed.
std::shared_ptr<const SheetImage> Remade(const std::shared_ptr<const SheetImage>& source,
                                         std::shared_ptr<const SheetImage>& from,
                                         std::shared_ptr<const SheetImage>& made, bool sameColours,
                                         const ColourSwaps& swaps) {
    if (source == nullptr) {
        from = made = nullptr;
        return nullptr;
    }
    if (!sameColours || from != source || made == nullptr) {
        made = Recoloured(source, swaps);
        from = source;
    }
    return made;
}

}  // namespace

void DressPlayer(Display& display, int player, int kind, bool alternate) {
    if (player != 1 && player != 2) return;
    PlayerColours& dress = display.colours[player - 1];
    SpriteSheet* own = display.player[player - 1];
    // A slot still showing the copy made last time (no reload since) is taken back to its
    // file's own pixels first: colours are never swapped twice.
    for (int i = 0; i < kPlayerSheets; ++i)
        if (own[i].image != nullptr && own[i].image == dress.own[i])
            own[i].image = dress.ownFrom[i];
    if (kind < 1 || kind > colours::kFighterCount) {
        dress = PlayerColours{};
        return;
    }
    const std::array<uint32_t, 256> shown = colours::PlayerColourMap(kind, alternate);
    const bool same = dress.dressed && dress.shown == shown;
    dress.shown = shown;
    dress.dressed = true;
    const ColourSwaps swaps(shown);

    for (int which = 0; which < 2; ++which) {
        const SpriteSheet& common = display.common[kSharedSlots[which]];
        std::shared_ptr<const SheetImage> made = dress.shared[which].image;
        made = Remade(common.image, dress.sharedFrom[which], made, same, swaps);
        dress.shared[which] = SpriteSheet{made, common.colorKey, common.keyed};
    }

    // The own sheets (not the down-effect strip) change only in the second colours.
    for (int i = 0; i < kPlayerSheets - 1; ++i) {
        if (!alternate) {
            dress.own[i] = dress.ownFrom[i] = nullptr;
            continue;
        }
        own[i].image = Remade(own[i].image, dress.ownFrom[i], dress.own[i], same, swaps);
    }
}

const SpriteSheet& SharedSheet(const Display& display, int player, int which) {
    const SpriteSheet& loaded = display.common[kSharedSlots[which & 1]];
    if (player != 1 && player != 2) return loaded;
    const SpriteSheet& dressed = display.colours[player - 1].shared[which & 1];
    return dressed.Empty() ? loaded : dressed;
}

}  // namespace gfx
