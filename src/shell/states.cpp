// The tournament-cleared state, the return to the select screen, and the status line.
#include <cstdio>

#include "fight/player_input.h"
#include "shell/form.h"

namespace shell {

void ReturnToSelectAfterTournament(TForm1& form) {
    form.gameState = kStateSelect;
    form.phase = kSelectOpening;
    form.phaseFrames = 0;
    form.selectDone[0] = 0;
    form.selectDone[1] = 1;
    form.selectDelay[0] = form.selectDelay[1] = 0;
}

void ClearedFrame(TForm1& form) {
    fight::ClearCommand(form.input[0]);
    fight::ClearCommand(form.input[1]);
    ++form.phaseFrames;
    if (form.phaseFrames == kClearedFrames) {
        ReturnToSelectAfterTournament(form);
        form.tournamentSeries = form.rng.Next() % 5;
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

bool StatusLine(const TForm1& form, char* out, int size) {
    if (form.gameState == kStateSelect || form.gameMode != kModeTournament) return false;
    std::snprintf(out, size, "Win:%d - [%s]", form.tournamentWins,
                  WeightClassName(form.fighter[1].powerLevel));
    return true;
}

}  // namespace shell
