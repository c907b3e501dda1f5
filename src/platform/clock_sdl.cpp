// The real clock over SDL's performance counter.
#include <SDL.h>

#include "platform/clock.h"

namespace platform {

namespace {
// Below this many microseconds we stop sleeping and wait on the counter, since the
// system sleep can overshoot by about a millisecond.
constexpr uint32_t kSpinUs = 1500;
}  // namespace

SystemClock::SystemClock()
    : start_(SDL_GetPerformanceCounter()), frequency_(SDL_GetPerformanceFrequency()) {}

uint32_t SystemClock::NowMs() {
    const uint64_t ticks = SDL_GetPerformanceCounter() - start_;
    return static_cast<uint32_t>(ticks * 1000 / frequency_);
}

uint32_t SystemClock::NowUs() {
    const uint64_t ticks = SDL_GetPerformanceCounter() - start_;
    // In two steps so that the product cannot overflow for years of running.
    const uint64_t seconds = ticks / frequency_;
    const uint64_t rest = ticks % frequency_;
    return static_cast<uint32_t>(seconds * 1000000 + rest * 1000000 / frequency_);
}

void SystemClock::SleepMs(uint32_t ms) {
    SleepUs(ms * 1000u);
}

void SystemClock::SleepUs(uint32_t us) {
    const uint64_t target = SDL_GetPerformanceCounter() + frequency_ * us / 1000000;
    // Wake early from the coarse sleep, then wait out the rest on the counter.
    if (us > kSpinUs + 1000) SDL_Delay((us - kSpinUs) / 1000);
    while (SDL_GetPerformanceCounter() < target) {
    }
}

}  // namespace platform
