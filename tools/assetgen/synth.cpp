// The sound-effect synthesiser: plain double-precision DSP, no state shared between sounds.
#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen::synth {

float Noise::Next() {
    // xorshift32: tiny, fast, and the same on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(static_cast<double>(state_) / 2147483648.0 - 1.0);
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::LowPass(double freq, double q, int rate) {
    const double w = 2 * kPi * std::clamp(freq, 10.0, rate * 0.49) / rate;
    const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
    Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::HighPass(double freq, double q, int rate) {
    const double w = 2 * kPi * std::clamp(freq, 10.0, rate * 0.49) / rate;
    const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
    Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::BandPass(double freq, double q, int rate) {
    const double w = 2 * kPi * std::clamp(freq, 10.0, rate * 0.49) / rate;
    const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
    Set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::Process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

Signal Silence(double seconds) {
    return Signal(static_cast<size_t>(std::lround(seconds * kWorkRate)), 0.0f);
}

double AttackDecay(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

void FadeOut(Signal& s, double seconds) {
    const size_t n = std::min(s.size(), static_cast<size_t>(seconds * kWorkRate));
    for (size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(n));
}

void FadeIn(Signal& s, double seconds) {
    const size_t n = std::min(s.size(), static_cast<size_t>(seconds * kWorkRate));
    for (size_t i = 0; i < n; ++i)
        s[i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(n));
}

void Mix(Signal& a, const Signal& b, float gain, size_t offset) {
    if (a.size() < offset + b.size()) a.resize(offset + b.size(), 0.0f);
    for (size_t i = 0; i < b.size(); ++i)
        a[offset + i] += gain * b[i];
}

void Saturate(Signal& s, double drive) {
    Normalize(s, 1.0f);
    const double norm = std::tanh(drive);
    for (float& x : s)
        x = static_cast<float>(std::tanh(drive * x) / norm);
}

float Peak(const Signal& s) {
    float p = 0;
    for (float x : s)
        p = std::max(p, std::fabs(x));
    return p;
}

void Normalize(Signal& s, float peak) {
    const float p = Peak(s);
    if (p <= 0) return;
    for (float& x : s)
        x *= peak / p;
}

void RemoveDc(Signal& s) {
    double prevIn = 0, prevOut = 0;
    for (float& x : s) {
        const double y = x - prevIn + 0.995 * prevOut;
        prevIn = x;
        prevOut = y;
        x = static_cast<float>(y);
    }
}

Signal Sweep(double seconds, const Contour& freq) {
    Signal s = Silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<float>(std::sin(phase));
        phase += 2 * kPi * freq(TimeOf(i)) / kWorkRate;
    }
    return s;
}

namespace {

// The band-limited step correction of a sawtooth at its wrap (keeps the buzz free of
// aliasing whistles).
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

double Lerp(double a, double b, double k) {
    return a + (b - a) * k;
}

// One formant of the vocal tract: a two-pole resonance with unity gain at 0 Hz, so that a
// chain of them shapes the buzz the way a throat and mouth do.
class Resonator {
  public:
    void Set(double freq, double bandwidth) {
        const double r = std::exp(-kPi * bandwidth / kWorkRate);
        c_ = -r * r;
        b_ = 2 * r * std::cos(2 * kPi * freq / kWorkRate);
        a_ = 1 - b_ - c_;
    }
    double Process(double x) {
        const double y = a_ * x + b_ * y1_ + c_ * y2_;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double a_ = 1, b_ = 0, c_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace

Signal Voice(const VoiceShape& shape, const Contour& f0) {
    Signal out = Silence(shape.seconds);
    Noise noise(shape.seed);
    Resonator formant[4];
    Biquad breathTone;
    breathTone.HighPass(700, 0.7);
    Biquad presence;
    presence.HighPass(1800, 0.7);
    double phase = 0, wobble = 0;
    // Formant bandwidths of a strained, shouting voice (a little wider than speech).
    const double widths[4] = {110, 130, 190, 260};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(i);
        double k = 0;
        if (shape.glideEnd > shape.glideStart)
            k = std::clamp((t - shape.glideStart) / (shape.glideEnd - shape.glideStart), 0.0, 1.0);
        const double f[4] = {Lerp(shape.from.f1, shape.to.f1, k),
                             Lerp(shape.from.f2, shape.to.f2, k),
                             Lerp(shape.from.f3, shape.to.f3, k), 3600};
        if (i % 16 == 0)
            for (int j = 0; j < 4; ++j)
                formant[j].Set(f[j], widths[j]);
        // A little slow random pitch drift makes the buzz sound like a throat, not a circuit.
        wobble = 0.999 * wobble + 0.001 * noise.Next();
        const double pitch = f0(t) * (1.0 + 0.6 * wobble);
        const double dt = pitch / kWorkRate;
        phase += dt;
        if (phase >= 1) phase -= 1;
        const double saw = 2 * phase - 1 - PolyBlep(phase, dt);
        const double breath = breathTone.Process(noise.Next());
        // An "h" onset: pure breath, then a quick cross-fade into the voiced shout.
        const double voiced = std::clamp((t - shape.aspiration) / 0.02, 0.0, 1.0);
        const double share = Lerp(1.0, shape.breath, voiced);
        double v = (1 - share) * saw + share * 2.5 * breath;
        for (int j = 0; j < 4; ++j)
            v = formant[j].Process(v);
        // A shout's edge: lift the upper partials that the formant chain rolls off.
        v += 1.5 * presence.Process(static_cast<float>(v));
        out[i] = static_cast<float>(v * AttackDecay(t, shape.attack, 1e9));
    }
    FadeOut(out, shape.release);
    return out;
}

Signal Resample(const Signal& s, int rate) {
    if (rate == kWorkRate) return s;
    const double step = static_cast<double>(kWorkRate) / rate;  // input samples per output
    const double cutoff = 0.45 / step;                          // cycles per input sample
    const double halfWidth = 8.0 / (2 * cutoff);                // eight zero crossings
    const size_t n = static_cast<size_t>(std::floor(static_cast<double>(s.size()) / step));
    Signal out(n, 0.0f);
    for (size_t i = 0; i < n; ++i) {
        const double centre = static_cast<double>(i) * step;
        const long first = static_cast<long>(std::ceil(centre - halfWidth));
        const long last = static_cast<long>(std::floor(centre + halfWidth));
        double acc = 0;
        for (long j = std::max(first, 0L); j <= last && j < static_cast<long>(s.size()); ++j) {
            const double x = static_cast<double>(j) - centre;
            const double arg = 2 * cutoff * x;
            const double sinc = arg == 0 ? 1.0 : std::sin(kPi * arg) / (kPi * arg);
            const double window = 0.5 + 0.5 * std::cos(kPi * x / halfWidth);  // Hann
            acc += s[static_cast<size_t>(j)] * 2 * cutoff * sinc * window;
        }
        out[i] = static_cast<float>(acc);
    }
    return out;
}

}  // namespace assetgen::synth
