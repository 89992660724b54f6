// The cost of one frame's path: composing, presenting into the back buffer,
// and expanding the palette for the window. Each figure is read against the
// plain copies of the same number of bytes, the floor the memory sets.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "platform/headless/headless.h"
#include "platform/palette_expand.h"

namespace {

void EnsureDisplay() {
  if (!Display) Display = new DisplayDevice(640, 480, 8);
}

void BM_CopyFloor(benchmark::State& state) {
  const size_t bytes = static_cast<size_t>(state.range(0));
  std::vector<uint8_t> from(bytes, 1), to(bytes, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_CopyFloor)->Arg(307200)->Arg(1228800);

void BM_ComposeAndPresent(benchmark::State& state) {
  EnsureDisplay();
  for (int i = 0; i < FrameBytes; ++i) BaseFrame[i] = static_cast<uint8_t>(i);
  uint8_t arrow[256];
  std::memset(arrow, 7, sizeof arrow);
  SetCursorImage(arrow, 640, 480, 255);
  MouseX = 320;
  MouseY = 240;
  for (auto _ : state) {
    CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
    DrawCursor(ComposeFrame);
    Display->Present(ComposeFrame);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeAndPresent);

void BM_PaletteExpansion(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  uint8_t palette[768];
  for (int i = 0; i < 768; ++i) palette[i] = static_cast<uint8_t>(i * 3);
  PaletteLut lut;
  BuildPaletteLut(palette, &lut);
  std::vector<uint8_t> frame(FrameBytes);
  for (int i = 0; i < FrameBytes; ++i) frame[i] = static_cast<uint8_t>(i * 13);
  std::vector<uint32_t> out(static_cast<size_t>(FrameBytes) * scale * scale);
  for (auto _ : state) {
    ExpandPicture(frame.data(), 640, 640, 480, lut, out.data(), 640 * scale, scale);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PaletteExpansion)->Arg(1)->Arg(2);

}  // namespace
