// The pictures of the screen around the fighters: background, gauges, names, banners,
// the fight's messages, the select screen, the pause and the cleared tournament.
#pragma once

#include "shell/form.h"

namespace shell {

// Where a name picture lies in the parts sheets: sheet 0..2 and the top-left corner of its
// 180 x 60 picture.
struct NamePicture {
    int sheet, x, y;
};

// The plain or highlighted name picture of a roster number; false outside 1..15.
bool NameCell(int kind, bool highlighted, NamePicture& out);

// The width of a gauge `full` pixels long for value out of max (0 when max is not
// positive).
int GaugeWidth(int value, int max, int full);

// The x of a hit banner of player 1 or 2 in its n-th frame (1..40): sliding out from the
// middle for 14 frames, then standing at the screen's edge.
int BannerX(int player, int n);

// True while the fight's pictures show the fighters: in the fight, except in the knock-out
// pause.
bool FightersShown(const TForm1& form);

// The messages over the fighters, per fight phase.
void DrawFightOverlay(TForm1& form);

// The two players' name lists with each one's cursor.
void DrawSelectScreen(TForm1& form);

}  // namespace shell
