#include "score/distinct_per_band.h"

#include "text/short_text.h"

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

std::uint64_t packed(std::string_view text) {
  std::uint64_t bytes = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
  }
  return bytes;
}

}  // namespace

// A long text is looked up as if it were already kept as the next one.
DistinctPerBand::Slot DistinctPerBand::keyOf(std::string_view text) const {
  Slot key;
  key.sizePlusOne = text.size() + 1;
  key.bytes = text.size() <= kShortText ? packed(text) : longTexts_.size();
  return key;
}

std::uint64_t DistinctPerBand::hashOf(const Slot& slot) const {
  std::uint64_t hash = slot.bytes;
  if (slot.sizePlusOne - 1 > kShortText) {
    hash = 14695981039346656037ull;  // FNV-1a
    for (char c : longTexts_[slot.bytes]) {
      hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
  }
  return mixed(hash + slot.sizePlusOne * 0x9E3779B97F4A7C15ull);
}

bool DistinctPerBand::sameText(const Slot& a, const Slot& b) const {
  if (a.sizePlusOne != b.sizePlusOne) return false;
  if (a.sizePlusOne - 1 <= kShortText) return a.bytes == b.bytes;
  return velmora::sameText(longTexts_[a.bytes], longTexts_[b.bytes]);
}

DistinctPerBand::Slot& DistinctPerBand::place(const Slot& key) {
  const std::size_t mask = slots_.size() - 1;  // the size is a power of two
  std::size_t i = static_cast<std::size_t>(hashOf(key)) & mask;
  while (slots_[i].sizePlusOne != 0 && !sameText(slots_[i], key)) i = (i + 1) & mask;
  return slots_[i];
}

bool DistinctPerBand::firstSight(std::size_t band, std::string_view text) {
  Slot key = keyOf(text);
  const bool isLong = text.size() > kShortText;
  if (isLong) longTexts_.push_back(text);
  Slot& slot = place(key);
  if (slot.sizePlusOne == 0) {
    key.number = texts_++;
    slot = key;
    seen_.resize(texts_ * bandCount_);
    if (texts_ * 2 > slots_.size()) grow();
  } else {
    if (isLong) longTexts_.pop_back();
    key.number = slot.number;
  }
  const std::size_t flag = key.number * bandCount_ + band;
  if (seen_[flag] != 0) return false;
  seen_[flag] = 1;
  return true;
}

// Doubles the table, keeping it at most half full.
void DistinctPerBand::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& slot : old) {
    if (slot.sizePlusOne != 0) place(slot) = slot;
  }
}

}  // namespace velmora
