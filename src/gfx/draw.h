// Drawing into the frame: the block copy from a sheet, and the three drawing operations of
// the game built on it (screen pictures, fighters, down effects).
#pragma once

#include "engine/fighter.h"
#include "gfx/display.h"

namespace gfx {

// Copies the source rectangle of the sheet to the destination rectangle of the frame,
// leaving out pixels equal to the sheet's key when it has one. Mirrored, each row is read
// from right to left into the same destination rectangle. Refused, drawing nothing: an
// empty sheet, an empty or inverted rectangle, a source reaching outside the sheet, source
// and destination of different sizes. The destination is clipped to the frame and the
// source cut to match.
void BlitSheet(Display& display, const SpriteSheet& sheet, const Rect& src, const Rect& dst,
               bool mirrored);

// Screen pictures from parts sheet 0, 1 or 2 (parts01, parts02, parts03). The rectangles
// run from (x, y) to (x + width - 1, y + height - 1), right and bottom exclusive, so the
// block copied is one pixel narrower and lower than width x height. Returns 1.
int DrawPart(Display& display, int srcX, int srcY, int dstX, int dstY, int width, int height,
             int partsSheet, bool mirrored);

// The slot a fighter's sheet number draws from for player 1 or 2: 0 common.bmp, 1..7 the
// player's sheets 1..7, 8 common_dwn.bmp, 9 and 10 the player's sheets 8 and 9; null for
// any other number. The two shared sheets are the player's dressed copies when it has them
// (see DressPlayer), else the common slots.
const SpriteSheet* FighterSheet(const Display& display, int player, int sheetNumber);

// True when a motion frame's picture number names a fighter picture DrawFighters draws: a
// cell 0..11 of a sheet number 0..10.
bool ShowsPicture(const engine::MotionFrame& frame);

// One fighter picture; player 2's pictures are always mirrored. Returns 1.
int DrawFighterPicture(Display& display, int player, int sheetNumber, const Rect& src,
                       const Rect& dst);

// Both fighters from their current motion frames, each cell's point (127, 127) on the
// fighter's (x, y + dy). The lower layer is in front; on equal layers player 1 is.
void DrawFighters(Display& display, const engine::Fighter& player1, const engine::Fighter& player2,
                  const Rect (&cells)[12]);

// Picture n (1 or 2) of the player's down-effect strip across the screen from y 160,
// never mirrored. Returns 1.
int DrawDownEffect(Display& display, int player, int n);

}  // namespace gfx
