#pragma once
// The ordered log of QSOs, oldest first. Besides the records it counts their
// duplicate keys, so that a QSO whose key no record has is known to be new
// without comparing it with the whole log; any other QSO is still compared
// record by record under the duplicate rule. It also indexes the records by
// call, and counts the bands, DXCC prefixes per band and departments per
// band they hold, so that the call check needs no pass over the whole log.
// Storage grows as the GrowableArray rule says.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "log/growable_array.h"
#include "log/qso_record.h"

namespace velmora {

class QsoLog {
 public:
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  std::size_t capacity() const { return records_.capacity(); }
  const QsoRecord& operator[](std::size_t index) const { return records_[index]; }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

  // Appends a record. If memory runs out, std::bad_alloc propagates and the
  // log is left as it was.
  void append(QsoRecord record);
  // Removes one record; later records move down, keeping their order.
  void removeAt(std::size_t index);
  // Removes every record and releases the storage.
  void clear();

  // False only when no record of the log can be a duplicate of `record`.
  bool mayHoldDuplicateOf(const QsoRecord& record) const;

  // The positions of the records whose call equals `call`, oldest first.
  std::vector<std::size_t> positionsOfCall(std::string_view call) const;
  // Whether some record is on `band`; on `band` with this DXCC prefix; on
  // `band` with this department (all compared byte for byte).
  bool holdsBand(std::string_view band) const;
  bool holdsPrefixOnBand(std::string_view band, std::string_view prefix) const;
  bool holdsDepartmentOnBand(std::string_view band, std::string_view department) const;

 private:
  void forget(std::uint64_t key);
  void forgetText(const std::string& key);
  void forgetCall(const std::string& call, std::uint64_t sequence);

  GrowableArray<QsoRecord> records_;
  std::unordered_map<std::uint64_t, std::uint32_t> keyCounts_;
  // Every record's number in the order of appending, never reused: the
  // records stand in ascending order of it, so it finds a record's position.
  std::vector<std::uint64_t> sequences_;
  std::uint64_t nextSequence_ = 0;
  std::unordered_map<std::string, std::vector<std::uint64_t>> callSequences_;
  // Counts of the keys made by bandKey, prefixOnBandKey, departmentOnBandKey.
  std::unordered_map<std::string, std::uint32_t> textCounts_;
};

}  // namespace velmora
