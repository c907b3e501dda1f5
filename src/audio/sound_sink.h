// Where the game's sound requests go: the mixer in a window, a log in headless runs.
#pragma once

#include <cstdint>

namespace audio {

// The fifteen effects in load order.
enum SoundId : int {
    SND_SELECT = 0,
    SND_SHU,
    SND_FURI_PUNC,
    SND_FURI_KICK,
    SND_DAN,
    SND_VORNE01,
    SND_VORNE02,
    SND_VORNE03,
    SND_HIT_DOSH,
    SND_HIT_BACH,
    SND_HIT_GATS,
    SND_HIT_DOKA,
    SND_SWITCH,
    SND_GUARD,
    SND_AT_NG,
    kSoundCount,
};

const char* SoundName(SoundId id);

// Marks a request that leaves the buffer's volume as it is.
constexpr int32_t kKeepVolume = INT32_MIN;

class SoundSink {
  public:
    virtual ~SoundSink() = default;
    // Play effect id from player's set (0 for SND_SELECT), after setting its volume in
    // hundredths of a decibel unless volume is kKeepVolume.
    virtual void Effect(SoundId id, int player, int32_t volume) = 0;
    // A music event such as "play:music/tovuka_music01.wma".
    virtual void Music(const char* event) = 0;
};

// Takes every request and plays nothing: for simulations that run without sound.
class NullSink final : public SoundSink {
  public:
    void Effect(SoundId, int, int32_t) override {}
    void Music(const char*) override {}
};

// Keeps the requests of the current frame, in order, for the trace. Fixed capacity: a
// frame makes only a handful of requests; the rest are counted as dropped.
class SoundLog final : public SoundSink {
  public:
    static constexpr int kCapacity = 32;
    struct Entry {
        bool isMusic;
        SoundId id;
        int player;
        int32_t volume;
        char music[96];
    };

    void Effect(SoundId id, int player, int32_t volume) override;
    void Music(const char* event) override;
    void Clear() {
        count_ = 0;
        dropped_ = 0;
    }
    int Count() const { return count_; }
    int Dropped() const { return dropped_; }
    const Entry& At(int i) const { return entries_[i]; }
    // Writes the entry as the trace shows it ("SND_HIT_DOSH/1@-500", "MUSIC:play:...").
    static int Format(const Entry& entry, char* out, int size);

  private:
    Entry entries_[kCapacity] = {};
    int count_ = 0;
    int dropped_ = 0;
};

// Forwards every request to two sinks (the mixer and the log).
class SoundTee final : public SoundSink {
  public:
    SoundTee(SoundSink* a, SoundSink* b) : a_(a), b_(b) {}
    void Effect(SoundId id, int player, int32_t volume) override {
        if (a_) a_->Effect(id, player, volume);
        if (b_) b_->Effect(id, player, volume);
    }
    void Music(const char* event) override {
        if (a_) a_->Music(event);
        if (b_) b_->Music(event);
    }

  private:
    SoundSink* a_;
    SoundSink* b_;
};

}  // namespace audio
