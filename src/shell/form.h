// The one form object: every piece of game state for the life of the process.
#pragma once

#include <cstdint>

#include "audio/sound_sink.h"
#include "engine/fighter.h"
#include "engine/random.h"
#include "fight/game_enums.h"
#include "fight/player_input.h"
#include "gfx/display.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "platform/presenter.h"
#include "shell/frame_events.h"
#include "shell/game_state.h"
#include "shell/training_state.h"

namespace shell {

// Phase lengths in frames.
constexpr int kSelectOpeningFrames = 20;
constexpr int kSelectConfirmedFrames = 40;
constexpr int kClearedFrames = 160;
constexpr int kFramePeriodMs = 40;

// The launcher's settings live in its controls; these are their values.
struct LauncherControls {
    int32_t displayMode = 0;            // RadioGroup1: 0 full screen, 1 window
    int32_t difficulty = -1;            // RadioGroup4: 0..4, -1 none selected
    int32_t musicMode = 0;              // RadioGroup5: 0 media files, 1 MIDI, 2 silent
    int32_t controlMethod[2] = {0, 0};  // RadioGroup2/3: 0 pad, 1 keyboard
    int32_t padButton[2][3] = {{0, 1, 2}, {0, 1, 2}};  // ComboBox1..6 item indexes
    int32_t keyItem[2][7] = {{7, 29, 10, 25, 13, 14, 16}, {3, 4, 5, 6, 2, 0, 1}};
    int32_t speed = 0;  // ScrollBar1 position, -39..60

    // What the controls show beyond their values: the pad button boxes ComboBox1..3 and
    // ComboBox4..6 are greyed out for a player on the keyboard, and GroupBox5's caption
    // follows the speed bar once the settings are loaded.
    uint8_t padBoxEnabled[2] = {1, 1};
    char speedCaption[64] = "スピード補正=0";
};

// The platform services the form talks to. Set by whoever hosts the form.
struct Services {
    platform::Clock* clock = nullptr;
    platform::InputDevices* devices = nullptr;
    audio::SoundSink* sound = nullptr;
    platform::Presenter* presenter = nullptr;  // may stay null (headless)
    // Drawn over the finished frame just before it is shown (shell/overlay.h); null: none.
    class FrameOverlay* overlay = nullptr;
};

// The form: the game state (game_state.h) and what lives beside it for the life of the
// process.
struct TForm1 : GameState {
    uint32_t frameStartMs;
    uint32_t frameStartUs;  // the same moment in microseconds, for a precise wait
    int32_t musicTrack;
    gfx::Rect spriteCells[12];

    gfx::Display display;
    LauncherControls controls;
    Services services;

    // Host flags: the frame loop is installed by a mode start; a close request ends the
    // program after FormClose has run. While a replay is watched the mode button leaves
    // the settings file alone: the recorded settings are not the player's own.
    bool idleInstalled;
    bool closeRequested;
    bool closed;
    bool watchingReplay;

    // What the last frame handed out (the picture shows its banners).
    FrameEvents frameEvents;

    // The training room's own state (training.h), while it is played.
    TrainingState training;
};

// Sets the values the form has when it is constructed.
void ConstructForm(TForm1& form);

// Window shown for the first time: seed, reset and build both fighters, read the settings.
void FormShow(TForm1& form, uint32_t seed);

// One frame of the frame loop.
void AppIdle(TForm1& form);

// The frame loop's part after the game's step: the picture of the state (with the banners
// of form.frameEvents) drawn, the host's overlay, shown, and the rest of the period slept
// out. A network game calls it on its own after the rollback's step.
void ShowFrame(TForm1& form);

// Sleeps out the rest of the frame period (40 ms plus extraMs).
void WaitFrame(TForm1& form, int32_t extraMs);

// Key-down event of the form: ESC and SPACE.
void FormKeyDown(TForm1& form, int key);

// Close handler: music, sound effects, display, in this order.
void FormClose(TForm1& form);

// The tournament-cleared state.
void ClearedFrame(GameState& state);

// Rebuilds both fighters for the two chosen roster numbers and loads their sheets.
void LoadFighters(TForm1& form);

// Back to the select screen with player 2 already confirmed (tournament over).
void ReturnToSelectAfterTournament(GameState& state);

// The text of the status line, or false when no line shows this frame.
bool StatusLine(const GameState& state, char* out, int size);
const char* WeightClassName(int powerLevel);

// Mode buttons.
void Button1Click(TForm1& form);
void Button2Click(TForm1& form);
void Button3Click(TForm1& form);
void Button4Click(TForm1& form);
void StartGame(TForm1& form);

}  // namespace shell
