// The music logic driven through the recording backend: which file or piece plays when,
// the messages of failed steps, the order of the close, and the silent mode.
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/audio_setup.h"
#include "audio/music.h"
#include "audio/recording_music.h"
#include "audio_test_support.h"

using audio::Music;
using audio::RecordingMusicBackend;
using audio_test::Messages;

namespace {

const std::string kWma1 = audio::kMediaMusic1;
const std::string kWma2 = audio::kMediaMusic2;
const std::string kMid1 = audio::kMidiMusic1;
const std::string kMid2 = audio::kMidiMusic2;
const std::string kMid3 = audio::kMidiMusic3;

struct Rig {
    RecordingMusicBackend backend;
    Music music{&backend};
    Messages messages;
    int32_t musicTrack = 0;
    Rig() { music.message = messages.Fn(); }

    // The calls made by `step`, alone.
    template <typename F>
    std::vector<std::string> CallsOf(F step) {
        backend.ClearCalls();
        step();
        return backend.Calls();
    }
};

size_t IndexOf(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

const std::vector<std::string> kMidiSetUp = {
    "midi-start",  "midi-performance", "midi-init:shared", "midi-loader",
    "midi-search", "midi-port",        "midi-notify",      "midi-event",
};

}  // namespace

TEST(MediaMusic, FilesAlternateAtTheirEnds) {
    Rig rig;
    EXPECT_EQ(
        rig.CallsOf([&] { audio::StartMusic(rig.music, audio::kMusicMedia, rig.musicTrack, 1); }),
        (std::vector<std::string>{"open:" + kWma1, "play:" + kWma1}));
    EXPECT_EQ(rig.musicTrack, 1);

    // Nothing happens until the file ends.
    EXPECT_TRUE(rig.CallsOf([&] { audio::PumpMusicNotifications(rig.music); }).empty());

    const std::string expectedTrack[] = {kWma1, kWma2, kWma1, kWma2};
    for (int i = 0; i < 3; ++i) {
        rig.backend.EndMedia();
        const std::string& ended = expectedTrack[i];
        const std::string& next = expectedTrack[i + 1];
        EXPECT_EQ(rig.CallsOf([&] { audio::PumpMusicNotifications(rig.music); }),
                  (std::vector<std::string>{"close:" + ended, "open:" + next, "play:" + next}));
        EXPECT_EQ(rig.musicTrack, i % 2 == 0 ? 2 : 1);
        // One end, one change.
        EXPECT_TRUE(rig.CallsOf([&] { audio::PumpMusicNotifications(rig.music); }).empty());
    }
    EXPECT_TRUE(rig.messages.shown.empty());

    // Close while playing: stop, then close.
    EXPECT_EQ(rig.CallsOf([&] { audio::StopMusic(rig.music, audio::kMusicMedia); }),
              (std::vector<std::string>{"stop:" + kWma2, "close:" + kWma2, "media-shutdown"}));
}

TEST(MediaMusic, AFileThatCannotBeOpenedIsReportedAndTheGameGoesOn) {
    // At the start: one message naming the file, nothing plays from then on.
    {
        Rig rig;
        rig.backend.FailOn("open:" + kWma1);
        audio::StartMusic(rig.music, audio::kMusicMedia, rig.musicTrack, 1);
        ASSERT_EQ(rig.messages.shown.size(), 1u);
        EXPECT_EQ(rig.messages.shown[0].first, "Error");
        EXPECT_NE(rig.messages.shown[0].second.find(kWma1), std::string::npos);
        EXPECT_EQ(rig.backend.Calls(), std::vector<std::string>{"open:" + kWma1});
        rig.backend.EndMedia();  // nothing is open: no end can come
        EXPECT_TRUE(rig.CallsOf([&] { audio::PumpMusicNotifications(rig.music); }).empty());
        EXPECT_EQ(rig.CallsOf([&] { audio::StopMusic(rig.music, audio::kMusicMedia); }),
                  std::vector<std::string>{"media-shutdown"});
        EXPECT_EQ(rig.messages.shown.size(), 1u);
    }
    // At a track change: the same, after the first file.
    {
        Rig rig;
        rig.backend.FailOn("open:" + kWma2);
        audio::StartMusic(rig.music, audio::kMusicMedia, rig.musicTrack, 1);
        rig.backend.EndMedia();
        audio::PumpMusicNotifications(rig.music);
        EXPECT_EQ(rig.musicTrack, 2);
        ASSERT_EQ(rig.messages.shown.size(), 1u);
        EXPECT_NE(rig.messages.shown[0].second.find(kWma2), std::string::npos);
        EXPECT_TRUE(rig.backend.OpenMediaPath().empty());
        rig.backend.EndMedia();
        EXPECT_TRUE(rig.CallsOf([&] { audio::PumpMusicNotifications(rig.music); }).empty());
    }
}

TEST(MediaMusic, NotificationsOutsideTheMediaModeDoNothing) {
    Rig rig;
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    rig.musicTrack = 1;
    EXPECT_TRUE(rig.CallsOf([&] {
                       audio::MediaPlayer1Notify(rig.music);
                       audio::OpenAndPlayMusicFile(rig.music, kWma1.c_str());
                       audio::StopMusicFile(rig.music);
                   })
                    .empty());
    EXPECT_EQ(rig.musicTrack, 1);
}

TEST(MidiMusic, StartSetsUpLoadsThreePiecesAndPlaysTheFirst) {
    Rig rig;
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    std::vector<std::string> expected = kMidiSetUp;
    for (const std::string& name : {kMid1, kMid2, kMid3})
        for (const char* step : {"midi-load:", "midi-smf:", "midi-download:", "midi-length:"})
            expected.push_back(step + name);
    expected.push_back("midi-stop");
    expected.push_back("midi-play:" + kMid1);
    EXPECT_EQ(rig.backend.Calls(), expected);
    EXPECT_EQ(rig.music.midi.midiTrack, 1);
    EXPECT_TRUE(rig.messages.shown.empty());

    // Without the effects' mixer the synthesizer is asked to find its own output.
    Rig alone;
    audio::StartMusic(alone.music, audio::kMusicMidi, alone.musicTrack, 0);
    EXPECT_EQ(alone.backend.Calls()[2], "midi-init:own");
}

TEST(MidiMusic, SegmentEndsAdvanceOneTwoThreeOne) {
    Rig rig;
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    EXPECT_TRUE(rig.CallsOf([&] { audio::PollMidiMusic(rig.music); }).empty());

    const std::string order[] = {kMid2, kMid3, kMid1, kMid2};
    const int tracks[] = {2, 3, 1, 2};
    for (int i = 0; i < 4; ++i) {
        rig.backend.EndSegment();
        EXPECT_EQ(rig.CallsOf([&] { audio::PollMidiMusic(rig.music); }),
                  (std::vector<std::string>{"midi-stop", "midi-play:" + order[i]}));
        EXPECT_EQ(rig.music.midi.midiTrack, tracks[i]);
        EXPECT_EQ(rig.backend.PlayingSegment(), order[i]);
    }
}

TEST(MidiMusic, EveryQueuedSegmentEndCountsAndOtherMessagesChangeNothing) {
    Rig rig;
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    rig.backend.QueueNotification({true, audio::kSegmentStartOption});
    rig.backend.EndSegment();
    rig.backend.QueueNotification({false, audio::kSegmentEndOption});  // not a segment message
    rig.backend.QueueNotification({true, 4});
    rig.backend.EndSegment();
    EXPECT_EQ(rig.CallsOf([&] { audio::PollMidiMusic(rig.music); }),
              (std::vector<std::string>{"midi-stop", "midi-play:" + kMid2, "midi-stop",
                                        "midi-play:" + kMid3}));
    EXPECT_EQ(rig.music.midi.midiTrack, 3);
    // The queue was drained in that one poll.
    EXPECT_TRUE(rig.CallsOf([&] { audio::PollMidiMusic(rig.music); }).empty());
}

TEST(MidiMusic, AMissingFileGivesOneMessageAndTheGameRunsOn) {
    Rig rig;
    rig.backend.FailOn("midi-load:" + kMid1);
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0],
              (std::pair<std::string, std::string>{"Error", "セグメントロード失敗"}));
    // Nothing was loaded after it and nothing plays.
    const auto& calls = rig.backend.Calls();
    EXPECT_EQ(IndexOf(calls, "midi-load:" + kMid2), calls.size());
    EXPECT_EQ(rig.backend.PlayingSegment(), "");
    for (int frame = 0; frame < 3; ++frame) {
        rig.backend.EndSegment();
        audio::PollMidiMusic(rig.music);
        EXPECT_EQ(rig.backend.PlayingSegment(), "");
    }
    audio::StopMusic(rig.music, audio::kMusicMidi);
    EXPECT_EQ(rig.messages.shown.size(), 1u);
}

TEST(MidiMusic, AMissingLaterFileLeavesTheEarlierPiecesPlaying) {
    Rig rig;
    rig.backend.FailOn("midi-load:" + kMid3);
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    EXPECT_EQ(rig.messages.Texts(), std::vector<std::string>{"セグメントロード失敗"});
    EXPECT_EQ(rig.backend.PlayingSegment(), kMid1);
    rig.backend.EndSegment();
    audio::PollMidiMusic(rig.music);
    EXPECT_EQ(rig.backend.PlayingSegment(), kMid2);
    rig.backend.EndSegment();
    audio::PollMidiMusic(rig.music);  // the third piece is not there: silence
    EXPECT_EQ(rig.backend.PlayingSegment(), "");
    EXPECT_EQ(rig.music.midi.midiTrack, 3);
    rig.backend.EndSegment();  // a stray end still moves on to the first piece
    audio::PollMidiMusic(rig.music);
    EXPECT_EQ(rig.backend.PlayingSegment(), kMid1);
}

TEST(MidiMusic, EachFailedSetUpStepReportsItsMessageAndStopsThere) {
    struct Case {
        std::string step;
        const char* message;  // null: none
        std::string firstSkipped;
    };
    const Case cases[] = {
        {"midi-start", "COM初期化失敗", "midi-performance"},
        {"midi-performance", "DirectMusicPerformance作成失敗", "midi-init:shared"},
        {"midi-init:shared", nullptr, "midi-loader"},
        {"midi-loader", nullptr, "midi-search"},
        {"midi-port", nullptr, "midi-notify"},
        {"midi-notify", nullptr, "midi-event"},
        {"midi-load:" + kMid2, "セグメントロード失敗", "midi-smf:" + kMid2},
        {"midi-smf:" + kMid1, "セグメント設定b失敗", "midi-download:" + kMid1},
        {"midi-download:" + kMid3, "DLSロード失敗", "midi-length:" + kMid3},
        {"midi-length:" + kMid1, "長さ取得失敗", "midi-load:" + kMid2},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.backend.FailOn(c.step);
        audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
        const auto& calls = rig.backend.Calls();
        EXPECT_LT(IndexOf(calls, c.step), calls.size()) << c.step;
        EXPECT_EQ(IndexOf(calls, c.firstSkipped), calls.size()) << c.step;
        if (c.message == nullptr) {
            EXPECT_TRUE(rig.messages.shown.empty()) << c.step;
        } else {
            EXPECT_EQ(rig.messages.shown,
                      (std::vector<std::pair<std::string, std::string>>{{"Error", c.message}}))
                << c.step;
        }
        // The game goes on: frames poll, the close runs, no further message.
        rig.backend.EndSegment();
        audio::PollMidiMusic(rig.music);
        audio::StopMusic(rig.music, audio::kMusicMidi);
        EXPECT_EQ(rig.messages.shown.size(), c.message ? 1u : 0u) << c.step;
        EXPECT_FALSE(rig.music.midi.performance) << c.step;
    }
}

TEST(MidiMusic, CloseStopsThenUnloadsThenClosesDown) {
    Rig rig;
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    const std::vector<std::string> expected = {
        "midi-stop",
        "midi-unload:" + kMid1,
        "midi-unload:" + kMid2,
        "midi-unload:" + kMid3,
        "midi-release:" + kMid1,
        "midi-release:" + kMid2,
        "midi-release:" + kMid3,
        "midi-closedown",
        "midi-release-performance",
        "midi-release-loader",
        "midi-end",
    };
    EXPECT_EQ(rig.CallsOf([&] { audio::StopMusic(rig.music, audio::kMusicMidi); }), expected);
    EXPECT_TRUE(rig.messages.shown.empty());
    // A second close finds nothing left.
    EXPECT_TRUE(rig.CallsOf([&] { audio::StopMusic(rig.music, audio::kMusicMidi); }).empty());
}

TEST(MidiMusic, FailuresAtCloseAreReportedAndTheCloseGoesOn) {
    Rig rig;
    audio::StartMusic(rig.music, audio::kMusicMidi, rig.musicTrack, 1);
    rig.backend.FailOn("midi-stop");
    rig.backend.FailOn("midi-unload:" + kMid2);
    rig.backend.FailOn("midi-closedown");
    const auto calls = rig.CallsOf([&] { audio::StopMusic(rig.music, audio::kMusicMidi); });
    EXPECT_EQ(rig.messages.Texts(),
              (std::vector<std::string>{"演奏停止失敗", "アンロード失敗", "アンロード失敗2",
                                        "IDirectMusicPerformance::CloseDown失敗"}));
    for (const std::string& call :
         {"midi-unload:" + kMid3, "midi-release:" + kMid3, std::string("midi-release-performance"),
          std::string("midi-end")})
        EXPECT_LT(IndexOf(calls, call), calls.size()) << call;
}

TEST(MidiMusic, ClosingTheLauncherBeforeAnyGameMakesNoCall) {
    Rig rig;
    EXPECT_TRUE(rig.CallsOf([&] { audio::StopMusic(rig.music, audio::kMusicMidi); }).empty());
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(SilentMusic, MakesNoCallAtAll) {
    Rig rig;
    rig.musicTrack = 7;
    audio::StartMusic(rig.music, audio::kMusicSilent, rig.musicTrack, 1);
    rig.backend.EndMedia();
    rig.backend.EndSegment();
    audio::PollMidiMusic(rig.music);
    audio::PumpMusicNotifications(rig.music);
    audio::StopMusic(rig.music, audio::kMusicSilent);
    EXPECT_TRUE(rig.backend.Calls().empty());
    EXPECT_EQ(rig.musicTrack, 7);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(HeadlessMusic, TheGameMusicRecordsItsEventsIntoTheSoundLog) {
    audio::SoundLog log;
    audio::UseHeadlessAudio(&log);
    int32_t musicTrack = 0;
    audio::StartMusic(audio::kMusicMedia, musicTrack);
    std::vector<std::string> entries;
    for (int i = 0; i < log.Count(); ++i) {
        char text[128];
        audio::SoundLog::Format(log.At(i), text, sizeof text);
        entries.push_back(text);
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"MUSIC:open:music/tovuka_music01.wma",
                                                 "MUSIC:play:music/tovuka_music01.wma"}));
    EXPECT_EQ(musicTrack, 1);
    // No device was opened for the effects either.
    EXPECT_EQ(audio::CreateSoundEffects(), 1);
    EXPECT_EQ(audio::GameSoundEffects().soundReady, 0);
    EXPECT_FALSE(audio::GameSoundEffects().mixerOpen);
    audio::StopMusic(audio::kMusicMedia);
    audio::ReleaseSoundEffects();
    audio::UseHeadlessAudio(nullptr);
}
