// SPDX-License-Identifier: GPL-2.0-or-later
// One whole frame through the SDL backend: the frame presented into the back
// buffer, expanded through the palette, drawn by the renderer and shown. The
// scale is the one the desktop gives (the dummy driver's 1024x768 gives 1x,
// an X screen of 1280x960 gives 2x); run it through sdl_frames.sh.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "tests/bench/bench_common.h"

namespace {

bool OpenGameDisplay(benchmark::State& state) {
  if (!PlatformDisplayIsOpen() && !PlatformOpenDisplay(640, 480, 8)) {
    state.SkipWithError(PlatformLastError());
    return false;
  }
  uint8_t palette[768];
  for (int i = 0; i < 768; ++i) palette[i] = static_cast<uint8_t>(i * 7);
  PlatformSetPalette(palette);
  return true;
}

// Present's copy into the back buffer, whose pitch exceeds the width.
void PresentFrame(const uint8_t* frame) {
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  if (PlatformLockBackBuffer(&pixels, &pitch) != PlatformOk) return;
  for (int row = 0; row < 480; ++row) std::memcpy(pixels + long(row) * pitch, frame + row * 640, 640);
  PlatformUnlockBackBuffer();
}

void DrainEvents() {
  PlatformEvent event;
  while (PlatformPollEvent(&event)) {
  }
}

std::vector<uint8_t> TestFrame() {
  std::vector<uint8_t> frame(640 * 480);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint8_t>((i / 7) ^ (i / 640));
  return frame;
}

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The frame without the 60 Hz pacing: the backend's redraw of the flipped
// picture does everything a flip does but the wait (and the copy of the back
// buffer into the flipped picture, one more 307200-byte copy).
void BM_SdlFrame(benchmark::State& state) {
  if (!OpenGameDisplay(state)) return;
  const std::vector<uint8_t> frame = TestFrame();
  PresentFrame(frame.data());
  PlatformFlip();
  CpuMeter meter;
  for (auto _ : state) {
    state.PauseTiming();
    DrainEvents();
    state.ResumeTiming();
    meter.Start();
    PresentFrame(frame.data());
    PlatformShowSystemSurface();
    meter.Stop();
  }
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_SdlFrame)->Unit(benchmark::kMicrosecond);

// Real flips at the backend's pace: the CPU a frame costs the process while
// the game runs at 60 Hz, and its share of one core. With changing:1 the
// frame's last pixel changes every time (the whole comparison, then the
// whole frame); with changing:0 the same frame is flipped over and over, as
// on a static screen.
void BM_SdlFlipPaced(benchmark::State& state) {
  if (!OpenGameDisplay(state)) return;
  std::vector<uint8_t> frame = TestFrame();
  const bool changing = state.range(0) != 0;
  const double cpuBefore = ProcessCpuSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  for (auto _ : state) {
    DrainEvents();
    if (changing) frame.back() ^= 1;
    PresentFrame(frame.data());
    PlatformFlip();
  }
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  state.counters["cpu_ms"] = cpu * 1e3 / double(state.iterations());
  state.counters["core_pct"] = wall > 0 ? 100.0 * cpu / wall : 0;
  ReportAgainstFloor(state, cpu);
}
BENCHMARK(BM_SdlFlipPaced)->ArgName("changing")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(300);

}  // namespace
