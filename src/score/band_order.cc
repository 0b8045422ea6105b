#include "score/band_order.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {
namespace {

constexpr std::size_t kBandKeyLength = 20;

// The key a band name is compared by; the name itself is not changed.
std::string bandKey(std::string_view name) {
  std::string key;
  if (name.size() < kBandKeyLength) key.assign(kBandKeyLength - name.size(), '0');
  key += name;
  return key;
}

}  // namespace

void orderBands(BandList& bands) {
  // Every summary request orders the list: each key is made once, and moves
  // along with its band.
  std::vector<std::string> keys;
  keys.reserve(bands.size());
  for (const std::string& band : bands) keys.push_back(bandKey(band));
  const std::size_t count = bands.size();
  for (std::size_t i = 0; i + 1 < count; ++i) {
    for (std::size_t j = i + 1; j < count; ++j) {
      // std::string compares bytes as unsigned characters, a prefix first.
      if (keys[i] < keys[j]) {
        bands.swapElements(i, j);
        keys[i].swap(keys[j]);
      }
    }
  }
}

}  // namespace velmora
