#include "log/logged_bands.h"

namespace velmora {
namespace {

template <typename Map>
const typename Map::mapped_type* findText(const Map& map, std::string_view text) {
  const auto found = map.find(std::string(text));
  return found == map.end() ? nullptr : &found->second;
}

}  // namespace

std::uint32_t LoggedBand::withCallInArea(std::string_view areaTag) const {
  const AreaCounts* area = findText(areas_, areaTag);
  return area ? area->withCall : 0;
}

std::uint32_t LoggedBand::foreignWithCallInArea(std::string_view areaTag) const {
  const AreaCounts* area = findText(areas_, areaTag);
  return area ? area->foreignWithCall : 0;
}

bool LoggedBand::holdsPrefix(std::string_view prefix) const {
  return findText(prefixes_, prefix) != nullptr;
}

bool LoggedBand::holdsDepartment(std::string_view department) const {
  return findText(departments_, department) != nullptr;
}

void LoggedBand::add(const QsoRecord& r, PrefixClass prefixClass) {
  const bool withCall = !r.call.empty();
  const bool foreign = prefixClass == PrefixClass::Foreign;
  TextCounts* department = nullptr;
  TextCounts* prefix = nullptr;
  AreaCounts* area = nullptr;
  try {
    // Every entry the record needs is made first; only that can fail.
    department = &departments_[r.department];
    prefix = &prefixes_[r.dxccPrefix];
    if (withCall) area = &areas_[r.areaTag];
  } catch (...) {
    forgetUnused(r);
    throw;
  }
  ++records_;
  ++department->records;
  ++prefix->records;
  if (!withCall) return;
  ++withCall_;
  if (prefixClass == PrefixClass::Metropolitan) ++metropolitan_;
  if (prefixClass == PrefixClass::Overseas) ++overseas_;
  if (department->withCall++ == 0 && !r.department.empty()) ++departmentsWithCall_;
  if (prefix->withCall++ == 0 && foreign) ++foreignPrefixesWithCall_;
  ++area->withCall;
  if (foreign) ++area->foreignWithCall;
}

void LoggedBand::remove(const QsoRecord& r, PrefixClass prefixClass) noexcept {
  const bool withCall = !r.call.empty();
  const bool foreign = prefixClass == PrefixClass::Foreign;
  TextCounts& department = departments_.find(r.department)->second;
  TextCounts& prefix = prefixes_.find(r.dxccPrefix)->second;
  --records_;
  --department.records;
  --prefix.records;
  if (withCall) {
    --withCall_;
    if (prefixClass == PrefixClass::Metropolitan) --metropolitan_;
    if (prefixClass == PrefixClass::Overseas) --overseas_;
    if (--department.withCall == 0 && !r.department.empty()) --departmentsWithCall_;
    if (--prefix.withCall == 0 && foreign) --foreignPrefixesWithCall_;
    AreaCounts& area = areas_.find(r.areaTag)->second;
    --area.withCall;
    if (foreign) --area.foreignWithCall;
  }
  forgetUnused(r);
}

// Entries of the record's texts that no record holds any more (or that add
// made before it failed) are dropped.
void LoggedBand::forgetUnused(const QsoRecord& r) noexcept {
  const auto department = departments_.find(r.department);
  if (department != departments_.end() && department->second.records == 0) {
    departments_.erase(department);
  }
  const auto prefix = prefixes_.find(r.dxccPrefix);
  if (prefix != prefixes_.end() && prefix->second.records == 0) prefixes_.erase(prefix);
  const auto area = areas_.find(r.areaTag);
  if (area != areas_.end() && area->second.withCall == 0) areas_.erase(area);
}

void LoggedBands::add(const QsoRecord& record) {
  const auto [band, made] = bands_.try_emplace(record.band);
  try {
    band->second.add(record, classifyPrefix(record.dxccPrefix));
  } catch (...) {
    if (made) bands_.erase(band);
    throw;
  }
}

void LoggedBands::remove(const QsoRecord& record) noexcept {
  const auto band = bands_.find(record.band);
  band->second.remove(record, classifyPrefix(record.dxccPrefix));
  if (band->second.records() == 0) bands_.erase(band);
}

void LoggedBands::clear() noexcept { std::unordered_map<std::string, LoggedBand>().swap(bands_); }

const LoggedBand* LoggedBands::find(std::string_view band) const { return findText(bands_, band); }

}  // namespace velmora
