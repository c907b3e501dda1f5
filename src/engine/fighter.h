// The fighter record: one player's fighter during a fight, with its two motion tables.
#pragma once

#include <cstdint>

#include "engine/motion.h"

namespace engine {

constexpr int kSideLeft = 1;
constexpr int kSideRight = 2;
constexpr int kStartY = 325;
constexpr int kStartXLeft = 200;
constexpr int kStartXRight = 600;

struct Fighter {
    int32_t side;
    int32_t kind;
    int32_t x;
    int32_t y;
    int32_t halfWidth[kStances];
    int32_t health;
    int32_t stamina;
    int32_t healthCeiling;
    int32_t healthMax;
    int32_t healthRegen;
    int32_t staminaMax;
    int32_t staminaRegen;
    int32_t tick;
    int32_t stance;
    MotionCode code;
    MotionTable tables[kStances];
    int32_t staminaRefused;
    int32_t koMark;
    int32_t counterHitFlag;
    int32_t weakHitFlag;
    int32_t powerLevel;
    int32_t cpuAttackRange[kStances];
    int32_t cpuKeepAway[kStances];
    int32_t cpuAttacks[kStances][4];
    int32_t cpuDefence[kStances][9];
    int32_t cpuCloseMode[kStances];
    int32_t cpuIdleTicks;
    int32_t cpuPlanTicks;
    int32_t cpuDistance;
    uint8_t cpuPlanActive;
    uint8_t spare[3];  // always zero: no padding in the record
    int32_t cpuPlan;
    int32_t cpuReaction;
    int32_t cpuStatus;
};

// Puts the fighter into its neutral state and clears both tables to the defaults.
// Leaves powerLevel, health, stamina and the computer player's fields alone.
void ResetFighter(Fighter& fighter, int side);

// The frame named by the code's own stance, motion and frame.
MotionFrame& FrameOf(Fighter& fighter, MotionCode code);
const MotionFrame& FrameOf(const Fighter& fighter, MotionCode code);

// The frame at the fighter's stance field with the motion and frame of its code:
// what the frame timer and the movement step read.
const MotionFrame& TimerFrameOf(const Fighter& fighter);

// A copy of the frame the fighter is showing.
MotionFrame CopyCurrentFrame(const Fighter& fighter);

}  // namespace engine
