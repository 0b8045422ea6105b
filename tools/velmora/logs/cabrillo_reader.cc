#include "logs/cabrillo_reader.h"

#include <sstream>
#include <string>
#include <vector>

#include "logs/band_plan.h"
#include "logs/decimal_number.h"
#include "logs/text_line.h"
#include "logs/time_text.h"
#include "text/ascii.h"

namespace velmora::cli {
namespace {

bool isTransmitterId(const std::string& column) { return column == "0" || column == "1"; }

ReadRecord qsoFromLine(const std::string& columns, int record) {
  auto skip = [&](const std::string& reason) { return SkippedRecord{record, reason, {}}; };
  std::istringstream words(columns);
  std::vector<std::string> field;
  for (std::string word; words >> word;) field.push_back(word);
  const bool withTransmitter = field.size() == 11 && isTransmitterId(field[10]);
  if (field.size() != 10 && !withTransmitter) {
    return skip(std::to_string(field.size()) +
                " columns; expected 10, or 11 ending in a transmitter id 0 or 1");
  }
  LogQso qso;
  qso.record = record;
  const std::optional<std::uint64_t> hz = kilohertzToHz(field[0]);
  if (!hz) return skip("bad frequency");
  const std::optional<std::string> band = bandOf(*hz);
  if (!band) return skip("frequency outside the amateur bands");
  if (*hz > kHighestPluginHz) return skip("frequency " + field[0] + " kHz" + kAboveThePlugin);
  qso.frequencyHz = static_cast<std::uint32_t>(*hz);
  qso.band = *band;
  const std::string mode = upperAscii(field[1]);
  qso.mode = mode == "PH" ? "SSB" : mode;
  if (!readDate(field[2], qso.time)) return skip("bad date");
  if (!readTime(field[3], qso.time)) return skip("bad time");
  qso.myCall = upperAscii(field[4]);
  qso.rstSent = field[5];
  qso.exchangeSent = field[6];
  qso.call = upperAscii(field[7]);
  qso.rstReceived = field[8];
  qso.exchangeReceived = field[9];
  return qso;
}

// Whether `upperLine` (an upper-cased line) begins with `tag`.
bool startsWith(const std::string& upperLine, std::string_view tag) {
  return upperLine.compare(0, tag.size(), tag) == 0;
}

// Whether a CATEGORY-OPERATOR: or CATEGORY: line holds the word SWL.
bool saysListener(std::string_view line) {
  const std::size_t colon = line.find(':');
  const std::string tag = upperAscii(trimAsciiBlanks(line.substr(0, colon)));
  if (colon == std::string_view::npos || (tag != "CATEGORY-OPERATOR" && tag != "CATEGORY")) {
    return false;
  }
  std::istringstream words(upperAscii(line.substr(colon + 1)));
  for (std::string word; words >> word;) {
    if (word == "SWL") return true;
  }
  return false;
}

}  // namespace

std::optional<ReadRecord> CabrilloReader::next() {
  std::string line;
  for (LineRead read; (read = readLine(in_, line, kLongestCabrilloLine)) != LineRead::End;) {
    const std::string_view text = trimAsciiBlanks(line);
    const std::string head = upperAscii(text.substr(0, 9));
    if (startsWith(head, "QSO:")) {
      ++record_;
      if (read == LineRead::TooLong) {
        return SkippedRecord{record_, "a line of more than " +
                                          std::to_string(kLongestCabrilloLine) + " characters", {}};
      }
      return qsoFromLine(std::string(text.substr(4)), record_);
    }
    if (startsWith(head, "X-QSO:")) return UnscoredLine{};
    if (startsWith(head, "CALLSIGN:") && read == LineRead::Line) {
      ownCall_ = upperAscii(trimAsciiBlanks(text.substr(9)));
    }
    if (startsWith(head, "CATEGORY") && read == LineRead::Line) {
      listener_ = listener_ || saysListener(text);
    }
  }
  return std::nullopt;
}

}  // namespace velmora::cli
