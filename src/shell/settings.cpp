// The settings file gameoption.ini in the current directory: read into the launcher's
// controls when the window is first shown, written from them when a game starts.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/ini_file.h"
#include "platform/read_file.h"
#include "shell/launcher_events.h"
#include "shell/launcher_texts.h"
#include "shell/routines.h"

namespace shell {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSettingsFile = "gameoption.ini";
constexpr const char* kPlayerSection[2] = {"player1_ctrl_mode", "player2_ctrl_mode"};
constexpr const char* kPadKeys[3] = {"joypad_button_G", "joypad_button_L", "joypad_button_R"};
constexpr const char* kKeyKeys[7] = {
    "keyboard_button_LEFT", "keyboard_button_UP", "keyboard_button_RIGHT", "keyboard_button_DOWN",
    "keyboard_button_G",    "keyboard_button_L",  "keyboard_button_R",
};
constexpr int32_t kPadDefaults[3] = {0, 1, 2};
constexpr int32_t kKeyDefaults[2][7] = {{7, 29, 10, 25, 13, 14, 16}, {3, 4, 5, 6, 2, 0, 1}};

// ---- saving as one replacement ----
//
// The new file is put together in a scratch copy beside gameoption.ini: the old content
// first, then the 26 values written into the copy one by one (so every other section, key
// and comment stays as it was), and the copy renamed over the old file at the end. A save
// that fails half-way leaves the old file exactly as it was.

// What is in the settings file's place, and its rights: only a regular file (or nothing
// yet) is ever written. A symbolic link, even a dangling one, is refused rather than
// followed or replaced: it may point at any file of the player's, and replacing it would
// silently undo a link the player made on purpose. False with the reason otherwise.
bool CheckTarget(const std::string& path, mode_t& mode, bool& exists, std::string& why) {
    mode = 0644;
    exists = false;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return true;
        why = std::strerror(errno);
        return false;
    }
    if (S_ISLNK(st.st_mode)) {
        why = "it is a symbolic link (the game writes only a regular file of its own)";
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        why = "it is not a regular file";
        return false;
    }
    exists = true;
    mode = st.st_mode & 07777;
    if ((mode & S_IWUSR) == 0) {
        // Made read-only by its owner: the settings in it are meant to stay.
        why = std::strerror(EACCES);
        return false;
    }
    return true;
}

// A scratch file beside target holding content; its name comes back in scratch.
bool MakeScratchCopy(const std::string& target, const std::string& content, mode_t mode,
                     std::string& scratch) {
    scratch = target + ".new-XXXXXX";
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; ok && done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    ok = ::close(fd) == 0 && ok;
    if (!ok) ::unlink(scratch.c_str());
    return ok;
}

bool WriteInt(const char* section, const char* key, int32_t value, const std::string& path) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return platform::WritePrivateProfileString(section, key, text, path);
}

// The values in the order the file gets them.
bool WriteAllValues(const LauncherControls& c, const std::string& path) {
    bool ok = WriteInt("display_mode", "disp_mode", c.displayMode, path) &&
              WriteInt("music_mode", "music_mode", c.musicMode, path) &&
              WriteInt("wait_load", "wait_load", c.speed, path) &&
              WriteInt("game_mode", "game_mode", c.difficulty, path);
    for (int p = 0; p < 2 && ok; ++p) {
        ok = WriteInt(kPlayerSection[p], "ctrl_mode", c.controlMethod[p], path);
        for (int b = 0; b < 3 && ok; ++b)
            ok = WriteInt(kPlayerSection[p], kPadKeys[b], c.padButton[p][b], path);
    }
    for (int p = 0; p < 2 && ok; ++p)
        for (int k = 0; k < 7 && ok; ++k)
            ok = WriteInt(kPlayerSection[p], kKeyKeys[k], c.keyItem[p][k], path);
    return ok;
}

void SyncFolderOf(const std::string& path) {
    const std::string folder = fs::path(path).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Says why the settings stay as they were; the game goes on.
void ReportNotSaved(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "tovuka02: the settings were not saved in '%s': %s\n", path.c_str(),
                 why.c_str());
}

std::string ErrnoText() {
    return errno != 0 ? std::strerror(errno) : "the file could not be written";
}

}  // namespace

void LoadSettings(TForm1& form) {
    const std::string path = platform::FullPathOf(kSettingsFile);
    auto read = [&](const char* section, const char* key, int32_t def) {
        return platform::GetPrivateProfileInt(section, key, def, path);
    };
    LauncherControls& c = form.controls;

    SetRadioItem(form, RadioGroup::kDisplayMode, read("display_mode", "disp_mode", 0));
    SetRadioItem(form, RadioGroup::kDifficulty, read("game_mode", "game_mode", 0));
    SetRadioItem(form, RadioGroup::kMusicMode, read("music_mode", "music_mode", 0));
    SetSpeedPosition(form, read("wait_load", "wait_load", 0));
    ShowSpeedCaption(form);

    const RadioGroup control[2] = {RadioGroup::kControl1, RadioGroup::kControl2};
    for (int p = 0; p < 2; ++p) {
        SetRadioItem(form, control[p], read(kPlayerSection[p], "ctrl_mode", 0));
        for (int b = 0; b < 3; ++b)
            c.padButton[p][b] = ComboItemOrNone(
                read(kPlayerSection[p], kPadKeys[b], kPadDefaults[b]), kPadItemCount);
    }
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 7; ++k)
            c.keyItem[p][k] = ComboItemOrNone(
                read(kPlayerSection[p], kKeyKeys[k], kKeyDefaults[p][k]), kKeyItemCount);
}

void SaveSettings(const TForm1& form) {
    const std::string target = platform::FullPathOf(kSettingsFile);
    if (target.empty()) return;

    // Anything that goes wrong means the settings are not saved (and standard error says
    // why); the game starts all the same.
    mode_t mode = 0644;
    bool exists = false;
    std::string why;
    if (!CheckTarget(target, mode, exists, why)) return ReportNotSaved(target, why);
    std::string content;
    errno = 0;
    if (exists) {
        const platform::ReadStatus status =
            platform::ReadRegularFile(target, platform::kMaxIniBytes, content);
        if (status != platform::ReadStatus::kOk)
            return ReportNotSaved(target, platform::ReadStatusText(status, platform::kMaxIniBytes));
    }
    std::string scratch;
    errno = 0;
    if (!MakeScratchCopy(target, content, mode, scratch))
        return ReportNotSaved(target, ErrnoText());
    errno = 0;
    if (!WriteAllValues(form.controls, scratch) || ::rename(scratch.c_str(), target.c_str()) != 0) {
        ReportNotSaved(target, ErrnoText());
        ::unlink(scratch.c_str());
        return;
    }
    SyncFolderOf(target);
}

}  // namespace shell
