// The sound request log and effect names.
#include <cstdio>
#include <cstring>

#include "audio/sound_sink.h"

namespace audio {

namespace {
const char* const kNames[kSoundCount] = {
    "SND_SELECT",   "SND_SHU",      "SND_FURI_PUNC", "SND_FURI_KICK", "SND_DAN",
    "SND_VORNE01",  "SND_VORNE02",  "SND_VORNE03",   "SND_HIT_DOSH",  "SND_HIT_BACH",
    "SND_HIT_GATS", "SND_HIT_DOKA", "SND_SWITCH",    "SND_GUARD",     "SND_AT_NG",
};
}  // namespace

const char* SoundName(SoundId id) {
    if (id < 0 || id >= kSoundCount) return "SND_UNKNOWN";
    return kNames[id];
}

void SoundLog::Effect(SoundId id, int player, int32_t volume) {
    if (count_ >= kCapacity) {
        ++dropped_;
        return;
    }
    Entry& e = entries_[count_++];
    e.isMusic = false;
    e.id = id;
    e.player = player;
    e.volume = volume;
    e.music[0] = '\0';
}

void SoundLog::Music(const char* event) {
    if (count_ >= kCapacity) {
        ++dropped_;
        return;
    }
    Entry& e = entries_[count_++];
    e.isMusic = true;
    e.id = SND_SELECT;
    e.player = 0;
    e.volume = kKeepVolume;
    std::snprintf(e.music, sizeof e.music, "%s", event);
}

int SoundLog::Format(const Entry& e, char* out, int size) {
    if (e.isMusic) return std::snprintf(out, size, "MUSIC:%s", e.music);
    if (e.volume == kKeepVolume)
        return std::snprintf(out, size, "%s/%d", SoundName(e.id), e.player);
    return std::snprintf(out, size, "%s/%d@%d", SoundName(e.id), e.player, e.volume);
}

}  // namespace audio
