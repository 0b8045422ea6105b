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
};

}  // namespace velmora::cli
