// The music stream: worker thread, block ring and the mixer's music hook.
#include "audio/music_stream.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "audio/effects.h"

namespace audio {

namespace {
// How long the worker sleeps when the ring is full and no command comes.
constexpr auto kIdleWait = std::chrono::milliseconds(5);
}  // namespace

MusicStream::~MusicStream() {
    Detach();
}

bool MusicStream::MixerReady() {
    int rate = 0;
    int channels = 0;
    Uint16 format = 0;
    return Mix_QuerySpec(&rate, &format, &channels) != 0 && rate == kMixRate &&
           format == AUDIO_S16SYS && channels == kMixChannels;
}

bool MusicStream::Attach() {
    if (Attached()) return true;
    if (!MixerReady()) return false;
    head_.store(0);
    tail_.store(0);
    readFrame_ = 0;
    active_.store(0);
    ended_.store(0);
    quit_ = false;
    try {
        worker_ = std::thread([this] { Run(); });
    } catch (const std::system_error& e) {
        std::fprintf(stderr, "tovuka02: the music cannot start its thread: %s\n", e.what());
        return false;
    }
    Mix_HookMusic(&MusicStream::Hook, this);
    hooked_ = true;
    return true;
}

void MusicStream::Detach() {
    // After this returns the mixer no longer calls us (it takes the audio lock). When the
    // mixer is already closed this only resets its hook.
    if (hooked_) Mix_HookMusic(nullptr, nullptr);
    hooked_ = false;
    active_.store(0);
    if (worker_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        worker_.join();
    }
    source_ = nullptr;
    sourcePiece_ = 0;
    sourceEnded_ = false;
}

void MusicStream::Call(const std::function<void()>& job) {
    if (!worker_.joinable()) {
        job();
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    job_ = &job;
    jobDone_ = false;
    wake_.notify_one();
    done_.wait(lock, [this] { return jobDone_; });
}

uint32_t MusicStream::Play(MusicSource* source) {
    if (++nextPiece_ == 0) ++nextPiece_;  // 0 means no piece
    const uint32_t piece = nextPiece_;
    // Published first: blocks of the new piece made from here on are kept.
    active_.store(piece, std::memory_order_release);
    Call([this, source, piece] {
        source_ = source;
        sourcePiece_ = piece;
        sourceEnded_ = false;
    });
    return piece;
}

void MusicStream::Stop() {
    active_.store(0, std::memory_order_release);
    Call([this] {
        source_ = nullptr;
        sourcePiece_ = 0;
        sourceEnded_ = false;
    });
}

bool MusicStream::CanRender() const {
    return source_ != nullptr && !sourceEnded_ &&
           head_.load(std::memory_order_relaxed) - tail_.load(std::memory_order_acquire) < kBlocks;
}

void MusicStream::RenderBlock() {
    const uint32_t head = head_.load(std::memory_order_relaxed);
    Block& block = blocks_[head % kBlocks];
    bool ended = false;
    const int frames =
        std::clamp(source_->Render(block.samples, kBlockFrames, ended), 0, kBlockFrames);
    if (ended) sourceEnded_ = true;
    if (frames == 0 && !ended) return;
    block.piece = sourcePiece_;
    block.frames = frames;
    block.last = ended;
    head_.store(head + 1, std::memory_order_release);
}

void MusicStream::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
        wake_.wait_for(lock, kIdleWait, [this] { return quit_ || job_ != nullptr || CanRender(); });
        if (quit_) return;
        if (job_ != nullptr) {
            const std::function<void()>* job = job_;
            lock.unlock();
            (*job)();
            lock.lock();
            job_ = nullptr;
            jobDone_ = true;
            done_.notify_all();
            continue;
        }
        if (CanRender()) {
            // Decoding or synthesising happens without the lock.
            lock.unlock();
            RenderBlock();
            lock.lock();
        }
    }
}

void MusicStream::Fill(int16_t* out, int frames) {
    const uint32_t active = active_.load(std::memory_order_acquire);
    int done = 0;
    while (done < frames) {
        const uint32_t tail = tail_.load(std::memory_order_relaxed);
        if (tail == head_.load(std::memory_order_acquire)) break;
        const Block& block = blocks_[tail % kBlocks];
        if (block.piece != active) {  // a stopped piece: dropped unheard
            readFrame_ = 0;
            tail_.store(tail + 1, std::memory_order_release);
            continue;
        }
        const int n = std::min(block.frames - readFrame_, frames - done);
        std::memcpy(out + ptrdiff_t{2} * done, block.samples + ptrdiff_t{2} * readFrame_,
                    static_cast<size_t>(n) * 2 * sizeof(int16_t));
        done += n;
        readFrame_ += n;
        if (readFrame_ >= block.frames) {
            if (block.last) ended_.store(block.piece, std::memory_order_release);
            readFrame_ = 0;
            tail_.store(tail + 1, std::memory_order_release);
        }
    }
    if (done < frames)
        std::memset(out + ptrdiff_t{2} * done, 0,
                    static_cast<size_t>(frames - done) * 2 * sizeof(int16_t));
}

void MusicStream::Hook(void* self, uint8_t* stream, int bytes) {
    static_cast<MusicStream*>(self)->Fill(reinterpret_cast<int16_t*>(stream),
                                          bytes / static_cast<int>(2 * sizeof(int16_t)));
}

}  // namespace audio
