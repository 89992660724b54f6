#include "tests/bench/bench_common.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <cstring>
#include <vector>

double CopyFloorNanoseconds(size_t bytes) {
  static std::vector<uint8_t> from(WideCopyBytes, 1), to(WideCopyBytes, 2);
  if (bytes > from.size()) {
    from.resize(bytes, 1);
    to.resize(bytes, 2);
  }
  // Batches of about a millisecond.
  const int perBatch = bytes <= FrameCopyBytes ? 64 : 16;
  double batches[9];
  for (double& batch : batches) {
    const double start = ThreadCpuSeconds();
    for (int i = 0; i < perBatch; ++i) {
      std::memcpy(to.data(), from.data(), bytes);
      benchmark::DoNotOptimize(to.data());
      benchmark::ClobberMemory();
    }
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
