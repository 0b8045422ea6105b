#pragma once
// Which texts have been seen on which band, for counting distinct
// multipliers band by band in one pass over the log: an open-addressing hash
// set of (band index, text) pairs. Texts of up to 8 bytes (departments,
// prefixes) are kept inside the set, so that a lookup does not reach back
// into the log; longer texts are kept as views, and what they point to must
// outlive the set.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

class DistinctPerBand {
 public:
  // True the first time `text` is offered for `band`, false after that.
  // Band indexes are told apart below 2^32.
  bool firstSight(std::size_t band, std::string_view text);

 private:
  struct Key {
    std::uint64_t bytes = 0;  // a short text's bytes; 0 for a longer one
    std::string_view text;
    std::uint32_t band = 0;
    std::uint32_t hash = 0;
  };
  struct Slot {
    Key key;
    bool used = false;
  };

  static Key keyOf(std::uint32_t band, std::string_view text);
  static bool sameKey(const Key& a, const Key& b);
  void grow();
  Slot& slotFor(const Key& key);

  std::vector<Slot> slots_ = std::vector<Slot>(64);
  std::size_t used_ = 0;
};

}  // namespace velmora
