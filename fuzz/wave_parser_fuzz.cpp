// Fuzz target for the sound effects' RIFF WAVE reader: any bytes as a resource. The reader
// must never read outside them, and what it reports must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio/wave_parser.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool Inside(const uint8_t* p, uint32_t length, const uint8_t* data, size_t size) {
    return p >= data && static_cast<size_t>(p - data) <= size &&
           length <= size - static_cast<size_t>(p - data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const audio::WaveResource resources[] = {{"SND_SELECT", data, size}};
    audio::WaveData out;
    const int code = audio::ParseWaveResource(resources, "SND_SELECT", out);
    Check(code == 4 || code == 5 || code == 6 || code == 7 || code == 8);
    if (code == 8) {
        Check(out.format != nullptr && out.formatLength >= 14);
        Check(out.samples != nullptr && out.length > 0);
        Check(Inside(out.format, out.formatLength, data, size));
        Check(Inside(out.samples, out.length, data, size));
        const audio::WaveFormat format = audio::ReadWaveFormat(out);
        Check(out.formatLength >= 16 || format.bitsPerSample == 0);
    }
    Check(audio::ParseWaveResource(resources, "SND_SHU", out) == 1);
    return 0;
}
