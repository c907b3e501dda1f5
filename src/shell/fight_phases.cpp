// The fight state: one fight frame, then the step that moves the fight through its
// phases (ready, fight, knock-out pause, knock-out, result, continue wait).
#include "fight/fight_frame.h"
#include "shell/form.h"
#include "shell/routines.h"

namespace shell {

namespace {

constexpr int kKnockOutPauseFrames = 60;
constexpr int kKnockOutFrames = 60;
constexpr int kResultFrames = 100;
constexpr int kContinueFrames = 300;
constexpr int kTournamentMatches = 10;
constexpr int kNormalKnockOut = 99;
constexpr int kHiddenBoss = 15;

// A knock-out moves the fight on: a normal one straight to the knock-out phase, a special
// finish through the pause that shows its picture. Both fighters down at once cannot come
// from the fighters' data; should it happen, it ends the fight like a normal knock-out
// (a draw, which the tournament counts as a loss for player 1) instead of waiting forever.
void KnockOutCheck(TForm1& form) {
    const int32_t ko0 = form.fighter[0].koMark;
    const int32_t ko1 = form.fighter[1].koMark;
    if (ko0 == 0 && ko1 == 0) return;
    if (ko0 != 0 && ko1 != 0) {
        form.phase += 2;
    } else {
        const int32_t mark = ko0 != 0 ? ko0 : ko1;
        form.phase += mark == kNormalKnockOut ? 2 : 1;
    }
    form.phaseFrames = 0;
}

void NextTournamentMatch(TForm1& form) {
    ++form.tournamentWins;
    // The seventh opponent is the hidden fighter one time in four; the draw is made at
    // every advance.
    const int r = form.rng.Next() % 4;
    form.chosenKind[1] = form.tournamentWins == 6 && r == 0
                             ? kHiddenBoss
                             : form.tournamentOpponents[form.tournamentSeries][form.tournamentWins];
    LoadFighters(form);
    form.phaseFrames = 0;
    form.gameState = kStateFight;
    form.phase = kPhaseReady;
    form.counterBannerFrames[0] = form.counterBannerFrames[1] = 0;
}

void ResultEnds(TForm1& form) {
    if (form.gameMode == kModeTournament) {
        if (form.fighter[0].koMark != 0) {
            form.phase = kPhaseContinue;
            form.phaseFrames = 0;
        } else if (form.tournamentWins == kTournamentMatches - 1) {
            form.tournamentWins = kTournamentMatches;
            form.gameState = kStateCleared;
            form.phase = 0;
            form.phaseFrames = 0;
        } else {
            NextTournamentMatch(form);
        }
        return;
    }
    form.gameState = kStateSelect;
    form.phase = kSelectOpening;
    form.phaseFrames = 0;
    form.selectDone[0] = form.selectDone[1] = 0;
    form.selectDelay[0] = form.selectDelay[1] = 0;
}

// Counts the phase's frames; true when it has reached its length.
bool Count(TForm1& form, int length) {
    return ++form.phaseFrames == length;
}

}  // namespace

void FightPhaseStep(TForm1& form) {
    switch (form.phase) {
        case kPhaseReady:
            if (Count(form, fight::kReadyPhaseFrames)) {
                form.phase = kPhaseFight;
                form.phaseFrames = 0;
            }
            KnockOutCheck(form);
            break;
        case kPhaseFight: KnockOutCheck(form); break;
        case kPhaseKnockOutPause:
            if (Count(form, kKnockOutPauseFrames)) {
                form.phase = kPhaseKnockOut;
                form.phaseFrames = 0;
            }
            break;
        case kPhaseKnockOut:
            if (Count(form, kKnockOutFrames)) {
                form.phase = kPhaseResult;
                form.phaseFrames = 0;
            }
            break;
        case kPhaseResult:
            if (Count(form, kResultFrames)) ResultEnds(form);
            break;
        case kPhaseContinue:
            if (Count(form, kContinueFrames)) ReturnToSelectAfterTournament(form);
            break;
        default: break;
    }
}

void FightFrame(TForm1& form) {
    fight::FightContext ctx{};
    ctx.fighter = form.fighter;
    ctx.input = form.input;
    ctx.gameMode = form.gameMode;
    ctx.phase = form.phase;
    ctx.phaseFrames = form.phaseFrames;
    ctx.rng = &form.rng;
    ctx.devices = form.services.devices;
    ctx.sound = form.services.sound;
    fight::FightFrameSteps(ctx);
    form.frameCommands[0] = ctx.commands[0];
    form.frameCommands[1] = ctx.commands[1];
    form.frameHits[0] = ctx.hits[0];
    form.frameHits[1] = ctx.hits[1];
    FightPhaseStep(form);
}

}  // namespace shell
