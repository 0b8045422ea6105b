#include "score/band_summary.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>
#include <vector>

#include "classify/prefix_list.h"
#include "text/short_text.h"
#include "score/distinct_per_band.h"

namespace velmora {
namespace {

constexpr std::string_view kHeaderHomeFrance = "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n";
constexpr std::string_view kHeaderAbroad = "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n";
constexpr std::string_view kScoreHomeFrance = "Score  = ";
constexpr std::string_view kScoreAbroad = "Score = ";
constexpr std::string_view kScoreTrailer = "\tVelmorat 2011";

// Where each band name of the list is tallied: at the first entry of that
// name, so that a name listed twice gets the same figures twice.
std::vector<std::size_t> firstEntries(const BandList& bands) {
  std::vector<std::size_t> first(bands.size());
  for (std::size_t i = 0; i < bands.size(); ++i) {
    first[i] = i;
    for (std::size_t j = 0; j < i; ++j) {
      if (sameText(bands[j], bands[i])) {
        first[i] = j;
        break;
      }
    }
  }
  return first;
}

// The index in `bands` of a record's band, looked up from the last band
// found, since consecutive records are mostly on one band.
class BandIndex {
 public:
  explicit BandIndex(const BandList& bands) : bands_(bands) {}
  std::optional<std::size_t> of(const std::string& band) {
    if (last_ && sameText(bands_[*last_], band)) return last_;
    for (std::size_t i = 0; i < bands_.size(); ++i) {
      if (sameText(bands_[i], band)) return last_ = i;
    }
    return std::nullopt;
  }

 private:
  const BandList& bands_;
  std::optional<std::size_t> last_;
};

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

// The class of a record's prefix, kept for the next record: most stations
// worked are metropolitan, so consecutive records often share the prefix.
class LastClass {
 public:
  PrefixClass of(const std::string& prefix) {
    if (!last_ || !sameText(*last_, prefix)) {
      last_ = prefix;
      class_ = classifyPrefix(prefix);
    }
    return class_;
  }

 private:
  std::optional<std::string_view> last_;
  PrefixClass class_ = PrefixClass::Foreign;
};

}  // namespace

std::vector<BandTally> tallyBands(const QsoLog& log, const BandList& bands,
                                  const OperatorStation& station) {
  const bool homeIsFrance = station.inFrance;
  std::vector<BandTally> tallies(bands.size());
  const std::vector<std::size_t> first = firstEntries(bands);
  BandIndex bandIndex(bands);
  LastClass classes;
  DistinctPerBand departments(bands.size());
  DistinctPerBand prefixes(bands.size());
  for (const QsoRecord& r : log) {
    if (r.call.empty()) continue;
    const std::optional<std::size_t> band = bandIndex.of(r.band);
    if (!band) continue;
    BandTally& tally = tallies[*band];
    ++tally.qsos;
    const PrefixClass cls = homeIsFrance ? classes.of(r.dxccPrefix) : PrefixClass::Foreign;
    if (cls == PrefixClass::Metropolitan) {
      ++tally.metropolitan;
    } else if (cls == PrefixClass::Overseas) {
      ++tally.overseas;
    } else if (sameText(r.areaTag, station.myAreaTag)) {
      ++tally.sameArea;
    } else {
      ++tally.otherArea;
    }
    if (!r.department.empty() && departments.firstSight(*band, r.department)) ++tally.departments;
    if (homeIsFrance && cls == PrefixClass::Foreign && prefixes.firstSight(*band, r.dxccPrefix)) {
      ++tally.dxcc;
    }
  }
  for (std::size_t i = 0; i < bands.size(); ++i) tallies[i] = tallies[first[i]];
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

Summary summarize(const QsoLog& log, const BandList& bands, const OperatorStation& station) {
  const bool homeIsFrance = station.inFrance;
  Summary summary;
  std::string& out = summary.text;
  out = homeIsFrance ? kHeaderHomeFrance : kHeaderAbroad;
  std::int64_t totalPoints = 0;
  std::int64_t totalDepartments = 0;
  std::int64_t totalDxcc = 0;
  const std::vector<BandTally> tallies = tallyBands(log, bands, station);
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
