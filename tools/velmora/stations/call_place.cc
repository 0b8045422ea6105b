#include "stations/call_place.h"

#include <array>
#include <sstream>
#include <vector>

#include "text/ascii.h"

namespace velmora::cli {
namespace {

bool changesNothing(const std::string& part) {
  static const std::array<const char*, 4> kMarkers = {"P", "M", "QRP", "A"};
  for (const char* marker : kMarkers) {
    if (part == marker) return true;
  }
  return part.size() == 1 && part[0] >= '0' && part[0] <= '9';
}

}  // namespace

CallPlace placeOfCall(std::string_view call) {
  const std::string upper = upperAscii(trimAsciiBlanks(call));
  CallPlace place;
  if (upper.find('/') == std::string::npos) {
    place.part = upper;
    return place;
  }
  std::vector<std::string> parts;
  std::istringstream pieces(upper);
  for (std::string part; std::getline(pieces, part, '/');) {
    if (part == "MM" || part == "AM") {
      place.noEntity = part;
    } else if (!part.empty() && !changesNothing(part)) {
      parts.push_back(part);
    }
  }
  if (parts.empty()) {
    place.part = upper;
    return place;
  }
  place.part = parts[0];
  for (const std::string& part : parts) {
    if (part.size() < place.part.size()) place.part = part;
  }
  return place;
}

}  // namespace velmora::cli
