// The game's 15-bit random generator: one linear congruential generator, seeded once.
#pragma once

#include <cstdint>

namespace engine {

// Values 0..32767, reduced by the callers with "value mod n". The constants are fixed so
// that a run replays exactly from its seed on every machine.
class Random15 {
  public:
    void Seed(uint32_t seed) { state_ = seed; }
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }
    uint32_t State() const { return state_; }

  private:
    uint32_t state_ = 1;
};

}  // namespace engine
