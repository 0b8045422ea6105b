// A full Cabrillo export of 10,000 QSOs: GetResult0 of a contest started with
// an export request writes the summary, the settings and the whole Cabrillo
// file, and announces the file. Natively the header dialog at the contest
// start is cancelled because standard input is not a terminal (run with
// stdin from /dev/null), and the announcement goes to standard error, which
// is sent to a file in the working folder while this runs.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench_plugin.h"

namespace velmora::bench {
namespace {

// Standard error into `file` for the guard's lifetime.
class StderrToFile {
 public:
  explicit StderrToFile(const char* file)
      : saved_(dup(STDERR_FILENO)), target_(open(file, O_WRONLY | O_CREAT | O_TRUNC, 0644)) {
    dup2(target_, STDERR_FILENO);
  }
  ~StderrToFile() {
    dup2(saved_, STDERR_FILENO);
    close(target_);
    close(saved_);
  }
  StderrToFile(const StderrToFile&) = delete;
  StderrToFile& operator=(const StderrToFile&) = delete;

 private:
  int saved_;
  int target_;
};

std::string lastLine(const char* file) {
  std::ifstream in(file);
  std::string line;
  std::string last;
  while (std::getline(in, line)) last = line;
  return last;
}

void Export(benchmark::State& state) {
  constexpr const char* kMessages = "export-messages.txt";
  BenchPlugin& plugin = BenchPlugin::instance();
  const int count = static_cast<int>(state.range(0));
  int flag = 0;
  {
    StderrToFile quiet(kMessages);
    plugin.logContest(count, 6, /*exportRequested=*/true);
    for (auto _ : state) {
      flag = 0;
      benchmark::DoNotOptimize(plugin.host().getResult(&flag));
    }
  }
  const std::string announced = lastLine(kMessages);
  if (flag != -1 || announced.rfind("Output: File produced: ", 0) != 0) {
    state.SkipWithError(("no export announced: " + announced).c_str());
  } else {
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size("F6BBB.cbr"));
  }
}
BENCHMARK(Export)->Arg(10000)->ArgName("qsos")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::bench
