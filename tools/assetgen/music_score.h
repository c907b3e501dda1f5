// The composer's toolkit: songs of instruments on General-MIDI channels, chord symbols, and the
// pattern writers that turn a chord chart and a few short strings into drums, bass lines,
// chord comping, arpeggios and melodies.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assetgen/midi_writer.h"

namespace assetgen::music {

inline constexpr int kPpq = 480;        // ticks per quarter note
inline constexpr int kStep = kPpq / 4;  // a sixteenth note
inline constexpr int kBar = 4 * kPpq;   // every piece is in 4/4
inline constexpr int kDrumChannel = 9;  // channel 10 in the players' counting

// A chord: a root (MIDI pitch class, 0 = C) and its tones as intervals above the root.
struct Chord {
    int root = 0;
    std::vector<int> tones;  // first is always 0
};
// "Em", "C", "D7", "Bbmaj7", "F#m7", "E5" (power chord), "Gsus4", "Asus2", "Bdim", "Cadd9",
// "Am9", "G6".
Chord ParseChord(std::string_view symbol);

// A section of a piece: where it starts and one chord-chart entry per bar; an entry may hold
// several chords separated by spaces, which share the bar evenly.
struct Section {
    int startBar = 0;
    std::vector<std::string> bars;
    int transpose = 0;

    int Bars() const { return static_cast<int>(bars.size()); }
    int StartTick() const { return startBar * kBar; }
    int EndTick() const { return (startBar + Bars()) * kBar; }
    // The chord sounding at an absolute tick inside the section.
    Chord ChordAt(int tick) const;
};

// One instrument: a track with its channel and sound.
struct Instrument {
    std::string name;
    int channel = 0;
    MidiTrack track;
    uint32_t humanize = 1;  // seed of the small velocity variation

    void Note(int tick, int length, int key, int velocity);
    // Velocity with a little deterministic variation, so repeated notes breathe.
    int Vary(int velocity, int spread = 6);
};

class Song {
  public:
    Song(std::string title, double bpm);
    // A inst with its program, volume (CC 7), pan (CC 10), reverb (CC 91) and chorus (CC 93).
    Instrument& AddInstrument(const std::string& name, int channel, int program, int volume,
                              int pan, int reverb = 40, int chorus = 0);
    // The standard MIDI file; the piece lasts until endTick.
    std::vector<uint8_t> ToMidi(int endTick) const;

  private:
    MidiTrack conductor_;
    std::vector<Instrument> instruments_;  // reserved up front: references stay valid
};

// --- pattern writers ----------------------------------------------------------------------
// A pattern string has one character per sixteenth and repeats over the bars it covers.

// Drum hits of one key: 'X' accent, 'x' normal, 'o' soft, 'g' ghost note, '.' nothing.
void Hits(Instrument& inst, int fromBar, int bars, int key, std::string_view pattern, int gain = 0);

// A bass line over the chords: 'R' root, '3' third, '5' fifth, '7' seventh (minor seventh
// when the chord has none), 'O' root an octave up, 'L' fifth below the root, '-' hold,
// '.' rest. `low` is the lowest pitch the root may take.
void Bassline(Instrument& inst, const Section& s, int fromBar, int bars, std::string_view pattern,
              int low, int velocity);

// Chords: 'X' accent, 'x' hit, '-' hold, '.' rest. The chord is voiced close around `centre`,
// moving as little as possible from the previous voicing. `power` voices root, fifth and
// octave only (the rock guitar's power chord); `staccato` shortens every hit to a sixteenth.
struct CompStyle {
    int centre = 60;
    bool power = false;
    bool staccato = false;
    int velocity = 80;
};
void Comp(Instrument& inst, const Section& s, int fromBar, int bars, std::string_view pattern,
          const CompStyle& style);

// Arpeggio: digits pick a tone of the chord voiced upwards from `low` ('0' the lowest), '-'
// hold, '.' rest.
void Arpeggio(Instrument& inst, const Section& s, int fromBar, int bars, std::string_view pattern,
              int low, int velocity);

// A melody written as notes: "e5:4" (pitch and octave, then length in sixteenths), "f#5:2",
// "bb4:6", "r:4" (a rest). Accents fall on the beats. Returns the tick after the last note.
int Melody(Instrument& inst, int tick, std::string_view notes, int velocity, int transpose = 0,
           double legato = 0.92);

// The same melody (starting with the section) a number of scale steps away, for a second
// voice in thirds or sixths; `scale` holds the pitch classes of the key as written, and the
// chord of the moment bends it (a chord tone outside the scale replaces its neighbour). Notes
// outside the scale move with the nearest scale tone below.
int MelodyInScale(Instrument& inst, const Section& s, std::string_view notes, int velocity,
                  int steps, const std::vector<int>& scale);

// Sustained chord pad: one voicing per chord change, tied across the bar.
void Pad(Instrument& inst, const Section& s, int fromBar, int bars, int centre, int velocity);

}  // namespace assetgen::music
