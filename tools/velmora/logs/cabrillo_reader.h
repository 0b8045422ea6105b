#pragma once
// Reads the QSO lines of a Cabrillo 2.0 or 3.0 log in the column order the
// plug-in writes: "QSO: freqkHz mode yyyy-mm-dd hhmm mycall rst-sent
// exch-sent call rst-rcvd exch-rcvd", with or without a transmitter id
// (0 or 1) as an 11th column, which plays no part in scoring. PH is SSB;
// the band comes from the frequency. The own call comes from the CALLSIGN:
// header line; a listener's log says SWL in its CATEGORY-OPERATOR: (3.0)
// or CATEGORY: (2.0) line. X-QSO: lines (QSOs the log itself leaves out of scoring) are
// told as such; every other line is passed over. Records are numbered by
// QSO line. Lines end in LF, CR LF or CR; a line of more than
// kLongestCabrilloLine characters is no line of a Cabrillo log: a QSO line
// that long is skipped, any other passed over.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

#include "logs/record_reader.h"

namespace velmora::cli {

constexpr std::size_t kLongestCabrilloLine = 4096;

class CabrilloReader : public RecordReader {
 public:
  // Reads `in`, which must outlive the reader.
  explicit CabrilloReader(std::istream& in) : in_(in) {}
  std::optional<ReadRecord> next() override;
  std::string headerCall() const override { return ownCall_; }
  bool listenerLog() const override { return listener_; }

 private:
  std::istream& in_;
  int record_ = 0;
  std::string ownCall_;
  bool listener_ = false;  // a CATEGORY-OPERATOR: or CATEGORY: line says SWL
};

}  // namespace velmora::cli
