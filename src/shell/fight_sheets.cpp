// The sprite sheets of a fight: both players' fighters, loaded and dressed in their colours
// at every fight set-up.
#include "gfx/player_colours.h"
#include "gfx/sheets.h"
#include "shell/routines.h"

namespace shell {

void LoadPlayerSheetsForFight(TForm1& form) {
    // A missing sheet only leaves its pictures undrawn; the fight goes on either way.
    gfx::LoadPlayerSheets(form.display, 1, form.chosenKind[0]);
    gfx::LoadPlayerSheets(form.display, 2, form.chosenKind[1]);
    // Each fighter in its own colours, also in the hit reactions and falls all fighters
    // share; in a mirror match player 2 wears the second colours.
    const bool mirror = form.chosenKind[0] == form.chosenKind[1];
    gfx::DressPlayer(form.display, 1, form.chosenKind[0], false);
    gfx::DressPlayer(form.display, 2, form.chosenKind[1], mirror);
}

}  // namespace shell
