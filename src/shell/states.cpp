// The tournament-cleared state, the return to the select screen, and the status line.
#include <cstdio>

#include "fight/player_input.h"
#include "shell/form.h"

namespace shell {

void ReturnToSelectAfterTournament(GameState& state) {
    state.gameState = kStateSelect;
    state.phase = kSelectOpening;
    state.phaseFrames = 0;
    state.selectDone[0] = 0;
    state.selectDone[1] = 1;
    state.selectDelay[0] = state.selectDelay[1] = 0;
}

void ClearedFrame(GameState& state) {
    fight::ClearCommand(state.input[0]);
    fight::ClearCommand(state.input[1]);
    ++state.phaseFrames;
    if (state.phaseFrames == kClearedFrames) {
        ReturnToSelectAfterTournament(state);
        state.tournamentSeries = state.rng.Next() % 5;
    }
}

const char* WeightClassName(int powerLevel) {
    static const char* const kNames[5] = {"FlyWeight-Class", "BantamWeight-Class",
                                          "FeatherWeight-Class", "LightWeight-Class",
                                          "WelterWeight-Class"};
    // A negative level can only come from a hand-edited settings file; it plays lighter
    // than the lightest class, so it shows as that class.
    if (powerLevel < 0) powerLevel = 0;
    if (powerLevel > 4) powerLevel = 4;
    return kNames[powerLevel];
}

bool StatusLine(const GameState& state, char* out, int size) {
    if (state.gameState == kStateSelect || state.gameMode != kModeTournament) return false;
    std::snprintf(out, size, "Win:%d - [%s]", state.tournamentWins,
                  WeightClassName(state.fighter[1].powerLevel));
    return true;
}

}  // namespace shell
