#pragma once
// What the slashes of a portable call say about where the station is, as
// contest loggers read them: a prefix before or after the home call wins
// ("FG/F4LEC" and "F4LEC/FG" are in Guadeloupe); /P, /M, /QRP, /A and a
// single digit change nothing; /MM (maritime mobile) and /AM (aeronautical
// mobile) are in no DXCC entity.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::cli {

// The longest own call sign velmora takes: a call with a prefix and a
// suffix of either side ("VP2E/F5VEL/P") is far shorter, and the plug-in
// names the Cabrillo file after it.
constexpr std::size_t kLongestCallSign = 32;

struct CallPlace {
  std::string part;   // the part of the call (upper case) that decides its country
  std::string noEntity;  // "MM" or "AM" when the station is in no entity, else empty
};

// Of the parts left once the markers that change nothing are dropped, the
// shortest is the prefix that decides (the first of equally short ones).
CallPlace placeOfCall(std::string_view call);

}  // namespace velmora::cli
