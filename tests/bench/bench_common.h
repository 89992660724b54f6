// SPDX-License-Identifier: GPL-2.0-or-later
// What every benchmark shares: the copy floor measured in the same run, the
// ratios printed against it, and the data tree the game runs in.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

// One 8-bit frame and one frame of 32-bit pixels.
constexpr size_t FrameCopyBytes = 307200;
constexpr size_t WideCopyBytes = 1228800;

// One memcpy of bytes (at most WideCopyBytes) between the floor's buffers.
void CopyFloorOnce(size_t bytes);

// CPU nanoseconds of one memcpy of bytes between two warm buffers, measured
// now (the median of several batches, so that one disturbance does not count).
double CopyFloorNanoseconds(size_t bytes);

// The calling thread's CPU time. The machine is shared: wall time counts
// the moments another process had the core, CPU time does not, so the ratios
// are taken from CPU time on both sides.
double ThreadCpuSeconds();

// CPU time summed over the timed parts of a benchmark.
class CpuMeter {
 public:
  void Start() { start_ = ThreadCpuSeconds(); }
  void Stop() { total_ += ThreadCpuSeconds() - start_; }
  double Seconds() const { return total_; }

 private:
  double start_ = 0;
  double total_ = 0;
};

// The counters x_copy300K and x_copy1200K: the mean CPU time of one
// iteration over the CPU time of each copy, the floors measured right after
// the iterations.
void ReportAgainstFloor(benchmark::State& state, double cpuSeconds);

// Makes the built data tree the working directory, as the game expects;
// false (and the benchmark skipped) when it is missing.
bool EnterGameTree(benchmark::State& state);
