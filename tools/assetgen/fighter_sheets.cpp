// Every fighter picture of the game: each fighter's numbered sheets and its finishing-effect
// strip, and the two sheets all fighters share (hit reactions, falls).
//
// The pictures follow the fighters' own motion tables: every fighter is built as for a fight,
// every frame of both stances is read, and each picture number is drawn as the pose of the
// frames that show it (what the motion is, where the frame lies in it, how far and how high its
// attack reaches, whether it is in the air or crouched). Pictures no frame shows stay green.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "assetgen/bmp.h"
#include "assetgen/fighter_art.h"
#include "assetgen/fighter_effects.h"
#include "assetgen/figure_poses.h"
#include "assetgen/output.h"
#include "assetgen/palette.h"
#include "engine/fighter.h"
#include "engine/roster.h"

namespace assetgen {

namespace {

using figure::FighterArt;
using figure::Look;
using figure::Phase;
using figure::Role;
using figure::Shot;
using figure::StanceStyle;

constexpr int kCell = 256;   // cell pitch
constexpr int kShown = 255;  // the part of a cell the game draws
constexpr int kSheetW = 1024, kSheetH = 768;
constexpr int kEffectW = 800, kEffectH = 600;

// The bitmap files of one fighter: its folder, the stem of its numbered sheets, how many there
// are, and its finishing-effect strip.
struct FighterFiles {
    const char* folder;
    const char* stem;
    int count;
    const char* effect;
};

constexpr FighterFiles kFiles[15] = {
    {"karate01", "karate01_", 6, "dwnef_karate01"},
    {"MuayThai01", "muaythai_", 5, "dwnef_muaythai01"},
    {"box01", "boxer_", 5, "dwnef_box01"},
    {"box02", "fighter_", 7, "dwnef_box02"},
    {"kick01", "kickboxing_", 5, "dwnef_kick01"},
    {"hakkyokuken", "hakkyokuken_", 6, "dwnef_hakkyoku"},
    {"Tequondo", "Tequondo_", 7, "dwnef_tequondo"},
    {"Kick02", "KickBoxing02_", 7, "dwnef_kick02"},
    {"karate02", "karate02_", 7, "dwnef_karate02"},
    {"Kick03", "KickBoxing03_", 8, "dwnef_kick03"},
    {"Boxer03", "Boxer03_", 8, "dwnef_box03"},
    {"JEETKUNEDOO", "JEETKUNEDOO_", 7, "dwnef_jeek"},
    {"MuayThai02", "MuayThai02_", 7, "dwnef_muaythai02"},
    {"Capoeira", "Capoeira_", 9, "dwnef_capoeira"},
    {"qirune", "Qirune_", 4, "dwnef_qirune"},
};

// The numbered file (1..count) a sheet number of a picture lives in; 0 for the shared sheets
// and numbers no file holds.
int FileOfSheet(int sheet) {
    if (sheet >= 1 && sheet <= 7) return sheet;
    if (sheet == 9 || sheet == 10) return sheet - 1;
    return 0;
}

std::string NumberedPath(const Output& out, const FighterFiles& f, int n) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d", n);
    return out.gameDir + "/Graphic/" + f.folder + "/" + f.stem + name + ".bmp";
}

// ---- what each picture shows ------------------------------------------------------------

struct Usage {
    int stance, motion, frame;
    engine::MotionFrame f;
};

bool Airborne(const engine::MotionFrame& f) {
    return f.bodyType == 4 || f.dy < 0;
}

// How strongly a use of a picture decides its pose: a picture shown standing is a stand even
// when an attack also starts from it, and an active frame decides over the frames around it.
int Weight(const Shot& s) {
    switch (s.role) {
        case Role::Stand: return 100;
        case Role::Guard: return 90;
        case Role::LowGuard: return 89;
        case Role::StepForward: return 80;
        case Role::StepBack: return 79;
        case Role::Attack:
            switch (s.phase) {
                case Phase::Active: return 70;
                case Phase::Move: return 60;
                case Phase::Startup: return 50;
                case Phase::Recovery: return 40;
            }
            return 40;
        case Role::Switch: return 30;
        case Role::Reaction: return 20;
        case Role::Fall: return 10;
    }
    return 0;
}

figure::Reaction ReactionOfMotion(int motion) {
    switch (motion) {
        case 6: return figure::Reaction::HeadSnap;
        case 7: return figure::Reaction::BodyBlow;
        case 8: return figure::Reaction::Buckle;
        case 9: return figure::Reaction::LegHit;
        case 11:
        case 12: return figure::Reaction::OffBalance;
        default: return figure::Reaction::Stagger;
    }
}

figure::Fall FallOfMotion(int motion) {
    switch (motion) {
        case 1: return figure::Fall::Back;
        case 2: return figure::Fall::Crumple;
        case 3: return figure::Fall::Spin;
        default: return figure::Fall::Sit;
    }
}

// The meaning of every picture one motion shows, added to shots (picture -> best use so far).
void ReadMotion(const engine::Fighter& fighter, const FighterArt* art, int stance, int motion,
                std::map<int, Shot>& shots) {
    std::vector<engine::MotionFrame> frames;
    for (const engine::MotionFrame& f : fighter.tables[stance][motion])
        if (f.duration > 0) frames.push_back(f);
    if (frames.empty()) return;
    const int n = static_cast<int>(frames.size());

    auto offer = [&](int image, const Shot& shot) {
        auto it = shots.find(image);
        if (it == shots.end() || Weight(shot) > Weight(it->second)) shots[image] = shot;
    };

    Shot base;
    base.stance = stance;
    base.motion = motion;
    if (motion >= 1 && motion <= 5) {
        for (int i = 0; i < n; ++i) {
            Shot s = base;
            s.role = Role::Fall;
            s.fall = FallOfMotion(motion);
            s.index = i;
            s.count = n;
            offer(frames[i].image, s);
        }
        return;
    }
    if (motion >= 6 && motion <= 13) {
        for (int i = 0; i < n; ++i) {
            Shot s = base;
            s.role = Role::Reaction;
            s.reaction = ReactionOfMotion(motion);
            s.index = std::min(i, 1);
            s.count = 2;
            offer(frames[i].image, s);
        }
        return;
    }
    if (motion >= 14 && motion <= 19) {
        for (int i = 0; i < n; ++i) {
            Shot s = base;
            s.dy = frames[i].dy;
            switch (motion) {
                case 14:
                    s.role = Role::Stand;
                    s.index = i;
                    s.count = n;
                    break;
                case 15: s.role = Role::Guard; break;
                case 16: s.role = Role::LowGuard; break;
                case 17: s.role = i == 0 ? Role::Stand : Role::StepForward; break;
                case 18: s.role = i == 0 ? Role::Stand : Role::StepBack; break;
                default: s.role = Role::Switch; break;
            }
            if (s.role == Role::Stand && motion != 14) continue;  // the stand offers itself
            s.dy = s.role == Role::Switch ? 0 : s.dy;
            offer(frames[i].image, s);
        }
        return;
    }

    // An attack or follow-up motion: find its strikes and the pictures around them.
    base.role = Role::Attack;
    if (art != nullptr && motion >= 20 && motion <= 34) base.move = art->moves[stance][motion - 20];
    base.sound = frames[0].sound;
    std::vector<int> strikes;  // distinct active pictures, in order
    std::vector<int> strikeFrame;
    for (int i = 0; i < n; ++i) {
        if (frames[i].attackKind == 0) continue;
        if (std::find(strikes.begin(), strikes.end(), frames[i].image) == strikes.end()) {
            strikes.push_back(frames[i].image);
            strikeFrame.push_back(i);
        }
    }
    if (strikes.empty()) {
        std::vector<int> pictures;
        for (const engine::MotionFrame& f : frames)
            if (std::find(pictures.begin(), pictures.end(), f.image) == pictures.end())
                pictures.push_back(f.image);
        for (int i = 0; i < n; ++i) {
            Shot s = base;
            s.phase = Phase::Move;
            s.index = static_cast<int>(
                std::find(pictures.begin(), pictures.end(), frames[i].image) - pictures.begin());
            s.count = static_cast<int>(pictures.size());
            s.dx = frames[i].dx;
            s.dy = frames[i].dy;
            s.bodyType = frames[i].bodyType;
            s.airborne = Airborne(frames[i]);
            s.untouchable = frames[i].bodyType == 0;
            offer(frames[i].image, s);
        }
        return;
    }
    const int lastActive = [&] {
        int last = 0;
        for (int i = 0; i < n; ++i)
            if (frames[i].attackKind != 0 ||
                std::find(strikes.begin(), strikes.end(), frames[i].image) != strikes.end())
                last = i;
        return last;
    }();
    // Which strike each frame belongs to, and its phase.
    std::vector<int> startupPictures[2];
    struct Place {
        Phase phase;
        int strike;
    };
    std::vector<Place> places(n);
    for (int i = 0; i < n; ++i) {
        const auto at = std::find(strikes.begin(), strikes.end(), frames[i].image);
        if (at != strikes.end()) {
            places[i] = {Phase::Active, std::min(static_cast<int>(at - strikes.begin()), 1)};
        } else if (i < strikeFrame[0]) {
            places[i] = {Phase::Startup, 0};
        } else if (strikes.size() > 1 && i < strikeFrame[1]) {
            places[i] = {Phase::Startup, 1};
        } else if (i > lastActive) {
            places[i] = {Phase::Recovery, std::min(static_cast<int>(strikes.size()) - 1, 1)};
        } else {
            places[i] = {Phase::Recovery, 0};
        }
        if (places[i].phase == Phase::Startup) {
            auto& list = startupPictures[places[i].strike];
            if (std::find(list.begin(), list.end(), frames[i].image) == list.end())
                list.push_back(frames[i].image);
        }
    }
    for (int i = 0; i < n; ++i) {
        Shot s = base;
        s.phase = places[i].phase;
        s.strike = places[i].strike;
        const engine::MotionFrame& strike = frames[strikeFrame[s.strike]];
        s.kind = strike.attackKind;
        s.reach = strike.reach;
        s.airStrike = Airborne(strike);
        s.dx = frames[i].dx;
        s.dy = frames[i].dy;
        s.bodyType = frames[i].bodyType;
        s.airborne = Airborne(frames[i]);
        s.untouchable = frames[i].bodyType == 0;
        if (s.phase == Phase::Startup) {
            const auto& list = startupPictures[s.strike];
            s.index = static_cast<int>(std::find(list.begin(), list.end(), frames[i].image) -
                                       list.begin());
            s.count = static_cast<int>(list.size());
        }
        offer(frames[i].image, s);
    }
}

std::map<int, Shot> ReadFighter(int kind, const FighterArt* art) {
    auto fighter = std::make_unique<engine::Fighter>();
    engine::ResetFighter(*fighter, engine::kSideLeft);
    engine::BuildFighter(*fighter, kind, kind);
    std::map<int, Shot> shots;
    for (int stance = 0; stance < engine::kStances; ++stance)
        for (int motion = 1; motion < engine::kMotions; ++motion)
            ReadMotion(*fighter, art, stance, motion, shots);
    return shots;
}

// ---- drawing and writing ----------------------------------------------------------------

// Draws one picture and copies its shown 255 x 255 part into the sheet's indices. Returns false
// when a pixel is not a palette colour (which would be a drawing bug).
bool RenderCell(std::vector<uint8_t>& sheet, int cell, const Look& look, const Shot& shot,
                const StanceStyle& style) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCell, kCell);
    cairo_t* cr = cairo_create(surface);
    figure::DrawFigure(cr, look, figure::PoseFor(shot, look, style));
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int left = kCell * (cell % 4), top = kCell * (cell / 4);
    bool ok = true;
    for (int y = 0; y < kShown; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < kShown; ++x) {
            const uint32_t px = row[x];
            const uint32_t alpha = px >> 24;
            uint8_t index = palette::kKeyIndex;
            if (alpha == 255) {
                const int found = palette::IndexOf(px & 0xFFFFFF);
                if (found < 0 || found == palette::kKeyIndex) {
                    ok = false;
                } else {
                    index = static_cast<uint8_t>(found);
                }
            } else if (alpha != 0) {
                ok = false;
            }
            sheet[static_cast<size_t>(top + y) * kSheetW + left + x] = index;
        }
    }
    cairo_surface_destroy(surface);
    if (!ok)
        std::fprintf(stderr, "assetgen: picture in cell %d has a colour outside the palette\n",
                     cell);
    return ok;
}

bool WriteSheet(const std::string& path, const std::vector<uint8_t>& indices, int w, int h) {
    if (WriteBmp8(path, w, h, indices, palette::Colours())) return true;
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
}

// One fighter: its numbered sheets and its finishing effect.
bool GenerateFighter(const Output& out, int kind) {
    const FighterFiles& files = kFiles[kind - 1];
    const FighterArt& art = figure::FighterArtOf(kind);
    const std::map<int, Shot> shots = ReadFighter(kind, &art);
    std::vector<std::vector<uint8_t>> sheets(
        files.count,
        std::vector<uint8_t>(static_cast<size_t>(kSheetW) * kSheetH, palette::kKeyIndex));
    bool ok = true;
    for (const auto& [image, shot] : shots) {
        const int file = FileOfSheet(image / 100);
        if (file == 0) continue;  // a shared picture
        if (file > files.count || image % 100 > 11) {
            std::fprintf(stderr, "assetgen: fighter %d shows picture %d, which no file holds\n",
                         kind, image);
            ok = false;
            continue;
        }
        ok = RenderCell(sheets[file - 1], image % 100, art.look, shot, art.stance[shot.stance]) &&
             ok;
    }
    for (int n = 1; n <= files.count; ++n)
        ok = WriteSheet(NumberedPath(out, files, n), sheets[n - 1], kSheetW, kSheetH) && ok;

    std::vector<uint8_t> strip(static_cast<size_t>(kEffectW) * kEffectH, palette::kKeyIndex);
    for (int n = 1; n <= 2; ++n)
        ok = figure::RenderFinishEffect(strip, kEffectW, n, kind, art) && ok;
    ok = WriteSheet(out.gameDir + "/Graphic/" + files.folder + "/" + files.effect + ".bmp", strip,
                    kEffectW, kEffectH) &&
         ok;
    return ok;
}

// The shared sheets: the hit reactions (sheet 0) and falls (sheet 8) every fighter uses, drawn
// once, the stand-in painted in the palette's areas.
bool GenerateShared(const Output& out) {
    std::map<int, Shot> shared;
    for (int kind = 1; kind <= 15; ++kind)
        for (const auto& [image, shot] : ReadFighter(kind, nullptr))
            if ((image / 100 == 0 || image / 100 == 8) && !shared.count(image))
                shared[image] = shot;
    std::vector<uint8_t> common(static_cast<size_t>(kSheetW) * kSheetH, palette::kKeyIndex);
    std::vector<uint8_t> falls = common;
    bool ok = true;
    StanceStyle plain;
    plain.width = 66;
    plain.crouch = 0.2;
    for (const auto& [image, shot] : shared) {
        if (image % 100 > 11) continue;
        ok = RenderCell(image / 100 == 0 ? common : falls, image % 100, figure::StandInLook(), shot,
                        plain) &&
             ok;
    }
    ok = WriteSheet(out.gameDir + "/Graphic/common/common.bmp", common, kSheetW, kSheetH) && ok;
    ok = WriteSheet(out.gameDir + "/Graphic/common/common_dwn.bmp", falls, kSheetW, kSheetH) && ok;
    return ok;
}

}  // namespace

bool GenerateFighterSheets(const Output& out) {
    // Two workers take every other fighter; each writes only its own files, so the bytes do
    // not depend on the order the work is done in.
    bool results[16] = {};
    auto work = [&](int first) {
        for (int kind = first; kind <= 15; kind += 2)
            results[kind] = GenerateFighter(out, kind);
    };
    std::thread other(work, 2);
    work(1);
    results[0] = GenerateShared(out);
    other.join();
    bool ok = true;
    for (bool r : results)
        ok = ok && r;
    return ok;
}

}  // namespace assetgen
