// The character select screen: an opening, the choosing, and a pause after both players
// have confirmed, then the fight is set up.
#include "audio/sound_requests.h"
#include "engine/roster.h"
#include "fight/input.h"
#include "shell/form.h"
#include "shell/routines.h"

namespace shell {

namespace {

constexpr int kUpDelay = 12;
constexpr int kDownDelay = 6;

void ReadPlayer(TForm1& form, int index) {
    fight::PlayerInput& in = form.input[index];
    if (in.padPresent)
        fight::ReadPad(in, *form.services.devices);
    else
        fight::ReadKeyboard(in, index + 1, *form.services.devices);
}

// Moves the cursor or confirms. "Up" steps once per press and then holds "down" back for
// 12 frames; held "down" steps every 6 frames.
void Choose(TForm1& form, int index) {
    if (form.selectDone[index]) return;
    int32_t& kind = form.chosenKind[index];
    int32_t& delay = form.selectDelay[index];
    switch (form.input[index].command) {
        case fight::kCmdUp:
            --kind;
            delay = kUpDelay;
            if (kind == 0) kind = engine::kRosterSize;
            break;
        case fight::kCmdDown:
            if (delay == 0) {
                ++kind;
                delay = kDownDelay;
            }
            if (kind == engine::kRosterSize + 1) kind = 1;
            break;
        case fight::kCmdGuard:
        case fight::kCmdLA:
        case fight::kCmdRA:
            form.selectDone[index] = 1;
            audio::PlaySelectSound(*form.services.sound);
            break;
        default: break;
    }
}

void BeginFight(TForm1& form) {
    if (form.gameMode == kModeTournament) {
        form.tournamentWins = 0;
        form.tournamentSeries = form.rng.Next() % 5;
        form.chosenKind[1] = form.tournamentOpponents[form.tournamentSeries][0];
    }
    LoadFighters(form);
    form.phaseFrames = 0;
    form.gameState = kStateFight;
    form.phase = kPhaseReady;
    form.counterBannerFrames[0] = form.counterBannerFrames[1] = 0;
}

}  // namespace

void SelectFrame(TForm1& form) {
    fight::ClearCommand(form.input[0]);
    fight::ClearCommand(form.input[1]);
    switch (form.phase) {
        case kSelectOpening:
            if (++form.phaseFrames == kSelectOpeningFrames) {
                form.phase = kSelectChoosing;
                form.phaseFrames = 0;
            }
            break;
        case kSelectChoosing:
            ReadPlayer(form, 0);
            ReadPlayer(form, 1);
            for (int32_t& d : form.selectDelay)
                if (d > 0) --d;
            Choose(form, 0);
            Choose(form, 1);
            if (form.selectDone[0] && form.selectDone[1]) form.phase = kSelectConfirmed;
            break;
        case kSelectConfirmed:
            if (++form.phaseFrames == kSelectConfirmedFrames) BeginFight(form);
            break;
        default: break;
    }
}

}  // namespace shell
