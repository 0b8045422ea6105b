#pragma once
// The contest of velmora live. Each event a logger sends is fed into the
// plug-in as the logging host would feed it, on the one road of a QSO: a
// QSO logged or edited goes first to the journal, then through a
// KeyedContest into the Contest (CheckCall0, AddData0; an edit RemoveData0
// first), and the summary is asked for (GetResult0); a delete withdraws; a
// lookup is answered by the call check alone and changes nothing. Each
// event gives one line for the terminal, and the state the live page,
// /summary.json and the scoreboard posts read.
//
// Until the own call is known (--call, the journal, or the first QSO that
// names its station) the contest is not started: QSO events wait, in the
// journal already, and are fed in order at the start, as `velmora score`
// feeds a log's first records.

#include <deque>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "live/journal.h"
#include "logs/log_reader.h"
#include "replay/contest.h"
#include "replay/keyed_contest.h"
#include "replay/log_replay.h"
#include "report/contest_timeline.h"
#include "sources/source_event.h"

namespace velmora::cli {

// One of the last events, as the page and /summary.json list them.
struct LiveEventNote {
  int record = 0;      // its journal record; 0 for a lookup
  std::string source;  // "N1MM", "WSJT-X"
  std::string what;    // the logger's name for the message
  std::string call, band;
  std::string outcome;             // what it did, in a few words
  std::optional<long long> score;  // the claimed score after it
};

// The latest lookup: the call being typed and the call check's answer.
struct TypingNow {
  std::string call, band, verdict, expectedExchange, message;
};

struct LiveCounts {
  long long qsos = 0, edits = 0, deletes = 0, lookups = 0;
  long long heardAgain =
      0;  // a QSO already fed, heard again (another computer, WSJT-X's two messages)
  long long ignored = 0;       // messages of no use to the contest
  long long malformed = 0;     // datagrams that could not be read
  long long leftOut = 0;       // QSOs outside the contest period or bands
  long long notJournaled = 0;  // events the journal could not take: not fed
};

class LiveContest {
 public:
  // How many events the page lists.
  static constexpr std::size_t kLastEvents = 20;

  // Feeds `contest` (not yet started) and writes to `journal`; `reading`
  // gives --sent, the contest period and the bands. All must outlive it.
  LiveContest(Contest& contest, Journal& journal, const ReadOptions& reading, std::ostream& err);
  ~LiveContest();

  // Replays the journal, when it holds records, as velmora score reads it;
  // then starts the contest if the own call is known. Returns the number of
  // QSOs replayed. Throws UserError as a log's replay does.
  int resume();

  // Takes one event of `source` arriving at `nowDays` (the host's day
  // count, UTC): the line to print, "" for a message ignored.
  std::string take(const SourceEvent& event, const std::string& source, double nowDays);

  bool started() const { return started_; }
  const Contest& contest() const { return contest_; }
  // The contest so far, as the report page draws it (tally included).
  const report::ContestTimeline& timeline() const;
  const std::deque<LiveEventNote>& lastEvents() const { return lastEvents_; }
  const std::optional<TypingNow>& typing() const { return typing_; }
  const LiveCounts& counts() const { return counts_; }
  // Grows with every change of what the page shows.
  long long changes() const { return changes_; }

 private:
  std::string takeQso(const SourceEvent& event, const std::string& source, double nowDays);
  std::string takeDelete(const SourceEvent& event, const std::string& source);
  std::string takeLookup(const SourceEvent& event, const std::string& source);
  // The version now under `key`, fed or waiting for the start.
  const LogQso* current(const std::string& key) const;
  bool journal(LogQso& qso, JournalEvent event, std::string& line);
  // Feeds one event's QSO (or deletion); what its steps did.
  std::string feed(LogQso qso);
  void start(const std::string& call);
  std::string record(const Offer& offer);
  void note(LiveEventNote note);

  Contest& contest_;
  Journal& journal_;
  ReadOptions reading_;
  std::ostream& err_;
  std::unique_ptr<LogReader> journalLog_;
  std::unique_ptr<LogReplay> replay_;       // of the journal, whose keyed QSOs go on
  std::unique_ptr<KeyedContest> ownKeyed_;  // when there was no journal to replay
  KeyedContest* keyed_ = nullptr;
  report::TimelineRecorder recorder_;
  LogTally ownTally_;
  LogTally* tally_ = &ownTally_;
  bool started_ = false;
  std::vector<LogQso> waiting_;  // QSO events before the start, in the journal already
  int nextRecord_ = 1;
  std::deque<LiveEventNote> lastEvents_;
  std::optional<TypingNow> typing_;
  LiveCounts counts_;
  long long changes_ = 0;
};

}  // namespace velmora::cli
