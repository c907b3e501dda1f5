// What the music needs from a player: the steps of the media-file path and of the MIDI
// path, one call per step that the game's music logic takes (and reports) on its own.
// DeviceMusicBackend plays through the mixer (FFmpeg for the media files, FluidSynth for
// MIDI); RecordingMusicBackend only records the calls, for headless runs and tests.
//
// Every call comes from the game's thread, between frames.
#pragma once

#include <cstddef>
#include <cstdint>

namespace audio {

// A message from the MIDI player. `segment` marks the segment notifications; their option
// tells which one (start, end, ...). The music only acts on segment ends.
struct MidiNotification {
    bool segment = false;
    int option = 0;
};
constexpr int kSegmentStartOption = 0;
constexpr int kSegmentEndOption = 1;

// A loaded MIDI piece; 0 means none.
using MidiSegment = int;

class MusicBackend {
  public:
    virtual ~MusicBackend() = default;

    // ---- Media files: one file open at a time.
    // Opens the file (relative to the current directory) for playing. On failure writes
    // the reason into `error` and returns false.
    virtual bool OpenMedia(const char* path, char* error, size_t errorSize) = 0;
    // Starts the open file from its beginning; its end is reported by TakeMediaEnded.
    virtual void PlayMedia() = 0;
    // The open file is playing and has not reached its end.
    virtual bool MediaPlaying() = 0;
    virtual void StopMedia() = 0;
    // Closes the open file; nothing when none is open.
    virtual void CloseMedia() = 0;
    // True once for each file that has played to its end.
    virtual bool TakeMediaEnded() = 0;
    // Takes the media output down for good (after the last file was closed at close).
    virtual void ShutdownMedia() = 0;

    // ---- MIDI, in the order the music sets it up. False means the step failed.
    virtual bool MidiStartLibrary() = 0;       // the synthesizer's settings
    virtual bool MidiCreatePerformance() = 0;  // the synthesizer
    // Connects to the output: the sound effects' mixer when they have one (shareEffects),
    // else a device of the music's own.
    virtual bool MidiInitPerformance(bool shareEffects) = 0;
    virtual bool MidiCreateLoader() = 0;  // the file loader
    virtual void MidiSetSearchDirectory(const char* directory) = 0;
    virtual bool MidiAddPort() = 0;  // the synthesizer starts feeding the output
    virtual bool MidiEnableSegmentNotifications() = 0;
    virtual void MidiCreateEndEvent() = 0;
    // Loads a file (relative to the search directory); 0 on failure.
    virtual MidiSegment MidiLoadSegment(const char* name) = 0;
    virtual bool MidiSetStandardMidiFile(MidiSegment segment) = 0;  // it is a standard MIDI file
    virtual bool MidiDownloadInstruments(MidiSegment segment) = 0;  // its instruments are there
    virtual bool MidiGetLength(MidiSegment segment, int64_t& length) = 0;
    virtual bool MidiStopAll() = 0;
    virtual bool MidiPlaySegment(MidiSegment segment) = 0;
    // The next queued message; false when there is none. Never waits.
    virtual bool MidiNextNotification(MidiNotification& message) = 0;
    virtual bool MidiUnloadInstruments(MidiSegment segment) = 0;
    virtual void MidiReleaseSegment(MidiSegment segment) = 0;
    virtual bool MidiCloseDown() = 0;
    virtual void MidiReleasePerformance() = 0;
    virtual void MidiReleaseLoader() = 0;
    virtual void MidiEndLibrary() = 0;
};

}  // namespace audio
