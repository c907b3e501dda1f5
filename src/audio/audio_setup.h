// How the game's audio runs in this process. The host chooses once, before a game starts:
//
//   window:   audio::UseAudioDevice();  services.sound = &audio::GameMixerSink();
//   headless: audio::UseHeadlessAudio(&soundLog);   (no device is opened at all)
//
// Without a choice the game runs as headless without a music log (nothing opened,
// nothing recorded), which suits tests of the game logic.
//
// Then, in the start sequence and the loop (the one form's thread for all of it):
//   StartGame, after the display and the sheets:  if (!audio::CreateSoundEffects()) close
//   StartGame, after the game state is set:       audio::StartMusic(musicMode, form.musicTrack)
//   every frame, step 1 (MIDI mode only):         audio::PollMidiMusic()
//   every turn of the host's loop, between frames: audio::PumpMusicNotifications()
//   FormClose:  audio::StopMusic(musicMode); audio::ReleaseSoundEffects(); (then the display)
#pragma once

#include "audio/effects.h"
#include "audio/music.h"
#include "audio/sound_sink.h"

namespace audio {

// Effects through SDL_mixer on the audio device (SDL's "dummy" driver when there is none),
// music through FFmpeg and FluidSynth into the same mixer.
void UseAudioDevice();

// No audio device; every music step is recorded into `musicEvents` (may be null) as
// "MUSIC:..." requests, e.g. "play:music/tovuka_music01.wma".
void UseHeadlessAudio(SoundSink* musicEvents);

// The sink that plays the game's effect requests on GameSoundEffects().
SoundSink& GameMixerSink();

}  // namespace audio
