#include "score/band_summary.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <vector>

#include "classify/prefix_list.h"

namespace velmora {
namespace {

constexpr std::string_view kHeaderHomeFrance = "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n";
constexpr std::string_view kHeaderAbroad = "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n";
constexpr std::string_view kScoreHomeFrance = "Score  = ";
constexpr std::string_view kScoreAbroad = "Score = ";
constexpr std::string_view kScoreTrailer = "\tVelmorat 2011";

// Appends the text once; true when it was not in `seen` before.
bool firstSight(std::vector<std::string>& seen, const std::string& text) {
  if (std::find(seen.begin(), seen.end(), text) != seen.end()) return false;
  seen.push_back(text);
  return true;
}

// "label\t v1\t v2...\t  vN\r\n": the last column has two blanks, the others one.
void appendRow(std::string& out, std::string_view label, std::initializer_list<std::int64_t> values) {
  out += label;
  std::size_t column = 0;
  for (std::int64_t value : values) {
    out += ++column == values.size() ? "\t  " : "\t ";
    out += std::to_string(value);
  }
  out += "\r\n";
}

}  // namespace

BandTally tallyBand(const QsoLog& log, std::string_view band, const ContestState& state) {
  const bool homeIsFrance = state.homeIsFrance != 0;
  BandTally tally;
  std::vector<std::string> departments;
  std::vector<std::string> prefixes;
  for (const QsoRecord& r : log) {
    if (r.band != band || r.call.empty()) continue;
    ++tally.qsos;
    const PrefixClass cls = homeIsFrance ? ClassifyPrefix(r.dxccPrefix) : PrefixClass::Foreign;
    if (cls == PrefixClass::Metropolitan) {
      ++tally.metropolitan;
    } else if (cls == PrefixClass::Overseas) {
      ++tally.overseas;
    } else if (r.areaTag == state.myAreaTag) {
      ++tally.sameArea;
    } else {
      ++tally.otherArea;
    }
    if (!r.department.empty() && firstSight(departments, r.department)) ++tally.departments;
    if (homeIsFrance && cls == PrefixClass::Foreign && firstSight(prefixes, r.dxccPrefix)) ++tally.dxcc;
  }
  return tally;
}

std::int64_t bandPoints(const BandTally& tally) {
  return 6 * std::int64_t{tally.metropolitan} + 15 * std::int64_t{tally.overseas} +
         3 * std::int64_t{tally.otherArea} + std::int64_t{tally.sameArea};
}

std::int32_t clampedScore(std::int64_t points, std::int64_t multipliers) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  // Both factors stay far below 2^31 in any real log, so the product fits.
  return static_cast<std::int32_t>(std::clamp(points * multipliers, lo, hi));
}

Summary summarize(const QsoLog& log, const BandList& bands, const ContestState& state) {
  const bool homeIsFrance = state.homeIsFrance != 0;
  Summary summary;
  std::string& out = summary.text;
  out = homeIsFrance ? kHeaderHomeFrance : kHeaderAbroad;
  std::int64_t totalPoints = 0;
  std::int64_t totalDepartments = 0;
  std::int64_t totalDxcc = 0;
  for (const std::string& band : bands) {
    const BandTally tally = tallyBand(log, band, state);
    const std::int64_t points = bandPoints(tally);
    if (homeIsFrance) {
      appendRow(out, band, {tally.qsos, points, tally.departments, tally.dxcc});
    } else {
      appendRow(out, band, {tally.qsos, points, tally.departments});
    }
    totalPoints += points;
    totalDepartments += tally.departments;
    totalDxcc += tally.dxcc;
  }
  const auto records = static_cast<std::int64_t>(log.size());
  if (homeIsFrance) {
    appendRow(out, "Total", {records, totalPoints, totalDepartments, totalDxcc});
    summary.score = clampedScore(totalPoints, totalDepartments + totalDxcc);
  } else {
    appendRow(out, "Total", {records, totalPoints, totalDepartments});
    summary.score = clampedScore(totalPoints, totalDepartments);
  }
  out += homeIsFrance ? kScoreHomeFrance : kScoreAbroad;
  out += std::to_string(summary.score);
  out += kScoreTrailer;
  return summary;
}

}  // namespace velmora
