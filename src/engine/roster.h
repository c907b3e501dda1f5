// The roster: roster number 1..15 to the fighter's init, its two stance builders and the
// variant of the common motions it uses.
#pragma once

#include "engine/fighter.h"

namespace engine {

constexpr int kRosterSize = 15;

struct RosterEntry {
    void (*init)(Fighter& fighter, int opponentKind);
    void (*buildStance0)(Fighter& fighter);
    void (*buildStance1)(Fighter& fighter);
    int commonVariant;  // 0 = standard, else the roster number whose pictures it uses
};

// The entry of a roster number, or nullptr when the number is outside 1..15 or that
// fighter has not been written yet.
const RosterEntry* RosterFor(int kind);

// Init, stance-0 builder, stance-1 builder and common motions, in that order. A roster
// number without an entry builds nothing. Returns whether anything was built.
bool BuildFighter(Fighter& fighter, int kind, int opponentKind);

}  // namespace engine
