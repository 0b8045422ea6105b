#include "log/qso_log.h"

#include <algorithm>
#include <utility>

#include "log/duplicate_rule.h"

namespace velmora {

void QsoLog::append(QsoRecord record) {
  const std::uint64_t sequence = nextSequence_;
  const std::string call = record.call;
  bool counted = false;
  bool callIndexed = false;
  try {
    bands_.add(record);
    counted = true;
    callSequences_[call].push_back(sequence);
    callIndexed = true;
    sequences_.push_back(sequence);
    records_.append(std::move(record));
  } catch (...) {
    if (sequences_.size() > records_.size()) sequences_.pop_back();
    if (callIndexed) forgetCall(call, sequence);
    if (counted) bands_.remove(record);
    throw;
  }
  ++nextSequence_;
}

void QsoLog::removeAt(std::size_t index) {
  const QsoRecord& record = records_[index];
  forgetCall(record.call, sequences_[index]);
  bands_.remove(record);
  records_.removeAt(index);
  sequences_.erase(sequences_.begin() + static_cast<std::ptrdiff_t>(index));
}

void QsoLog::clear() {
  records_.clear();
  std::vector<std::uint64_t>().swap(sequences_);
  std::unordered_map<std::string, std::vector<std::uint64_t>>().swap(callSequences_);
  bands_.clear();
}

bool QsoLog::mayHoldDuplicateOf(const QsoRecord& record) const {
  for (const std::size_t position : positionsOfCall(record.call)) {
    if (isDuplicate(records_[position], record)) return true;
  }
  return false;
}

std::vector<std::size_t> QsoLog::positionsOfCall(std::string_view call) const {
  std::vector<std::size_t> positions;
  const auto found = callSequences_.find(std::string(call));
  if (found == callSequences_.end()) return positions;
  for (const std::uint64_t sequence : found->second) {
    const auto at = std::lower_bound(sequences_.begin(), sequences_.end(), sequence);
    positions.push_back(static_cast<std::size_t>(at - sequences_.begin()));
  }
  return positions;
}

bool QsoLog::holdsBand(std::string_view band) const { return bands_.find(band) != nullptr; }

bool QsoLog::holdsPrefixOnBand(std::string_view band, std::string_view prefix) const {
  const LoggedBand* logged = bands_.find(band);
  return logged && logged->holdsPrefix(prefix);
}

bool QsoLog::holdsDepartmentOnBand(std::string_view band, std::string_view department) const {
  const LoggedBand* logged = bands_.find(band);
  return logged && logged->holdsDepartment(department);
}

void QsoLog::forgetCall(const std::string& call, std::uint64_t sequence) {
  const auto found = callSequences_.find(call);
  if (found == callSequences_.end()) return;
  std::vector<std::uint64_t>& sequences = found->second;
  sequences.erase(std::remove(sequences.begin(), sequences.end(), sequence), sequences.end());
  if (sequences.empty()) callSequences_.erase(found);
}

}  // namespace velmora
