// SPDX-License-Identifier: GPL-2.0-or-later
// kxs-make-sounds DIR: writes the game's sounds into DIR (the data tree's
// sound/ folder), each synthesised from the recipe below, 22050 Hz 16-bit
// mono PCM.
#include <cstdio>
#include <filesystem>
#include <string>

#include "assets/sounds/synth.h"

namespace {

using namespace synth;

// A new game begins: a bright rising tune.
Track Start() {
  Track t(1.1);
  const double tune[][2] = {{Note("C", 5), 0.0},  {Note("E", 5), 0.12}, {Note("G", 5), 0.24},
                            {Note("C", 6), 0.36}, {Note("G", 5), 0.52}, {Note("C", 6), 0.64}};
  for (const auto& n : tune) AddNote(&t, n[1], 0.3, n[0], 0.5, Wave::Square, 3.5);
  AddNote(&t, 0.64, 0.45, Note("E", 6), 0.25, Wave::Triangle, 3.0);
  AddNote(&t, 0.0, 1.0, Note("C", 3), 0.35, Wave::Triangle, 2.5);
  Normalise(&t, 0.7);
  return t;
}

// Yes, done: a two-note chime.
Track Yes() {
  Track t(0.7);
  AddNote(&t, 0.0, 0.35, Note("E", 6), 0.6, Wave::Bell, 4.0);
  AddNote(&t, 0.11, 0.58, Note("B", 6), 0.6, Wave::Bell, 4.5);
  Normalise(&t, 0.6);
  return t;
}

// Not possible: two low buzzes.
Track Error() {
  Track t(0.45);
  for (double start : {0.0, 0.2}) {
    AddNote(&t, start, 0.16, 110.0, 0.5, Wave::Square, 0.8);
    AddNote(&t, start, 0.16, 116.5, 0.4, Wave::Square, 0.8);
  }
  Normalise(&t, 0.6);
  return t;
}

// A footstep: a soft thud and the scuff of a sole.
void Step(Track* t, Noise* noise, double start, double volume) {
  AddGlide(t, start, 0.09, 150.0, 70.0, volume, Wave::Sine, 5.0);
  AddNoise(t, noise, start, 0.07, volume * 0.5, 0.35, 7.0);
}

// The walk, played in a loop: two steps in 0.8 s. Each step has died away
// long before the loop comes round, and the track starts and ends on
// silence, so the loop joins without a click.
Track Walk() {
  Track t(0.8);
  Noise noise;
  Step(&t, &noise, 0.02, 0.8);
  Step(&t, &noise, 0.42, 0.7);
  Normalise(&t, 0.5);
  return t;
}

// Arrival: one firm step and a little knock.
Track Stop() {
  Track t(0.35);
  Noise noise;
  Step(&t, &noise, 0.0, 1.0);
  AddNote(&t, 0.08, 0.2, Note("G", 5), 0.25, Wave::Triangle, 5.0);
  Normalise(&t, 0.6);
  return t;
}

// Goodbye: a falling sting.
Track End() {
  Track t(1.2);
  const double tune[][2] = {{Note("G", 5), 0.0}, {Note("E", 5), 0.16}, {Note("C", 5), 0.32}};
  for (const auto& n : tune) AddNote(&t, n[1], 0.3, n[0], 0.5, Wave::Square, 3.0);
  AddNote(&t, 0.5, 0.7, Note("C", 4), 0.5, Wave::Triangle, 3.0);
  AddNote(&t, 0.5, 0.7, Note("G", 4), 0.3, Wave::Triangle, 3.0);
  Normalise(&t, 0.65);
  return t;
}

// Money in: the coin's two quick notes.
Track Money() {
  Track t(0.55);
  AddNote(&t, 0.0, 0.08, Note("B", 5), 0.5, Wave::Square, 0.5);
  AddNote(&t, 0.07, 0.45, Note("E", 6), 0.5, Wave::Square, 4.0);
  AddNote(&t, 0.07, 0.45, Note("E", 7), 0.12, Wave::Sine, 5.0);
  Normalise(&t, 0.6);
  return t;
}

// A project breaks: a crack and a falling groan.
Track Crack() {
  Track t(0.8);
  Noise noise;
  AddNoise(&t, &noise, 0.0, 0.25, 1.0, 0.9, 9.0);
  AddNoise(&t, &noise, 0.03, 0.12, 0.6, 0.6, 8.0);
  AddGlide(&t, 0.05, 0.7, 220.0, 80.0, 0.45, Wave::Square, 3.0);
  Normalise(&t, 0.7);
  return t;
}

// First in the business world: a fanfare.
Track Win() {
  Track t(2.2);
  const double tune[][3] = {{Note("G", 4), 0.0, 0.12},  {Note("G", 4), 0.13, 0.12}, {Note("G", 4), 0.26, 0.12},
                            {Note("C", 5), 0.4, 0.4},   {Note("G", 4), 0.8, 0.2},   {Note("C", 5), 1.0, 0.18},
                            {Note("E", 5), 1.18, 0.18}, {Note("G", 5), 1.36, 0.8}};
  for (const auto& n : tune) {
    AddNote(&t, n[1], n[2], n[0], 0.45, Wave::Square, 1.5);
    AddNote(&t, n[1], n[2], n[0] * 2, 0.12, Wave::Sine, 2.0);
  }
  AddNote(&t, 1.36, 0.8, Note("E", 5), 0.3, Wave::Triangle, 1.5);
  AddNote(&t, 1.36, 0.8, Note("C", 4), 0.35, Wave::Triangle, 1.5);
  AddNote(&t, 0.4, 0.4, Note("C", 3), 0.35, Wave::Triangle, 2.0);
  Normalise(&t, 0.7);
  return t;
}

// To prison: the door's clank and a slow falling line.
Track Prison() {
  Track t(1.9);
  Noise noise;
  AddNoise(&t, &noise, 0.0, 0.3, 0.9, 0.7, 6.0);
  AddNote(&t, 0.0, 0.4, 180.0, 0.4, Wave::Bell, 5.0);
  const double line[][2] = {{Note("D", 4), 0.3}, {Note("C#", 4), 0.65}, {Note("C", 4), 1.0}, {Note("B", 3), 1.35}};
  for (const auto& n : line) AddNote(&t, n[1], 0.5, n[0], 0.45, Wave::Triangle, 2.0);
  AddNote(&t, 0.3, 1.55, Note("D", 2), 0.35, Wave::Sine, 2.5);
  Normalise(&t, 0.65);
  return t;
}

// Welcome aboard: a quick rising arpeggio and a sparkle.
Track Hire() {
  Track t(0.75);
  const double tune[][2] = {{Note("G", 5), 0.0}, {Note("C", 6), 0.08}, {Note("E", 6), 0.16}, {Note("G", 6), 0.24}};
  for (const auto& n : tune) AddNote(&t, n[1], 0.3, n[0], 0.45, Wave::Bell, 3.5);
  AddNote(&t, 0.32, 0.4, Note("C", 7), 0.25, Wave::Sine, 5.0);
  Normalise(&t, 0.6);
  return t;
}

struct Recipe {
  const char* file;
  Track (*make)();
};

const Recipe Recipes[] = {
    {"start.wav", Start}, {"yes.wav", Yes},    {"error.wav", Error}, {"walk.wav", Walk},
    {"stop.wav", Stop},   {"end.wav", End},    {"money.wav", Money}, {"crack.wav", Crack},
    {"win.wav", Win},     {"001.wav", Prison}, {"003.wav", Hire},
};

// Written to a temporary name and renamed, so a broken run leaves no half file.
bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  const std::filesystem::path temporary = path.string() + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) return false;
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kxs-make-sounds DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  for (const Recipe& r : Recipes)
    if (!WriteFile(dir / r.file, WavBytes(Pcm(r.make())))) {
      std::fprintf(stderr, "kxs-make-sounds: cannot write %s\n", (dir / r.file).c_str());
      return 1;
    }
  std::printf("kxs-make-sounds: %zu sounds\n", sizeof Recipes / sizeof Recipes[0]);
  return 0;
}
