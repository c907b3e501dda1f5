// The four mode buttons and the start of a game.
#include <cstdio>
#include <cstring>

#include "audio/audio_setup.h"
#include "fight/input.h"
#include "gfx/sheets.h"
#include "platform/ini_file.h"
#include "shell/form.h"
#include "shell/routines.h"

namespace shell {

namespace {

// Opponents of the tournament: five series of ten matches, by roster number.
constexpr int32_t kTournamentOpponents[5][10] = {
    {5, 6, 1, 12, 7, 14, 10, 11, 4, 8},  {1, 3, 2, 13, 7, 5, 10, 4, 12, 9},
    {7, 4, 6, 5, 11, 13, 3, 9, 8, 14},   {3, 4, 11, 1, 9, 5, 8, 10, 2, 13},
    {6, 14, 7, 12, 8, 10, 11, 9, 13, 1},
};

void PressModeButton(TForm1& form, int mode, int player2Power) {
    form.gameMode = mode;
    form.fighter[0].powerLevel = 0;
    form.fighter[1].powerLevel = player2Power;
    if (mode == kModeTournament) form.selectDone[1] = 1;
    StartGame(form);
}

}  // namespace

void Button1Click(TForm1& form) {
    PressModeButton(form, kModeFree, form.controls.difficulty);
}
void Button2Click(TForm1& form) {
    PressModeButton(form, kModeVersus, 0);
}
void Button3Click(TForm1& form) {
    PressModeButton(form, kModeTournament, form.controls.difficulty);
}
void Button4Click(TForm1& form) {
    PressModeButton(form, kModeView, 0);
}

// The launcher's bindings go into the players' input records: pad button masks, key codes.
static void StoreBindings(TForm1& form) {
    for (int p = 0; p < 2; ++p) {
        fight::PlayerInput& in = form.input[p];
        in.padMaskG = fight::PadMaskForItem(form.controls.padButton[p][0]);
        in.padMaskLA = fight::PadMaskForItem(form.controls.padButton[p][1]);
        in.padMaskRA = fight::PadMaskForItem(form.controls.padButton[p][2]);
        for (int k = 0; k < 7; ++k)
            in.keyCode[k] =
                static_cast<uint8_t>(fight::KeyCodeForItem(form.controls.keyItem[p][k]));
    }
}

// A player who chose the game pad gets joystick 0 (player 1) or 1 (player 2); a pad that
// does not answer leaves that player on the keyboard.
static void OpenPads(TForm1& form) {
    platform::InputDevices& devices = *form.services.devices;
    for (int p = 0; p < 2; ++p) {
        if (form.controls.controlMethod[p] != 0) continue;
        const auto joystick = static_cast<uint32_t>(p);
        platform::JoyInfo info{};
        platform::JoyCaps caps{};
        fight::PadRead position{};
        // The capabilities are asked only of a pad that answered.
        bool capsOk = false;
        if (devices.JoyGetPos(joystick, info)) {
            position = {1, {}, info.xPos, info.yPos, info.zPos, info.buttons};
            capsOk = devices.JoyGetDevCaps(joystick, caps);
        }
        fight::OpenPad(form.input[p], position, capsOk ? &caps : nullptr, joystick,
                       platform::ReadPadDeadZone());
    }
}

void StartGame(TForm1& form) {
    StoreBindings(form);
    form.speedCorrection = form.controls.speed;
    if (!form.watchingReplay) SaveSettings(form);
    form.display.windowed = form.controls.displayMode != 0 ? 1 : 0;
    OpenPads(form);
    if (!gfx::CreateDisplay(form.display)) {
        std::fprintf(stderr, "tovuka02: cannot create the display: %s\n", gfx::DisplayError());
        form.closeRequested = true;
        return;
    }
    gfx::LoadCommonSheets(form.display);  // a missing sheet leaves its pictures undrawn
    if (!audio::CreateSoundEffects()) {
        std::fprintf(stderr, "tovuka02: the sound effects could not be set up\n");
        form.closeRequested = true;
        return;
    }

    form.gameState = kStateSelect;
    form.phase = kSelectOpening;
    form.counterBannerFrames[0] = form.counterBannerFrames[1] = 0;
    form.tournamentWins = 0;
    form.tournamentSeries = form.rng.Next() % 5;
    form.paused = 0;
    std::memcpy(form.tournamentOpponents, kTournamentOpponents, sizeof kTournamentOpponents);

    audio::StartMusic(form.controls.musicMode, form.musicTrack);
    form.idleInstalled = true;
}

}  // namespace shell
