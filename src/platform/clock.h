// The millisecond clock and sleep the frame pacing uses. Game code counts frames; only
// the shell's pacing reads a clock.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed start; wraps like a 32-bit tick counter.
    virtual uint32_t NowMs() = 0;
    // Sleeps close to the given number of milliseconds.
    virtual void SleepMs(uint32_t ms) = 0;
    // The same clock in microseconds, wrapping at 32 bits (every 71 minutes): differences
    // of two readings stay right across the wrap. Clocks that only know milliseconds
    // answer in whole milliseconds.
    virtual uint32_t NowUs() { return NowMs() * 1000u; }
    // Sleeps close to the given number of microseconds.
    virtual void SleepUs(uint32_t us) { SleepMs((us + 500) / 1000); }
};

// The real clock: SDL's performance counter, a sleep that wakes a little early and
// finishes with a short precise wait.
class SystemClock final : public Clock {
  public:
    SystemClock();
    uint32_t NowMs() override;
    void SleepMs(uint32_t ms) override;
    uint32_t NowUs() override;
    void SleepUs(uint32_t us) override;

  private:
    uint64_t start_;
    uint64_t frequency_;
};

// A clock that only moves when told to: for headless runs and tests. Sleeping advances it.
class ManualClock final : public Clock {
  public:
    uint32_t NowMs() override { return now_; }
    void SleepMs(uint32_t ms) override {
        slept_ += ms;
        ++sleeps_;
        if (advanceOnSleep_) now_ += ms;
    }
    void Advance(uint32_t ms) { now_ += ms; }
    void Set(uint32_t ms) { now_ = ms; }
    void SetAdvanceOnSleep(bool on) { advanceOnSleep_ = on; }
    uint64_t TotalSlept() const { return slept_; }
    int Sleeps() const { return sleeps_; }

  private:
    uint32_t now_ = 0;
    uint64_t slept_ = 0;
    int sleeps_ = 0;
    bool advanceOnSleep_ = true;
};

}  // namespace platform
