// The game window's presenter on SDL's off-screen video driver: the frame reaches the
// window pixel for pixel in window mode, and scaled with its aspect kept across the screen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "platform/window_presenter.h"
#include "support/system_allocations.h"

namespace {

class Presenter : public ::testing::Test {
  protected:
    testing_support::SystemAllocations systemAllocations_;  // SDL video drivers
    void SetUp() override {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
        video = true;
        window = SDL_CreateWindow("TOVUKA02", 0, 0, 800, 600, SDL_WINDOW_BORDERLESS);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        ASSERT_NE(renderer, nullptr) << SDL_GetError();

        // A frame with a different colour in every pixel, alpha bytes all zero: the
        // presenter must not blend with them.
        frame.resize(800 * 600);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                frame[y * 800 + x] = static_cast<uint32_t>((x * 7) << 16 | (y * 3) << 8 | (x ^ y));
    }
    void TearDown() override {
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        if (video) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    std::vector<uint32_t> ReadBack(int& w, int& h) {
        SDL_GetRendererOutputSize(renderer, &w, &h);
        std::vector<uint32_t> out(static_cast<size_t>(w) * h);
        SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, out.data(), w * 4);
        return out;
    }

    bool video = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::vector<uint32_t> frame;
};

}  // namespace

TEST_F(Presenter, WindowModeShowsTheFrameUnscaled) {
    platform::SdlWindowPresenter presenter(renderer);
    presenter.Render(frame.data(), true);
    int w = 0, h = 0;
    const std::vector<uint32_t> shown = ReadBack(w, h);
    ASSERT_EQ(w, 800);
    ASSERT_EQ(h, 600);
    for (int i = 0; i < 800 * 600; ++i)
        ASSERT_EQ(shown[i] & 0xFFFFFF, frame[i] & 0xFFFFFF) << i % 800 << "," << i / 800;
    EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
}

TEST_F(Presenter, FullScreenCoversTheDesktopWithAspectKept) {
    platform::SdlWindowPresenter presenter(renderer);
    std::fill(frame.begin(), frame.end(), gfx::Argb(200, 100, 50));
    presenter.Render(frame.data(), false);
    EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
    SDL_Rect viewport;
    SDL_RenderGetViewport(renderer, &viewport);
    float sx = 0, sy = 0;
    SDL_RenderGetScale(renderer, &sx, &sy);
    EXPECT_FLOAT_EQ(sx, sy);  // one scale for both directions
    int w = 0, h = 0;
    const std::vector<uint32_t> shown = ReadBack(w, h);
    // The picture fills the output in one direction and is centred in the other.
    const int pw = static_cast<int>(800 * sx + 0.5f), ph = static_cast<int>(600 * sy + 0.5f);
    EXPECT_TRUE(pw == w || ph == h) << pw << "x" << ph << " in " << w << "x" << h;
    EXPECT_EQ(shown[(h / 2) * w + w / 2] & 0xFFFFFF, 0xC86432u);
    if (pw < w - 2) {
        EXPECT_EQ(shown[(h / 2) * w] & 0xFFFFFF, 0u);  // bar at the side
    }
    if (ph < h - 2) {
        EXPECT_EQ(shown[w / 2] & 0xFFFFFF, 0u);  // bar at the top
    }
    RecordProperty("output", std::to_string(w) + "x" + std::to_string(h));

    // Back to window mode: 1:1 again.
    SDL_SetWindowSize(window, 800, 600);
    presenter.Render(frame.data(), true);
    EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
}
