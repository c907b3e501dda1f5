// The display: the 800 x 600 frame the game draws into, the sprite sheet slots, the text
// font. Every picture of a frame is drawn into the frame buffer; the platform presenter
// shows the finished buffer in the window or across the screen.
#pragma once

#include <SDL_ttf.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace gfx {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// The font of the status line: a bold condensed face at 20 pixels.
constexpr const char* kTextFontPath =
    "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf";
constexpr int kTextFontSize = 20;

// Pixels are 32-bit words, alpha in the top byte, then red, green and blue.
constexpr uint32_t Argb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<uint32_t>(r & 255) << 16) |
           (static_cast<uint32_t>(g & 255) << 8) | static_cast<uint32_t>(b & 255);
}

// Left, top, right, bottom; right and bottom exclusive.
struct Rect {
    int32_t left, top, right, bottom;
};

// The decoded pixels of one bitmap file, in the frame buffer's format.
struct SheetImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;  // width * height, rows top to bottom
};

// One sheet slot. Slots loaded from the same file share its decoded pixels; the colour
// key belongs to the slot, so a slot of an incomplete set shows its green.
struct SpriteSheet {
    std::shared_ptr<const SheetImage> image;  // empty slot: null
    uint32_t colorKey = 0;
    bool keyed = false;

    bool Empty() const { return image == nullptr; }
};

// A 256-entry colour table taken from a bitmap file.
struct Palette {
    uint32_t entries[256];
    int32_t count;  // 0: no palette
};

constexpr int kCommonSheets = 5;
constexpr int kPlayerSheets = 10;

// Common slots, in load order.
enum CommonSlot : int {
    kParts01 = 0,  // screen pictures: gauges, banners, names, messages
    kParts02 = 1,  // the background
    kParts03 = 2,  // further screen pictures
    kCommon = 3,   // fighter cells shared by all fighters
    kCommonDown = 4,
};

// One player's fighter pictures in that player's colours, made at a fight's set-up (see
// DressPlayer): the shared sheets with the stand-in in this fighter's colours, and in a
// mirror match player 2's own sheets in the fighter's second colours. Each is kept with the
// decoded file it was made from and the colours it was made in, so a rematch reuses it.
struct PlayerColours {
    using Images = std::array<std::shared_ptr<const SheetImage>, kPlayerSheets>;
    std::array<uint32_t, 256> shown{};  // the palette as this player's pictures show it
    bool dressed = false;               // shown holds a fighter's colours
    std::array<SpriteSheet, 2> shared;  // common, common_dwn; empty: drawn as loaded
    std::array<std::shared_ptr<const SheetImage>, 2> sharedFrom;
    Images own;  // recoloured own sheets
    Images ownFrom;
};

struct Display {
    Display() = default;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    ~Display();

    int32_t windowed = 1;  // 1 window mode, 0 full-screen mode

    bool created = false;
    std::unique_ptr<uint32_t[]> frame;  // kScreenWidth * kScreenHeight, allocated once

    SpriteSheet common[kCommonSheets];
    SpriteSheet player[2][kPlayerSheets];  // [player 1 or 2, minus 1][sheet 1..10, minus 1]
    PlayerColours colours[2];              // [player 1 or 2, minus 1]
    Palette displayPalette{};

    // The text font and the last status line rendered with it.
    bool textStarted = false;  // SDL_ttf initialised by this display
    TTF_Font* textFont = nullptr;
    SDL_Surface* textSurface = nullptr;
    char textCached[128] = {};
};

// Creates the frame buffer (opaque black) and the text font, and takes the display
// palette from "Graphic\MuayThai\muaythai_01.bmp". Returns 1, or 0 when the frame buffer
// cannot be made (DisplayError then says why). A missing font is no failure: the text pass
// then draws nothing. Calling it again keeps what exists.
int CreateDisplay(Display& display, const char* fontPath = kTextFontPath);

// The reason of the last failure, in SDL's words.
const char* DisplayError();

// The finished frame for the presenter: kScreenWidth x kScreenHeight words, or null
// before CreateDisplay.
inline const uint32_t* FramePixels(const Display& display) {
    return display.frame.get();
}

// The text pass: one line at pixel (x, y), the top-left corner of its text cell, in the
// status colour on a transparent background. Null or empty text draws nothing; the line
// is rendered anew only when it changes.
void DrawFrameText(Display& display, const char* text, int x, int y);

// Releases, in this order, the font, then (when the display was created) the five common
// sheets, both players' ten sheets and their colours, the palette and the frame buffer. Safe to
// call twice and when nothing was created.
void ReleaseDisplay(Display& display);

}  // namespace gfx
