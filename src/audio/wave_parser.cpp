// The RIFF WAVE reader. A resource is "RIFF", its size s, "WAVE", then chunks up to byte
// 8 + s: identifier, length n, n bytes, one pad byte when n is odd. The walk never reads
// outside the resource: a chunk whose header or data runs past the end of the bytes ends
// the walk as if the RIFF ended there.
#include "audio/wave_parser.h"

#include <cstring>

namespace audio {

namespace {

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

bool IsTag(const uint8_t* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

}  // namespace

const WaveResource* FindWaveResource(std::span<const WaveResource> resources, const char* name) {
    if (name == nullptr) return nullptr;
    for (const WaveResource& r : resources)
        if (r.name != nullptr && std::strcmp(r.name, name) == 0) return &r;
    return nullptr;
}

int ParseWaveResource(std::span<const WaveResource> resources, const char* name, WaveData& out) {
    out = WaveData{};
    const WaveResource* resource = FindWaveResource(resources, name);
    if (resource == nullptr || (resource->data == nullptr && resource->size != 0))
        return kWaveNoResource;

    const uint8_t* bytes = resource->data;
    const uint64_t size = resource->size;
    if (size < 4 || !IsTag(bytes, "RIFF")) return kWaveNotRiff;
    if (size < 12 || !IsTag(bytes + 8, "WAVE")) return kWaveNotWave;

    const uint64_t riffEnd = 8 + static_cast<uint64_t>(Le32(bytes + 4));
    uint64_t pos = 12;
    while (pos < riffEnd) {
        if (pos + 8 > size) break;  // the chunk header is cut off
        const uint8_t* chunk = bytes + pos;
        const uint32_t length = Le32(chunk + 4);
        const uint64_t dataPos = pos + 8;
        const bool isFormat = IsTag(chunk, "fmt ");
        if (isFormat && out.format == nullptr && length < 14) return kWaveShortFormat;
        if (dataPos + length > size) break;  // the chunk's data is cut off

        if (isFormat && out.format == nullptr) {
            out.format = bytes + dataPos;
            out.formatLength = length;
        } else if (IsTag(chunk, "data") && (out.samples == nullptr || out.length == 0)) {
            out.samples = bytes + dataPos;
            out.length = length;
        }
        if (out.format != nullptr && out.samples != nullptr && out.length != 0)
            return kWaveComplete;
        pos = dataPos + length + (length & 1u);
    }
    return kWaveIncomplete;
}

WaveFormat ReadWaveFormat(const WaveData& data) {
    WaveFormat f{};
    if (data.format == nullptr || data.formatLength < 14) return f;
    const uint8_t* p = data.format;
    f.formatTag = Le16(p);
    f.channels = Le16(p + 2);
    f.samplesPerSec = Le32(p + 4);
    f.avgBytesPerSec = Le32(p + 8);
    f.blockAlign = Le16(p + 12);
    f.bitsPerSample = data.formatLength >= 16 ? Le16(p + 14) : 0;
    return f;
}

}  // namespace audio
