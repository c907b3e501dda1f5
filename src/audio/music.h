// Background music: two media files in turn, three MIDI files in turn, or none.
//
// The music logic below runs on the game's thread only; the sound itself comes from a
// MusicBackend (see music_backend.h). The host (window or headless runner) chooses the
// backend once, before a game starts (audio_setup.h).
#pragma once

#include <cstdint>

#include "audio/message.h"
#include "audio/music_backend.h"

namespace audio {

enum MusicMode : int { kMusicMedia = 0, kMusicMidi = 1, kMusicSilent = 2 };

// The music files, relative to the game's folder.
inline constexpr const char* kMediaMusic1 = "music/tovuka_music01.wma";
inline constexpr const char* kMediaMusic2 = "music/tovuka_music02.wma";
inline constexpr const char* kMidiMusic1 = "music/tovuka_midi_music01.mid";
inline constexpr const char* kMidiMusic2 = "music/tovuka_midi_music02.mid";
inline constexpr const char* kMidiMusic3 = "music/tovuka_midi_music03.mid";

// The MIDI path's objects; each flag says that the step that makes it succeeded.
struct MidiState {
    bool library = false;      // the synthesizer's settings
    bool performance = false;  // the synthesizer
    bool outputReady = false;  // its connection to the output
    bool loader = false;
    MidiSegment segment[3] = {0, 0, 0};
    bool segmentEndEvent = false;
    int32_t midiTrack = 0;  // 1, 2 or 3: the piece that plays
};

// One music player; the game has one (GameMusic), tests make their own.
struct Music {
    explicit Music(MusicBackend* backend) : backend(backend) {}

    MusicBackend* backend;
    ShowMessageFn message = PlatformMessages();
    // The launcher's music choice, as last given to StartMusic or StopMusic.
    int32_t musicMode = kMusicSilent;
    // The form's musicTrack (1 while the first media file plays, 2 for the second), bound
    // by StartMusic; until then a field of this object.
    int32_t* musicTrack = &ownTrack;
    int32_t ownTrack = 0;
    MidiState midi;
};

// ---- The game's start and close, and the frame loop.

// Starts the music of the chosen mode: media files from the first one (musicTrack 1), MIDI
// from the first piece, or nothing. soundReady is the sound effects' flag: when 1, the MIDI
// synthesizer shares the effects' mixer.
void StartMusic(Music& music, int musicMode, int32_t& musicTrack, int32_t soundReady);

// The MIDI player's notifications: each segment end starts the next piece (1, 2, 3, 1, ...).
// Called at the start of every frame while the MIDI music plays; never waits.
void PollMidiMusic(Music& music);

// The media path's end-of-file notice: runs MediaPlayer1Notify when the playing file has
// ended. The host calls it once per turn of its loop, between frames.
void PumpMusicNotifications(Music& music);

// Stops whatever the mode plays; first step of the close handler. In MIDI mode the
// performance is stopped before the pieces are unloaded, and they are unloaded before the
// player is closed down. The silent mode makes no call at all.
void StopMusic(Music& music, int musicMode);

// ---- The steps themselves.

// Media path (each does nothing unless musicMode is 0).
void OpenAndPlayMusicFile(Music& music, const char* path);
void StopMusicFile(Music& music);
// The playing file has ended: the other file starts.
void MediaPlayer1Notify(Music& music);

// MIDI path.
void ClearMidiState(Music& music);
int InitMidiMusic(Music& music, int32_t soundReady);
int LoadMidiSegments(Music& music, const char* name1, const char* name2, const char* name3);
int UnloadMidiSegment(Music& music, MidiSegment segment);
void StopMidiMusic(Music& music);
void CloseMidiMusic(Music& music);

// ---- The game's music player (the backend chosen by audio_setup.h).
Music& GameMusic();
// StartMusic with the game's sound effects' soundReady.
void StartMusic(int musicMode, int32_t& musicTrack);
void PollMidiMusic();
void PumpMusicNotifications();
void StopMusic(int musicMode);

}  // namespace audio
