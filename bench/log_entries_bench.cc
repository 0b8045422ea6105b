// AddData0 and RemoveData0 through the exported entries, with 1,000, 10,000
// and 100,000 QSOs already logged on 6 bands. The added QSO is the contest's
// next one, so the duplicate test compares it only with the records of its
// call, if any; the deleted QSO is the oldest, so every later record moves down. The log
// is put back as it was between iterations, outside the timing.

#include <benchmark/benchmark.h>

#include "bench_plugin.h"

namespace velmora::bench {
namespace {

void AddData(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  const int count = static_cast<int>(state.range(0));
  // The QSO after the logged ones in the same contest.
  const host::Qso next = contestLog(count + 1, 6).back();
  plugin.logContest(count, 6);
  for (auto _ : state) {
    benchmark::DoNotOptimize(plugin.host().addData(next));
    state.PauseTiming();
    plugin.host().removeData(next);
    state.ResumeTiming();
  }
}
BENCHMARK(AddData)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void RemoveData(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  const int count = static_cast<int>(state.range(0));
  const std::vector<host::Qso> qsos = plugin.logContest(count, 6);
  // Each deleted QSO is logged again at the end, so the log turns round.
  std::size_t oldest = 0;
  for (auto _ : state) {
    const host::Qso& qso = qsos[oldest];
    benchmark::DoNotOptimize(plugin.host().removeData(qso));
    state.PauseTiming();
    plugin.host().addData(qso);
    oldest = (oldest + 1) % qsos.size();
    state.ResumeTiming();
  }
}
BENCHMARK(RemoveData)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::bench
