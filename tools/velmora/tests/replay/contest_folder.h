#pragma once
// The fixture of the tests that run a contest through the real plug-in: a
// fresh working folder with a reference file and a small country file, the
// contest options that load the built plug-in, and ADIF records to write
// logs with.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "logs/log_reader.h"
#include "replay/contest_options.h"
#include "working_folder.h"

namespace velmora::cli {

inline std::string adifField(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

// One QSO of a log; `extra` adds fields (STATION_CALLSIGN ...).
inline std::string adifRecord(const std::string& call, const std::string& band,
                              const std::string& mode, const std::string& exchange,
                              const std::string& date, const std::string& time,
                              const std::string& extra = "") {
  return adifField("CALL", call) + adifField("QSO_DATE", date) + adifField("TIME_ON", time) +
         adifField("BAND", band) + adifField("MODE", mode) + adifField("STX_STRING", "001") +
         adifField("SRX_STRING", exchange) + extra + "<EOR>\n";
}

// A CW QSO of 2011-03-12 at 06:`minute` on 40m or 20m, reports 599, sent 69.
inline LogQso cwQso(const std::string& call, const std::string& band, int minute,
                    const std::string& exchange = "123") {
  LogQso qso;
  qso.record = minute;
  qso.call = call;
  qso.time = {2011, 3, 12, 6, minute, 0};
  qso.band = band;
  qso.frequencyHz = band == "40m" ? 7010000 : 14010000;
  qso.mode = "CW";
  qso.rstSent = qso.rstReceived = "599";
  qso.exchangeSent = "69";
  qso.exchangeReceived = exchange;
  return qso;
}

class ContestFolder : public ::testing::Test {
 protected:
  ContestFolder() {
    folder.writeFile("Plugins/ref.txt", "F5AAA 75\r\n");
    folder.writeFile("cty.dat",
                     "France: 14: 27: EU: 46.0: -2.0: -1.0: F:\n    F,TM;\n"
                     "Germany: 14: 28: EU: 51.0: -10.0: -1.0: DL:\n    DL;\n");
    options.plugin = VELMORA_PLUGIN_FILE;
    options.cty = (folder.path() / "cty.dat").string();
    options.call = "F5VEL";
  }

  // The log `text`, read with `reading`.
  static LogReader log(const std::string& text, const ReadOptions& reading = {}) {
    return LogReader(std::make_unique<std::istringstream>(text), reading, "log.adi");
  }

  testing::WorkingFolder folder;
  ContestOptions options;
  std::ostringstream err;
};

}  // namespace velmora::cli
