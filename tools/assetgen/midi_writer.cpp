// The MIDI file writer.
#include "assetgen/midi_writer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace assetgen {
namespace {

uint8_t Byte(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 127));
}

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = static_cast<uint8_t>(v & 0x7F);
    while (v >>= 7)
        buf[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
    while (n > 0)
        out.push_back(buf[--n]);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

std::vector<uint8_t> Meta(int type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> b{0xFF, static_cast<uint8_t>(type)};
    PutVarLen(b, static_cast<uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

}  // namespace

void MidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
    events_.push_back({tick, order, static_cast<uint32_t>(events_.size()), std::move(bytes)});
}

void MidiTrack::Name(const std::string& name) {
    Add(0, 1, Meta(0x03, std::vector<uint8_t>(name.begin(), name.end())));
}

void MidiTrack::Text(uint32_t tick, const std::string& text) {
    Add(tick, 1, Meta(0x01, std::vector<uint8_t>(text.begin(), text.end())));
}

void MidiTrack::Tempo(uint32_t tick, double bpm) {
    const uint32_t usPerQuarter = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
    Add(tick, 1,
        Meta(0x51, {static_cast<uint8_t>(usPerQuarter >> 16),
                    static_cast<uint8_t>(usPerQuarter >> 8), static_cast<uint8_t>(usPerQuarter)}));
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominatorPower) {
    Add(tick, 1,
        Meta(0x58,
             {static_cast<uint8_t>(numerator), static_cast<uint8_t>(denominatorPower), 24, 8}));
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
    Add(tick, 1, {static_cast<uint8_t>(0xC0 | (channel & 15)), Byte(program)});
}

void MidiTrack::Control(uint32_t tick, int channel, int controller, int value) {
    Add(tick, 1, {static_cast<uint8_t>(0xB0 | (channel & 15)), Byte(controller), Byte(value)});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
    const uint8_t ch = static_cast<uint8_t>(channel & 15);
    Add(tick, 2, {static_cast<uint8_t>(0x90 | ch), Byte(key), Byte(std::max(velocity, 1))});
    Add(tick + std::max<uint32_t>(length, 1), 0, {static_cast<uint8_t>(0x80 | ch), Byte(key), 64});
}

uint32_t MidiTrack::EndTick() const {
    uint32_t end = 0;
    for (const Event& e : events_)
        end = std::max(end, e.tick);
    return end;
}

std::vector<uint8_t> MidiTrack::Encode(uint32_t endTick) const {
    std::vector<const Event*> sorted;
    for (const Event& e : events_)
        sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick) return a->tick < b->tick;
        if (a->order != b->order) return a->order < b->order;
        return a->seq < b->seq;
    });

    std::vector<uint8_t> body;
    uint32_t now = 0;
    auto emit = [&](uint32_t tick, const std::vector<uint8_t>& bytes) {
        PutVarLen(body, tick - now);
        now = tick;
        body.insert(body.end(), bytes.begin(), bytes.end());
    };
    // Per channel and key: is it sounding, and how many note-offs of cut-short notes are
    // still to be dropped.
    std::array<std::array<int, 128>, 16> sounding{}, dropOffs{};
    for (const Event* e : sorted) {
        const uint8_t status = e->bytes[0];
        if ((status & 0xF0) == 0x90 || (status & 0xF0) == 0x80) {
            const int ch = status & 15, key = e->bytes[1];
            if ((status & 0xF0) == 0x90) {
                if (sounding[ch][key]) {
                    emit(e->tick, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(key), 64});
                    ++dropOffs[ch][key];
                }
                sounding[ch][key] = 1;
            } else {
                if (dropOffs[ch][key] > 0) {
                    --dropOffs[ch][key];
                    continue;
                }
                sounding[ch][key] = 0;
            }
        }
        emit(e->tick, e->bytes);
    }
    emit(std::max(endTick, now), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> chunk{'M', 'T', 'r', 'k'};
    Put32(chunk, static_cast<uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<uint8_t> WriteMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter,
                                   uint32_t endTick) {
    for (const MidiTrack& t : tracks)
        endTick = std::max(endTick, t.EndTick());
    std::vector<uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    file.push_back(static_cast<uint8_t>(tracks.size() >> 8));
    file.push_back(static_cast<uint8_t>(tracks.size()));
    file.push_back(static_cast<uint8_t>(ticksPerQuarter >> 8));
    file.push_back(static_cast<uint8_t>(ticksPerQuarter));
    for (const MidiTrack& t : tracks) {
        const std::vector<uint8_t> chunk = t.Encode(endTick);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

}  // namespace assetgen
