// Sprite sheets: finding the bitmap files, decoding them once, the common and the player
// sets with their colour keys, and the fighters' file table.
#include "gfx/sheets.h"

#include <SDL.h>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <new>
#include <string_view>
#include <unordered_map>

#include "gfx/bitmap_file.h"
#include "gfx/sheet_pixels.h"

namespace gfx {

namespace {

// ---------------------------------------------------------------------------------------
// Finding a file.

bool IsRegularFile(const std::string& path, struct stat& info) {
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The entry of `dir` whose name equals `name` ignoring case; of several, the first in
// byte order, so the choice does not depend on the directory's order.
bool FindIgnoringCase(const std::string& dir, std::string_view name, std::string& found) {
    DIR* d = ::opendir(dir.empty() ? "/" : dir.c_str());
    if (d == nullptr) return false;
    const std::string wanted(name);
    bool any = false;
    while (const dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, wanted.c_str()) != 0) continue;
        if (!any || found.compare(e->d_name) > 0) found = e->d_name;
        any = true;
    }
    ::closedir(d);
    return any;
}

bool Resolve(const char* gamePath, std::string& resolved, struct stat& info) {
    if (gamePath == nullptr || gamePath[0] == '\0') return false;
    std::string path(gamePath);
    for (char& c : path)
        if (c == '\\') c = '/';

    std::string base;
    if (path[0] != '/') {
        char cwd[PATH_MAX];
        if (::getcwd(cwd, sizeof cwd) == nullptr) return false;
        base = cwd;
        if (base == "/") base.clear();
    }
    // The usual case: the name is exact.
    resolved = base + (path[0] == '/' ? "" : "/") + path;
    if (IsRegularFile(resolved, info)) return true;

    // Else component by component, each matched without regard to case.
    resolved = base;
    size_t at = 0;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string::npos) end = path.size();
        const std::string_view part(path.data() + at, end - at);
        at = end + 1;
        if (part.empty() || part == ".") continue;
        std::string next = resolved;
        next += '/';
        next += part;
        struct stat partInfo;
        if (part != ".." && ::stat(next.c_str(), &partInfo) != 0) {
            std::string name;
            if (!FindIgnoringCase(resolved, part, name)) return false;
            next = resolved;
            next += '/';
            next += name;
        }
        resolved = std::move(next);
    }
    return IsRegularFile(resolved, info);
}

// ---------------------------------------------------------------------------------------
// Decoding, once per file.

struct FileStamp {
    dev_t device;
    ino_t inode;
    off_t size;
    int64_t modifiedNs;

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size,
            static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

struct CacheEntry {
    std::shared_ptr<const SheetImage> image;
    FileStamp stamp;
    uint64_t lastUse;
};

struct SheetCache {
    std::unordered_map<std::string, CacheEntry> entries;
    uint64_t clock = 0;
    size_t bytes = 0;
    int64_t decodes = 0;
};

SheetCache& Cache() {
    static SheetCache cache;
    return cache;
}

size_t BytesOf(const SheetImage& image) {
    return image.pixels.size() * sizeof(uint32_t);
}

void TrimCache(SheetCache& cache) {
    while (cache.bytes > kSheetCacheBudgetBytes) {
        auto oldest = cache.entries.end();
        for (auto it = cache.entries.begin(); it != cache.entries.end(); ++it) {
            if (it->second.image.use_count() > 1) continue;  // a slot still shows it
            if (oldest == cache.entries.end() || it->second.lastUse < oldest->second.lastUse)
                oldest = it;
        }
        if (oldest == cache.entries.end()) return;
        cache.bytes -= BytesOf(*oldest->second.image);
        cache.entries.erase(oldest);
    }
}

std::shared_ptr<const SheetImage> Decode(const std::string& path) {
    const SurfacePtr surface = ReadBitmap(path);
    if (surface == nullptr) return nullptr;
    auto image = std::make_shared<SheetImage>();
    if (!SheetFromSurface(surface.get(), *image)) return nullptr;
    return image;
}

std::shared_ptr<const SheetImage> CachedImage(const char* gamePath) {
    std::string path;
    struct stat info;
    if (!Resolve(gamePath, path, info)) return nullptr;
    SheetCache& cache = Cache();
    const FileStamp stamp = StampOf(info);
    auto it = cache.entries.find(path);
    if (it != cache.entries.end()) {
        if (it->second.stamp == stamp) {
            it->second.lastUse = ++cache.clock;
            return it->second.image;
        }
        // The file changed since it was decoded.
        cache.bytes -= BytesOf(*it->second.image);
        cache.entries.erase(it);
    }
    ++cache.decodes;
    std::shared_ptr<const SheetImage> image = Decode(path);
    if (image == nullptr) return nullptr;
    cache.entries.insert_or_assign(path, CacheEntry{image, stamp, ++cache.clock});
    cache.bytes += BytesOf(*image);  // only once the entry is in: an insertion can fail
    TrimCache(cache);
    return image;
}

// ---------------------------------------------------------------------------------------
// The sets.

void EmptySlots(SpriteSheet* sheets, int count) {
    for (int i = 0; i < count; ++i)
        sheets[i] = SpriteSheet{};
}

// Loads the files into the slots in order; at the first failure the set stays as it is
// and without keys.
int LoadSet(SpriteSheet* sheets, const std::string* paths, int count) {
    for (int i = 0; i < count; ++i) {
        sheets[i] = LoadSheet(paths[i].c_str());
        if (sheets[i].Empty()) return 0;
    }
    SetSheetColorKeys(sheets, count);
    return 1;
}

// One row of the file table. Files are named by their folder inside Graphic\ and their
// name without ".bmp"; a fill name with a folder of its own lies in that folder.
struct FighterFiles {
    const char* folder;
    const char* stem;  // numbered files are stem01, stem02, ...
    int count;         // the fighter's own sheets, 1..count
    // Per player, the fill of the slots after `count`: the first name up to slot 7, the
    // second from slot 8 on.
    const char* fill[2][2];
    const char* downEffect;
};

constexpr FighterFiles kFighterFiles[15] = {
    {"karate01",
     "karate01_",
     6,
     {{"karate01_06", "karate01_06"}, {"karate01_06", "karate01_06"}},
     "dwnef_karate01"},
    {"MuayThai01",
     "muaythai_",
     5,
     {{"muaythai_05", "muaythai_05"}, {"muaythai_05", "muaythai_05"}},
     "dwnef_muaythai01"},
    {"box01", "boxer_", 5, {{"boxer_05", "boxer_05"}, {"boxer_05", "dwnef_box01"}}, "dwnef_box01"},
    {"box02",
     "fighter_",
     7,
     {{"fighter_07", "fighter_07"}, {"dwnef_box02", "dwnef_box02"}},
     "dwnef_box02"},
    {"kick01",
     "kickboxing_",
     5,
     {{"kickboxing_05", "dwnef_kick01"}, {"kickboxing_05", "dwnef_kick01"}},
     "dwnef_kick01"},
    {"hakkyokuken",
     "hakkyokuken_",
     6,
     {{"hakkyokuken_06", "hakkyokuken_06"}, {"hakkyokuken_06", "dwnef_hakkyoku"}},
     "dwnef_hakkyoku"},
    {"Tequondo",
     "Tequondo_",
     7,
     {{"Tequondo_07", "Tequondo_07"}, {"MuayThai01\\muaythai_05", "MuayThai01\\muaythai_05"}},
     "dwnef_tequondo"},
    {"Kick02",
     "KickBoxing02_",
     7,
     {{"KickBoxing02_07", "KickBoxing02_07"}, {"dwnef_kick02", "dwnef_kick02"}},
     "dwnef_kick02"},
    {"karate02",
     "karate02_",
     7,
     {{"karate02_07", "karate02_07"}, {"dwnef_karate02", "dwnef_karate02"}},
     "dwnef_karate02"},
    {"Kick03",
     "KickBoxing03_",
     8,
     {{"KickBoxing03_08", "KickBoxing03_08"}, {"KickBoxing03_08", "KickBoxing03_08"}},
     "dwnef_kick03"},
    {"Boxer03",
     "Boxer03_",
     8,
     {{"Boxer03_08", "Boxer03_08"}, {"Boxer03_08", "Boxer03_08"}},
     "dwnef_box03"},
    {"JEETKUNEDOO",
     "JEETKUNEDOO_",
     7,
     {{"JEETKUNEDOO_07", "JEETKUNEDOO_07"}, {"JEETKUNEDOO_07", "JEETKUNEDOO_07"}},
     "dwnef_jeek"},
    {"MuayThai02",
     "MuayThai02_",
     7,
     {{"MuayThai02_06", "MuayThai02_06"}, {"dwnef_muaythai02", "dwnef_muaythai02"}},
     "dwnef_muaythai02"},
    {"Capoeira", "Capoeira_", 9, {{nullptr, nullptr}, {nullptr, nullptr}}, "dwnef_capoeira"},
    {"qirune",
     "Qirune_",
     4,
     {{"Qirune_01", "Qirune_01"}, {"Qirune_01", "Qirune_01"}},
     "dwnef_qirune"},
};

std::string GraphicPath(const char* folder, const std::string& name) {
    for (const char* c = name.c_str(); *c != '\0'; ++c)
        if (*c == '\\') return "Graphic\\" + name + ".bmp";
    return std::string("Graphic\\") + folder + "\\" + name + ".bmp";
}

}  // namespace

bool ResolveGamePath(const char* gamePath, std::string& resolved) {
    struct stat info;
    return Resolve(gamePath, resolved, info);
}

SpriteSheet LoadSheet(const char* gamePath) {
    SpriteSheet sheet;
    try {
        sheet.image = CachedImage(gamePath);
    } catch (const std::bad_alloc&) {
        // No memory to decode the file: like a missing file, its pictures stay undrawn and
        // the game goes on. What the decoding had taken is given back.
        sheet.image = nullptr;
    }
    return sheet;
}

bool LoadPaletteFromBitmap(const char* gamePath, Palette& palette) {
    palette = Palette{};
    try {
        std::string path;
        struct stat info;
        if (!Resolve(gamePath, path, info)) return false;
        const SurfacePtr surface = ReadBitmap(path);
        if (surface == nullptr) return false;
        if (const SDL_Palette* pal = surface->format->palette) {
            palette.count = pal->ncolors < 256 ? pal->ncolors : 256;
            for (int i = 0; i < palette.count; ++i)
                palette.entries[i] = Argb(pal->colors[i].r, pal->colors[i].g, pal->colors[i].b);
        }
        return true;
    } catch (const std::bad_alloc&) {
        palette = Palette{};
        return false;
    }
}

uint32_t MatchColorKey(const SpriteSheet& sheet, uint8_t r, uint8_t g, uint8_t b) {
    if (sheet.Empty()) return 0xFFFFFFFFu;
    return Argb(r, g, b);
}

void SetSheetColorKeys(SpriteSheet* sheets, int count) {
    for (int i = 0; i < count; ++i) {
        sheets[i].colorKey = MatchColorKey(sheets[i], kKeyRed, kKeyGreen, kKeyBlue);
        sheets[i].keyed = true;
    }
}

int LoadCommonSheets(Display& display) {
    static const std::string kFiles[kCommonSheets] = {
        "Graphic\\parts01.bmp", "Graphic\\parts02.bmp", "Graphic\\parts03.bmp",
        "Graphic\\common\\common.bmp", "Graphic\\common\\common_dwn.bmp"};
    EmptySlots(display.common, kCommonSheets);
    if (!display.created) return 0;
    return LoadSet(display.common, kFiles, kCommonSheets);
}

int LoadPlayerSheets(Display& display, int player, int kind) {
    if (player != 1 && player != 2) return 0;
    SpriteSheet* slots = display.player[player - 1];
    EmptySlots(slots, kPlayerSheets);
    try {
        std::string files[kPlayerSheets];
        if (!display.created || !PlayerSheetFiles(kind, player, files)) return 0;
        return LoadSet(slots, files, kPlayerSheets);
    } catch (const std::bad_alloc&) {
        return 0;  // no memory for the file names: the slots stay empty
    }
}

bool PlayerSheetFiles(int kind, int player, std::string (&paths)[kPlayerSheets]) {
    if (kind < 1 || kind > 15 || (player != 1 && player != 2)) return false;
    const FighterFiles& f = kFighterFiles[kind - 1];
    for (int sheet = 1; sheet <= 9; ++sheet) {
        std::string name;
        if (sheet <= f.count) {
            char number[8];
            std::snprintf(number, sizeof number, "%02d", sheet);
            name = std::string(f.stem) + number;
        } else {
            name = f.fill[player - 1][sheet <= 7 ? 0 : 1];
        }
        paths[sheet - 1] = GraphicPath(f.folder, name);
    }
    paths[9] = GraphicPath(f.folder, f.downEffect);
    return true;
}

int64_t SheetDecodeCount() {
    return Cache().decodes;
}

size_t SheetCacheBytes() {
    return Cache().bytes;
}

void ClearSheetCache() {
    SheetCache& cache = Cache();
    cache.entries.clear();
    cache.bytes = 0;
}

}  // namespace gfx
