#pragma once
// What a record reader yields from a text, sorted by kind, for the tests of
// the format readers.

#include <sstream>
#include <string>
#include <vector>

#include "logs/record_reader.h"

namespace velmora::cli {

struct ReadRecords {
  std::vector<LogQso> qsos;
  std::vector<SkippedRecord> skipped;
  int unscored = 0;
  std::string headerCall;
};

// Drains a reader of type `Reader`, made over `text` with `args` after the stream.
template <typename Reader, typename... Args>
ReadRecords readRecords(const std::string& text, Args&&... args) {
  std::istringstream in(text);
  Reader reader(in, std::forward<Args>(args)...);
  ReadRecords read;
  while (std::optional<ReadRecord> record = reader.next()) {
    if (auto* qso = std::get_if<LogQso>(&*record)) read.qsos.push_back(std::move(*qso));
    if (auto* skipped = std::get_if<SkippedRecord>(&*record)) read.skipped.push_back(*skipped);
    if (std::holds_alternative<UnscoredLine>(*record)) ++read.unscored;
  }
  read.headerCall = reader.headerCall();
  return read;
}

}  // namespace velmora::cli
