// The music logic: which file plays when, what is reported when a step fails, and the
// order of the steps at start and close. The player behind it is the backend.
#include "audio/music.h"

#include <unistd.h>

#include <climits>
#include <cstdio>

namespace audio {

namespace {

constexpr const char* kCaption = "Error";

void Report(Music& music, const char* text) {
    if (music.message) music.message(kCaption, text);
}

// Stops whatever plays and starts the piece; the play is skipped when the piece was never
// loaded, the stop when there is no player.
void PlayMidiSegment(Music& music, MidiSegment segment) {
    if (!music.midi.performance) return;
    music.backend->MidiStopAll();
    if (segment != 0) music.backend->MidiPlaySegment(segment);
}

}  // namespace

// ---- Media files.

void OpenAndPlayMusicFile(Music& music, const char* path) {
    if (music.musicMode != kMusicMedia) return;
    char error[256] = "";
    if (!music.backend->OpenMedia(path, error, sizeof error)) {
        // The file cannot be played: say which, and go on without music.
        char text[512];
        std::snprintf(text, sizeof text, "Cannot play the music file %s: %s", path, error);
        Report(music, text);
        return;
    }
    music.backend->PlayMedia();
}

void StopMusicFile(Music& music) {
    if (music.musicMode != kMusicMedia) return;
    if (music.backend->MediaPlaying()) music.backend->StopMedia();
    music.backend->CloseMedia();
}

void MediaPlayer1Notify(Music& music) {
    if (music.musicMode != kMusicMedia) return;
    StopMusicFile(music);
    int32_t& track = *music.musicTrack;
    if (track == 1) {
        track = 2;
        OpenAndPlayMusicFile(music, kMediaMusic2);
    } else if (track == 2) {
        track = 1;
        OpenAndPlayMusicFile(music, kMediaMusic1);
    }
}

void PumpMusicNotifications(Music& music) {
    if (music.musicMode != kMusicMedia) return;
    if (music.backend->TakeMediaEnded()) MediaPlayer1Notify(music);
}

// ---- MIDI.

void ClearMidiState(Music& music) {
    music.midi = MidiState{};
}

int InitMidiMusic(Music& music, int32_t soundReady) {
    MusicBackend& b = *music.backend;
    MidiState& m = music.midi;
    if (!b.MidiStartLibrary()) {
        Report(music, "COM初期化失敗");
        return 0;
    }
    m.library = true;
    if (!b.MidiCreatePerformance()) {
        Report(music, "DirectMusicPerformance作成失敗");
        return 0;
    }
    m.performance = true;
    if (!b.MidiInitPerformance(soundReady == 1)) return 0;
    m.outputReady = true;
    if (!b.MidiCreateLoader()) return 0;
    m.loader = true;
    char directory[PATH_MAX];
    if (getcwd(directory, sizeof directory) == nullptr || directory[0] == '\0') return 0;
    b.MidiSetSearchDirectory(directory);
    if (!b.MidiAddPort()) return 0;
    if (!b.MidiEnableSegmentNotifications()) return 0;
    b.MidiCreateEndEvent();
    m.segmentEndEvent = true;
    return 1;
}

int LoadMidiSegments(Music& music, const char* name1, const char* name2, const char* name3) {
    MusicBackend& b = *music.backend;
    MidiState& m = music.midi;
    // Loading needs the loader and the player; without them there is nothing to load into.
    if (!m.loader || !m.performance) return 0;
    const char* names[3] = {name1, name2, name3};
    for (int i = 0; i < 3; ++i) {
        if (names[i] == nullptr) continue;
        const MidiSegment segment = b.MidiLoadSegment(names[i]);
        if (segment == 0) {
            Report(music, "セグメントロード失敗");
            return 0;
        }
        m.segment[i] = segment;
        if (!b.MidiSetStandardMidiFile(segment)) {
            Report(music, "セグメント設定b失敗");
            return 0;
        }
        if (!b.MidiDownloadInstruments(segment)) {
            Report(music, "DLSロード失敗");
            return 0;
        }
        int64_t length = 0;
        if (!b.MidiGetLength(segment, length)) {
            Report(music, "長さ取得失敗");
            return 0;
        }
    }
    return 1;
}

void PollMidiMusic(Music& music) {
    if (!music.midi.performance) return;
    MidiNotification message;
    while (music.backend->MidiNextNotification(message)) {
        if (!message.segment || message.option != kSegmentEndOption) continue;
        MidiState& m = music.midi;
        switch (m.midiTrack) {
            case 1:
                PlayMidiSegment(music, m.segment[1]);
                m.midiTrack = 2;
                break;
            case 2:
                PlayMidiSegment(music, m.segment[2]);
                m.midiTrack = 3;
                break;
            case 3:
                PlayMidiSegment(music, m.segment[0]);
                m.midiTrack = 1;
                break;
            default: break;
        }
    }
}

int UnloadMidiSegment(Music& music, MidiSegment segment) {
    if (segment == 0) return 1;
    if (!music.backend->MidiUnloadInstruments(segment)) {
        Report(music, "アンロード失敗");
        return 0;
    }
    return 1;
}

void StopMidiMusic(Music& music) {
    MidiState& m = music.midi;
    if (m.performance && !music.backend->MidiStopAll()) Report(music, "演奏停止失敗");
    static const char* const kUnloadFailed[3] = {"アンロード失敗1", "アンロード失敗2",
                                                 "アンロード失敗3"};
    for (int i = 0; i < 3; ++i)
        if (!UnloadMidiSegment(music, m.segment[i])) Report(music, kUnloadFailed[i]);
    for (MidiSegment& segment : m.segment) {
        if (segment != 0) music.backend->MidiReleaseSegment(segment);
        segment = 0;
    }
}

void CloseMidiMusic(Music& music) {
    MusicBackend& b = *music.backend;
    MidiState& m = music.midi;
    if (m.performance) {
        if (!b.MidiCloseDown()) Report(music, "IDirectMusicPerformance::CloseDown失敗");
        b.MidiReleasePerformance();
        m.performance = false;
    }
    if (m.loader) b.MidiReleaseLoader();
    m.loader = false;
    m.outputReady = false;
    m.segmentEndEvent = false;
    if (m.library) b.MidiEndLibrary();
    m.library = false;
}

// ---- Start and close.

void StartMusic(Music& music, int musicMode, int32_t& musicTrack, int32_t soundReady) {
    music.musicMode = musicMode;
    music.musicTrack = &musicTrack;
    switch (musicMode) {
        case kMusicMedia:
            musicTrack = 1;
            OpenAndPlayMusicFile(music, kMediaMusic1);
            break;
        case kMusicMidi:
            ClearMidiState(music);
            InitMidiMusic(music, soundReady);
            LoadMidiSegments(music, kMidiMusic1, kMidiMusic2, kMidiMusic3);
            PlayMidiSegment(music, music.midi.segment[0]);
            music.midi.midiTrack = 1;
            break;
        default: break;
    }
}

void StopMusic(Music& music, int musicMode) {
    music.musicMode = musicMode;
    switch (musicMode) {
        case kMusicMedia:
            StopMusicFile(music);
            music.backend->ShutdownMedia();
            break;
        case kMusicMidi:
            StopMidiMusic(music);
            CloseMidiMusic(music);
            break;
        default: break;
    }
    music.musicTrack = &music.ownTrack;  // the form may go after its close
}

}  // namespace audio
