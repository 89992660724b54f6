// SPDX-License-Identifier: GPL-2.0-or-later
// A day pass in the fullest world the tables hold: 99 companies and 999
// persons, on a month end so that the payroll and the leave selection run
// too. The whole day goes through the frame loop from the entry frame to
// the day report; the rule work is the same day with no frame presented.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "gfx/display.h"
#include "gfx/frame.h"
#include "gfx/image.h"
#include "platform/headless/headless.h"
#include "screens/messages.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "tests/bench/bench_common.h"
#include "text/font.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

struct WorldCopy {
  Company companies[MaxCompanies];
  Person persons[MaxPersons];
  int32_t dayCount;
  int16_t dDay;
};
WorldCopy Saved;

// Rivals rich enough and staff calm enough that nobody goes bankrupt or
// leaves: every day costs the same and shows no box.
void BuildFullWorld() {
  ResetWorld();
  CompanyCount = 99;
  PlayerCompany = 0;
  for (int i = 0; i < CompanyCount; ++i) {
    Company& c = Companies[i];
    c.kind = i == 0 ? KindPlayer : KindRival;
    std::snprintf(c.name, sizeof c.name, "Company %d", i);
    c.money = 10000000;
    c.bidOdds = 5;
  }
  Company& player = Companies[0];
  std::snprintf(player.presidentName, sizeof player.presidentName, "%s", JohabText(u8"박하루"));
  player.money = 1000000000;
  player.staffCount = 60;
  player.workTicks = 1;  // an in-house production runs
  player.jobDays = 30;
  DDay = 20;
  PersonCount = 999;
  for (int i = 0; i < PersonCount; ++i) {
    Person& p = Persons[i];
    p.category = static_cast<int8_t>(i % 4);
    // Sixty work for the player, most of the others for the rivals.
    p.employed = i % 10 == 9 ? 0 : 1;
    p.employer = static_cast<int16_t>(i < 60 ? 0 : p.employed ? 1 + i % 98 : -1);
    std::snprintf(p.name, sizeof p.name, "Person %d", i);
    p.salary = 150;
    for (int16_t& a : p.aptitude) a = 1000;
    p.morale = 50;
  }
  DayCount = 29;  // the day passed is the 30th, a month end
  std::memcpy(Saved.companies, Companies, sizeof Companies);
  std::memcpy(Saved.persons, Persons, sizeof Persons);
  Saved.dayCount = DayCount;
  Saved.dDay = DDay;
}

void RestoreWorld() {
  std::memcpy(Companies, Saved.companies, sizeof Companies);
  std::memcpy(Persons, Saved.persons, sizeof Persons);
  CompanyCount = 99;
  DayCount = Saved.dayCount;
  DDay = Saved.dDay;
}

bool SetUpShell(benchmark::State& state) {
  if (!EnterGameTree(state)) return false;
  HeadlessReset();
  ClearGameMessages();
  delete Display;
  Display = new DisplayDevice(640, 480, 8);
  LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
  Display->SetPalette(GamePalette);
  AppActive = 1;
  ShowFps = 0;
  WindowDestroyed = false;
  BuildFullWorld();
  return true;
}

// The day as the player starts it from the office's day strip: every frame
// of the loop until the office runs again after the day report.
void BM_DayPassFrames(benchmark::State& state) {
  if (!SetUpShell(state)) return;
  CpuMeter meter;
  uint64_t frames = 0;
  int exitCode = 0;
  for (auto _ : state) {
    state.PauseTiming();
    RestoreWorld();
    ScreenRunning = 1;
    SwitchScreen(DayPassScreen);
    const uint64_t before = FramesRun;
    state.ResumeTiming();
    meter.Start();
    while (CurrentScreen != OfficeScreen || !ScreenRunning || GameMessagePending()) {
      if (!RunLoopPass(&exitCode)) break;
    }
    meter.Stop();
    frames += FramesRun - before;
  }
  if (DayCount != 30 || HeadlessFailed()) state.SkipWithError("the day did not pass as built");
  state.counters["frames"] = double(frames) / double(state.iterations());
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_DayPassFrames)->Unit(benchmark::kMicrosecond);

// One day's rules from a restored world, timed by `meter`; with
// `loadPicture` the office picture is loaded back as the day pass does.
void TimeDayRules(benchmark::State& state, CpuMeter& meter, bool loadPicture) {
  state.PauseTiming();
  RestoreWorld();
  ListCount = 0;
  BankruptCount = 0;
  state.ResumeTiming();
  meter.Start();
  for (TickCompany = 1; TickCompany < CompanyCount; ++TickCompany) WalkRivalMoney();
  DayCount += 1;
  AdvanceJob();
  UpdatePersons();
  if (loadPicture) {
    LoadImageWithPalette(BaseFrame, FrameBytes, "data/mo001.kxg", GamePalette);
    Display->SetPalette(GamePalette);
  }
  DayReport();
  benchmark::ClobberMemory();
  meter.Stop();
}

// The same day's rules without presenting: the rivals' walk one rival a
// frame, the player's day, the office picture loaded back, the day report.
void BM_DayPassRules(benchmark::State& state) {
  if (!SetUpShell(state)) return;
  CpuMeter meter;
  for (auto _ : state) {
    TimeDayRules(state, meter, true);
  }
  if (DayCount != 30 || HeadlessFailed()) state.SkipWithError("the day did not pass as built");
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_DayPassRules)->Unit(benchmark::kMicrosecond);

// The part of the rules that is pure arithmetic over the tables.
void BM_DayPassRulesInMemory(benchmark::State& state) {
  if (!SetUpShell(state)) return;
  CpuMeter meter;
  for (auto _ : state) {
    TimeDayRules(state, meter, false);
  }
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_DayPassRulesInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
