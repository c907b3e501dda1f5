// Message boxes over SDL.
#include "platform/message_box.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

namespace {
bool boxesOn = false;
}  // namespace

void EnableMessageBoxes(bool on) {
    boxesOn = on;
}

void ShowMessage(const char* caption, const char* text) {
    std::fprintf(stderr, "tovuka02: %s: %s\n", caption, text);
    if (boxesOn) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr);
}

}  // namespace platform
