// The music: three MIDI pieces the game plays in turn, and two recordings (fuller
// arrangements of the first and third piece, rendered with the General-MIDI SoundFont and
// encoded as Windows Media Audio) for the media-file music choice.
#include <cstdio>
#include <string>

#include "assetgen/midi_render.h"
#include "assetgen/music_pieces.h"
#include "assetgen/output.h"
#include "assetgen/wma_encode.h"

namespace assetgen {
namespace {

// Reverb and the last notes ringing out after the final bar.
constexpr double kTailSeconds = 1.5;
constexpr float kRecordingPeak = 0.89f;  // about -1 dB
constexpr int kBitRate = 128000;

bool Record(const music::Piece& piece, const Output& out, const std::string& name) {
    // The arrangement that is recorded is kept beside the generated sources, so that the
    // recording can be checked against what it plays.
    if (!WriteFile(out.generatedDir + "/music/" + name + ".mid", piece.midi)) return false;
    StereoAudio audio;
    std::string error;
    if (!RenderMidi(piece.midi, piece.seconds, kTailSeconds, kRecordingPeak, audio, error) ||
        !EncodeWma(audio, out.gameDir + "/music/" + name + ".wma", piece.title, kBitRate, error)) {
        std::fprintf(stderr, "tovuka_assetgen: %s: %s\n", name.c_str(), error.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool GenerateMusic(const Output& out) {
    const std::string dir = out.gameDir + "/music/";
    bool ok = WriteFile(dir + "tovuka_midi_music01.mid", music::IronFist({}).midi);
    ok = WriteFile(dir + "tovuka_midi_music02.mid", music::NeonCircuit({}).midi) && ok;
    ok = WriteFile(dir + "tovuka_midi_music03.mid", music::StormOverTheDojo({}).midi) && ok;
    // The recordings: the rock piece a tone higher and a little faster, the battle theme a tone
    // lower with brass and timpani.
    ok = Record(music::IronFist({.full = true, .transpose = 2, .bpm = 146}), out,
                "tovuka_music01") &&
         ok;
    ok = Record(music::StormOverTheDojo({.full = true, .transpose = -2, .bpm = 126}), out,
                "tovuka_music02") &&
         ok;
    return ok;
}

}  // namespace assetgen
