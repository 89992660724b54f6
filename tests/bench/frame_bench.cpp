// SPDX-License-Identifier: GPL-2.0-or-later
// The cost of one frame's path: composing the office's status frame,
// presenting it into the back buffer, and expanding the palette for the
// window. Each figure is read against plain copies of a frame's bytes, the
// floor the memory sets.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/headless/headless.h"
#include "platform/palette_expand.h"
#include "screens/office.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "tests/bench/bench_common.h"
#include "text/font.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

void BM_CopyFloor(benchmark::State& state) {
  const size_t bytes = static_cast<size_t>(state.range(0));
  CpuMeter meter;
  meter.Start();
  for (auto _ : state) CopyFloorOnce(bytes);
  meter.Stop();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_CopyFloor)->Arg(FrameCopyBytes)->Arg(WideCopyBytes);

// The office's first step, BaseFrame into ComposeFrame, where the linker
// put the two frames.
void BM_FrameCopyInPlace(benchmark::State& state) {
  CpuMeter meter;
  meter.Start();
  for (auto _ : state) {
    CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
    benchmark::ClobberMemory();
  }
  meter.Stop();
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_FrameCopyInPlace);

// The office of a company in its second month: both status lines with a
// loan, the icons, and with range(0) 1 a job running (its line and the work
// picture, which the office loads anew every ten frames).
bool SetUpOffice(benchmark::State& state, bool jobRunning) {
  if (!EnterGameTree(state)) return false;
  HeadlessReset();
  delete Display;
  Display = new DisplayDevice(640, 480, 8);
  if (!LoadFonts("data/han.fnt", "data/eng.fnt")) {
    state.SkipWithError("the fonts do not load");
    return false;
  }
  LoadStatusIcons();
  uint8_t arrow[256];
  std::memset(arrow, TransparentKey, sizeof arrow);
  LoadImage(arrow, sizeof arrow, "cur/arrow.kxg");
  SetCursorImage(arrow, 640, 480, TransparentKey);
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
  ResetWorld();
  CompanyCount = 1;
  PlayerCompany = 0;
  Company& player = Companies[0];
  player.kind = KindPlayer;
  std::snprintf(player.name, sizeof player.name, "%s", JohabText(u8"하루소프트"));
  std::snprintf(player.presidentName, sizeof player.presidentName, "%s", JohabText(u8"박하루"));
  player.money = 123456789;
  player.loanAmount = 5000;
  player.loanMonths = 6;
  player.staffCount = 12;
  player.workTicks = jobRunning ? 1 : 0;
  player.progress = 37;
  DDay = 12;
  DayCount = 45;
  CurrentScreen = OfficeScreen;
  ScreenRunning = 1;
  ScreenEntry = 0;
  AnimState = 0;
  MouseClick = 0;
  MouseX = 320;
  MouseY = 240;
  return true;
}

void BM_OfficeStatusFrame(benchmark::State& state) {
  if (!SetUpOffice(state, state.range(0) != 0)) return;
  CpuMeter meter;
  meter.Start();
  for (auto _ : state) {
    OfficeScreen();
    benchmark::ClobberMemory();
  }
  meter.Stop();
  // The frame must have reached the back buffer: the office drew no box.
  if (CurrentScreen != OfficeScreen) state.SkipWithError("the office left itself");
  FreeFonts();
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_OfficeStatusFrame)->ArgName("job")->Arg(0)->Arg(1);

void BM_PaletteExpansion(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  uint8_t palette[768];
  for (int i = 0; i < 768; ++i) palette[i] = static_cast<uint8_t>(i * 3);
  PaletteLut lut;
  BuildPaletteLut(palette, &lut);
  // A back buffer of the SDL backend's pitch.
  const int pitch = 640 + 32;
  std::vector<uint8_t> frame(static_cast<size_t>(pitch) * 480);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint8_t>(i * 13);
  std::vector<uint32_t> out(static_cast<size_t>(FrameBytes) * scale * scale);
  CpuMeter meter;
  meter.Start();
  for (auto _ : state) {
    ExpandPicture(frame.data(), pitch, 640, 480, lut, out.data(), 640 * scale, scale);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  meter.Stop();
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_PaletteExpansion)->ArgName("scale")->Arg(1)->Arg(2);

}  // namespace
