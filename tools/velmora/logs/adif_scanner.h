#pragma once
// The ADIF scanner: splits a log into records of named fields, one record
// each time it is asked, so that a log of any size is read without holding
// its text. Field names are taken in any letter case; each value is exactly
// as many bytes as its length prefix says, so a value may hold '<' or line
// ends. A header (text before <EOH>) is skipped.

#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <string>

namespace velmora::cli {

struct AdifRecord {
  int record = 0;  // from 1, counted after the header
  std::map<std::string, std::string> fields;  // by lower-case name
  std::string broken;  // why its syntax is broken; empty for a whole record

  // The value of the field `lowerName`, or "" when absent.
  const std::string& field(const std::string& lowerName) const;
  bool has(const std::string& lowerName) const { return fields.count(lowerName) != 0; }
};

// Which fields a scanner takes (by lower-case name); the others are passed
// over unread. Empty: every field.
using AdifFieldChoice = std::function<bool(const std::string& lowerName)>;

class AdifScanner {
 public:
  // Reads `in`, which must outlive the scanner.
  explicit AdifScanner(std::istream& in, AdifFieldChoice wanted = {});

  // The next record in file order, whole or broken; nothing at the end.
  std::optional<AdifRecord> next();

 private:
  bool nextTag(std::string& tag);
  void skipLeadingHeader();
  void takeTag(const std::string& tag);
  bool readValue(std::size_t bytes, std::string& value);
  bool skipValue(std::size_t bytes);
  void markBroken(const std::string& reason);
  void endRecord();

  std::istream& in_;
  AdifFieldChoice wanted_;
  bool started_ = false;
  bool atEnd_ = false;
  int record_ = 1;
  AdifRecord current_;
  std::optional<AdifRecord> ended_;  // the record the last tag ended
};

}  // namespace velmora::cli
