// Each player's fighter pictures in its fighter's colours, made once at a fight's set-up. The
// shared hit reactions and falls are painted in the palette's areas (see colours/palette.h);
// each player gets copies of the two shared sheets with the areas in its fighter's colours.
// When both players have the same fighter, player 2 wears the fighter's second colours, in
// its own sheets and in the shared ones. The drawing itself then copies pixels as ever.
#pragma once

#include "gfx/display.h"

namespace gfx {

// Dresses player 1 or 2 as fighter `kind` (1..15), in its second colours when `alternate`:
// after the player's sheets and the common sheets are loaded. A sheet is recoloured only
// when it or the colours changed since the last time; a sheet without any of the colours
// that change is shown as it is, also a shared sheet a player put in the folder in place of
// the game's. A kind outside 1..15 undresses the player: its pictures are drawn as loaded.
void DressPlayer(Display& display, int player, int kind, bool alternate);

// The sheet a player's shared picture (common 0 or common_dwn 1) is drawn from: the dressed
// copy, or the common slot as loaded when there is none.
const SpriteSheet& SharedSheet(const Display& display, int player, int which);

}  // namespace gfx
