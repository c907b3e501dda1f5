// The fifteen fighters as the player meets them: the name on their plate and the style
// they fight in, by roster number. The select screen, the fight screen's name plates and
// anything else that needs a fighter's name read it from here.
#pragma once

#include <array>

namespace assetgen {

struct FighterTitle {
    const char* folder;  // the fighter's picture folder under Graphic/
    const char* name;    // shown large on the plate
    const char* style;   // shown small beneath the name
};

inline constexpr std::array<FighterTitle, 15> kFighterTitles = {{
    {"karate01", "GENJI OKABE", "KARATE"},
    {"MuayThai01", "SOMCHAI RATTANA", "MUAY THAI"},
    {"box01", "MARCUS REED", "BOXING"},
    {"box02", "OTIS CRANE", "HEAVYWEIGHT BOXING"},
    {"kick01", "JUN SAEKI", "KICKBOXING"},
    {"hakkyokuken", "LI WEIMING", "BAJIQUAN"},
    {"Tequondo", "KANG MIN-HO", "TAEKWONDO"},
    {"Kick02", "DIRK JANSSEN", "DUTCH KICKBOXING"},
    {"karate02", "TORU SHIRAISHI", "FULL-CONTACT KARATE"},
    {"Kick03", "NIKO HALVORSEN", "KICKBOXING"},
    {"Boxer03", "CURTIS BELL", "COUNTER BOXING"},
    {"JEETKUNEDOO", "DANNY CHOW", "JEET KUNE DO"},
    {"MuayThai02", "KRAI SINGHA", "MUAY THAI"},
    {"Capoeira", "TIAGO MORAES", "CAPOEIRA"},
    {"qirune", "KAZAN", "HIDDEN MASTER"},
}};

// rosterNumber 1..15.
inline constexpr const FighterTitle& FighterTitleFor(int rosterNumber) {
    return kFighterTitles[static_cast<size_t>(rosterNumber - 1)];
}

}  // namespace assetgen
