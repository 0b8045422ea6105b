#include "cabrillo/qso_line.h"

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

std::string_view modeTag(std::string_view mode) {
  if (mode == "SSB") return "PH";
  if (mode == "CW") return "CW";
  return "??";
}

void appendQsoLine(std::string& line, const QsoRecord& qso, std::string_view sender) {
  line += "QSO: ";
  appendRight(line, std::to_string(qso.frequencyKhz), 5);
  line += ' ';
  appendRight(line, modeTag(qso.mode), 2);
  line += ' ';
  line += formatQsoTime(qso.qsoTime);
  line += ' ';
  appendLeft(line, sender, 13);
  line += ' ';
  appendLeft(line, qso.rstSent, 3);
  line += ' ';
  appendLeft(line, qso.exchangeSent, 6);
  line += ' ';
  appendLeft(line, qso.call, 13);
  line += ' ';
  appendLeft(line, qso.rstReceived, 3);
  line += ' ';
  line += qso.exchangeReceived;
  line += "\r\n";
}

}  // namespace velmora
