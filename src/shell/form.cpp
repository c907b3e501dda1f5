// Construction of the form, the window's first showing, the fight set-up and the close.
#include "shell/form.h"

#include <cstring>

#include "audio/effects.h"
#include "audio/music.h"
#include "engine/roster.h"
#include "fight/cpu.h"
#include "shell/routines.h"

namespace shell {

void ConstructForm(TForm1& form) {
    // Every field not named below starts at zero; the fighters' tables are reset when the
    // window is shown.
    std::memset(form.input, 0, sizeof form.input);
    std::memset(static_cast<void*>(form.fighter), 0, sizeof form.fighter);
    form.frameStartMs = 0;
    form.frameStartUs = 0;
    form.speedCorrection = 0;
    form.phase = 0;
    form.phaseFrames = 0;
    form.counterBannerFrames[0] = form.counterBannerFrames[1] = 0;
    form.weakBannerFrames[0] = form.weakBannerFrames[1] = 0;
    form.tournamentWins = 0;
    form.tournamentSeries = 0;
    std::memset(form.tournamentOpponents, 0, sizeof form.tournamentOpponents);
    form.musicTrack = 0;
    form.paused = 0;

    form.fighter[0].powerLevel = 0;
    form.fighter[1].powerLevel = 0;
    form.gameMode = kModeFree;
    form.display.windowed = 1;
    form.gameState = kStateLauncher;
    form.chosenKind[0] = form.chosenKind[1] = 1;
    form.selectDone[0] = form.selectDone[1] = 0;
    form.selectDelay[0] = form.selectDelay[1] = 0;
    // A fighter sheet is 4 x 3 cells of 255 x 255 at a pitch of 256.
    for (int k = 0; k < 12; ++k) {
        const int left = 256 * (k % 4);
        const int top = 256 * (k / 4);
        form.spriteCells[k] = {left, top, left + 255, top + 255};
    }

    form.controls = LauncherControls{};
    form.idleInstalled = false;
    form.closeRequested = false;
    form.closed = false;
    form.watchingReplay = false;
    form.frameCommands[0] = form.frameCommands[1] = 0;
    form.frameHits[0] = form.frameHits[1] = 0;
}

void FormShow(TForm1& form, uint32_t seed) {
    form.rng.Seed(seed);
    engine::ResetFighter(form.fighter[0], engine::kSideLeft);
    engine::ResetFighter(form.fighter[1], engine::kSideRight);
    engine::BuildFighter(form.fighter[0], form.chosenKind[0], form.chosenKind[1]);
    engine::BuildFighter(form.fighter[1], form.chosenKind[1], form.chosenKind[0]);
    LoadSettings(form);
}

void BuildFighters(GameState& state, FrameEvents& events) {
    engine::ResetFighter(state.fighter[0], engine::kSideLeft);
    engine::ResetFighter(state.fighter[1], engine::kSideRight);
    engine::BuildFighter(state.fighter[0], state.chosenKind[0], state.chosenKind[1]);
    engine::BuildFighter(state.fighter[1], state.chosenKind[1], state.chosenKind[0]);
    fight::ResetCpu(state.fighter[0]);
    fight::ResetCpu(state.fighter[1]);
    events.fightersBuilt = 1;
}

void LoadFighters(TForm1& form) {
    FrameEvents events{};
    BuildFighters(form, events);
    LoadPlayerSheetsForFight(form);
}

void FormClose(TForm1& form) {
    if (form.closed) return;
    audio::StopMusic(form.controls.musicMode);
    audio::ReleaseSoundEffects();
    gfx::ReleaseDisplay(form.display);
    form.closed = true;
}

}  // namespace shell
