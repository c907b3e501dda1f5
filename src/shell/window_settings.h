// window.ini beside gameoption.ini: how big the game window is and how full screen scales.
// gameoption.ini keeps exactly its own values.
#pragma once

namespace shell {

struct WindowSettings {
    // The game window's size as a whole multiple of 800 x 600: 1, 2 or 3, or 0 for the
    // largest multiple that fits the desktop.
    int scale = 1;
    // Full screen in whole multiples only (sharp pixels, wider black bars) instead of the
    // largest picture that fits.
    bool sharpFullScreen = false;
};

WindowSettings LoadWindowSettings();
bool SaveWindowSettings(const WindowSettings& settings);

// The multiple the window gets on a desktop of the usable size w x h (in real pixels).
int WindowMultiple(const WindowSettings& settings, int desktopWidth, int desktopHeight);

}  // namespace shell
