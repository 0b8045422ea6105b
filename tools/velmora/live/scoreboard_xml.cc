#include "live/scoreboard_xml.h"

#include <cstdio>

#include "cabrillo/cabrillo_writer.h"
#include "report/markup.h"
#include "text/ascii.h"

namespace velmora::cli {
namespace {

using report::escaped;

// The scoreboards' name of a band: its wavelength for the HF bands
// ("80"), the Cabrillo designation above ("50", "144", "432").
std::string scoreboardBand(const std::string& band) {
  struct Designation {
    const char* band;
    const char* name;
  };
  static constexpr Designation kAbove[] = {{"6m", "50"},     {"4m", "70"},    {"2m", "144"},
                                           {"1.25m", "222"}, {"70cm", "432"}, {"33cm", "902"},
                                           {"23cm", "1.2G"}};
  const std::string lower = lowerAscii(band);
  for (const Designation& above : kAbove) {
    if (lower == above.band) return above.name;
  }
  if (lower == "total") return "total";
  return !lower.empty() && lower.back() == 'm' ? lower.substr(0, lower.size() - 1) : lower;
}

// What a column of the summary is on the scoreboard: its element and, for
// a multiplier, its type.
struct Column {
  const char* element;
  const char* type;
};
Column columnOf(const std::string& head) {
  if (head == "QSOs") return {"qso", nullptr};
  if (head == "Points") return {"point", nullptr};
  if (head == "DEP") return {"mult", "department"};
  if (head == "DXCC") return {"mult", "dxcc"};
  return {nullptr, nullptr};
}

std::string breakdownOf(const SummaryFigures& figures, const SummaryRow& row) {
  std::string xml;
  for (std::size_t i = 0; i < figures.heads.size() && i < row.values.size(); ++i) {
    const Column column = columnOf(figures.heads[i]);
    if (column.element == nullptr) continue;
    xml += "<" + std::string(column.element) + " band=\"" + escaped(scoreboardBand(row.label)) +
           "\" mode=\"ALL\"" + (column.type ? std::string(" type=\"") + column.type + "\"" : "") +
           ">" + escaped(row.values[i]) + "</" + column.element + ">";
  }
  return xml;
}

std::string powerClass(const std::optional<std::string>& power) {
  if (!power) return "";
  const std::string trimmed(trimAsciiBlanks(*power));
  const std::string word = upperAscii(trimmed.substr(0, trimmed.find(' ')));
  return word == "HIGH" || word == "LOW" || word == "QRP" ? word : "";
}

}  // namespace

std::string scoreboardXml(const std::string& call, const HeaderAnswers& header,
                          const SummaryFigures& figures, const CivilDateTime& utcNow) {
  char timestamp[32];
  std::snprintf(timestamp, sizeof timestamp, "%04d-%02d-%02d %02d:%02d:%02d", utcNow.year,
                utcNow.month, utcNow.day, utcNow.hour, utcNow.minute, utcNow.second);
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<dynamicresults>\n";
  xml += "<contest>" + escaped(kCabrilloContestName) + "</contest>\n";
  xml += "<call>" + escaped(call) + "</call>\n";
  if (header.operators) xml += "<ops>" + escaped(*header.operators) + "</ops>\n";
  xml += "<class power=\"" + powerClass(header.power) +
         "\" assisted=\"\" transmitter=\"\" ops=\"\" bands=\"\" mode=\"MIXED\"/>\n";
  if (header.club) xml += "<club>" + escaped(*header.club) + "</club>\n";
  xml += "<soft>velmora</soft>\n<version>" VELMORA_VERSION "</version>\n<breakdown>\n";
  if (figures.complete) {
    xml += breakdownOf(figures, figures.total) + "\n";
    for (const SummaryRow& band : figures.bands) xml += breakdownOf(figures, band) + "\n";
  }
  xml += "</breakdown>\n<score>" + escaped(figures.score.empty() ? "0" : figures.score) +
         "</score>\n<timestamp>" + timestamp + "</timestamp>\n</dynamicresults>\n";
  return xml;
}

}  // namespace velmora::cli
