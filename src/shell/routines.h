// Routines of the frame loop and the start sequence that belong to the shell.
#pragma once

#include "shell/form.h"

namespace shell {

// State routines run by the frame loop.
void SelectFrame(TForm1& form);
void FightFrame(TForm1& form);

// The last step of a fight frame: counts the fight's phases and leads on from them.
void FightPhaseStep(TForm1& form);

// Drawing steps of a frame.
void DrawScene(TForm1& form);
void DrawTextPass(TForm1& form);
void DrawStatePictures(TForm1& form);
void DrawPausePictures(TForm1& form);
void PresentFrame(TForm1& form);

// The settings file.
void LoadSettings(TForm1& form);
void SaveSettings(const TForm1& form);

// Loads both players' ten fighter sheets for a fight.
void LoadPlayerSheetsForFight(TForm1& form);

}  // namespace shell
