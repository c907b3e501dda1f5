// Standard MIDI files: tracks of timed events written as format 1 with variable-length delta
// times, note on/off, program and controller changes, tempo and end-of-track meta events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

class MidiTrack {
  public:
    void Name(const std::string& name);  // the track name meta event, at tick 0
    void Text(uint32_t tick, const std::string& text);
    void Tempo(uint32_t tick, double bpm);
    void TimeSignature(uint32_t tick, int numerator, int denominatorPower);
    void Program(uint32_t tick, int channel, int program);
    void Control(uint32_t tick, int channel, int controller, int value);
    // A note from tick for length ticks (at least one); velocity 1..127.
    void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);

    // The tick after the last event.
    uint32_t EndTick() const;
    // The track chunk ("MTrk"), its events in time order and the end-of-track meta event at
    // endTick (or after the last event, when later). At equal ticks note-offs come first and
    // note-ons last. A note that starts again while still sounding is ended first, so a
    // repeated key never swallows its own next note.
    std::vector<uint8_t> Encode(uint32_t endTick) const;

  private:
    struct Event {
        uint32_t tick;
        int order;     // 0 note-off, 1 other, 2 note-on
        uint32_t seq;  // insertion order, for a stable sort
        std::vector<uint8_t> bytes;
    };
    void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);
    std::vector<Event> events_;
};

// A whole format 1 file: the header ("MThd") and every track; all tracks end at the same tick
// (the latest end of any of them, or endTick when later).
std::vector<uint8_t> WriteMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter,
                                   uint32_t endTick);

}  // namespace assetgen
