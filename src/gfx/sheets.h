// Sprite sheets: the bitmap files under Graphic\, the five common sheets, the ten sheets
// of each player's fighter, and the file table of the fifteen fighters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "gfx/display.h"

namespace gfx {

// The key colour: pure green pixels are left out when a sheet is drawn.
constexpr uint8_t kKeyRed = 0, kKeyGreen = 255, kKeyBlue = 0;

// The file-system path of a game path ("Graphic\karate01\karate01_01.bmp"): backslashes
// become slashes, a relative path is taken from the current directory and made absolute,
// and a component whose exact name is missing matches a name that differs only in case, as
// the old file system would find it. False when no such file exists.
bool ResolveGamePath(const char* gamePath, std::string& resolved);

// A sheet from one bitmap file (8-bit palettised, 24-bit, or anything else SDL reads),
// converted to the frame buffer's format, without colour key. An empty sheet when the file
// cannot be read, is larger than any picture of the game (see ReadBitmap), or the memory to
// decode it is not to be had; the game goes on without its pictures. A file is decoded once
// and its pixels are kept for later loads of the same unchanged file.
SpriteSheet LoadSheet(const char* gamePath);

// The bitmap's colour table. False, with an empty palette, when the file cannot be read (the
// same reader and size cap as for sheets).
bool LoadPaletteFromBitmap(const char* gamePath, Palette& palette);

// The sheet's own pixel value for a colour; all bits set for an empty sheet.
uint32_t MatchColorKey(const SpriteSheet& sheet, uint8_t r, uint8_t g, uint8_t b);

// Gives every sheet of a set pure green as its colour key.
void SetSheetColorKeys(SpriteSheet* sheets, int count);

// Loads parts01, parts02, parts03, common and common_dwn into the common slots. Stops at
// the first file that cannot be loaded: the sheets before it stay without key, the rest
// empty. 1 when all five loaded (and keyed), else 0.
int LoadCommonSheets(Display& display);

// Loads the ten sheets of fighter `kind` (1..15) for player 1 or 2, with the same failure
// rule. Every slot is its own sheet, also when files repeat or both players have the same
// fighter. 1 when all ten loaded, else 0 (also for a kind outside 1..15, which leaves the
// slots empty).
int LoadPlayerSheets(Display& display, int player, int kind);

// The game paths of the ten sheets of `kind` for `player`: sheets 1..9, then the
// down-effect strip. False for a kind outside 1..15 or a player other than 1 or 2.
bool PlayerSheetFiles(int kind, int player, std::string (&paths)[kPlayerSheets]);

// How often a bitmap file has been decoded in this process (cache misses).
int64_t SheetDecodeCount();

// The decoded files kept are at most this many bytes, counting those that slots show; beyond
// it the longest unused files that no slot holds are forgotten. A fight shows 24 to 65 MB of
// sheets, so this keeps a whole fight and, for most fights, a fighter met before. A rematch
// and the next tournament match set up at once all the same: their files are still held or
// kept when they are loaded again. (The whole roster would take over 300 MB.)
constexpr size_t kSheetCacheBudgetBytes = size_t{64} << 20;

// The bytes of the decoded files kept, those in slots among them (may exceed the budget
// while slots show more).
size_t SheetCacheBytes();

// Forgets every decoded file (the sheets in slots keep theirs).
void ClearSheetCache();

}  // namespace gfx
