// The window's settings file.
#include "shell/window_settings.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/ini_file.h"

namespace shell {

namespace {

constexpr const char* kFile = "window.ini";
constexpr const char* kSection = "window";

}  // namespace

WindowSettings LoadWindowSettings() {
    WindowSettings s;
    const std::string path = platform::FullPathOf(kFile);
    const int scale = platform::GetPrivateProfileInt(kSection, "scale", s.scale, path);
    if (scale >= 0 && scale <= 3) s.scale = scale;
    s.sharpFullScreen = platform::GetPrivateProfileInt(kSection, "sharp_full_screen", 0, path) == 1;
    return s;
}

bool SaveWindowSettings(const WindowSettings& s) {
    const std::string path = platform::FullPathOf(kFile);
    const bool ok = platform::WritePrivateProfileString(kSection, "scale",
                                                        std::to_string(s.scale).c_str(), path) &&
                    platform::WritePrivateProfileString(kSection, "sharp_full_screen",
                                                        s.sharpFullScreen ? "1" : "0", path);
    if (!ok)
        std::fprintf(stderr, "tovuka02: the window settings were not saved in '%s'\n",
                     path.c_str());
    return ok;
}

int WindowMultiple(const WindowSettings& s, int desktopWidth, int desktopHeight) {
    const int fits = std::max(1, std::min(desktopWidth / 800, desktopHeight / 600));
    if (s.scale <= 0) return fits;
    return s.scale;
}

}  // namespace shell
