// RIFF WAVE files of the sound effects: PCM, mono or stereo, 8 or 16 bits.
#pragma once

#include <cstdint>
#include <vector>

#include "assetgen/synth.h"

namespace assetgen {

struct WaveFormat {
    int rate = 22050;
    int channels = 1;     // 1 or 2
    int bits = 16;        // 8 (unsigned) or 16 (signed)
    bool cbSize = false;  // an 18-byte "fmt " chunk with the extra size field (0)
};

// The whole file: "RIFF", size, "WAVE", "fmt " chunk, "data" chunk (with its pad byte when
// the data length is odd). `left` and `right` are at the stored rate already; `right` is used
// only for stereo. 8-bit samples get a little deterministic dither.
std::vector<uint8_t> EncodeWave(const synth::Signal& left, const synth::Signal& right,
                                const WaveFormat& format);

}  // namespace assetgen
