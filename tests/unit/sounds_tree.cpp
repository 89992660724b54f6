// SPDX-License-Identifier: GPL-2.0-or-later
// The sounds the build synthesised into the data tree: every file the game
// plays, as plain 16-bit mono PCM at 22050 Hz, audible, unclipped, without a
// click at either end, and a walking loop that joins smoothly.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "assets/sounds/synth.h"
#include "gfx/image.h"

namespace {

struct Wav {
  std::vector<uint8_t> bytes;
  std::vector<int16_t> pcm;
};

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int count) {
  uint32_t v = 0;
  for (int i = count - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

bool Read(const std::string& name, Wav* wav) {
  const std::string path = std::string(KXS_GAME_TREE) + "/sound/" + name;
  if (!ReadWholeFile(path.c_str(), 1u << 22, &wav->bytes) || wav->bytes.size() < 44) return false;
  for (size_t i = 44; i + 1 < wav->bytes.size(); i += 2) wav->pcm.push_back(static_cast<int16_t>(Le(wav->bytes, i, 2)));
  return true;
}

// The sounds and how long each may last: the victory's fanfare and the
// prison's cue must be over by the box that follows them two seconds on.
const std::map<std::string, std::pair<double, double>> Lengths = {
    {"start.wav", {0.4, 1.5}}, {"yes.wav", {0.2, 1.0}}, {"error.wav", {0.2, 0.8}}, {"walk.wav", {0.4, 2.0}},
    {"stop.wav", {0.1, 0.6}},  {"end.wav", {0.5, 1.5}}, {"money.wav", {0.2, 1.0}}, {"crack.wav", {0.3, 1.2}},
    {"win.wav", {1.0, 2.5}},   {"001.wav", {1.0, 2.0}}, {"003.wav", {0.2, 1.0}},
};

}  // namespace

TEST(SoundTree, EverySoundIsPlainPcmOfItsLength) {
  for (const auto& [name, length] : Lengths) {
    Wav wav;
    ASSERT_TRUE(Read(name, &wav)) << name;
    const std::vector<uint8_t>& b = wav.bytes;
    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0) << name;
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8) << name;
    EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0) << name;
    EXPECT_EQ(Le(b, 16, 4), 16u) << name;
    EXPECT_EQ(Le(b, 20, 2), 1u) << name << ": not PCM";
    EXPECT_EQ(Le(b, 22, 2), 1u) << name << ": not mono";
    EXPECT_EQ(Le(b, 24, 4), 22050u) << name;
    EXPECT_EQ(Le(b, 28, 4), 44100u) << name;
    EXPECT_EQ(Le(b, 32, 2), 2u) << name;
    EXPECT_EQ(Le(b, 34, 2), 16u) << name;
    EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0) << name;
    EXPECT_EQ(Le(b, 40, 4), b.size() - 44) << name;
    const double seconds = wav.pcm.size() / 22050.0;
    EXPECT_GE(seconds, length.first) << name;
    EXPECT_LE(seconds, length.second) << name;
  }
}

TEST(SoundTree, SoundsAreAudibleUnclippedAndStartAndEndOnSilence) {
  for (const auto& [name, length] : Lengths) {
    Wav wav;
    ASSERT_TRUE(Read(name, &wav)) << name;
    ASSERT_FALSE(wav.pcm.empty()) << name;
    int peak = 0;
    for (int16_t s : wav.pcm) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GE(peak, 32767 * 3 / 10) << name << " is too quiet";
    EXPECT_LT(peak, 32767 * 95 / 100) << name << " is at the edge of clipping";
    // A sound cut off or begun away from zero clicks.
    EXPECT_LE(std::abs(wav.pcm.front()), 327) << name;
    EXPECT_LE(std::abs(wav.pcm.back()), 327) << name;
  }
}

// The walk loops as long as the figure walks: round the loop point the wave
// goes on as it would inside the sound, no jump and no kink.
TEST(SoundTree, TheWalkLoopJoinsSmoothly) {
  Wav wav;
  ASSERT_TRUE(Read("walk.wav", &wav));
  const std::vector<int16_t>& s = wav.pcm;
  ASSERT_GT(s.size(), 100u);
  const size_t n = s.size();
  const int join = std::abs(s[0] - s[n - 1]);
  const int slopeIn = s[1] - s[0], slopeOut = s[n - 1] - s[n - 2];
  EXPECT_LE(join, 327);
  EXPECT_LE(std::abs(slopeIn - slopeOut), 327);
  // Both ends are quiet for a moment, so no step is cut by the loop.
  double tail = 0, head = 0;
  for (size_t i = 0; i < 220; ++i) {
    head = std::max(head, std::fabs(static_cast<double>(s[i])));
    tail = std::max(tail, std::fabs(static_cast<double>(s[n - 1 - i])));
  }
  EXPECT_LT(head, 32767 * 0.05);
  EXPECT_LT(tail, 32767 * 0.05);
}

TEST(Synth, NotesAndTheWavHeader) {
  EXPECT_NEAR(synth::Note("A", 4), 440.0, 1e-9);
  EXPECT_NEAR(synth::Note("C", 5), 523.25, 0.01);
  EXPECT_NEAR(synth::Note("A", 3), 220.0, 1e-9);
  // A note fades out to nothing by its own end, even with a slow decay.
  synth::Track t(0.2);
  synth::AddNote(&t, 0.0, 0.1, 440.0, 1.0, synth::Wave::Square, 0.1);
  EXPECT_NEAR(t.samples[synth::At(0.1) - 1], 0.0f, 1e-6);
  EXPECT_NEAR(t.samples[synth::At(0.15)], 0.0f, 1e-6);
  const std::vector<uint8_t> bytes = synth::WavBytes({0, 1000, -1000});
  ASSERT_EQ(bytes.size(), 50u);
  EXPECT_EQ(bytes[40], 6u);  // data bytes
  EXPECT_EQ(bytes[44 + 2], 0xE8);
  EXPECT_EQ(bytes[44 + 3], 0x03);
  EXPECT_EQ(bytes[44 + 4], 0x18);
  EXPECT_EQ(bytes[44 + 5], 0xFC);
}
