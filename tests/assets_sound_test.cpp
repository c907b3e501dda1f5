// The sound effects the build generates and embeds: every WAVE resource must load the way the
// game's effect loader reads it, carry the format it declares, sound like what it stands for,
// and the table built into the executable must hold exactly the generated files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "audio/wave_resources.h"

namespace {

const char* const kLoadOrder[] = {"SND_SELECT",   "SND_SHU",      "SND_FURI_PUNC", "SND_FURI_KICK",
                                  "SND_DAN",      "SND_VORNE01",  "SND_VORNE02",   "SND_VORNE03",
                                  "SND_HIT_DOSH", "SND_HIT_BACH", "SND_HIT_GATS",  "SND_HIT_DOKA",
                                  "SND_SWITCH",   "SND_GUARD",    "SND_AT_NG"};

std::filesystem::path BuildDir() {
    return std::filesystem::path(TOVUKA02_BIN).parent_path();
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

uint32_t U32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// What the effect loader finds in a RIFF image, with its result code: 4 not "RIFF", 5 not
// "WAVE", 6 a "fmt " chunk shorter than 14 bytes, 7 format or data missing, 8 success.
struct Wave {
    int code = 0;
    uint32_t fmtLength = 0;
    const uint8_t* fmt = nullptr;
    const uint8_t* data = nullptr;
    uint32_t dataLength = 0;
    bool chunksInsideFile = true;
};

Wave Parse(const std::vector<uint8_t>& b) {
    Wave w;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0) return w.code = 4, w;
    if (std::memcmp(b.data() + 8, "WAVE", 4) != 0) return w.code = 5, w;
    const uint64_t end = 8 + uint64_t(U32(b.data() + 4));
    uint64_t pos = 12;
    while (pos < end) {
        if (pos + 8 > b.size()) return w.chunksInsideFile = false, w.code = 7, w;
        const uint8_t* chunk = b.data() + pos;
        const uint32_t n = U32(chunk + 4);
        if (pos + 8 + n > b.size()) w.chunksInsideFile = false;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !w.fmt) {
            if (n < 14) return w.code = 6, w;
            w.fmt = chunk + 8;
            w.fmtLength = n;
        } else if (std::memcmp(chunk, "data", 4) == 0 && (!w.data || w.dataLength == 0)) {
            w.data = chunk + 8;
            w.dataLength = n;
        }
        if (w.fmt && w.data && w.dataLength != 0) return w.code = 8, w;
        pos += 8 + n + (n & 1);
    }
    return w.code = 7, w;
}

// The effect's declared format and its samples as one mono signal in -1..1.
struct Effect {
    std::string name;
    std::vector<uint8_t> file;
    Wave wave;
    int tag = 0, channels = 0, rate = 0, bits = 0, align = 0;
    uint32_t avgBytes = 0;
    std::vector<float> mono;
    double Seconds() const { return double(mono.size()) / rate; }
};

Effect Load(const std::string& name) {
    Effect e;
    e.name = name;
    e.file = ReadFile(BuildDir() / "generated" / "waves" / (name + ".wav"));
    e.wave = Parse(e.file);
    if (e.wave.code != 8) return e;
    const uint8_t* f = e.wave.fmt;
    e.tag = U16(f);
    e.channels = U16(f + 2);
    e.rate = static_cast<int>(U32(f + 4));
    e.avgBytes = U32(f + 8);
    e.align = U16(f + 12);
    e.bits = U16(f + 14);
    if (e.align <= 0 || (e.bits != 8 && e.bits != 16)) return e;
    for (uint32_t at = 0; at + e.align <= e.wave.dataLength; at += e.align) {
        float sum = 0;
        for (int c = 0; c < e.channels; ++c) {
            const uint8_t* s = e.wave.data + at + c * (e.bits / 8);
            sum += e.bits == 8 ? (s[0] - 128) / 128.0f : int16_t(U16(s)) / 32768.0f;
        }
        e.mono.push_back(sum / e.channels);
    }
    return e;
}

const std::vector<Effect>& Effects() {
    static const std::vector<Effect> all = [] {
        std::vector<Effect> v;
        for (const char* name : kLoadOrder)
            v.push_back(Load(name));
        return v;
    }();
    return all;
}

const Effect& Named(const std::string& name) {
    for (const Effect& e : Effects())
        if (e.name == name) return e;
    static const Effect none;
    return none;
}

float Peak(const std::vector<float>& s) {
    float p = 0;
    for (float x : s)
        p = std::max(p, std::fabs(x));
    return p;
}

// Sign changes per second over the audible part: a rough measure of brightness.
double Brightness(const Effect& e) {
    int changes = 0, audible = 0;
    float last = 0;
    for (float x : e.mono) {
        if (std::fabs(x) < 0.03f) continue;
        ++audible;
        if (last != 0 && (x > 0) != (last > 0)) ++changes;
        last = x;
    }
    return audible ? changes * double(e.rate) / audible : 0;
}

// How clearly a sound repeats (normalised autocorrelation) and at what frequency, in short
// windows across its middle: the median of five 30 ms windows, so a gliding pitch still
// counts as a pitch.
struct Periodicity {
    double hz = 0, strength = 0;
};
Periodicity FindPitch(const Effect& e, double lowHz, double highHz) {
    std::vector<Periodicity> windows;
    const int width = e.rate * 3 / 100, maxLag = int(e.rate / lowHz);
    for (double at : {0.3, 0.4, 0.5, 0.6, 0.7}) {
        const int from = int(e.mono.size() * at) - width / 2;
        if (from < 0 || from + width + maxLag > int(e.mono.size())) continue;
        Periodicity best;
        for (int lag = int(e.rate / highHz); lag <= maxLag; ++lag) {
            double xy = 0, xx = 0, yy = 0;
            for (int i = from; i < from + width; ++i) {
                xy += e.mono[i] * e.mono[i + lag];
                xx += e.mono[i] * e.mono[i];
                yy += e.mono[i + lag] * e.mono[i + lag];
            }
            const double r = xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0;
            if (r > best.strength) best = {double(e.rate) / lag, r};
        }
        windows.push_back(best);
    }
    if (windows.empty()) return {};
    auto middle = [&](auto field) {
        std::vector<double> v;
        for (const Periodicity& p : windows)
            v.push_back(p.*field);
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    return {middle(&Periodicity::hz), middle(&Periodicity::strength)};
}

TEST(GeneratedSounds, CheckerFollowsTheLoadersRules) {
    // A minimal valid image, then the faults the loader must notice.
    auto image = [](const char* riff, const char* wave, uint32_t fmtLen, uint32_t firstData) {
        std::vector<uint8_t> b;
        auto put = [&](const void* p, size_t n) {
            b.insert(b.end(), static_cast<const uint8_t*>(p), static_cast<const uint8_t*>(p) + n);
        };
        put(riff, 4);
        const uint32_t zero = 0;
        put(&zero, 4);
        put(wave, 4);
        put("fmt ", 4);
        put(&fmtLen, 4);
        const uint8_t fmt[18] = {1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0, 0, 0};
        put(fmt, fmtLen);
        put("data", 4);
        put(&firstData, 4);
        b.insert(b.end(), firstData + (firstData & 1), 0x80);
        const uint32_t three = 3;
        put("data", 4);
        put(&three, 4);
        b.insert(b.end(), 4, 0x80);
        const uint32_t size = static_cast<uint32_t>(b.size() - 8);
        std::memcpy(b.data() + 4, &size, 4);
        return b;
    };
    EXPECT_EQ(Parse(image("RIFF", "WAVE", 16, 5)).code, 8);
    EXPECT_EQ(Parse(image("RIFF", "WAVE", 16, 5)).dataLength, 5u);
    EXPECT_EQ(Parse(image("RIFX", "WAVE", 16, 5)).code, 4);
    EXPECT_EQ(Parse(image("RIFF", "AVI ", 16, 5)).code, 5);
    EXPECT_EQ(Parse(image("RIFF", "WAVE", 12, 5)).code, 6);
    EXPECT_EQ(Parse(image("RIFF", "WAVE", 14, 5)).code, 8);
    // An empty first data chunk: the second one is taken.
    EXPECT_EQ(Parse(image("RIFF", "WAVE", 16, 0)).dataLength, 3u);
    std::vector<uint8_t> cut = image("RIFF", "WAVE", 16, 0);
    cut.resize(cut.size() - 12);
    const uint32_t size = static_cast<uint32_t>(cut.size() - 8);
    std::memcpy(cut.data() + 4, &size, 4);
    EXPECT_EQ(Parse(cut).code, 7);
}

TEST(GeneratedSounds, EmbeddedTableHoldsTheFifteenFilesInLoadOrder) {
    const std::span<const audio::WaveResource> table = audio::BuiltInWaveResources();
    ASSERT_EQ(table.size(), std::size(kLoadOrder));
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(kLoadOrder[i]);
        EXPECT_STREQ(table[i].name, kLoadOrder[i]);
        const std::vector<uint8_t> file = Named(kLoadOrder[i]).file;
        ASSERT_FALSE(file.empty());
        ASSERT_EQ(table[i].size, file.size());
        EXPECT_TRUE(std::equal(file.begin(), file.end(), table[i].data));
    }
}

TEST(GeneratedSounds, EveryEffectLoadsWithAConsistentPcmFormat) {
    for (const Effect& e : Effects()) {
        SCOPED_TRACE(e.name);
        ASSERT_EQ(e.wave.code, 8);
        EXPECT_TRUE(e.wave.chunksInsideFile);
        // A plain file: RIFF size covers exactly the rest of the file, pad byte included.
        EXPECT_EQ(U32(e.file.data() + 4) + 8, e.file.size());
        EXPECT_EQ(e.tag, 1);
        EXPECT_TRUE(e.channels == 1 || e.channels == 2);
        EXPECT_TRUE(e.bits == 8 || e.bits == 16);
        EXPECT_GE(e.rate, 8000);
        EXPECT_LE(e.rate, 44100);
        EXPECT_EQ(e.align, e.channels * e.bits / 8);
        EXPECT_EQ(e.avgBytes, uint32_t(e.rate * e.align));
        EXPECT_EQ(e.wave.dataLength % e.align, 0u);
        EXPECT_TRUE(e.wave.fmtLength == 16 ||
                    (e.wave.fmtLength == 18 && U16(e.wave.fmt + 16) == 0));
    }
}

TEST(GeneratedSounds, FormatsVaryAcrossTheSet) {
    std::set<int> rates, bits, channels, fmtLengths;
    bool oddData = false;
    for (const Effect& e : Effects()) {
        rates.insert(e.rate);
        bits.insert(e.bits);
        channels.insert(e.channels);
        fmtLengths.insert(static_cast<int>(e.wave.fmtLength));
        if (e.wave.dataLength % 2 == 1) {
            oddData = true;
            // Its pad byte is there: the file ends one byte after the data.
            EXPECT_EQ(e.wave.data + e.wave.dataLength + 1, e.file.data() + e.file.size()) << e.name;
        }
    }
    EXPECT_GE(rates.size(), 3u);
    EXPECT_EQ(bits, (std::set<int>{8, 16}));
    EXPECT_EQ(channels, (std::set<int>{1, 2}));
    EXPECT_EQ(fmtLengths, (std::set<int>{16, 18}));
    EXPECT_TRUE(oddData);
}

TEST(GeneratedSounds, EffectsAreShortPunchyAndEndWithoutAClick) {
    for (const Effect& e : Effects()) {
        SCOPED_TRACE(e.name);
        ASSERT_FALSE(e.mono.empty());
        EXPECT_GE(e.Seconds(), 0.08);
        EXPECT_LE(e.Seconds(), 0.6);
        EXPECT_GE(Peak(e.mono), 0.4f);  // loud enough to cut through the music
        const size_t tail = static_cast<size_t>(e.rate * 0.005);
        const std::vector<float> end(e.mono.end() - tail, e.mono.end());
        EXPECT_LT(Peak(end), 0.05f);
        const auto clipped = std::count_if(e.mono.begin(), e.mono.end(),
                                           [](float x) { return std::fabs(x) >= 0.999f; });
        EXPECT_LT(clipped, 3);
    }
}

TEST(GeneratedSounds, EffectsSoundLikeWhatTheyStandFor) {
    // Swings: the kick moves a whole leg, longer and lower than a punch.
    EXPECT_GT(Named("SND_FURI_KICK").Seconds(), Named("SND_FURI_PUNC").Seconds());
    EXPECT_LT(Brightness(Named("SND_FURI_KICK")), Brightness(Named("SND_FURI_PUNC")));
    // The heavy hit and the thud are darker than the slap and the crack; the guard is padded.
    EXPECT_LT(Brightness(Named("SND_HIT_DOSH")), Brightness(Named("SND_HIT_BACH")));
    EXPECT_LT(Brightness(Named("SND_HIT_DOKA")), Brightness(Named("SND_HIT_GATS")));
    EXPECT_LT(Brightness(Named("SND_GUARD")), Brightness(Named("SND_HIT_GATS")));
    // The three shouts are voiced, at a man's shouting pitch, and differ in length.
    std::set<size_t> lengths;
    for (const char* shout : {"SND_VORNE01", "SND_VORNE02", "SND_VORNE03"}) {
        SCOPED_TRACE(shout);
        const Periodicity p = FindPitch(Named(shout), 120, 400);
        EXPECT_GT(p.strength, 0.7);
        EXPECT_GE(p.hz, 150);
        EXPECT_LE(p.hz, 350);
        lengths.insert(Named(shout).mono.size() * 1000 / Named(shout).rate);
    }
    EXPECT_EQ(lengths.size(), 3u);
    // The refusal is a low buzz.
    const Periodicity buzz = FindPitch(Named("SND_AT_NG"), 50, 200);
    EXPECT_GT(buzz.strength, 0.7);
    EXPECT_LT(buzz.hz, 120);
}

}  // namespace
