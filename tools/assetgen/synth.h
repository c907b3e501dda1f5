// A tiny deterministic synthesiser for the game's sound effects: noise, oscillators,
// envelopes, resonant filters, formant voices, and the resampler that brings a sound from the
// working rate to the rate it is stored at.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen::synth {

// Every effect is built at this rate and resampled to its stored rate at the end.
inline constexpr int kWorkRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<float>;

// White noise from a fixed seed: the same sequence on every run.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    float Next();  // uniform in [-1, 1)

  private:
    uint32_t state_;
};

// A second-order filter (the usual cookbook shapes); coefficients may change per sample.
class Biquad {
  public:
    void LowPass(double freq, double q, int rate = kWorkRate);
    void HighPass(double freq, double q, int rate = kWorkRate);
    void BandPass(double freq, double q, int rate = kWorkRate);  // 0 dB peak gain
    float Process(float x);

  private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A buffer of the given length in seconds at the working rate.
Signal Silence(double seconds);
inline double TimeOf(size_t i) {
    return static_cast<double>(i) / kWorkRate;
}

// Envelopes: a linear attack, then an exponential decay with the given time constant.
double AttackDecay(double t, double attack, double decay);
// Linear fade to zero over the last `seconds` of a buffer (so no sound ends with a click).
void FadeOut(Signal& s, double seconds);
// Linear fade in over the first `seconds`.
void FadeIn(Signal& s, double seconds);

// Adds b (scaled) into a, starting at sample offset.
void Mix(Signal& a, const Signal& b, float gain = 1.0f, size_t offset = 0);
// Soft saturation of the signal brought to a peak of 1: drive > 1 thickens and compresses
// the peaks.
void Saturate(Signal& s, double drive);
// Peak of |s|.
float Peak(const Signal& s);
// Scales so that the peak becomes `peak`.
void Normalize(Signal& s, float peak);
// A one-pole DC blocker (removes offsets that saturation leaves behind).
void RemoveDc(Signal& s);

// A function of time in seconds (a pitch or a cut-off contour).
using Contour = std::function<double(double)>;

// A sine whose frequency follows freq(t) (phase-continuous).
Signal Sweep(double seconds, const Contour& freq);

// A voice: a glottal buzz at pitch f0(t) through the formants of a vowel that may glide from
// one vowel to another; breath noise mixed in by `breath`.
struct Vowel {
    double f1, f2, f3;  // formant frequencies, Hz
};
struct VoiceShape {
    double seconds = 0.3;
    Vowel from{}, to{};     // the vowel glides from `from` to `to`
    double glideStart = 0;  // seconds
    double glideEnd = 0;
    double breath = 0.15;   // share of noise in the source
    double aspiration = 0;  // seconds of voiceless breath before the voice starts ("h")
    double attack = 0.01;
    double release = 0.08;  // fade at the end
    uint32_t seed = 1;
};
Signal Voice(const VoiceShape& shape, const Contour& f0);

// Resamples from the working rate to `rate` (windowed-sinc low-pass, cut below the new
// Nyquist frequency).
Signal Resample(const Signal& s, int rate);

}  // namespace assetgen::synth
