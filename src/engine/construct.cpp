// Construction operations: the frame-defining operations, the field setters and the computer
// player's defence tables.
#include "engine/construct.h"

namespace engine {

namespace {

constexpr int kOpponents = 15;
constexpr int kAttacks = kMotionAttackLast - kMotionAttackFirst + 1;

// The computer player's answer to each attack of each opponent: row = opponent's roster
// number - 1; the first nine values answer motions 20..28 while the opponent stands in stance
// 0, the last nine the same motions in stance 1. 1..3 guard, 4 and 7 low guard, 5 and 6 step
// back, 0 no answer.
constexpr int kDefenceTable[kOpponents][kStances * kAttacks] = {
    {1, 4, 4, 1, 5, 4, 4, 2, 1, 4, 1, 2, 4, 4, 7, 2, 7, 2},  // 1
    {1, 4, 7, 1, 5, 4, 7, 2, 4, 1, 7, 4, 1, 2, 4, 1, 3, 1},  // 2
    {1, 1, 7, 1, 4, 2, 0, 7, 0, 1, 1, 4, 1, 4, 4, 4, 1, 1},  // 3
    {1, 4, 1, 2, 7, 2, 0, 4, 7, 1, 4, 1, 1, 7, 4, 1, 2, 2},  // 4
    {1, 5, 4, 1, 5, 4, 4, 2, 3, 1, 4, 1, 1, 7, 1, 5, 4, 2},  // 5
    {1, 1, 6, 1, 4, 1, 4, 4, 4, 1, 4, 4, 1, 5, 4, 2, 4, 1},  // 6
    {1, 1, 4, 1, 4, 1, 1, 1, 1, 4, 1, 4, 4, 7, 1, 1, 4, 1},  // 7
    {1, 5, 1, 1, 5, 4, 4, 1, 7, 1, 5, 1, 1, 5, 2, 4, 7, 1},  // 8
    {1, 5, 1, 1, 1, 1, 1, 1, 1, 1, 4, 4, 1, 4, 5, 1, 1, 4},  // 9
    {1, 1, 4, 2, 2, 4, 4, 5, 4, 1, 7, 4, 2, 4, 2, 4, 0, 0},  // 10
    {1, 1, 4, 7, 1, 1, 4, 1, 1, 1, 4, 4, 1, 7, 1, 7, 1, 1},  // 11
    {1, 4, 4, 1, 4, 5, 1, 4, 1, 1, 4, 1, 1, 4, 1, 1, 4, 5},  // 12
    {1, 5, 4, 4, 4, 2, 1, 7, 1, 1, 4, 5, 5, 4, 2, 1, 1, 2},  // 13
    {2, 4, 7, 1, 4, 2, 1, 4, 1, 1, 1, 4, 4, 4, 4, 1, 4, 4},  // 14
    {4, 7, 4, 4, 7, 1, 4, 5, 1, 4, 7, 4, 4, 7, 1, 4, 5, 1},  // 15
};

MotionFrame& At(Fighter& fighter, int stance, int motion, int frame) {
    return fighter.tables[stance][motion][frame];
}

constexpr MotionCode StandOf(int stance) {
    return MakeCode(stance, kMotionStand, 0);
}

// Writes what all three frame-defining operations share: code, duration, image and all
// slots disabled.
MotionFrame& DefineFrame(Fighter& fighter, int stance, int motion, int frame, int duration,
                         int image) {
    MotionFrame& f = At(fighter, stance, motion, frame);
    f.code = MakeCode(stance, motion, frame);
    f.duration = duration;
    f.image = image;
    for (Transition& t : f.transitions)
        t = {StandOf(stance), 0};
    return f;
}

void StoreTargets(MotionFrame& f, int stance, const Targets& targets) {
    for (int i = 0; i < kSlots; ++i) {
        if (targets[i] == kNoValue) continue;
        f.transitions[kSlotOfTarget[i]] = {stance * 10000 + targets[i], 1};
    }
}

bool SameTransition(const Transition& a, const Transition& b) {
    return a.target == b.target && a.enabled == b.enabled;
}

}  // namespace

void SetFinalFrame(Fighter& fighter, int stance, int motion, int frame, int duration, int image,
                   int endRule, const Targets& targets) {
    MotionFrame& f = DefineFrame(fighter, stance, motion, frame, duration, image);
    StoreTargets(f, stance, targets);
    f.next = endRule == kNoValue ? StandOf(stance) : StandOf(1 - stance);
}

void SetChainFrame(Fighter& fighter, int stance, int motion, int frame, int duration, int image,
                   int /*endRule*/, const Targets& targets) {
    MotionFrame& f = DefineFrame(fighter, stance, motion, frame, duration, image);
    StoreTargets(f, stance, targets);
    f.next = f.code + 1;
}

void SetHoldFrame(Fighter& fighter, int stance, int motion, int frame, int duration, int image) {
    MotionFrame& f = DefineFrame(fighter, stance, motion, frame, duration, image);
    f.next = f.code;
}

void SetSound(Fighter& fighter, int stance, int motion, int frame, int sound) {
    At(fighter, stance, motion, frame).sound = sound;
}

void SetHitEffect(Fighter& fighter, int stance, int motion, int frame, int effect) {
    At(fighter, stance, motion, frame).hitEffect = effect;
}

void SetLayer(Fighter& fighter, int stance, int motion, int frame, int layer) {
    At(fighter, stance, motion, frame).layer = layer;
}

void SetCost(Fighter& fighter, int stance, int motion, int frame, int cost) {
    At(fighter, stance, motion, frame).cost = cost;
}

void SetMove(Fighter& fighter, int stance, int motion, int frame, int dx, int dy) {
    MotionFrame& f = At(fighter, stance, motion, frame);
    f.dx = dx;
    f.dy = dy;
}

void SetBody(Fighter& fighter, int stance, int motion, int frame, int front, int type) {
    MotionFrame& f = At(fighter, stance, motion, frame);
    f.bodyFront = front;
    f.bodyType = type;
}

void SetAttack(Fighter& fighter, int stance, int motion, int frame, int reach, int kind,
               int priority) {
    MotionFrame& f = At(fighter, stance, motion, frame);
    f.reach = reach;
    f.attackKind = kind;
    f.priority = priority;
}

void SetDamage(Fighter& fighter, int stance, int motion, int frame, int damage, int stun,
               int knockback) {
    MotionFrame& f = At(fighter, stance, motion, frame);
    // The computer player's stronger levels hit harder: +10 percent per level.
    f.damage = damage * (fighter.powerLevel + 10) / 10;
    f.stun = stun;
    f.knockback = knockback;
}

void SetKoMark(Fighter& fighter, int stance, int motion, int frame, int koMark) {
    At(fighter, stance, motion, frame).koMark = koMark;
}

void SetCounterBonus(Fighter& fighter, int stance, int motion, int frame, int bonus) {
    At(fighter, stance, motion, frame).counterBonus = bonus;
}

void SetSkipTimer(Fighter& fighter, int stance, int motion, int frame, int skip) {
    At(fighter, stance, motion, frame).skipTimer = skip;
}

void SetCpuFollowUp(Fighter& fighter, int stance, int motion, int frame, int a, int b, int c,
                    int d) {
    MotionFrame& f = At(fighter, stance, motion, frame);
    f.cpuFollowUp[0] = a;
    f.cpuFollowUp[1] = b;
    f.cpuFollowUp[2] = c;
    f.cpuFollowUp[3] = d;
}

void SetMinRange(Fighter& fighter, int stance, int motion, int frame, int minRange) {
    At(fighter, stance, motion, frame).minRange = minRange;
}

void SetCpuDefence(Fighter& fighter, int opponentKind) {
    if (opponentKind < 1 || opponentKind > kOpponents) return;
    const int* row = kDefenceTable[opponentKind - 1];
    for (int s = 0; s < kStances; ++s)
        for (int a = 0; a < kAttacks; ++a)
            fighter.cpuDefence[s][a] = row[s * kAttacks + a];
}

bool SameFrame(const MotionFrame& a, const MotionFrame& b) {
    for (int i = 0; i < kSlots; ++i)
        if (!SameTransition(a.transitions[i], b.transitions[i])) return false;
    for (int i = 0; i < 4; ++i)
        if (a.cpuFollowUp[i] != b.cpuFollowUp[i]) return false;
    return a.code == b.code && a.duration == b.duration && a.image == b.image &&
           a.layer == b.layer && a.sound == b.sound && a.next == b.next && a.dx == b.dx &&
           a.dy == b.dy && a.cost == b.cost && a.bodyFront == b.bodyFront &&
           a.bodyType == b.bodyType && a.reach == b.reach && a.attackKind == b.attackKind &&
           a.priority == b.priority && a.hitEffect == b.hitEffect && a.damage == b.damage &&
           a.stun == b.stun && a.knockback == b.knockback && a.minRange == b.minRange &&
           a.koMark == b.koMark && a.counterBonus == b.counterBonus && a.skipTimer == b.skipTimer;
}

bool IsResetFrame(const MotionFrame& frame, MotionCode position) {
    return SameFrame(frame, DefaultFrame(position));
}

}  // namespace engine
