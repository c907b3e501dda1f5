// The window host: the one SDL window, first the launcher form, then the game screen.
// Between two frames it handles the pending events (ESC and SPACE go to the form's key
// handler, closing the window runs the close handler), then runs one frame. An exception
// out of a frame or a handler is reported and the loop goes on, as the old framework did.
// Every game started from the launcher is recorded into replays/; F1 shows the training
// overlay. A replay plays in the same window with the launcher left out.
#include "app/window_host.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <memory>
#include <string>

#include "app/netplay_window.h"
#include "app/replay.h"
#include "app/replay_window.h"
#include "audio/audio_setup.h"
#include "platform/clock.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "platform/milestones.h"
#include "platform/sdl_devices.h"
#include "platform/signals.h"
#include "platform/window_presenter.h"
#include "shell/form.h"
#include "shell/launcher_view.h"
#include "shell/net_settings.h"
#include "shell/overlay.h"
#include "shell/window_settings.h"

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
    shell::WindowSettings settings = shell::LoadWindowSettings();

    bool Open(bool withLauncher) {
        window = SDL_CreateWindow("TOVUKA02", kLauncherLeft, kLauncherTop, kLauncherWidth,
                                  kLauncherHeight, SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI);
        if (window == nullptr) return false;
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
        if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (renderer == nullptr) return false;
        presenter = std::make_unique<platform::SdlWindowPresenter>(renderer);
        devices = std::make_unique<platform::SdlDevices>();
        if (!withLauncher) return true;
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

// The launcher is taken down and the window becomes the borderless game window, a whole
// multiple of 800 x 600 (window.ini), in the middle of the desktop (integer halves of the
// desktop size, minus 399 and 299 for the plain size). On a high-density desktop the
// multiple counts real pixels.
void BecomeGameWindow(Window& w, const shell::TForm1& form) {
    w.TakeDownLauncher();
    const int display = SDL_GetWindowDisplayIndex(w.window);
    SDL_Rect desktop{0, 0, 800, 600};
    SDL_GetDisplayBounds(display, &desktop);
    SDL_Rect usable = desktop;
    SDL_GetDisplayUsableBounds(display, &usable);
    int windowW = 0, windowH = 0, pixelsW = 0, pixelsH = 0;
    SDL_GetWindowSize(w.window, &windowW, &windowH);
    SDL_GetRendererOutputSize(w.renderer, &pixelsW, &pixelsH);
    const double density =
        windowW > 0 && pixelsW > 0 ? static_cast<double>(pixelsW) / windowW : 1.0;
    const int multiple = shell::WindowMultiple(w.settings, static_cast<int>(usable.w * density),
                                               static_cast<int>(usable.h * density));
    const int width = static_cast<int>(800 * multiple / density);
    const int height = static_cast<int>(600 * multiple / density);
    SDL_SetWindowBordered(w.window, SDL_FALSE);
    SDL_SetWindowSize(w.window, width, height);
    SDL_SetWindowPosition(w.window, desktop.x + desktop.w / 2 - (width / 2 - 1),
                          desktop.y + desktop.h / 2 - (height / 2 - 1));
    w.presenter->SetSharpFullScreen(w.settings.sharpFullScreen);
    w.presenter->ApplyWindowMode(form.display.windowed != 0);
}

// What the host keeps beside the form: the recording of the game, the training overlay,
// and for a replay the player and the frame it is at.
struct Session {
    ReplayRecorder* recorder = nullptr;
    shell::TrainingOverlay overlay;
    uint32_t seed = 0;
    ReplayPlayer* player = nullptr;  // null: a game played from the launcher
    int64_t frame = 0;
    bool launcherShown = false;
    int netButton = 0;  // the launcher's Host or Join button was pressed
};

// The training room's start, as the recordings know it.
constexpr int kTrainingModeButton = 5;

// The mode button starts the game and its recording. A recording that cannot be made is
// reported once; the game runs anyway.
void StartGame(Window& w, shell::TForm1& form, Session& s, int button) {
    if (w.launcherUp) {
        w.settings.scale = w.launcher.WindowScale();
        w.settings.sharpFullScreen = w.launcher.SharpFullScreen();
        shell::SaveWindowSettings(w.settings);
    }
    ReplayHeader header;
    header.seed = s.seed;
    header.mode = button;
    header.controls = form.controls;
    header.deadZone = platform::ReadPadDeadZone();
    std::string path, error;
    if (!StartNewReplay(*s.recorder, header, std::time(nullptr), path, error))
        std::fprintf(stderr, "tovuka02: this game is not recorded: %s\n", error.c_str());
    PressModeButton(form, button);
    s.recorder->EndFrame();  // the start sequence is over
    if (form.idleInstalled) BecomeGameWindow(w, form);
}

void HandleEvent(Window& w, shell::TForm1& form, Session& s, const SDL_Event& event) {
    w.devices->HandleEvent(event);
    // The launcher sees its events first. While one of its boxes is being edited or a list
    // is open, ESC and SPACE are the launcher's: ESC ends the editing or closes the list.
    const bool launcherEditing = w.launcherUp && w.launcher.Editing();
    if (w.launcherUp) w.launcher.ProcessEvent(event);
    if (event.type == SDL_QUIT ||
        (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
        form.closeRequested = true;
    } else if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
        // A held key is one press: the auto-repeat does not reach the form.
        const int vk = platform::VirtualKeyOf(event.key.keysym.scancode);
        if ((vk == platform::VK_ESCAPE || vk == platform::VK_SPACE) && launcherEditing) return;
        if (form.idleInstalled && s.overlay.HandleKey(vk)) return;
        if (vk == 0) return;
        s.recorder->KeyPressed(vk);
        shell::FormKeyDown(form, vk);
    }
}

// During a replay the real keyboard does not play: ESC ends the replay, F1 shows the
// overlay; the recorded key presses reach the form instead.
void HandleReplayEvent(shell::TForm1& form, Session& s, const SDL_Event& event) {
    if (event.type == SDL_QUIT ||
        (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
        form.closeRequested = true;
    } else if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
        const int vk = platform::VirtualKeyOf(event.key.keysym.scancode);
        if (vk == platform::VK_ESCAPE) form.closeRequested = true;
        s.overlay.HandleKey(vk);
    }
}

void ReportException(const char* what) {
    platform::ShowMessage("Error", what);
}

// Ends a frame of the recording even when the frame is cut short by an exception.
struct EndOfFrame {
    ReplayRecorder& recorder;
    ~EndOfFrame() { recorder.EndFrame(); }
};

// One turn of the loop: the events, then a launcher frame or a game frame.
void Turn(Window& w, shell::TForm1& form, Session& s) {
    if (platform::HangupReceived()) {
        form.closeRequested = true;
        return;
    }
    audio::PumpMusicNotifications();  // a music file that ended starts the next, between frames
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        try {
            if (s.player != nullptr)
                HandleReplayEvent(form, s, event);
            else
                HandleEvent(w, form, s, event);
        } catch (const std::exception& e) {
            ReportException(e.what());
        }
    }
    if (form.closeRequested) return;
    if (s.player != nullptr) {
        // The replay's frames, then the end of the program.
        if (s.frame >= s.player->Frames()) {
            form.closeRequested = true;
            return;
        }
        s.player->BeforeFrame(form, s.frame++);
        if (form.closeRequested) return;
        shell::AppIdle(form);
        return;
    }
    if (form.idleInstalled) {
        EndOfFrame end{*s.recorder};
        shell::AppIdle(form);
        return;
    }
    const int button = w.launcherUp ? w.launcher.Frame(form) : 0;
    SDL_RenderPresent(w.renderer);
    if (!s.launcherShown) {
        s.launcherShown = true;
        platform::Milestone("launcher-drawn");
    }
    if (button == shell::LauncherView::kHostButton || button == shell::LauncherView::kJoinButton) {
        s.netButton = button;
    } else if (button == shell::LauncherView::kTrainingButton) {
        platform::Milestone("mode-button");
        StartGame(w, form, s, kTrainingModeButton);
    } else if (button != 0) {
        platform::Milestone("mode-button");
        StartGame(w, form, s, button);
    } else {
        SDL_Delay(16);
    }
}

// Without a display SDL falls back to a video driver that shows nothing: a game nobody
// can see or end. Only a player who asks for such a driver (SDL_VIDEODRIVER) gets one.
bool InvisibleWithoutBeingAsked() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return true;
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return false;
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return asked == nullptr || std::strstr(asked, driver) == nullptr;
}

// The network panel's choice as a session's settings; it is kept in netplay.ini.
net::SessionConfig ConfigFromPanel(Window& w, int button) {
    const shell::LauncherView& view = w.launcher;
    w.settings.scale = view.WindowScale();
    w.settings.sharpFullScreen = view.SharpFullScreen();
    shell::SaveWindowSettings(w.settings);
    net::SessionConfig c;
    c.host = button == shell::LauncherView::kHostButton;
    c.port = static_cast<uint16_t>(view.NetPort());
    std::string address = view.NetAddress();
    // "HOST:PORT" in the address box names the port to join; else the port box does.
    const size_t colon = address.rfind(':');
    if (!c.host && colon != std::string::npos && address.find(':') == colon) {
        const long port = std::strtol(address.c_str() + colon + 1, nullptr, 10);
        if (port >= 1 && port <= 65535) {
            c.port = static_cast<uint16_t>(port);
            address.resize(colon);
        }
    }
    c.address = address;
    c.seed = static_cast<uint32_t>(std::time(nullptr));
    shell::SaveNetSettings({view.NetPort(), view.NetAddress()});
    return c;
}

// A network game in this window, from the command line or the launcher; the program ends
// with it.
int NetworkGame(Window& w, shell::TForm1& form, Session& s, net::SessionConfig config) {
    config.speed = form.controls.speed;
    NetWindow nw;
    nw.window = w.window;
    nw.devices = w.devices.get();
    nw.training = &s.overlay;
    nw.becomeGameWindow = [&w, &form] { BecomeGameWindow(w, form); };
    const int status = PlayNetworkGame(nw, form, config);
    form.closeRequested = true;
    return status;
}

// The window run, from the launcher or, given a replay, straight into its game; given a
// network game, straight into that.
int RunInWindow(const Replay* replay, const net::SessionConfig* network, bool training) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER | SDL_INIT_JOYSTICK) != 0) {
        std::fprintf(stderr, "tovuka02: SDL could not start: %s\n", SDL_GetError());
        return 1;
    }
    if (InvisibleWithoutBeingAsked()) {
        std::fprintf(stderr,
                     "tovuka02: no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
                     "are not set); start the game from a desktop, or run it without a window "
                     "with --headless\n");
        SDL_Quit();
        return 1;
    }
    platform::CatchHangup();
    int status = 0;
    {
        Window w;
        if (!w.Open(replay == nullptr && network == nullptr && !training)) {
            std::fprintf(stderr, "tovuka02: cannot open the window: %s\n", SDL_GetError());
            status = 1;
        } else {
            platform::EnableMessageBoxes(true);
            platform::SystemClock clock;
            audio::UseAudioDevice();
            ReplayRecorder recorder(*w.devices);
            std::unique_ptr<ReplayPlayer> player;
            if (replay != nullptr) player = std::make_unique<ReplayPlayer>(*replay);
            auto session = std::make_unique<Session>();
            session->recorder = &recorder;
            session->player = player.get();
            auto form = std::make_unique<shell::TForm1>();
            shell::ConstructForm(*form);
            form->services.clock = &clock;
            form->services.devices = player ? &player->Devices() : &recorder;
            form->services.sound = &audio::GameMixerSink();
            form->services.presenter = w.presenter.get();
            form->services.overlay = &session->overlay;
            // The game seeds its random numbers from the clock; a replay from its recording.
            session->seed =
                replay ? replay->header.seed : static_cast<uint32_t>(std::time(nullptr));
            shell::FormShow(*form, session->seed);
            if (player) {
                player->Start(*form);
                if (form->idleInstalled) BecomeGameWindow(w, *form);
            }
            if (w.launcherUp) {
                const shell::NetSettings net = shell::LoadNetSettings();
                w.launcher.SetNetPanel(net.port, net.address);
                w.launcher.SetWindowChoice(w.settings.scale, w.settings.sharpFullScreen);
            }
            if (network != nullptr) status = NetworkGame(w, *form, *session, *network);
            if (training) StartGame(w, *form, *session, kTrainingModeButton);
            while (!form->closeRequested) {
                try {
                    Turn(w, *form, *session);
                    if (session->netButton != 0)
                        status =
                            NetworkGame(w, *form, *session, ConfigFromPanel(w, session->netButton));
                } catch (const std::exception& e) {
                    // The frame in which it happened is cut short; the loop goes on.
                    ReportException(e.what());
                }
            }
            shell::FormClose(*form);
            recorder.Finish();
            platform::EnableMessageBoxes(false);
        }
    }
    SDL_Quit();
    return status;
}

}  // namespace

int RunWindow() {
    return RunInWindow(nullptr, nullptr, false);
}

int RunWindowTraining() {
    return RunInWindow(nullptr, nullptr, true);
}

int RunWindowNetwork(const Options& options) {
    net::SessionConfig config;
    config.host = options.netHost;
    config.port = static_cast<uint16_t>(options.netPort);
    config.address = options.netAddress;
    config.inputDelay = options.inputDelay;
    config.seed = static_cast<uint32_t>(std::time(nullptr));
    return RunInWindow(nullptr, &config, false);
}

int RunWindowReplay(const std::string& path) {
    Replay replay;
    std::string error;
    if (!LoadReplay(path, replay, error)) {
        std::fprintf(stderr, "tovuka02: %s\n", error.c_str());
        return 2;
    }
    return RunInWindow(&replay, nullptr, false);
}

}  // namespace app
