// What a frame of the game hands out besides its new state, as data: the sound requests,
// whether a fight was set up (its fighters' sheets are wanted), and the hit banners the
// picture shows. The shell acts on them after the frame.
#pragma once

#include <cstdint>

#include "audio/sound_requests.h"

namespace shell {

struct FrameEvents {
    audio::SoundRequests sounds;
    uint8_t fightersBuilt;
    // Per player: the frame (1..40) of the counter-hit banner [0] and the weak-hit banner
    // [1] that this frame shows, 0 for none.
    int32_t banners[2][2];

    void Clear() {
        sounds.Clear();
        fightersBuilt = 0;
        banners[0][0] = banners[0][1] = banners[1][0] = banners[1][1] = 0;
    }
};

}  // namespace shell
