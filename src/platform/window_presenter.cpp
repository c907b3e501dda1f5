// The game window's presenter.
#include "platform/window_presenter.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "platform/milestones.h"

namespace platform {

SdlWindowPresenter::SdlWindowPresenter(SDL_Renderer* renderer) : renderer_(renderer) {
    if (const char* log = std::getenv("TOVUKA_FRAME_LOG")) {
        frameLogPath_ = log;
        frameTimes_.reserve(size_t{25} * 3600);
    }
    if (renderer_ == nullptr) return;
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 kWidth, kHeight);
    if (texture_ != nullptr) {
        // The frame is opaque: its alpha byte must not blend.
        SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(texture_, SDL_ScaleModeLinear);
    }
}

SdlWindowPresenter::~SdlWindowPresenter() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (frameLogPath_.empty()) return;
    if (std::FILE* f = std::fopen(frameLogPath_.c_str(), "w")) {
        std::fprintf(f, "%llu\n", static_cast<unsigned long long>(SDL_GetPerformanceFrequency()));
        for (const FrameTime& t : frameTimes_)
            std::fprintf(f, "%llu %llu\n", static_cast<unsigned long long>(t.handed),
                         static_cast<unsigned long long>(t.shown));
        std::fclose(f);
    }
}

void SdlWindowPresenter::ApplyWindowMode(bool windowed) {
    const int mode = windowed ? 1 : 0;
    if (renderer_ == nullptr || mode == appliedMode_) return;
    appliedMode_ = mode;
    if (SDL_Window* window = SDL_RenderGetWindow(renderer_))
        SDL_SetWindowFullscreen(window, windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    // 800 x 600 logical pixels: a whole multiple in the game window, scaled with black bars
    // when the window covers a desktop of another shape.
    SDL_RenderSetLogicalSize(renderer_, kWidth, kHeight);
    const bool sharp = windowed || sharpFullScreen_;
    SDL_RenderSetIntegerScale(renderer_, sharp ? SDL_TRUE : SDL_FALSE);
    if (texture_ != nullptr)
        SDL_SetTextureScaleMode(texture_, sharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

void SdlWindowPresenter::SetSharpFullScreen(bool sharp) {
    if (sharp == sharpFullScreen_) return;
    sharpFullScreen_ = sharp;
    appliedMode_ = -1;  // applied again at the next frame
}

void SdlWindowPresenter::Render(const uint32_t* pixels, bool windowed) {
    if (renderer_ == nullptr) return;
    ApplyWindowMode(windowed);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (pixels == nullptr || texture_ == nullptr) return;
    SDL_UpdateTexture(texture_, nullptr, pixels, kWidth * static_cast<int>(sizeof(uint32_t)));
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
}

void SdlWindowPresenter::Present(const uint32_t* pixels, bool windowed) {
    if (renderer_ == nullptr) return;
    const uint64_t handed = frameLogPath_.empty() ? 0 : SDL_GetPerformanceCounter();
    Render(pixels, windowed);
    SDL_RenderPresent(renderer_);
    if (frameTimes_.size() < frameTimes_.capacity())
        frameTimes_.push_back({handed, SDL_GetPerformanceCounter()});
    if (!shownOnce_) {
        shownOnce_ = true;
        Milestone("first-game-frame");
    }
}

}  // namespace platform
