// The folder the game reads and writes its files in. The game keeps every file of its own
// (settings, pictures, music, replays) in its current folder; this picks that folder at
// the start:
//   - --game-dir DIR: that folder (made when missing; given links to the installed
//     pictures and music when it has none of its own);
//   - else the current folder, when it holds a Graphic folder (the build tree's game
//     folder, a folder the player set up by hand);
//   - else, for an installed game started in the window (from the desktop's menu, or as
//     `tovuka02`), the player's own folder $XDG_DATA_HOME/tovuka02 (by default
//     ~/.local/share/tovuka02), made on the first start with links to the installed,
//     read-only Graphic and music folders. A link the player replaced by a folder of
//     their own stays theirs.
//   - Headless runs stay where they are started unless given --game-dir.
#pragma once

#include <string>

#include "app/command_line.h"

namespace app {

// The installed data beside the executable (<prefix>/share/tovuka02 for
// <prefix>/bin/tovuka02), or "" when this is no installed game.
std::string InstalledDataFolder();

// The player's own folder for an installed game.
std::string PerUserFolder();

// Makes `folder` (and its parents) and gives it links to data/Graphic and data/music where
// it has no entry of that name (a dangling link left by an older install is renewed).
bool PrepareGameFolder(const std::string& folder, const std::string& data, std::string& error);

// Paths of the command line that name files are made absolute first (they were given
// against the folder the program was started in); then the game folder is entered.
bool EnterGameFolder(Options& options, std::string& error);

}  // namespace app
