// Everything a frame of the game changes, as one plain record: both players' input
// records and fighters (with their whole motion tables, which hits rewrite during a
// fight), the state with its phase and frame counter, the select, tournament and banner
// fields, the pause flag and the random generator. No pointers, no handles: a state can
// be copied, saved, restored and compared as bytes. The display, the sheets, the sound,
// the launcher's controls and the frame timing stay with the form.
#pragma once

#include <cstdint>
#include <type_traits>

#include "engine/fighter.h"
#include "engine/random.h"
#include "fight/game_enums.h"
#include "fight/player_input.h"

namespace shell {

struct GameState {
    fight::PlayerInput input[2];
    engine::Fighter fighter[2];
    int32_t speedCorrection;
    int32_t chosenKind[2];
    uint8_t selectDone[2];
    uint8_t spare0[2];  // always zero: the record has no padding
    int32_t selectDelay[2];
    int32_t gameMode;
    int32_t gameState;
    int32_t phase;
    int32_t phaseFrames;
    int32_t counterBannerFrames[2];
    int32_t weakBannerFrames[2];
    int32_t tournamentWins;
    int32_t tournamentSeries;
    int32_t tournamentOpponents[5][10];
    uint8_t paused;
    uint8_t spare1[3];
    // The random generator, seeded once when the window is first shown.
    engine::Random15 rng;

    // What the last frame handed over, for the trace.
    int32_t frameCommands[2];
    int32_t frameHits[2];
};

static_assert(std::is_trivially_copyable_v<GameState>);
// Every byte belongs to a field: equal states have equal bytes, so the checksum can be
// taken over the bytes.
static_assert(std::has_unique_object_representations_v<GameState>);

// A 64-bit hash of the whole state (XXH3 over its bytes). Two runs with the same seed,
// settings and input have the same checksum after every frame.
uint64_t StateChecksum(const GameState& state);

}  // namespace shell
