#pragma once
// What the log holds on each band name, counted record by record as records
// are appended and removed, so that the summary and the call check can ask
// about a band without a pass over the log. Every figure depends on the
// records alone, not on the operator: the summary turns them into its tally
// for the operator of the contest (see score/band_summary.h).
//
// A band, department, prefix or area appears only while some record holds
// it, so the counts never take more room than the records they describe.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "classify/prefix_list.h"
#include "log/qso_record.h"

namespace velmora {

class LoggedBand {
 public:
  std::uint32_t records() const { return records_; }
  // Records with a non-empty call: the only ones the summary counts.
  std::uint32_t withCall() const { return withCall_; }
  // Of those, the ones whose prefix is of each French class.
  std::uint32_t metropolitan() const { return metropolitan_; }
  std::uint32_t overseas() const { return overseas_; }
  // Of those with a call: the ones with exactly this area tag, and the ones
  // with this area tag and a foreign prefix.
  std::uint32_t withCallInArea(std::string_view areaTag) const;
  std::uint32_t foreignWithCallInArea(std::string_view areaTag) const;
  // Distinct non-empty departments, and distinct foreign prefixes, of the
  // records with a call.
  std::uint32_t departmentsWithCall() const { return departmentsWithCall_; }
  std::uint32_t foreignPrefixesWithCall() const { return foreignPrefixesWithCall_; }

  // Whether any record of the band, with or without a call, holds this
  // prefix, or this department.
  bool holdsPrefix(std::string_view prefix) const;
  bool holdsDepartment(std::string_view department) const;

 private:
  friend class LoggedBands;

  struct TextCounts {
    std::uint32_t records = 0;
    std::uint32_t withCall = 0;
  };
  struct AreaCounts {
    std::uint32_t withCall = 0;
    std::uint32_t foreignWithCall = 0;
  };

  void add(const QsoRecord& record, PrefixClass prefixClass);
  void remove(const QsoRecord& record, PrefixClass prefixClass) noexcept;
  void forgetUnused(const QsoRecord& record) noexcept;

  std::uint32_t records_ = 0;
  std::uint32_t withCall_ = 0;
  std::uint32_t metropolitan_ = 0;
  std::uint32_t overseas_ = 0;
  std::uint32_t departmentsWithCall_ = 0;
  std::uint32_t foreignPrefixesWithCall_ = 0;
  std::unordered_map<std::string, TextCounts> departments_;
  std::unordered_map<std::string, TextCounts> prefixes_;
  std::unordered_map<std::string, AreaCounts> areas_;  // records with a call only
};

class LoggedBands {
 public:
  // Counts a record. If memory runs out, std::bad_alloc propagates and the
  // counts are left as they were.
  void add(const QsoRecord& record);
  // Takes back a record counted by add.
  void remove(const QsoRecord& record) noexcept;
  // Forgets every record and releases the room.
  void clear() noexcept;

  // The band with exactly this name, or null when no record is on it.
  const LoggedBand* find(std::string_view band) const;

 private:
  std::unordered_map<std::string, LoggedBand> bands_;
};

}  // namespace velmora
