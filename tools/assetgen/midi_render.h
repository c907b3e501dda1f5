// Renders a standard MIDI file offline with the General-MIDI SoundFont, sample-timed and on
// one thread, so the same file always gives the same samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct StereoAudio {
    int rate = 44100;
    std::vector<float> left, right;
};

inline constexpr const char* kGeneralMidiSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Plays `midi` for `seconds` plus `tailSeconds` (reverb and releases dying away) into `out`
// at 44100 Hz; the result is brought to a peak of `peak`. False, with a reason, when the
// SoundFont or the file cannot be loaded.
bool RenderMidi(const std::vector<uint8_t>& midi, double seconds, double tailSeconds, float peak,
                StereoAudio& out, std::string& error);

}  // namespace assetgen
