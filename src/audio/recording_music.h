// A music backend without sound: it records every call as a short event, answers like a
// working player, and lets its owner decide which step fails and when a piece ends. The
// headless runner uses it so that the trace shows the music ("MUSIC:play:music/..."); the
// tests use it to drive the music logic.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "audio/music_backend.h"
#include "audio/sound_sink.h"

namespace audio {

class RecordingMusicBackend final : public MusicBackend {
  public:
    // Every event also goes to `events` (may be null) as a music request.
    explicit RecordingMusicBackend(SoundSink* events = nullptr) : events_(events) {}

    void SetEventSink(SoundSink* events) { events_ = events; }

    // The events so far, e.g. "open:music/tovuka_music01.wma", "midi-play:music/...".
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    // The call that records exactly this event fails from now on.
    void FailOn(const std::string& event) { failing_.push_back(event); }

    // The open media file plays to its end (as if its last sample had sounded).
    void EndMedia();
    // Queues a message of the MIDI player; EndSegment queues a segment end.
    void QueueNotification(MidiNotification message) { notifications_.push_back(message); }
    void EndSegment() { QueueNotification({true, kSegmentEndOption}); }

    // The media file open now ("" when none) and the piece that plays ("" when none).
    const std::string& OpenMediaPath() const { return mediaPath_; }
    std::string PlayingSegment() const;

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
    // Records the event; false when it was told to fail.
    bool Record(const std::string& event);
    const std::string& SegmentName(MidiSegment segment) const;

    SoundSink* events_;
    std::vector<std::string> calls_;
    std::vector<std::string> failing_;
    std::deque<MidiNotification> notifications_;
    std::vector<std::string> segments_;  // names by segment number - 1
    std::string mediaPath_;
    bool mediaPlaying_ = false;
    bool mediaEnded_ = false;
    MidiSegment playing_ = 0;
};

}  // namespace audio
