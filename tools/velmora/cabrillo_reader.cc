#include "cabrillo_reader.h"

#include <sstream>
#include <string>
#include <vector>

#include "band_plan.h"
#include "decimal_number.h"
#include "text_case.h"
#include "time_text.h"

namespace velmora::cli {
namespace {

ReadRecord qsoFromLine(const std::string& columns, int record) {
  auto skip = [&](const char* reason) { return SkippedRecord{record, reason}; };
  std::istringstream words(columns);
  std::vector<std::string> field;
  for (std::string word; words >> word;) field.push_back(word);
  if (field.size() != 10) return skip("a QSO line needs 10 columns");
  LogQso qso;
  qso.record = record;
  qso.frequencyHz = kilohertzToHz(field[0]);
  if (!qso.frequencyHz) return skip("bad frequency");
  const std::optional<std::string> band = bandOf(*qso.frequencyHz);
  if (!band) return skip("frequency outside the amateur bands");
  qso.band = *band;
  const std::string mode = toUpper(field[1]);
  qso.mode = mode == "PH" ? "SSB" : mode;
  if (!readDate(field[2], qso.time)) return skip("bad date");
  if (!readTime(field[3], qso.time)) return skip("bad time");
  qso.myCall = toUpper(field[4]);
  qso.rstSent = field[5];
  qso.exchangeSent = field[6];
  qso.call = toUpper(field[7]);
  qso.rstReceived = field[8];
  qso.exchangeReceived = field[9];
  return qso;
}

}  // namespace

LogContents readCabrilloLog(std::istream& in) {
  LogContents log;
  int record = 0;
  for (std::string line; std::getline(in, line);) {
    const std::string_view text = trimBlanks(line);
    if (toUpper(text.substr(0, 4)) != "QSO:") continue;
    log.add(qsoFromLine(std::string(text.substr(4)), ++record));
  }
  return log;
}

}  // namespace velmora::cli
