// What the game asks of the sound effects: which effect, from whose set, how loud. A frame
// writes its requests into a fixed list; the shell hands them to a SoundSink (the mixer in
// a window, the trace log in headless runs) after the frame.
#pragma once

#include <cstdint>

#include "audio/sound_sink.h"

namespace audio {

// Volumes in hundredths of a decibel.
constexpr int32_t kHitVolumeLoud = 0;
constexpr int32_t kHitVolumeNormal = -500;
constexpr int32_t kGuardVolumePlayer1 = -333;
constexpr int32_t kGuardVolumePlayer2 = -400;

// The effect of a frame's sound number, or -1 for none (0, 5 and unknown numbers).
constexpr int MotionSoundEffect(int n) {
    switch (n) {
        case 1: return SND_SHU;
        case 2: return SND_FURI_PUNC;
        case 3: return SND_FURI_KICK;
        case 4: return SND_SWITCH;
        case 6: return SND_VORNE01;
        case 7: return SND_VORNE02;
        case 8: return SND_VORNE03;
        case 9: return SND_DAN;
        default: return -1;
    }
}

struct SoundRequest {
    SoundId id;
    int32_t player;  // whose set plays it: 1 or 2 (0 for SND_SELECT)
    int32_t volume;  // hundredths of a decibel, or kKeepVolume
};

// The requests of one frame, in request order. A frame makes a handful; any beyond the
// list's room are counted and lost.
struct SoundRequests {
    static constexpr int kCapacity = 16;
    SoundRequest items[kCapacity];
    int32_t count;
    int32_t dropped;

    void Clear() {
        count = 0;
        dropped = 0;
    }
    void Add(SoundId id, int player, int32_t volume) {
        if (count < kCapacity)
            items[count++] = {id, player, volume};
        else
            ++dropped;
    }
};

// The sound of a frame that has just begun, from the player's set.
inline void PlayMotionSound(SoundRequests& out, int player, int n) {
    const int effect = MotionSoundEffect(n);
    if (effect >= 0) out.Add(static_cast<SoundId>(effect), player, kKeepVolume);
}

// A landed attack (results 1..4) or a guarded one (5); loud for a counter or weak hit.
inline void PlayHitSound(SoundRequests& out, int player, int result, int loud) {
    if (result >= 1 && result <= 4) {
        out.Add(SND_HIT_DOSH, player, loud ? kHitVolumeLoud : kHitVolumeNormal);
    } else if (result == 5) {
        out.Add(SND_GUARD, player, player == 1 ? kGuardVolumePlayer1 : kGuardVolumePlayer2);
    }
}

// The buzz of a command refused for lack of stamina.
inline void PlayRefusedSound(SoundRequests& out, int player, int flag) {
    if (flag) out.Add(SND_AT_NG, player, kKeepVolume);
}

// A player confirmed a character.
inline void PlaySelectSound(SoundRequests& out) {
    out.Add(SND_SELECT, 0, kKeepVolume);
}

// Hands the frame's requests to the sink, in order.
inline void PlaySoundRequests(SoundSink& sink, const SoundRequests& requests) {
    for (int i = 0; i < requests.count; ++i)
        sink.Effect(requests.items[i].id, requests.items[i].player, requests.items[i].volume);
}

}  // namespace audio
