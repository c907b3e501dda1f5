// The game's music: three pieces, each written for General-MIDI instruments, in a plain
// arrangement (the MIDI files the game plays) and a fuller one (rendered to audio).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen::music {

struct Arrangement {
    bool full = false;  // extra layers and doublings for the rendered recordings
    int transpose = 0;  // semitones
    double bpm = 0;     // 0: the piece's own tempo
};

struct Piece {
    std::string title;
    std::vector<uint8_t> midi;  // a format 1 standard MIDI file
    double seconds = 0;         // playing time up to the end of the last bar
};

// Driving rock in E minor, 140 bpm: power chords, twin guitar leads, strings in the bridge.
Piece IronFist(const Arrangement& a);
// Syncopated electro-funk in D dorian, 116 bpm: slap-synth bass, clavinet, saw lead.
Piece NeonCircuit(const Arrangement& a);
// A battle theme in A minor pentatonic, 132 bpm: taiko, koto, shakuhachi and strings.
Piece StormOverTheDojo(const Arrangement& a);

}  // namespace assetgen::music
