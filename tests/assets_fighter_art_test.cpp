// The generated fighter pictures: every file of the fighters' file table is there at its size,
// every picture number any fighter's tables show lands on a drawn cell of the right file, the
// cells no frame shows stay green, the key colour is exact, all sheets share one palette, the
// finishing-effect strips hold two pictures, and the poses follow the tables (standing feet on
// the floor line, strikes reaching as far as their attack reaches, two different stances).
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/fighter.h"
#include "engine/roster.h"

namespace {

constexpr uint32_t kKey = 0x00FF00;
constexpr int kFloorRow = 245;

struct Image {
    int w = 0, h = 0;
    std::vector<uint32_t> px;       // 0xRRGGBB, top row first
    std::vector<uint32_t> colours;  // the file's colour table
    uint32_t At(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

std::filesystem::path GraphicDir() {
    return std::filesystem::path(TOVUKA02_BIN).parent_path() / "game" / "Graphic";
}

std::optional<Image> Load(const std::filesystem::path& path) {
    SDL_Surface* raw = SDL_LoadBMP(path.string().c_str());
    if (!raw) return std::nullopt;
    Image img;
    if (raw->format->palette)
        for (int i = 0; i < raw->format->palette->ncolors; ++i) {
            const SDL_Color c = raw->format->palette->colors[i];
            img.colours.push_back(uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b);
        }
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(raw);
    if (!rgb) return std::nullopt;
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

// A colour that would pass for the key without being it: a green fringe.
bool NearKey(uint32_t c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return c != kKey && r <= 60 && b <= 60 && g >= 195;
}

// The file table: folder, numbered files, and the files the two players' fill slots name.
struct Entry {
    const char* folder;
    const char* stem;
    int count;
    const char* effect;
    std::vector<std::string> fills;  // every file a fill slot names, as "folder/name"
};

const std::vector<Entry>& Table() {
    static const std::vector<Entry> table = {
        {"karate01", "karate01_", 6, "dwnef_karate01", {"karate01/karate01_06"}},
        {"MuayThai01", "muaythai_", 5, "dwnef_muaythai01", {"MuayThai01/muaythai_05"}},
        {"box01", "boxer_", 5, "dwnef_box01", {"box01/boxer_05", "box01/dwnef_box01"}},
        {"box02", "fighter_", 7, "dwnef_box02", {"box02/fighter_07", "box02/dwnef_box02"}},
        {"kick01",
         "kickboxing_",
         5,
         "dwnef_kick01",
         {"kick01/kickboxing_05", "kick01/dwnef_kick01"}},
        {"hakkyokuken",
         "hakkyokuken_",
         6,
         "dwnef_hakkyoku",
         {"hakkyokuken/hakkyokuken_06", "hakkyokuken/dwnef_hakkyoku"}},
        {"Tequondo",
         "Tequondo_",
         7,
         "dwnef_tequondo",
         {"Tequondo/Tequondo_07", "MuayThai01/muaythai_05"}},
        {"Kick02",
         "KickBoxing02_",
         7,
         "dwnef_kick02",
         {"Kick02/KickBoxing02_07", "Kick02/dwnef_kick02"}},
        {"karate02",
         "karate02_",
         7,
         "dwnef_karate02",
         {"karate02/karate02_07", "karate02/dwnef_karate02"}},
        {"Kick03", "KickBoxing03_", 8, "dwnef_kick03", {"Kick03/KickBoxing03_08"}},
        {"Boxer03", "Boxer03_", 8, "dwnef_box03", {"Boxer03/Boxer03_08"}},
        {"JEETKUNEDOO", "JEETKUNEDOO_", 7, "dwnef_jeek", {"JEETKUNEDOO/JEETKUNEDOO_07"}},
        {"MuayThai02",
         "MuayThai02_",
         7,
         "dwnef_muaythai02",
         {"MuayThai02/MuayThai02_06", "MuayThai02/dwnef_muaythai02"}},
        {"Capoeira", "Capoeira_", 9, "dwnef_capoeira", {}},
        {"qirune", "Qirune_", 4, "dwnef_qirune", {"qirune/Qirune_01"}},
    };
    return table;
}

std::string Numbered(const Entry& e, int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return std::string(e.folder) + "/" + e.stem + buf;
}

// The file a picture number is drawn from, as "folder/name", or "" for sheet numbers that name
// no file of this fighter.
std::string FileOfPicture(const Entry& e, int image) {
    const int sheet = image / 100;
    if (sheet == 0) return "common/common";
    if (sheet == 8) return "common/common_dwn";
    int n = 0;
    if (sheet >= 1 && sheet <= 7) n = sheet;
    if (sheet == 9 || sheet == 10) n = sheet - 1;
    if (n == 0 || n > e.count) return "";
    return Numbered(e, n);
}

// Every frame of both stances of a fighter built as for a fight.
std::vector<engine::MotionFrame> Frames(int kind) {
    auto f = std::make_unique<engine::Fighter>();
    engine::ResetFighter(*f, engine::kSideLeft);
    engine::BuildFighter(*f, kind, kind);
    std::vector<engine::MotionFrame> frames;
    for (const auto& table : f->tables)
        for (const auto& motion : table)
            for (const engine::MotionFrame& frame : motion)
                if (frame.duration > 0) frames.push_back(frame);
    return frames;
}

int MotionOf(const engine::MotionFrame& f) {
    return (f.code % 10000) / 100;
}

// The drawn (non-key) pixels of the shown 255 x 255 part of a cell.
struct CellInk {
    int count = 0;
    int left = 999, right = -1, top = 999, bottom = -1;
};

CellInk InkOf(const Image& img, int cell) {
    CellInk ink;
    const int x0 = 256 * (cell % 4), y0 = 256 * (cell / 4);
    for (int y = 0; y < 255; ++y)
        for (int x = 0; x < 255; ++x)
            if (img.At(x0 + x, y0 + y) != kKey) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

class FighterArt : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { images_ = new std::map<std::string, std::optional<Image>>; }
    static void TearDownTestSuite() {
        delete images_;
        images_ = nullptr;
    }
    // A file under Graphic/, "folder/name" without ".bmp"; loaded once.
    static const Image* File(const std::string& name) {
        auto it = images_->find(name);
        if (it == images_->end())
            it = images_->emplace(name, Load(GraphicDir() / (name + ".bmp"))).first;
        return it->second ? &*it->second : nullptr;
    }
    static std::map<std::string, std::optional<Image>>* images_;
};

std::map<std::string, std::optional<Image>>* FighterArt::images_ = nullptr;

TEST_F(FighterArt, EveryFileOfTheTableIsThereAtItsSize) {
    for (const Entry& e : Table()) {
        for (int n = 1; n <= e.count; ++n) {
            const Image* img = File(Numbered(e, n));
            ASSERT_NE(img, nullptr) << Numbered(e, n);
            EXPECT_EQ(img->w, 1024) << Numbered(e, n);
            EXPECT_EQ(img->h, 768) << Numbered(e, n);
        }
        const std::string effect = std::string(e.folder) + "/" + e.effect;
        const Image* strip = File(effect);
        ASSERT_NE(strip, nullptr) << effect;
        EXPECT_EQ(strip->w, 800) << effect;
        EXPECT_EQ(strip->h, 600) << effect;
        for (const std::string& fill : e.fills)
            EXPECT_NE(File(fill), nullptr) << "fill file " << fill;
    }
    for (const char* shared : {"common/common", "common/common_dwn"}) {
        const Image* img = File(shared);
        ASSERT_NE(img, nullptr) << shared;
        EXPECT_EQ(img->w, 1024);
        EXPECT_EQ(img->h, 768);
    }
}

// For every file, the cells some frame of some fighter shows.
std::map<std::string, std::set<int>> UsedCells() {
    std::map<std::string, std::set<int>> used;
    for (int kind = 1; kind <= 15; ++kind)
        for (const engine::MotionFrame& f : Frames(kind)) {
            const std::string file = FileOfPicture(Table()[kind - 1], f.image);
            if (!file.empty()) used[file].insert(f.image % 100);
        }
    return used;
}

TEST_F(FighterArt, EveryPictureTheTablesShowIsDrawnInItsFile) {
    for (int kind = 1; kind <= 15; ++kind) {
        const Entry& e = Table()[kind - 1];
        std::set<int> seen;
        for (const engine::MotionFrame& f : Frames(kind)) {
            if (!seen.insert(f.image).second) continue;
            const std::string file = FileOfPicture(e, f.image);
            ASSERT_FALSE(file.empty()) << "fighter " << kind << " shows picture " << f.image
                                       << ", which lies in none of its numbered files";
            ASSERT_LE(f.image % 100, 11) << "fighter " << kind << " picture " << f.image;
            const Image* img = File(file);
            ASSERT_NE(img, nullptr) << file;
            EXPECT_GT(InkOf(*img, f.image % 100).count, 1500)
                << "fighter " << kind << " picture " << f.image << " in " << file
                << " is (nearly) empty";
        }
    }
}

TEST_F(FighterArt, CellsNoFrameShowsAndTheHiddenEdgesStayGreen) {
    const auto used = UsedCells();
    std::vector<std::string> files = {"common/common", "common/common_dwn"};
    for (const Entry& e : Table())
        for (int n = 1; n <= e.count; ++n)
            files.push_back(Numbered(e, n));
    for (const std::string& file : files) {
        const Image* img = File(file);
        ASSERT_NE(img, nullptr) << file;
        const auto it = used.find(file);
        for (int y = 0; y < img->h; ++y)
            for (int x = 0; x < img->w; ++x) {
                if (img->At(x, y) == kKey) continue;
                const int cell = (y / 256) * 4 + x / 256;
                const bool shown = x % 256 < 255 && y % 256 < 255;
                const bool inUse = it != used.end() && it->second.count(cell) > 0;
                ASSERT_TRUE(shown && inUse) << file << " has ink at " << x << "," << y << " (cell "
                                            << cell << ", used " << inUse << ")";
            }
    }
}

TEST_F(FighterArt, KeyGreenIsExactAndAllSheetsShareOnePalette) {
    const Image* common = File("common/common");
    ASSERT_NE(common, nullptr);
    ASSERT_EQ(common->colours.size(), 256u);
    std::vector<std::string> files = {"common/common", "common/common_dwn"};
    for (const Entry& e : Table()) {
        for (int n = 1; n <= e.count; ++n)
            files.push_back(Numbered(e, n));
        files.push_back(std::string(e.folder) + "/" + e.effect);
    }
    for (const std::string& file : files) {
        const Image* img = File(file);
        ASSERT_NE(img, nullptr) << file;
        EXPECT_EQ(img->colours, common->colours) << file << " has a palette of its own";
        const auto bad = std::find_if(img->px.begin(), img->px.end(), NearKey);
        EXPECT_EQ(bad, img->px.end()) << file << " has a near-key pixel";
    }
    for (uint32_t c : common->colours)
        EXPECT_FALSE(NearKey(c)) << std::hex << c;
}

TEST_F(FighterArt, FinishingEffectsHoldTwoPicturesOverTheScene) {
    for (const Entry& e : Table()) {
        const Image* strip = File(std::string(e.folder) + "/" + e.effect);
        ASSERT_NE(strip, nullptr) << e.effect;
        for (int half = 0; half < 2; ++half) {
            int ink = 0;
            for (int y = 300 * half; y < 300 * half + 300; ++y)
                for (int x = 0; x < 800; ++x)
                    ink += strip->At(x, y) != kKey;
            const double share = ink / (800.0 * 300.0);
            EXPECT_GT(share, 0.15) << e.effect << " picture " << half + 1 << " is almost empty";
            EXPECT_LT(share, 0.85)
                << e.effect << " picture " << half + 1 << " hides the whole fight";
        }
    }
}

// The pictures a fighter shows standing (stand, steps, guards) have their feet on the floor
// line and the fighter's point inside the figure.
TEST_F(FighterArt, StandingPicturesStandOnTheFloorAroundTheFightersPoint) {
    for (int kind = 1; kind <= 15; ++kind) {
        const Entry& e = Table()[kind - 1];
        std::set<int> done;
        for (const engine::MotionFrame& f : Frames(kind)) {
            const int motion = MotionOf(f);
            if ((motion != 14 && motion != 15) || f.dy != 0 || !done.insert(f.image).second)
                continue;
            const Image* img = File(FileOfPicture(e, f.image));
            ASSERT_NE(img, nullptr);
            const CellInk ink = InkOf(*img, f.image % 100);
            EXPECT_NEAR(ink.bottom, kFloorRow, 4) << "fighter " << kind << " picture " << f.image;
            EXPECT_LT(ink.left, 127) << "fighter " << kind << " picture " << f.image;
            EXPECT_GT(ink.right, 127) << "fighter " << kind << " picture " << f.image;
            EXPECT_GT(ink.top, 10) << "fighter " << kind << " picture " << f.image;
        }
    }
}

// A picture shown by the active frames of an attack reaches as far as those frames' reach: the
// fist, foot, knee or elbow ends at the fighter's point + reach (at the picture's edge for
// reaches beyond it).
TEST_F(FighterArt, StrikesReachTheirAttacksReach) {
    for (int kind = 1; kind <= 15; ++kind) {
        const Entry& e = Table()[kind - 1];
        std::map<int, std::pair<int, int>> reach;  // picture -> least and most reach
        std::set<int> standing;
        for (const engine::MotionFrame& f : Frames(kind)) {
            if (MotionOf(f) >= 14 && MotionOf(f) <= 19) standing.insert(f.image);
            if (f.attackKind == 0) continue;
            auto [it, fresh] = reach.try_emplace(f.image, f.reach, f.reach);
            it->second.first = std::min(it->second.first, f.reach);
            it->second.second = std::max(it->second.second, f.reach);
        }
        for (const auto& [image, range] : reach) {
            if (standing.count(image)) continue;
            const Image* img = File(FileOfPicture(e, image));
            ASSERT_NE(img, nullptr);
            const CellInk ink = InkOf(*img, image % 100);
            const int nearest = std::min(127 + range.first - 10, 240);
            const int farthest = std::min(127 + range.second + 24, 254);
            EXPECT_GE(ink.right, nearest) << "fighter " << kind << " picture " << image
                                          << " falls short of reach " << range.first;
            EXPECT_LE(ink.right, farthest)
                << "fighter " << kind << " picture " << image << " reaches past " << range.second;
        }
    }
}

// A picture shown only in the air (a jumping body or a frame the game draws higher) has its
// feet off the floor line; the last picture of a knock-out fall lies on the floor.
TEST_F(FighterArt, JumpsLeaveTheFloorAndKnockOutsLieOnIt) {
    for (int kind = 1; kind <= 15; ++kind) {
        const Entry& e = Table()[kind - 1];
        std::map<int, bool> onlyInAir;
        std::set<int> lying;
        auto f = std::make_unique<engine::Fighter>();
        engine::ResetFighter(*f, engine::kSideLeft);
        engine::BuildFighter(*f, kind, kind);
        for (const auto& table : f->tables) {
            for (int motion = 1; motion <= 3; ++motion) {
                int last = -1;
                for (const engine::MotionFrame& frame : table[motion])
                    if (frame.duration > 0) last = frame.image;
                lying.insert(last);
            }
            for (int motion = 14; motion < engine::kMotions; ++motion)
                for (const engine::MotionFrame& frame : table[motion]) {
                    if (frame.duration == 0) continue;
                    const bool air = (frame.bodyType == 4 || frame.dy < 0) && motion != 19;
                    auto [it, fresh] = onlyInAir.try_emplace(frame.image, air);
                    it->second = it->second && air;
                }
        }
        for (const auto& [image, air] : onlyInAir) {
            if (!air) continue;
            const Image* img = File(FileOfPicture(e, image));
            ASSERT_NE(img, nullptr);
            EXPECT_LT(InkOf(*img, image % 100).bottom, kFloorRow - 6)
                << "fighter " << kind << " picture " << image << " stands on the floor";
        }
        for (int image : lying) {
            const Image* img = File(FileOfPicture(e, image));
            ASSERT_NE(img, nullptr);
            const CellInk ink = InkOf(*img, image % 100);
            EXPECT_GT(ink.right - ink.left, 2 * (ink.bottom - ink.top))
                << "fighter " << kind << " knock-out picture " << image << " is not lying";
            EXPECT_NEAR(ink.bottom, kFloorRow, 5) << "fighter " << kind << " picture " << image;
        }
    }
}

// The two stances are told apart: stand pictures of stance 0 and 1 differ, and the guard is
// not the stand.
TEST_F(FighterArt, StancesAndGuardsLookDifferent) {
    for (int kind = 1; kind <= 14; ++kind) {  // 15 uses the same pictures in both stances
        auto f = std::make_unique<engine::Fighter>();
        engine::ResetFighter(*f, engine::kSideLeft);
        engine::BuildFighter(*f, kind, kind);
        const Entry& e = Table()[kind - 1];
        auto pixels = [&](int image) {
            const Image* img = File(FileOfPicture(e, image));
            std::vector<uint32_t> out;
            if (!img) return out;
            const int x0 = 256 * (image % 100 % 4), y0 = 256 * (image % 100 / 4);
            for (int y = 0; y < 255; ++y)
                for (int x = 0; x < 255; ++x)
                    out.push_back(img->At(x0 + x, y0 + y));
            return out;
        };
        const int stand0 = f->tables[0][14][0].image, stand1 = f->tables[1][14][0].image;
        const int guard0 = f->tables[0][15][0].image;
        ASSERT_NE(stand0, stand1) << "fighter " << kind;
        EXPECT_NE(pixels(stand0), pixels(stand1)) << "fighter " << kind;
        EXPECT_NE(pixels(stand0), pixels(guard0)) << "fighter " << kind;
    }
}

}  // namespace
