// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up costs, and whole runs of the game as separate processes: the
// headless game from its start to the first presented frame, and a hundred
// days from the office. Processes are timed from fork to exit; the CPU time
// the child used is the counter cpu_ms, and the ratios are taken from it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gfx/frame.h"
#include "gfx/image.h"
#include "tests/bench/bench_common.h"
#include "text/font.h"

namespace {

void BM_LoadFullScreenPicture(benchmark::State& state) {
  if (!EnterGameTree(state)) return;
  CpuMeter meter;
  meter.Start();
  for (auto _ : state) {
    LoadImageWithPalette(BaseFrame, FrameBytes, "data/main.kxg", GamePalette);
    benchmark::ClobberMemory();
  }
  meter.Stop();
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_LoadFullScreenPicture)->Unit(benchmark::kMicrosecond);

void BM_LoadFonts(benchmark::State& state) {
  if (!EnterGameTree(state)) return;
  CpuMeter meter;
  for (auto _ : state) {
    meter.Start();
    const int loaded = LoadFonts("data/han.fnt", "data/eng.fnt");
    benchmark::DoNotOptimize(loaded);
    meter.Stop();
    if (!loaded) {
      state.SkipWithError("the fonts do not load");
      break;
    }
    FreeFonts();
  }
  ReportAgainstFloor(state, meter.Seconds());
}
BENCHMARK(BM_LoadFonts)->Unit(benchmark::kMicrosecond);

// A script in a temporary file, removed with the object.
struct ScriptFile {
  explicit ScriptFile(const std::string& text) {
    char name[] = "/tmp/kxs-bench-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return;
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    if (written) path = name;
  }
  ~ScriptFile() {
    if (!path.empty()) unlink(path.c_str());
  }
  std::string path;
};

// Runs kxs-replay on the script; false when it could not run or failed.
bool RunReplayProcess(const std::string& script, double* cpuSeconds) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    execl(KXS_REPLAY_PATH, "kxs-replay", "--root", KXS_GAME_TREE, "--seed", "4242", "--log", "/dev/null",
          script.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  *cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void RunProcessBenchmark(benchmark::State& state, const std::string& text) {
  ScriptFile script(text);
  if (script.path.empty()) {
    state.SkipWithError("cannot write the script");
    return;
  }
  double cpu = 0;
  for (auto _ : state) {
    double seconds = 0;
    const bool ran = RunReplayProcess(script.path, &seconds);
    if (!ran) {
      state.SkipWithError("kxs-replay failed on the script");
      return;
    }
    cpu += seconds;
  }
  state.counters["cpu_ms"] = cpu * 1e3 / double(state.iterations());
  ReportAgainstFloor(state, cpu);
}

// From exec to the first frame presented (the start picture), then the end.
void BM_StartupToFirstFrame(benchmark::State& state) { RunProcessBenchmark(state, "frames 1\n"); }
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

// A new game to the office, then a hundred days through the day strip.
std::string HundredDaysScript() {
  std::string text =
      "frames 2\nkey SPACE\nframes 2\nclick 300 240\n"
      "dialog \"박하루\" \"하루소프트\" ok\nuntil NewGameScreen 1000\n"
      "click 550 430\nuntil OfficeScreen 100\n";
  for (int day = 0; day < 100; ++day) text += "click 15 5\nuntil DayPassScreen 10\nuntil OfficeScreen 500\n";
  return text;
}

void BM_ReplayHundredDays(benchmark::State& state) { RunProcessBenchmark(state, HundredDaysScript()); }
BENCHMARK(BM_ReplayHundredDays)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
