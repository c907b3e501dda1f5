// Fighter reset and frame lookups.
#include "engine/fighter.h"

namespace engine {

MotionFrame DefaultFrame(MotionCode own) {
    MotionFrame f{};
    const int standCode = StanceOf(own) * 10000 + 1400;
    f.code = own;
    f.image = 100;
    f.next = own;
    for (Transition& t : f.transitions)
        t = {standCode, 0};
    f.bodyFront = 128;
    f.bodyType = 1;
    f.koMark = 99;
    return f;
}

void ResetFighter(Fighter& fighter, int side) {
    fighter.side = side;
    fighter.kind = 0;
    fighter.x = side == kSideLeft ? kStartXLeft : kStartXRight;
    fighter.y = kStartY;
    fighter.tick = 0;
    fighter.stance = 0;
    fighter.code = MakeCode(0, kMotionStand, 0);
    fighter.staminaRefused = 0;
    fighter.koMark = 0;
    fighter.counterHitFlag = 0;
    fighter.weakHitFlag = 0;
    for (int s = 0; s < kStances; ++s)
        for (int m = 0; m < kMotions; ++m)
            for (int f = 0; f < kFramesPerMotion; ++f)
                fighter.tables[s][m][f] = DefaultFrame(MakeCode(s, m, f));
}

MotionFrame& FrameOf(Fighter& fighter, MotionCode code) {
    const DecodedCode d = DecodeCode(code);
    return fighter.tables[d.stance][d.motion][d.frame];
}

const MotionFrame& FrameOf(const Fighter& fighter, MotionCode code) {
    const DecodedCode d = DecodeCode(code);
    return fighter.tables[d.stance][d.motion][d.frame];
}

const MotionFrame& TimerFrameOf(const Fighter& fighter) {
    const DecodedCode d = DecodeCode(fighter.code);
    return fighter.tables[fighter.stance][d.motion][d.frame];
}

MotionFrame CopyCurrentFrame(const Fighter& fighter) {
    return FrameOf(fighter, fighter.code);
}

}  // namespace engine
