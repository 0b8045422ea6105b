// GetResult0 through the exported entry on logs of 1,000 to 100,000 QSOs on
// 6 and on 11 bands, held against the request's fixed cost, the settings
// file: GetResult0 on an empty log where the stored "Claimed" value stays the
// same (and where it changes on every request, so that the file is rewritten
// each time). Beside them, one pass over the same records, which the summary
// no longer makes: it is written from the counts the log keeps of each band.

#include <benchmark/benchmark.h>

#include "bench_plugin.h"
#include "log/qso_entries.h"

namespace velmora::bench {
namespace {

void countedArgs(benchmark::internal::Benchmark* b) {
  b->ArgNames({"qsos", "bands"});
  for (int bands : {6, 11}) {
    for (int qsos : {1000, 10000, 100000}) b->Args({qsos, bands});
  }
  b->Unit(benchmark::kMicrosecond);
}

void GetResult(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  plugin.logContest(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  int flag = 7;
  const char* text = nullptr;
  for (auto _ : state) {
    text = plugin.host().getResult(&flag);
    benchmark::DoNotOptimize(text);
  }
  if (text == nullptr || flag != 7) state.SkipWithError("unexpected summary request");
}
BENCHMARK(GetResult)->Apply(countedArgs);

// Baseline: one pass over the same records in the plug-in's own log type,
// filled by its own add rule, adding up the lengths of the five fields the
// summary reads.
void LogPass(benchmark::State& state) {
  QsoLog log;
  BandList bands;
  for (const host::Qso& q :
       contestLog(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))) {
    addQso(log, bands, true,
           QsoReport{q.call, q.dxccPrefix, q.areaTag, q.band, q.mode, q.rstSent, q.rstReceived,
                     q.exchangeSent, q.exchangeReceived, q.frequencyHz,
                     OleDateTime{q.time.days, q.time.status}});
  }
  for (auto _ : state) {
    std::size_t length = 0;
    for (const QsoRecord& r : log) {
      length += r.call.size() + r.dxccPrefix.size() + r.areaTag.size() + r.band.size() +
                r.department.size();
    }
    benchmark::DoNotOptimize(length);
  }
}
BENCHMARK(LogPass)->Apply(countedArgs);

// The fixed cost: the settings file is read and compared, not rewritten.
void GetResultEmptyLog(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  plugin.startContest();
  for (auto _ : state) benchmark::DoNotOptimize(plugin.host().getResult(nullptr));
}
BENCHMARK(GetResultEmptyLog)->Unit(benchmark::kMicrosecond);

// The fixed cost when "Claimed" changes: one QSO logged or deleted (outside
// the timing) between requests, so every request rewrites the settings file.
void GetResultClaimedChanges(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  plugin.startContest();
  const host::Qso qso = contestLog(1, 6).front();
  bool logged = false;
  for (auto _ : state) {
    state.PauseTiming();
    logged = logged ? (plugin.host().removeData(qso), false) : (plugin.host().addData(qso), true);
    state.ResumeTiming();
    benchmark::DoNotOptimize(plugin.host().getResult(nullptr));
  }
}
BENCHMARK(GetResultClaimedChanges)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::bench
