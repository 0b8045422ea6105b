#include "score/band_summary.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <vector>

namespace velmora {
namespace {

constexpr std::string_view kHeaderHomeFrance = "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n";
constexpr std::string_view kHeaderAbroad = "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n";
constexpr std::string_view kScoreHomeFrance = "Score  = ";
constexpr std::string_view kScoreAbroad = "Score = ";
constexpr std::string_view kScoreTrailer = "\tVelmorat 2011";

// "label\t v1\t v2...\t  vN\r\n": the last column has two blanks, the others one.
void appendRow(std::string& out, std::string_view label, std::initializer_list<std::int64_t> values) {
  out += label;
  std::size_t column = 0;
  for (std::int64_t value : values) {
    out += ++column == values.size() ? "\t  " : "\t ";
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  }
  out += "\r\n";
}

// The figures of one band for the contest's operator, from the log's counts
// of the band (null: no record is on it).
BandTally tallyOf(const LoggedBand* band, const OperatorStation& station) {
  BandTally tally;
  if (!band) return tally;
  tally.qsos = static_cast<int>(band->withCall());
  tally.departments = static_cast<int>(band->departmentsWithCall());
  if (station.inFrance) {
    tally.metropolitan = static_cast<int>(band->metropolitan());
    tally.overseas = static_cast<int>(band->overseas());
    tally.sameArea = static_cast<int>(band->foreignWithCallInArea(station.myAreaTag));
    tally.otherArea = tally.qsos - tally.metropolitan - tally.overseas - tally.sameArea;
    tally.dxcc = static_cast<int>(band->foreignPrefixesWithCall());
  } else {
    tally.sameArea = static_cast<int>(band->withCallInArea(station.myAreaTag));
    tally.otherArea = tally.qsos - tally.sameArea;
  }
  return tally;
}

}  // namespace

std::vector<BandTally> tallyBands(const QsoLog& log, const BandList& bands,
                                  const OperatorStation& station) {
  std::vector<BandTally> tallies;
  tallies.reserve(bands.size());
  for (const std::string& band : bands) tallies.push_back(tallyOf(log.band(band), station));
  return tallies;
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

Summary summaryOf(const BandList& bands, const std::vector<BandTally>& tallies,
                  std::size_t records, bool homeIsFrance) {
  Summary summary;
  std::string& out = summary.text;
  // The header, a line per band (its name and up to 50 characters of
  // figures), the Total and score lines.
  std::size_t room = kHeaderHomeFrance.size() + 2 * 64;
  for (const std::string& band : bands) room += band.size() + 50;
  out.reserve(room);
  out = homeIsFrance ? kHeaderHomeFrance : kHeaderAbroad;
  std::int64_t totalPoints = 0;
  std::int64_t totalDepartments = 0;
  std::int64_t totalDxcc = 0;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const std::string& band = bands[i];
    const BandTally& tally = tallies[i];
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
  const auto recordCount = static_cast<std::int64_t>(records);
  if (homeIsFrance) {
    appendRow(out, "Total", {recordCount, totalPoints, totalDepartments, totalDxcc});
    summary.score = clampedScore(totalPoints, totalDepartments + totalDxcc);
  } else {
    appendRow(out, "Total", {recordCount, totalPoints, totalDepartments});
    summary.score = clampedScore(totalPoints, totalDepartments);
  }
  out += homeIsFrance ? kScoreHomeFrance : kScoreAbroad;
  out += std::to_string(summary.score);
  out += kScoreTrailer;
  return summary;
}

Summary summarize(const QsoLog& log, const BandList& bands, const OperatorStation& station) {
  return summaryOf(bands, tallyBands(log, bands, station), log.size(), station.inFrance);
}

}  // namespace velmora
