// Where the generator writes, and the small file helpers every part uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct Output {
    std::string gameDir;       // <build>/game: Graphic/..., music/...
    std::string generatedDir;  // <build>/generated: sources built into the game
};

// Creates the folders of path as needed and writes the bytes; false on failure.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteFile(const std::string& path, const std::string& text);

// The parts of the generator, each writing its own files.
bool GenerateFighterSheets(const Output& out);  // fighter, common and down-effect sheets
bool GenerateScreenSheets(const Output& out);   // parts01..03, background, title picture
bool GenerateSounds(const Output& out);         // the fifteen WAVE resources
bool GenerateMusic(const Output& out);          // three MIDI pieces, two WMA pieces

}  // namespace assetgen
