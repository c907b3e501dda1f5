// The music's way into the mixer. SDL_mixer asks for music samples on SDL's audio thread
// (Mix_HookMusic); a worker thread of this stream decodes or synthesises them ahead of
// time into a ring of fixed blocks; the game's thread only starts and stops pieces.
//
//   game thread ──commands──▶ worker thread ──blocks──▶ audio thread (mixer callback)
//        ▲                                                        │
//        └──────────── "the piece's last block has sounded" ──────┘
//
// - Game thread → worker: a command is a job that runs on the worker between two blocks;
//   the game thread waits for it (a few milliseconds at most: one block's work). The lock
//   guards only the hand-over of the job, never the decoding itself. The decoder or
//   synthesizer (the source) is touched by the worker alone while it plays.
// - Worker → audio thread: a single-producer single-consumer ring of blocks with atomic
//   head and tail. The callback copies samples out and writes zeros when the ring is
//   empty; it never locks, waits or allocates.
// - Each started piece has a number. The game thread publishes the number of the piece
//   that may sound; the callback drops blocks of any other piece, so a stop is silent at
//   once and a new piece never plays the old one's tail.
// - The callback publishes the number of a piece once its last block has been played;
//   the game thread compares it between frames. That is the end-of-piece notice.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace audio {

// Something that makes music samples: 44100 Hz, 16-bit, stereo, interleaved. Called on the
// worker thread only.
class MusicSource {
  public:
    virtual ~MusicSource() = default;
    // Writes up to `frames` frames into out and returns how many; sets `ended` when the
    // piece has nothing more after them.
    virtual int Render(int16_t* out, int frames, bool& ended) = 0;
};

class MusicStream {
  public:
    static constexpr int kBlockFrames = 1024;
    static constexpr uint32_t kBlocks = 16;  // about 0.37 s ahead

    MusicStream() = default;
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // The mixer is open at 44100 Hz, 16-bit, stereo.
    static bool MixerReady();

    // Starts the worker and hooks the mixer's music stream. False when the mixer is not
    // ready or no thread can be started.
    bool Attach();
    // Unhooks the mixer and ends the worker; the source in play is let go.
    void Detach();
    bool Attached() const { return worker_.joinable(); }

    // Runs the job on the worker (between two blocks) and returns when it is done; runs it
    // here when the worker is not running.
    void Call(const std::function<void()>& job);

    // Plays `source` from now on (the caller keeps it alive until Stop or Detach) and
    // returns the piece's number.
    uint32_t Play(MusicSource* source);
    // Silence at once; the worker lets go of the source.
    void Stop();
    // The last sample of that piece has been handed to the mixer.
    bool Ended(uint32_t piece) const {
        return piece != 0 && ended_.load(std::memory_order_acquire) == piece;
    }

    // The mixer's callback body: writes `frames` frames of music into out (audio thread).
    void Fill(int16_t* out, int frames);

  private:
    struct Block {
        uint32_t piece;
        int frames;
        bool last;
        int16_t samples[kBlockFrames * 2];
    };

    static void Hook(void* self, uint8_t* stream, int bytes);
    void Run();
    bool CanRender() const;
    void RenderBlock();

    // Ring: written by the worker, read by the audio thread.
    Block blocks_[kBlocks] = {};
    std::atomic<uint32_t> head_{0};
    std::atomic<uint32_t> tail_{0};
    int readFrame_ = 0;  // audio thread only: frames of the tail block already played

    std::atomic<uint32_t> active_{0};  // the piece that may sound, 0 none
    std::atomic<uint32_t> ended_{0};   // the last piece whose end has sounded
    uint32_t nextPiece_ = 0;           // game thread only

    // Worker only.
    MusicSource* source_ = nullptr;
    uint32_t sourcePiece_ = 0;
    bool sourceEnded_ = false;

    // Hand-over of jobs between the game thread and the worker.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void()>* job_ = nullptr;
    bool jobDone_ = false;
    bool quit_ = false;
    std::thread worker_;
    bool hooked_ = false;  // game thread only
};

}  // namespace audio
