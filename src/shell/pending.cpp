// Steps of the frame and of the start sequence whose subsystems are not written yet:
// the pictures and the sprite sheets. Each is called at its place in the order of steps and
// does nothing until its subsystem exists.
#include "shell/routines.h"

namespace shell {

void DrawScene(TForm1&) {}
void DrawTextPass(TForm1&) {}
void DrawStatePictures(TForm1&) {}
void DrawPausePictures(TForm1&) {}

void LoadPlayerSheetsForFight(TForm1&) {}

}  // namespace shell
