// A whole contest as the host plays it, from the contest start: for every
// QSO the call check while the operator types the call, then AddData0, then
// GetResult0 for the updated result. The reference file of 20,000 records
// lists the French stations of the contest. To see what dominates, the same
// contest is also played with the adds alone, and with adds and results.
// The baseline the host pattern is held against is the contest's call checks
// alone: the same CheckCall0 for every QSO, on a log left empty (a check
// reads the reference file whatever the log holds, and asks the log's index
// only a few lookups).

#include <benchmark/benchmark.h>

#include "bench_plugin.h"

namespace velmora::bench {
namespace {

enum Pattern { kAddsOnly = 0, kAddsAndResults = 1, kHost = 2, kChecksOnly = 3 };

void Contest(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  const std::vector<host::Qso> qsos = contestLog(static_cast<int>(state.range(0)), 6);
  const auto pattern = static_cast<Pattern>(state.range(1));
  char exchange[64];
  char message[64];
  for (auto _ : state) {
    plugin.startContest();
    for (const host::Qso& qso : qsos) {
      if (pattern == kHost || pattern == kChecksOnly) {
        benchmark::DoNotOptimize(plugin.host().checkCall(checkFor(qso), exchange, message));
      }
      if (pattern == kChecksOnly) continue;
      plugin.host().addData(qso);
      if (pattern != kAddsOnly) benchmark::DoNotOptimize(plugin.host().getResult(nullptr));
    }
  }
}
BENCHMARK(Contest)
    ->ArgNames({"qsos", "pattern"})
    ->Args({3000, kHost})
    ->Args({10000, kAddsOnly})
    ->Args({10000, kAddsAndResults})
    ->Args({10000, kHost})
    ->Args({10000, kChecksOnly})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::bench
