// The window host. Between two frames it handles the pending events (ESC and SPACE go to
// the form's key handler, closing the window runs the close handler), then runs one frame.
#include "app/window_host.h"

#include <SDL.h>

#include <cstdio>
#include <ctime>
#include <memory>

#include "audio/sound_sink.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "platform/presenter.h"
#include "platform/sdl_devices.h"
#include "shell/form.h"

namespace app {

namespace {

constexpr int kLauncherWidth = 898;
constexpr int kLauncherHeight = 505;

// Until the frame buffer exists the game window shows black.
class WindowPresenter final : public platform::Presenter {
  public:
    explicit WindowPresenter(SDL_Renderer* renderer) : renderer_(renderer) {}
    void Present(const uint32_t*, bool) override {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderPresent(renderer_);
    }

  private:
    SDL_Renderer* renderer_;
};

// Sound requests go nowhere until the mixer is written.
class SilentSink final : public audio::SoundSink {
  public:
    void Effect(audio::SoundId, int, int32_t) override {}
    void Music(const char*) override {}
};

// The launcher form is not written yet: it shows an empty panel, and the keys 1 to 4
// stand in for its four mode buttons.
void PressLauncherKey(shell::TForm1& form, SDL_Keycode key) {
    switch (key) {
        case SDLK_1: shell::Button1Click(form); break;
        case SDLK_2: shell::Button2Click(form); break;
        case SDLK_3: shell::Button3Click(form); break;
        case SDLK_4: shell::Button4Click(form); break;
        default: break;
    }
}

void DrawLauncher(SDL_Renderer* renderer) {
    SDL_SetRenderDrawColor(renderer, 212, 208, 200, 255);  // button face
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
}

// The game window: borderless, 800 x 600, in the middle of the desktop.
void BecomeGameWindow(SDL_Window* window) {
    SDL_Rect desktop{0, 0, 800, 600};
    SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &desktop);
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowSize(window, 800, 600);
    SDL_SetWindowPosition(window, desktop.x + desktop.w / 2 - 399, desktop.y + desktop.h / 2 - 299);
}

void HandleEvents(shell::TForm1& form, SDL_Window* window, platform::SdlDevices& devices) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        devices.HandleEvent(event);
        if (event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
            form.closeRequested = true;
        } else if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
            // A held key is one press: the auto-repeat does not reach the form.
            const bool launcher = !form.idleInstalled;
            const int vk = platform::VirtualKeyOf(event.key.keysym.scancode);
            if (vk != 0) shell::FormKeyDown(form, vk);
            if (launcher && !form.closeRequested) {
                PressLauncherKey(form, event.key.keysym.sym);
                if (form.idleInstalled) BecomeGameWindow(window);
            }
        }
    }
}

}  // namespace

int RunWindow() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER | SDL_INIT_JOYSTICK) != 0) {
        std::fprintf(stderr, "tovuka02: SDL could not start: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window =
        SDL_CreateWindow("TOVUKA02", 91, 233, kLauncherWidth, kLauncherHeight, SDL_WINDOW_SHOWN);
    SDL_Renderer* renderer =
        window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
    if (renderer == nullptr && window != nullptr)
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (window == nullptr || renderer == nullptr) {
        std::fprintf(stderr, "tovuka02: cannot open the window: %s\n", SDL_GetError());
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
        return 1;
    }

    platform::SystemClock clock;
    auto devices = std::make_unique<platform::SdlDevices>();
    SilentSink sound;
    WindowPresenter presenter(renderer);
    auto form = std::make_unique<shell::TForm1>();
    shell::ConstructForm(*form);
    form->services = {&clock, devices.get(), &sound, &presenter};
    shell::FormShow(*form, static_cast<uint32_t>(std::time(nullptr)));

    while (true) {
        HandleEvents(*form, window, *devices);
        if (form->closeRequested) break;
        if (form->idleInstalled) {
            shell::AppIdle(*form);
        } else {
            DrawLauncher(renderer);
            SDL_Delay(16);
        }
    }
    shell::FormClose(*form);
    devices.reset();  // closes the joysticks before SDL goes
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

}  // namespace app
