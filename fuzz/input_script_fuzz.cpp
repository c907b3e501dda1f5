// Fuzz target: headless input scripts of any content are parsed or refused, never misread.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/input_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<app::KeyEvent> events;
    std::string error;
    if (app::ParseInputScript(in, events, error)) {
        int64_t last = -1;
        for (const app::KeyEvent& e : events) {
            // Sorted by frame, every key a real one.
            if (e.frame < last || e.vk <= 0 || e.vk > 255) __builtin_trap();
            last = e.frame;
        }
    } else if (error.empty()) {
        __builtin_trap();  // a refusal always says why
    }
    return 0;
}
