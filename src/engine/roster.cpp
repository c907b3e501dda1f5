// Roster dispatch.
#include "engine/roster.h"

namespace engine {

namespace {

// Index = roster number - 1. Fighters not written yet have no entry.
const RosterEntry *const kRoster[kRosterSize] = {};

} // namespace

const RosterEntry *RosterFor(int kind) {
  if (kind < 1 || kind > kRosterSize)
    return nullptr;
  return kRoster[kind - 1];
}

bool BuildFighter(Fighter &fighter, int kind, int opponentKind) {
  const RosterEntry *entry = RosterFor(kind);
  if (entry == nullptr)
    return false;
  entry->init(fighter, opponentKind);
  entry->buildStance0(fighter);
  entry->buildStance1(fighter);
  return true;
}

} // namespace engine
