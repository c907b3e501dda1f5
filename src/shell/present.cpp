// Presentation of the finished frame.
#include "shell/routines.h"

namespace shell {

void PresentFrame(TForm1& form) {
    if (form.services.presenter == nullptr) return;
    form.services.presenter->Present(gfx::FramePixels(form.display), form.display.windowed != 0);
}

}  // namespace shell
