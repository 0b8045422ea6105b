#pragma once
// The values that one contest start sets and the other entries read.

#include <string>

namespace velmora {

// Where the operator is, from their own DXCC prefix. Unknown (the host gave
// no prefix at all) is scored as France.
enum class OperatorHome { France, Abroad, Unknown };

struct ContestState {
  OperatorHome home = OperatorHome::Abroad;
  bool exportRequested = false;
  std::string myAreaTag;

  bool operatorInFrance() const { return home != OperatorHome::Abroad; }
};

// What a contest start tells the plug-in.
struct ContestStart {
  bool exportRequested = false;
  std::string myCall;
  OperatorHome home = OperatorHome::Abroad;
  std::string myAreaTag;
};

}  // namespace velmora
