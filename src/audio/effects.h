// Sound effects: every effect in its own mixer voice, one set per player, so that both
// players' effects sound at once.
//
// Voices (mixer channels): SND_SELECT on channel 0, player 1's SND_SHU .. SND_AT_NG on
// channels 1..14, player 2's on 15..28; 29 channels in all. Each voice holds its effect's
// samples from the start of the game to the close; a request rewinds it and plays it once.
#pragma once

#include <cstdint>
#include <span>

#include "audio/message.h"
#include "audio/sound_sink.h"
#include "audio/wave_resources.h"

struct Mix_Chunk;

namespace audio {

constexpr int kEffectsPerPlayer = kSoundCount - 1;        // SND_SHU .. SND_AT_NG
constexpr int kEffectVoices = 1 + 2 * kEffectsPerPlayer;  // 29

// The mixer format the game opens: 44100 Hz, 16-bit, stereo.
constexpr int kMixRate = 44100;
constexpr int kMixChannels = 2;

// The voice of an effect in a player's set (player 1 or 2; SND_SELECT has one voice for
// both), or -1 for an unknown effect or player.
int EffectVoice(SoundId id, int player);

// A volume in hundredths of a decibel (0 full, -10000 silent) on the mixer's linear scale
// 0..128: 128 x 10^(v / 2000), rounded; 0 gives 128, -500 gives 72.
int MixVolume(int32_t hundredthsOfDb);

// Where the effects go.
enum class EffectsOutput {
    kNone,    // no audio device at all (headless runs, tests of the game logic)
    kDevice,  // SDL's audio device through SDL_mixer
};

struct SoundEffects {
    EffectsOutput output = EffectsOutput::kNone;
    std::span<const WaveResource> resources = BuiltInWaveResources();
    ShowMessageFn message = PlatformMessages();

    bool mixerOpen = false;   // the mixer is open (this object opened it)
    bool nullDevice = false;  // on SDL's "dummy" driver: nothing is heard
    Mix_Chunk* voice[kEffectVoices] = {};
    // 1 once the whole set-up has succeeded (effects loaded into an open mixer).
    int32_t soundReady = 0;
};

// Sets the effects up at game start, after the display and the common sheets and before
// the music:
//   1. soundReady 0;
//   2. opens the mixer at 44100 Hz, 16-bit, stereo (output kDevice only). When the audio
//      device cannot be opened the reason goes to standard error and the mixer is opened
//      on SDL's "dummy" driver instead, so that the game, its effects and its music run
//      on unheard; when even that fails, the game goes on without sound (soundReady 0,
//      every request does nothing) and this returns 1;
//   3. allocates the 29 voices, each at full volume;
//   4. frees any samples already loaded;
//   5. loads SND_SELECT, then player 1's set, then player 2's set, each in SoundId order;
//   6. soundReady 1.
// Returns 0 only when an effect cannot be loaded: its message has been shown and every
// effect and the mixer have been released. With output kNone nothing is opened or loaded
// and soundReady stays 0.
int CreateSoundEffects(SoundEffects& fx);

// Reads the named resource and loads it into the voice. For result codes 1 to 7 shows
// "WaveFormatデータの読み込み失敗<code>" (caption "Error"); then, like every failure to
// make the voice's samples, releases everything and returns 0.
int LoadWaveResource(SoundEffects& fx, const char* name, int voice);

// Releases the samples and closes the mixer; nothing when it is not open. Called by the
// close handler after the music has stopped.
void ReleaseSoundEffects(SoundEffects& fx);

// Plays the effect from the player's set from its start, once, after setting its volume
// (unless kKeepVolume). Nothing when soundReady is 0.
void PlayEffect(SoundEffects& fx, SoundId id, int player, int32_t volume);

// The sound requests of the game played on the mixer. Music events are ignored: the music
// has its own player.
class MixerSink final : public SoundSink {
  public:
    explicit MixerSink(SoundEffects& fx) : fx_(fx) {}
    void Effect(SoundId id, int player, int32_t volume) override {
        PlayEffect(fx_, id, player, volume);
    }
    void Music(const char*) override {}

  private:
    SoundEffects& fx_;
};

// ---- The game's sound effects (output chosen by audio_setup.h).
SoundEffects& GameSoundEffects();
int CreateSoundEffects();
void ReleaseSoundEffects();

}  // namespace audio
