#include "bench_plugin.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

namespace velmora::bench {

namespace fs = std::filesystem;

BenchPlugin& BenchPlugin::instance() {
  static BenchPlugin plugin;
  return plugin;
}

BenchPlugin::BenchPlugin()
    : previous_(fs::current_path()),
      folder_(fs::temp_directory_path() /
              ("velmora-bench-" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))),
      host_(VELMORA_PLUGIN_FILE, host::ExportNames::Plain) {
  if (!host_.ready()) {
    std::cerr << host_.problem() << '\n';
    std::exit(1);
  }
  fs::create_directories(folder_ / "Plugins");
  fs::current_path(folder_);
  writeReferenceFile(referenceFile(), kReferenceRecords);
}

BenchPlugin::~BenchPlugin() {
  fs::current_path(previous_);
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

fs::path BenchPlugin::referenceFile() { return fs::path("Plugins") / "ref.txt"; }

void BenchPlugin::startContest(bool exportRequested) {
  host::ContestStart start;
  start.exportRequested = exportRequested ? 1 : 0;
  host_.resetStats(start);
  logged_ = -1;
}

const std::vector<host::Qso>& BenchPlugin::logContest(int count, int bandCount,
                                                      bool exportRequested) {
  const bool sameContest = logged_ >= 0 && logged_ <= count && bandCount == bandCount_ &&
                           exportRequested == exportRequested_;
  if (!sameContest) {
    startContest(exportRequested);
    logged_ = 0;
    bandCount_ = bandCount;
    exportRequested_ = exportRequested;
  }
  if (static_cast<int>(qsos_.size()) != count || !sameContest) qsos_ = contestLog(count, bandCount);
  for (; logged_ < count; ++logged_) host_.addData(qsos_[static_cast<std::size_t>(logged_)]);
  return qsos_;
}

}  // namespace velmora::bench
