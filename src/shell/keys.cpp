// The two keys the form handles itself: ESC pauses (twice ends the program), SPACE
// resumes; in the tournament's continue wait they give up or continue.
#include "platform/devices.h"
#include "shell/form.h"

namespace shell {

namespace {

bool InContinueWait(const TForm1& form) {
    return form.gameState == kStateFight && form.phase == kPhaseContinue;
}

}  // namespace

void FormKeyDown(TForm1& form, int key) {
    if (key == platform::VK_ESCAPE) {
        if (InContinueWait(form)) {
            ReturnToSelectAfterTournament(form);
        } else if (form.paused) {
            form.closeRequested = true;
        } else {
            form.paused = 1;
        }
    } else if (key == platform::VK_SPACE) {
        if (InContinueWait(form)) {
            // Replay the lost match: same fighters, the win count stays.
            LoadFighters(form);
            form.gameState = kStateFight;
            form.phase = kPhaseReady;
            form.phaseFrames = 0;
        } else if (form.paused) {
            form.paused = 0;
        }
    }
}

}  // namespace shell
