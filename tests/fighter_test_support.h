// Helpers shared by the fighter tests: heap-allocated fighters and frame lookups.
#pragma once

#include <memory>

#include "engine/fighter.h"
#include "engine/roster.h"

namespace fighter_test {

// A fighter record is too big for the stack.
inline std::unique_ptr<engine::Fighter> NewFighter(int powerLevel = 0) {
    auto fighter = std::make_unique<engine::Fighter>();
    engine::ResetFighter(*fighter, engine::kSideLeft);
    fighter->powerLevel = powerLevel;
    return fighter;
}

inline std::unique_ptr<engine::Fighter> BuiltFighter(int kind, int powerLevel, int opponent) {
    auto fighter = NewFighter(powerLevel);
    engine::BuildFighter(*fighter, kind, opponent);
    return fighter;
}

// Every frame a builder writes lasts at least one tick; an unwritten slot lasts 0.
inline bool IsDefined(const engine::MotionFrame& frame) {
    return frame.duration > 0;
}

inline int CountDefined(const engine::Fighter& f, int stance, int firstMotion, int lastMotion) {
    int count = 0;
    for (int m = firstMotion; m <= lastMotion; ++m)
        for (const engine::MotionFrame& frame : f.tables[stance][m])
            count += IsDefined(frame);
    return count;
}

}  // namespace fighter_test
