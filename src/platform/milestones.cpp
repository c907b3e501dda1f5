// Start-up milestones (see milestones.h).
#include "platform/milestones.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace platform {

void Milestone(const char* name) {
    static const char* const path = std::getenv("TOVUKA_TIMING_LOG");
    if (path == nullptr) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    if (std::FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s %lld\n", name, ns);
        std::fclose(f);
    }
}

}  // namespace platform
