// Fuzz target: settings files of any content are read without harm, and a write keeps the
// file readable.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/tovuka-ini-fuzz-" + std::to_string(getpid()) + ".ini";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    static const char* const kSections[] = {"display_mode", "player1_ctrl_mode", "x", ""};
    static const char* const kKeys[] = {"disp_mode", "key_dis", "ctrl_mode", "keyboard_button_L"};
    for (const char* s : kSections)
        for (const char* k : kKeys)
            platform::GetPrivateProfileInt(s, k, 1800, path);
    if (platform::WritePrivateProfileString("player1_ctrl_mode", "key_dis", "42", path) &&
        platform::GetPrivateProfileInt("player1_ctrl_mode", "key_dis", 0, path) != 42)
        __builtin_trap();  // what was written reads back
    return 0;
}
