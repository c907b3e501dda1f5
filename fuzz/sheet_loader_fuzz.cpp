// Fuzz target: bitmap files of any content load as a sheet or as nothing, never with an
// out-of-bounds read or a sheet whose size disagrees with its pixels.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "gfx/sheets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/tovuka-bmp-fuzz-" + std::to_string(getpid()) + ".bmp";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    {
        gfx::SpriteSheet sheet = gfx::LoadSheet(path.c_str());
        gfx::SetSheetColorKeys(&sheet, 1);
        gfx::MatchColorKey(sheet, 0, 255, 0);
    }
    gfx::ClearSheetCache();  // every input is decoded afresh (the file's time may not change)
    return 0;
}
