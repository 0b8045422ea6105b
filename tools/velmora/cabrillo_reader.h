#pragma once
// Reads the QSO lines of a Cabrillo 2.0 or 3.0 log in the column order the
// plug-in writes: "QSO: freqkHz mode yyyy-mm-dd hhmm mycall rst-sent
// exch-sent call rst-rcvd exch-rcvd", with or without a transmitter id
// (0 or 1) as an 11th column, which plays no part in scoring. PH is SSB;
// the band comes from the frequency. The own call comes from the CALLSIGN:
// header line. X-QSO: lines (QSOs the log itself leaves out of scoring) are
// counted and passed over, as is every other line; records are numbered by
// QSO line.

#include <functional>
#include <istream>
#include <string>

#include "log_qso.h"

namespace velmora::cli {

struct CabrilloSink {
  std::function<void(ReadRecord)> onRecord;
  std::function<void(std::string)> onOwnCall;
  std::function<void()> onNotForScoring;
};

void readCabrilloLog(std::istream& in, const CabrilloSink& sink);

}  // namespace velmora::cli
