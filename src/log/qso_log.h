#pragma once
// The ordered log of QSOs, oldest first. Besides the records it indexes them
// by call, so that the duplicate test, a deletion and the call check look
// only at the records with one call, and it keeps the counts of each band
// (LoggedBands), so that neither the call check nor the summary needs a pass
// over the whole log. Storage grows as the GrowableArray rule says, never
// moving a stored record.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "log/growable_array.h"
#include "log/logged_bands.h"
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

  // Whether some record of the log is a duplicate of `record` under the
  // duplicate rule; a duplicate has the same call, so only the records with
  // it are compared.
  bool mayHoldDuplicateOf(const QsoRecord& record) const;

  // The positions of the records whose call equals `call`, oldest first.
  std::vector<std::size_t> positionsOfCall(std::string_view call) const;
  // Whether some record is on `band`; on `band` with this DXCC prefix; on
  // `band` with this department (all compared byte for byte).
  bool holdsBand(std::string_view band) const;
  bool holdsPrefixOnBand(std::string_view band, std::string_view prefix) const;
  bool holdsDepartmentOnBand(std::string_view band, std::string_view department) const;
  // What the records on exactly this band name hold; null when none is on it.
  const LoggedBand* band(std::string_view band) const { return bands_.find(band); }

 private:
  void forgetCall(const std::string& call, std::uint64_t sequence);

  GrowableArray<QsoRecord> records_;
  // Every record's number in the order of appending, never reused: the
  // records stand in ascending order of it, so it finds a record's position.
  std::vector<std::uint64_t> sequences_;
  std::uint64_t nextSequence_ = 0;
  std::unordered_map<std::string, std::vector<std::uint64_t>> callSequences_;
  LoggedBands bands_;
};

}  // namespace velmora
