// SPDX-License-Identifier: GPL-2.0-or-later
// The palette expansion of one 640x480 frame, timed the same way natively
// and in WebAssembly (measure.sh builds this file with both compilers), with
// a copy of the 32-bit frame as the floor measured in the same run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/palette_expand.h"

namespace {

constexpr int Width = 640, Height = 480, Batch = 200, Batches = 9;

template <typename Step>
double MedianMicroseconds(Step step) {
  std::vector<double> batches;
  for (int b = 0; b < Batches; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Batch; ++i) step(i);
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    batches.push_back(took.count() / Batch);
  }
  std::sort(batches.begin(), batches.end());
  return batches[Batches / 2];
}

}  // namespace

int main() {
  std::vector<uint8_t> frame(Width * Height), rgb(768);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = uint8_t(i * 7 + i / Width);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = uint8_t(i * 5);
  PaletteLut lut;
  BuildPaletteLut(rgb.data(), &lut);
  std::vector<uint32_t> out(Width * Height), copy(Width * Height);
  uint32_t sink = 0;
  const double expand = MedianMicroseconds([&](int i) {
    frame[0] = uint8_t(i);
    ExpandPicture(frame.data(), Width, Width, Height, lut, out.data(), Width, 1);
    sink += out[size_t(i) * 997 % out.size()];
  });
  const double floor = MedianMicroseconds([&](int i) {
    out[0] = uint32_t(i);
    std::memcpy(copy.data(), out.data(), out.size() * sizeof out[0]);
    sink += copy[size_t(i) * 991 % copy.size()];
  });
  std::printf("expansion %.1f us, 32-bit frame copy %.1f us, ratio %.2f (check %u)\n", expand, floor, expand / floor,
              sink & 1);
  return 0;
}
