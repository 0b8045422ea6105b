#pragma once
// The ADIF reader: splits a log into records of named fields, one record at
// a time, so that a log of any size is read without holding its text. Field
// names are taken in any letter case; each value is exactly as many bytes as
// its length prefix says, so a value may hold '<' or line ends. A header
// (text before <EOH>) is skipped.

#include <functional>
#include <istream>
#include <map>
#include <string>

#include "log_qso.h"

namespace velmora::cli {

struct AdifRecord {
  int record = 0;  // from 1, counted after the header
  std::map<std::string, std::string> fields;  // by lower-case name

  // The value of the field `lowerName`, or "" when absent.
  const std::string& field(const std::string& lowerName) const;
  bool has(const std::string& lowerName) const { return fields.count(lowerName) != 0; }
};

// Which fields a reader takes (by lower-case name); the others are passed
// over unread. Empty: every field.
using AdifFieldChoice = std::function<bool(const std::string& lowerName)>;

// Hands every record to `onRecord`, and every record whose syntax is broken
// to `onBroken` with the reason, in file order.
void scanAdif(std::istream& in, const std::function<void(const AdifRecord&)>& onRecord,
              const std::function<void(SkippedRecord)>& onBroken,
              const AdifFieldChoice& wanted = {});

}  // namespace velmora::cli
