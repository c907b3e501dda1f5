// The wmav2 encoder and ASF muxer of libavcodec/libavformat.
#include "assetgen/wma_encode.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
}

namespace assetgen {
namespace {

// Owns the FFmpeg objects of one encoding and frees them in the right order.
struct Encoder {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    AVStream* stream = nullptr;

    ~Encoder() {
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format) {
            if (format->pb) avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    // Hands every packet the encoder has ready to the muxer.
    bool Drain() {
        for (;;) {
            const int r = avcodec_receive_packet(codec, packet);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
            if (r < 0) return false;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0) return false;
        }
    }
};

}  // namespace

bool EncodeWma(const StereoAudio& audio, const std::string& path, const std::string& title,
               int bitRate, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    Encoder e;
    if (avformat_alloc_output_context2(&e.format, nullptr, "asf", path.c_str()) < 0 || !e.format)
        return error = "no ASF muxer", false;
    e.format->flags |= AVFMT_FLAG_BITEXACT;  // no random file id, no creation date
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!codec) return error = "no wmav2 encoder", false;
    e.stream = avformat_new_stream(e.format, nullptr);
    e.codec = avcodec_alloc_context3(codec);
    if (!e.stream || !e.codec) return error = "out of memory", false;
    e.codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    e.codec->sample_rate = audio.rate;
    e.codec->bit_rate = bitRate;
    e.codec->time_base = AVRational{1, audio.rate};
    e.codec->flags |= AV_CODEC_FLAG_BITEXACT;
    av_channel_layout_uninit(&e.codec->ch_layout);
    av_channel_layout_default(&e.codec->ch_layout, 2);
    if (e.format->oformat->flags & AVFMT_GLOBALHEADER)
        e.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(e.codec, codec, nullptr) < 0) return error = "cannot open wmav2", false;
    if (avcodec_parameters_from_context(e.stream->codecpar, e.codec) < 0)
        return error = "cannot describe the stream", false;
    e.stream->time_base = e.codec->time_base;
    av_dict_set(&e.format->metadata, "title", title.c_str(), 0);
    av_dict_set(&e.format->metadata, "author", "Tovuka02", 0);
    if (avio_open(&e.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0)
        return error = "cannot write " + path, false;
    if (avformat_write_header(e.format, nullptr) < 0)
        return error = "cannot write the header", false;

    e.frame = av_frame_alloc();
    e.packet = av_packet_alloc();
    if (!e.frame || !e.packet) return error = "out of memory", false;
    const int frameSize = e.codec->frame_size;
    e.frame->nb_samples = frameSize;
    e.frame->format = e.codec->sample_fmt;
    e.frame->sample_rate = audio.rate;
    if (av_channel_layout_copy(&e.frame->ch_layout, &e.codec->ch_layout) < 0 ||
        av_frame_get_buffer(e.frame, 0) < 0)
        return error = "out of memory", false;

    const size_t total = audio.left.size();
    for (size_t pos = 0; pos < total; pos += static_cast<size_t>(frameSize)) {
        if (av_frame_make_writable(e.frame) < 0) return error = "frame busy", false;
        const size_t n = std::min(static_cast<size_t>(frameSize), total - pos);
        float* l = reinterpret_cast<float*>(e.frame->data[0]);
        float* r = reinterpret_cast<float*>(e.frame->data[1]);
        // The last frame is filled up with silence: the encoder takes whole frames only.
        std::fill(l, l + frameSize, 0.0f);
        std::fill(r, r + frameSize, 0.0f);
        std::memcpy(l, audio.left.data() + pos, n * sizeof(float));
        std::memcpy(r, audio.right.data() + pos, n * sizeof(float));
        e.frame->pts = static_cast<int64_t>(pos);
        if (avcodec_send_frame(e.codec, e.frame) < 0 || !e.Drain())
            return error = "encoding failed", false;
    }
    if (avcodec_send_frame(e.codec, nullptr) < 0 || !e.Drain())
        return error = "encoding failed at the end", false;
    if (av_write_trailer(e.format) < 0) return error = "cannot finish the file", false;
    return true;
}

}  // namespace assetgen
