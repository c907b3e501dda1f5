// Helpers of the audio tests: RIFF WAVE files and MIDI files built byte by byte, the set
// of fifteen effect resources, captured messages and environment variables.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "audio/effects.h"
#include "audio/sound_sink.h"
#include "audio/wave_resources.h"

namespace audio_test {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A chunk: identifier, length (the data's unless given), data, a pad byte when odd.
inline Bytes Chunk(const char* id, const Bytes& data, int64_t statedLength = -1, bool pad = true) {
    Bytes b(id, id + 4);
    Put32(b, statedLength >= 0 ? static_cast<uint32_t>(statedLength)
                               : static_cast<uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    if (pad && (data.size() & 1)) b.push_back(0);
    return b;
}

// "RIFF", size (4 + body unless given), form type, body.
inline Bytes Riff(const Bytes& body, int64_t statedSize = -1, const char* form = "WAVE",
                  const char* magic = "RIFF") {
    Bytes b(magic, magic + 4);
    Put32(b, statedSize >= 0 ? static_cast<uint32_t>(statedSize)
                             : static_cast<uint32_t>(4 + body.size()));
    b.insert(b.end(), form, form + 4);
    return b + body;
}

// PCM format data: 16 bytes, or cut to `length` (14 leaves out bitsPerSample).
inline Bytes PcmFormat(int channels, int rate, int bits, size_t length = 16) {
    Bytes b;
    Put16(b, 1);
    Put16(b, static_cast<uint16_t>(channels));
    Put32(b, static_cast<uint32_t>(rate));
    const int align = channels * bits / 8;
    Put32(b, static_cast<uint32_t>(rate * align));
    Put16(b, static_cast<uint16_t>(align));
    Put16(b, static_cast<uint16_t>(bits));
    b.resize(length, 0);
    return b;
}

// `frames` frames of a constant 16-bit value on every channel.
inline Bytes Constant16(int frames, int channels, int16_t value) {
    Bytes b;
    for (int i = 0; i < frames * channels; ++i)
        Put16(b, static_cast<uint16_t>(value));
    return b;
}

// A 440 Hz tone of 8-bit unsigned samples.
inline Bytes Tone8(int frames, int channels, int rate) {
    Bytes b;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            b.push_back(static_cast<uint8_t>(128 + 100 * std::sin(6.2831853 * 440.0 * i / rate)));
    return b;
}

// A whole WAVE file of that format and data.
inline Bytes Wave(int channels, int rate, int bits, const Bytes& samples) {
    return Riff(Chunk("fmt ", PcmFormat(channels, rate, bits)) + Chunk("data", samples));
}

// The fifteen effects as resources; each file can be replaced before Table() is taken.
struct ResourceSet {
    std::vector<std::pair<std::string, Bytes>> files;
    std::vector<audio::WaveResource> table;

    // Every effect a short constant 16-bit mono tone at 44100 Hz, except a few in other
    // formats: each voice keeps its own and the mixer converts.
    static ResourceSet Standard(int16_t level = 8000, int frames = 4410) {
        ResourceSet set;
        for (int id = 0; id < audio::kSoundCount; ++id) {
            Bytes file = Wave(1, 44100, 16, Constant16(frames, 1, level));
            if (id == audio::SND_SHU) file = Wave(1, 11025, 8, Tone8(frames / 4, 1, 11025));
            if (id == audio::SND_DAN) file = Wave(2, 22050, 16, Constant16(frames / 2, 2, level));
            if (id == audio::SND_SWITCH) file = Wave(2, 8000, 8, Tone8(801, 2, 8000));
            set.files.emplace_back(audio::SoundName(static_cast<audio::SoundId>(id)), file);
        }
        return set;
    }

    void Replace(audio::SoundId id, Bytes file) {
        files[static_cast<size_t>(id)].second = std::move(file);
    }

    std::span<const audio::WaveResource> Table() {
        table.clear();
        for (const auto& [name, bytes] : files)
            table.push_back({name.c_str(), bytes.data(), bytes.size()});
        return table;
    }
};

// Messages shown, in order.
struct Messages {
    std::vector<std::pair<std::string, std::string>> shown;
    auto Fn() {
        return [this](const char* caption, const char* text) { shown.emplace_back(caption, text); };
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& m : shown)
            t.push_back(m.second);
        return t;
    }
};

// Sets an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            had_ = true;
            old_ = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (had_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

// Sound effects made from a ResourceSet on the audio device (set SDL_AUDIODRIVER first);
// released when the rig goes.
struct EffectsRig {
    ResourceSet resources = ResourceSet::Standard();
    audio::SoundEffects fx;
    Messages messages;
    EffectsRig() {
        fx.output = audio::EffectsOutput::kDevice;
        fx.message = messages.Fn();
    }
    ~EffectsRig() { audio::ReleaseSoundEffects(fx); }
    int Create() {
        fx.resources = resources.Table();
        return audio::CreateSoundEffects(fx);
    }
};

// ---- Standard MIDI files.

inline void PutBe32(Bytes& b, uint32_t v) {
    for (int i = 3; i >= 0; --i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline Bytes MidiChunk(const char* id, const Bytes& data) {
    Bytes b(id, id + 4);
    PutBe32(b, static_cast<uint32_t>(data.size()));
    return b + data;
}

inline Bytes MidiHeader(int format, int tracks, int division) {
    Bytes d = {static_cast<uint8_t>(format >> 8),   static_cast<uint8_t>(format),
               static_cast<uint8_t>(tracks >> 8),   static_cast<uint8_t>(tracks),
               static_cast<uint8_t>(division >> 8), static_cast<uint8_t>(division)};
    return MidiChunk("MThd", d);
}

// One track: a piano note of `ticks` ticks on channel 0 (96 ticks a quarter note at the
// default 120 beats a minute: 96 ticks are half a second), then the end of the track.
inline Bytes OneNoteMidi(int ticks, uint8_t note = 60) {
    Bytes t = {0x00, 0xC0, 0x00, 0x00, 0x90, note, 100};
    // delta time as a variable-length quantity
    Bytes delta;
    uint32_t v = static_cast<uint32_t>(ticks);
    delta.insert(delta.begin(), static_cast<uint8_t>(v & 0x7f));
    while (v >>= 7)
        delta.insert(delta.begin(), static_cast<uint8_t>(0x80 | (v & 0x7f)));
    t = t + delta + Bytes{0x80, note, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    return MidiHeader(0, 1, 96) + MidiChunk("MTrk", t);
}

}  // namespace audio_test
