// The settings file. Reading and writing gameoption.ini is not written yet: until then the
// controls show what a missing file gives, and starting a game writes nothing.
#include "shell/routines.h"

namespace shell {

void LoadSettings(TForm1& form) {
    LauncherControls& c = form.controls;
    c.displayMode = 0;
    c.difficulty = 0;
    c.musicMode = 0;
    c.speed = 0;
}

void SaveSettings(TForm1&) {}

}  // namespace shell
