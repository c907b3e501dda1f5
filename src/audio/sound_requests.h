// What the game asks of the sound effects: which effect, from whose set, how loud. The
// requests go to a SoundSink (the mixer in a window, the trace log in headless runs).
#pragma once

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

// The sound of a frame that has just begun, from the player's set.
inline void PlayMotionSound(SoundSink& sink, int player, int n) {
    const int effect = MotionSoundEffect(n);
    if (effect >= 0) sink.Effect(static_cast<SoundId>(effect), player, kKeepVolume);
}

// A landed attack (results 1..4) or a guarded one (5); loud for a counter or weak hit.
inline void PlayHitSound(SoundSink& sink, int player, int result, int loud) {
    if (result >= 1 && result <= 4) {
        sink.Effect(SND_HIT_DOSH, player, loud ? kHitVolumeLoud : kHitVolumeNormal);
    } else if (result == 5) {
        sink.Effect(SND_GUARD, player, player == 1 ? kGuardVolumePlayer1 : kGuardVolumePlayer2);
    }
}

// The buzz of a command refused for lack of stamina.
inline void PlayRefusedSound(SoundSink& sink, int player, int flag) {
    if (flag) sink.Effect(SND_AT_NG, player, kKeepVolume);
}

// A player confirmed a character.
inline void PlaySelectSound(SoundSink& sink) {
    sink.Effect(SND_SELECT, 0, kKeepVolume);
}

}  // namespace audio
