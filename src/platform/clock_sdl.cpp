// The real clock over SDL's performance counter.
#include <SDL.h>

#include "platform/clock.h"

namespace platform {

namespace {
// Below this many milliseconds we stop sleeping and wait on the counter, since the
// system sleep can overshoot by about a millisecond.
constexpr double kSpinMs = 1.5;
}  // namespace

SystemClock::SystemClock()
    : start_(SDL_GetPerformanceCounter()), frequency_(SDL_GetPerformanceFrequency()) {}

uint32_t SystemClock::NowMs() {
    const uint64_t ticks = SDL_GetPerformanceCounter() - start_;
    return static_cast<uint32_t>(ticks * 1000 / frequency_);
}

void SystemClock::SleepMs(uint32_t ms) {
    const uint64_t begin = SDL_GetPerformanceCounter();
    const uint64_t target = begin + frequency_ * ms / 1000;
    const double coarse = static_cast<double>(ms) - kSpinMs;
    if (coarse >= 1.0) SDL_Delay(static_cast<uint32_t>(coarse));
    while (SDL_GetPerformanceCounter() < target) {
    }
}

}  // namespace platform
