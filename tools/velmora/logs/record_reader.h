#pragma once
// A log's records one at a time, in file order, whatever its format.

#include <optional>
#include <string>

#include "logs/log_qso.h"

namespace velmora::cli {

class RecordReader {
 public:
  virtual ~RecordReader() = default;
  // The next record; nothing at the end of the log.
  virtual std::optional<ReadRecord> next() = 0;
  // The own call that the log's header states, once read past it; else "".
  virtual std::string headerCall() const { return ""; }
  // Whether the log's header, once read past, says it is a listener's
  // (SWL) log, whose sender column is the station heard.
  virtual bool listenerLog() const { return false; }
};

}  // namespace velmora::cli
