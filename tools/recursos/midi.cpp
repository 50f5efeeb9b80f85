#include "midi.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace rec {

namespace {

uint8_t byte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 127)); }

void appendU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

MidiTrack::MidiTrack(const std::string& name) {
  std::vector<uint8_t> b = {0xFF, 0x03, static_cast<uint8_t>(name.size())};
  b.insert(b.end(), name.begin(), name.end());
  add(0, 1, b);
}

void MidiTrack::add(uint32_t tick, int rank, std::vector<uint8_t> bytes) {
  events_.push_back({tick, rank, static_cast<uint32_t>(events_.size()), std::move(bytes)});
}

void MidiTrack::tempo(uint32_t tick, double bpm) {
  const uint32_t us = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
  add(tick, 1, {0xFF, 0x51, 0x03, static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8), static_cast<uint8_t>(us)});
}

void MidiTrack::timeSignature(uint32_t tick, int numerator, int denominatorPower) {
  add(tick, 1, {0xFF, 0x58, 0x04, byte(numerator), byte(denominatorPower), 24, 8});
}

void MidiTrack::keySignature(uint32_t tick, int sharps, bool minor) {
  add(tick, 1, {0xFF, 0x59, 0x02, static_cast<uint8_t>(static_cast<int8_t>(sharps)), static_cast<uint8_t>(minor ? 1 : 0)});
}

void MidiTrack::program(uint32_t tick, int channel, int program) {
  add(tick, 1, {static_cast<uint8_t>(0xC0 | (channel & 15)), byte(program)});
}

void MidiTrack::control(uint32_t tick, int channel, int controller, int value) {
  add(tick, 1, {static_cast<uint8_t>(0xB0 | (channel & 15)), byte(controller), byte(value)});
}

void MidiTrack::note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  if (length == 0) throw std::invalid_argument("zero-length note");
  add(tick, 2, {static_cast<uint8_t>(0x90 | (channel & 15)), byte(key), static_cast<uint8_t>(std::clamp(velocity, 1, 127))});
  add(tick + length, 0, {static_cast<uint8_t>(0x80 | (channel & 15)), byte(key), 0});
}

std::vector<uint8_t> MidiTrack::encode(uint32_t end) const {
  std::vector<Event> sorted = events_;
  std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    if (a.tick != b.tick) return a.tick < b.tick;
    if (a.rank != b.rank) return a.rank < b.rank;
    return a.seq < b.seq;
  });
  if (!sorted.empty() && sorted.back().tick > end) throw std::invalid_argument("event after end of track");
  std::vector<uint8_t> out;
  uint32_t now = 0;
  for (const Event& e : sorted) {
    appendVarLen(out, e.tick - now);
    now = e.tick;
    out.insert(out.end(), e.bytes.begin(), e.bytes.end());
  }
  appendVarLen(out, end - now);
  out.insert(out.end(), {0xFF, 0x2F, 0x00});
  return out;
}

void appendVarLen(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  for (int i = n - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(groups[i] | (i > 0 ? 0x80 : 0)));
}

std::vector<uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks, uint32_t endTick) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  out.push_back(static_cast<uint8_t>(tracks.size() >> 8));
  out.push_back(static_cast<uint8_t>(tracks.size()));
  out.push_back(static_cast<uint8_t>(kTicksPerBeat >> 8));
  out.push_back(static_cast<uint8_t>(kTicksPerBeat));
  for (const MidiTrack& t : tracks) {
    const std::vector<uint8_t> body = t.encode(endTick);
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    appendU32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

}  // namespace rec
