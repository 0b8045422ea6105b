#pragma once
// The ADIF reader: splits a log into records of named fields. Field names
// are taken in any letter case; each value is exactly as many bytes as its
// length prefix says, so a value may hold '<' or line ends. A header (text
// before <EOH>) is skipped.

#include <istream>
#include <map>
#include <string>
#include <vector>

#include "log_qso.h"

namespace velmora::cli {

struct AdifRecord {
  int record = 0;  // from 1, counted after the header
  std::map<std::string, std::string> fields;  // by lower-case name

  // The value of the field `lowerName`, or "" when absent.
  const std::string& field(const std::string& lowerName) const;
};

struct AdifContents {
  std::vector<AdifRecord> records;
  std::vector<SkippedRecord> skipped;  // records whose syntax is broken
};

AdifContents readAdif(std::istream& in);

}  // namespace velmora::cli
