// The state's checksum.
#include "shell/game_state.h"

#include <xxhash.h>

namespace shell {

uint64_t StateChecksum(const GameState& state) {
    return XXH3_64bits(&state, sizeof state);
}

}  // namespace shell
