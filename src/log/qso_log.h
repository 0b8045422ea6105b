#pragma once
// The ordered log of QSOs, oldest first. Besides the records it counts their
// duplicate keys, so that a QSO whose key no record has is known to be new
// without comparing it with the whole log; any other QSO is still compared
// record by record under the duplicate rule. Storage grows as the
// GrowableArray rule says.

#include <cstdint>
#include <unordered_map>

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

 private:
  void forget(std::uint64_t key);

  GrowableArray<QsoRecord> records_;
  std::unordered_map<std::uint64_t, std::uint32_t> keyCounts_;
};

}  // namespace velmora
