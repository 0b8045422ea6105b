#pragma once
// Reads the QSO out of each ADIF record: the fields the logging host passes
// the plug-in, checked enough that a broken record is skipped with a reason.

#include <istream>
#include <optional>
#include <string>

#include "logs/adif_scanner.h"
#include "logs/record_reader.h"

namespace velmora::cli {

// `rcvdField` names the field (lower case) that holds the received
// exchange; empty: SRX_STRING, else SRX.
ReadRecord qsoFromAdif(const AdifRecord& record, const std::string& rcvdField);

// Every record of an ADIF log: a QSO, or a record skipped with its reason.
// Only the fields a QSO is read from are kept; the others are read past.
class AdifQsoReader : public RecordReader {
 public:
  AdifQsoReader(std::istream& in, const std::string& rcvdField);
  std::optional<ReadRecord> next() override;

 private:
  std::string rcvdField_;
  AdifScanner scanner_;
};

}  // namespace velmora::cli
