// The generated screen pictures: every rectangle the game draws from the parts sheets is
// inside its sheet and holds a picture, the transparent key is exact, the gauge pieces fit
// the way the bars and frames are drawn, the stage and the title picture are opaque.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Image {
    int w = 0, h = 0;
    std::vector<uint32_t> px;  // 0xRRGGBB, top row first
    uint32_t At(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

std::string GraphicDir() {
    return (std::filesystem::path(TOVUKA02_BIN).parent_path() / "game" / "Graphic").string();
}

std::optional<Image> Load(const std::string& name) {
    SDL_Surface* raw = SDL_LoadBMP((GraphicDir() + "/" + name).c_str());
    if (!raw) return std::nullopt;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(raw);
    if (!rgb) return std::nullopt;
    Image img;
    img.w = rgb->w;
    img.h = rgb->h;
    img.px.resize(static_cast<size_t>(img.w) * img.h);
    for (int y = 0; y < img.h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
        for (int x = 0; x < img.w; ++x)
            img.px[static_cast<size_t>(y) * img.w + x] = row[x] & 0xFFFFFF;
    }
    SDL_FreeSurface(rgb);
    return img;
}

constexpr uint32_t kKey = 0x00FF00;

int R(uint32_t c) {
    return (c >> 16) & 0xFF;
}
int G(uint32_t c) {
    return (c >> 8) & 0xFF;
}
int B(uint32_t c) {
    return c & 0xFF;
}
double Luma(uint32_t c) {
    return 0.299 * R(c) + 0.587 * G(c) + 0.114 * B(c);
}

// A clearly green colour that is not the key itself: a fringe of key mixed into a picture.
bool Greenish(uint32_t c) {
    return c != kKey && G(c) >= 64 && G(c) > R(c) + 48 && G(c) > B(c) + 48;
}

class ScreenArt : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sheets_ = new std::vector<std::optional<Image>>{Load("parts01.bmp"), Load("parts02.bmp"),
                                                        Load("parts03.bmp")};
    }
    static void TearDownTestSuite() {
        delete sheets_;
        sheets_ = nullptr;
    }
    const Image& Sheet(int n) {
        const auto& s = (*sheets_)[static_cast<size_t>(n)];
        if (!s) throw std::runtime_error("parts sheet " + std::to_string(n) + " did not load");
        return *s;
    }
    static std::vector<std::optional<Image>>* sheets_;
};

std::vector<std::optional<Image>>* ScreenArt::sheets_ = nullptr;

struct Piece {
    std::string what;
    int sheet, x, y, w, h;
};

// Every rectangle the screens draw from sheets 0 and 2.
std::vector<Piece> AllPieces() {
    std::vector<Piece> list = {
        {"counter-hit banner", 0, 360, 0, 180, 60},
        {"tournament-cleared title", 0, 360, 60, 180, 60},
        {"result beside the winner's name", 0, 360, 120, 120, 60},
        {"weak-hit banner", 0, 360, 180, 180, 60},
        {"ready call", 0, 360, 240, 180, 60},
        {"fight call", 0, 360, 300, 180, 60},
        {"pause line", 0, 0, 360, 360, 60},
        {"pause keys line", 0, 0, 420, 360, 60},
        {"tournament-cleared line", 0, 0, 480, 360, 60},
        {"gauge frame", 0, 360, 360, 336, 66},
        {"health strip", 0, 360, 426, 300, 10},
        {"stamina strip", 0, 360, 436, 280, 10},
        {"centre piece", 0, 360, 446, 324, 66},
        {"continue question", 2, 0, 0, 360, 60},
        {"continue keys line", 2, 0, 60, 360, 60},
    };
    for (int n = 1; n <= 15; ++n)
        for (int lit = 0; lit < 2; ++lit) {
            const std::string what =
                "name " + std::to_string(n) + (lit ? " highlighted" : " plain");
            if (n <= 6)
                list.push_back({what, 0, lit ? 180 : 0, 60 * (n - 1), 180, 60});
            else if (n <= 12)
                list.push_back({what, 0, lit ? 720 : 540, 60 * (n - 7), 180, 60});
            else
                list.push_back({what, 2, lit ? 180 : 0, 120 + 60 * (n - 13), 180, 60});
        }
    return list;
}

// The part of a rectangle a block copy shows: one column and one row less.
int Drawn(const Image& img, const Piece& p) {
    int count = 0;
    for (int y = p.y; y < p.y + p.h - 1; ++y)
        for (int x = p.x; x < p.x + p.w - 1; ++x)
            count += img.At(x, y) != kKey;
    return count;
}

TEST_F(ScreenArt, EveryScreenRectangleLiesInsideItsSheetAndIsDrawn) {
    for (const Piece& p : AllPieces()) {
        SCOPED_TRACE(p.what);
        const Image& img = Sheet(p.sheet);
        ASSERT_LE(p.x + p.w, img.w);
        ASSERT_LE(p.y + p.h, img.h);
        const int area = (p.w - 1) * (p.h - 1);
        EXPECT_GT(Drawn(img, p), area / 10) << "too little of it is drawn";
    }
}

TEST_F(ScreenArt, PiecesDoNotOverlapEachOther) {
    // Each piece is drawn into its own rectangle; a piece bleeding into a neighbour would
    // show up in the wrong place. Pixels outside every piece stay key green.
    for (int s : {0, 2}) {
        const Image& img = Sheet(s);
        std::vector<bool> inside(img.px.size(), false);
        for (const Piece& p : AllPieces())
            if (p.sheet == s)
                for (int y = p.y; y < p.y + p.h; ++y)
                    for (int x = p.x; x < p.x + p.w; ++x)
                        inside[static_cast<size_t>(y) * img.w + x] = true;
        int stray = 0;
        for (size_t i = 0; i < img.px.size(); ++i)
            stray += !inside[i] && img.px[i] != kKey;
        EXPECT_EQ(stray, 0) << "sheet " << s;
    }
}

TEST_F(ScreenArt, KeyColourIsExactInThePartsSheets) {
    for (int s : {0, 2}) {
        const Image& img = Sheet(s);
        int fringe = 0;
        for (uint32_t c : img.px)
            fringe += Greenish(c);
        EXPECT_EQ(fringe, 0) << "sheet " << s << " has greenish pixels next to the key";
    }
}

TEST_F(ScreenArt, GaugeStripsAreOpaqueAcrossTheirWholeWidth) {
    const Image& img = Sheet(0);
    for (const Piece& p :
         {Piece{"health", 0, 360, 426, 300, 10}, Piece{"stamina", 0, 360, 436, 280, 10}}) {
        SCOPED_TRACE(p.what);
        for (int y = p.y; y < p.y + p.h; ++y)
            for (int x = p.x; x < p.x + p.w; ++x)
                ASSERT_NE(img.At(x, y), kKey) << x << "," << y;
        // Bars are cut to any width from the left, so every column must look the same.
        for (int y = p.y; y < p.y + p.h; ++y)
            EXPECT_EQ(img.At(p.x, y), img.At(p.x + p.w - 1, y)) << "row " << y - p.y;
    }
}

// A full bar drawn as the fight draws it, mapped back into the gauge frame picture that
// covers it: player 1's frame at (40, 100), player 2's mirrored at (440, 100).
TEST_F(ScreenArt, GaugeFrameIsOpenWhereFullBarsShowAndClosedAroundThem) {
    const Image& img = Sheet(0);
    const int fx = 360, fy = 360, fw = 336;
    auto frameAt = [&](int screenX, int screenY, bool player2) {
        const int c = player2 ? (440 + fw - 2) - screenX : screenX - 40;
        return img.At(fx + c, fy + screenY - 100);
    };
    struct Bar {
        const char* what;
        int left, top, w;  // destination of a full bar as drawn; shows w-1 x 9
        bool player2;
    } bars[] = {{"player 1 health", 359 - 300, 117, 300, false},
                {"player 1 stamina", 360 - 280, 142, 280, false},
                {"player 2 health", 457, 117, 300, true},
                {"player 2 stamina", 456, 142, 280, true}};
    for (const Bar& b : bars) {
        SCOPED_TRACE(b.what);
        const int right = b.left + b.w - 2, bottom = b.top + 8;
        for (int y = b.top; y <= bottom; ++y)
            for (int x = b.left; x <= right; ++x)
                ASSERT_EQ(frameAt(x, y, b.player2), kKey)
                    << "frame covers the bar at " << x << "," << y;
        // The frame closes round the bar: the pixels just outside it are frame.
        for (int x = b.left; x <= right; x += 7) {
            EXPECT_NE(frameAt(x, b.top - 1, b.player2), kKey) << x;
            EXPECT_NE(frameAt(x, bottom + 1, b.player2), kKey) << x;
        }
        for (int y = b.top; y <= bottom; ++y) {
            EXPECT_NE(frameAt(b.left - 1, y, b.player2), kKey) << y;
            EXPECT_NE(frameAt(right + 1, y, b.player2), kKey) << y;
        }
    }
}

TEST_F(ScreenArt, ResultPictureLeavesTheWinnersNameUncovered) {
    // The result picture at (263, 270) is drawn after the name plate at (373, 270); its
    // columns from 110 on lie over the plate and must stay clear.
    const Image& img = Sheet(0);
    for (int y = 120; y < 179; ++y)
        for (int x = 360 + 110; x < 360 + 119; ++x)
            ASSERT_EQ(img.At(x, y), kKey) << x << "," << y;
}

TEST_F(ScreenArt, NamePlatesAreDistinctAndTheHighlightIsLit) {
    std::vector<Piece> plain, lit;
    for (const Piece& p : AllPieces()) {
        if (p.what.rfind("name ", 0) != 0) continue;
        (p.what.find("highlighted") != std::string::npos ? lit : plain).push_back(p);
    }
    ASSERT_EQ(plain.size(), 15u);
    ASSERT_EQ(lit.size(), 15u);
    auto meanLuma = [&](const Piece& p) {
        const Image& img = Sheet(p.sheet);
        double sum = 0;
        int n = 0;
        for (int y = p.y; y < p.y + p.h - 1; ++y)
            for (int x = p.x; x < p.x + p.w - 1; ++x)
                if (img.At(x, y) != kKey) sum += Luma(img.At(x, y)), ++n;
        return n ? sum / n : 0.0;
    };
    auto same = [&](const Piece& a, const Piece& b) {
        for (int y = 0; y < a.h - 1; ++y)
            for (int x = 0; x < a.w - 1; ++x)
                if (Sheet(a.sheet).At(a.x + x, a.y + y) != Sheet(b.sheet).At(b.x + x, b.y + y))
                    return false;
        return true;
    };
    for (size_t i = 0; i < 15; ++i) {
        SCOPED_TRACE(plain[i].what);
        EXPECT_GT(meanLuma(lit[i]), meanLuma(plain[i]) + 40) << "highlight not visibly lit";
        for (size_t j = i + 1; j < 15; ++j)
            EXPECT_FALSE(same(plain[i], plain[j])) << "same plate as " << plain[j].what;
    }
}

TEST_F(ScreenArt, BackgroundIsAWholeStageWithACalmStatusCorner) {
    const Image& bg = Sheet(1);
    ASSERT_EQ(bg.w, 800);
    ASSERT_EQ(bg.h, 600);
    int keyed = 0, greenish = 0;
    for (uint32_t c : bg.px) {
        keyed += c == kKey;
        greenish += Greenish(c);
    }
    EXPECT_EQ(keyed, 0);
    EXPECT_EQ(greenish, 0);
    // The tournament status line is drawn at (6, 40) in RGB(255, 185, 0): the backdrop
    // there must be dark and even for it to read.
    double sum = 0, sumSq = 0;
    int n = 0;
    for (int y = 40; y < 64; ++y)
        for (int x = 6; x < 256; ++x) {
            const double l = Luma(bg.At(x, y));
            sum += l;
            sumSq += l * l;
            ++n;
        }
    const double mean = sum / n, spread = std::sqrt(sumSq / n - mean * mean);
    EXPECT_LT(mean, 60.0);
    EXPECT_LT(spread, 12.0);
    // Not a flat fill: a stage has many colours.
    std::vector<uint32_t> colours(bg.px);
    std::sort(colours.begin(), colours.end());
    EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 2000);
}

TEST(ScreenTitle, TitlePictureIsAnOpaque500By200Picture) {
    const std::optional<Image> title = Load("title.bmp");
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(title->w, 500);
    EXPECT_EQ(title->h, 200);
    int keyed = 0;
    for (uint32_t c : title->px)
        keyed += c == kKey;
    EXPECT_EQ(keyed, 0);
    std::vector<uint32_t> colours(title->px);
    std::sort(colours.begin(), colours.end());
    EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 500);
}

}  // namespace
