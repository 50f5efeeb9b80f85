// Standard MIDI File (format 1) writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rec {

constexpr uint32_t kTicksPerBeat = 480;

class MidiTrack {
 public:
  explicit MidiTrack(const std::string& name);

  void tempo(uint32_t tick, double bpm);
  void timeSignature(uint32_t tick, int numerator, int denominatorPower);
  void keySignature(uint32_t tick, int sharps, bool minor);
  void program(uint32_t tick, int channel, int program);
  void control(uint32_t tick, int channel, int controller, int value);
  void note(uint32_t tick, uint32_t length, int channel, int key, int velocity);

  // Events in file order; "end" is where the end-of-track meta event goes.
  std::vector<uint8_t> encode(uint32_t end) const;

 private:
  struct Event {
    uint32_t tick;
    int rank;  // at equal ticks: note-offs, then set-up events, then note-ons
    uint32_t seq;
    std::vector<uint8_t> bytes;
  };
  void add(uint32_t tick, int rank, std::vector<uint8_t> bytes);
  std::vector<Event> events_;
};

void appendVarLen(std::vector<uint8_t>& out, uint32_t value);

// Every track ends at the same tick so the piece loops on a bar line.
std::vector<uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks, uint32_t endTick);

}  // namespace rec
