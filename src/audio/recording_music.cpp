// The recording music backend.
#include "audio/recording_music.h"

#include <algorithm>
#include <cstdio>

namespace audio {

bool RecordingMusicBackend::Record(const std::string& event) {
    calls_.push_back(event);
    if (events_ != nullptr) events_->Music(event.c_str());
    return std::find(failing_.begin(), failing_.end(), event) == failing_.end();
}

const std::string& RecordingMusicBackend::SegmentName(MidiSegment segment) const {
    static const std::string kNone = "?";
    if (segment < 1 || static_cast<size_t>(segment) > segments_.size()) return kNone;
    return segments_[static_cast<size_t>(segment) - 1];
}

std::string RecordingMusicBackend::PlayingSegment() const {
    return playing_ != 0 ? SegmentName(playing_) : std::string();
}

void RecordingMusicBackend::EndMedia() {
    if (!mediaPlaying_) return;
    mediaPlaying_ = false;
    mediaEnded_ = true;
}

bool RecordingMusicBackend::OpenMedia(const char* path, char* error, size_t errorSize) {
    if (!Record(std::string("open:") + path)) {
        std::snprintf(error, errorSize, "the file cannot be opened");
        return false;
    }
    mediaPath_ = path;
    mediaPlaying_ = false;
    mediaEnded_ = false;
    return true;
}

void RecordingMusicBackend::PlayMedia() {
    Record("play:" + mediaPath_);
    mediaPlaying_ = !mediaPath_.empty();
}

bool RecordingMusicBackend::MediaPlaying() {
    return mediaPlaying_;
}

void RecordingMusicBackend::StopMedia() {
    Record("stop:" + mediaPath_);
    mediaPlaying_ = false;
}

void RecordingMusicBackend::CloseMedia() {
    if (mediaPath_.empty()) return;  // nothing open: nothing to close
    Record("close:" + mediaPath_);
    mediaPath_.clear();
    mediaPlaying_ = false;
    mediaEnded_ = false;
}

bool RecordingMusicBackend::TakeMediaEnded() {
    const bool ended = mediaEnded_;
    mediaEnded_ = false;
    return ended;
}

void RecordingMusicBackend::ShutdownMedia() {
    Record("media-shutdown");
}

bool RecordingMusicBackend::MidiStartLibrary() {
    return Record("midi-start");
}

bool RecordingMusicBackend::MidiCreatePerformance() {
    return Record("midi-performance");
}

bool RecordingMusicBackend::MidiInitPerformance(bool shareEffects) {
    return Record(shareEffects ? "midi-init:shared" : "midi-init:own");
}

bool RecordingMusicBackend::MidiCreateLoader() {
    return Record("midi-loader");
}

void RecordingMusicBackend::MidiSetSearchDirectory(const char*) {
    Record("midi-search");
}

bool RecordingMusicBackend::MidiAddPort() {
    return Record("midi-port");
}

bool RecordingMusicBackend::MidiEnableSegmentNotifications() {
    return Record("midi-notify");
}

void RecordingMusicBackend::MidiCreateEndEvent() {
    Record("midi-event");
}

MidiSegment RecordingMusicBackend::MidiLoadSegment(const char* name) {
    if (!Record(std::string("midi-load:") + name)) return 0;
    segments_.push_back(name);
    return static_cast<MidiSegment>(segments_.size());
}

bool RecordingMusicBackend::MidiSetStandardMidiFile(MidiSegment segment) {
    return Record("midi-smf:" + SegmentName(segment));
}

bool RecordingMusicBackend::MidiDownloadInstruments(MidiSegment segment) {
    return Record("midi-download:" + SegmentName(segment));
}

bool RecordingMusicBackend::MidiGetLength(MidiSegment segment, int64_t& length) {
    length = 768;
    return Record("midi-length:" + SegmentName(segment));
}

bool RecordingMusicBackend::MidiStopAll() {
    playing_ = 0;
    return Record("midi-stop");
}

bool RecordingMusicBackend::MidiPlaySegment(MidiSegment segment) {
    if (!Record("midi-play:" + SegmentName(segment))) return false;
    playing_ = segment;
    return true;
}

bool RecordingMusicBackend::MidiNextNotification(MidiNotification& message) {
    if (notifications_.empty()) return false;
    message = notifications_.front();
    notifications_.pop_front();
    return true;
}

bool RecordingMusicBackend::MidiUnloadInstruments(MidiSegment segment) {
    return Record("midi-unload:" + SegmentName(segment));
}

void RecordingMusicBackend::MidiReleaseSegment(MidiSegment segment) {
    Record("midi-release:" + SegmentName(segment));
    if (segment == playing_) playing_ = 0;
}

bool RecordingMusicBackend::MidiCloseDown() {
    playing_ = 0;
    return Record("midi-closedown");
}

void RecordingMusicBackend::MidiReleasePerformance() {
    Record("midi-release-performance");
}

void RecordingMusicBackend::MidiReleaseLoader() {
    Record("midi-release-loader");
}

void RecordingMusicBackend::MidiEndLibrary() {
    Record("midi-end");
}

}  // namespace audio
