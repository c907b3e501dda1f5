// The presenter of the game window: the finished 800 x 600 frame goes into one streaming
// texture and from there onto the window.
//
// What the window host does with it:
//   1. Create it once, after the renderer: `SdlWindowPresenter presenter(renderer);` and
//      hand it to the form (`form.services.presenter = &presenter`). The texture is made
//      here, once; no frame allocates anything.
//   2. After a mode button has started the game (the window has become the borderless
//      800 x 600 game window), call `ApplyWindowMode(form.display.windowed != 0)`:
//      window mode shows the frame unscaled in the window; full-screen mode (windowed 0)
//      makes the window cover the desktop (no display-mode switch) and scales the picture
//      to fit with its aspect kept, black bars beside or above it. Present also applies a
//      changed mode by itself, so calling it first only saves one frame in the old mode.
//   3. Destroy the presenter before the renderer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/presenter.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

class SdlWindowPresenter final : public Presenter {
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    explicit SdlWindowPresenter(SDL_Renderer* renderer);
    ~SdlWindowPresenter() override;
    SdlWindowPresenter(const SdlWindowPresenter&) = delete;
    SdlWindowPresenter& operator=(const SdlWindowPresenter&) = delete;

    // Window mode: the window as it is (a whole multiple of 800 x 600), the picture scaled
    // by that multiple with sharp pixels. Full-screen mode: the window covers the desktop,
    // the picture scaled to fit with its aspect kept, smoothly, or by the largest whole
    // multiple that fits when sharp full screen is asked for.
    void ApplyWindowMode(bool windowed);
    void SetSharpFullScreen(bool sharp);

    // Uploads the frame (or black while there is none) and shows it.
    void Present(const uint32_t* pixels, bool windowed) override;

    // Present without the final swap: the renderer's target then holds the picture (for
    // reading it back in tests).
    void Render(const uint32_t* pixels, bool windowed);

  private:
    // With TOVUKA_FRAME_LOG=FILE in the environment, two times of every presented frame
    // are kept (room for an hour of frames, made once) and written to FILE at the end:
    // a line with the performance counter's frequency, then one line per frame with the
    // counter when the frame was handed to Present and when the window system's present
    // call returned. The benchmark script reads the frame periods from it.
    struct FrameTime {
        uint64_t handed;
        uint64_t shown;
    };
    std::string frameLogPath_;
    std::vector<FrameTime> frameTimes_;

    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    int appliedMode_ = -1;  // -1 none yet, 0 full screen, 1 window
    bool sharpFullScreen_ = false;
    bool shownOnce_ = false;
};

}  // namespace platform
