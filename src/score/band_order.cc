#include "score/band_order.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {
namespace {

constexpr std::size_t kBandKeyLength = 20;

// The key a band name is compared by, written at the end of `keys`; the
// name itself is not changed.
std::string_view appendKey(std::string& keys, std::string_view name) {
  const std::size_t start = keys.size();
  if (name.size() < kBandKeyLength) keys.append(kBandKeyLength - name.size(), '0');
  keys += name;
  return std::string_view(keys).substr(start);
}

}  // namespace

void orderBands(BandList& bands) {
  // Every summary request orders the list: each key is made once, all in
  // one buffer, and moves along with its band.
  std::size_t room = 0;
  for (const std::string& band : bands) room += std::max(band.size(), kBandKeyLength);
  std::string storage;
  storage.reserve(room);  // the views below stay valid while keys are added
  std::vector<std::string_view> keys;
  keys.reserve(bands.size());
  for (const std::string& band : bands) keys.push_back(appendKey(storage, band));
  const std::size_t count = bands.size();
  for (std::size_t i = 0; i + 1 < count; ++i) {
    for (std::size_t j = i + 1; j < count; ++j) {
      // Views compare bytes as unsigned characters, a prefix first.
      if (keys[i] < keys[j]) {
        bands.swapElements(i, j);
        std::swap(keys[i], keys[j]);
      }
    }
  }
}

}  // namespace velmora
