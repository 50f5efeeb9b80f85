// Synthesised sound effects and a 16-bit PCM WAV writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rec {

constexpr int kSampleRate = 22050;

struct Sound {
  std::string stem;  // file name without ".wav"
  std::vector<double> samples;  // mono, -1..1
};

std::vector<Sound> synthesiseEffects();

// Little-endian RIFF/WAVE, mono, 16-bit.
std::vector<uint8_t> encodeWav(const std::vector<double>& samples, int rate);

}  // namespace rec
