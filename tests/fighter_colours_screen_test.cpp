// The fighters' colours on the screen, with the generated pictures: the hit reactions and
// falls all fighters share show each fighter in its own skin and clothes, and in a mirror
// match the two fighters differ at a glance. The frames measured are the frames the game
// shows (and the headless runner's --shot writes); a fighter's pixels are those that change
// when it is drawn. The test also writes two contact sheets into the build folder:
// shared_pictures.png (each fighter standing, hit, knocked down) and mirror_match.png (each
// fighter's stand and hit for player 1, then for player 2 in the second colours).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "colours/fighter_colours.h"
#include "engine/fighter.h"
#include "fight/game_enums.h"
#include "gfx/screenshot.h"
#include "gfx_test_sheets.h"
#include "shell/routines.h"
#include "shell/screen.h"
#include "support/game.h"
#include "support/run_binary.h"

namespace {

using colours::Hue;

const std::filesystem::path& BuildDir() {
    static const std::filesystem::path dir = std::filesystem::path(TOVUKA02_BIN).parent_path();
    return dir;
}

// A frame as the game shows it and which of its pixels belong to the fighter.
struct Shot {
    std::vector<uint32_t> frame;
    std::vector<bool> fighter;
};

// How much of a fighter's pixels each palette family (or area) covers, 0..1.
struct Shares {
    std::map<Hue, double> of;
    int pixels = 0;
    double operator[](Hue h) const {
        const auto it = of.find(h);
        return it == of.end() ? 0.0 : it->second;
    }
};

Hue FamilyOf(uint32_t pixel) {
    static const std::unordered_map<uint32_t, int> index = [] {
        std::unordered_map<uint32_t, int> m;
        for (int i = 0; i < 256; ++i)
            m.emplace(colours::Colours()[i] | 0xFF000000u, i);
        return m;
    }();
    const auto it = index.find(pixel | 0xFF000000u);
    return it == index.end() ? Hue::Count : colours::HueOfIndex(it->second);
}

Shares SharesOf(const Shot& shot) {
    Shares s;
    std::map<Hue, int> counts;
    for (size_t i = 0; i < shot.frame.size(); ++i) {
        if (!shot.fighter[i]) continue;
        ++s.pixels;
        ++counts[FamilyOf(shot.frame[i])];
    }
    for (const auto& [hue, n] : counts)
        s.of[hue] = s.pixels ? static_cast<double>(n) / s.pixels : 0.0;
    return s;
}

bool IsHair(Hue h) {
    return h >= Hue::HairBlack && h <= Hue::HairSilver;
}

// How one picture of a fighter changed between two frames: the part of its pixels whose
// colour moved far (over 120 in the sum of the channels' differences), and how many of its
// skin's pixels changed at all.
struct Change {
    double clearly = 0;
    int skinChanged = 0;
};

Change ChangeOf(const Shot& a, const Shot& b, Hue skin) {
    Change c;
    int pixels = 0, far = 0;
    for (size_t i = 0; i < a.frame.size(); ++i) {
        if (!a.fighter[i]) continue;
        ++pixels;
        const uint32_t p = a.frame[i], q = b.frame[i];
        int distance = 0;
        for (int shift = 0; shift < 24; shift += 8)
            distance += std::abs(static_cast<int>((p >> shift) & 255) -
                                 static_cast<int>((q >> shift) & 255));
        if (distance > 120) ++far;
        if (FamilyOf(p) == skin && p != q) ++c.skinChanged;
    }
    c.clearly = pixels ? static_cast<double>(far) / pixels : 0.0;
    return c;
}

// The same fighter pixels in the same colours (the scene around may differ: names, gauges).
bool SamePicture(const Shot& a, const Shot& b) {
    if (a.fighter != b.fighter) return false;
    for (size_t i = 0; i < a.frame.size(); ++i)
        if (a.fighter[i] && a.frame[i] != b.frame[i]) return false;
    return true;
}

class FighterColoursOnScreen : public ::testing::Test {
  protected:
    static constexpr int kX[2] = {200, 600};

    void SetUp() override {
        dir_ = testing_support::MakeTempDir();
        std::filesystem::create_directory_symlink(BuildDir() / "game" / "Graphic",
                                                  std::filesystem::path(dir_) / "Graphic");
        here_ = std::make_unique<gfx_test::InDirectory>(dir_);
        ASSERT_TRUE(here_->ok());
        game_ = std::make_unique<testing_support::Game>(7);
    }
    void TearDown() override {
        game_.reset();
        here_.reset();
        std::filesystem::remove_all(dir_);
    }

    shell::TForm1& F() { return game_->F(); }

    void Fight(int kind1, int kind2) {
        game_->StartFight(2, kind1, kind2);
        F().phase = shell::kPhaseFight;
        for (int p = 0; p < 2; ++p) {
            F().fighter[p].x = kX[p];
            F().fighter[p].y = engine::kStartY;
        }
    }

    std::vector<uint32_t> Frame() {
        shell::DrawScene(F());
        shell::DrawStatePictures(F());
        const uint32_t* frame = gfx::FramePixels(F().display);
        return {frame, frame + gfx::kScreenWidth * gfx::kScreenHeight};
    }

    // Player p (0 or 1) alone in the scene, showing the frame of code.
    Shot Take(int p, engine::MotionCode code) {
        F().fighter[0].code = F().fighter[1].code = -1;
        const std::vector<uint32_t> empty = Frame();
        F().fighter[p].code = code;
        Shot shot{Frame(), {}};
        shot.fighter.resize(shot.frame.size());
        for (size_t i = 0; i < shot.frame.size(); ++i)
            shot.fighter[i] = shot.frame[i] != empty[i];
        F().fighter[p].code = -1;
        return shot;
    }

    // A frame of stance 0 among the motions that shows a picture of the given sheet (any
    // sheet: -1): the first such frame, or the last of the first motion that has one.
    engine::MotionCode OnSheet(int p, int firstMotion, int lastMotion, int sheet, bool last) {
        const engine::Fighter& f = F().fighter[p];
        for (int m = firstMotion; m <= lastMotion; ++m) {
            engine::MotionCode found = -1;
            for (int n = 0; n < engine::kFramesPerMotion; ++n) {
                const engine::MotionFrame& frame = f.tables[0][m][n];
                if (frame.duration <= 0 || frame.image < 0) continue;
                if (sheet >= 0 && frame.image / 100 != sheet) continue;
                found = engine::MakeCode(0, m, n);
                if (!last) return found;
            }
            if (found >= 0) return found;
        }
        return -1;
    }
    static engine::MotionCode Stand() { return engine::MakeCode(0, engine::kMotionStand, 0); }
    // A hit reaction from the shared sheet.
    engine::MotionCode Hit(int p) {
        return OnSheet(p, engine::kMotionReactionFirst, engine::kMotionReactionLast, 0, false);
    }
    // Lying knocked out: from the shared sheet, or for a fighter with falls of its own, those.
    engine::MotionCode Down(int p) {
        const engine::MotionCode shared =
            OnSheet(p, engine::kMotionFallFirst, engine::kMotionFallLast, 8, true);
        if (shared >= 0) return shared;
        return OnSheet(p, engine::kMotionFallFirst, engine::kMotionFallLast, -1, true);
    }

    std::string dir_;
    std::unique_ptr<gfx_test::InDirectory> here_;
    std::unique_ptr<testing_support::Game> game_;
};

// A grid of crops of shots, written as one PNG.
class ContactSheet {
  public:
    static constexpr int kW = 200, kH = 270;
    ContactSheet(int columns, int rows)
        : columns_(columns), pixels_(static_cast<size_t>(columns) * kW * rows * kH, 0xFF202020u) {}
    // The crop around a fighter standing at x, into cell (column, row).
    void Put(int column, int row, const Shot& shot, int x) {
        const int left = x - kW / 2, top = engine::kStartY - 140;
        for (int y = 0; y < kH; ++y)
            for (int dx = 0; dx < kW; ++dx) {
                const int sx = left + dx, sy = top + y;
                if (sx < 0 || sx >= gfx::kScreenWidth || sy < 0 || sy >= gfx::kScreenHeight)
                    continue;
                pixels_[static_cast<size_t>(row * kH + y) * Width() + column * kW + dx] =
                    shot.frame[static_cast<size_t>(sy) * gfx::kScreenWidth + sx];
            }
    }
    bool Write(const std::filesystem::path& path) const {
        return gfx::WritePicturePng(pixels_.data(), Width(),
                                    static_cast<int>(pixels_.size() / Width()),
                                    path.string().c_str());
    }

  private:
    int Width() const { return columns_ * kW; }
    int columns_;
    std::vector<uint32_t> pixels_;
};

}  // namespace

// Every fighter's hit reaction and fall show its own skin and the colours of the clothes its
// own standing picture is dressed in (hair aside: the stand-in's hair is cut short for all),
// and nothing of the stand-in's colours as they are in the file.
TEST_F(FighterColoursOnScreen, SharedPicturesShowEachFightersOwnColours) {
    ContactSheet sheet(9, 5);
    for (int kind = 1; kind <= colours::kFighterCount; ++kind) {
        SCOPED_TRACE("fighter " + std::to_string(kind));
        Fight(kind, kind == 1 ? 2 : 1);
        const engine::MotionCode hitCode = Hit(0), downCode = Down(0);
        ASSERT_GE(hitCode, 0);
        ASSERT_GE(downCode, 0);
        const Shot stand = Take(0, Stand()), hit = Take(0, hitCode), down = Take(0, downCode);
        const int column = (kind - 1) % 3 * 3, row = (kind - 1) / 3;
        sheet.Put(column, row, stand, kX[0]);
        sheet.Put(column + 1, row, hit, kX[0]);
        sheet.Put(column + 2, row, down, kX[0]);

        const Shares own = SharesOf(stand);
        ASSERT_GT(own.pixels, 2000);
        const Hue skin = colours::FighterColoursOf(kind).skin;
        for (const auto& [name, shot] : {std::pair{"hit", &hit}, std::pair{"down", &down}}) {
            SCOPED_TRACE(name);
            const Shares shared = SharesOf(*shot);
            ASSERT_GT(shared.pixels, 2000);
            EXPECT_GT(shared[skin], 0.03);
            // Each family that dresses a good part of the standing fighter is there too.
            for (const auto& [hue, part] : own.of) {
                if (part < 0.12 || IsHair(hue) || hue == Hue::Count) continue;
                EXPECT_GT(shared[hue], 0.04)
                    << "family " << static_cast<int>(hue) << " covers " << part << " of the stand";
            }
            for (int a = colours::kFamilyCount; a < static_cast<int>(Hue::Count); ++a)
                EXPECT_EQ(shared[static_cast<Hue>(a)], 0.0) << "area " << a << " left undressed";
        }
    }
    EXPECT_TRUE(sheet.Write(BuildDir() / "shared_pictures.png"));
}

// Player 1 and player 2 with the same fighter: player 2's own pictures and its shared ones
// are in other colours, for every fighter, and its skin stays; player 1 is as ever, and so is
// player 2 against another fighter.
TEST_F(FighterColoursOnScreen, MirrorMatchesDressPlayerTwoInTheSecondColours) {
    ContactSheet sheet(12, 5);
    for (int kind = 1; kind <= colours::kFighterCount; ++kind) {
        SCOPED_TRACE("fighter " + std::to_string(kind));
        const int other = kind == 1 ? 2 : 1;
        Fight(kind, other);
        const Shot stand1 = Take(0, Stand()), hit1 = Take(0, Hit(0));
        Fight(other, kind);
        const Shot stand2 = Take(1, Stand()), hit2 = Take(1, Hit(1));
        Fight(kind, kind);
        const Shot mirrorStand1 = Take(0, Stand()), mirrorHit1 = Take(0, Hit(0));
        const Shot mirrorStand2 = Take(1, Stand()), mirrorHit2 = Take(1, Hit(1));

        const int column = (kind - 1) % 3 * 4, row = (kind - 1) / 3;
        sheet.Put(column, row, mirrorStand1, kX[0]);
        sheet.Put(column + 1, row, mirrorHit1, kX[0]);
        sheet.Put(column + 2, row, mirrorStand2, kX[1]);
        sheet.Put(column + 3, row, mirrorHit2, kX[1]);

        EXPECT_TRUE(SamePicture(mirrorStand1, stand1));
        EXPECT_TRUE(SamePicture(mirrorHit1, hit1));
        for (const auto& [name, first, second] :
             {std::tuple{"stand", &stand2, &mirrorStand2}, std::tuple{"hit", &hit2, &mirrorHit2}}) {
            SCOPED_TRACE(name);
            ASSERT_EQ(first->fighter, second->fighter);  // the same picture
            const Change change = ChangeOf(*first, *second, colours::FighterColoursOf(kind).skin);
            EXPECT_GT(change.clearly, 0.08);
            EXPECT_EQ(change.skinChanged, 0);
        }
    }
    EXPECT_TRUE(sheet.Write(BuildDir() / "mirror_match.png"));
}
