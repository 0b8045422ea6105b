#include "log/qso_log.h"

#include <utility>

#include "log/duplicate_rule.h"

namespace velmora {

void QsoLog::append(QsoRecord record) {
  const std::uint64_t key = duplicateKey(record);
  ++keyCounts_[key];
  try {
    records_.append(std::move(record));
  } catch (...) {
    forget(key);
    throw;
  }
}

void QsoLog::removeAt(std::size_t index) {
  const std::uint64_t key = duplicateKey(records_[index]);
  records_.removeAt(index);
  forget(key);
}

void QsoLog::clear() {
  records_.clear();
  std::unordered_map<std::uint64_t, std::uint32_t>().swap(keyCounts_);
}

bool QsoLog::mayHoldDuplicateOf(const QsoRecord& record) const {
  return keyCounts_.count(duplicateKey(record)) != 0;
}

void QsoLog::forget(std::uint64_t key) {
  const auto found = keyCounts_.find(key);
  if (found != keyCounts_.end() && --found->second == 0) keyCounts_.erase(found);
}

}  // namespace velmora
