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

  // The next QSO offered (or withdrawn); nothing at the end of the log.
  // Throws UserError when the log yields no QSO at all or the own station
  // stays unknown (the contest is then not started).
  std::optional<Offer> next();

  // The keyed QSOs fed so far, to go on with after the log (velmora live,
  // after its journal).
  KeyedContest& keyed() { return keyed_; }

 private:
  void start();

  Contest& contest_;
  KeyedContest keyed_;
  LogReader& log_;
  bool exportRequested_;
  std::ostream& err_;
  bool started_ = false;
  std::deque<LogQso> early_;  // read before the contest started
};

// Notes in `tally` what became of a QSO offered: counted among the accepted,
// the refused, the repeats or the stations in no entity; a QSO withdrawn
// leaves the count it was in, a repeat offered again the repeats.
void noteOffer(LogTally& tally, const Offer& offer);

}  // namespace velmora::cli
