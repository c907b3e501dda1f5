// Steps of the frame and of the start sequence whose subsystems are not written yet:
// the select screen and the fight (input, fighter update, hits, computer player) and the
// pictures. Each is called at its place in the order of steps and
// does nothing until its subsystem exists.
#include "shell/routines.h"

namespace shell {

void SelectFrame(TForm1&) {}
void FightFrame(TForm1&) {}

void DrawScene(TForm1&) {}
void DrawTextPass(TForm1&) {}
void DrawStatePictures(TForm1&) {}
void DrawPausePictures(TForm1&) {}

void LoadPlayerSheetsForFight(TForm1&) {}

}  // namespace shell
