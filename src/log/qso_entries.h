#pragma once
// Adding and deleting QSOs: the filters, the band list, the department of a
// French station, the duplicate rule and the search for a deleted QSO.

#include <string>
#include <string_view>

#include "log/duplicate_rule.h"
#include "log/qso_log.h"

namespace velmora {

// Why adding a QSO is refused: the first filter it fails, in the order
// adding applies them.
enum class Admission {
  Admitted,
  WrongMode,                  // neither SSB nor CW
  NoExchangeReceived,
  NoExchangeSent,
  ForeignFromOutsideFrance,   // the operator is not in France, the station not French
};

// Only SSB and CW QSOs with both exchanges non-empty count for the contest.
bool passesModeAndExchangeFilters(const QsoReport& report);

// An operator outside France scores only QSOs with French stations.
bool passesHomeGate(bool homeIsFrance, std::string_view dxccPrefix);

// The verdict of every filter of addQso, without touching any log.
Admission admissionOf(const QsoReport& report, bool homeIsFrance);

// The received exchange upper-cased (ASCII letters) with leading and trailing
// white space (blank, tab, CR, LF, VT, FF) removed.
std::string departmentFromExchange(std::string_view exchangeReceived);

// Returns true when the QSO is in the log afterwards (added now or already
// there), false when it does not count. A refused QSO can still add its band
// to `bands`. If memory runs out, std::bad_alloc propagates and `log` is left
// as it was.
bool addQso(QsoLog& log, BandList& bands, bool homeIsFrance, const QsoReport& report);

// Removes the oldest record with the same call, mode and band, if any.
// Returns false only when the report fails the mode and exchange filters.
bool removeQso(QsoLog& log, const QsoReport& report);

}  // namespace velmora
