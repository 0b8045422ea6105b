#pragma once
// A log replayed through a contest QSO by QSO, as the logging host would
// have been fed it: each call of next() reads the log's next QSO and offers
// it, and the caller, who owns the loop, sees what became of it. The
// contest starts with the first QSO, once the own call is known (--call,
// the log's header, or the first record that names its sender); the QSOs
// read before it wait. What became of each QSO is noted in the log's tally.
// The records of velmora's live journal, which name their QSO by a key,
// go through a KeyedContest: an edit or a delete withdraws what was fed
// before, and each of its steps is one call of next().

#include <deque>
#include <iosfwd>
#include <optional>

#include "logs/log_reader.h"
#include "replay/contest.h"
#include "replay/keyed_contest.h"

namespace velmora::cli {

class LogReplay {
 public:
  // Replays `log` into `contest`; both must outlive the replay. `err`
  // takes the malformed records of a log that yields nothing to replay.
  LogReplay(Contest& contest, LogReader& log, bool exportRequested, std::ostream& err);

  // Reads ahead to the own call and starts the contest, if that is not
  // done yet; next() does it first. Throws UserError when the log yields no
  // QSO at all, the own station stays unknown, or an export is asked of a
  // listener's log (its sender column is the station heard, which the
  // plug-in cannot write); the contest is then not started.
  void begin();

  // The next QSO offered (or withdrawn); nothing at the end of the log.
  // Throws UserError as begin() does, and at the end when the plug-in
  // refused any QSO for no reason of the contest (out of memory).
  std::optional<Offer> next();

  // The keyed QSOs fed so far, to go on with after the log (velmora live,
  // after its journal).
  KeyedContest& keyed() { return keyed_; }

 private:
  // Notes `offer` in the log's tally, and counts a refusal for no reason
  // of the contest.
  Offer noted(Offer offer);

  Contest& contest_;
  KeyedContest keyed_;
  LogReader& log_;
  bool exportRequested_;
  std::ostream& err_;
  bool started_ = false;
  int unexplainedRefusals_ = 0;
  std::deque<LogQso> early_;  // read before the contest started
};

// Notes in `tally` what became of a QSO offered: counted among the accepted,
// the refused, the repeats or the stations in no entity, or skipped for a
// text the plug-in cannot take; a QSO withdrawn
// leaves the count it was in, a repeat offered again the repeats.
void noteOffer(LogTally& tally, const Offer& offer);

}  // namespace velmora::cli
