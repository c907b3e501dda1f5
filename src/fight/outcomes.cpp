// The outcome tables: what each attack class does to each target class.
#include "fight/outcomes.h"

namespace fight {

namespace {

using K = Outcome::Kind;

constexpr Outcome kNo{K::kNone, 0, 0, 0, 0, 0, 0, 0};

constexpr Outcome Hit(int ko, int percent, int reaction) {
    return {K::kHit, 0, int8_t(ko), int8_t(percent), int8_t(reaction), 0, 0, 0};
}

// Guarded when the defender shows motion `on`; taken as the hit otherwise.
constexpr Outcome GuardOn(int on, int gKo, int gPercent, int gInto, int hKo, int hPercent,
                          int hReaction) {
    return {K::kGuardOn,       int8_t(on),  int8_t(hKo),      int8_t(hPercent),
            int8_t(hReaction), int8_t(gKo), int8_t(gPercent), int8_t(gInto)};
}

// Kinds 1 to 3 (high attacks) are stopped by the guard, 4 and 7 (low attacks) by the low
// guard, 5 and 6 cannot be guarded. Body type 2 (a crouching or airborne body) is missed
// by the high attacks and folds up (reaction 11) under 4, 5 and 6.
constexpr Outcome kLeftTable[kAttackKinds][kBodyTypes] = {
    // bodyType 1                          2                3                              4
    {GuardOn(15, 1, 25, 15, 1, 100, 6), kNo, GuardOn(15, 1, 25, 15, 1, 100, 6), kNo},
    {GuardOn(15, 1, 25, 15, 1, 100, 7), kNo, GuardOn(15, 1, 25, 15, 1, 100, 7), kNo},
    {GuardOn(15, 1, 25, 15, 1, 100, 8), kNo, GuardOn(15, 1, 25, 15, 1, 100, 8), kNo},
    {GuardOn(16, 2, 15, 16, 2, 60, 9), Hit(1, 100, 11), GuardOn(16, 2, 15, 16, 2, 60, 9),
     GuardOn(16, 2, 15, 16, 2, 60, 9)},
    {Hit(3, 30, 10), Hit(1, 100, 11), kNo, Hit(3, 30, 10)},
    {Hit(2, 60, 9), Hit(1, 100, 11), Hit(2, 60, 9), Hit(2, 60, 9)},
    {GuardOn(16, 1, 25, 16, 1, 100, 8), GuardOn(16, 1, 25, 16, 1, 100, 8),
     GuardOn(16, 1, 25, 16, 1, 100, 8), kNo},
};

// The attacker on the right falls differently from a guarded low kick (knock-out motion 1)
// and from the unguardable kind 5 (knock-out motion 2).
constexpr Outcome kRightTable[kAttackKinds][kBodyTypes] = {
    {GuardOn(15, 1, 25, 15, 1, 100, 6), kNo, GuardOn(15, 1, 25, 15, 1, 100, 6), kNo},
    {GuardOn(15, 1, 25, 15, 1, 100, 7), kNo, GuardOn(15, 1, 25, 15, 1, 100, 7), kNo},
    {GuardOn(15, 1, 25, 15, 1, 100, 8), kNo, GuardOn(15, 1, 25, 15, 1, 100, 8), kNo},
    {GuardOn(16, 1, 15, 16, 2, 60, 9), Hit(1, 100, 11), GuardOn(16, 1, 15, 16, 2, 60, 9),
     GuardOn(16, 1, 15, 16, 2, 60, 9)},
    {Hit(2, 30, 10), Hit(1, 100, 11), kNo, Hit(2, 30, 10)},
    {Hit(2, 60, 9), Hit(1, 100, 11), Hit(2, 60, 9), Hit(2, 60, 9)},
    {GuardOn(16, 1, 25, 16, 1, 100, 8), GuardOn(16, 1, 25, 16, 1, 100, 8),
     GuardOn(16, 1, 25, 16, 1, 100, 8), kNo},
};

}  // namespace

Outcome OutcomeFor(int attackerSide, int attackKind, int bodyType) {
    if (attackKind < 1 || attackKind > kAttackKinds || bodyType < 1 || bodyType > kBodyTypes)
        return kNo;
    const auto& table = attackerSide == engine::kSideLeft ? kLeftTable : kRightTable;
    return table[attackKind - 1][bodyType - 1];
}

}  // namespace fight
