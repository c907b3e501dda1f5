// The game's one set of sound effects and its one music player, and the choice of how
// they sound in this process.
#include <memory>

#include "audio/audio_setup.h"
#include "audio/device_music.h"
#include "audio/recording_music.h"
#include "platform/message_box.h"

namespace audio {

namespace {

RecordingMusicBackend& Recorder() {
    static RecordingMusicBackend recorder;
    return recorder;
}

std::unique_ptr<DeviceMusicBackend>& Device() {
    static std::unique_ptr<DeviceMusicBackend> device;
    return device;
}

}  // namespace

ShowMessageFn PlatformMessages() {
    return [](const char* caption, const char* text) { platform::ShowMessage(caption, text); };
}

SoundEffects& GameSoundEffects() {
    static SoundEffects effects;
    return effects;
}

Music& GameMusic() {
    static Music music(&Recorder());
    return music;
}

SoundSink& GameMixerSink() {
    static MixerSink sink(GameSoundEffects());
    return sink;
}

void UseAudioDevice() {
    GameSoundEffects().output = EffectsOutput::kDevice;
    if (Device() == nullptr) Device() = std::make_unique<DeviceMusicBackend>();
    GameMusic().backend = Device().get();
}

void UseHeadlessAudio(SoundSink* musicEvents) {
    GameSoundEffects().output = EffectsOutput::kNone;
    Recorder().SetEventSink(musicEvents);
    GameMusic().backend = &Recorder();
}

int CreateSoundEffects() {
    return CreateSoundEffects(GameSoundEffects());
}

void ReleaseSoundEffects() {
    ReleaseSoundEffects(GameSoundEffects());
}

void StartMusic(int musicMode, int32_t& musicTrack) {
    StartMusic(GameMusic(), musicMode, musicTrack, GameSoundEffects().soundReady);
}

void PollMidiMusic() {
    PollMidiMusic(GameMusic());
}

void PumpMusicNotifications() {
    PumpMusicNotifications(GameMusic());
}

void StopMusic(int musicMode) {
    StopMusic(GameMusic(), musicMode);
}

}  // namespace audio
