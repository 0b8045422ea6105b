#include "score/band_recount.h"

#include <optional>
#include <string>

#include "classify/prefix_list.h"
#include "score/distinct_per_band.h"
#include "text/short_text.h"

namespace velmora {
namespace {

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

std::vector<BandTally> recountBands(const QsoLog& log, const BandList& bands,
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

Summary recountSummary(const QsoLog& log, const BandList& bands, const OperatorStation& station) {
  return summaryOf(bands, recountBands(log, bands, station), log.size(), station.inFrance);
}

}  // namespace velmora
