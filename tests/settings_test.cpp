// The settings file gameoption.ini: what a load puts into the launcher's controls (defaults,
// clamping, no selection, the events a changed control runs) and what a save writes (all 26
// values in their order, the rest of the file kept, the old file intact when a save fails).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "shell/form.h"
#include "shell/launcher_events.h"
#include "shell/net_settings.h"
#include "shell/routines.h"
#include "shell/window_settings.h"
#include "support/run_binary.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// Everything in a folder but the named file: leftovers of a save.
int OtherFiles(const fs::path& dir, const std::string& keep) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename() != keep) ++n;
    return n;
}

const char kDefaultFile[] =
    "[display_mode]\n"
    "disp_mode=0\n"
    "[music_mode]\n"
    "music_mode=0\n"
    "[wait_load]\n"
    "wait_load=0\n"
    "[game_mode]\n"
    "game_mode=0\n"
    "[player1_ctrl_mode]\n"
    "ctrl_mode=0\n"
    "joypad_button_G=0\n"
    "joypad_button_L=1\n"
    "joypad_button_R=2\n"
    "keyboard_button_LEFT=7\n"
    "keyboard_button_UP=29\n"
    "keyboard_button_RIGHT=10\n"
    "keyboard_button_DOWN=25\n"
    "keyboard_button_G=13\n"
    "keyboard_button_L=14\n"
    "keyboard_button_R=16\n"
    "[player2_ctrl_mode]\n"
    "ctrl_mode=0\n"
    "joypad_button_G=0\n"
    "joypad_button_L=1\n"
    "joypad_button_R=2\n"
    "keyboard_button_LEFT=3\n"
    "keyboard_button_UP=4\n"
    "keyboard_button_RIGHT=5\n"
    "keyboard_button_DOWN=6\n"
    "keyboard_button_G=2\n"
    "keyboard_button_L=0\n"
    "keyboard_button_R=1\n";

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        oldDir_ = fs::current_path();
        dir_ = testing_support::MakeTempDir();
        fs::current_path(dir_);
        form_ = NewForm();
    }

    void TearDown() override {
        fs::current_path(oldDir_);
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    // A form as constructed, before the window is shown.
    static std::unique_ptr<shell::TForm1> NewForm() {
        auto form = std::make_unique<shell::TForm1>();
        shell::ConstructForm(*form);
        return form;
    }

    shell::LauncherControls& C() { return form_->controls; }
    fs::path File() const { return fs::path(dir_) / "gameoption.ini"; }

    fs::path oldDir_;
    std::string dir_;
    std::unique_ptr<shell::TForm1> form_;
};

TEST_F(SettingsTest, NoFileGivesTheDefaultsAndASaveWritesAll26ValuesInOrder) {
    EXPECT_STREQ(C().speedCaption, "スピード補正=0") << "the caption before loading";
    EXPECT_EQ(C().difficulty, -1) << "no difficulty before loading";

    shell::LoadSettings(*form_);
    EXPECT_EQ(C().displayMode, 0);
    EXPECT_EQ(C().difficulty, 0);
    EXPECT_EQ(C().musicMode, 0);
    EXPECT_EQ(C().speed, 0);
    EXPECT_STREQ(C().speedCaption, "ゲームスピード補正＝0");
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(C().controlMethod[p], 0);
        EXPECT_EQ(C().padBoxEnabled[p], 1);
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(C().padButton[p][b], b);
    }
    const int keys[2][7] = {{7, 29, 10, 25, 13, 14, 16}, {3, 4, 5, 6, 2, 0, 1}};
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(C().keyItem[p][k], keys[p][k]) << p << " " << k;
    EXPECT_FALSE(fs::exists(File())) << "loading writes nothing";

    shell::SaveSettings(*form_);
    EXPECT_EQ(ReadFile(File()), kDefaultFile);
    EXPECT_EQ(OtherFiles(dir_, "gameoption.ini"), 0);
}

TEST_F(SettingsTest, EverySavedValueComesBackOnTheNextStart) {
    shell::LoadSettings(*form_);
    C().displayMode = 1;
    C().difficulty = 3;
    C().musicMode = 2;
    C().speed = -17;
    C().controlMethod[0] = 1;
    C().controlMethod[1] = 1;
    int v = 0;
    for (int p = 0; p < 2; ++p)
        for (int b = 0; b < 3; ++b)
            C().padButton[p][b] = 9 - (v++ % 10);
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 7; ++k)
            C().keyItem[p][k] = 42 - 3 * (p * 7 + k);
    C().keyItem[1][6] = -1;  // no selection
    shell::SaveSettings(*form_);

    auto next = NewForm();
    shell::LoadSettings(*next);
    const shell::LauncherControls& a = C();
    const shell::LauncherControls& b = next->controls;
    EXPECT_EQ(b.displayMode, 1);
    EXPECT_EQ(b.difficulty, 3);
    EXPECT_EQ(b.musicMode, 2);
    EXPECT_EQ(b.speed, -17);
    EXPECT_STREQ(b.speedCaption, "ゲームスピード補正＝-17");
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(b.controlMethod[p], 1);
        EXPECT_EQ(b.padBoxEnabled[p], 0);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(b.padButton[p][k], a.padButton[p][k]);
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(b.keyItem[p][k], a.keyItem[p][k]);
    }
    EXPECT_NE(ReadFile(File()).find("keyboard_button_R=-1"), std::string::npos);
}

// One value in the file and what the controls show after loading.
struct LoadCase {
    const char* file;
    const char* what;
    int32_t shell::LauncherControls::*field;  // null: checked by `check` below
    int32_t expected;
};

TEST_F(SettingsTest, OutOfRangeValuesAreClampedOrLeaveNothingSelected) {
    using LC = shell::LauncherControls;
    const LoadCase cases[] = {
        {"[display_mode]\ndisp_mode=5\n", "radio above last item", &LC::displayMode, 1},
        {"[display_mode]\ndisp_mode=-7\n", "radio below -1", &LC::displayMode, -1},
        {"[game_mode]\ngame_mode=-3\n", "difficulty -3", &LC::difficulty, -1},
        {"[game_mode]\ngame_mode=9\n", "difficulty 9", &LC::difficulty, 4},
        {"[music_mode]\nmusic_mode=3\n", "music 3", &LC::musicMode, 2},
        {"[wait_load]\nwait_load=100\n", "speed 100", &LC::speed, 60},
        {"[wait_load]\nwait_load=-40\n", "speed -40", &LC::speed, -39},
        {"[wait_load]\nwait_load=-39\n", "speed -39", &LC::speed, -39},
    };
    for (const LoadCase& c : cases) {
        WriteFile(File(), c.file);
        auto form = NewForm();
        shell::LoadSettings(*form);
        EXPECT_EQ(form->controls.*c.field, c.expected) << c.what;
    }

    WriteFile(File(), "[wait_load]\nwait_load=100\n");
    shell::LoadSettings(*form_);
    EXPECT_STREQ(C().speedCaption, "ゲームスピード補正＝60");

    // Combo boxes: an index outside the list selects nothing.
    WriteFile(File(),
              "[player1_ctrl_mode]\njoypad_button_G=10\njoypad_button_L=9\njoypad_button_R=-5\n"
              "keyboard_button_LEFT=43\nkeyboard_button_UP=42\nkeyboard_button_RIGHT=-1\n"
              "[player2_ctrl_mode]\njoypad_button_G=-1\nkeyboard_button_R=100\n");
    auto form = NewForm();
    shell::LoadSettings(*form);
    const shell::LauncherControls& k = form->controls;
    EXPECT_EQ(k.padButton[0][0], -1);
    EXPECT_EQ(k.padButton[0][1], 9);
    EXPECT_EQ(k.padButton[0][2], -1);
    EXPECT_EQ(k.keyItem[0][0], -1);
    EXPECT_EQ(k.keyItem[0][1], 42);
    EXPECT_EQ(k.keyItem[0][2], -1);
    EXPECT_EQ(k.padButton[1][0], -1);
    EXPECT_EQ(k.padButton[1][1], 1) << "missing key: default";
    EXPECT_EQ(k.keyItem[1][6], -1);
}

TEST_F(SettingsTest, ADifficultyOfMinus3IsRewrittenAsMinus1) {
    WriteFile(File(), "[game_mode]\ngame_mode=-3\n");
    shell::LoadSettings(*form_);
    shell::SaveSettings(*form_);
    const std::string text = ReadFile(File());
    EXPECT_NE(text.find("game_mode=-1\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("-3"), std::string::npos);
}

TEST_F(SettingsTest, KeyboardControlDisablesThePadBoxesAsSoonAsLoaded) {
    WriteFile(File(), "[player1_ctrl_mode]\nctrl_mode=1\n");
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().controlMethod[0], 1);
    EXPECT_EQ(C().padBoxEnabled[0], 0);
    EXPECT_EQ(C().controlMethod[1], 0);
    EXPECT_EQ(C().padBoxEnabled[1], 1);

    WriteFile(File(), "[player2_ctrl_mode]\nctrl_mode=7\n");
    auto form = NewForm();
    shell::LoadSettings(*form);
    EXPECT_EQ(form->controls.controlMethod[1], 1) << "clamped to the last item";
    EXPECT_EQ(form->controls.padBoxEnabled[1], 0);
    EXPECT_EQ(form->controls.padBoxEnabled[0], 1);

    // No selection is not "GamePad": the boxes are disabled, as for any item but 0.
    WriteFile(File(), "[player1_ctrl_mode]\nctrl_mode=-1\n");
    auto none = NewForm();
    shell::LoadSettings(*none);
    EXPECT_EQ(none->controls.controlMethod[0], -1);
    EXPECT_EQ(none->controls.padBoxEnabled[0], 0);
}

TEST_F(SettingsTest, ControlEventsRunOnlyWhenTheValueChanges) {
    shell::LoadSettings(*form_);
    // The player picks "Keyboard" and back: the boxes follow.
    shell::SetRadioItem(*form_, shell::RadioGroup::kControl2, 1);
    EXPECT_EQ(C().padBoxEnabled[1], 0);
    shell::SetRadioItem(*form_, shell::RadioGroup::kControl2, 0);
    EXPECT_EQ(C().padBoxEnabled[1], 1);

    // The same item again runs nothing (the enabled flag, set by hand here, stays).
    C().padBoxEnabled[1] = 0;
    shell::SetRadioItem(*form_, shell::RadioGroup::kControl2, 0);
    EXPECT_EQ(C().padBoxEnabled[1], 0);

    shell::SetSpeedPosition(*form_, 25);
    EXPECT_STREQ(C().speedCaption, "ゲームスピード補正＝25");
    shell::SetSpeedPosition(*form_, 500);
    EXPECT_EQ(C().speed, 60);
    EXPECT_STREQ(C().speedCaption, "ゲームスピード補正＝60");
    shell::Button5Click(*form_);
    EXPECT_EQ(C().speed, 0);
    EXPECT_STREQ(C().speedCaption, "ゲームスピード補正＝0");
}

TEST_F(SettingsTest, GarbageValuesReadLikeTheOldCall) {
    WriteFile(File(),
              "[display_mode]\ndisp_mode=abc\n"
              "[music_mode]\nmusic_mode= 1xyz\n"
              "[wait_load]\nwait_load=\n"
              "[player1_ctrl_mode]\nctrl_mode=\"1\"\njoypad_button_G=99999999999\n"
              "joypad_button_L=--2\nkeyboard_button_RIGHT=\n"
              "keyboard_button_LEFT=-99999999999\nkeyboard_button_UP=3.7\n"
              "\x01\x02garbage line without equals\n"
              "keyboard_button_DOWN=  +8  \n"
              "[player2_ctrl_mode\nctrl_mode=1\n");
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().displayMode, 0) << "no digits read as 0";
    EXPECT_EQ(C().musicMode, 1) << "digits up to the first non-digit";
    EXPECT_EQ(C().speed, 0);
    EXPECT_EQ(C().keyItem[0][2], 10) << "an empty value gives the default";
    EXPECT_EQ(C().padButton[0][1], 0) << "a doubled sign reads as 0";
    EXPECT_EQ(C().controlMethod[0], 1) << "quotes are dropped";
    EXPECT_EQ(C().padButton[0][0], -1) << "a huge number is outside the list";
    EXPECT_EQ(C().keyItem[0][0], -1);
    EXPECT_EQ(C().keyItem[0][1], 3);
    EXPECT_EQ(C().keyItem[0][3], 8);
    // "[player2_ctrl_mode" without its bracket still names the section.
    EXPECT_EQ(C().controlMethod[1], 1);

    // A binary file is not a settings file: defaults, and a save still works.
    std::string junk(4096, '\0');
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 7919) & 0xFF);
    WriteFile(File(), junk);
    auto form = NewForm();
    shell::LoadSettings(*form);
    EXPECT_EQ(form->controls.keyItem[1][0], 3);
    shell::SaveSettings(*form);
    auto again = NewForm();
    shell::LoadSettings(*again);
    EXPECT_EQ(again->controls.keyItem[1][0], 3);
    EXPECT_NE(ReadFile(File()).find("[player2_ctrl_mode]\nctrl_mode=0\n"), std::string::npos);
}

TEST_F(SettingsTest, ASaveKeepsTheRestOfTheFile) {
    const std::string before =
        "; my settings\r\n"
        "[other]\r\n"
        "foo=1\r\n"
        "[display_mode]\r\n"
        "disp_mode = 0\r\n"
        "extra=5\r\n";
    WriteFile(File(), before);
    shell::LoadSettings(*form_);
    C().displayMode = 1;
    shell::SaveSettings(*form_);
    const std::string after = ReadFile(File());
    EXPECT_EQ(after.rfind("; my settings\r\n[other]\r\nfoo=1\r\n[display_mode]\r\ndisp_mode = 1\r\n"
                          "extra=5\r\n",
                          0),
              0u)
        << after;
    EXPECT_NE(after.find("[player2_ctrl_mode]\r\nctrl_mode=0\r\n"), std::string::npos);
    EXPECT_EQ(OtherFiles(dir_, "gameoption.ini"), 0);
}

TEST_F(SettingsTest, AFolderInTheFilesPlaceIsLeftAloneAndTheGameGoesOn) {
    fs::create_directory(File());
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().keyItem[0][0], 7);
    shell::SaveSettings(*form_);
    EXPECT_TRUE(fs::is_directory(File()));
    EXPECT_EQ(OtherFiles(dir_, "gameoption.ini"), 0);
}

TEST_F(SettingsTest, AReadOnlyFolderKeepsItsFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: a read-only folder stays writable";
    WriteFile(File(), "[display_mode]\ndisp_mode=1\n");
    shell::LoadSettings(*form_);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    C().displayMode = 0;
    shell::SaveSettings(*form_);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(ReadFile(File()), "[display_mode]\ndisp_mode=1\n");
}

// A settings file its owner made read-only is not replaced, not even by a player with the
// rights to replace it (root); once writable again it takes the values.
TEST_F(SettingsTest, AReadOnlyFileIsLeftAsItIs) {
    const std::string before = "[display_mode]\ndisp_mode=1\n";
    WriteFile(File(), before);
    shell::LoadSettings(*form_);
    fs::permissions(File(), fs::perms::owner_read | fs::perms::group_read);
    C().displayMode = 0;
    shell::SaveSettings(*form_);
    EXPECT_EQ(ReadFile(File()), before);
    EXPECT_EQ(OtherFiles(dir_, "gameoption.ini"), 0);
    EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::group_read);

    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
    shell::SaveSettings(*form_);
    auto next = NewForm();
    shell::LoadSettings(*next);
    EXPECT_EQ(next->controls.displayMode, 0);
}

TEST_F(SettingsTest, ASaveThatFailsHalfWayLeavesTheOldFileWhole) {
    // An old file with a few values; the save grows it past what the process may write, so
    // it fails after the first values have gone in.
    const std::string before =
        "[display_mode]\ndisp_mode=1\n[game_mode]\ngame_mode=4\n[keep]\nthis=1\n";
    WriteFile(File(), before);
    shell::LoadSettings(*form_);
    C().displayMode = 0;
    C().difficulty = 2;

    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = before.size() + 64;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    shell::SaveSettings(*form_);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadFile(File()), before) << "not a single value changed";
    EXPECT_EQ(OtherFiles(dir_, "gameoption.ini"), 0) << "no scratch file left behind";

    shell::SaveSettings(*form_);  // with room again it goes through
    auto next = NewForm();
    shell::LoadSettings(*next);
    EXPECT_EQ(next->controls.displayMode, 0);
    EXPECT_EQ(next->controls.difficulty, 2);
    EXPECT_NE(ReadFile(File()).find("[keep]\nthis=1\n"), std::string::npos);
}

TEST_F(SettingsTest, TheFileIsTheOneInTheCurrentDirectory) {
    const fs::path a = fs::path(dir_) / "a", b = fs::path(dir_) / "b";
    fs::create_directory(a);
    fs::create_directory(b);
    WriteFile(b / "gameoption.ini", "[music_mode]\nmusic_mode=1\n");

    fs::current_path(a);
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().musicMode, 0);
    C().musicMode = 2;
    shell::SaveSettings(*form_);
    EXPECT_NE(ReadFile(a / "gameoption.ini").find("music_mode=2"), std::string::npos);
    EXPECT_FALSE(fs::exists(File())) << "nothing beside the test's own folder";

    fs::current_path(b);
    auto form = NewForm();
    shell::LoadSettings(*form);
    EXPECT_EQ(form->controls.musicMode, 1);
}

// A link in the settings file's place is read, but the save neither writes through it (it
// may point at any file) nor replaces it (the player may have made it on purpose).
TEST_F(SettingsTest, ALinkIsReadButNeverWrittenThroughOrReplaced) {
    const fs::path real = fs::path(dir_) / "real.ini";
    WriteFile(real, "[music_mode]\nmusic_mode=1\n");
    fs::create_symlink(real, File());
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().musicMode, 1);
    C().musicMode = 2;
    shell::SaveSettings(*form_);
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(ReadFile(real), "[music_mode]\nmusic_mode=1\n");

    fs::remove(File());
    fs::create_symlink(fs::path(dir_) / "nowhere.ini", File());
    shell::SaveSettings(*form_);
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_FALSE(fs::exists(fs::path(dir_) / "nowhere.ini"));
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().filename().string().find(".new-"), std::string::npos);
}

TEST_F(SettingsTest, AByteOrderMarkKeepsTheFirstSectionAndTheSaveAddsNoCopy) {
    WriteFile(File(),
              "\xEF\xBB\xBF[display_mode]\r\ndisp_mode=1\r\n[music_mode]\r\nmusic_mode=2\r\n");
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().displayMode, 1);
    EXPECT_EQ(C().musicMode, 2);
    shell::SaveSettings(*form_);
    const std::string saved = ReadFile(File());
    EXPECT_EQ(saved.rfind("\xEF\xBB\xBF[display_mode]", 0), 0u) << saved;
    EXPECT_EQ(saved.find("[display_mode]", 4), std::string::npos) << saved;
    EXPECT_EQ(saved.find("[music_mode]"), saved.rfind("[music_mode]"));
}

// A FIFO, a device or a folder where the file should be: the defaults, at once, and the
// save leaves it alone.
TEST_F(SettingsTest, AnythingButAFileReadsAsDefaultsWithoutWaiting) {
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().musicMode, 0);
    shell::SaveSettings(*form_);
    EXPECT_EQ(fs::status(File()).type(), fs::file_type::fifo);
    fs::remove(File());
    fs::create_symlink("/dev/zero", File());
    shell::LoadSettings(*form_);
    EXPECT_EQ(C().displayMode, 0);
    shell::SaveSettings(*form_);
    EXPECT_TRUE(fs::is_symlink(File()));
}

}  // namespace

// netplay.ini: the network panel's port and address, beside gameoption.ini and apart
// from it; nonsense in it gives the defaults.
TEST_F(SettingsTest, TheNetworkPanelKeepsItsOwnFile) {
    EXPECT_EQ(shell::LoadNetSettings().port, 7777);
    EXPECT_EQ(shell::LoadNetSettings().address, "");
    ASSERT_TRUE(shell::SaveNetSettings({7001, "example.org"}));
    const shell::NetSettings back = shell::LoadNetSettings();
    EXPECT_EQ(back.port, 7001);
    EXPECT_EQ(back.address, "example.org");
    EXPECT_FALSE(fs::exists(File())) << "gameoption.ini is not touched";
    WriteFile(fs::path(dir_) / "netplay.ini",
              "[netplay]\nport=99999\naddress=\"bad host;rm -rf\"\n");
    EXPECT_EQ(shell::LoadNetSettings().port, 7777);
    EXPECT_EQ(shell::LoadNetSettings().address, "");
    EXPECT_FALSE(shell::SaveNetSettings({7001, "two words"}));
}

// window.ini: the game window's size and full screen's scaling, apart from gameoption.ini.
TEST_F(SettingsTest, TheWindowSizeKeepsItsOwnFile) {
    EXPECT_EQ(shell::LoadWindowSettings().scale, 1);
    ASSERT_TRUE(shell::SaveWindowSettings({0, true}));
    EXPECT_EQ(shell::LoadWindowSettings().scale, 0);
    EXPECT_TRUE(shell::LoadWindowSettings().sharpFullScreen);
    EXPECT_FALSE(fs::exists(File()));
    WriteFile(fs::path(dir_) / "window.ini", "[window]\nscale=9\nsharp_full_screen=7\n");
    EXPECT_EQ(shell::LoadWindowSettings().scale, 1);
    EXPECT_FALSE(shell::LoadWindowSettings().sharpFullScreen);
    // The largest multiple that fits a desktop, at least 1; a chosen one as it is.
    EXPECT_EQ(shell::WindowMultiple({0, false}, 3840, 2160), 3);
    EXPECT_EQ(shell::WindowMultiple({0, false}, 2560, 1600), 2);
    EXPECT_EQ(shell::WindowMultiple({0, false}, 1024, 700), 1);
    EXPECT_EQ(shell::WindowMultiple({0, false}, 640, 480), 1);
    EXPECT_EQ(shell::WindowMultiple({3, false}, 1920, 1080), 3);
}
