#include "music.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "midi.hpp"

namespace rec {

namespace {

constexpr int kBeatsPerBar = 4;
constexpr double kPi = 3.14159265358979323846;

int pitchClass(char letter) {
  switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
  }
  throw std::invalid_argument(std::string("not a note letter: ") + letter);
}

// Reads a letter and its accidentals; returns the pitch class and moves pos past them.
int readPitchClass(const std::string& s, size_t& pos) {
  if (pos >= s.size()) throw std::invalid_argument("missing note in '" + s + "'");
  int pc = pitchClass(s[pos++]);
  while (pos < s.size() && (s[pos] == '#' || s[pos] == 'b')) pc += s[pos++] == '#' ? 1 : -1;
  return ((pc % 12) + 12) % 12;
}

std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : s) {
    if (c == sep) {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  out.push_back(cur);
  return out;
}

std::vector<std::string> words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

double parseBeats(const std::string& s) {
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (s.empty() || *end != '\0' || !(v > 0)) throw std::invalid_argument("bad length '" + s + "'");
  return v;
}

std::vector<int> chordTones(const std::string& quality) {
  if (quality.empty()) return {0, 4, 7};
  if (quality == "m") return {0, 3, 7};
  if (quality == "7") return {0, 4, 7, 10};
  if (quality == "m7") return {0, 3, 7, 10};
  if (quality == "maj7") return {0, 4, 7, 11};
  if (quality == "sus4") return {0, 5, 7};
  if (quality == "sus2") return {0, 2, 7};
  if (quality == "dim") return {0, 3, 6};
  throw std::invalid_argument("unknown chord quality '" + quality + "'");
}

Chord parseChord(const std::string& symbol) {
  size_t pos = 0;
  Chord c{};
  c.root = readPitchClass(symbol, pos);
  const size_t slash = symbol.find('/', pos);
  const std::string quality = symbol.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
  for (int t : chordTones(quality)) c.tones.push_back((c.root + t) % 12);
  c.bass = c.root;
  if (slash != std::string::npos) {
    size_t bp = slash + 1;
    c.bass = readPitchClass(symbol, bp);
    if (bp != symbol.size()) throw std::invalid_argument("bad bass in '" + symbol + "'");
  }
  return c;
}

uint32_t ticks(double beats) { return static_cast<uint32_t>(std::lround(beats * kTicksPerBeat)); }

// Louder towards the middle of each four-bar phrase.
int arch(int base, int swell, double beat) {
  const double phrase = 4.0 * kBeatsPerBar;
  return base + static_cast<int>(std::lround(swell * std::sin(kPi * std::fmod(beat, phrase) / phrase)));
}

struct Voice {
  int channel;
  int program;
  int volume;
  int pan;
  int reverb;
};

void setUp(MidiTrack& t, const Voice& v) {
  t.control(0, v.channel, 121, 0);  // reset controllers, so each loop starts clean
  t.control(0, v.channel, 0, 0);
  t.program(0, v.channel, v.program);
  t.control(0, v.channel, 7, v.volume);
  t.control(0, v.channel, 10, v.pan);
  t.control(0, v.channel, 11, 127);
  t.control(0, v.channel, 91, v.reverb);
  t.control(0, v.channel, 93, 0);
}

void addMelody(MidiTrack& t, int ch, const std::vector<Note>& notes, int velocity, int swell, double legato) {
  for (const Note& n : notes) {
    if (n.key < 0) continue;
    t.note(ticks(n.beat), ticks(n.length * legato), ch, n.key, arch(velocity, swell, n.beat));
  }
}

void addPad(MidiTrack& t, int ch, const std::vector<Chord>& chords, int low, int high, int velocity, int swell) {
  std::vector<int> prev;
  for (const Chord& c : chords) {
    prev = voiceLead(c, prev, low, high);
    // A breath before each change keeps repeated tones re-bowed.
    for (int k : prev) t.note(ticks(c.beat), ticks(c.length) - 24, ch, k, arch(velocity, swell, c.beat));
  }
}

void addArpeggio(MidiTrack& t, int ch, const std::vector<Chord>& chords, int low, int high,
                 const std::vector<int>& pattern, int velocity, int swell) {
  std::vector<int> prev;
  for (const Chord& c : chords) {
    prev = voiceLead(c, prev, low, high);
    std::vector<int> keys = prev;
    keys.push_back(prev.front() + 12);
    // Pedal up at the change, down again just after, so each chord rings on its own.
    t.control(ticks(c.beat), ch, 64, 0);
    t.control(ticks(c.beat) + 40, ch, 64, 127);
    for (double b = 0; b < c.length - 1e-9; b += 0.5) {
      const double at = c.beat + b;
      const size_t step = static_cast<size_t>(std::lround(std::fmod(at, kBeatsPerBar) * 2));
      const int idx = pattern[step % pattern.size()];
      const int key = keys[static_cast<size_t>(idx) % keys.size()];
      const int accent = step % 4 == 0 ? 6 : 0;
      t.note(ticks(at), ticks(0.45), ch, key, arch(velocity + accent, swell, at));
    }
  }
  t.control(ticks(chords.back().beat + chords.back().length) - 30, ch, 64, 0);
}

struct Slot {
  double offset;  // in the bar
  double length;
};

void addBass(MidiTrack& t, int ch, const std::vector<Chord>& chords, int low, int high,
             const std::vector<Slot>& rhythm, int velocity, int swell) {
  int prev = -1;
  for (const Chord& c : chords) {
    int best = -1;
    for (int k = low; k <= high; ++k) {
      if (k % 12 != c.bass) continue;
      if (best < 0 || (prev >= 0 && std::abs(k - prev) < std::abs(best - prev))) best = k;
    }
    if (best < 0) throw std::invalid_argument("bass range too narrow");
    prev = best;
    const double bar = std::floor(c.beat / kBeatsPerBar + 1e-9) * kBeatsPerBar;
    bool played = false;
    for (const Slot& s : rhythm) {
      const double at = bar + s.offset;
      if (at < c.beat - 1e-9 || at >= c.beat + c.length - 1e-9) continue;
      const double len = std::min(s.length, c.beat + c.length - at);
      t.note(ticks(at), ticks(len * 0.94), ch, best, arch(velocity, swell, at));
      played = true;
    }
    // A change between the rhythm's slots still gets its own bass note.
    if (!played) t.note(ticks(c.beat), ticks(c.length * 0.94), ch, best, arch(velocity, swell, c.beat));
  }
}

double totalBeats(const std::vector<Chord>& chords) { return chords.back().beat + chords.back().length; }

MidiTrack conductor(const std::string& title, double bpm, int sharps, bool minor) {
  MidiTrack t(title);
  t.tempo(0, bpm);
  t.timeSignature(0, kBeatsPerBar, 2);
  t.keySignature(0, sharps, minor);
  return t;
}

Tune finishTune(const std::string& stem, double bpm, const std::vector<Chord>& chords,
                const std::vector<Note>& melody, const std::vector<MidiTrack>& tracks) {
  const double beats = totalBeats(chords);
  const double melodyBeats = melody.back().beat + melody.back().length;
  if (std::abs(beats - melodyBeats) > 1e-9) throw std::logic_error(stem + ": melody and chords differ in length");
  return {stem, bpm, static_cast<int>(std::lround(beats / kBeatsPerBar)), encodeMidiFile(tracks, ticks(beats))};
}

}  // namespace

int parsePitch(const std::string& text) {
  if (text.empty()) throw std::invalid_argument("empty pitch");
  const int natural = pitchClass(text[0]);
  size_t pos = 1;
  int shift = 0;
  while (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) shift += text[pos++] == '#' ? 1 : -1;
  char* end = nullptr;
  const std::string octave = text.substr(pos);
  const long o = std::strtol(octave.c_str(), &end, 10);
  if (octave.empty() || *end != '\0') throw std::invalid_argument("bad octave in '" + text + "'");
  const long key = 12 * (o + 1) + natural + shift;
  if (key < 0 || key > 127) throw std::invalid_argument("pitch out of range: " + text);
  return static_cast<int>(key);
}

std::vector<Note> parseMelody(const std::string& text, int beatsPerBar) {
  std::vector<Note> out;
  double beat = 0;
  for (const std::string& bar : split(text, '|')) {
    const std::vector<std::string> tokens = words(bar);
    if (tokens.empty()) continue;
    double inBar = 0;
    for (const std::string& tok : tokens) {
      const size_t colon = tok.find(':');
      const std::string pitch = tok.substr(0, colon);
      const double len = colon == std::string::npos ? 1.0 : parseBeats(tok.substr(colon + 1));
      out.push_back({beat + inBar, len, pitch == "r" ? -1 : parsePitch(pitch)});
      inBar += len;
    }
    if (std::abs(inBar - beatsPerBar) > 1e-9) throw std::invalid_argument("bar does not add up: '" + bar + "'");
    beat += beatsPerBar;
  }
  if (out.empty()) throw std::invalid_argument("empty melody");
  return out;
}

std::vector<Chord> parseProgression(const std::string& text, int beatsPerBar) {
  std::vector<Chord> out;
  double beat = 0;
  for (const std::string& bar : split(text, '|')) {
    const std::vector<std::string> symbols = words(bar);
    if (symbols.empty()) continue;
    const double each = static_cast<double>(beatsPerBar) / symbols.size();
    for (size_t i = 0; i < symbols.size(); ++i) {
      Chord c = parseChord(symbols[i]);
      c.beat = beat + i * each;
      c.length = each;
      out.push_back(c);
    }
    beat += beatsPerBar;
  }
  if (out.empty()) throw std::invalid_argument("empty progression");
  return out;
}

std::vector<int> voiceLead(const Chord& chord, const std::vector<int>& previous, int low, int high) {
  std::vector<int> best;
  double bestCost = 0;
  const size_t n = chord.tones.size();
  for (size_t r = 0; r < n; ++r) {
    for (int base = low; base <= high; ++base) {
      if (base % 12 != chord.tones[r]) continue;
      std::vector<int> v = {base};
      for (size_t i = 1; i < n; ++i) {
        int k = v.back() + 1;
        while (k % 12 != chord.tones[(r + i) % n]) ++k;
        v.push_back(k);
      }
      if (v.back() > high) continue;
      double cost = 0;
      if (previous.empty()) {
        double mean = 0;
        for (int k : v) mean += k;
        cost = std::abs(mean / n - (low + high) / 2.0);
      } else {
        for (int k : v) {
          int nearest = 128;
          for (int p : previous) nearest = std::min(nearest, std::abs(k - p));
          cost += nearest;
        }
      }
      if (best.empty() || cost < bestCost - 1e-9) {
        best = v;
        bestCost = cost;
      }
    }
  }
  if (best.empty()) throw std::invalid_argument("range too narrow for chord");
  return best;
}

Tune composeOpeningTune() {
  // D major, a slow processional over a descending bass; the last bar is the
  // dominant, so the loop falls back onto the opening tonic.
  const double bpm = 72;
  const auto chords = parseProgression(
      "D | A/C# | Bm | G | D/F# | Em | Asus4 A | D |"
      "G | D/F# | Em7 | Bm | G | D/A | Em7 | Asus4 A7",
      kBeatsPerBar);
  const auto melody = parseMelody(
      "A4:2 F#4 A4 | E5:2 C#5 A4 | D5:1.5 C#5:0.5 B4:2 | B4 A4 G4 B4 |"
      "A4:3 F#4 | G4:1.5 F#4:0.5 E4 G4 | D5:2 C#5:2 | D5:2 A4:2 |"
      "B4:2 D5 B4 | A4:2 F#4:2 | G4 A4 B4 D5 | C#5 B4 F#4:2 |"
      "B4:1.5 A4:0.5 G4 B4 | F#4 A4 D5:2 | E5:1.5 D5:0.5 B4 G4 | A4:2 G4 E4",
      kBeatsPerBar);

  std::vector<MidiTrack> tracks;
  tracks.push_back(conductor("Abertura", bpm, 2, false));

  const Voice horn{0, 60, 80, 54, 70}, strings{1, 48, 70, 40, 80}, harp{2, 46, 66, 88, 70}, cello{3, 42, 80, 64, 60};
  MidiTrack lead("Trompa");
  setUp(lead, horn);
  addMelody(lead, horn.channel, melody, 76, 12, 0.93);
  tracks.push_back(lead);

  MidiTrack pad("Cordas");
  setUp(pad, strings);
  addPad(pad, strings.channel, chords, 54, 74, 50, 10);
  tracks.push_back(pad);

  MidiTrack arp("Harpa");
  setUp(arp, harp);
  addArpeggio(arp, harp.channel, chords, 50, 79, {0, 1, 2, 3, 4, 3, 2, 1}, 44, 8);
  tracks.push_back(arp);

  MidiTrack bass("Violoncelo");
  setUp(bass, cello);
  addBass(bass, cello.channel, chords, 38, 53, {{0, 2}, {2, 2}}, 70, 8);
  tracks.push_back(bass);

  return finishTune("abertura-fundo", bpm, chords, melody, tracks);
}

Tune composeGameTune() {
  // A minor, sparse piano over soft strings: a sixteen-bar theme and an
  // eight-bar interlude, both ending on E so the loop resolves into A minor.
  const double bpm = 66;
  const auto chords = parseProgression(
      "Am | Fmaj7 | C | G | Am | Dm7 | Fmaj7 | Esus4 E |"
      "F | G | Em7 | Am | Dm7 | G | Fmaj7 | Esus4 E7 |"
      "Am | Fmaj7 | Dm7 | Esus4 E | Am | Fmaj7 | Dm7 | Esus4 E7",
      kBeatsPerBar);
  const auto melody = parseMelody(
      "E5:2 C5 B4 | A4:3 r | G4 C5 E5:1.5 D5:0.5 | D5:3 r |"
      "E5:1.5 D5:0.5 C5 E5 | F5:2 E5 D5 | C5:2 A4:2 | A4:2 G#4:2 |"
      "A4 C5 F5:2 | D5:1.5 C5:0.5 B4:2 | G4 B4 D5 E5 | C5:3 r |"
      "D5:2 C5 A4 | B4:2 D5 G4 | A4:2 C5:2 | B4:2 G#4 B4 |"
      "r:2 E4 A4 | C5:2 E5:2 | D5:1.5 C5:0.5 A4:2 | B4:2 G#4:2 |"
      "A4 C5 E5:2 | F5:1.5 E5:0.5 C5:2 | D5 C5 A4 F4 | E4:2 G#4 B4",
      kBeatsPerBar);

  std::vector<MidiTrack> tracks;
  tracks.push_back(conductor("Partida", bpm, 0, true));

  const Voice piano{0, 0, 110, 58, 70}, broken{1, 0, 100, 72, 70}, strings{2, 49, 96, 44, 90}, bassV{3, 32, 108, 64, 50};
  MidiTrack lead("Piano");
  setUp(lead, piano);
  addMelody(lead, piano.channel, melody, 70, 10, 0.9);
  tracks.push_back(lead);

  MidiTrack arp("Piano acordes");
  setUp(arp, broken);
  addArpeggio(arp, broken.channel, chords, 45, 67, {0, 2, 1, 2, 3, 2, 1, 2}, 44, 6);
  tracks.push_back(arp);

  MidiTrack pad("Cordas");
  setUp(pad, strings);
  addPad(pad, strings.channel, chords, 57, 72, 44, 8);
  tracks.push_back(pad);

  MidiTrack bass("Baixo");
  setUp(bass, bassV);
  addBass(bass, bassV.channel, chords, 33, 48, {{0, 4}}, 66, 6);
  tracks.push_back(bass);

  return finishTune("jogo-fundo", bpm, chords, melody, tracks);
}

}  // namespace rec
