#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

#include "comum.hpp"
#include "sounds.hpp"

using rectest::generatedRoot;
using rectest::readFile;

namespace {

struct Wav {
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::vector<double> left;  // first channel, -1..1
};

uint32_t le32(const std::vector<uint8_t>& b, size_t i) {
  return b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (static_cast<uint32_t>(b[i + 3]) << 24);
}
uint16_t le16(const std::vector<uint8_t>& b, size_t i) { return static_cast<uint16_t>(b[i] | (b[i + 1] << 8)); }

// Walks the RIFF chunks rather than assuming a fixed header layout.
Wav parseWav(const std::vector<uint8_t>& b) {
  Wav w;
  EXPECT_GE(b.size(), 44u);
  if (b.size() < 12) return w;
  EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
  EXPECT_EQ(std::memcmp(b.data() + 8, "WAVE", 4), 0);
  EXPECT_EQ(le32(b, 4), b.size() - 8);
  size_t i = 12;
  bool fmt = false;
  while (i + 8 <= b.size()) {
    const uint32_t len = le32(b, i + 4);
    EXPECT_LE(i + 8 + len, b.size());
    if (i + 8 + len > b.size()) break;
    if (std::memcmp(&b[i], "fmt ", 4) == 0) {
      EXPECT_EQ(le16(b, i + 8), 1) << "not PCM";
      w.channels = le16(b, i + 10);
      w.rate = static_cast<int>(le32(b, i + 12));
      w.bits = le16(b, i + 22);
      EXPECT_EQ(le32(b, i + 16), static_cast<uint32_t>(w.rate * w.channels * w.bits / 8));
      fmt = true;
    } else if (std::memcmp(&b[i], "data", 4) == 0) {
      EXPECT_TRUE(fmt);
      if (w.bits != 16 || w.channels < 1) break;
      for (size_t s = i + 8; s + 1 < i + 8 + len; s += 2 * static_cast<size_t>(w.channels))
        w.left.push_back(static_cast<int16_t>(le16(b, s)) / 32768.0);
    }
    i += 8 + len + (len & 1);
  }
  return w;
}

const char* const kEffects[] = {"jogador-moveu", "comp-moveu", "captura", "xeque",
                                "perdeu",        "venceu",     "empatou", "beep"};

Wav effect(const std::string& stem) { return parseWav(readFile(generatedRoot() / "audio" / (stem + ".wav"))); }

// Mean pitch of a stretch, from zero crossings of the loud part only.
double pitchOf(const std::vector<double>& x, double from, double to, int rate) {
  const size_t a = static_cast<size_t>(from * x.size()), b = static_cast<size_t>(to * x.size());
  double peak = 0;
  for (size_t i = a; i < b; ++i) peak = std::max(peak, std::abs(x[i]));
  int crossings = 0;
  size_t loud = 0;
  for (size_t i = a + 1; i < b; ++i) {
    if (std::abs(x[i]) < 0.05 * peak && std::abs(x[i - 1]) < 0.05 * peak) continue;
    ++loud;
    if ((x[i - 1] < 0) != (x[i] < 0)) ++crossings;
  }
  return loud ? crossings / 2.0 / (static_cast<double>(loud) / rate) : 0.0;
}

}  // namespace

TEST(Sounds, EffectsAreShortCleanPcmAtTheMixerRate) {
  for (const char* stem : kEffects) {
    SCOPED_TRACE(stem);
    const Wav w = effect(stem);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_EQ(w.bits, 16);
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    ASSERT_FALSE(w.left.empty());
    const double seconds = static_cast<double>(w.left.size()) / w.rate;
    EXPECT_LT(seconds, 1.0);
    EXPECT_GT(seconds, 0.08);
    double peak = 0;
    for (double v : w.left) peak = std::max(peak, std::abs(v));
    const double db = 20 * std::log10(peak);
    EXPECT_LE(db, -3.0);
    EXPECT_GE(db, -6.0);
    // Starts and ends at rest, so there is no click at either edge.
    EXPECT_LT(std::abs(w.left.front()), 0.002);
    EXPECT_LT(std::abs(w.left.back()), 0.002);
    for (size_t i = 0; i < 5; ++i) EXPECT_LT(std::abs(w.left[i]), 0.05);
    double tail = 0;
    for (size_t i = w.left.size() - 110; i < w.left.size(); ++i) tail = std::max(tail, std::abs(w.left[i]));
    EXPECT_LT(tail, 0.1 * peak);
  }
}

TEST(Sounds, EffectsAreDistinct) {
  std::map<std::string, std::pair<double, double>> feature;
  for (const char* stem : kEffects) {
    const Wav w = effect(stem);
    feature[stem] = {static_cast<double>(w.left.size()) / w.rate, pitchOf(w.left, 0.0, 1.0, w.rate)};
  }
  for (auto a = feature.begin(); a != feature.end(); ++a)
    for (auto b = std::next(a); b != feature.end(); ++b) {
      const bool lengthDiffers = std::abs(a->second.first - b->second.first) > 0.1 * a->second.first;
      const bool pitchDiffers = std::abs(a->second.second - b->second.second) > 0.1 * a->second.second;
      EXPECT_TRUE(lengthDiffers || pitchDiffers) << a->first << " vs " << b->first;
    }
  // The computer's move is the lower of the two clicks.
  EXPECT_LT(feature["comp-moveu"].second, feature["jogador-moveu"].second);
}

TEST(Sounds, PhrasesMoveInTheirDirection) {
  const Wav win = effect("venceu"), loss = effect("perdeu"), draw = effect("empatou"), check = effect("xeque");
  EXPECT_GT(pitchOf(win.left, 0.55, 0.9, win.rate), 1.5 * pitchOf(win.left, 0.0, 0.12, win.rate));
  EXPECT_LT(pitchOf(loss.left, 0.6, 0.9, loss.rate), 0.8 * pitchOf(loss.left, 0.0, 0.2, loss.rate));
  const double drawStart = pitchOf(draw.left, 0.0, 0.2, draw.rate), drawEnd = pitchOf(draw.left, 0.6, 0.9, draw.rate);
  EXPECT_NEAR(drawEnd, drawStart, 0.1 * drawStart);
  EXPECT_GT(pitchOf(draw.left, 0.28, 0.45, draw.rate), 1.2 * drawStart);
  // Two tones, the second higher, with a gap between them.
  EXPECT_GT(pitchOf(check.left, 0.5, 0.9, check.rate), 1.2 * pitchOf(check.left, 0.0, 0.3, check.rate));
  const size_t gap = static_cast<size_t>(0.135 * check.rate);
  EXPECT_LT(std::abs(check.left[gap]), 0.05);
}

TEST(Sounds, WavEncodingRoundTrips) {
  std::vector<double> in;
  for (int i = 0; i < 500; ++i) in.push_back(std::sin(i * 0.05) * 0.9);
  in.push_back(1.5);  // out of range is clamped, not wrapped
  in.push_back(-1.5);
  const Wav w = parseWav(rec::encodeWav(in, 22050));
  ASSERT_EQ(w.left.size(), in.size());
  EXPECT_EQ(w.channels, 1);
  for (size_t i = 0; i < 500; ++i) EXPECT_NEAR(w.left[i], in[i], 2.0 / 32768);
  EXPECT_GT(w.left[500], 0.999);
  EXPECT_LT(w.left[501], -0.999);
}
