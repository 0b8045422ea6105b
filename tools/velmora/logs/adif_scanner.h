#pragma once
// The ADIF scanner: splits a log into records of named fields, one record
// each time it is asked, reading the file in chunks so that a log of any
// size is read in bounded memory. Field names are taken in any letter case.
// A value is as many bytes as its length says and may hold '<' or line
// ends; but a length that runs over the start of a well-formed tag
// (logs/adif_tag.h) cannot be right, as loggers that count something else
// than bytes write it: the value then ends before that tag, the scanner
// goes on from the tag, and the record carries a note saying so. Text
// between a value and the next tag is passed over (LoTW's "// comments"). A
// header (text before <EOH>) is skipped; LoTW's closing <APP_LoTW_EOF> ends
// the file.
//
// Limits: a tag of at most kLongestAdifTag characters; a value kept of at
// most kLongestAdifValue bytes (a field that is not kept is read past,
// whatever its length).

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::cli {

constexpr std::size_t kLongestAdifValue = 1 << 16;

// The fields kept of one record, by lower-case name; a name given again
// replaces the value. A record keeps a handful, so they stand in a list.
class AdifFields {
 public:
  void set(std::string_view name, std::string value);
  // The value of the field `name`; null when absent.
  const std::string* find(std::string_view name) const;
  std::size_t count(std::string_view name) const { return find(name) != nullptr ? 1 : 0; }
  std::size_t size() const { return fields_.size(); }
  bool empty() const { return fields_.empty(); }
  // Name and value of each field, in the order first given.
  auto begin() const { return fields_.begin(); }
  auto end() const { return fields_.end(); }

 private:
  std::vector<std::pair<std::string, std::string>> fields_;
};

struct AdifRecord {
  int record = 0;  // from 1, counted after the header
  AdifFields fields;
  std::string broken;  // why its syntax is broken; empty for a whole record
  // "COMMENT's length 9 runs into the next field; read as ' 54 '": the first
  // field whose declared length ran into the next tag; empty when none did.
  std::string lengthNote;

  // The value of the field `lowerName`, or "" when absent.
  const std::string& field(std::string_view lowerName) const;
  bool has(std::string_view lowerName) const { return fields.count(lowerName) != 0; }
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
  enum class ValueEnd { Whole, RunsIntoTag, PastEnd };

  bool fill(std::size_t bytes);
  std::string_view ahead() const { return std::string_view(buffer_).substr(at_); }
  void consume(std::size_t bytes) { at_ += bytes; }

  bool passToTag();
  bool nextTag(std::string& tag);
  void skipLeadingHeader();
  void takeTag(std::string_view tag);
  ValueEnd readValue(std::size_t bytes, std::size_t keepAtMost, std::string& value, bool& cut);
  void noteLengthRun(std::string_view name, std::string_view length, const std::string& value);
  void markBroken(const std::string& reason);
  void endRecord();

  std::istream& in_;
  AdifFieldChoice wanted_;
  std::string buffer_;  // bytes read from the file; those from at_ on are not scanned yet
  std::size_t at_ = 0;
  bool inputDone_ = false;
  bool started_ = false;
  bool atEnd_ = false;
  int record_ = 1;
  int lengthRuns_ = 0;  // in the current record
  std::string tag_;         // the tag being read, '<' and '>' left out
  std::string name_;        // the field name being read, in lower case
  std::string passedOver_;  // what is kept of a value passed over
  AdifRecord current_;
  std::optional<AdifRecord> ended_;  // the record the last tag ended
};

}  // namespace velmora::cli
