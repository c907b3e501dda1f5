// Both music paths with their real players (FFmpeg, FluidSynth) in the mixer, on SDL's
// dummy driver (which plays at the pace of a real device, unheard) and on its disk driver.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <thread>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include "audio/device_music.h"
#include "audio/music.h"
#include "audio_test_support.h"
#include "support/run_binary.h"

using namespace audio_test;
using Clock = std::chrono::steady_clock;

namespace {

// `seconds` of a tone at `level` (full scale 1) as Windows Media Audio in `path`.
bool WriteWma(const std::string& path, double seconds, double frequency, float level = 0.3f) {
    AVFormatContext* out = nullptr;
    if (avformat_alloc_output_context2(&out, nullptr, nullptr, path.c_str()) < 0) return false;
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    AVCodecContext* enc = codec ? avcodec_alloc_context3(codec) : nullptr;
    bool ok = enc != nullptr;
    AVStream* stream = nullptr;
    if (ok) {
        enc->sample_fmt = AV_SAMPLE_FMT_FLTP;
        enc->sample_rate = 44100;
        enc->time_base = {1, 44100};
        enc->bit_rate = 128000;
        av_channel_layout_default(&enc->ch_layout, 2);
        if (out->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        ok = avcodec_open2(enc, codec, nullptr) >= 0;
    }
    if (ok) {
        stream = avformat_new_stream(out, nullptr);
        ok = stream != nullptr && avcodec_parameters_from_context(stream->codecpar, enc) >= 0 &&
             avio_open(&out->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0;
    }
    if (ok) {
        stream->time_base = {1, 44100};
        ok = avformat_write_header(out, nullptr) >= 0;
    }
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    const auto drain = [&] {
        while (avcodec_receive_packet(enc, packet) == 0) {
            av_packet_rescale_ts(packet, enc->time_base, stream->time_base);
            packet->stream_index = stream->index;
            av_interleaved_write_frame(out, packet);
        }
    };
    if (ok) {
        frame->nb_samples = enc->frame_size;
        frame->format = enc->sample_fmt;
        av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout);
        frame->sample_rate = 44100;
        ok = av_frame_get_buffer(frame, 0) >= 0;
        const int64_t total = static_cast<int64_t>(seconds * 44100);
        for (int64_t pts = 0; ok && pts < total; pts += frame->nb_samples) {
            av_frame_make_writable(frame);
            for (int c = 0; c < 2; ++c) {
                float* samples = reinterpret_cast<float*>(frame->data[c]);
                for (int i = 0; i < frame->nb_samples; ++i)
                    samples[i] =
                        level * static_cast<float>(std::sin(6.283185307 * frequency *
                                                            static_cast<double>(pts + i) / 44100));
            }
            frame->pts = pts;
            ok = avcodec_send_frame(enc, frame) >= 0;
            drain();
        }
        avcodec_send_frame(enc, nullptr);
        drain();
        ok = ok && av_write_trailer(out) >= 0;
    }
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&enc);
    if (out->pb != nullptr) avio_closep(&out->pb);
    avformat_free_context(out);
    return ok;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A game folder with a music folder, made the current directory for the life of the object.
class GameFolder {
  public:
    GameFolder() : path_(testing_support::MakeTempDir()) {
        mkdir((path_ + "/music").c_str(), 0755);
        char old[4096];
        old_ = getcwd(old, sizeof old) ? old : "/";
        if (chdir(path_.c_str()) != 0) ADD_FAILURE() << "cannot enter " << path_;
    }
    ~GameFolder() {
        if (chdir(old_.c_str()) != 0) ADD_FAILURE() << "cannot go back to " << old_;
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::string old_;
};

void WriteMidiPieces(bool first = true) {
    // A quarter of a second each, three different notes.
    if (first) WriteFile(audio::kMidiMusic1, OneNoteMidi(48, 60));
    WriteFile(audio::kMidiMusic2, OneNoteMidi(48, 64));
    WriteFile(audio::kMidiMusic3, OneNoteMidi(48, 67));
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The music with its real player, on the mixer of a set of effects.
struct MusicRig {
    EffectsRig effects;
    audio::DeviceMusicBackend backend;
    audio::Music music{&backend};
    Messages messages;
    int32_t musicTrack = 0;
    MusicRig() {
        music.message = messages.Fn();
        EXPECT_EQ(effects.Create(), 1);
    }
    ~MusicRig() { audio::StopMusic(music, music.musicMode); }
    void Start(int mode) { audio::StartMusic(music, mode, musicTrack, effects.fx.soundReady); }
};

// (seconds since start, value) each time `value()` changes, until `count` values were
// seen or the time is up; `step()` runs once per 5 ms "frame".
template <typename Step, typename Value>
std::vector<std::pair<double, int>> Watch(Step step, Value value, size_t count, double limit) {
    std::vector<std::pair<double, int>> seen = {{0.0, value()}};
    const auto start = Clock::now();
    while (seen.size() < count && SecondsSince(start) < limit) {
        step();
        if (value() != seen.back().second) seen.emplace_back(SecondsSince(start), value());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return seen;
}

std::vector<int> Values(const std::vector<std::pair<double, int>>& seen) {
    std::vector<int> v;
    for (const auto& s : seen)
        v.push_back(s.second);
    return v;
}

std::vector<int16_t> ReadMix(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(raw.size() / 2);
    std::memcpy(samples.data(), raw.data(), samples.size() * 2);
    return samples;
}

int Peak(const std::vector<int16_t>& mix) {
    int peak = 0;
    for (int16_t s : mix)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

}  // namespace

TEST(MediaMusicOnDummyDriver, TheTwoFilesAlternateAtTheirEnds) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    GameFolder folder;
    ASSERT_TRUE(WriteWma(audio::kMediaMusic1, 0.4, 440));
    ASSERT_TRUE(WriteWma(audio::kMediaMusic2, 0.3, 660));
    MusicRig rig;
    rig.Start(audio::kMusicMedia);
    ASSERT_TRUE(rig.messages.shown.empty()) << rig.messages.shown[0].second;
    const auto seen = Watch([&] { audio::PumpMusicNotifications(rig.music); },
                            [&] { return rig.musicTrack; }, 4, 8.0);
    EXPECT_EQ(Values(seen), (std::vector<int>{1, 2, 1, 2}));
    if (seen.size() == 4) {
        // Each change comes when the file has played: about 0.4 s, then 0.3 s, then 0.4 s.
        EXPECT_GT(seen[1].first, 0.25);
        EXPECT_GT(seen[2].first - seen[1].first, 0.15);
        EXPECT_GT(seen[3].first - seen[2].first, 0.25);
        EXPECT_LT(seen[3].first, 3.0);
    }
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(MediaMusicOnDummyDriver, AFileThatCannotBeOpenedIsReportedOnce) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    GameFolder folder;
    WriteFile(audio::kMediaMusic1, Bytes{'n', 'o', 't', ' ', 'm', 'u', 's', 'i', 'c'});
    MusicRig rig;
    rig.Start(audio::kMusicMedia);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].first, "Error");
    EXPECT_NE(rig.messages.shown[0].second.find(audio::kMediaMusic1), std::string::npos);
    const auto seen = Watch([&] { audio::PumpMusicNotifications(rig.music); },
                            [&] { return rig.musicTrack; }, 2, 0.3);
    EXPECT_EQ(Values(seen), std::vector<int>{1});
    EXPECT_EQ(rig.messages.shown.size(), 1u);
}

// What the process writes on standard error while the object lives.
class CapturedStandardError {
  public:
    CapturedStandardError() : path_(testing_support::MakeTempDir() + "/stderr.txt") {
        std::fflush(stderr);
        saved_ = dup(2);
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 2);
        close(fd);
    }
    ~CapturedStandardError() { Restore(); }
    std::string Text() {
        Restore();
        std::ifstream in(path_);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

  private:
    void Restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    std::string path_;
    int saved_ = -1;
};

// A file cut off in the middle (a broken download) plays as far as it goes, round and
// round as the music does, and is reported once, not at every turn.
TEST(MediaMusicOnDummyDriver, ACutOffFileIsReportedOnceAndPlaysAsFarAsItGoes) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    GameFolder folder;
    ASSERT_TRUE(WriteWma(audio::kMediaMusic1, 2.0, 440));
    ASSERT_TRUE(WriteWma(audio::kMediaMusic2, 2.0, 660));
    for (const char* name : {audio::kMediaMusic1, audio::kMediaMusic2}) {
        struct stat st {};
        ASSERT_EQ(stat(name, &st), 0);
        ASSERT_EQ(truncate(name, st.st_size / 7), 0);  // about a quarter of a second left
    }
    CapturedStandardError err;
    std::vector<int> tracks;
    {
        MusicRig rig;
        rig.Start(audio::kMusicMedia);
        tracks = Values(Watch([&] { audio::PumpMusicNotifications(rig.music); },
                              [&] { return rig.musicTrack; }, 6, 4.0));
    }
    const std::vector<std::string> lines = testing_support::SplitLines(err.Text());
    EXPECT_EQ(tracks, (std::vector<int>{1, 2, 1, 2, 1, 2})) << "the short pieces alternate";
    int aboutFile[2] = {0, 0};
    for (const std::string& line : lines) {
        if (line.find(audio::kMediaMusic1) != std::string::npos) ++aboutFile[0];
        if (line.find(audio::kMediaMusic2) != std::string::npos) ++aboutFile[1];
    }
    EXPECT_EQ(aboutFile[0], 1);
    EXPECT_EQ(aboutFile[1], 1);
    EXPECT_EQ(lines.size(), 2u) << "nothing but the two reports:\n" << err.Text();
}

TEST(MidiMusicOnDummyDriver, ThePiecesAdvanceOneTwoThreeOne) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    GameFolder folder;
    WriteMidiPieces();
    MusicRig rig;
    rig.Start(audio::kMusicMidi);
    ASSERT_TRUE(rig.messages.shown.empty()) << rig.messages.shown[0].second;
    const auto seen = Watch([&] { audio::PollMidiMusic(rig.music); },
                            [&] { return rig.music.midi.midiTrack; }, 5, 8.0);
    EXPECT_EQ(Values(seen), (std::vector<int>{1, 2, 3, 1, 2}));
    for (size_t i = 1; i < seen.size(); ++i) {
        // A quarter-second piece ends after about a quarter of a second.
        const double took = seen[i].first - seen[i - 1].first;
        EXPECT_GT(took, 0.15) << i;
        EXPECT_LT(took, 1.0) << i;
    }
    audio::StopMusic(rig.music, audio::kMusicMidi);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_FALSE(rig.music.midi.performance);
}

TEST(MidiMusicOnDummyDriver, AMissingFileGivesOneMessageAndNoMusic) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    GameFolder folder;
    WriteMidiPieces(false);
    MusicRig rig;
    rig.Start(audio::kMusicMidi);
    EXPECT_EQ(
        rig.messages.shown,
        (std::vector<std::pair<std::string, std::string>>{{"Error", "セグメントロード失敗"}}));
    const auto seen = Watch([&] { audio::PollMidiMusic(rig.music); },
                            [&] { return rig.music.midi.midiTrack; }, 2, 0.6);
    EXPECT_EQ(Values(seen), std::vector<int>{1});
    audio::StopMusic(rig.music, audio::kMusicMidi);
    EXPECT_EQ(rig.messages.shown.size(), 1u);
}

TEST(MidiMusicOnDummyDriver, FilesThatAreNotPiecesAreReportedAtTheirStep) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    struct Case {
        Bytes file;
        const char* message;
    };
    Bytes brokenTrack = OneNoteMidi(48);
    brokenTrack.resize(brokenTrack.size() - 6);  // the track chunk says more than is there
    Bytes runningWithoutStatus = MidiHeader(0, 1, 96) + MidiChunk("MTrk", {0x00, 0x40, 0x40});
    const Case cases[] = {
        {Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 0, 0}, "セグメント設定b失敗"},
        {brokenTrack, "長さ取得失敗"},
        {runningWithoutStatus, "長さ取得失敗"},
    };
    for (const Case& c : cases) {
        GameFolder folder;
        WriteMidiPieces();
        WriteFile(audio::kMidiMusic2, c.file);
        MusicRig rig;
        rig.Start(audio::kMusicMidi);
        EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{c.message});
    }
}

TEST(MusicOnDiskDriver, BothPathsWriteAudibleMusic) {
    const std::string dir = testing_support::MakeTempDir();
    for (int mode : {audio::kMusicMedia, audio::kMusicMidi}) {
        const std::string file = dir + "/mix" + std::to_string(mode) + ".raw";
        {
            ScopedEnv driver("SDL_AUDIODRIVER", "disk");
            ScopedEnv output("SDL_DISKAUDIOFILE", file);
            GameFolder folder;
            ASSERT_TRUE(WriteWma(audio::kMediaMusic1, 1.0, 440, 0.5f));
            ASSERT_TRUE(WriteWma(audio::kMediaMusic2, 1.0, 440, 0.5f));
            WriteMidiPieces();
            MusicRig rig;
            rig.Start(mode);
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            audio::StopMusic(rig.music, mode);
            EXPECT_TRUE(rig.messages.shown.empty()) << mode;
        }
        const std::vector<int16_t> mix = ReadMix(file);
        EXPECT_GT(mix.size(), 2u * 44100 / 4) << mode;
        // The media tone is half of full scale; the synthesizer's piano note is quieter.
        EXPECT_GT(Peak(mix), mode == audio::kMusicMedia ? 12000 : 300) << mode;
    }
}

TEST(GameAssetsOnDiskDriver, TheGamesOwnEffectsAndMusicPlay) {
    // The game folder beside the game binary, where the asset generator put the music.
    std::string gameDir = TOVUKA02_BIN;
    gameDir = gameDir.substr(0, gameDir.rfind('/')) + "/game";
    if (access((gameDir + "/" + audio::kMediaMusic1).c_str(), R_OK) != 0)
        GTEST_SKIP() << "no generated music in " << gameDir;
    const std::string dir = testing_support::MakeTempDir();
    for (int mode : {audio::kMusicMedia, audio::kMusicMidi}) {
        const std::string file = dir + "/game" + std::to_string(mode) + ".raw";
        {
            ScopedEnv driver("SDL_AUDIODRIVER", "disk");
            ScopedEnv output("SDL_DISKAUDIOFILE", file);
            char old[4096];
            ASSERT_NE(getcwd(old, sizeof old), nullptr);
            ASSERT_EQ(chdir(gameDir.c_str()), 0);
            // The built-in effects, not the tests' own.
            audio::SoundEffects fx;
            Messages messages;
            fx.output = audio::EffectsOutput::kDevice;
            fx.message = messages.Fn();
            EXPECT_EQ(audio::CreateSoundEffects(fx), 1);
            audio::DeviceMusicBackend backend;
            audio::Music music(&backend);
            music.message = messages.Fn();
            int32_t musicTrack = 0;
            audio::StartMusic(music, mode, musicTrack, fx.soundReady);
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            audio::StopMusic(music, mode);
            audio::ReleaseSoundEffects(fx);
            EXPECT_EQ(chdir(old), 0);
            EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].second;
        }
        EXPECT_GT(Peak(ReadMix(file)), 300) << mode;
    }
}
