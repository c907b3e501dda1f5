// Standard MIDI files: a header chunk, then track chunks of delta-timed events.
#include "audio/midi_file.h"

#include <algorithm>
#include <cstring>

namespace audio {

namespace {

uint32_t Be32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}

int Be16(const uint8_t* p) {
    return p[0] << 8 | p[1];
}

// A variable-length quantity: up to four bytes of seven bits each.
bool ReadVarLen(const uint8_t* data, size_t size, size_t& pos, uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= size) return false;
        const uint8_t b = data[pos++];
        value = value << 7 | (b & 0x7fu);
        if ((b & 0x80u) == 0) return true;
    }
    return false;
}

// The number of data bytes that follow a channel message's status byte.
int ChannelDataBytes(uint8_t status) {
    const uint8_t kind = status & 0xf0u;
    return kind == 0xc0u || kind == 0xd0u ? 1 : 2;
}

// The end of one track in ticks, or -1 when its events are malformed.
int64_t TrackLength(const uint8_t* data, size_t size) {
    size_t pos = 0;
    int64_t tick = 0;
    uint8_t running = 0;
    while (pos < size) {
        uint32_t delta = 0;
        if (!ReadVarLen(data, size, pos, delta)) return -1;
        tick += delta;
        if (pos >= size) return -1;
        uint8_t status = data[pos];
        if (status == 0xffu) {  // meta event: type, length, data
            if (pos + 2 > size) return -1;
            const uint8_t type = data[pos + 1];
            pos += 2;
            uint32_t length = 0;
            if (!ReadVarLen(data, size, pos, length) || length > size - pos) return -1;
            pos += length;
            if (type == 0x2fu) return tick;  // end of track
            continue;
        }
        if (status == 0xf0u || status == 0xf7u) {  // system exclusive: length, data
            ++pos;
            uint32_t length = 0;
            if (!ReadVarLen(data, size, pos, length) || length > size - pos) return -1;
            pos += length;
            running = 0;
            continue;
        }
        if (status & 0x80u) {
            if (status >= 0xf0u) return -1;  // other system messages do not belong in a file
            running = status;
            ++pos;
        } else if (running == 0) {
            return -1;  // data byte without a status to run on
        }
        const int bytes = ChannelDataBytes(running);
        if (pos + static_cast<size_t>(bytes) > size) return -1;
        pos += static_cast<size_t>(bytes);
    }
    return tick;  // a track without its end-of-track event ends with its chunk
}

}  // namespace

bool ReadMidiHeader(std::span<const uint8_t> file, MidiFileInfo& info) {
    info = MidiFileInfo{};
    if (file.size() < 14 || std::memcmp(file.data(), "MThd", 4) != 0) return false;
    const uint32_t length = Be32(file.data() + 4);
    if (length < 6 || length > file.size() - 8) return false;
    info.format = Be16(file.data() + 8);
    info.tracks = Be16(file.data() + 10);
    info.division = Be16(file.data() + 12);
    return info.format <= 2 && info.tracks >= 1 && info.division != 0;
}

bool MeasureMidiLength(std::span<const uint8_t> file, MidiFileInfo& info) {
    if (!ReadMidiHeader(file, info)) return false;
    const uint8_t* data = file.data();
    const size_t size = file.size();
    size_t pos = 8 + Be32(data + 4);
    int found = 0;
    int64_t longest = 0;
    while (found < info.tracks) {
        if (size - pos < 8) return false;  // fewer tracks than the header counts
        const uint32_t length = Be32(data + pos + 4);
        if (length > size - pos - 8) return false;
        const uint8_t* chunk = data + pos + 8;
        if (std::memcmp(data + pos, "MTrk", 4) == 0) {
            const int64_t end = TrackLength(chunk, length);
            if (end < 0) return false;
            longest = std::max(longest, end);
            ++found;
        }
        pos += 8 + static_cast<size_t>(length);
    }
    info.length = longest;
    return true;
}

}  // namespace audio
