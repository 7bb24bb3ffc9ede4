#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

namespace kinovex::bench {

// CPU time of every thread of the process: steadier than wall-clock time
// when other work shares the two cores.
inline double ProcessCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Adds the process CPU time of the timed parts as a per-iteration counter.
class CpuMeter {
 public:
  explicit CpuMeter(benchmark::State& state) : state_(state) {}
  ~CpuMeter() {
    state_.counters["process_cpu_ms"] =
        benchmark::Counter(total_, benchmark::Counter::kAvgIterations);
  }
  void Start() { start_ = ProcessCpuMs(); }
  void Stop() { total_ += ProcessCpuMs() - start_; }

 private:
  benchmark::State& state_;
  double start_ = 0;
  double total_ = 0;
};

}  // namespace kinovex::bench
