// The frame loop: one frame per idle call, in a fixed order of steps, and its pacing.
#include "audio/music.h"
#include "shell/form.h"
#include "shell/game_step.h"
#include "shell/overlay.h"
#include "shell/routines.h"
#include "shell/training.h"
#include "shell/training_hud.h"

namespace shell {

void AppIdle(TForm1& form) {
    // 1. The MIDI player's notifications.
    if (form.controls.musicMode == audio::kMusicMidi) audio::PollMidiMusic();

    // 2. The routine of the current state, unless paused: the devices are read into the
    // frame's input, the game takes its step, and its sounds and sheets follow.
    fight::FrameInput input;
    TakeFrameInput(form, *form.services.devices, input);
    if (form.gameMode == kModeTraining)
        TrainingFrame(form, form.training, input, form.frameEvents);
    else
        GameFrame(form, input, form.frameEvents);
    PlayFrameEvents(form, form.frameEvents);
    ShowFrame(form);
}

void ShowFrame(TForm1& form) {
    // 3. The paced period starts here: the state routine's time is not part of it.
    form.frameStartUs = form.services.clock->NowUs();
    form.frameStartMs = form.services.clock->NowMs();

    // 4.-7. The picture of the frame.
    DrawScene(form);
    DrawTextPass(form);
    DrawStatePictures(form);
    if (form.paused) DrawPausePictures(form);

    // The training room's own lines, then the host's overlay, if any, over the finished
    // picture; they only read the form.
    if (form.gameMode == kModeTraining) DrawTrainingHud(form, form.display.frame.get());
    if (form.services.overlay != nullptr)
        form.services.overlay->Draw(form, form.display.frame.get());

    // 8. Show it.
    PresentFrame(form);

    // 9. The fight runs at the corrected speed, everything else at 25 frames a second.
    const bool inFight = form.gameState >= 3 && form.gameState <= 5;
    WaitFrame(form, inFight ? form.speedCorrection : 0);
}

void WaitFrame(TForm1& form, int32_t extraMs) {
    // Counted in microseconds: whole milliseconds would let every period come out up to
    // a millisecond short or long.
    const int64_t period = int64_t{kFramePeriodMs + extraMs} * 1000;
    const int64_t elapsed = static_cast<uint32_t>(form.services.clock->NowUs() - form.frameStartUs);
    // A late frame is not made up: the next one follows at once.
    if (elapsed < period) form.services.clock->SleepUs(static_cast<uint32_t>(period - elapsed));
}

}  // namespace shell
