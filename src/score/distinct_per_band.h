#pragma once
// Which texts have been seen on which band, for counting distinct
// multipliers band by band in one pass over the log. Each distinct text gets
// a number from a small open-addressing hash table, and a flag per number
// and band says whether it was seen there. The summary streams the whole log
// past this for every request; a log holds few distinct departments and
// prefixes, so the table stays in the cache. A text of up to 8 bytes is held
// in its slot, a longer one as a view on the side, and what such a view
// points to must outlive the set.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

class DistinctPerBand {
 public:
  // For band indexes below `bandCount`.
  explicit DistinctPerBand(std::size_t bandCount) : bandCount_(bandCount) {}

  // True the first time `text` is offered for `band`, false after that.
  bool firstSight(std::size_t band, std::string_view text);

 private:
  struct Slot {
    std::uint64_t bytes = 0;  // a short text's bytes, or where a long one is in longTexts_
    std::size_t sizePlusOne = 0;  // 0: the slot is free
    std::size_t number = 0;       // the text's number, in order of first sight
  };

  Slot keyOf(std::string_view text) const;
  std::uint64_t hashOf(const Slot& slot) const;
  bool sameText(const Slot& a, const Slot& b) const;
  Slot& place(const Slot& key);
  void grow();

  std::size_t bandCount_;
  std::vector<Slot> slots_ = std::vector<Slot>(64);
  std::vector<std::string_view> longTexts_;
  std::size_t texts_ = 0;
  std::vector<std::uint8_t> seen_;  // [number * bandCount_ + band]: 1 when seen
};

}  // namespace velmora
