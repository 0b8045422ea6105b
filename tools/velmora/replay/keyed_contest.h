#pragma once
// The QSOs of a source that names each one by a key and may later send a
// new version of it or delete it (the contacts a logger broadcasts,
// velmora's live journal), fed into a contest as the logging host feeds
// the plug-in while the operator logs, edits and deletes: a new QSO is
// offered; an edit withdraws the version fed before (RemoveData0), then
// offers the new one; a delete withdraws. A QSO that was set aside as a
// repeat of the one withdrawn is then offered again, so that the contest
// holds what the logger's log holds.
//
// The caller owns the loop: it puts one event, then takes its steps with
// next() until there are none, before it puts the next event.

#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

#include "logs/log_qso.h"
#include "replay/contest.h"

namespace velmora::cli {

class KeyedContest {
 public:
  // Feeds `contest`, which must outlive it.
  explicit KeyedContest(Contest& contest);

  // The version fed under `key`; nothing when the key holds no QSO (never
  // fed, or deleted).
  const LogQso* current(const std::string& key) const;

  // `qso` (its key set) is its key's QSO from now on.
  void put(LogQso qso);
  // The QSO of `key` is deleted; false, and nothing to take, when the key
  // holds none.
  bool remove(const std::string& key);

  // The next step of the event put: the earlier version withdrawn, the new
  // version offered, a repeat offered again; nothing once all are taken.
  std::optional<Offer> next();

 private:
  struct Fed {
    LogQso qso;
    QsoFate fate = QsoFate::Logged;
  };
  enum class StepKind { Withdraw, Offer, OfferAgain };
  struct Step {
    StepKind kind = StepKind::Offer;
    std::string key;      // Withdraw
    LogQso qso;           // Offer
    std::string station;  // OfferAgain: the call and band whose repeat is offered again
  };

  Offer withdraw(const std::string& key);
  std::optional<Offer> offerAgain(const std::string& station);

  Contest& contest_;
  std::unordered_map<std::string, Fed> fed_;
  std::deque<Step> steps_;
};

}  // namespace velmora::cli
