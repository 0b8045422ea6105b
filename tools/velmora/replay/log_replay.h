#pragma once
// A log replayed through a contest QSO by QSO, as the logging host would
// have been fed it: each call of next() reads the log's next QSO and offers
// it, and the caller, who owns the loop, sees what became of it. The
// contest starts with the first QSO, once the own call is known (--call,
// the log's header, or the first record that names its sender); the QSOs
// read before it wait. What became of each QSO is noted in the log's tally.

#include <deque>
#include <iosfwd>
#include <optional>

#include "logs/log_reader.h"
#include "replay/contest.h"

namespace velmora::cli {

class LogReplay {
 public:
  // Replays `log` into `contest`; both must outlive the replay. `err`
  // takes the malformed records of a log that yields nothing to replay.
  LogReplay(Contest& contest, LogReader& log, bool exportRequested, std::ostream& err);

  // The next QSO offered; nothing at the end of the log. Throws UserError
  // when the log yields no QSO at all or the own station stays unknown
  // (the contest is then not started).
  std::optional<Offer> next();

 private:
  void start();
  void note(const Offer& offer);

  Contest& contest_;
  LogReader& log_;
  bool exportRequested_;
  std::ostream& err_;
  bool started_ = false;
  std::deque<LogQso> early_;  // read before the contest started
};

}  // namespace velmora::cli
