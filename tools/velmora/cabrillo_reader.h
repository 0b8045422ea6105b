#pragma once
// Reads the QSO lines of a Cabrillo log in the column order the plug-in
// writes: "QSO: freqkHz mode yyyy-mm-dd hhmm mycall rst-sent exch-sent call
// rst-rcvd exch-rcvd". PH is SSB; the band comes from the frequency. Every
// other line is passed over; records are numbered by QSO line.

#include <istream>

#include "log_qso.h"

namespace velmora::cli {

LogContents readCabrilloLog(std::istream& in);

}  // namespace velmora::cli
