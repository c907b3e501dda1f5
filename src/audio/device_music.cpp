// The playing music backend: FFmpeg and FluidSynth behind the mixer's music stream.
#include "audio/device_music.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

#include "audio/effects.h"

namespace audio {

// ---- A media file decoded to 44100 Hz 16-bit stereo.

namespace {

// FFmpeg's own lines (one per bad packet, each time a damaged piece comes round again)
// are not for the player; the decoder says once what is wrong.
void QuietLog(void*, int, const char*, va_list) {}

// The files already reported as damaged in this process.
void ReportDamagedOnce(const std::string& path) {
    static std::mutex guard;
    static std::set<std::string> reported;
    const std::lock_guard<std::mutex> lock(guard);
    if (!reported.insert(path).second) return;
    std::fprintf(stderr, "tovuka02: %s is damaged; it plays as far as it can be decoded\n",
                 path.c_str());
}

}  // namespace

class MediaDecoder final : public MusicSource {
  public:
    ~MediaDecoder() override {
        av_frame_free(&frame_);
        av_packet_free(&packet_);
        swr_free(&resampler_);
        avcodec_free_context(&codec_);
        avformat_close_input(&format_);
    }

    // Opens the file and its first audio stream; on failure returns false with the reason.
    bool Open(const char* path, std::string& error) {
        av_log_set_callback(QuietLog);
        path_ = path;
        int r = avformat_open_input(&format_, path, nullptr, nullptr);
        if (r < 0) return Fail(r, error);
        r = avformat_find_stream_info(format_, nullptr);
        if (r < 0) return Fail(r, error);
        const AVCodec* decoder = nullptr;
        stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (stream_ < 0 || decoder == nullptr) {
            error = "the file has no sound that can be decoded";
            return false;
        }
        codec_ = avcodec_alloc_context3(decoder);
        if (codec_ == nullptr) return Fail(AVERROR(ENOMEM), error);
        r = avcodec_parameters_to_context(codec_, format_->streams[stream_]->codecpar);
        if (r >= 0) r = avcodec_open2(codec_, decoder, nullptr);
        if (r < 0) return Fail(r, error);

        AVChannelLayout in{};
        if (codec_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&in, codec_->ch_layout.nb_channels);
        else
            av_channel_layout_copy(&in, &codec_->ch_layout);
        AVChannelLayout out{};
        av_channel_layout_default(&out, kMixChannels);
        r = swr_alloc_set_opts2(&resampler_, &out, AV_SAMPLE_FMT_S16, kMixRate, &in,
                                codec_->sample_fmt, codec_->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&in);
        av_channel_layout_uninit(&out);
        if (r >= 0) r = swr_init(resampler_);
        if (r < 0) return Fail(r, error);

        packet_ = av_packet_alloc();
        frame_ = av_frame_alloc();
        if (packet_ == nullptr || frame_ == nullptr) return Fail(AVERROR(ENOMEM), error);
        return true;
    }

    int Render(int16_t* out, int frames, bool& ended) override {
        while (Pending() < static_cast<size_t>(frames) && !drained_)
            DecodeSome();
        const size_t n = std::min(Pending(), static_cast<size_t>(frames));
        std::memcpy(out, pending_.data() + 2 * pendingFrom_, n * 2 * sizeof(int16_t));
        pendingFrom_ += n;
        if (pendingFrom_ * 2 >= pending_.size()) {
            pending_.clear();
            pendingFrom_ = 0;
        } else if (pendingFrom_ >= 8192) {  // keep the buffer from growing
            pending_.erase(pending_.begin(),
                           pending_.begin() + static_cast<long>(2 * pendingFrom_));
            pendingFrom_ = 0;
        }
        ended = drained_ && Pending() == 0;
        return static_cast<int>(n);
    }

  private:
    static bool Fail(int code, std::string& error) {
        char text[AV_ERROR_MAX_STRING_SIZE] = "";
        av_strerror(code, text, sizeof text);
        error = text;
        return false;
    }

    size_t Pending() const { return pending_.size() / 2 - pendingFrom_; }

    void Damaged() {
        if (damaged_) return;
        damaged_ = true;
        ReportDamagedOnce(path_);
    }

    // One step of the decoder: a decoded frame converted, a packet read, or the end.
    void DecodeSome() {
        const int r = avcodec_receive_frame(codec_, frame_);
        if (r == 0) {
            Convert(const_cast<const uint8_t**>(frame_->extended_data), frame_->nb_samples);
            av_frame_unref(frame_);
            return;
        }
        if (r != AVERROR(EAGAIN) && r != AVERROR_EOF) Damaged();
        if (r == AVERROR(EAGAIN) && !flushing_) {
            const int read = av_read_frame(format_, packet_);
            if (read < 0) {
                // End of the file (or a read error, which ends it too): drain the decoder.
                if (read != AVERROR_EOF) Damaged();
                avcodec_send_packet(codec_, nullptr);
                flushing_ = true;
                return;
            }
            // A packet the decoder refuses is skipped.
            if (packet_->stream_index == stream_ && avcodec_send_packet(codec_, packet_) < 0)
                Damaged();
            av_packet_unref(packet_);
            return;
        }
        // The decoder is empty: what the resampler still holds ends the piece.
        Convert(nullptr, 0);
        drained_ = true;
    }

    void Convert(const uint8_t** input, int samples) {
        const int room = swr_get_out_samples(resampler_, samples);
        if (room <= 0) return;
        const size_t old = pending_.size();
        pending_.resize(old + 2 * static_cast<size_t>(room));
        uint8_t* dst = reinterpret_cast<uint8_t*>(pending_.data() + old);
        const int made = swr_convert(resampler_, &dst, room, input, samples);
        pending_.resize(old + 2 * static_cast<size_t>(std::max(made, 0)));
    }

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    SwrContext* resampler_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    int stream_ = -1;
    bool flushing_ = false;
    bool drained_ = false;
    bool damaged_ = false;
    std::string path_;
    std::vector<int16_t> pending_;  // converted samples not yet rendered
    size_t pendingFrom_ = 0;        // frames of pending_ already rendered
};

// ---- The MIDI synthesizer and the player of the current piece.

class MidiPlayer final : public MusicSource {
  public:
    ~MidiPlayer() override {
        DropPiece();
        if (synth != nullptr) delete_fluid_synth(synth);
        if (settings != nullptr) delete_fluid_settings(settings);
    }

    // Ends the current piece at once.
    void DropPiece() {
        if (player != nullptr) {
            fluid_player_stop(player);
            delete_fluid_player(player);
            player = nullptr;
        }
        if (synth != nullptr) fluid_synth_all_sounds_off(synth, -1);
    }

    bool StartPiece(const std::vector<uint8_t>& bytes) {
        DropPiece();
        player = new_fluid_player(synth);
        if (player == nullptr) return false;
        if (fluid_player_add_mem(player, bytes.data(), bytes.size()) != FLUID_OK ||
            fluid_player_play(player) != FLUID_OK) {
            DropPiece();
            return false;
        }
        return true;
    }

    int Render(int16_t* out, int frames, bool& ended) override {
        fluid_synth_write_s16(synth, frames, out, 0, 2, out, 1, 2);
        // The player reports "done" only seconds after the last note; its ticks reaching
        // the piece's total mark the end exactly.
        if (player == nullptr) {
            ended = true;
        } else {
            const int total = fluid_player_get_total_ticks(player);
            ended = fluid_player_get_status(player) == FLUID_PLAYER_DONE ||
                    (total > 0 && fluid_player_get_current_tick(player) >= total);
        }
        return frames;
    }

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    int soundFont = -1;
};

// ---- The backend.

DeviceMusicBackend::DeviceMusicBackend() = default;

DeviceMusicBackend::~DeviceMusicBackend() {
    stream_.Detach();
    media_.reset();
    midi_.reset();
}

bool DeviceMusicBackend::OpenMedia(const char* path, char* error, size_t errorSize) {
    CloseMedia();
    if (!stream_.Attach()) {
        std::snprintf(error, errorSize, "no audio output");
        return false;
    }
    auto decoder = std::make_unique<MediaDecoder>();
    std::string reason;
    if (!decoder->Open(path, reason)) {
        std::snprintf(error, errorSize, "%s", reason.c_str());
        return false;
    }
    media_ = std::move(decoder);
    return true;
}

void DeviceMusicBackend::PlayMedia() {
    if (media_ == nullptr) return;
    mediaPiece_ = stream_.Play(media_.get());
    mediaEndTaken_ = false;
}

bool DeviceMusicBackend::MediaPlaying() {
    return mediaPiece_ != 0 && !stream_.Ended(mediaPiece_);
}

void DeviceMusicBackend::StopMedia() {
    if (mediaPiece_ == 0) return;
    stream_.Stop();
    mediaPiece_ = 0;
}

void DeviceMusicBackend::CloseMedia() {
    if (media_ == nullptr) return;
    stream_.Stop();  // the worker lets go of the decoder before it goes
    media_.reset();
    mediaPiece_ = 0;
}

bool DeviceMusicBackend::TakeMediaEnded() {
    if (mediaPiece_ == 0 || mediaEndTaken_ || !stream_.Ended(mediaPiece_)) return false;
    mediaEndTaken_ = true;
    return true;
}

void DeviceMusicBackend::ShutdownMedia() {
    CloseMedia();
    stream_.Detach();
}

bool DeviceMusicBackend::MidiStartLibrary() {
    // Its warnings (a channel without an instrument while the SoundFont is not loaded yet
    // or already gone) say nothing about the game; its errors still go to standard error.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    midi_ = std::make_unique<MidiPlayer>();
    midi_->settings = new_fluid_settings();
    if (midi_->settings == nullptr) return false;
    fluid_settings_setnum(midi_->settings, "synth.sample-rate", kMixRate);
    // Pieces can be dense: a lower gain keeps them from clipping.
    fluid_settings_setnum(midi_->settings, "synth.gain", 0.15);
    fluid_settings_setint(midi_->settings, "synth.lock-memory", 0);
    // The player advances with the samples rendered, not with the wall clock.
    fluid_settings_setstr(midi_->settings, "player.timing-source", "sample");
    return true;
}

bool DeviceMusicBackend::MidiCreatePerformance() {
    if (midi_ == nullptr || midi_->settings == nullptr) return false;
    midi_->synth = new_fluid_synth(midi_->settings);
    return midi_->synth != nullptr;
}

bool DeviceMusicBackend::MidiInitPerformance(bool) {
    // The music plays in the mixer the sound effects opened; without it there is no
    // device left to try (the effects already fell back to SDL's null driver).
    return MusicStream::MixerReady();
}

bool DeviceMusicBackend::MidiCreateLoader() {
    loader_ = true;
    return true;
}

void DeviceMusicBackend::MidiSetSearchDirectory(const char* directory) {
    searchDirectory_ = directory;
}

bool DeviceMusicBackend::MidiAddPort() {
    return midi_ != nullptr && midi_->synth != nullptr && stream_.Attach();
}

bool DeviceMusicBackend::MidiEnableSegmentNotifications() {
    return true;
}

void DeviceMusicBackend::MidiCreateEndEvent() {}

DeviceMusicBackend::Segment* DeviceMusicBackend::Find(MidiSegment segment) {
    if (segment < 1 || static_cast<size_t>(segment) > segments_.size()) return nullptr;
    return segments_[static_cast<size_t>(segment) - 1].get();
}

MidiSegment DeviceMusicBackend::MidiLoadSegment(const char* name) {
    if (!loader_) return 0;
    const std::string path = (name[0] == '/' || searchDirectory_.empty())
                                 ? std::string(name)
                                 : searchDirectory_ + "/" + name;
    std::ifstream file(path, std::ios::binary);
    if (!file) return 0;
    auto segment = std::make_unique<Segment>();
    segment->name = name;
    segment->bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (segment->bytes.empty()) return 0;
    segments_.push_back(std::move(segment));
    return static_cast<MidiSegment>(segments_.size());
}

bool DeviceMusicBackend::MidiSetStandardMidiFile(MidiSegment segment) {
    Segment* s = Find(segment);
    return s != nullptr && ReadMidiHeader(s->bytes, s->info);
}

bool DeviceMusicBackend::MidiDownloadInstruments(MidiSegment segment) {
    Segment* s = Find(segment);
    if (s == nullptr || midi_ == nullptr || midi_->synth == nullptr) return false;
    if (s->downloaded) return true;
    if (soundFontUsers_ == 0) {
        int id = FLUID_FAILED;
        stream_.Call([&] { id = fluid_synth_sfload(midi_->synth, kSoundFontPath, 1); });
        if (id == FLUID_FAILED) return false;
        midi_->soundFont = id;
    }
    ++soundFontUsers_;
    s->downloaded = true;
    return true;
}

bool DeviceMusicBackend::MidiGetLength(MidiSegment segment, int64_t& length) {
    Segment* s = Find(segment);
    if (s == nullptr || !MeasureMidiLength(s->bytes, s->info)) return false;
    length = s->info.length;
    return true;
}

bool DeviceMusicBackend::MidiStopAll() {
    if (midi_ == nullptr || midi_->synth == nullptr) return false;
    stream_.Stop();
    stream_.Call([&] { midi_->DropPiece(); });
    midiPiece_ = 0;
    return true;
}

bool DeviceMusicBackend::MidiPlaySegment(MidiSegment segment) {
    Segment* s = Find(segment);
    if (s == nullptr || midi_ == nullptr || midi_->synth == nullptr) return false;
    stream_.Stop();
    bool started = false;
    stream_.Call([&] { started = midi_->StartPiece(s->bytes); });
    if (!started) return false;
    midiPiece_ = stream_.Play(midi_.get());
    midiEndTaken_ = false;
    return true;
}

bool DeviceMusicBackend::MidiNextNotification(MidiNotification& message) {
    if (midiPiece_ == 0 || midiEndTaken_ || !stream_.Ended(midiPiece_)) return false;
    midiEndTaken_ = true;
    message = {true, kSegmentEndOption};
    return true;
}

bool DeviceMusicBackend::MidiUnloadInstruments(MidiSegment segment) {
    Segment* s = Find(segment);
    if (s == nullptr) return false;
    if (!s->downloaded) return true;  // nothing to give back
    s->downloaded = false;
    if (--soundFontUsers_ > 0) return true;
    int result = FLUID_OK;
    stream_.Call([&] {
        midi_->DropPiece();  // no voice may use the SoundFont's samples any more
        result = fluid_synth_sfunload(midi_->synth, midi_->soundFont, 1);
    });
    midi_->soundFont = -1;
    return result == FLUID_OK;
}

void DeviceMusicBackend::MidiReleaseSegment(MidiSegment segment) {
    if (Find(segment) != nullptr) segments_[static_cast<size_t>(segment) - 1].reset();
}

bool DeviceMusicBackend::MidiCloseDown() {
    if (midi_ == nullptr) return false;
    stream_.Stop();
    stream_.Call([&] { midi_->DropPiece(); });
    stream_.Detach();
    midiPiece_ = 0;
    return true;
}

void DeviceMusicBackend::MidiReleasePerformance() {
    if (midi_ == nullptr) return;
    midi_->DropPiece();
    if (midi_->synth != nullptr) delete_fluid_synth(midi_->synth);
    midi_->synth = nullptr;
    soundFontUsers_ = 0;
}

void DeviceMusicBackend::MidiReleaseLoader() {
    loader_ = false;
    searchDirectory_.clear();
    segments_.clear();
}

void DeviceMusicBackend::MidiEndLibrary() {
    midi_.reset();
}

}  // namespace audio
