#include "log/duplicate_rule.h"

namespace velmora {

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

}  // namespace velmora
