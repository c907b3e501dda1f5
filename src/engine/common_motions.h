// The common motions: knock-out falls (1..5) and hit reactions (6..13) of every fighter.
#pragma once

#include "engine/fighter.h"

namespace engine {

// Variants of the common motions. They differ only in pictures (and a layer in stance 1):
// a few fighters keep their own reaction and fall pictures. Each is named by the roster
// number that uses it.
enum CommonVariant : int {
    kCommonStandard = 0,
    kCommonKick02 = 8,
    kCommonKick03 = 10,
    kCommonJeetKuneDo = 12,
    kCommonMuayThai02 = 13,
};

// Writes motions 1..13 of both tables. An unknown variant builds the standard one.
void BuildCommonMotions(Fighter& fighter, int variant);

}  // namespace engine
