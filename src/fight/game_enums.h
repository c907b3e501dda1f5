// The numbers the whole game shares: the players' commands, who plays (the modes), the
// form's states and the phases of the select screen and the fight. The fight code sees
// them as fight::..., the shell as shell::...
#pragma once

#include <cstdint>

namespace game {

// Commands, the one number per player and frame that devices and the computer write.
enum Command : int32_t {
    kCmdNone = 0,
    kCmdForward = 1,
    kCmdBack = 2,
    kCmdUp = 3,
    kCmdDown = 4,
    kCmdDownGuard = 5,
    kCmdGuard = 6,
    kCmdLA = 7,
    kCmdFwdLA = 8,
    kCmdBackLA = 9,
    kCmdRA = 10,
    kCmdFwdRA = 11,
    kCmdBackRA = 12,
    kCmdLARA = 13,
    kCmdFwdLARA = 14,
    kCmdBackLARA = 15,
    kCmdUpGuard = 16,
};

// The mode buttons: who controls the fighters.
enum GameMode : int32_t {
    kModeFree = 1,
    kModeVersus = 2,
    kModeTournament = 3,
    kModeView = 4,
    kModeTraining = 5,  // the training room, apart from the four modes of the launcher
};

// The form's states (gameState).
enum GameStateId : int32_t {
    kStateLauncher = 0,
    kStateSelect = 2,
    kStateFight = 4,
    kStateCleared = 6,
};

// The phases of the select state.
enum SelectPhase : int32_t {
    kSelectOpening = 0,
    kSelectChoosing = 1,
    kSelectConfirmed = 2,
};

// The phases of the fight state.
enum FightPhase : int32_t {
    kPhaseReady = 0,
    kPhaseFight = 1,
    kPhaseKnockOutPause = 2,
    kPhaseKnockOut = 3,
    kPhaseResult = 4,
    kPhaseContinue = 5,
};

}  // namespace game

namespace fight {
using namespace game;
}  // namespace fight

namespace shell {
using namespace game;
}  // namespace shell
