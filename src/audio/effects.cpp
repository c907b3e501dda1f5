// Sound effects on SDL_mixer. Every effect is converted to the mixer's format once, at
// game start; a request costs only a volume change and a play call.
#include "audio/effects.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "audio/wave_parser.h"

namespace audio {

namespace {

constexpr int kMixChunkFrames = 1024;

// Opens the audio subsystem (on the named driver, or SDL's choice when null) and the mixer.
bool OpenMixer(const char* driver, const char** why) {
    if (driver != nullptr) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    const int init = SDL_InitSubSystem(SDL_INIT_AUDIO);
    // The driver is chosen when the subsystem starts; later opens choose afresh.
    if (driver != nullptr) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (init != 0) {
        *why = SDL_GetError();
        return false;
    }
    // No format changes allowed: SDL converts to whatever the device wants, and the music
    // stream can rely on 44100 Hz 16-bit stereo.
    if (Mix_OpenAudioDevice(kMixRate, AUDIO_S16SYS, kMixChannels, kMixChunkFrames, nullptr, 0) !=
        0) {
        *why = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

// The mixer on the audio device, or on the dummy driver when there is no device.
bool OpenMixerWithFallback(SoundEffects& fx) {
    const char* why = "";
    if (OpenMixer(nullptr, &why)) return true;
    std::fprintf(stderr, "tovuka02: no audio device (%s): the game runs without sound\n", why);
    if (OpenMixer("dummy", &why)) {
        fx.nullDevice = true;
        return true;
    }
    std::fprintf(stderr, "tovuka02: the mixer cannot run at all (%s)\n", why);
    return false;
}

void FreeVoices(SoundEffects& fx) {
    for (Mix_Chunk*& chunk : fx.voice) {
        if (chunk != nullptr) Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
}

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutChunk(std::vector<uint8_t>& out, const char* tag, const uint8_t* data, uint32_t length) {
    out.insert(out.end(), tag, tag + 4);
    PutLe32(out, length);
    out.insert(out.end(), data, data + length);
    if (length & 1u) out.push_back(0);
}

// A plain RIFF WAVE file of exactly the format and samples that the walk chose, for SDL's
// loader (which would choose otherwise: an empty first "data" chunk, for one).
std::vector<uint8_t> PlainWave(const WaveData& wave) {
    std::vector<uint8_t> out;
    out.reserve(28 + wave.formatLength + wave.length);
    out.insert(out.end(), {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'});
    PutChunk(out, "fmt ", wave.format, wave.formatLength);
    PutChunk(out, "data", wave.samples, wave.length);
    const uint32_t riffSize = static_cast<uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i)
        out[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
    return out;
}

}  // namespace

int EffectVoice(SoundId id, int player) {
    if (id == SND_SELECT) return 0;
    if (id < SND_SHU || id >= kSoundCount || (player != 1 && player != 2)) return -1;
    return (player - 1) * kEffectsPerPlayer + static_cast<int>(id);
}

int MixVolume(int32_t hundredthsOfDb) {
    if (hundredthsOfDb >= 0) return MIX_MAX_VOLUME;
    if (hundredthsOfDb <= -10000) return 0;
    return static_cast<int>(std::lround(MIX_MAX_VOLUME * std::pow(10.0, hundredthsOfDb / 2000.0)));
}

int LoadWaveResource(SoundEffects& fx, const char* name, int voice) {
    WaveData wave;
    const int code = ParseWaveResource(fx.resources, name, wave);
    if (code != kWaveComplete) {
        char text[64];
        std::snprintf(text, sizeof text, "WaveFormatデータの読み込み失敗%d", code);
        if (fx.message) fx.message("Error", text);
        // Without a format or samples there is nothing to make the voice from.
        ReleaseSoundEffects(fx);
        return 0;
    }
    const std::vector<uint8_t> file = PlainWave(wave);
    Mix_Chunk* chunk =
        Mix_LoadWAV_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
    if (chunk == nullptr) {
        std::fprintf(stderr, "tovuka02: %s cannot be played: %s\n", name, Mix_GetError());
        ReleaseSoundEffects(fx);
        return 0;
    }
    if (fx.voice[voice] != nullptr) Mix_FreeChunk(fx.voice[voice]);
    fx.voice[voice] = chunk;
    return 1;
}

int CreateSoundEffects(SoundEffects& fx) {
    fx.soundReady = 0;
    if (fx.output == EffectsOutput::kNone) return 1;
    if (!fx.mixerOpen) {
        if (!OpenMixerWithFallback(fx)) return 1;  // no sound, but the game goes on
        fx.mixerOpen = true;
    }
    if (Mix_AllocateChannels(kEffectVoices) != kEffectVoices) {
        std::fprintf(stderr, "tovuka02: the mixer has no %d voices: %s\n", kEffectVoices,
                     Mix_GetError());
        ReleaseSoundEffects(fx);
        return 1;
    }
    Mix_Volume(-1, MIX_MAX_VOLUME);
    FreeVoices(fx);

    if (!LoadWaveResource(fx, SoundName(SND_SELECT), EffectVoice(SND_SELECT, 0))) return 0;
    for (int player = 1; player <= 2; ++player) {
        for (int id = SND_SHU; id < kSoundCount; ++id) {
            const SoundId sound = static_cast<SoundId>(id);
            if (!LoadWaveResource(fx, SoundName(sound), EffectVoice(sound, player))) return 0;
        }
    }
    fx.soundReady = 1;
    return 1;
}

void ReleaseSoundEffects(SoundEffects& fx) {
    fx.soundReady = 0;
    if (!fx.mixerOpen) return;
    Mix_HaltChannel(-1);
    FreeVoices(fx);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    fx.mixerOpen = false;
    fx.nullDevice = false;
}

void PlayEffect(SoundEffects& fx, SoundId id, int player, int32_t volume) {
    if (!fx.soundReady) return;
    const int voice = EffectVoice(id, player);
    if (voice < 0 || fx.voice[voice] == nullptr) return;
    if (volume != kKeepVolume) Mix_Volume(voice, MixVolume(volume));
    // A voice that still sounds starts again from the beginning.
    Mix_PlayChannel(voice, fx.voice[voice], 0);
}

}  // namespace audio
