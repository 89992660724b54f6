// SPDX-License-Identifier: GPL-2.0-or-later
// A very small synthesiser for the game's sounds: notes on a few wave
// shapes with an attack-decay envelope, filtered noise for steps and
// cracks, all mixed into one float track and written as 16-bit PCM. The
// noise comes from a fixed generator, so every build writes the same bytes.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace synth {

constexpr int Rate = 22050;

enum class Wave { Sine, Square, Triangle, Bell };

struct Track {
  std::vector<float> samples;
  explicit Track(double seconds) : samples(static_cast<size_t>(std::lround(seconds * Rate)), 0.0f) {}
  int Length() const { return static_cast<int>(samples.size()); }
};

inline int At(double seconds) { return static_cast<int>(std::lround(seconds * Rate)); }

// The frequency of a note: 0 is A4 (440 Hz), counted in semitones.
inline double Semitone(int fromA4) { return 440.0 * std::pow(2.0, fromA4 / 12.0); }

// Named notes of the fourth octave and their octaves: Note("C", 5).
inline double Note(const char* name, int octave) {
  static const char* names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  for (int i = 0; i < 12; ++i)
    if (std::string(names[i]) == name) return Semitone(i - 9 + (octave - 4) * 12);
  return 440.0;
}

inline double Shape(Wave wave, double phase) {  // phase in turns
  const double p = phase - std::floor(phase);
  switch (wave) {
    case Wave::Sine:
      return std::sin(2 * std::numbers::pi * p);
    case Wave::Square:
      return p < 0.5 ? 0.6 : -0.6;
    case Wave::Triangle:
      return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    case Wave::Bell:  // a sine with a bright inharmonic partial
      return 0.75 * std::sin(2 * std::numbers::pi * p) + 0.25 * std::sin(2 * std::numbers::pi * p * 2.76);
  }
  return 0;
}

// Adds a note: a short linear attack, then an exponential decay to nothing
// over its length; the last 5 ms fade out so that no note ends in a click.
inline void AddNote(Track* t, double start, double length, double frequency, double volume, Wave wave,
                    double decay = 3.0, double attack = 0.005) {
  const int first = At(start), count = At(length), fade = At(0.005);
  for (int i = 0; i < count && first + i < t->Length(); ++i) {
    const double time = static_cast<double>(i) / Rate;
    double envelope = std::exp(-decay * time / length);
    envelope *= std::min(1.0, time / attack);
    envelope *= std::min(1.0, static_cast<double>(count - 1 - i) / fade);
    t->samples[first + i] += static_cast<float>(volume * envelope * Shape(wave, frequency * time));
  }
}

// A note whose pitch glides from one frequency to another.
inline void AddGlide(Track* t, double start, double length, double from, double to, double volume, Wave wave,
                     double decay = 3.0) {
  const int first = At(start), count = At(length), fade = At(0.005);
  double phase = 0;
  for (int i = 0; i < count && first + i < t->Length(); ++i) {
    const double time = static_cast<double>(i) / Rate;
    const double f = from + (to - from) * time / length;
    phase += f / Rate;
    double envelope = std::exp(-decay * time / length) * std::min(1.0, time / 0.004);
    envelope *= std::min(1.0, static_cast<double>(count - 1 - i) / fade);
    t->samples[first + i] += static_cast<float>(volume * envelope * Shape(wave, phase));
  }
}

// The fixed noise source: a 32-bit linear congruential generator.
struct Noise {
  uint32_t state = 0x2545F491u;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
  }
};

// Noise through a one-pole low-pass (brightness 0..1), with the same
// envelope as a note: a footstep, a crack, the clank of a door.
inline void AddNoise(Track* t, Noise* noise, double start, double length, double volume, double brightness,
                     double decay = 6.0) {
  const int first = At(start), count = At(length), fade = At(0.004);
  double low = 0;
  for (int i = 0; i < count && first + i < t->Length(); ++i) {
    const double time = static_cast<double>(i) / Rate;
    low += brightness * (noise->Next() - low);
    double envelope = std::exp(-decay * time / length) * std::min(1.0, time / 0.002);
    envelope *= std::min(1.0, static_cast<double>(count - 1 - i) / fade);
    t->samples[first + i] += static_cast<float>(volume * envelope * low);
  }
}

// Scales the track so that its loudest sample is peak (0..1 of full scale).
inline void Normalise(Track* t, double peak) {
  float loudest = 0;
  for (float s : t->samples) loudest = std::max(loudest, std::fabs(s));
  if (loudest <= 0) return;
  const float gain = static_cast<float>(peak / loudest);
  for (float& s : t->samples) s *= gain;
}

inline std::vector<int16_t> Pcm(const Track& t) {
  std::vector<int16_t> out(t.samples.size());
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<int16_t>(std::lround(std::clamp(t.samples[i], -1.0f, 1.0f) * 32767.0f));
  return out;
}

inline void PutLe(std::vector<uint8_t>* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A canonical 44-byte RIFF header, mono 16-bit PCM at Rate, then the data.
inline std::vector<uint8_t> WavBytes(const std::vector<int16_t>& pcm) {
  const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
  std::vector<uint8_t> out;
  for (char c : std::string("RIFF")) out.push_back(static_cast<uint8_t>(c));
  PutLe(&out, 36 + dataBytes, 4);
  for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<uint8_t>(c));
  PutLe(&out, 16, 4);        // fmt chunk size
  PutLe(&out, 1, 2);         // PCM
  PutLe(&out, 1, 2);         // mono
  PutLe(&out, Rate, 4);      // samples per second
  PutLe(&out, Rate * 2, 4);  // bytes per second
  PutLe(&out, 2, 2);         // bytes per sample frame
  PutLe(&out, 16, 2);        // bits per sample
  for (char c : std::string("data")) out.push_back(static_cast<uint8_t>(c));
  PutLe(&out, dataBytes, 4);
  for (int16_t s : pcm) PutLe(&out, static_cast<uint16_t>(s), 2);
  return out;
}

}  // namespace synth
