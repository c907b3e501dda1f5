// Choosing and preparing the game folder.
#include "app/game_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace app {

namespace fs = std::filesystem;

namespace {

#ifndef TOVUKA_INSTALLED_DATA
#define TOVUKA_INSTALLED_DATA "../share/tovuka02"
#endif

bool IsFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

void Absolute(std::string& path) {
    if (path.empty() || path == "-") return;
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    if (!ec) path = full.lexically_normal().string();
}

// One link of the game folder to the installed data.
bool LinkData(const fs::path& folder, const fs::path& data, const char* name, std::string& error) {
    const fs::path link = folder / name;
    const fs::path target = data / name;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(link, ec);
    if (fs::exists(status)) {
        // Ours from an older install whose data went elsewhere: renewed. Anything else
        // (the player's own folder, a working link) stays.
        if (!fs::is_symlink(status) || fs::exists(link, ec)) return true;
        fs::remove(link, ec);
    }
    if (!IsFolder(target)) return true;  // nothing installed to link to
    fs::create_directory_symlink(target, link, ec);
    if (ec) {
        error = "cannot make the link " + link.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

std::string InstalledDataFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const fs::path data = (exe.parent_path() / TOVUKA_INSTALLED_DATA).lexically_normal();
    return IsFolder(data / "Graphic") ? data.string() : std::string();
}

std::string PerUserFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return (fs::path(xdg) / "tovuka02").string();
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return {};
    return (fs::path(home) / ".local" / "share" / "tovuka02").string();
}

bool PrepareGameFolder(const std::string& folder, const std::string& data, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !IsFolder(folder)) {
        error = "cannot make the game folder " + folder + (ec ? ": " + ec.message() : "");
        return false;
    }
    if (data.empty()) return true;
    return LinkData(folder, data, "Graphic", error) && LinkData(folder, data, "music", error);
}

bool EnterGameFolder(Options& options, std::string& error) {
    std::string folder = options.gameDir;
    const std::string data = InstalledDataFolder();
    if (folder.empty()) {
        if (IsFolder("Graphic")) return true;  // a game folder already
        if (options.kind != RunKind::kWindow || data.empty()) return true;
        folder = PerUserFolder();
        if (folder.empty()) return true;
    }
    Absolute(options.replayPath);
    Absolute(options.inputPath);
    Absolute(options.tracePath);
    Absolute(options.recordPath);
    Absolute(options.csvPath);
    for (Shot& shot : options.shots)
        Absolute(shot.path);
    if (!PrepareGameFolder(folder, data, error)) return false;
    if (::chdir(folder.c_str()) != 0) {
        error = "cannot enter the game folder " + folder;
        return false;
    }
    return true;
}

}  // namespace app
