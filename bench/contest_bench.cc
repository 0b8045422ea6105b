// A whole contest as the host plays it, from the contest start: for every
// QSO the call check while the operator types the call, then AddData0, then
// GetResult0 for the updated result. The reference file of 20,000 records
// lists the French stations of the contest. To see what dominates, the same
// contest is also played with the adds alone, and with adds and results.

#include <benchmark/benchmark.h>

#include "bench_plugin.h"

namespace velmora::bench {
namespace {

enum Pattern { kAddsOnly = 0, kAddsAndResults = 1, kHost = 2 };

void Contest(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  const std::vector<host::Qso> qsos = contestLog(static_cast<int>(state.range(0)), 6);
  const auto pattern = static_cast<Pattern>(state.range(1));
  char exchange[64];
  char message[64];
  for (auto _ : state) {
    plugin.startContest();
    for (const host::Qso& qso : qsos) {
      if (pattern == kHost) plugin.host().checkCall(checkFor(qso), exchange, message);
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
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::bench
