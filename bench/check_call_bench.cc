// One CheckCall0 through the exported entry, against the reference file of
// 20,000 records and a log of 5,000 QSOs, next to two plain reads of the same
// file: line by line, and its bytes whole. The checked call is the file's
// last record and is not logged, so the check reads the whole file and asks
// the log's index; its department is already worked on the band (code 1).

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "bench_plugin.h"

namespace velmora::bench {
namespace {

constexpr int kLoggedQsos = 5000;

void CheckCall(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();
  plugin.logContest(kLoggedQsos, 6);
  host::CallCheck check;
  check.call = frenchCall(kReferenceRecords - 1);
  char exchange[64];
  char message[64];
  int code = -1;
  for (auto _ : state) {
    code = plugin.host().checkCall(check, exchange, message);
    benchmark::DoNotOptimize(code);
  }
  if (code != 1) state.SkipWithError("unexpected verdict for the last record");
}
BENCHMARK(CheckCall)->Unit(benchmark::kMicrosecond);

// Baseline: the reference file read line by line with std::getline.
void ReadReferenceLines(benchmark::State& state) {
  BenchPlugin::instance();
  std::size_t lines = 0;
  for (auto _ : state) {
    std::ifstream in(BenchPlugin::referenceFile(), std::ios::binary);
    std::string line;
    lines = 0;
    while (std::getline(in, line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  if (lines != kReferenceRecords) state.SkipWithError("the file was not read whole");
}
BENCHMARK(ReadReferenceLines)->Unit(benchmark::kMicrosecond);

// Baseline: the reference file's bytes read whole into memory.
void ReadReferenceBytes(benchmark::State& state) {
  BenchPlugin::instance();
  std::vector<char> bytes;
  for (auto _ : state) {
    std::ifstream in(BenchPlugin::referenceFile(), std::ios::binary | std::ios::ate);
    bytes.resize(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(bytes.data());
  }
  if (bytes.empty()) state.SkipWithError("the file was not read");
}
BENCHMARK(ReadReferenceBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::bench
