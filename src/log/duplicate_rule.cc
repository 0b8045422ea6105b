#include "log/duplicate_rule.h"

#include <functional>
#include <string_view>

namespace velmora {
namespace {

void mix(std::uint64_t& key, std::uint64_t value) {
  key ^= value + 0x9E3779B97F4A7C15ull + (key << 6) + (key >> 2);
}

}  // namespace

// The fields that tell most records apart at the least cost come first:
// frequency and time, then call and band; the rest only for a record that
// matches them all.
bool isDuplicate(const QsoRecord& a, const QsoRecord& b) {
  return a.frequencyKhz == b.frequencyKhz && a.qsoTime.days == b.qsoTime.days &&
         a.qsoTime.status == b.qsoTime.status && a.call == b.call && a.band == b.band &&
         a.dxccPrefix == b.dxccPrefix && a.areaTag == b.areaTag && a.mode == b.mode &&
         a.exchangeReceived == b.exchangeReceived && a.exchangeSent == b.exchangeSent &&
         a.spare == b.spare && a.department == b.department;
}

std::uint64_t duplicateKey(const QsoRecord& r) {
  const std::hash<std::string_view> text;
  std::uint64_t key = r.frequencyKhz;
  // Day counts are compared as numbers, so 0.0 and -0.0 must share a key.
  mix(key, std::hash<double>()(r.qsoTime.days == 0.0 ? 0.0 : r.qsoTime.days));
  mix(key, static_cast<std::uint32_t>(r.qsoTime.status));
  for (const std::string* field : {&r.call, &r.band, &r.dxccPrefix, &r.areaTag, &r.mode,
                                   &r.exchangeReceived, &r.exchangeSent, &r.spare, &r.department}) {
    mix(key, text(*field));
  }
  return key;
}

}  // namespace velmora
