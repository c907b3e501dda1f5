// Where the game puts the screen pictures, as the pictures have to be designed for it.
// A block copied from a sheet shows one column and one row less than its nominal size, so
// a w x h picture shows its columns 0..w-2 and rows 0..h-2.
#pragma once

namespace assetgen::screen {

// The gauges. Player 1's frame sits at (40, 100); player 2's is the same picture mirrored
// at (440, 100). The bars are drawn first and the frames over them, so the frame has holes
// exactly where a full bar shows.
inline constexpr int kFrameX1 = 40, kFrameX2 = 440, kFrameY = 100;
inline constexpr int kFrameW = 336, kFrameH = 66;
inline constexpr int kHealthW = 300, kStaminaW = 280;  // full bar widths
inline constexpr int kBarRows = 9;                     // rows of a 10-high strip that show
// Player 1's full health bar covers x 59..357 at y 117..125, its stamina x 80..358 at
// y 142..150; player 2's health x 457..755, stamina x 456..734.
inline constexpr int kHealthY = 117, kStaminaY = 142;
inline constexpr int kHealthLeft1 = 359 - kHealthW, kHealthRight1 = 357;
inline constexpr int kStaminaLeft1 = 360 - kStaminaW, kStaminaRight1 = 358;
inline constexpr int kHealthLeft2 = 457, kHealthRight2 = 457 + kHealthW - 2;
inline constexpr int kStaminaLeft2 = 456, kStaminaRight2 = 456 + kStaminaW - 2;
// The same holes in frame coordinates (player 1's, unmirrored).
inline constexpr int kHoleHealthX = kHealthLeft1 - kFrameX1;    // 19
inline constexpr int kHoleStaminaX = kStaminaLeft1 - kFrameX1;  // 40
inline constexpr int kHoleHealthY = kHealthY - kFrameY;         // 17
inline constexpr int kHoleStaminaY = kStaminaY - kFrameY;       // 42
inline constexpr int kHoleHealthW = kHealthW - 1, kHoleStaminaW = kStaminaW - 1;

// The 324 x 66 centre piece goes mirrored to (446, 100): all of it lies under player 2's
// frame, its column c under that frame's column c + 6.
inline constexpr int kCentreX = 446, kCentreW = 324, kCentreH = 66;
inline constexpr int kCentreToFrame = 6;

// Between the two frames (x 375..439) nothing but the background is drawn.
inline constexpr int kGapLeft = kFrameX1 + kFrameW - 1, kGapRight = kFrameX2 - 1;

// The fighters stand with their feet on this line.
inline constexpr int kFloorY = 443;

// The tournament status line, top left.
inline constexpr int kStatusX = 6, kStatusY = 40, kStatusW = 250, kStatusH = 24;

// Name plates in the fight.
inline constexpr int kNameY = 450, kName1X = 192, kName2X = 425;

}  // namespace assetgen::screen
