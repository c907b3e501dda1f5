// Routines of the frame loop and the start sequence that belong to the shell.
#pragma once

#include "fight/fight_frame.h"
#include "fight/frame_input.h"
#include "shell/form.h"
#include "shell/frame_events.h"

namespace shell {

// State routines of the game's frame (game_step.h): they work on the game state, read the
// frame's input and add to its events.
void SelectFrame(GameState& state, const fight::FrameInput& frame, FrameEvents& events);
void FightFrame(GameState& state, const fight::FrameInput& frame, FrameEvents& events);
// The same with who commands each fighter given (the training room's dummy).
void FightFrameControlled(GameState& state, const fight::FrameInput& frame, FrameEvents& events,
                          const fight::Control control[2], const int32_t given[2]);

// The select screen's parts, for the training room's own select screen: reading a player's
// device into its input record, and moving a cursor (or confirming) by a command.
void SelectReadPlayer(GameState& state, int index, const fight::FrameInput& frame);
void SelectChoose(GameState& state, int index, int32_t command, FrameEvents& events);

// The last step of a fight frame: counts the fight's phases and leads on from them.
void FightPhaseStep(GameState& state, FrameEvents& events);

// Rebuilds both fighters for the two chosen roster numbers and resets the computer
// players; the events ask for their sheets.
void BuildFighters(GameState& state, FrameEvents& events);

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
