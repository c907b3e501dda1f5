// The music backend that plays: the media files decoded with FFmpeg, the MIDI files
// synthesised with FluidSynth and the General-MIDI SoundFont, both through the mixer's
// music stream (music_stream.h). It needs the mixer that the sound effects open.
//
// How the music's MIDI steps (music.cpp) map onto FluidSynth:
//   start library       → the synthesizer's settings (44100 Hz, timing by samples)
//   create performance  → the synthesizer
//   init performance    → the mixer's music stream must be there (no device of its own)
//   create loader       → nothing can fail (the loader reads files itself)
//   add port            → the worker thread starts and the mixer's music hook is set
//   notifications, event→ nothing can fail (the end of a piece is watched by the stream)
//   load segment        → the file is read into memory
//   standard MIDI file  → its header is a standard MIDI file header
//   download            → the SoundFont is loaded (once, for all pieces)
//   length              → the piece's tracks are walked to their end
//   play                → a FluidSynth player for the piece; its end is seen when the
//                         player's current tick reaches its total ticks
//   unload              → the SoundFont goes when the last piece gives it back
//   close down          → the music hook goes, the worker ends
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/midi_file.h"
#include "audio/music_backend.h"
#include "audio/music_stream.h"

namespace audio {

inline constexpr const char* kSoundFontPath = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class MediaDecoder;
class MidiPlayer;

class DeviceMusicBackend final : public MusicBackend {
  public:
    DeviceMusicBackend();
    ~DeviceMusicBackend() override;

    bool OpenMedia(const char* path, char* error, size_t errorSize) override;
    void PlayMedia() override;
    bool MediaPlaying() override;
    void StopMedia() override;
    void CloseMedia() override;
    bool TakeMediaEnded() override;
    void ShutdownMedia() override;

    bool MidiStartLibrary() override;
    bool MidiCreatePerformance() override;
    bool MidiInitPerformance(bool shareEffects) override;
    bool MidiCreateLoader() override;
    void MidiSetSearchDirectory(const char* directory) override;
    bool MidiAddPort() override;
    bool MidiEnableSegmentNotifications() override;
    void MidiCreateEndEvent() override;
    MidiSegment MidiLoadSegment(const char* name) override;
    bool MidiSetStandardMidiFile(MidiSegment segment) override;
    bool MidiDownloadInstruments(MidiSegment segment) override;
    bool MidiGetLength(MidiSegment segment, int64_t& length) override;
    bool MidiStopAll() override;
    bool MidiPlaySegment(MidiSegment segment) override;
    bool MidiNextNotification(MidiNotification& message) override;
    bool MidiUnloadInstruments(MidiSegment segment) override;
    void MidiReleaseSegment(MidiSegment segment) override;
    bool MidiCloseDown() override;
    void MidiReleasePerformance() override;
    void MidiReleaseLoader() override;
    void MidiEndLibrary() override;

  private:
    struct Segment {
        std::string name;
        std::vector<uint8_t> bytes;
        MidiFileInfo info;
        bool downloaded = false;
    };
    Segment* Find(MidiSegment segment);

    MusicStream stream_;

    std::unique_ptr<MediaDecoder> media_;
    uint32_t mediaPiece_ = 0;
    bool mediaEndTaken_ = false;

    std::unique_ptr<MidiPlayer> midi_;
    bool loader_ = false;
    std::string searchDirectory_;
    std::vector<std::unique_ptr<Segment>> segments_;  // by segment number - 1
    int soundFontUsers_ = 0;
    uint32_t midiPiece_ = 0;
    bool midiEndTaken_ = false;
};

}  // namespace audio
