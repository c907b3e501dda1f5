// Regeneration, the command step and the advance step of a fighter.
#include "engine/update.h"

namespace engine {

namespace {

// Roster numbers with a rule of their own in the update.
constexpr int kKindRegenInFollowUps = 7;
constexpr int kKindSwitchAfterKicks = 10;

constexpr int kCmdForward = 1;
constexpr int kCmdBack = 2;
constexpr int kCmdUp = 3;
constexpr int kCmdDownGuard = 5;
constexpr int kCmdGuard = 6;
constexpr int kCmdLA = 7;
constexpr int kCmdBackLARA = 15;
constexpr int kCmdUpGuard = 16;

int OtherStance(int stance) {
    return stance == 1 ? 0 : 1;
}

// The transition slot a command is answered through, or -1 when it has none.
int SlotOf(int32_t command) {
    switch (command) {
        case kCmdForward: return kSlotForward;
        case kCmdBack: return kSlotBack;
        case kCmdUp: return kSlotUp;
        case kCmdDownGuard: return kSlotLowGuard;
        case kCmdGuard:
        case kCmdUpGuard: return kSlotGuard;
        default:
            if (command >= kCmdLA && command <= kCmdBackLARA) return kSlotLA + (command - kCmdLA);
            return -1;
    }
}

bool IsAttackCommand(int32_t command) {
    return command >= kCmdLA && command <= kCmdBackLARA;
}

// Where the left fighter goes when it runs into the opponent: just clear of its body, but
// never onto the field's edge.
int LeftClearOf(int opponentX, int opponentHalfWidth, int own) {
    const int x = opponentX - opponentHalfWidth - own - kClearance;
    return x <= kFieldLeft ? kFieldLeft + kClearance : x;
}

int RightClearOf(int opponentX, int opponentHalfWidth, int own) {
    const int x = opponentX + opponentHalfWidth + own + kClearance;
    return x >= kFieldRight ? kFieldRight - kClearance : x;
}

bool InsideField(int x) {
    return x > kFieldLeft && x < kFieldRight;
}

}  // namespace

void Regenerate(Fighter& fighter) {
    if (fighter.koMark != 0) return;
    const DecodedCode d = DecodeCode(fighter.code);
    const bool resting = d.motion >= kMotionStand && d.motion <= kMotionSwitch;
    const bool followUpRest =
        fighter.kind == kKindRegenInFollowUps && d.frame == 0 && (d.motion == 29 || d.motion == 32);
    if (!resting && !followUpRest) return;

    if (fighter.health + fighter.healthRegen > fighter.healthCeiling)
        fighter.health = fighter.healthCeiling;
    else
        fighter.health += fighter.healthRegen;

    if (fighter.stamina + fighter.staminaRegen > fighter.staminaMax)
        fighter.stamina = fighter.staminaMax;
    else
        fighter.stamina += fighter.staminaRegen;
}

void ApplyCommand(Fighter& fighter, int32_t& command) {
    const DecodedCode d = DecodeCode(fighter.code);

    // Up out of a hit reaction, two ticks before its frame ends, or up+G out of a guard:
    // the fighter carries on in the other stance. The code keeps its stance part; the
    // timer reads the other table from now on and its next code completes the change.
    const bool inReaction = d.motion >= kMotionReactionFirst && d.motion <= kMotionReactionLast;
    const bool inGuard = d.motion == kMotionGuard || d.motion == kMotionLowGuard;
    const bool upOutOfReaction = inReaction && fighter.tick == TimerFrameOf(fighter).duration - 2 &&
                                 (command == kCmdUp || command == kCmdUpGuard);
    if (upOutOfReaction || (inGuard && command == kCmdUpGuard)) {
        fighter.stance = OtherStance(d.stance);
        command = 0;
    }

    const int slot = SlotOf(command);
    if (slot < 0) return;

    const Transition& t = FrameOf(fighter, fighter.code).transitions[slot];
    if (!t.enabled) {
        // Attacks wait for a frame that takes them; everything else is dropped.
        if (!IsAttackCommand(command)) command = 0;
        return;
    }

    const int32_t cost = FrameOf(fighter, t.target).cost;
    if (fighter.stamina - cost <= 0) {
        fighter.staminaRefused = 1;
        if (fighter.cpuPlanActive) {
            fighter.cpuPlanActive = 0;
            fighter.cpuPlan = 0;
        }
    } else {
        fighter.stamina -= cost;
        fighter.code = t.target;
        fighter.tick = 0;
    }
    command = 0;
}

void Advance(Fighter& fighter, int opponentX, int opponentHalfWidth, bool movementEnabled,
             int opponentDx) {
    const DecodedCode d = DecodeCode(fighter.code);
    const int own = fighter.halfWidth[d.stance];
    const MotionFrame& tf = TimerFrameOf(fighter);
    const bool left = fighter.side == kSideLeft;

    // The opponent's near edge, moved by the step it is about to take this update.
    const int leftLimit = opponentX - opponentHalfWidth - opponentDx;
    const int rightLimit = opponentX + opponentHalfWidth + opponentDx;

    if (movementEnabled) {
        const int nx = left ? fighter.x + tf.dx : fighter.x - tf.dx;
        if (InsideField(nx)) {
            if (left)
                fighter.x =
                    nx + own < leftLimit ? nx : LeftClearOf(opponentX, opponentHalfWidth, own);
            else
                fighter.x =
                    nx - own > rightLimit ? nx : RightClearOf(opponentX, opponentHalfWidth, own);
        }
    }

    // Keep the two bodies apart even when nobody stepped (a hit's knock-back, a stance
    // change to a wider body).
    if (left) {
        if (fighter.x + own > leftLimit) fighter.x = LeftClearOf(opponentX, opponentHalfWidth, own);
    } else {
        if (fighter.x - own < rightLimit)
            fighter.x = RightClearOf(opponentX, opponentHalfWidth, own);
    }

    // Frame timer.
    if (tf.skipTimer != 0) {
        fighter.code = tf.next;
        fighter.tick = 0;
    } else if (fighter.tick != tf.duration) {
        ++fighter.tick;
    } else {
        fighter.code = tf.next;
        if (d.motion == kMotionSwitch) fighter.stance = OtherStance(fighter.stance);
        if (fighter.kind == kKindSwitchAfterKicks && (d.motion == 27 || d.motion == 28) &&
            d.frame == 2)
            fighter.stance = OtherStance(fighter.stance);
        fighter.tick = 0;
    }
}

}  // namespace engine
