#include "refusal.h"

#include "classify/prefix_list.h"

namespace velmora::cli {

std::string refusalReason(const host::Qso& qso, bool operatorInFrance) {
  if (qso.mode != "SSB" && qso.mode != "CW") return "mode";
  if (qso.exchangeReceived.empty() || qso.exchangeSent.empty()) return "empty exchange";
  if (!operatorInFrance && !isFrenchPrefix(qso.dxccPrefix)) {
    return "foreign station worked from outside France";
  }
  return "unknown";
}

}  // namespace velmora::cli
