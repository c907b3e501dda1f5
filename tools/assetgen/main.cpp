// tovuka_assetgen --game DIR --generated DIR: writes every picture, sound and piece of music
// the game uses. The same bytes on every run.
#include <cstdio>
#include <cstring>
#include <string>

#include "assetgen/output.h"

int main(int argc, char** argv) {
    assetgen::Output out;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--game") == 0)
            out.gameDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--generated") == 0)
            out.generatedDir = argv[i + 1];
    }
    if (out.gameDir.empty() || out.generatedDir.empty()) {
        std::fprintf(stderr, "usage: tovuka_assetgen --game DIR --generated DIR\n");
        return 2;
    }
    bool ok = assetgen::GenerateFighterSheets(out);
    ok = assetgen::GenerateScreenSheets(out) && ok;
    ok = assetgen::GenerateSounds(out) && ok;
    ok = assetgen::GenerateMusic(out) && ok;
    if (!ok) return 1;
    return assetgen::WriteFile(out.generatedDir + "/assets.stamp", std::string("done\n")) ? 0 : 1;
}
