#pragma once
// The plug-in as every benchmark of the run shares it: loaded once from the
// build, working in a fresh temporary folder with Plugins/ and a reference
// file of kReferenceRecords records, removed at exit. The plug-in keeps one
// contest for the whole process, so this also remembers which contest is
// logged, and logs only the QSOs that are missing.

#include <filesystem>
#include <vector>

#include "contest_data.h"
#include "host/plugin_host.h"

namespace velmora::bench {

inline constexpr int kReferenceRecords = 20000;

class BenchPlugin {
 public:
  // The one instance; exits the program when the plug-in cannot be loaded.
  static BenchPlugin& instance();

  host::PluginHost& host() { return host_; }
  static std::filesystem::path referenceFile();

  // Makes the logged contest contestLog(count, bandCount) of an operator in
  // France, started without (or with) a Cabrillo export request, and returns
  // its QSOs. Reuses the logged QSOs when they are the start of that contest.
  const std::vector<host::Qso>& logContest(int count, int bandCount, bool exportRequested = false);

  // Starts an empty contest; what is logged afterwards is the caller's.
  void startContest(bool exportRequested = false);

 private:
  BenchPlugin();
  ~BenchPlugin();

  std::filesystem::path previous_;
  std::filesystem::path folder_;
  host::PluginHost host_;
  std::vector<host::Qso> qsos_;
  int logged_ = 0;  // how many of qsos_ are in the plug-in's log, -1: unknown
  int bandCount_ = 0;
  bool exportRequested_ = false;
};

}  // namespace velmora::bench
