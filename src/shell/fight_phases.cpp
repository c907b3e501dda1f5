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
void KnockOutCheck(GameState& state) {
    const int32_t ko0 = state.fighter[0].koMark;
    const int32_t ko1 = state.fighter[1].koMark;
    if (ko0 == 0 && ko1 == 0) return;
    if (ko0 != 0 && ko1 != 0) {
        state.phase += 2;
    } else {
        const int32_t mark = ko0 != 0 ? ko0 : ko1;
        state.phase += mark == kNormalKnockOut ? 2 : 1;
    }
    state.phaseFrames = 0;
}

void NextTournamentMatch(GameState& state, FrameEvents& events) {
    ++state.tournamentWins;
    // The seventh opponent is the hidden fighter one time in four; the draw is made at
    // every advance.
    const int r = state.rng.Next() % 4;
    state.chosenKind[1] =
        state.tournamentWins == 6 && r == 0
            ? kHiddenBoss
            : state.tournamentOpponents[state.tournamentSeries][state.tournamentWins];
    BuildFighters(state, events);
    state.phaseFrames = 0;
    state.gameState = kStateFight;
    state.phase = kPhaseReady;
    state.counterBannerFrames[0] = state.counterBannerFrames[1] = 0;
}

void ResultEnds(GameState& state, FrameEvents& events) {
    if (state.gameMode == kModeTournament) {
        if (state.fighter[0].koMark != 0) {
            state.phase = kPhaseContinue;
            state.phaseFrames = 0;
        } else if (state.tournamentWins == kTournamentMatches - 1) {
            state.tournamentWins = kTournamentMatches;
            state.gameState = kStateCleared;
            state.phase = 0;
            state.phaseFrames = 0;
        } else {
            NextTournamentMatch(state, events);
        }
        return;
    }
    state.gameState = kStateSelect;
    state.phase = kSelectOpening;
    state.phaseFrames = 0;
    state.selectDone[0] = state.selectDone[1] = 0;
    state.selectDelay[0] = state.selectDelay[1] = 0;
}

// Counts the phase's frames; true when it has reached its length.
bool Count(GameState& state, int length) {
    return ++state.phaseFrames == length;
}

}  // namespace

void FightPhaseStep(GameState& state, FrameEvents& events) {
    switch (state.phase) {
        case kPhaseReady:
            if (Count(state, fight::kReadyPhaseFrames)) {
                state.phase = kPhaseFight;
                state.phaseFrames = 0;
            }
            KnockOutCheck(state);
            break;
        case kPhaseFight: KnockOutCheck(state); break;
        case kPhaseKnockOutPause:
            if (Count(state, kKnockOutPauseFrames)) {
                state.phase = kPhaseKnockOut;
                state.phaseFrames = 0;
            }
            break;
        case kPhaseKnockOut:
            if (Count(state, kKnockOutFrames)) {
                state.phase = kPhaseResult;
                state.phaseFrames = 0;
            }
            break;
        case kPhaseResult:
            if (Count(state, kResultFrames)) ResultEnds(state, events);
            break;
        case kPhaseContinue:
            if (Count(state, kContinueFrames)) ReturnToSelectAfterTournament(state);
            break;
        default: break;
    }
}

void FightFrame(GameState& state, const fight::FrameInput& frame, FrameEvents& events) {
    const fight::Control byMode[2] = {fight::Control::kByMode, fight::Control::kByMode};
    const int32_t none[2] = {0, 0};
    FightFrameControlled(state, frame, events, byMode, none);
}

void FightFrameControlled(GameState& state, const fight::FrameInput& frame, FrameEvents& events,
                          const fight::Control control[2], const int32_t given[2]) {
    fight::FightContext ctx{};
    ctx.control[0] = control[0];
    ctx.control[1] = control[1];
    ctx.given[0] = given[0];
    ctx.given[1] = given[1];
    ctx.fighter = state.fighter;
    ctx.input = state.input;
    ctx.gameMode = state.gameMode;
    ctx.phase = state.phase;
    ctx.phaseFrames = state.phaseFrames;
    ctx.rng = &state.rng;
    ctx.frameInput = &frame;
    ctx.sounds = &events.sounds;
    fight::FightFrameSteps(ctx);
    state.frameCommands[0] = ctx.commands[0];
    state.frameCommands[1] = ctx.commands[1];
    state.frameHits[0] = ctx.hits[0];
    state.frameHits[1] = ctx.hits[1];
    FightPhaseStep(state, events);
}

}  // namespace shell
