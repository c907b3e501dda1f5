// The sound effects built into the executable: RIFF WAVE files by resource name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace audio {

struct WaveResource {
    const char* name;  // "SND_SELECT" .. "SND_AT_NG"
    const uint8_t* data;
    size_t size;
};

// The resources of this executable (written by the asset generator at build time).
std::span<const WaveResource> BuiltInWaveResources();

}  // namespace audio
