// The sprite sheets of a fight: both players' fighters, loaded at every fight set-up.
#include "gfx/sheets.h"
#include "shell/routines.h"

namespace shell {

void LoadPlayerSheetsForFight(TForm1& form) {
    // A missing sheet only leaves its pictures undrawn; the fight goes on either way.
    gfx::LoadPlayerSheets(form.display, 1, form.chosenKind[0]);
    gfx::LoadPlayerSheets(form.display, 2, form.chosenKind[1]);
}

}  // namespace shell
