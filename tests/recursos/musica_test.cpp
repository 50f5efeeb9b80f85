#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>

#include "comum.hpp"
#include "midi.hpp"
#include "music.hpp"

using namespace rec;
using rectest::generatedRoot;
using rectest::readFile;

namespace {

struct NoteSpan {
  int channel;
  int key;
  int velocity;
  uint32_t on;
  uint32_t off;
};

struct Song {
  int format = -1;
  int division = 0;
  std::vector<uint32_t> trackEnds;
  std::vector<uint32_t> tempos;  // microseconds per beat, in order
  std::vector<NoteSpan> notes;
  std::map<int, uint32_t> firstProgram;  // channel -> tick of its program change
  std::map<int, int> volume;             // channel -> CC 7
  std::map<int, int> lastPedal;          // channel -> last CC 64 value
};

uint32_t be32(const std::vector<uint8_t>& b, size_t i) {
  return (static_cast<uint32_t>(b[i]) << 24) | (b[i + 1] << 16) | (b[i + 2] << 8) | b[i + 3];
}

uint32_t readVarLen(const std::vector<uint8_t>& b, size_t& i, size_t end) {
  uint32_t v = 0;
  for (int n = 0; n < 4; ++n) {
    if (i >= end) throw std::runtime_error("truncated number");
    const uint8_t c = b[i++];
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) return v;
  }
  throw std::runtime_error("number longer than four bytes");
}

// A strict reader: it fails on hanging or doubled notes and on data after the end of a track.
Song parseMidi(const std::vector<uint8_t>& b) {
  Song s;
  if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) != 0 || be32(b, 4) != 6) throw std::runtime_error("bad header");
  s.format = (b[8] << 8) | b[9];
  const int tracks = (b[10] << 8) | b[11];
  s.division = (b[12] << 8) | b[13];
  size_t i = 14;
  for (int t = 0; t < tracks; ++t) {
    if (i + 8 > b.size() || std::memcmp(&b[i], "MTrk", 4) != 0) throw std::runtime_error("missing track");
    const size_t end = i + 8 + be32(b, i + 4);
    if (end > b.size()) throw std::runtime_error("track past end of file");
    i += 8;
    uint32_t tick = 0;
    uint8_t status = 0;
    bool ended = false;
    std::map<std::pair<int, int>, std::pair<uint32_t, int>> sounding;
    while (i < end) {
      if (ended) throw std::runtime_error("data after end of track");
      tick += readVarLen(b, i, end);
      if (b[i] & 0x80) status = b[i++];
      if (status == 0xFF) {
        const uint8_t type = b[i++];
        const uint32_t len = readVarLen(b, i, end);
        if (type == 0x51) s.tempos.push_back((b[i] << 16) | (b[i + 1] << 8) | b[i + 2]);
        if (type == 0x2F) {
          ended = true;
          s.trackEnds.push_back(tick);
        }
        i += len;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        i += readVarLen(b, i, end);
        continue;
      }
      const int kind = status & 0xF0, ch = status & 0x0F;
      const int d1 = b[i++];
      const int d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : b[i++];
      if (kind == 0x90 && d2 > 0) {
        if (sounding.count({ch, d1})) throw std::runtime_error("note struck while still on");
        sounding[{ch, d1}] = {tick, d2};
      } else if (kind == 0x80 || kind == 0x90) {
        auto it = sounding.find({ch, d1});
        if (it == sounding.end()) throw std::runtime_error("note-off without note-on");
        s.notes.push_back({ch, d1, it->second.second, it->second.first, tick});
        sounding.erase(it);
      } else if (kind == 0xC0) {
        s.firstProgram.emplace(ch, tick);
      } else if (kind == 0xB0 && d1 == 7) {
        s.volume[ch] = d2;
      } else if (kind == 0xB0 && d1 == 64) {
        s.lastPedal[ch] = d2;
      }
    }
    if (!ended) throw std::runtime_error("track without end");
    if (!sounding.empty()) throw std::runtime_error("notes still sounding at end of track");
  }
  if (i != b.size()) throw std::runtime_error("trailing bytes");
  return s;
}

Song tune(const char* stem) { return parseMidi(readFile(generatedRoot() / "audio" / (std::string(stem) + ".mid"))); }

}  // namespace

TEST(Midi, VariableLengthNumbersFollowTheFileFormat) {
  const std::vector<std::pair<uint32_t, std::vector<uint8_t>>> cases = {
      {0x00, {0x00}},
      {0x7F, {0x7F}},
      {0x80, {0x81, 0x00}},
      {0x2000, {0xC0, 0x00}},
      {0x3FFF, {0xFF, 0x7F}},
      {0x4000, {0x81, 0x80, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}};
  for (const auto& c : cases) {
    std::vector<uint8_t> out;
    appendVarLen(out, c.first);
    EXPECT_EQ(out, c.second) << c.first;
    size_t i = 0;
    EXPECT_EQ(readVarLen(out, i, out.size()), c.first);
  }
}

TEST(Midi, TracksSortOffsBeforeOnsAndRejectLateEvents) {
  MidiTrack t("t");
  t.note(0, 480, 0, 60, 90);
  t.note(480, 480, 0, 60, 90);  // same key struck again as the first one ends
  const Song s = parseMidi(encodeMidiFile({t}, 960));
  ASSERT_EQ(s.notes.size(), 2u);
  EXPECT_EQ(s.notes[0].off, 480u);
  EXPECT_EQ(s.notes[1].on, 480u);
  EXPECT_EQ(s.trackEnds, std::vector<uint32_t>{960});
  EXPECT_THROW(encodeMidiFile({t}, 900), std::invalid_argument);
  EXPECT_THROW(t.note(0, 0, 0, 60, 90), std::invalid_argument);
}

TEST(Notation, PitchesAndBars) {
  EXPECT_EQ(parsePitch("C4"), 60);
  EXPECT_EQ(parsePitch("A4"), 69);
  EXPECT_EQ(parsePitch("C#4"), 61);
  EXPECT_EQ(parsePitch("Bb3"), 58);
  EXPECT_EQ(parsePitch("B#3"), 60);
  EXPECT_EQ(parsePitch("C-1"), 0);
  for (const char* bad : {"", "H4", "C", "C4x", "A9", "Cb-1"}) EXPECT_THROW(parsePitch(bad), std::invalid_argument) << bad;

  const auto m = parseMelody("C4:2 r E4 | G4:1.5 F4:0.5 E4:2", 4);
  ASSERT_EQ(m.size(), 6u);
  EXPECT_EQ(m[1].key, -1);
  EXPECT_DOUBLE_EQ(m[2].beat, 3.0);
  EXPECT_DOUBLE_EQ(m[4].beat, 5.5);
  EXPECT_EQ(m[5].key, 64);
  EXPECT_THROW(parseMelody("C4 D4 E4 | F4:4", 4), std::invalid_argument);
  EXPECT_THROW(parseMelody("C4:0 D4:4", 4), std::invalid_argument);
}

TEST(Notation, ChordsShareTheirBarAndKeepSlashBass) {
  const auto p = parseProgression("D | Asus4 A7 | A/C# | Fmaj7 Bdim", 4);
  ASSERT_EQ(p.size(), 6u);
  EXPECT_DOUBLE_EQ(p[0].length, 4.0);
  EXPECT_DOUBLE_EQ(p[2].beat, 6.0);
  EXPECT_DOUBLE_EQ(p[2].length, 2.0);
  EXPECT_EQ(p[1].tones, (std::vector<int>{9, 2, 4}));
  EXPECT_EQ(p[2].tones, (std::vector<int>{9, 1, 4, 7}));
  EXPECT_EQ(p[3].root, 9);
  EXPECT_EQ(p[3].bass, 1);
  EXPECT_EQ(p[4].tones, (std::vector<int>{5, 9, 0, 4}));
  EXPECT_EQ(p[5].tones, (std::vector<int>{11, 2, 5}));
  EXPECT_THROW(parseProgression("Cx7", 4), std::invalid_argument);
  EXPECT_THROW(parseProgression("C/", 4), std::invalid_argument);
}

TEST(Notation, VoiceLeadingStaysInRangeAndKeepsCommonTones) {
  const auto p = parseProgression("C | Am | F | G7", 4);
  std::vector<int> prev;
  for (const Chord& c : p) {
    const std::vector<int> v = voiceLead(c, prev, 55, 76);
    std::set<int> classes;
    for (int k : v) {
      EXPECT_GE(k, 55);
      EXPECT_LE(k, 76);
      classes.insert(k % 12);
    }
    EXPECT_EQ(classes, std::set<int>(c.tones.begin(), c.tones.end()));
    if (!prev.empty()) {
      // Tones shared with the previous chord are held at the same pitch.
      int held = 0, shared = 0;
      for (int k : v) {
        if (std::count(prev.begin(), prev.end(), k)) ++held;
        for (int q : prev) shared += q % 12 == k % 12;
      }
      EXPECT_GE(held, std::min(shared, 1));
    }
    prev = v;
  }
  EXPECT_THROW(voiceLead(p[0], {}, 60, 63), std::invalid_argument);
}

TEST(Music, TunesAreWellFormedAndLongEnough) {
  for (const char* stem : {"abertura-fundo", "jogo-fundo"}) {
    SCOPED_TRACE(stem);
    Song s;
    ASSERT_NO_THROW(s = tune(stem));
    EXPECT_TRUE(s.format == 0 || s.format == 1);
    ASSERT_GT(s.division, 0);
    ASSERT_FALSE(s.trackEnds.empty());
    ASSERT_EQ(s.tempos.size(), 1u) << "one tempo, so every loop runs at the same speed";
    const uint32_t end = *std::max_element(s.trackEnds.begin(), s.trackEnds.end());
    for (uint32_t e : s.trackEnds) EXPECT_EQ(e, end);
    EXPECT_EQ(end % (4 * s.division), 0u) << "ends on a bar line";
    const double seconds = end / static_cast<double>(s.division) * s.tempos[0] / 1e6;
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 180.0);

    std::set<int> channels;
    uint32_t lastOff = 0, firstOn = end;
    for (const NoteSpan& n : s.notes) {
      channels.insert(n.channel);
      EXPECT_LT(n.on, n.off);
      EXPECT_LE(n.off, end);
      lastOff = std::max(lastOff, n.off);
      firstOn = std::min(firstOn, n.on);
    }
    EXPECT_GE(channels.size(), 3u);
    EXPECT_GT(s.notes.size(), 200u);
    EXPECT_EQ(firstOn, 0u) << "no silence at the start of a loop";
    EXPECT_GE(lastOff + static_cast<uint32_t>(s.division) / 2, end) << "no silence at the end of a loop";
    for (int ch : channels) {
      ASSERT_TRUE(s.firstProgram.count(ch)) << "channel " << ch << " has no instrument";
      EXPECT_EQ(s.firstProgram[ch], 0u);
    }
    for (const auto& [ch, value] : s.lastPedal) EXPECT_EQ(value, 0) << "pedal left down on channel " << ch;
  }
}

TEST(Music, LastBarLeadsBackIntoTheFirst) {
  for (const char* stem : {"abertura-fundo", "jogo-fundo"}) {
    SCOPED_TRACE(stem);
    const Song s = tune(stem);
    const uint32_t bar = 4 * static_cast<uint32_t>(s.division);
    const uint32_t end = s.trackEnds.front();
    int firstBass = 128, lastBass = 128;
    for (const NoteSpan& n : s.notes) {
      if (n.on < bar) firstBass = std::min(firstBass, n.key);
      if (n.on >= end - bar) lastBass = std::min(lastBass, n.key);
    }
    // Dominant to tonic: the bass of the last bar is a fifth above the first's.
    EXPECT_EQ(((lastBass - firstBass) % 12 + 12) % 12, 7);
  }
}
