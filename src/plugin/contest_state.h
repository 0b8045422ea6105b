#pragma once
// The values that one contest start sets and the other entries read.

#include <cstdint>
#include <string>

namespace velmora {

struct ContestState {
  std::uint8_t homeIsFrance = 0;  // tested only for zero / non-zero (may hold 10)
  int exportRequested = 0;        // any non-zero value asks for the Cabrillo export
  std::string myAreaTag;
};

// The parameters of a contest start that the plug-in reads. A null pointer
// from the host arrives as nullptr in `myDxccPrefix` (it has its own meaning);
// the other texts arrive as empty strings.
struct ContestStart {
  int exportRequested = 0;
  std::string myCall;
  const char* myDxccPrefix = nullptr;
  std::string myAreaTag;
};

}  // namespace velmora
