#include "cabrillo/qso_line.h"

#include <string>

#include "cabrillo/ole_date_time_format.h"

namespace velmora {
namespace {

void appendRight(std::string& line, std::string_view text, std::size_t width) {
  if (text.size() < width) line.append(width - text.size(), ' ');
  line.append(text);
}

void appendLeft(std::string& line, std::string_view text, std::size_t width) {
  line.append(text);
  if (text.size() < width) line.append(width - text.size(), ' ');
}

}  // namespace

std::string_view ModeTag(std::string_view mode) {
  if (mode == "SSB") return "PH";
  if (mode == "CW") return "CW";
  return "??";
}

std::string FormatQsoLine(const QsoLineValues& v) {
  std::string line = "QSO: ";
  appendRight(line, std::to_string(v.frequencyKhz), 5);
  line += ' ';
  appendRight(line, v.modeTag, 2);
  line += ' ';
  line += FormatQsoTime(v.qsoTime);
  line += ' ';
  appendLeft(line, v.sender, 13);
  line += ' ';
  appendLeft(line, v.rstSent, 3);
  line += ' ';
  appendLeft(line, v.exchangeSent, 6);
  line += ' ';
  appendLeft(line, v.call, 13);
  line += ' ';
  appendLeft(line, v.rstReceived, 3);
  line += ' ';
  line += v.exchangeReceived;
  line += "\r\n";
  return line;
}

}  // namespace velmora
