// The window host: the one SDL window, first the launcher form, then the game screen.
// Between two frames it handles the pending events (ESC and SPACE go to the form's key
// handler, closing the window runs the close handler), then runs one frame. An exception
// out of a frame or a handler is reported and the loop goes on, as the old framework did.
#include "app/window_host.h"

#include <SDL.h>

#include <cstdio>
#include <ctime>
#include <exception>
#include <memory>

#include "audio/audio_setup.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/sdl_devices.h"
#include "platform/window_presenter.h"
#include "shell/form.h"
#include "shell/launcher_view.h"

namespace app {

namespace {

constexpr int kLauncherWidth = 898;
constexpr int kLauncherHeight = 505;
constexpr int kLauncherLeft = 91;
constexpr int kLauncherTop = 233;

// Sound requests go nowhere until the mixer is written.
class SilentSink final : public audio::SoundSink {
  public:
    void Effect(audio::SoundId, int, int32_t) override {}
    void Music(const char*) override {}
};

// Everything the window needs, created in order and released in reverse.
struct Window {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::unique_ptr<platform::SdlWindowPresenter> presenter;
    std::unique_ptr<platform::SdlDevices> devices;
    shell::LauncherView launcher;
    bool launcherUp = false;

    bool Open() {
        window = SDL_CreateWindow("TOVUKA02", kLauncherLeft, kLauncherTop, kLauncherWidth,
                                  kLauncherHeight, SDL_WINDOW_SHOWN);
        if (window == nullptr) return false;
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
        if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (renderer == nullptr) return false;
        presenter = std::make_unique<platform::SdlWindowPresenter>(renderer);
        devices = std::make_unique<platform::SdlDevices>();
        launcherUp = launcher.Init(window, renderer);
        if (!launcherUp) std::fprintf(stderr, "tovuka02: the launcher form could not start\n");
        return true;
    }

    void TakeDownLauncher() {
        if (!launcherUp) return;
        launcher.Shutdown();
        launcherUp = false;
    }

    ~Window() {
        TakeDownLauncher();
        devices.reset();    // closes the joysticks before SDL goes
        presenter.reset();  // its texture before the renderer
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
    }
};

// The launcher is taken down and the window becomes the borderless 800 x 600 game window
// in the middle of the desktop (integer halves of the desktop size, minus 399 and 299).
void BecomeGameWindow(Window& w, const shell::TForm1& form) {
    w.TakeDownLauncher();
    SDL_Rect desktop{0, 0, 800, 600};
    SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(w.window), &desktop);
    SDL_SetWindowBordered(w.window, SDL_FALSE);
    SDL_SetWindowSize(w.window, 800, 600);
    SDL_SetWindowPosition(w.window, desktop.x + desktop.w / 2 - 399,
                          desktop.y + desktop.h / 2 - 299);
    w.presenter->ApplyWindowMode(form.display.windowed != 0);
}

void PressModeButton(shell::TForm1& form, int button) {
    switch (button) {
        case 1: shell::Button1Click(form); break;
        case 2: shell::Button2Click(form); break;
        case 3: shell::Button3Click(form); break;
        case 4: shell::Button4Click(form); break;
        default: break;
    }
}

void HandleEvent(Window& w, shell::TForm1& form, const SDL_Event& event) {
    w.devices->HandleEvent(event);
    // The launcher sees its events first; an ESC that closes an open list is its own.
    const bool listWasOpen = w.launcherUp && w.launcher.ListOpen();
    if (w.launcherUp) w.launcher.ProcessEvent(event);
    if (event.type == SDL_QUIT ||
        (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
        form.closeRequested = true;
    } else if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
        // A held key is one press: the auto-repeat does not reach the form.
        const int vk = platform::VirtualKeyOf(event.key.keysym.scancode);
        if (vk == platform::VK_ESCAPE && listWasOpen) return;
        if (vk != 0) shell::FormKeyDown(form, vk);
    }
}

void ReportException(const char* what) {
    platform::ShowMessage("Error", what);
}

// One turn of the loop: the events, then a launcher frame or a game frame.
void Turn(Window& w, shell::TForm1& form) {
    audio::PumpMusicNotifications();  // a music file that ended starts the next, between frames
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        try {
            HandleEvent(w, form, event);
        } catch (const std::exception& e) {
            ReportException(e.what());
        }
    }
    if (form.closeRequested) return;
    if (form.idleInstalled) {
        shell::AppIdle(form);
        return;
    }
    const int button = w.launcherUp ? w.launcher.Frame(form) : 0;
    SDL_RenderPresent(w.renderer);
    if (button != 0) {
        PressModeButton(form, button);
        if (form.idleInstalled) BecomeGameWindow(w, form);
    } else {
        SDL_Delay(16);
    }
}

}  // namespace

int RunWindow() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER | SDL_INIT_JOYSTICK) != 0) {
        std::fprintf(stderr, "tovuka02: SDL could not start: %s\n", SDL_GetError());
        return 1;
    }
    int status = 0;
    {
        Window w;
        if (!w.Open()) {
            std::fprintf(stderr, "tovuka02: cannot open the window: %s\n", SDL_GetError());
            status = 1;
        } else {
            platform::EnableMessageBoxes(true);
            platform::SystemClock clock;
            audio::UseAudioDevice();
            auto form = std::make_unique<shell::TForm1>();
            shell::ConstructForm(*form);
            form->services = {&clock, w.devices.get(), &audio::GameMixerSink(), w.presenter.get()};
            shell::FormShow(*form, static_cast<uint32_t>(std::time(nullptr)));
            while (!form->closeRequested) {
                try {
                    Turn(w, *form);
                } catch (const std::exception& e) {
                    // The frame in which it happened is cut short; the loop goes on.
                    ReportException(e.what());
                }
            }
            shell::FormClose(*form);
            platform::EnableMessageBoxes(false);
        }
    }
    SDL_Quit();
    return status;
}

}  // namespace app
