#pragma once
// What became of the Cabrillo file a contest asked the plug-in for: velmora
// looks at the file before the export and after it, and hears the message
// the plug-in shows (through the entry of ports/host_answers.h), so that it
// never names a file the plug-in did not write, and says what the file
// holds when the log had QSOs that are not in it.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "logs/log_tally.h"
#include "ports/file_system.h"

namespace velmora::cli {

struct CabrilloOutcome {
  bool written = false;
  // Written: "Cabrillo file: PATH", then what the file leaves out of the
  // log, if anything; else the one line that says why it is not.
  std::vector<std::string> lines;
};

class CabrilloWatch {
 public:
  // Looks at `fileName` (relative to the working folder) now, and hears the
  // plug-in's messages while the watch lives. One at a time.
  explicit CabrilloWatch(std::string fileName);
  ~CabrilloWatch();
  CabrilloWatch(const CabrilloWatch&) = delete;
  CabrilloWatch& operator=(const CabrilloWatch&) = delete;

  // Called by the entry with each message the plug-in shows.
  void hear(std::string caption, std::string text);

  // After the export: written when the plug-in said it produced the file
  // (or said nothing) and the file is new or changed since the first look.
  CabrilloOutcome outcome(const LogTally& tally) const;

 private:
  std::string fileName_;
  FileFacts before_;
  std::vector<std::pair<std::string, std::string>> heard_;  // caption, text
};

// "F5VEL.cbr holds the 318 QSOs the plug-in counted, leaving out 2 refused
// by the plug-in, 4 repeats on a band" when the log had QSOs or QSO lines
// that the file leaves out; nothing when it holds them all.
std::optional<std::string> leftOutOfTheFile(const std::string& fileName, int qsoLines,
                                            const LogTally& tally);

}  // namespace velmora::cli
