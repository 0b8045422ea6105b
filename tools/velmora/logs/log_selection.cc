#include "logs/log_selection.h"

#include <algorithm>
#include <sstream>

#include "logs/band_plan.h"
#include "logs/time_text.h"
#include "text/ascii.h"

namespace velmora::cli {

std::optional<double> parseUtcMoment(std::string_view text, bool endOfDay) {
  const std::string_view trimmed = trimAsciiBlanks(text);
  CivilDateTime moment;
  if (!readDate(trimmed.substr(0, 10), moment)) return std::nullopt;
  const std::string_view rest = trimAsciiBlanks(trimmed.substr(std::min<std::size_t>(10, trimmed.size())));
  if (rest.empty()) return oleDays(moment) + (endOfDay ? 1.0 : 0.0);
  if (rest.size() != 5 || rest[2] != ':') return std::nullopt;
  const std::string hhmm = std::string(rest.substr(0, 2)) + std::string(rest.substr(3, 2));
  if (trimmed[10] != ' ' || !readTime(hhmm, moment)) return std::nullopt;
  return oleDays(moment);
}

std::optional<std::vector<std::string>> parseBandList(std::string_view text) {
  std::vector<std::string> bands;
  std::istringstream list{std::string(text)};
  for (std::string item; std::getline(list, item, ',');) {
    const std::string name = lowerAscii(trimAsciiBlanks(item));
    if (!lowerEdgeHz(name)) return std::nullopt;
    bands.push_back(name);
  }
  if (bands.empty()) return std::nullopt;
  return bands;
}

LogSelection::Verdict LogSelection::judge(const LogQso& qso) const {
  const double at = oleDays(qso.time);
  if ((from && at < *from) || (until && at >= *until)) return Verdict::OutsidePeriod;
  if (!bands.empty() && std::find(bands.begin(), bands.end(), qso.band) == bands.end()) {
    return Verdict::OtherBand;
  }
  return Verdict::Kept;
}

}  // namespace velmora::cli
