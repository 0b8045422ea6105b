// One CheckCall0 through the exported entry, against a reference file of
// 20,000 records and a log of 5,000 QSOs, next to one plain line-by-line
// read of the same file. The checked call is the file's last record and is
// not logged, so the check reads the whole file and scans the whole log; its
// department is already worked on the band (code 1).

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "plugin_host.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 20000;
constexpr int kLoggedQsos = 5000;
const std::array<const char*, 6> kBands = {"160m", "80m", "40m", "20m", "15m", "10m"};

// Distinct five-character French calls: F, a digit, three letters.
std::string callSign(int index) {
  std::string call = "F" + std::to_string(index % 10);
  for (int rest = index / 10, i = 0; i < 3; ++i, rest /= 26) call += char('A' + rest % 26);
  return call;
}

std::string department(int index) { return std::to_string(10 + index % 85); }

// A fresh working folder holding Plugins/ref.txt, and the plug-in loaded with
// a contest started and the log filled; removed at exit.
class Setting {
 public:
  Setting()
      : previous_(fs::current_path()),
        folder_(fs::temp_directory_path() /
                ("velmora-bench-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))),
        plugin_(VELMORA_PLUGIN_FILE, velmora::host::ExportNames::Plain) {
    if (!plugin_.ready()) {
      std::cerr << plugin_.problem() << '\n';
      std::exit(1);
    }
    fs::create_directories(folder_ / "Plugins");
    fs::current_path(folder_);
    {
      std::ofstream out(refFile(), std::ios::binary);
      for (int i = 0; i < kRecords; ++i) out << callSign(i) << ' ' << department(i) << "\r\n";
    }
    plugin_.resetStats({});
    for (int i = 0; i < kLoggedQsos; ++i) {
      velmora::host::Qso q;
      q.call = callSign(i);
      q.band = kBands[i % kBands.size()];
      q.exchangeReceived = department(i);
      plugin_.addData(q);
    }
  }
  ~Setting() {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  static fs::path refFile() { return fs::path("Plugins") / "ref.txt"; }
  velmora::host::PluginHost& plugin() { return plugin_; }

 private:
  fs::path previous_;
  fs::path folder_;
  velmora::host::PluginHost plugin_;
};

Setting& setting() {
  static Setting instance;
  return instance;
}

void CheckCall(benchmark::State& state) {
  velmora::host::CallCheck check;
  check.call = callSign(kRecords - 1);
  char exchange[64];
  char message[64];
  int code = -1;
  for (auto _ : state) {
    code = setting().plugin().checkCall(check, exchange, message);
    benchmark::DoNotOptimize(code);
  }
  if (code != 1) state.SkipWithError("unexpected verdict for the last record");
}
BENCHMARK(CheckCall)->Unit(benchmark::kMicrosecond);

void SequentialRead(benchmark::State& state) {
  setting();
  std::size_t lines = 0;
  for (auto _ : state) {
    std::ifstream in(Setting::refFile(), std::ios::binary);
    std::string line;
    lines = 0;
    while (std::getline(in, line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  if (lines != kRecords) state.SkipWithError("the file was not read whole");
}
BENCHMARK(SequentialRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
