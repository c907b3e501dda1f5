// Offline MIDI rendering through FluidSynth.
#include "assetgen/midi_render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace assetgen {
namespace {

struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};

}  // namespace

bool RenderMidi(const std::vector<uint8_t>& midi, double seconds, double tailSeconds, float peak,
                StereoAudio& out, std::string& error) {
    // Only real errors reach the console; the SoundFont's informational chatter does not.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);

    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    if (!settings) return error = "cannot create the synthesiser settings", false;
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
    fluid_settings_setint(settings.get(), "synth.cpu-cores", 1);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", 44100.0);
    fluid_settings_setnum(settings.get(), "synth.gain", 0.3);
    fluid_settings_setint(settings.get(), "synth.reverb.active", 1);
    fluid_settings_setint(settings.get(), "synth.chorus.active", 1);
    fluid_settings_setnum(settings.get(), "synth.reverb.room-size", 0.5);
    fluid_settings_setnum(settings.get(), "synth.reverb.level", 0.6);

    std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth) return error = "cannot create the synthesiser", false;
    if (fluid_synth_sfload(synth.get(), kGeneralMidiSoundFont, 1) == FLUID_FAILED)
        return error = std::string("cannot load the SoundFont ") + kGeneralMidiSoundFont, false;

    std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth.get()));
    if (!player) return error = "cannot create the MIDI player", false;
    if (fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK ||
        fluid_player_play(player.get()) != FLUID_OK)
        return error = "the MIDI file does not play", false;

    // The player is driven by the samples written, so the piece ends exactly where its
    // length says; the tail lets the last chord and the reverb fade out.
    const size_t frames = static_cast<size_t>(std::lround((seconds + tailSeconds) * 44100.0));
    out.rate = 44100;
    out.left.assign(frames, 0.0f);
    out.right.assign(frames, 0.0f);
    const size_t block = 512;
    for (size_t pos = 0; pos < frames; pos += block) {
        const int n = static_cast<int>(std::min(block, frames - pos));
        fluid_synth_write_float(synth.get(), n, out.left.data(), static_cast<int>(pos), 1,
                                out.right.data(), static_cast<int>(pos), 1);
    }
    fluid_player_stop(player.get());

    float top = 0;
    for (size_t i = 0; i < frames; ++i)
        top = std::max({top, std::fabs(out.left[i]), std::fabs(out.right[i])});
    if (top <= 0) return error = "the rendering is silent", false;
    for (size_t i = 0; i < frames; ++i) {
        out.left[i] *= peak / top;
        out.right[i] *= peak / top;
    }
    return true;
}

}  // namespace assetgen
