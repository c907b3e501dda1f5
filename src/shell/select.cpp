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

}  // namespace

void SelectReadPlayer(GameState& state, int index, const fight::FrameInput& frame) {
    fight::PlayerInput& in = state.input[index];
    if (in.padPresent)
        fight::ReadPad(in, frame);
    else
        fight::ReadKeyboard(in, index + 1, frame);
}

// Moves the cursor or confirms. "Up" steps once per press and then holds "down" back for
// 12 frames; held "down" steps every 6 frames.
void SelectChoose(GameState& state, int index, int32_t command, FrameEvents& events) {
    if (state.selectDone[index]) return;
    int32_t& kind = state.chosenKind[index];
    int32_t& delay = state.selectDelay[index];
    switch (command) {
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
            state.selectDone[index] = 1;
            audio::PlaySelectSound(events.sounds);
            break;
        default: break;
    }
}

namespace {

void BeginFight(GameState& state, FrameEvents& events) {
    if (state.gameMode == kModeTournament) {
        state.tournamentWins = 0;
        state.tournamentSeries = state.rng.Next() % 5;
        state.chosenKind[1] = state.tournamentOpponents[state.tournamentSeries][0];
    }
    BuildFighters(state, events);
    state.phaseFrames = 0;
    state.gameState = kStateFight;
    state.phase = kPhaseReady;
    state.counterBannerFrames[0] = state.counterBannerFrames[1] = 0;
}

}  // namespace

void SelectFrame(GameState& state, const fight::FrameInput& frame, FrameEvents& events) {
    fight::ClearCommand(state.input[0]);
    fight::ClearCommand(state.input[1]);
    switch (state.phase) {
        case kSelectOpening:
            if (++state.phaseFrames == kSelectOpeningFrames) {
                state.phase = kSelectChoosing;
                state.phaseFrames = 0;
            }
            break;
        case kSelectChoosing:
            SelectReadPlayer(state, 0, frame);
            SelectReadPlayer(state, 1, frame);
            for (int32_t& d : state.selectDelay)
                if (d > 0) --d;
            SelectChoose(state, 0, state.input[0].command, events);
            SelectChoose(state, 1, state.input[1].command, events);
            if (state.selectDone[0] && state.selectDone[1]) state.phase = kSelectConfirmed;
            break;
        case kSelectConfirmed:
            if (++state.phaseFrames == kSelectConfirmedFrames) BeginFight(state, events);
            break;
        default: break;
    }
}

}  // namespace shell
