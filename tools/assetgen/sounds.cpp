// The fifteen sound effects: synthesised here, written as WAVE files into the generated
// folder and built into the executable as resources (the resource table source embeds the
// files with the assembler's .incbin).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assetgen/output.h"
#include "assetgen/sound_wave.h"
#include "assetgen/synth.h"

namespace assetgen {
namespace {

using synth::AttackDecay;
using synth::Biquad;
using synth::kPi;
using synth::Noise;
using synth::Signal;
using synth::TimeOf;

struct Stereo {
    Signal left, right;  // right empty for a mono sound
};

// Noise through a band-pass whose centre follows `centre(t)`, shaped by `amp(t)`.
Signal BandNoise(double seconds, uint32_t seed, const synth::Contour& centre, double q,
                 const synth::Contour& amp) {
    Signal s = synth::Silence(seconds);
    Noise noise(seed);
    Biquad bp;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        if (i % 16 == 0) bp.BandPass(centre(t), q);
        s[i] = static_cast<float>(bp.Process(noise.Next()) * amp(t));
    }
    return s;
}

// Noise through a low-pass whose cut-off follows `cutoff(t)`, shaped by `amp(t)`.
Signal DarkNoise(double seconds, uint32_t seed, const synth::Contour& cutoff,
                 const synth::Contour& amp) {
    Signal s = synth::Silence(seconds);
    Noise noise(seed);
    Biquad lp;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        if (i % 16 == 0) lp.LowPass(cutoff(t), 0.8);
        s[i] = static_cast<float>(lp.Process(noise.Next()) * amp(t));
    }
    return s;
}

// A falling sine: the body of every thump and stomp.
Signal Thump(double seconds, double fromHz, double toHz, double drop, double decay) {
    Signal s = synth::Sweep(seconds,
                            [=](double t) { return toHz + (fromHz - toHz) * std::exp(-t / drop); });
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= static_cast<float>(AttackDecay(TimeOf(i), 0.002, decay));
    return s;
}

// A resonator rung by a short click: the crack of wood or bone.
Signal Ring(double seconds, double freq, double q, uint32_t seed) {
    Signal s = synth::Silence(seconds);
    Noise noise(seed);
    Biquad bp;
    bp.BandPass(freq, q);
    for (size_t i = 0; i < s.size(); ++i) {
        const float excite = i < 60 ? noise.Next() * static_cast<float>(1.0 - i / 60.0) : 0.0f;
        s[i] = bp.Process(excite);
    }
    return s;
}

// A bell-shaped swell, 0 at both ends, peaking at `peakAt` (0..1 of the length).
double Swell(double t, double seconds, double peakAt) {
    const double x = std::clamp(t / seconds, 0.0, 1.0);
    const double y = x < peakAt ? x / peakAt : 1.0 - (x - peakAt) / (1.0 - peakAt);
    return y * y * (3 - 2 * y);
}

// An FM bell tone: bright at the strike, mellowing as it rings.
Signal Bell(double seconds, double freq, double ratio, double index, double decay) {
    Signal s = synth::Silence(seconds);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        const double env = AttackDecay(t, 0.002, decay);
        const double mod =
            index * std::exp(-t / (decay * 0.5)) * std::sin(2 * kPi * freq * ratio * t);
        s[i] = static_cast<float>(env * std::sin(2 * kPi * freq * t + mod));
    }
    return s;
}

// A short room: a few quiet reflections, placed differently left and right.
void Room(Signal& left, Signal& right, double level) {
    const double tapsL[] = {0.011, 0.023, 0.041}, tapsR[] = {0.015, 0.031, 0.047};
    const Signal dryL = left, dryR = right;
    for (int k = 0; k < 3; ++k) {
        const float g = static_cast<float>(level * std::pow(0.55, k));
        synth::Mix(left, dryR, g, static_cast<size_t>(tapsL[k] * synth::kWorkRate));
        synth::Mix(right, dryL, g, static_cast<size_t>(tapsR[k] * synth::kWorkRate));
    }
}

// --- the effects ---------------------------------------------------------------------------

// A bright two-note chime going up a fifth, the second note from the right.
Stereo Select() {
    const double len = 0.42;
    Signal a = Bell(len, 1318.5, 2.0, 1.2, 0.13);         // E6
    Signal b = Bell(len - 0.07, 1975.5, 2.0, 1.1, 0.16);  // B6
    Signal sparkle = Bell(len - 0.07, 3951.0, 3.5, 1.0, 0.05);
    Stereo s{synth::Silence(len), synth::Silence(len)};
    synth::Mix(s.left, a, 0.8f);
    synth::Mix(s.right, a, 0.55f);
    const size_t second = static_cast<size_t>(0.07 * synth::kWorkRate);
    synth::Mix(s.left, b, 0.55f, second);
    synth::Mix(s.right, b, 0.8f, second);
    synth::Mix(s.left, sparkle, 0.15f, second);
    synth::Mix(s.right, sparkle, 0.2f, second);
    Room(s.left, s.right, 0.25);
    s.left.resize(static_cast<size_t>(len * synth::kWorkRate));
    s.right.resize(s.left.size());
    synth::FadeOut(s.left, 0.06);
    synth::FadeOut(s.right, 0.06);
    return s;
}

// The plain swing: air cut by an arm, rising in pitch as the arm speeds up.
Stereo Shu() {
    const double len = 0.26;
    Signal s = BandNoise(
        len, 11, [=](double t) { return 500 + 2300 * Swell(t, len, 0.45); }, 1.6,
        [=](double t) { return Swell(t, len, 0.45); });
    synth::Mix(s, BandNoise(
                      len, 12, [=](double t) { return 300 + 900 * Swell(t, len, 0.5); }, 1.0,
                      [=](double t) { return 0.6 * Swell(t, len, 0.5); }));
    return {s, {}};
}

// A punch swing: short, quick and high.
Stereo FuriPunch() {
    const double len = 0.15;
    Signal s = BandNoise(
        len, 21, [=](double t) { return 900 + 2600 * Swell(t, len, 0.35); }, 2.0,
        [=](double t) { return Swell(t, len, 0.35); });
    synth::Mix(s, BandNoise(
                      len, 22, [=](double t) { return 1800 + 3000 * Swell(t, len, 0.3); }, 3.0,
                      [=](double t) { return 0.35 * Swell(t, len, 0.3); }));
    return {s, {}};
}

// A kick swing: a whole leg moving, longer and lower than the punch, with a low "whomp".
Stereo FuriKick() {
    const double len = 0.32;
    Signal s = BandNoise(
        len, 31, [=](double t) { return 250 + 1300 * Swell(t, len, 0.5); }, 1.2,
        [=](double t) { return Swell(t, len, 0.5); });
    synth::Mix(s, DarkNoise(
                      len, 32, [=](double t) { return 200 + 500 * Swell(t, len, 0.5); },
                      [=](double t) { return 1.6 * Swell(t, len, 0.55); }));
    Signal whomp = synth::Sweep(len, [=](double t) { return 70 + 40 * Swell(t, len, 0.5); });
    for (size_t i = 0; i < whomp.size(); ++i)
        whomp[i] *= static_cast<float>(0.35 * Swell(TimeOf(i), len, 0.55));
    synth::Mix(s, whomp);
    return {s, {}};
}

// A stomp: a foot slammed on the dojo floor, boards booming.
Stereo Dan() {
    const double len = 0.34;
    Signal s = Thump(len, 130, 45, 0.03, 0.11);
    synth::Mix(s,
               DarkNoise(
                   len, 41, [](double t) { return 300 + 2500 * std::exp(-t / 0.02); },
                   [](double t) { return AttackDecay(t, 0.001, 0.035); }),
               1.4f);
    synth::Mix(s, Ring(len, 185, 9, 42), 0.9f);
    synth::Saturate(s, 2.0);
    synth::FadeOut(s, 0.05);
    return {s, {}};
}

// Vowel colours of a shouting male voice.
constexpr synth::Vowel kVowelA{820, 1250, 2650};
constexpr synth::Vowel kVowelO{560, 900, 2500};
constexpr synth::Vowel kVowelE{480, 1950, 2650};
constexpr synth::Vowel kVowelI{320, 2250, 2950};

// "Hah!": breathy onset, open vowel, pitch up then falling.
Stereo Vorne01() {
    synth::VoiceShape v;
    v.seconds = 0.34;
    v.from = v.to = kVowelA;
    v.aspiration = 0.035;
    v.breath = 0.12;
    v.attack = 0.02;
    v.release = 0.12;
    v.seed = 51;
    Signal s = synth::Voice(v, [](double t) {
        return t < 0.08 ? 185 + 90 * (t / 0.08) : 275 - 95 * std::min(1.0, (t - 0.08) / 0.26);
    });
    synth::Saturate(s, 1.4);
    synth::FadeOut(s, 0.03);  // saturation lifts the fade: close it again
    return {s, {}};
}

// "Toh!": a hard "t", a short round vowel, clipped off.
Stereo Vorne02() {
    synth::VoiceShape v;
    v.seconds = 0.22;
    v.from = kVowelO;
    v.to = synth::Vowel{500, 820, 2450};
    v.glideStart = 0.04;
    v.glideEnd = 0.2;
    v.breath = 0.1;
    v.attack = 0.008;
    v.release = 0.06;
    v.seed = 61;
    Signal voice = synth::Voice(
        v, [](double t) { return t < 0.05 ? 240 + 1000 * t : 290 - 300 * (t - 0.05); });
    Signal s = BandNoise(
        0.02, 62, [](double) { return 3500.0; }, 1.5,
        [](double t) { return AttackDecay(t, 0.0005, 0.004); });
    synth::Mix(s, voice, 1.0f, static_cast<size_t>(0.012 * synth::kWorkRate));
    synth::Saturate(s, 1.5);
    synth::FadeOut(s, 0.03);  // saturation lifts the fade: close it again
    return {s, {}};
}

// "Ei-yaa!": the long kiai, a bright "ei" sliding through "y" into a full "aa".
Stereo Vorne03() {
    synth::VoiceShape v;
    v.seconds = 0.56;
    v.from = kVowelE;
    v.to = kVowelA;
    v.glideStart = 0.15;
    v.glideEnd = 0.26;
    v.aspiration = 0.015;
    v.breath = 0.1;
    v.attack = 0.02;
    v.release = 0.16;
    v.seed = 71;
    Signal s = synth::Voice(v, [](double t) {
        if (t < 0.14) return 205 + 80 * t;            // "ei"
        if (t < 0.2) return 216 - 450 * (t - 0.14);   // the dip into "y"
        if (t < 0.28) return 189 + 1400 * (t - 0.2);  // the leap up
        return 301 - 250 * (t - 0.28);                // falling "aa"
    });
    // The "y": a brief dip in loudness with the vowel passing near "i".
    synth::VoiceShape y = v;
    y.from = y.to = kVowelI;
    y.aspiration = 0;
    y.seed = 72;
    Signal glide = synth::Voice(y, [](double) { return 200.0; });
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        const double dip = std::exp(-std::pow((t - 0.19) / 0.03, 2));
        s[i] = static_cast<float>(s[i] * (1 - 0.55 * dip) + glide[i] * 0.5 * dip);
    }
    synth::Saturate(s, 1.4);
    synth::FadeOut(s, 0.03);  // saturation lifts the fade: close it again
    return {s, {}};
}

// The heavy body hit every landed attack plays: a deep punch in the gut with a smack on top.
Stereo HitDosh() {
    const double len = 0.42;
    Signal body = Thump(len, 170, 48, 0.035, 0.13);
    Stereo s{body, body};
    for (int c = 0; c < 2; ++c) {
        Signal& ch = c == 0 ? s.left : s.right;
        synth::Mix(ch,
                   DarkNoise(
                       len, 81 + c, [](double t) { return 350 + 3500 * std::exp(-t / 0.025); },
                       [](double t) { return AttackDecay(t, 0.001, 0.06); }),
                   1.5f);
        synth::Mix(ch,
                   BandNoise(
                       len, 83 + c, [](double) { return 950.0; }, 1.3,
                       [](double t) { return AttackDecay(t, 0.0008, 0.03); }),
                   1.3f);
        synth::Mix(ch,
                   BandNoise(
                       0.02, 85 + c, [](double) { return 4200.0; }, 0.9,
                       [](double t) { return AttackDecay(t, 0.0003, 0.004); }),
                   0.8f);
    }
    Room(s.left, s.right, 0.22);
    s.left.resize(static_cast<size_t>(len * synth::kWorkRate));
    s.right.resize(s.left.size());
    for (Signal* ch : {&s.left, &s.right}) {
        synth::Saturate(*ch, 2.6);
        synth::RemoveDc(*ch);
        synth::FadeOut(*ch, 0.08);
    }
    return s;
}

// A slap: open hand on skin, bright and over at once.
Stereo HitBach() {
    const double len = 0.16;
    Signal s = BandNoise(
        len, 91, [](double t) { return 2600 - 1200 * std::min(1.0, t / 0.05); }, 0.8,
        [](double t) { return AttackDecay(t, 0.0004, 0.022); });
    Biquad hp;
    hp.HighPass(700, 0.7);
    for (float& x : s)
        x = hp.Process(x);
    synth::Mix(s, Thump(len, 420, 300, 0.02, 0.025), 0.5f);
    synth::Saturate(s, 1.5);
    synth::FadeOut(s, 0.04);
    return {s, {}};
}

// A crack: a hard strike on bone, a wooden snap that rings for an instant.
Stereo HitGats() {
    const double len = 0.2;
    Signal core = Ring(len, 1750, 14, 101);
    synth::Mix(core, Ring(len, 3150, 11, 102), 0.7f);
    synth::Mix(core, Ring(len, 620, 6, 103), 0.8f);
    synth::Normalize(core, 0.8f);
    Signal snap = BandNoise(
        len, 104, [](double) { return 2500.0; }, 0.7,
        [](double t) { return AttackDecay(t, 0.0003, 0.012); });
    Stereo s{core, core};
    synth::Mix(s.left, snap, 1.4f);
    synth::Mix(s.right, snap, 1.0f, static_cast<size_t>(0.0007 * synth::kWorkRate));
    s.right.resize(s.left.size());
    synth::Mix(s.left, Thump(len, 240, 120, 0.02, 0.03), 0.5f);
    synth::Mix(s.right, Thump(len, 240, 120, 0.02, 0.03), 0.5f);
    for (Signal* ch : {&s.left, &s.right}) {
        synth::Saturate(*ch, 1.8);
        synth::FadeOut(*ch, 0.05);
    }
    return s;
}

// A thud: a knee into a body, low and short.
Stereo HitDoka() {
    const double len = 0.3;
    Signal s = Thump(len, 120, 55, 0.04, 0.1);
    synth::Mix(s,
               DarkNoise(
                   len, 111, [](double t) { return 250 + 1200 * std::exp(-t / 0.015); },
                   [](double t) { return AttackDecay(t, 0.001, 0.05); }),
               1.8f);
    synth::Saturate(s, 2.2);
    synth::RemoveDc(s);
    synth::FadeOut(s, 0.06);
    return {s, {}};
}

// The stance switch: a quick shuffle of the feet and a small rising blip.
Stereo Switch() {
    const double len = 0.13;
    Signal s = synth::Silence(len);
    for (int k = 0; k < 2; ++k) {
        Signal scrape = BandNoise(
            0.035, 121 + k, [](double) { return 1800.0; }, 1.4,
            [](double t) { return Swell(t, 0.035, 0.3); });
        synth::Mix(s, scrape, 0.9f, static_cast<size_t>((0.005 + 0.045 * k) * synth::kWorkRate));
    }
    const double blipStart = 0.055, blipLen = 0.06;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i) - blipStart;
        if (t < 0 || t > blipLen) continue;
        phase += (700 + 500 * t / blipLen) / synth::kWorkRate;
        const double square = std::fmod(phase, 1.0) < 0.5 ? 1.0 : -1.0;
        s[i] += static_cast<float>(0.35 * square * Swell(t, blipLen, 0.15));
    }
    Biquad lp;
    lp.LowPass(3000, 0.7);
    for (float& x : s)
        x = lp.Process(x);
    synth::FadeOut(s, 0.015);
    return {s, {}};
}

// A blocked hit: the blow lands on forearms, dull and padded, no crack.
Stereo Guard() {
    const double len = 0.2;
    Signal s = DarkNoise(
        len, 131, [](double t) { return 450 + 900 * std::exp(-t / 0.01); },
        [](double t) { return AttackDecay(t, 0.002, 0.045); });
    synth::Mix(s, Thump(len, 140, 85, 0.02, 0.05), 0.7f);
    synth::Mix(s,
               BandNoise(
                   len, 132, [](double) { return 420.0; }, 3.0,
                   [](double t) { return AttackDecay(t, 0.003, 0.03); }),
               0.8f);
    synth::Saturate(s, 1.4);
    synth::RemoveDc(s);
    synth::FadeOut(s, 0.05);
    return {s, {}};
}

// No stamina: a low "bzz-bzz", the second buzz a step lower.
Stereo AtNg() {
    const double len = 0.3;
    Signal s = synth::Silence(len);
    const double starts[2] = {0.0, 0.15}, pitch[2] = {98, 82};
    for (int k = 0; k < 2; ++k) {
        double pa = 0, pb = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = TimeOf(i) - starts[k];
            if (t < 0 || t > 0.12) continue;
            pa += pitch[k] / synth::kWorkRate;
            pb += pitch[k] * 1.012 / synth::kWorkRate;
            const double saw = (std::fmod(pa, 1.0) * 2 - 1) + (std::fmod(pb, 1.0) * 2 - 1);
            const double gate = std::min({1.0, t / 0.006, (0.12 - t) / 0.012});
            s[i] += static_cast<float>(0.5 * saw * gate);
        }
    }
    Biquad lp, lp2;
    lp.LowPass(1400, 1.2);
    lp2.LowPass(2200, 0.7);
    for (float& x : s)
        x = lp2.Process(lp.Process(x));
    synth::Saturate(s, 1.5);
    synth::FadeOut(s, 0.01);
    return {s, {}};
}

struct Effect {
    const char* name;
    Stereo (*make)();
    WaveFormat format;
    float peak;
};

// In load order. The formats vary on purpose, as the old effects did: the mixer converts.
const Effect kEffects[] = {
    {"SND_SELECT", Select, {44100, 2, 16, true}, 0.8f},
    {"SND_SHU", Shu, {22050, 1, 8, false}, 0.7f},
    {"SND_FURI_PUNC", FuriPunch, {22050, 1, 16, false}, 0.72f},
    {"SND_FURI_KICK", FuriKick, {32000, 1, 16, true}, 0.8f},
    {"SND_DAN", Dan, {11025, 1, 8, false}, 0.9f},
    {"SND_VORNE01", Vorne01, {22050, 1, 16, false}, 0.75f},
    {"SND_VORNE02", Vorne02, {16000, 1, 8, false}, 0.75f},
    {"SND_VORNE03", Vorne03, {22050, 1, 16, false}, 0.75f},
    {"SND_HIT_DOSH", HitDosh, {44100, 2, 16, false}, 0.97f},
    {"SND_HIT_BACH", HitBach, {44100, 1, 16, false}, 0.9f},
    {"SND_HIT_GATS", HitGats, {22050, 2, 16, true}, 0.9f},
    {"SND_HIT_DOKA", HitDoka, {11025, 1, 16, false}, 0.92f},
    {"SND_SWITCH", Switch, {8000, 1, 8, false}, 0.6f},
    {"SND_GUARD", Guard, {22050, 1, 16, true}, 0.8f},
    {"SND_AT_NG", AtNg, {11025, 1, 8, false}, 0.65f},
};

std::vector<uint8_t> MakeWave(const Effect& e) {
    Stereo s = e.make();
    if (e.format.channels == 2 && s.right.empty()) s.right = s.left;
    Signal left = synth::Resample(s.left, e.format.rate);
    Signal right = e.format.channels == 2 ? synth::Resample(s.right, e.format.rate) : Signal{};
    const float peak = std::max(synth::Peak(left), synth::Peak(right));
    if (peak > 0) {
        for (float& x : left)
            x *= e.peak / peak;
        for (float& x : right)
            x *= e.peak / peak;
    }
    // The shuffle blip keeps an odd sample count so that one file needs its pad byte.
    if (e.format.channels == 1 && e.format.bits == 8 && e.format.rate == 8000 &&
        left.size() % 2 == 0)
        left.pop_back();
    return EncodeWave(left, right, e.format);
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Writes only when the content differs, so that an unchanged sound does not rebuild the game.
bool WriteIfChanged(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (std::filesystem::exists(path) && ReadAll(path) == bytes) return true;
    return WriteFile(path, bytes);
}

uint32_t Fnv1a(const std::vector<uint8_t>& bytes) {
    uint32_t h = 2166136261u;
    for (uint8_t b : bytes)
        h = (h ^ b) * 16777619u;
    return h;
}

}  // namespace

bool GenerateSounds(const Output& out) {
    const std::string dir =
        std::filesystem::absolute(std::filesystem::path(out.generatedDir) / "waves").string();
    std::string table, symbols, incbins, summary;
    bool ok = true;
    int index = 0;
    for (const Effect& e : kEffects) {
        const std::vector<uint8_t> wave = MakeWave(e);
        const std::string path = dir + "/" + e.name + ".wav";
        // The path goes into an assembler string as it stands.
        if (path.find_first_of("\"\\\n") != std::string::npos) return false;
        ok = WriteIfChanged(path, wave) && ok;
        const std::string sym = "tovuka_wave_" + std::to_string(index++);
        char line[160];
        std::snprintf(line, sizeof line, "// %-14s %6zu bytes  %5d Hz %d-bit %s  fnv1a %08x\n",
                      e.name, wave.size(), e.format.rate, e.format.bits,
                      e.format.channels == 2 ? "stereo" : "mono  ", Fnv1a(wave));
        summary += line;
        incbins += "    \".globl " + sym + "\\n.hidden " + sym + "\\n.balign 16\\n" + sym +
                   ":\\n.incbin \\\"" + path + "\\\"\\n\"\n";
        symbols += "extern \"C\" const uint8_t " + sym + "[];\n";
        table += "    {\"" + std::string(e.name) + "\", " + sym + ", " +
                 std::to_string(wave.size()) + "},\n";
    }
    // The summary lines carry each file's checksum, so a changed sound changes this source and
    // the resource library is rebuilt with the new bytes.
    const std::string source =
        "// Written by the asset generator: the sound effects built into the game.\n" + summary +
        "#include <cstdint>\n\n#include \"audio/wave_resources.h\"\n\n"
        "asm(\".pushsection .rodata\\n\"\n" +
        incbins + "    \".popsection\\n\");\n\n" + symbols +
        "\nnamespace audio {\nnamespace {\nconst WaveResource kWaves[] = {\n" + table +
        "};\n}  // namespace\n\n"
        "std::span<const WaveResource> BuiltInWaveResources() { return kWaves; }\n\n"
        "}  // namespace audio\n";
    return WriteIfChanged(out.generatedDir + "/wave_resources.cpp",
                          std::vector<uint8_t>(source.begin(), source.end())) &&
           ok;
}

}  // namespace assetgen
