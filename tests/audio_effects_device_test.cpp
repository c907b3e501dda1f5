// The sound effects on a real mixer: SDL's dummy driver (no sound card needed) and its
// disk driver, which writes the mix to a file that the tests read back.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "audio/effects.h"
#include "audio_test_support.h"
#include "support/run_binary.h"

using namespace audio_test;

namespace {

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The s16 stereo samples the disk driver wrote.
std::vector<int16_t> ReadMix(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(raw.size() / 2);
    std::memcpy(samples.data(), raw.data(), samples.size() * 2);
    return samples;
}

// Peak of |sample| in [from, to) stereo frames.
int Peak(const std::vector<int16_t>& mix, size_t from, size_t to) {
    int peak = 0;
    for (size_t i = 2 * from; i < std::min(2 * to, mix.size()); ++i)
        peak = std::max(peak, std::abs(static_cast<int>(mix[i])));
    return peak;
}

// The runs of frames louder than `threshold`: (first frame, length).
std::vector<std::pair<size_t, size_t>> LoudRuns(const std::vector<int16_t>& mix, int threshold) {
    std::vector<std::pair<size_t, size_t>> runs;
    const size_t frames = mix.size() / 2;
    for (size_t f = 0; f < frames;) {
        if (std::abs(mix[2 * f]) < threshold) {
            ++f;
            continue;
        }
        size_t end = f;
        while (end < frames && std::abs(mix[2 * end]) >= threshold)
            ++end;
        runs.emplace_back(f, end - f);
        f = end;
    }
    return runs;
}

}  // namespace

TEST(EffectsOnDummyDriver, LoadsEveryVoiceInItsOwnFormat) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    EffectsRig rig;
    ASSERT_EQ(rig.Create(), 1);
    EXPECT_EQ(rig.fx.soundReady, 1);
    EXPECT_FALSE(rig.fx.nullDevice);  // dummy was asked for, not fallen back to
    EXPECT_EQ(Mix_AllocateChannels(-1), 29);
    int rate = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
    EXPECT_EQ(rate, 44100);
    EXPECT_EQ(format, AUDIO_S16SYS);
    EXPECT_EQ(channels, 2);
    for (int v = 0; v < 29; ++v) {
        ASSERT_NE(rig.fx.voice[v], nullptr) << v;
        EXPECT_EQ(Mix_Volume(v, -1), MIX_MAX_VOLUME) << v;
    }
    EXPECT_NE(rig.fx.voice[1], rig.fx.voice[15]);  // each player has its own copy
    // Converted to 44100 Hz 16-bit stereo (4 bytes a frame) whatever the resource's format.
    const auto bytesFor = [](double seconds) { return seconds * 44100 * 4; };
    EXPECT_NEAR(rig.fx.voice[audio::SND_HIT_DOSH]->alen, bytesFor(0.1), 16);        // 4410 at 44100
    EXPECT_NEAR(rig.fx.voice[audio::SND_SHU]->alen, bytesFor(1102 / 11025.0), 64);  // 8-bit mono
    EXPECT_NEAR(rig.fx.voice[audio::SND_DAN]->alen, bytesFor(2205 / 22050.0), 64);  // stereo 22050
    EXPECT_NEAR(rig.fx.voice[audio::SND_SWITCH]->alen, bytesFor(801 / 8000.0), 64);
    EXPECT_TRUE(rig.messages.shown.empty());

    audio::ReleaseSoundEffects(rig.fx);
    EXPECT_EQ(rig.fx.soundReady, 0);
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    audio::ReleaseSoundEffects(rig.fx);  // twice does nothing
}

TEST(EffectsOnDummyDriver, ABadResourceShowsItsCodeReleasesAllAndFails) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    struct Case {
        audio::SoundId id;
        Bytes file;
        const char* message;
    };
    const Case cases[] = {
        {audio::SND_SELECT, Riff(Chunk("fmt ", PcmFormat(1, 8000, 8)), -1, "WAVE", "RIFX"),
         "WaveFormatデータの読み込み失敗4"},
        {audio::SND_HIT_BACH, Riff(Chunk("fmt ", PcmFormat(1, 8000, 8)), -1, "AVI "),
         "WaveFormatデータの読み込み失敗5"},
        {audio::SND_GUARD, Riff(Chunk("fmt ", PcmFormat(1, 8000, 8, 12)) + Chunk("data", {1, 2})),
         "WaveFormatデータの読み込み失敗6"},
        {audio::SND_AT_NG, Riff(Chunk("fmt ", PcmFormat(1, 8000, 8))),
         "WaveFormatデータの読み込み失敗7"},
    };
    for (const Case& c : cases) {
        EffectsRig rig;
        rig.resources.Replace(c.id, c.file);
        EXPECT_EQ(rig.Create(), 0) << c.message;
        EXPECT_EQ(rig.messages.shown,
                  (std::vector<std::pair<std::string, std::string>>{{"Error", c.message}}));
        EXPECT_EQ(rig.fx.soundReady, 0);
        EXPECT_FALSE(rig.fx.mixerOpen);
        for (Mix_Chunk* chunk : rig.fx.voice)
            EXPECT_EQ(chunk, nullptr);
    }
    // A missing resource: code 1.
    EffectsRig missing;
    missing.resources.files.pop_back();  // no SND_AT_NG
    EXPECT_EQ(missing.Create(), 0);
    EXPECT_EQ(missing.messages.Texts(),
              std::vector<std::string>{"WaveFormatデータの読み込み失敗1"});

    // A complete file in a format the mixer cannot take fails without a message box.
    EffectsRig unplayable;
    Bytes format = PcmFormat(1, 8000, 8);
    format[0] = 0x34;  // an unknown format tag
    unplayable.resources.Replace(audio::SND_SHU,
                                 Riff(Chunk("fmt ", format) + Chunk("data", {1, 2})));
    EXPECT_EQ(unplayable.Create(), 0);
    EXPECT_TRUE(unplayable.messages.shown.empty());
    EXPECT_FALSE(unplayable.fx.mixerOpen);
}

TEST(EffectsOnDummyDriver, EmptyFirstDataChunkPlaysTheSecond) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    EffectsRig rig;
    rig.resources.Replace(audio::SND_SELECT,
                          Riff(Chunk("fmt ", PcmFormat(1, 44100, 16)) + Chunk("data", {}) +
                               Chunk("data", Constant16(441, 1, 5000))));
    ASSERT_EQ(rig.Create(), 1);
    EXPECT_NEAR(rig.fx.voice[0]->alen, 441 * 4, 16);
}

TEST(EffectsOnDummyDriver, RequestsPlayOnThePlayersVoicesWithTheirVolumes) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    EffectsRig rig;
    ASSERT_EQ(rig.Create(), 1);
    audio::MixerSink sink(rig.fx);

    sink.Effect(audio::SND_HIT_DOSH, 1, -500);
    sink.Effect(audio::SND_HIT_DOSH, 2, 0);
    EXPECT_EQ(Mix_Playing(8), 1);
    EXPECT_EQ(Mix_Playing(22), 1);  // both players' hits at once
    EXPECT_EQ(Mix_Volume(8, -1), 72);
    EXPECT_EQ(Mix_Volume(22, -1), 128);

    sink.Effect(audio::SND_GUARD, 1, -333);
    sink.Effect(audio::SND_GUARD, 2, -400);
    EXPECT_EQ(Mix_Volume(13, -1), 87);
    EXPECT_EQ(Mix_Volume(27, -1), 81);

    // kKeepVolume leaves the voice as it was; the loud hit sets it back to full.
    sink.Effect(audio::SND_HIT_DOSH, 1, audio::kKeepVolume);
    EXPECT_EQ(Mix_Volume(8, -1), 72);
    sink.Effect(audio::SND_HIT_DOSH, 1, 0);
    EXPECT_EQ(Mix_Volume(8, -1), 128);

    sink.Effect(audio::SND_SELECT, 0, audio::kKeepVolume);
    sink.Effect(audio::SND_AT_NG, 2, audio::kKeepVolume);
    EXPECT_EQ(Mix_Playing(0), 1);
    EXPECT_EQ(Mix_Playing(28), 1);
    EXPECT_EQ(Mix_Playing(14), 0);  // player 1's SND_AT_NG was not asked for
}

TEST(EffectsWithoutDevice, FallBackToTheNullDriverAndStillStart) {
    // A driver that does not exist stands for a machine without a sound card.
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    EffectsRig rig;
    testing::internal::CaptureStderr();
    EXPECT_EQ(rig.Create(), 1);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no audio device"), std::string::npos) << err;
    EXPECT_TRUE(rig.fx.nullDevice);
    EXPECT_EQ(rig.fx.soundReady, 1);
    audio::MixerSink sink(rig.fx);
    sink.Effect(audio::SND_SHU, 1, audio::kKeepVolume);  // plays, unheard
    EXPECT_EQ(Mix_Playing(1), 1);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(EffectsWithoutDevice, NoOutputOpensNothing) {
    EffectsRig rig;
    rig.fx.output = audio::EffectsOutput::kNone;
    EXPECT_EQ(rig.Create(), 1);
    EXPECT_EQ(rig.fx.soundReady, 0);
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    audio::PlayEffect(rig.fx, audio::SND_SHU, 1, 0);  // nothing to play on, nothing breaks
    EXPECT_EQ(rig.fx.voice[1], nullptr);
}

TEST(EffectsOnDiskDriver, APlayedEffectIsInTheMixAtItsVolume) {
    const std::string dir = testing_support::MakeTempDir();
    const std::string file = dir + "/mix.raw";
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv output("SDL_DISKAUDIOFILE", file);
    {
        EffectsRig rig;  // every effect: 0.1 s of a constant 8000
        ASSERT_EQ(rig.Create(), 1);
        audio::MixerSink sink(rig.fx);
        SleepMs(100);
        sink.Effect(audio::SND_HIT_DOSH, 1, 0);  // full
        SleepMs(300);
        sink.Effect(audio::SND_HIT_DOSH, 2, -500);  // 5 dB lower
        SleepMs(300);
    }
    const std::vector<int16_t> mix = ReadMix(file);
    ASSERT_GT(mix.size(), 2u * 44100 / 2) << "the disk driver wrote too little";
    const auto runs = LoudRuns(mix, 1000);
    ASSERT_EQ(runs.size(), 2u);
    // Each is the effect's 0.1 s (4410 frames) at its volume: 8000 and 8000 x 72 / 128.
    EXPECT_NEAR(static_cast<double>(runs[0].second), 4410, 10);
    EXPECT_NEAR(static_cast<double>(runs[1].second), 4410, 10);
    EXPECT_NEAR(Peak(mix, runs[0].first, runs[0].first + runs[0].second), 8000, 2);
    EXPECT_NEAR(Peak(mix, runs[1].first, runs[1].first + runs[1].second), 4500, 2);
    // Silence everywhere else.
    EXPECT_EQ(Peak(mix, 0, runs[0].first), 0);
    EXPECT_EQ(Peak(mix, runs[0].first + runs[0].second, runs[1].first), 0);
}

TEST(EffectsOnDiskDriver, AReplayRestartsTheVoiceInsteadOfAddingACopy) {
    const std::string dir = testing_support::MakeTempDir();
    const std::string file = dir + "/mix.raw";
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv output("SDL_DISKAUDIOFILE", file);
    {
        EffectsRig rig;
        // SND_SELECT lasts half a second.
        rig.resources.Replace(audio::SND_SELECT, Wave(1, 44100, 16, Constant16(22050, 1, 6000)));
        ASSERT_EQ(rig.Create(), 1);
        audio::MixerSink sink(rig.fx);
        SleepMs(50);
        sink.Effect(audio::SND_SELECT, 0, audio::kKeepVolume);
        SleepMs(200);
        sink.Effect(audio::SND_SELECT, 0, audio::kKeepVolume);
        SleepMs(700);
    }
    const std::vector<int16_t> mix = ReadMix(file);
    const auto runs = LoudRuns(mix, 1000);
    ASSERT_EQ(runs.size(), 1u);
    // One copy at a time (never 12000), and longer than one playing: cut and started again.
    EXPECT_NEAR(Peak(mix, runs[0].first, runs[0].first + runs[0].second), 6000, 2);
    EXPECT_GT(runs[0].second, 22050u + 44100u / 10);
    EXPECT_LT(runs[0].second, 22050u + 44100u / 2);
}
