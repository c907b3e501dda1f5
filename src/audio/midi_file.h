// A reader for standard MIDI files: enough to tell a MIDI file from anything else and to
// measure a piece's length in ticks.
#pragma once

#include <cstdint>
#include <span>

namespace audio {

struct MidiFileInfo {
    int format = 0;      // 0, 1 or 2
    int tracks = 0;      // as the header counts them
    int division = 0;    // ticks per quarter note, or the SMPTE form as stored
    int64_t length = 0;  // end of the longest track, in ticks
};

// Reads the header chunk ("MThd", at least 6 bytes: format 0..2, one track or more).
bool ReadMidiHeader(std::span<const uint8_t> file, MidiFileInfo& info);

// Walks every track's events (running status, system exclusive and meta events included)
// and sets info.length. False when the header is bad, when a track's events run past the
// end of their chunk or the file, or when fewer "MTrk" chunks are present than the header
// counts.
bool MeasureMidiLength(std::span<const uint8_t> file, MidiFileInfo& info);

}  // namespace audio
