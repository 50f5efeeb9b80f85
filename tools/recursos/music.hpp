// The two background tunes, written as note and chord text and arranged into MIDI.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rec {

// "C4" is 60; sharps with '#', flats with 'b'. Throws std::invalid_argument.
int parsePitch(const std::string& text);

struct Note {
  double beat;    // from the start of the line
  double length;  // in beats
  int key;        // -1 for a rest
};

// Space-separated "PITCH[:beats]" or "r[:beats]" (default one beat), bars split
// by '|'. Each bar must fill exactly beatsPerBar, so a typo cannot shift the tune.
std::vector<Note> parseMelody(const std::string& text, int beatsPerBar);

struct Chord {
  int root;                   // pitch class
  std::vector<int> tones;     // pitch classes, root first
  int bass;                   // pitch class, differs from root for slash chords
  double beat;                // start, from the start of the progression
  double length;
};

// Bars split by '|', each bar holding one or more chord symbols sharing it evenly:
// D, Bm, A7, Em7, Fmaj7, Esus4, Bdim, A/C#.
std::vector<Chord> parseProgression(const std::string& text, int beatsPerBar);

// Close-position voicing inside [low, high] that moves least from the previous one.
std::vector<int> voiceLead(const Chord& chord, const std::vector<int>& previous, int low, int high);

struct Tune {
  std::string stem;  // file name without ".mid"
  double bpm;
  int bars;
  std::vector<uint8_t> bytes;
};

Tune composeOpeningTune();
Tune composeGameTune();

}  // namespace rec
