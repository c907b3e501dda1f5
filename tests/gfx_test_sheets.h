// Sheets for the graphics tests and benchmarks, made on the spot: in memory, as small
// bitmap files, or as a whole placeholder game folder with every picture in its place.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "gfx/sheets.h"

namespace gfx_test {

// A pixel that says where it came from: sheet id (1..15), x and y (0..1023). Never the key
// colour, whose id bits are 0.
constexpr uint32_t Code(int id, int x, int y) {
    return 0xFF000000u | (static_cast<uint32_t>(id) << 20) | (static_cast<uint32_t>(x) << 10) |
           static_cast<uint32_t>(y);
}

struct Origin {
    int id, x, y;
    bool operator==(const Origin&) const = default;
};

inline Origin OriginOf(uint32_t pixel) {
    return {static_cast<int>((pixel >> 20) & 15), static_cast<int>((pixel >> 10) & 1023),
            static_cast<int>(pixel & 1023)};
}

constexpr uint32_t kGreen = gfx::Argb(0, 255, 0);

// A sheet whose every pixel is Code(id, x, y).
inline std::shared_ptr<gfx::SheetImage> CodedImage(int id, int width, int height) {
    auto image = std::make_shared<gfx::SheetImage>();
    image->width = width;
    image->height = height;
    image->pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->pixels[static_cast<size_t>(y) * width + x] = Code(id, x, y);
    return image;
}

inline gfx::SpriteSheet Keyed(std::shared_ptr<const gfx::SheetImage> image) {
    gfx::SpriteSheet sheet;
    sheet.image = std::move(image);
    sheet.colorKey = kGreen;
    sheet.keyed = true;
    return sheet;
}

// ---------------------------------------------------------------------------------------
// Files.

inline void MakeDirs(const std::string& path) {
    for (size_t at = 1; at != std::string::npos; at = path.find('/', at + 1))
        ::mkdir(path.substr(0, at).c_str(), 0755);
    ::mkdir(path.c_str(), 0755);
}

inline std::string DirOf(const std::string& path) {
    return path.substr(0, path.rfind('/'));
}

// "Graphic\x\y.bmp" under root, with slashes.
inline std::string FilePath(const std::string& root, const std::string& gamePath) {
    std::string p = gamePath;
    for (char& c : p)
        if (c == '\\') c = '/';
    return root + "/" + p;
}

// Writes a 24-bit bitmap of the image.
inline bool WriteBmp24(const std::string& path, const gfx::SheetImage& image) {
    MakeDirs(DirOf(path));
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 24, SDL_PIXELFORMAT_BGR24);
    if (s == nullptr) return false;
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.pixels[static_cast<size_t>(y) * image.width + x];
            row[3 * x + 0] = static_cast<uint8_t>(p);
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p >> 16);
        }
    }
    const bool ok = SDL_SaveBMP(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

// Writes an 8-bit palettised bitmap; false when the image has more than 256 colours.
inline bool WriteBmp8(const std::string& path, const gfx::SheetImage& image) {
    MakeDirs(DirOf(path));
    std::map<uint32_t, uint8_t> index;
    for (uint32_t p : image.pixels) {
        if (index.count(p)) continue;
        if (index.size() == 256) return false;
        index.emplace(p, static_cast<uint8_t>(index.size()));
    }
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 8, SDL_PIXELFORMAT_INDEX8);
    if (s == nullptr) return false;
    SDL_Color colours[256] = {};
    for (const auto& [p, i] : index)
        colours[i] = {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                      static_cast<uint8_t>(p), 255};
    SDL_SetPaletteColors(s->format->palette, colours, 0, 256);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < image.width; ++x)
            row[x] = index[image.pixels[static_cast<size_t>(y) * image.width + x]];
    }
    const bool ok = SDL_SaveBMP(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

// A plain image of one colour.
inline gfx::SheetImage Filled(int width, int height, uint32_t colour) {
    gfx::SheetImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, colour);
    return image;
}

// Runs the test inside a directory and returns to where it was.
class InDirectory {
  public:
    explicit InDirectory(const std::string& dir) {
        if (::getcwd(old_, sizeof old_) == nullptr) old_[0] = '\0';
        ok_ = ::chdir(dir.c_str()) == 0;
    }
    ~InDirectory() {
        if (old_[0] != '\0' && ::chdir(old_) != 0) old_[0] = '\0';
    }
    bool ok() const { return ok_; }

  private:
    char old_[PATH_MAX];
    bool ok_ = false;
};

// ---------------------------------------------------------------------------------------
// A placeholder game folder: plain boxes with labels where the pictures go, so that a
// picture of the screen shows what was drawn where.

class Painter {
  public:
    Painter(int width, int height, uint32_t background) {
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        Box(0, 0, width, height, background);
        if (TTF_Init() == 0) {
            ttf_ = true;
            font_ = TTF_OpenFont(gfx::kTextFontPath, 22);
            small_ = TTF_OpenFont(gfx::kTextFontPath, 14);
        }
    }
    ~Painter() {
        if (font_) TTF_CloseFont(font_);
        if (small_) TTF_CloseFont(small_);
        if (ttf_) TTF_Quit();
        SDL_FreeSurface(surface_);
    }
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void Box(int x, int y, int w, int h, uint32_t colour) {
        SDL_Rect r{x, y, w, h};
        SDL_FillRect(surface_, &r, colour);
    }
    void Frame(int x, int y, int w, int h, int t, uint32_t colour) {
        Box(x, y, w, t, colour);
        Box(x, y + h - t, w, t, colour);
        Box(x, y, t, h, colour);
        Box(x + w - t, y, t, h, colour);
    }
    // Text in hard-edged pixels (no colours in between), centred in the box.
    void Text(int x, int y, int w, int h, const std::string& text, uint32_t colour,
              bool small = false) {
        TTF_Font* f = small ? small_ : font_;
        if (f == nullptr || text.empty()) return;
        const SDL_Color c{static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                          static_cast<uint8_t>(colour), 255};
        SDL_Surface* t = TTF_RenderUTF8_Solid(f, text.c_str(), c);
        if (t == nullptr) return;
        SDL_Rect to{x + (w - t->w) / 2, y + (h - t->h) / 2, t->w, t->h};
        SDL_BlitSurface(t, nullptr, surface_, &to);
        SDL_FreeSurface(t);
    }
    // A labelled box with a border.
    void Label(int x, int y, int w, int h, const std::string& text, uint32_t fill, uint32_t ink) {
        Box(x, y, w, h, fill);
        Frame(x, y, w, h, 2, ink);
        Text(x, y, w, h, text, ink);
    }
    gfx::SheetImage Image() const {
        gfx::SheetImage image;
        image.width = surface_->w;
        image.height = surface_->h;
        image.pixels.resize(static_cast<size_t>(image.width) * image.height);
        for (int y = 0; y < image.height; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                static_cast<const uint8_t*>(surface_->pixels) + y * surface_->pitch);
            for (int x = 0; x < image.width; ++x)
                image.pixels[static_cast<size_t>(y) * image.width + x] = row[x] | 0xFF000000u;
        }
        return image;
    }

  private:
    SDL_Surface* surface_ = nullptr;
    bool ttf_ = false;
    TTF_Font* font_ = nullptr;
    TTF_Font* small_ = nullptr;
};

// Colours of the placeholder pictures.
constexpr uint32_t kInk = gfx::Argb(255, 255, 255);
constexpr uint32_t kBlack = gfx::Argb(0, 0, 0);
constexpr uint32_t kNamePlain = gfx::Argb(30, 40, 110);
constexpr uint32_t kNameHighlight = gfx::Argb(240, 200, 40);
constexpr uint32_t kHealthColour = gfx::Argb(220, 40, 30);
constexpr uint32_t kStaminaColour = gfx::Argb(40, 120, 230);

inline uint32_t FighterColour(int kind) {
    static const uint32_t colours[15] = {
        gfx::Argb(230, 230, 230), gfx::Argb(200, 60, 60),  gfx::Argb(60, 60, 200),
        gfx::Argb(200, 120, 40),  gfx::Argb(150, 60, 170), gfx::Argb(40, 150, 150),
        gfx::Argb(180, 180, 40),  gfx::Argb(110, 70, 40),  gfx::Argb(240, 140, 180),
        gfx::Argb(90, 90, 90),    gfx::Argb(60, 110, 60),  gfx::Argb(250, 250, 120),
        gfx::Argb(120, 30, 30),   gfx::Argb(30, 160, 220), gfx::Argb(170, 120, 250)};
    return kind >= 1 && kind <= 15 ? colours[kind - 1] : kInk;
}

inline void PaintName(Painter& p, int kind, int x, int y, bool highlighted) {
    const std::string text = std::to_string(kind) + " FIGHTER " + std::to_string(kind);
    p.Label(x, y, 180, 60, text, highlighted ? kNameHighlight : kNamePlain,
            highlighted ? kBlack : kInk);
}

// parts01: names 1..12, banners, messages, gauges and their frames.
inline gfx::SheetImage PartsOne() {
    Painter p(1024, 768, kGreen);
    for (int n = 1; n <= 6; ++n) {
        PaintName(p, n, 0, 60 * (n - 1), false);
        PaintName(p, n, 180, 60 * (n - 1), true);
    }
    for (int n = 7; n <= 12; ++n) {
        PaintName(p, n, 540, 60 * (n - 7), false);
        PaintName(p, n, 720, 60 * (n - 7), true);
    }
    p.Label(360, 0, 180, 60, "COUNTER!", gfx::Argb(200, 30, 30), kInk);
    p.Label(360, 60, 180, 60, "CHAMPION", gfx::Argb(200, 160, 20), kBlack);
    p.Label(360, 120, 120, 60, "WINS", gfx::Argb(20, 140, 60), kInk);
    p.Label(360, 180, 180, 60, "WEAK HIT", gfx::Argb(120, 40, 160), kInk);
    p.Label(360, 240, 180, 60, "READY", gfx::Argb(30, 90, 200), kInk);
    p.Label(360, 300, 180, 60, "FIGHT!", gfx::Argb(220, 90, 20), kInk);
    p.Label(0, 360, 360, 60, "PAUSE", gfx::Argb(60, 60, 60), kInk);
    p.Label(0, 420, 360, 60, "ESC: quit   SPACE: go on", gfx::Argb(60, 60, 60), kInk);
    p.Label(0, 480, 360, 60, "TOURNAMENT CLEARED", gfx::Argb(200, 160, 20), kBlack);
    // The gauge frame: a border round the two gauges; inside it the bars show through.
    p.Frame(360, 360, 336, 66, 3, gfx::Argb(250, 210, 60));
    p.Frame(360 + 17, 360 + 15, 304, 13, 2, gfx::Argb(250, 210, 60));
    p.Frame(360 + 38, 360 + 40, 283, 13, 2, gfx::Argb(250, 210, 60));
    p.Box(360, 426, 300, 10, kHealthColour);
    p.Box(360, 436, 280, 10, kStaminaColour);
    // The piece behind player 2's gauges: dark troughs.
    p.Box(360, 446 + 17, 324, 10, gfx::Argb(40, 40, 40));
    p.Box(360, 446 + 42, 324, 10, gfx::Argb(40, 40, 40));
    return p.Image();
}

// parts02: the background.
inline gfx::SheetImage PartsTwo() {
    Painter p(800, 600, gfx::Argb(90, 120, 170));
    for (int y = 0; y < 420; y += 6)
        p.Box(0, y, 800, 6, gfx::Argb(90 + y / 8, 120 + y / 10, 170 + y / 12));
    p.Box(0, 420, 800, 180, gfx::Argb(120, 90, 60));
    for (int x = 0; x < 800; x += 80)
        p.Box(x, 420, 2, 180, gfx::Argb(90, 60, 40));
    return p.Image();
}

// parts03: the continue messages and names 13..15.
inline gfx::SheetImage PartsThree() {
    Painter p(512, 512, kGreen);
    p.Label(0, 0, 360, 60, "CONTINUE?", gfx::Argb(160, 20, 20), kInk);
    p.Label(0, 60, 360, 60, "SPACE: again   ESC: give up", gfx::Argb(160, 20, 20), kInk);
    for (int n = 13; n <= 15; ++n) {
        PaintName(p, n, 0, 120 + 60 * (n - 13), false);
        PaintName(p, n, 180, 120 + 60 * (n - 13), true);
    }
    return p.Image();
}

// A fighter sheet: 4 x 3 cells, each a figure facing right around the cell's point
// (127, 127), its fist at a height that changes with the cell, and its label.
inline gfx::SheetImage FighterSheet(int kind, int sheet) {
    Painter p(1024, 768, kGreen);
    const uint32_t body = FighterColour(kind);
    for (int cell = 0; cell < 12; ++cell) {
        const int x0 = 256 * (cell % 4), y0 = 256 * (cell / 4);
        p.Box(x0 + 112, y0 + 40, 30, 30, body);             // head
        p.Box(x0 + 107, y0 + 75, 40, 90, body);             // trunk
        p.Box(x0 + 147, y0 + 80 + 6 * cell, 60, 12, body);  // arm, fist forward
        p.Box(x0 + 200, y0 + 76 + 6 * cell, 16, 20, kBlack);
        p.Box(x0 + 107, y0 + 165, 14, 85, body);  // legs
        p.Box(x0 + 133, y0 + 165, 14, 85, body);
        p.Text(x0 + 60, y0 + 230, 136, 20, std::to_string(sheet) + "." + std::to_string(cell),
               kBlack, true);
    }
    return p.Image();
}

// A down-effect strip: two 800 x 300 pictures.
inline gfx::SheetImage DownEffectSheet(int kind) {
    Painter p(800, 600, kGreen);
    for (int n = 1; n <= 2; ++n) {
        const int y = 300 * (n - 1);
        p.Box(0, y + 110, 800, 80, FighterColour(kind));
        p.Text(0, y + 110, 800, 80, "DOWN " + std::to_string(n), kBlack);
    }
    return p.Image();
}

// Writes the five common sheets and the sheets of the given fighters (both players'
// files) under root. Parts sheets are 24-bit, fighter sheets 8-bit, as the game has them.
inline bool WritePlaceholderGame(const std::string& root, const std::vector<int>& kinds) {
    bool ok = WriteBmp24(root + "/Graphic/parts01.bmp", PartsOne()) &&
              WriteBmp24(root + "/Graphic/parts02.bmp", PartsTwo()) &&
              WriteBmp24(root + "/Graphic/parts03.bmp", PartsThree()) &&
              WriteBmp8(root + "/Graphic/common/common.bmp", FighterSheet(0, 0)) &&
              WriteBmp8(root + "/Graphic/common/common_dwn.bmp", FighterSheet(0, 8));
    std::set<std::string> written;
    for (int kind : kinds) {
        for (int player = 1; player <= 2; ++player) {
            std::string files[gfx::kPlayerSheets];
            if (!gfx::PlayerSheetFiles(kind, player, files)) return false;
            for (int s = 0; s < gfx::kPlayerSheets && ok; ++s) {
                if (!written.insert(files[s]).second) continue;
                const gfx::SheetImage image =
                    s == 9 ? DownEffectSheet(kind) : FighterSheet(kind, s + 1);
                ok = WriteBmp8(FilePath(root, files[s]), image);
            }
        }
    }
    return ok;
}

}  // namespace gfx_test
