// Motion codes and the motion frame record: every frame of every move a fighter can show.
#pragma once

#include <cstdint>

namespace engine {

// A frame is addressed by stance * 10000 + motion * 100 + frame.
using MotionCode = int32_t;

constexpr int kStances = 2;
constexpr int kMotions = 40;
constexpr int kFramesPerMotion = 13;
constexpr int kSlots = 14;
constexpr int kNoValue = 9999;  // "no value" in construction arguments

// Motion numbers every fighter shares.
enum Motion : int {
    kMotionFallFirst = 1,
    kMotionFallLast = 5,
    kMotionReactionFirst = 6,
    kMotionReactionLast = 13,
    kMotionStand = 14,
    kMotionGuard = 15,
    kMotionLowGuard = 16,
    kMotionStepForward = 17,
    kMotionStepBack = 18,
    kMotionSwitch = 19,
    kMotionAttackFirst = 20,
    kMotionAttackLast = 28,
    kMotionFollowUpFirst = 29,
    kMotionFollowUpLast = 34,
};

constexpr MotionCode MakeCode(int stance, int motion, int frame) {
    return stance * 10000 + motion * 100 + frame;
}

struct DecodedCode {
    int stance;
    int motion;
    int frame;
};

constexpr DecodedCode DecodeCode(MotionCode code) {
    return {code / 10000, (code % 10000) / 100, code % 100};
}

constexpr int StanceOf(MotionCode code) {
    return code / 10000;
}
constexpr int MotionOf(MotionCode code) {
    return (code % 10000) / 100;
}
constexpr int FrameNumberOf(MotionCode code) {
    return code % 100;
}
constexpr bool IsAttackMotion(int motion) {
    return motion >= kMotionAttackFirst && motion <= kMotionAttackLast;
}

// True when the code names a slot inside the two tables.
constexpr bool IsValidCode(MotionCode code) {
    return code >= 0 && StanceOf(code) < kStances && MotionOf(code) < kMotions &&
           FrameNumberOf(code) < kFramesPerMotion;
}

// One command transition: where the command leads and whether this frame answers it.
// The spare bytes are spelt out (and always zero) so that the record has no padding: a
// game state's checksum is taken over its bytes.
struct Transition {
    int32_t target;
    uint8_t enabled;
    uint8_t spare[3] = {};
};

// Transition slots, one per command group.
enum Slot : int {
    kSlotLA = 0,
    kSlotFwdLA = 1,
    kSlotBackLA = 2,
    kSlotRA = 3,
    kSlotFwdRA = 4,
    kSlotBackRA = 5,
    kSlotLARA = 6,
    kSlotFwdLARA = 7,
    kSlotBackLARA = 8,
    kSlotGuard = 9,      // G and up+G
    kSlotLowGuard = 10,  // down+G
    kSlotUp = 11,
    kSlotForward = 12,
    kSlotBack = 13,
};

struct MotionFrame {
    int32_t code;
    int32_t duration;
    int32_t image;
    int32_t layer;
    int32_t sound;
    int32_t next;
    Transition transitions[kSlots];
    int32_t dx;
    int32_t dy;
    int32_t cost;
    int32_t bodyFront;
    int32_t bodyType;
    int32_t reach;
    int32_t attackKind;
    int32_t priority;
    int32_t hitEffect;
    int32_t damage;
    int32_t stun;
    int32_t knockback;
    int32_t minRange;
    int32_t koMark;
    int32_t counterBonus;
    int32_t skipTimer;
    int32_t cpuFollowUp[4];
};

using MotionTable = MotionFrame[kMotions][kFramesPerMotion];

// The values every frame holds before a builder writes it.
MotionFrame DefaultFrame(MotionCode own);

}  // namespace engine
