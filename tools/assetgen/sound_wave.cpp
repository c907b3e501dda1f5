// Writes PCM samples as a RIFF WAVE file.
#include "assetgen/sound_wave.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace assetgen {
namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

void PutTag(std::vector<uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWave(const synth::Signal& left, const synth::Signal& right,
                                const WaveFormat& format) {
    const int bytesPerSample = format.bits / 8;
    const int blockAlign = bytesPerSample * format.channels;
    const size_t frames = left.size();

    std::vector<uint8_t> data;
    data.reserve(frames * static_cast<size_t>(blockAlign) + 1);
    synth::Noise dither(0x5EED0001u);
    for (size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < format.channels; ++c) {
            const float x = (c == 1 && i < right.size()) ? right[i] : left[i];
            if (format.bits == 8) {
                // Triangular dither of one step keeps quiet tails from buzzing.
                const double d = 0.5 * (dither.Next() + dither.Next());
                const long v = std::lround(128.0 + 127.0 * x + d);
                data.push_back(static_cast<uint8_t>(std::clamp(v, 0L, 255L)));
            } else {
                const long v = std::clamp(std::lround(32767.0 * x), -32768L, 32767L);
                Put16(data, static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(v))));
            }
        }
    }

    const uint32_t fmtLength = format.cbSize ? 18 : 16;
    const uint32_t dataLength = static_cast<uint32_t>(data.size());
    const uint32_t pad = dataLength & 1;
    std::vector<uint8_t> file;
    file.reserve(46 + data.size());
    PutTag(file, "RIFF");
    Put32(file, 4 + (8 + fmtLength) + (8 + dataLength + pad));
    PutTag(file, "WAVE");
    PutTag(file, "fmt ");
    Put32(file, fmtLength);
    Put16(file, 1);  // PCM
    Put16(file, static_cast<uint32_t>(format.channels));
    Put32(file, static_cast<uint32_t>(format.rate));
    Put32(file, static_cast<uint32_t>(format.rate * blockAlign));
    Put16(file, static_cast<uint32_t>(blockAlign));
    Put16(file, static_cast<uint32_t>(format.bits));
    if (format.cbSize) Put16(file, 0);
    PutTag(file, "data");
    Put32(file, dataLength);
    file.insert(file.end(), data.begin(), data.end());
    if (pad) file.push_back(0);
    return file;
}

}  // namespace assetgen
