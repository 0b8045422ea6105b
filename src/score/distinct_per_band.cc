#include "score/distinct_per_band.h"

#include "log/short_text.h"

namespace velmora {
namespace {

constexpr std::size_t kShortText = 8;

// Spreads every input bit over the whole value (the finaliser of MurmurHash3).
std::uint64_t mixed(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ull;
  return h ^ (h >> 33);
}

}  // namespace

DistinctPerBand::Key DistinctPerBand::keyOf(std::uint32_t band, std::string_view text) {
  Key key;
  key.text = text;
  key.band = band;
  std::uint64_t hash = text.size();
  if (text.size() <= kShortText) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      key.bytes |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    }
    hash ^= key.bytes;
  } else {
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;  // FNV-1a
  }
  key.hash = static_cast<std::uint32_t>(mixed(hash + std::uint64_t{band} * 0x9E3779B97F4A7C15ull));
  return key;
}

bool DistinctPerBand::sameKey(const Key& a, const Key& b) {
  if (a.hash != b.hash || a.band != b.band || a.text.size() != b.text.size()) return false;
  return a.text.size() <= kShortText ? a.bytes == b.bytes : sameText(a.text, b.text);
}

DistinctPerBand::Slot& DistinctPerBand::slotFor(const Key& key) {
  const std::size_t mask = slots_.size() - 1;  // the size is a power of two
  std::size_t i = key.hash & mask;
  while (slots_[i].used && !sameKey(slots_[i].key, key)) i = (i + 1) & mask;
  return slots_[i];
}

bool DistinctPerBand::firstSight(std::size_t band, std::string_view text) {
  const Key key = keyOf(static_cast<std::uint32_t>(band), text);
  Slot& slot = slotFor(key);
  if (slot.used) return false;
  slot = Slot{key, true};
  if (++used_ * 2 > slots_.size()) grow();
  return true;
}

// Doubles the table, keeping it at most half full.
void DistinctPerBand::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& slot : old) {
    if (slot.used) slotFor(slot.key) = slot;
  }
}

}  // namespace velmora
