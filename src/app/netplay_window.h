// A network game in the window: a waiting screen while the two games find each other,
// then the versus game with rollback at the game's own pace. ESC shows that a second ESC
// leaves; a second one within two seconds ends the game for both players. Closing the
// window leaves the same way.
#pragma once

#include <SDL.h>

#include <functional>

#include "net/session.h"
#include "platform/sdl_devices.h"
#include "shell/form.h"
#include "shell/overlay.h"

namespace app {

struct NetWindow {
    SDL_Window* window = nullptr;
    platform::SdlDevices* devices = nullptr;
    shell::TrainingOverlay* training = nullptr;  // F1, as in every game
    std::function<void()> becomeGameWindow;      // the borderless 800 x 600 game window
};

// The form has its services (clock, devices, sound, presenter) and this machine's settings
// loaded. Returns the exit status: 0 when the game ended as asked (or the waiting was
// given up), 3 when the other side vanished or refused, 4 on a desync.
int PlayNetworkGame(NetWindow& w, shell::TForm1& form, const net::SessionConfig& given);

}  // namespace app
