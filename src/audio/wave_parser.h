// The RIFF WAVE reader for the sound effects built into the executable.
#pragma once

#include <cstdint>
#include <span>

#include "audio/wave_resources.h"

namespace audio {

// What ParseWaveResource reports. 2 and 3 stood for a resource that could be found but not
// loaded or locked; resources built into the executable cannot fail that way, so the codes
// keep their numbers but are never returned.
enum WaveParseResult : int {
    kWaveNoResource = 1,
    kWaveNotLoaded = 2,
    kWaveNotLocked = 3,
    kWaveNotRiff = 4,
    kWaveNotWave = 5,
    kWaveShortFormat = 6,
    kWaveIncomplete = 7,
    kWaveComplete = 8,
};

// What the walk found: the first "fmt " chunk's data (the wave format) and the first
// non-empty "data" chunk's samples. Both point into the resource.
struct WaveData {
    const uint8_t* format = nullptr;
    uint32_t formatLength = 0;
    const uint8_t* samples = nullptr;
    uint32_t length = 0;
};

// The fields of a wave format (at least 14 bytes; bitsPerSample only when 16 or more).
struct WaveFormat {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t samplesPerSec;
    uint32_t avgBytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
};

// The resource of that name (the first one when several share it), or null.
const WaveResource* FindWaveResource(std::span<const WaveResource> resources, const char* name);

// Walks the named resource's chunks. Returns 1..8 as above; `out` holds what was found so
// far whatever the code (format and samples stay null when not found).
int ParseWaveResource(std::span<const WaveResource> resources, const char* name, WaveData& out);

// Reads the format fields of a parsed "fmt " chunk (which is at least 14 bytes long).
WaveFormat ReadWaveFormat(const WaveData& data);

}  // namespace audio
