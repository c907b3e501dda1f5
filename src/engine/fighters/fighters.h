// The roster entries of the fifteen fighters, one source file each in this folder.
#pragma once

#include "engine/roster.h"

namespace engine::fighters {

extern const RosterEntry kFighter01;  // karate01
extern const RosterEntry kFighter02;  // MuayThai01
extern const RosterEntry kFighter03;  // box01
extern const RosterEntry kFighter04;  // box02
extern const RosterEntry kFighter05;  // kick01
extern const RosterEntry kFighter06;  // hakkyokuken
extern const RosterEntry kFighter07;  // Tequondo
extern const RosterEntry kFighter08;  // Kick02
extern const RosterEntry kFighter09;  // karate02
extern const RosterEntry kFighter10;  // Kick03
extern const RosterEntry kFighter11;  // Boxer03
extern const RosterEntry kFighter12;  // JEETKUNEDOO
extern const RosterEntry kFighter13;  // MuayThai02
extern const RosterEntry kFighter14;  // Capoeira
extern const RosterEntry kFighter15;  // qirune

}  // namespace engine::fighters
