// Background music: media files, MIDI files, or none.
#pragma once

namespace audio {

enum MusicMode : int { kMusicMedia = 0, kMusicMidi = 1, kMusicSilent = 2 };

// Collects the MIDI player's end-of-piece notifications; called at the start of every
// frame while the MIDI music plays.
void PollMidiMusic();

// Stops whatever music the mode plays; first step of the close handler.
void StopMusic(int musicMode);

}  // namespace audio
