#include "log/qso_log.h"

#include <algorithm>
#include <array>
#include <utility>

#include "log/duplicate_rule.h"

namespace velmora {
namespace {

// Texts of a QSO record hold no zero byte (the host passes C strings), so a
// zero byte separates the band from the value it is counted with.
std::string bandKey(std::string_view band) { return "B" + std::string(band); }

std::string prefixOnBandKey(std::string_view band, std::string_view prefix) {
  return "P" + std::string(band) + '\0' + std::string(prefix);
}

std::string departmentOnBandKey(std::string_view band, std::string_view department) {
  return "D" + std::string(band) + '\0' + std::string(department);
}

std::array<std::string, 3> textKeys(const QsoRecord& record) {
  return {bandKey(record.band), prefixOnBandKey(record.band, record.dxccPrefix),
          departmentOnBandKey(record.band, record.department)};
}

}  // namespace

void QsoLog::append(QsoRecord record) {
  const std::uint64_t key = duplicateKey(record);
  const std::uint64_t sequence = nextSequence_;
  const std::string call = record.call;
  const std::array<std::string, 3> texts = textKeys(record);
  std::size_t textsCounted = 0;
  bool callIndexed = false;
  ++keyCounts_[key];
  try {
    for (const std::string& text : texts) {
      ++textCounts_[text];
      ++textsCounted;
    }
    callSequences_[call].push_back(sequence);
    callIndexed = true;
    sequences_.push_back(sequence);
    records_.append(std::move(record));
  } catch (...) {
    if (sequences_.size() > records_.size()) sequences_.pop_back();
    if (callIndexed) forgetCall(call, sequence);
    for (std::size_t i = 0; i < textsCounted; ++i) forgetText(texts[i]);
    forget(key);
    throw;
  }
  ++nextSequence_;
}

void QsoLog::removeAt(std::size_t index) {
  const std::uint64_t key = duplicateKey(records_[index]);
  const std::string call = records_[index].call;
  const std::array<std::string, 3> texts = textKeys(records_[index]);
  const std::uint64_t sequence = sequences_[index];
  records_.removeAt(index);
  sequences_.erase(sequences_.begin() + static_cast<std::ptrdiff_t>(index));
  forget(key);
  forgetCall(call, sequence);
  for (const std::string& text : texts) forgetText(text);
}

void QsoLog::clear() {
  records_.clear();
  std::unordered_map<std::uint64_t, std::uint32_t>().swap(keyCounts_);
  std::vector<std::uint64_t>().swap(sequences_);
  std::unordered_map<std::string, std::vector<std::uint64_t>>().swap(callSequences_);
  std::unordered_map<std::string, std::uint32_t>().swap(textCounts_);
}

bool QsoLog::mayHoldDuplicateOf(const QsoRecord& record) const {
  return keyCounts_.count(duplicateKey(record)) != 0;
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

bool QsoLog::holdsBand(std::string_view band) const {
  return textCounts_.count(bandKey(band)) != 0;
}

bool QsoLog::holdsPrefixOnBand(std::string_view band, std::string_view prefix) const {
  return textCounts_.count(prefixOnBandKey(band, prefix)) != 0;
}

bool QsoLog::holdsDepartmentOnBand(std::string_view band, std::string_view department) const {
  return textCounts_.count(departmentOnBandKey(band, department)) != 0;
}

void QsoLog::forget(std::uint64_t key) {
  const auto found = keyCounts_.find(key);
  if (found != keyCounts_.end() && --found->second == 0) keyCounts_.erase(found);
}

void QsoLog::forgetText(const std::string& key) {
  const auto found = textCounts_.find(key);
  if (found != textCounts_.end() && --found->second == 0) textCounts_.erase(found);
}

void QsoLog::forgetCall(const std::string& call, std::uint64_t sequence) {
  const auto found = callSequences_.find(call);
  if (found == callSequences_.end()) return;
  std::vector<std::uint64_t>& sequences = found->second;
  sequences.erase(std::remove(sequences.begin(), sequences.end(), sequence), sequences.end());
  if (sequences.empty()) callSequences_.erase(found);
}

}  // namespace velmora
