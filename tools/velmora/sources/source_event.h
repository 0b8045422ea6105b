#pragma once
// What one datagram of a logger says, read from its bytes alone: a QSO
// logged or edited, a QSO deleted, the call the operator is typing, nothing
// for velmora, or why it cannot be read. The packet readers of this folder
// are pure functions from bytes to such an event; what it does to the
// contest is decided by the live contest, which knows what came before.

#include <string>

#include "logs/log_qso.h"

namespace velmora::cli {

enum class EventKind {
  Qso,        // a QSO logged, or a new version of one logged before
  Delete,     // the QSO of `key` is gone from the log, or no longer scored
  Lookup,     // the call the operator is typing, before anything is logged
  Ignored,    // a message of no use to the contest (radio info, spots ...)
  Malformed,  // a datagram that cannot be read: `reason` says why
};

struct SourceEvent {
  EventKind kind = EventKind::Ignored;
  std::string what;  // the kind of message, as the logger names it ("contactinfo")
  std::string key;   // Qso, Delete: the QSO's key ("" in no other kind)
  // Qso: another version under a key fed before is an edit (loggers that
  // name each QSO by an id); false: the same QSO heard again.
  bool edits = true;
  LogQso qso;          // Qso: the QSO; Delete: its call; Lookup: the call and band
  std::string reason;  // Malformed: why; Delete: why it is no longer scored, if not deleted
};

// A malformed datagram's event.
SourceEvent malformedPacket(std::string what, std::string reason);

// The longest text a packet field passes on to the contest; a longer one
// makes the datagram malformed.
inline constexpr std::size_t kLongestPacketField = 64;

}  // namespace velmora::cli
