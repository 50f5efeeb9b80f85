#include "sounds.hpp"

#include <algorithm>
#include <cmath>

namespace rec {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.6;  // about -4.4 dBFS

struct Mode {
  double freq;
  double amp;
  double tau;  // seconds for the amplitude to fall by 1/e
};

class Synth {
 public:
  explicit Synth(double seconds) : buf_(static_cast<size_t>(seconds * kSampleRate), 0.0) {}

  // A struck object: a handful of exponentially decaying partials.
  void strike(double start, const std::vector<Mode>& modes, double gain) {
    forEach(start, [&](double t) {
      double v = 0;
      for (const Mode& m : modes) v += m.amp * std::exp(-t / m.tau) * std::sin(2 * kPi * m.freq * t);
      return gain * v * ramp(t, 0.0015);
    });
  }

  // The contact noise of a hit, low-passed so it stays soft.
  void noise(double start, double gain, double tau, double smoothing) {
    double lp = 0;
    forEach(start, [&](double t) {
      lp += (nextNoise() - lp) * smoothing;
      return gain * lp * std::exp(-t / tau) * ramp(t, 0.001);
    });
  }

  // A pitched tone with raised-cosine attack and release and a slow decay.
  void tone(double start, double length, double freq, const std::vector<double>& harmonics, double gain,
            double decay, double vibrato = 0.0) {
    const double release = std::min(0.04, length / 3);
    double phase = 0;
    forEach(start, [&](double t) {
      if (t > length) return 0.0;
      const double f = freq * (1.0 + vibrato * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.15));
      phase += 2 * kPi * f / kSampleRate;
      double v = 0;
      for (size_t k = 0; k < harmonics.size(); ++k) {
        // Upper partials fade sooner, as on real instruments.
        v += harmonics[k] * std::exp(-t * (k + 1) / decay) * std::sin((k + 1) * phase);
      }
      const double env = ramp(t, 0.006) * ramp(length - t, release);
      return gain * v * env;
    });
  }

  std::vector<double> finish() {
    double peak = 0;
    for (double v : buf_) peak = std::max(peak, std::abs(v));
    if (peak > 0)
      for (double& v : buf_) v *= kPeak / peak;
    const size_t fade = kSampleRate / 200;
    for (size_t i = 0; i < fade && i < buf_.size(); ++i) buf_[buf_.size() - 1 - i] *= ramp(i, fade);
    buf_.back() = 0.0;
    return buf_;
  }

 private:
  template <typename F>
  void forEach(double start, F f) {
    for (size_t i = static_cast<size_t>(start * kSampleRate); i < buf_.size(); ++i)
      buf_[i] += f(static_cast<double>(i) / kSampleRate - start);
  }

  static double ramp(double t, double length) {
    if (t <= 0) return 0.0;
    if (t >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * t / length);
  }

  double nextNoise() {
    // xorshift: the same noise every run keeps the files byte-identical.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
  }

  std::vector<double> buf_;
  uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

double note(double semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

std::vector<double> woodClick(double pitch, double seconds) {
  Synth s(seconds);
  s.noise(0, 0.35, 0.0018, 0.35);
  s.strike(0, {{1150 * pitch, 1.0, 0.018}, {2350 * pitch, 0.45, 0.009}, {3900 * pitch, 0.22, 0.005},
               {520 * pitch, 0.35, 0.026}},
           1.0);
  return s.finish();
}

std::vector<double> capture() {
  Synth s(0.34);
  s.noise(0, 0.9, 0.003, 0.6);
  s.strike(0, {{1450, 1.0, 0.02}, {3050, 0.6, 0.01}, {4800, 0.35, 0.006}, {700, 0.5, 0.03}}, 1.0);
  s.strike(0, {{170, 0.6, 0.05}}, 1.0);
  s.noise(0.075, 0.5, 0.0025, 0.5);
  s.strike(0.075, {{980, 0.7, 0.025}, {2150, 0.35, 0.012}, {3600, 0.2, 0.007}}, 0.8);
  return s.finish();
}

std::vector<double> check() {
  Synth s(0.37);
  const std::vector<double> bell = {1.0, 0.35, 0.12};
  s.tone(0.0, 0.12, note(14), bell, 1.0, 0.25);  // B5
  s.tone(0.15, 0.2, note(19), bell, 1.0, 0.25);  // E6
  return s.finish();
}

std::vector<double> phrase(const std::vector<std::pair<double, double>>& notes, double ring, double seconds,
                           const std::vector<double>& timbre, double decay, double vibrato) {
  Synth s(seconds);
  for (size_t i = 0; i < notes.size(); ++i) {
    const bool lastNote = i + 1 == notes.size();
    const double start = notes[i].second;
    const double length = lastNote ? seconds - start - 0.01 : notes[i + 1].second - start + ring;
    s.tone(start, length, notes[i].first, timbre, lastNote ? 1.0 : 0.85, decay, lastNote ? vibrato : 0.0);
  }
  return s.finish();
}

}  // namespace

std::vector<Sound> synthesiseEffects() {
  std::vector<Sound> out;
  out.push_back({"jogador-moveu", woodClick(1.0, 0.16)});
  out.push_back({"comp-moveu", woodClick(0.72, 0.19)});
  out.push_back({"captura", capture()});
  out.push_back({"xeque", check()});
  // G4 Eb4 C4: a minor fall.
  out.push_back({"perdeu", phrase({{note(-2), 0.0}, {note(-6), 0.24}, {note(-9), 0.48}}, 0.03, 0.95,
                                  {1.0, 0.15, 0.35, 0.05, 0.15}, 0.6, 0.006)});
  // C5 E5 G5 C6: a major rise.
  out.push_back({"venceu", phrase({{note(3), 0.0}, {note(7), 0.13}, {note(10), 0.26}, {note(15), 0.39}}, 0.06,
                                  0.9, {1.0, 0.4, 0.25, 0.1}, 0.4, 0.004)});
  // A4 D5 A4: out and back to where it started.
  out.push_back({"empatou", phrase({{note(0), 0.0}, {note(5), 0.2}, {note(0), 0.4}}, 0.02, 0.8,
                                   {1.0, 0.0, 0.11, 0.0, 0.04}, 0.5, 0.0)});
  {
    Synth s(0.16);
    s.tone(0, 0.15, 440, {1.0, 0.0, 0.3, 0.0, 0.15}, 1.0, 2.0);
    out.push_back({"beep", s.finish()});
  }
  return out;
}

std::vector<uint8_t> encodeWav(const std::vector<double>& samples, int rate) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  // Sized once and filled in place: growing it byte by byte made g++ 12 at -O2
  // see a write past a four-byte block that never happens.
  std::vector<uint8_t> b(44 + static_cast<size_t>(dataBytes));
  size_t at = 0;
  auto u32 = [&b, &at](uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at++] = static_cast<uint8_t>(v >> (8 * i));
  };
  auto u16 = [&b, &at](uint16_t v) {
    b[at++] = static_cast<uint8_t>(v);
    b[at++] = static_cast<uint8_t>(v >> 8);
  };
  auto tag = [&b, &at](const char* t) {
    for (int i = 0; i < 4; ++i) b[at++] = static_cast<uint8_t>(t[i]);
  };
  tag("RIFF");
  u32(36 + dataBytes);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<uint32_t>(rate));
  u32(static_cast<uint32_t>(rate) * 2);
  u16(2);
  u16(16);
  tag("data");
  u32(dataBytes);
  for (double v : samples) {
    const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
    u16(static_cast<uint16_t>(static_cast<int16_t>(q)));
  }
  return b;
}

}  // namespace rec
