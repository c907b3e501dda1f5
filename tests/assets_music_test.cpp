// The music the build generates: three standard MIDI files and two Windows Media Audio
// recordings, read back with an independent MIDI reader and FFmpeg's decoder; and the whole
// asset generator giving the same bytes on every run.
#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/run_binary.h"

namespace {

namespace fs = std::filesystem;

fs::path BuildDir() {
    return fs::path(TOVUKA02_BIN).parent_path();
}
fs::path MusicDir() {
    return BuildDir() / "game" / "music";
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// --- a small standard-MIDI-file reader ------------------------------------------------------

struct MidiEvent {
    uint32_t tick = 0;
    uint8_t status = 0;  // 0xFF for meta events
    uint8_t metaType = 0;
    std::vector<uint8_t> data;
};

struct MidiFile {
    std::string error;  // empty when the file reads cleanly
    int format = -1, division = 0;
    std::vector<std::vector<MidiEvent>> tracks;
};

uint32_t Be(const uint8_t* p, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = v << 8 | p[i];
    return v;
}

MidiFile ReadMidi(const std::vector<uint8_t>& b) {
    MidiFile m;
    if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) != 0 || Be(&b[4], 4) != 6)
        return m.error = "no MThd header", m;
    m.format = static_cast<int>(Be(&b[8], 2));
    const uint32_t count = Be(&b[10], 2);
    m.division = static_cast<int>(Be(&b[12], 2));
    size_t pos = 14;
    for (uint32_t t = 0; t < count; ++t) {
        if (pos + 8 > b.size() || std::memcmp(&b[pos], "MTrk", 4) != 0)
            return m.error = "track " + std::to_string(t) + ": no MTrk", m;
        const size_t end = pos + 8 + Be(&b[pos + 4], 4);
        if (end > b.size()) return m.error = "track runs past the file", m;
        size_t p = pos + 8;
        auto varlen = [&](uint32_t& v) {
            v = 0;
            for (int i = 0; i < 4 && p < end; ++i) {
                const uint8_t c = b[p++];
                v = v << 7 | (c & 0x7F);
                if (!(c & 0x80)) return true;
            }
            return false;
        };
        std::vector<MidiEvent> events;
        uint32_t tick = 0;
        uint8_t running = 0;
        while (p < end) {
            uint32_t delta;
            if (!varlen(delta)) return m.error = "bad delta time", m;
            tick += delta;
            MidiEvent e;
            e.tick = tick;
            uint8_t status = b[p];
            if (status & 0x80)
                ++p;
            else if (running)
                status = running;
            else
                return m.error = "data byte without status", m;
            e.status = status;
            if (status == 0xFF) {
                e.metaType = b[p++];
                uint32_t n;
                if (!varlen(n) || p + n > end) return m.error = "bad meta event", m;
                e.data.assign(b.begin() + p, b.begin() + p + n);
                p += n;
            } else if (status == 0xF0 || status == 0xF7) {
                uint32_t n;
                if (!varlen(n) || p + n > end) return m.error = "bad sysex", m;
                p += n;
            } else {
                running = status;
                const int n = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
                if (p + n > end) return m.error = "event runs past its track", m;
                e.data.assign(b.begin() + p, b.begin() + p + n);
                p += n;
            }
            events.push_back(e);
        }
        m.tracks.push_back(events);
        pos = end;
    }
    return m;
}

// Seconds from the start to `tick`, following every tempo change (120 bpm until the first).
double Seconds(const MidiFile& m, uint32_t tick) {
    std::map<uint32_t, uint32_t> tempo{{0, 500000}};
    for (const auto& track : m.tracks)
        for (const MidiEvent& e : track)
            if (e.status == 0xFF && e.metaType == 0x51 && e.data.size() == 3)
                tempo[e.tick] = Be(e.data.data(), 3);
    double seconds = 0;
    for (auto it = tempo.begin(); it != tempo.end() && it->first < tick; ++it) {
        const auto next = std::next(it);
        const uint32_t until = next == tempo.end() ? tick : std::min(tick, next->first);
        seconds += double(until - it->first) / m.division * it->second / 1e6;
    }
    return seconds;
}

uint32_t EndTick(const MidiFile& m) {
    uint32_t end = 0;
    for (const auto& track : m.tracks)
        if (!track.empty()) end = std::max(end, track.back().tick);
    return end;
}

double Duration(const fs::path& path) {
    const MidiFile m = ReadMidi(ReadFile(path));
    return m.error.empty() ? Seconds(m, EndTick(m)) : 0;
}

struct Usage {
    std::set<int> channelsWithNotes, programs;
    std::map<int, int> drumNotes;  // channel 10's notes by key
    double firstTempoBpm = 0;
    bool programBeforeFirstNote = true, notesBalanced = true;
};

Usage Inspect(const MidiFile& m) {
    Usage u;
    std::map<int, uint32_t> programTick, firstNote;
    std::map<std::pair<int, int>, int> sounding;
    for (const auto& track : m.tracks)
        for (const MidiEvent& e : track) {
            const int kind = e.status & 0xF0, ch = e.status & 15;
            if (e.status == 0xFF && e.metaType == 0x51 && u.firstTempoBpm == 0)
                u.firstTempoBpm = 60e6 / Be(e.data.data(), 3);
            if (kind == 0xC0 && !programTick.count(ch)) {
                programTick[ch] = e.tick;
                u.programs.insert(e.data[0]);
            }
            if (kind == 0x90 && e.data[1] > 0) {
                u.channelsWithNotes.insert(ch);
                if (!firstNote.count(ch)) firstNote[ch] = e.tick;
                if (ch == 9) ++u.drumNotes[e.data[0]];
                ++sounding[{ch, e.data[0]}];
            } else if (kind == 0x80 || kind == 0x90) {
                --sounding[{ch, e.data[0]}];
            }
        }
    for (const auto& [ch, tick] : firstNote)
        if (ch != 9 && (!programTick.count(ch) || programTick[ch] > tick))
            u.programBeforeFirstNote = false;
    for (const auto& [key, n] : sounding)
        if (n != 0) u.notesBalanced = false;
    return u;
}

const char* const kMidiFiles[] = {"tovuka_midi_music01.mid", "tovuka_midi_music02.mid",
                                  "tovuka_midi_music03.mid"};

TEST(GeneratedMusic, MidiPiecesAreCompleteGeneralMidiSongs) {
    std::set<int> tempos;
    std::set<std::set<int>> instrumentations;
    for (const char* name : kMidiFiles) {
        SCOPED_TRACE(name);
        const MidiFile m = ReadMidi(ReadFile(MusicDir() / name));
        ASSERT_EQ(m.error, "");
        EXPECT_EQ(m.format, 1);
        EXPECT_GT(m.division, 0);
        EXPECT_LT(m.division, 0x8000);  // ticks per quarter, not frames
        EXPECT_GE(m.tracks.size(), 5u);
        for (const auto& track : m.tracks) {
            ASSERT_FALSE(track.empty());
            EXPECT_EQ(track.back().status, 0xFF);
            EXPECT_EQ(track.back().metaType, 0x2F);  // every track ends with end-of-track
        }
        const double seconds = Seconds(m, EndTick(m));
        EXPECT_GE(seconds, 50);
        EXPECT_LE(seconds, 150);
        const Usage u = Inspect(m);
        EXPECT_GE(u.channelsWithNotes.size(), 5u);
        EXPECT_TRUE(u.channelsWithNotes.count(9));
        EXPECT_GE(u.drumNotes.size(), 4u);  // a kit, not a metronome
        EXPECT_TRUE(u.programBeforeFirstNote);
        EXPECT_TRUE(u.notesBalanced);
        tempos.insert(static_cast<int>(std::lround(u.firstTempoBpm)));
        instrumentations.insert(u.programs);
    }
    // Three pieces of their own: different tempos and instruments.
    EXPECT_EQ(tempos.size(), 3u);
    EXPECT_EQ(instrumentations.size(), 3u);
}

// --- the recordings -------------------------------------------------------------------------

struct Decoded {
    std::string error, codec, container;
    int rate = 0, channels = 0;
    int64_t bitRate = 0;
    std::vector<float> left, right;
};

Decoded Decode(const fs::path& path) {
    Decoded d;
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, path.c_str(), nullptr, nullptr) < 0)
        return d.error = "cannot open", d;
    AVCodecContext* ctx = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const int stream = av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    const AVCodec* codec =
        stream >= 0 ? avcodec_find_decoder(fmt->streams[stream]->codecpar->codec_id) : nullptr;
    if (codec) {
        d.container = fmt->iformat->name;
        d.codec = codec->name;
        ctx = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(ctx, fmt->streams[stream]->codecpar);
        if (avcodec_open2(ctx, codec, nullptr) == 0) {
            d.rate = ctx->sample_rate;
            d.channels = ctx->ch_layout.nb_channels;
            d.bitRate = ctx->bit_rate;
            auto take = [&] {
                while (avcodec_receive_frame(ctx, frame) == 0) {
                    if (frame->format != AV_SAMPLE_FMT_FLTP || d.channels != 2) {
                        d.error = "unexpected sample format";
                        continue;
                    }
                    const float* l = reinterpret_cast<const float*>(frame->extended_data[0]);
                    const float* r = reinterpret_cast<const float*>(frame->extended_data[1]);
                    d.left.insert(d.left.end(), l, l + frame->nb_samples);
                    d.right.insert(d.right.end(), r, r + frame->nb_samples);
                }
            };
            while (av_read_frame(fmt, packet) >= 0) {
                if (packet->stream_index == stream && avcodec_send_packet(ctx, packet) == 0) take();
                av_packet_unref(packet);
            }
            avcodec_send_packet(ctx, nullptr);
            take();
        } else {
            d.error = "cannot open the decoder";
        }
    } else {
        d.error = "no audio stream";
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&ctx);
    avformat_close_input(&fmt);
    return d;
}

double Rms(const Decoded& d, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += d.left[i] * d.left[i] + d.right[i] * d.right[i];
    return to > from ? std::sqrt(sum / (2.0 * double(to - from))) : 0;
}

TEST(GeneratedMusic, RecordingsDecodeToTheWholeArrangementAtAGoodLevel) {
    for (const char* name : {"tovuka_music01", "tovuka_music02"}) {
        SCOPED_TRACE(name);
        const fs::path file = MusicDir() / (std::string(name) + ".wma");
        const Decoded d = Decode(file);
        ASSERT_EQ(d.error, "");
        EXPECT_EQ(d.codec, "wmav2");
        EXPECT_EQ(d.container, "asf");
        EXPECT_EQ(d.rate, 44100);
        EXPECT_EQ(d.channels, 2);
        EXPECT_GE(d.bitRate, 96000);
        EXPECT_LE(d.bitRate, 160000);
        // About 128 kbit/s on disk too.
        const double seconds = double(d.left.size()) / 44100;
        const double kbits = fs::file_size(file) * 8.0 / 1000 / seconds;
        EXPECT_GT(kbits, 100);
        EXPECT_LT(kbits, 160);

        // The recording plays the arrangement kept beside the generated sources from start to
        // end, with a short tail for the last chord.
        const double piece =
            Duration(BuildDir() / "generated" / "music" / (std::string(name) + ".mid"));
        EXPECT_GE(piece, 50);
        EXPECT_GE(seconds, piece);
        EXPECT_LE(seconds, piece + 3);

        // Loud enough, never clipped, and no silent stretch anywhere in the piece.
        EXPECT_GT(Rms(d, 0, d.left.size()), 0.05);  // about -26 dBFS
        size_t clipped = 0;
        for (size_t i = 0; i < d.left.size(); ++i)
            if (std::fabs(d.left[i]) >= 1.0f || std::fabs(d.right[i]) >= 1.0f) ++clipped;
        EXPECT_EQ(clipped, 0u);
        const size_t window = 5 * 44100;
        for (size_t from = 0; from + window <= static_cast<size_t>(piece * 44100); from += window)
            EXPECT_GT(Rms(d, from, from + window), 0.005) << "quiet at " << from / 44100 << " s";
    }
}

// --- determinism ----------------------------------------------------------------------------

std::map<std::string, std::vector<uint8_t>> Snapshot(const fs::path& root) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = ReadFile(entry.path());
    return files;
}

TEST(AssetGenerator, TwoRunsWriteIdenticalFiles) {
    const fs::path tmp = testing_support::MakeTempDir();
    const fs::path out = tmp / "out";
    const std::string command = (BuildDir() / "tools" / "tovuka_assetgen").string() + " --game " +
                                (out / "game").string() + " --generated " +
                                (out / "generated").string() + " >/dev/null 2>&1";
    // Both runs write to the same place (the resource table names its files by path).
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto first = Snapshot(out);
    fs::remove_all(out);
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto second = Snapshot(out);
    fs::remove_all(tmp);

    for (const char* must : {"game/music/tovuka_music01.wma", "game/music/tovuka_music02.wma",
                             "game/music/tovuka_midi_music03.mid", "generated/wave_resources.cpp",
                             "generated/waves/SND_HIT_DOSH.wav"})
        EXPECT_TRUE(first.count(must)) << must;
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [path, bytes] : first) {
        const auto other = second.find(path);
        ASSERT_NE(other, second.end()) << path;
        EXPECT_TRUE(bytes == other->second) << path << " differs between runs";
    }
}

}  // namespace
