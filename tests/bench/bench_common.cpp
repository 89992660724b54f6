// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/bench/bench_common.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

// Both buffers in one block, the destination a page past the source's end:
// on this kind of processor a copy to just below its source (where two
// blocks allocated one after the other land) can cost several times as much,
// which is no floor.
static uint8_t* FloorSource() {
  static std::vector<uint8_t> arena(2 * WideCopyBytes + 3 * 4096, 1);
  const uintptr_t at = reinterpret_cast<uintptr_t>(arena.data());
  return arena.data() + ((4096 - at % 4096) % 4096);
}

void CopyFloorOnce(size_t bytes) {
  uint8_t* from = FloorSource();
  uint8_t* to = from + WideCopyBytes + 4096;
  std::memcpy(to, from, bytes < WideCopyBytes ? bytes : WideCopyBytes);
  benchmark::DoNotOptimize(to);
  benchmark::ClobberMemory();
}

double CopyFloorNanoseconds(size_t bytes) {
  // Batches of about a millisecond.
  const int perBatch = bytes <= FrameCopyBytes ? 64 : 16;
  double batches[9];
  for (double& batch : batches) {
    const double start = ThreadCpuSeconds();
    for (int i = 0; i < perBatch; ++i) CopyFloorOnce(bytes);
    batch = (ThreadCpuSeconds() - start) * 1e9 / perBatch;
  }
  std::sort(std::begin(batches), std::end(batches));
  return batches[4];
}

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void ReportAgainstFloor(benchmark::State& state, double cpuSeconds) {
  if (state.iterations() == 0) return;
  const double perIteration = cpuSeconds * 1e9 / double(state.iterations());
  state.counters["x_copy300K"] = perIteration / CopyFloorNanoseconds(FrameCopyBytes);
  state.counters["x_copy1200K"] = perIteration / CopyFloorNanoseconds(WideCopyBytes);
}

bool EnterGameTree(benchmark::State& state) {
  if (chdir(KXS_GAME_TREE) == 0) return true;
  state.SkipWithError("the data tree " KXS_GAME_TREE " is missing; build it first");
  return false;
}
