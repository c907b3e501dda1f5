// What the training room shows over the fight: its keys and their settings along the top,
// both players' input histories down the sides, the frame meter with the last frame
// advantage along the bottom.
#pragma once

#include <cstdint>
#include <string>

#include "shell/form.h"

namespace shell {

// Draws the training room's lines into the finished frame (800 x 600 words).
void DrawTrainingHud(const TForm1& form, uint32_t* frame);

// A command as the history shows it for a player: arrows (in the screen's directions,
// forward being right for player 1 and left for player 2) and button letters.
std::string CommandText(int32_t command, int player);

// The colour of a meter cell.
uint32_t FrameKindColour(int kind);

}  // namespace shell
