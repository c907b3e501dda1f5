// Roster dispatch: roster number to the fighter's entry, and the build of a fighter for a fight.
#include "engine/roster.h"

#include "engine/common_motions.h"
#include "engine/fighters/fighters.h"

namespace engine {

namespace {

// Index = roster number - 1.
const RosterEntry* const kRoster[kRosterSize] = {
    &fighters::kFighter01,  // 1 karate01
    &fighters::kFighter02,  // 2 MuayThai01
    &fighters::kFighter03,  // 3 box01
    &fighters::kFighter04,  // 4 box02
    &fighters::kFighter05,  // 5 kick01
    &fighters::kFighter06,  // 6 hakkyokuken
    &fighters::kFighter07,  // 7 Tequondo
    &fighters::kFighter08,  // 8 Kick02
    &fighters::kFighter09,  // 9 karate02
    &fighters::kFighter10,  // 10 Kick03
    &fighters::kFighter11,  // 11 Boxer03
    &fighters::kFighter12,  // 12 JEETKUNEDOO
    &fighters::kFighter13,  // 13 MuayThai02
    &fighters::kFighter14,  // 14 Capoeira
    &fighters::kFighter15,  // 15 qirune
};

}  // namespace

const RosterEntry* RosterFor(int kind) {
    if (kind < 1 || kind > kRosterSize) return nullptr;
    return kRoster[kind - 1];
}

bool BuildFighter(Fighter& fighter, int kind, int opponentKind) {
    const RosterEntry* entry = RosterFor(kind);
    if (entry == nullptr) return false;
    entry->init(fighter, opponentKind);
    entry->buildStance0(fighter);
    entry->buildStance1(fighter);
    BuildCommonMotions(fighter, entry->commonVariant);
    return true;
}

}  // namespace engine
