// The sound effects' resource reader and the tables that route requests to voices.
#include <gtest/gtest.h>

#include <set>

#include "audio/effects.h"
#include "audio/sound_requests.h"
#include "audio/wave_parser.h"
#include "audio_test_support.h"

using namespace audio_test;
using audio::WaveData;

namespace {

int Parse(const Bytes& file, WaveData& out, const char* name = "SND_TEST") {
    const audio::WaveResource table[] = {{"SND_OTHER", nullptr, 0},
                                         {"SND_TEST", file.data(), file.size()}};
    return audio::ParseWaveResource(table, name, out);
}

const Bytes kFmt = Chunk("fmt ", PcmFormat(1, 22050, 16));
const Bytes kSamples = Constant16(5, 1, 1234);  // 10 bytes

struct WaveCase {
    const char* what;
    Bytes file;
    int code;
    uint32_t formatLength;  // expected when the code is 8
    uint32_t length;        // expected samples length when the code is 8
};

}  // namespace

TEST(WaveParser, ResultCodesForBuiltFiles) {
    const Bytes data = Chunk("data", kSamples);
    const Bytes list3 = Chunk("LIST", {'a', 'b', 'c'});  // odd: padded to 4
    std::vector<WaveCase> cases = {
        {"plain file", Riff(kFmt + data), 8, 16, 10},
        {"data before fmt", Riff(data + kFmt), 8, 16, 10},
        {"not RIFF", Riff(kFmt + data, -1, "WAVE", "RIFX"), 4, 0, 0},
        {"three bytes", Bytes{'R', 'I', 'F'}, 4, 0, 0},
        {"empty", Bytes{}, 4, 0, 0},
        {"not WAVE", Riff(kFmt + data, -1, "AVI "), 5, 0, 0},
        {"RIFF and size only", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0}, 5, 0, 0},
        {"fmt of 12 bytes", Riff(Chunk("fmt ", PcmFormat(1, 22050, 16, 12)) + data), 6, 0, 0},
        {"fmt of 13 bytes", Riff(Chunk("fmt ", PcmFormat(1, 22050, 16, 13)) + data), 6, 0, 0},
        {"fmt of 14 bytes", Riff(Chunk("fmt ", PcmFormat(1, 22050, 16, 14)) + data), 8, 14, 10},
        {"short fmt after data", Riff(data + Chunk("fmt ", PcmFormat(1, 8000, 8, 12))), 6, 0, 0},
        {"short second fmt is ignored", Riff(kFmt + Chunk("fmt ", PcmFormat(1, 8000, 8, 4)) + data),
         8, 16, 10},
        {"no data", Riff(kFmt), 7, 0, 0},
        {"no fmt", Riff(data), 7, 0, 0},
        {"only an empty data chunk", Riff(kFmt + Chunk("data", {})), 7, 0, 0},
        {"empty first data, full second", Riff(kFmt + Chunk("data", {}) + data), 8, 16, 10},
        {"full first data wins over second", Riff(kFmt + data + Chunk("data", Constant16(2, 1, 7))),
         8, 16, 10},
        {"odd chunk padded before fmt", Riff(list3 + kFmt + data), 8, 16, 10},
        {"odd fmt (17 bytes) padded", Riff(Chunk("fmt ", PcmFormat(1, 22050, 16, 17)) + data), 8,
         17, 10},
        {"odd data length", Riff(kFmt + Chunk("data", Bytes{1, 2, 3})), 8, 16, 3},
        {"odd chunk without its pad misaligns the rest",
         Riff(Chunk("LIST", {'a', 'b', 'c'}, -1, false) + kFmt + data), 7, 0, 0},
        {"data cut short", Riff(kFmt + Chunk("data", kSamples, 100)), 7, 0, 0},
        {"file ends inside a chunk header", Riff(kFmt + Bytes{'d', 'a', 't'}), 7, 0, 0},
        {"file ends after fmt's header", Riff(Chunk("fmt ", {}, 16)), 7, 0, 0},
        {"RIFF size larger than the file", Riff(kFmt + data, 4000), 8, 16, 10},
        {"RIFF size ends before data", Riff(kFmt + data, 4 + 24), 7, 0, 0},
        {"RIFF size ends inside data (data still read)", Riff(kFmt + data, 4 + 24 + 2), 8, 16, 10},
        {"RIFF size of 4 (no chunks)", Riff(kFmt + data, 4), 7, 0, 0},
        {"largest RIFF size", Riff(kFmt + data, 0xFFFFFFFFll), 8, 16, 10},
        {"largest chunk length", Riff(kFmt + Chunk("junk", {}, 0xFFFFFFFFll) + data), 7, 0, 0},
    };
    for (const WaveCase& c : cases) {
        WaveData out;
        EXPECT_EQ(Parse(c.file, out), c.code) << c.what;
        if (c.code != 8) continue;
        EXPECT_EQ(out.formatLength, c.formatLength) << c.what;
        EXPECT_EQ(out.length, c.length) << c.what;
        // Both point into the file, and the samples are the chosen chunk's.
        ASSERT_NE(out.format, nullptr);
        ASSERT_NE(out.samples, nullptr);
        EXPECT_GE(out.samples, c.file.data()) << c.what;
        EXPECT_LE(out.samples + out.length, c.file.data() + c.file.size()) << c.what;
        EXPECT_EQ(out.samples[-8], 'd') << c.what;
        EXPECT_EQ(out.format[-8], 'f') << c.what;
    }
}

TEST(WaveParser, NameLookup) {
    const Bytes file = Riff(kFmt + Chunk("data", kSamples));
    WaveData out;
    EXPECT_EQ(Parse(file, out, "SND_MISSING"), 1);
    EXPECT_EQ(Parse(file, out, "SND_OTHER"), 4);  // listed, but empty
    EXPECT_EQ(Parse(file, out, "snd_test"), 1);   // names are exact
    EXPECT_EQ(Parse(file, out, nullptr), 1);
    EXPECT_EQ(audio::ParseWaveResource({}, "SND_TEST", out), 1);
    EXPECT_EQ(Parse(file, out, "SND_TEST"), 8);
}

TEST(WaveParser, ReadsTheFormatFields) {
    const Bytes stereo = Riff(Chunk("fmt ", PcmFormat(2, 11025, 8)) + Chunk("data", {1, 2}));
    WaveData out;
    ASSERT_EQ(Parse(stereo, out), 8);
    const audio::WaveFormat f = audio::ReadWaveFormat(out);
    EXPECT_EQ(f.formatTag, 1);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.samplesPerSec, 11025u);
    EXPECT_EQ(f.avgBytesPerSec, 22050u);
    EXPECT_EQ(f.blockAlign, 2);
    EXPECT_EQ(f.bitsPerSample, 8);

    const Bytes bare = Riff(Chunk("fmt ", PcmFormat(1, 8000, 16, 14)) + Chunk("data", {1, 2}));
    ASSERT_EQ(Parse(bare, out), 8);
    EXPECT_EQ(audio::ReadWaveFormat(out).bitsPerSample, 0);  // a 14-byte format has none
    EXPECT_EQ(audio::ReadWaveFormat(out).samplesPerSec, 8000u);
}

TEST(EffectVoices, OneVoicePerEffectAndPlayer) {
    EXPECT_EQ(audio::kEffectVoices, 29);
    EXPECT_EQ(audio::EffectVoice(audio::SND_SELECT, 0), 0);
    EXPECT_EQ(audio::EffectVoice(audio::SND_SELECT, 2), 0);  // shared by both players
    EXPECT_EQ(audio::EffectVoice(audio::SND_SHU, 1), 1);
    EXPECT_EQ(audio::EffectVoice(audio::SND_HIT_DOSH, 1), 8);
    EXPECT_EQ(audio::EffectVoice(audio::SND_AT_NG, 1), 14);
    EXPECT_EQ(audio::EffectVoice(audio::SND_SHU, 2), 15);
    EXPECT_EQ(audio::EffectVoice(audio::SND_HIT_DOSH, 2), 22);
    EXPECT_EQ(audio::EffectVoice(audio::SND_GUARD, 2), 27);
    EXPECT_EQ(audio::EffectVoice(audio::SND_AT_NG, 2), 28);
    EXPECT_EQ(audio::EffectVoice(audio::SND_SHU, 0), -1);
    EXPECT_EQ(audio::EffectVoice(audio::SND_SHU, 3), -1);
    EXPECT_EQ(audio::EffectVoice(audio::kSoundCount, 1), -1);

    std::set<int> voices = {audio::EffectVoice(audio::SND_SELECT, 0)};
    for (int player = 1; player <= 2; ++player)
        for (int id = audio::SND_SHU; id < audio::kSoundCount; ++id)
            voices.insert(audio::EffectVoice(static_cast<audio::SoundId>(id), player));
    EXPECT_EQ(voices.size(), 29u);
    EXPECT_EQ(*voices.begin(), 0);
    EXPECT_EQ(*voices.rbegin(), 28);
}

TEST(EffectVolume, HundredthsOfDecibelToMixerScale) {
    const std::pair<int32_t, int> cases[] = {
        {0, 128},   {-500, 72},  {-333, 87},  {-400, 81}, {-2000, 13}, {-1, 128},
        {300, 128}, {-10000, 0}, {-20000, 0}, {-6000, 0}, {-4000, 1},  {INT32_MIN + 1, 0},
    };
    for (const auto& [db, expected] : cases)
        EXPECT_EQ(audio::MixVolume(db), expected) << db;
}

namespace {

std::vector<std::string> Requests(const audio::SoundLog& log) {
    std::vector<std::string> out;
    for (int i = 0; i < log.Count(); ++i) {
        char text[128];
        audio::SoundLog::Format(log.At(i), text, sizeof text);
        out.push_back(text);
    }
    return out;
}

}  // namespace

TEST(SoundRequests, MotionSoundTable) {
    const std::pair<int, const char*> table[] = {
        {0, nullptr},       {1, "SND_SHU"}, {2, "SND_FURI_PUNC"}, {3, "SND_FURI_KICK"},
        {4, "SND_SWITCH"},  {5, nullptr},   {6, "SND_VORNE01"},   {7, "SND_VORNE02"},
        {8, "SND_VORNE03"}, {9, "SND_DAN"}, {10, nullptr},        {-1, nullptr},
        {99, nullptr},
    };
    for (const auto& [n, name] : table) {
        for (int player = 1; player <= 2; ++player) {
            audio::SoundRequests requests{};
            audio::PlayMotionSound(requests, player, n);
            audio::SoundLog log;
            audio::PlaySoundRequests(log, requests);
            if (name == nullptr) {
                EXPECT_EQ(log.Count(), 0) << n;
            } else {
                EXPECT_EQ(Requests(log), std::vector<std::string>{std::string(name) + "/" +
                                                                  std::to_string(player)})
                    << n;
            }
        }
    }
}

TEST(SoundRequests, HitGuardRefusedAndSelect) {
    audio::SoundRequests requests{};
    for (int r = 0; r <= 6; ++r)
        audio::PlayHitSound(requests, 1, r, 0);
    audio::PlayHitSound(requests, 2, 3, 1);
    audio::PlayHitSound(requests, 2, 5, 1);
    audio::PlayRefusedSound(requests, 1, 0);
    audio::PlayRefusedSound(requests, 2, 1);
    audio::PlaySelectSound(requests);
    audio::SoundLog log;
    audio::PlaySoundRequests(log, requests);
    const std::vector<std::string> expected = {
        "SND_HIT_DOSH/1@-500", "SND_HIT_DOSH/1@-500", "SND_HIT_DOSH/1@-500",
        "SND_HIT_DOSH/1@-500", "SND_GUARD/1@-333",    "SND_HIT_DOSH/2@0",
        "SND_GUARD/2@-400",    "SND_AT_NG/2",         "SND_SELECT/0",
    };
    EXPECT_EQ(Requests(log), expected);

    // A frame's list is fixed: what does not fit is counted, never written past its end.
    audio::SoundRequests full{};
    for (int i = 0; i < audio::SoundRequests::kCapacity + 3; ++i)
        audio::PlaySelectSound(full);
    EXPECT_EQ(full.count, audio::SoundRequests::kCapacity);
    EXPECT_EQ(full.dropped, 3);
}
