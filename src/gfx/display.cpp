// Display lifetime and the text pass.
#include "gfx/display.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "gfx/sheets.h"

namespace gfx {

namespace {

constexpr SDL_Color kTextColour = {255, 185, 0, 255};

// The status line is short; a longer one is cut at the end.
void CopyText(char* out, size_t size, const char* text) {
    std::strncpy(out, text, size - 1);
    out[size - 1] = '\0';
}

void DropTextSurface(Display& display) {
    if (display.textSurface != nullptr) SDL_FreeSurface(display.textSurface);
    display.textSurface = nullptr;
    display.textCached[0] = '\0';
}

// Blends the rendered glyphs over the frame: the text cell itself stays transparent.
void BlendText(uint32_t* frame, const SDL_Surface* text, int x, int y) {
    const int left = x < 0 ? 0 : x;
    const int top = y < 0 ? 0 : y;
    const int right = x + text->w > kScreenWidth ? kScreenWidth : x + text->w;
    const int bottom = y + text->h > kScreenHeight ? kScreenHeight : y + text->h;
    for (int row = top; row < bottom; ++row) {
        const auto* src =
            reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(text->pixels) +
                                              static_cast<ptrdiff_t>(row - y) * text->pitch) -
            x;
        uint32_t* dst = frame + static_cast<ptrdiff_t>(row) * kScreenWidth;
        for (int col = left; col < right; ++col) {
            const uint32_t s = src[col];
            const uint32_t a = s >> 24;
            if (a == 0) continue;
            if (a == 255) {
                dst[col] = s;
                continue;
            }
            const uint32_t d = dst[col];
            const uint32_t na = 255 - a;
            const uint32_t r = (((s >> 16) & 255) * a + ((d >> 16) & 255) * na + 127) / 255;
            const uint32_t g = (((s >> 8) & 255) * a + ((d >> 8) & 255) * na + 127) / 255;
            const uint32_t b = ((s & 255) * a + (d & 255) * na + 127) / 255;
            dst[col] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
}

}  // namespace

Display::~Display() {
    ReleaseDisplay(*this);
}

const char* DisplayError() {
    return SDL_GetError();
}

int CreateDisplay(Display& display, const char* fontPath) {
    if (!display.frame) {
        display.frame.reset(new (std::nothrow) uint32_t[size_t{kScreenWidth} * kScreenHeight]);
        if (!display.frame) {
            SDL_SetError("no memory for the %dx%d frame buffer", kScreenWidth, kScreenHeight);
            return 0;
        }
        std::fill_n(display.frame.get(), kScreenWidth * kScreenHeight, Argb(0, 0, 0));
    }
    display.created = true;

    // Without effect in true colour, but the display still takes its palette here.
    LoadPaletteFromBitmap("Graphic\\MuayThai\\muaythai_01.bmp", display.displayPalette);

    if (!display.textStarted && TTF_Init() == 0) display.textStarted = true;
    if (display.textStarted && display.textFont == nullptr && fontPath != nullptr)
        display.textFont = TTF_OpenFont(fontPath, kTextFontSize);
    return 1;
}

void DrawFrameText(Display& display, const char* text, int x, int y) {
    if (display.frame == nullptr || display.textFont == nullptr) return;
    if (text == nullptr || text[0] == '\0') return;
    if (display.textSurface == nullptr || std::strcmp(text, display.textCached) != 0) {
        DropTextSurface(display);
        SDL_Surface* rendered = TTF_RenderUTF8_Blended(display.textFont, text, kTextColour);
        if (rendered == nullptr) return;
        if (rendered->format->format != SDL_PIXELFORMAT_ARGB8888) {
            SDL_Surface* converted =
                SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_FreeSurface(rendered);
            if (converted == nullptr) return;
            rendered = converted;
        }
        display.textSurface = rendered;
        CopyText(display.textCached, sizeof display.textCached, text);
    }
    if (SDL_MUSTLOCK(display.textSurface)) SDL_LockSurface(display.textSurface);
    BlendText(display.frame.get(), display.textSurface, x, y);
    if (SDL_MUSTLOCK(display.textSurface)) SDL_UnlockSurface(display.textSurface);
}

void ReleaseDisplay(Display& display) {
    DropTextSurface(display);
    if (display.textFont != nullptr) TTF_CloseFont(display.textFont);
    display.textFont = nullptr;
    if (display.textStarted) TTF_Quit();
    display.textStarted = false;

    if (!display.created) return;
    for (SpriteSheet& sheet : display.common)
        sheet = SpriteSheet{};
    for (auto& set : display.player)
        for (SpriteSheet& sheet : set)
            sheet = SpriteSheet{};
    for (PlayerColours& colours : display.colours)
        colours = PlayerColours{};
    display.displayPalette = Palette{};
    display.frame.reset();
    display.created = false;
}

}  // namespace gfx
