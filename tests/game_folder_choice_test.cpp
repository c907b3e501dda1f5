// The game folder: a folder with pictures stays the game folder; an installed game in the
// window goes to the player's own folder, made with links to the installed data, a link
// the player replaced by a folder of their own kept; --game-dir names the folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/game_folder.h"
#include "support/run_binary.h"

namespace fs = std::filesystem;

TEST(GameFolderChoice, PreparedFoldersLinkTheDataAndKeepThePlayersOwn) {
    const fs::path top = testing_support::MakeTempDir();
    const fs::path data = top / "share" / "tovuka02";
    fs::create_directories(data / "Graphic");
    fs::create_directories(data / "music");
    const fs::path mine = top / "home" / "tovuka02";
    std::string error;
    ASSERT_TRUE(app::PrepareGameFolder(mine.string(), data.string(), error)) << error;
    EXPECT_EQ(fs::read_symlink(mine / "Graphic"), data / "Graphic");
    EXPECT_EQ(fs::read_symlink(mine / "music"), data / "music");

    // The player's own music folder in place of the link stays; a link left dangling by
    // an install that moved is renewed.
    fs::remove(mine / "music");
    fs::create_directory(mine / "music");
    fs::remove(mine / "Graphic");
    fs::create_directory_symlink(top / "gone", mine / "Graphic");
    ASSERT_TRUE(app::PrepareGameFolder(mine.string(), data.string(), error)) << error;
    EXPECT_FALSE(fs::is_symlink(mine / "music"));
    EXPECT_EQ(fs::read_symlink(mine / "Graphic"), data / "Graphic");

    // A folder that cannot be made is said.
    EXPECT_FALSE(app::PrepareGameFolder("/proc/tovuka02", data.string(), error));
    EXPECT_FALSE(error.empty());
}

TEST(GameFolderChoice, ThePlayersFolderFollowsXdgDataHome) {
    const char* oldXdg = std::getenv("XDG_DATA_HOME");
    const std::string keep = oldXdg != nullptr ? oldXdg : "";
    setenv("XDG_DATA_HOME", "/somewhere/data", 1);
    EXPECT_EQ(app::PerUserFolder(), "/somewhere/data/tovuka02");
    setenv("XDG_DATA_HOME", "relative/not/allowed", 1);
    EXPECT_EQ(app::PerUserFolder().find("relative"), std::string::npos);
    if (oldXdg != nullptr)
        setenv("XDG_DATA_HOME", keep.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(app::InstalledDataFolder(), "") << "the test program is no installed game";
}

TEST(GameFolderChoice, GameDirNamesTheFolderAndFilesStayWhereTheyWereGiven) {
    const std::string here = testing_support::MakeTempDir();
    const std::string folder = here + "/game";
    const auto run =
        testing_support::RunGame({"--headless", "--game-dir", folder, "--seed", "1", "--mode", "vs",
                                  "--frames", "5", "--trace", "trace.txt"},
                                 "", here);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(folder + "/gameoption.ini")) << "the settings live in the game folder";
    EXPECT_TRUE(fs::exists(here + "/trace.txt")) << "a relative output is where it was started";
    EXPECT_FALSE(fs::exists(here + "/gameoption.ini"));
}
