#include "live/live_contest.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <tuple>

#include "outputs/summary_figures.h"
#include "util/terminal_excerpt.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

// Without --from or --to, a QSO further than this from the computer's
// clock is outside any contest (days).
constexpr double kFarFromNow = 2.0;
// QSO events kept until the own call is known.
constexpr std::size_t kMostWaiting = 1000;

bool sameQso(const LogQso& a, const LogQso& b) {
  const auto fields = [](const LogQso& q) {
    return std::tie(q.call, q.time.year, q.time.month, q.time.day, q.time.hour, q.time.minute,
                    q.time.second, q.frequencyHz, q.band, q.mode, q.rstSent, q.rstReceived,
                    q.exchangeSent, q.exchangeReceived, q.continent);
  };
  return fields(a) == fields(b);
}

std::string utcText(const CivilDateTime& t) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

std::string recordOf(const LogQso& qso) { return "record " + std::to_string(qso.record); }

// What one step of an event did.
std::string stepText(const Offer& offer) {
  std::string text =
      offer.again ? recordOf(offer.qso) + " (" + offer.qso.call + ") offered again: " : "";
  const std::string verdict = host::callCheckCodeName(offer.verdict);
  switch (offer.fate) {
    case QsoFate::Logged:
      return text + verdict + ", logged";
    case QsoFate::Refused:
      return text + verdict + ", refused by the plug-in: " + offer.note;
    case QsoFate::Repeat:
      return text + "Duplicate, not logged: repeats " + offer.note;
    case QsoFate::NoEntity:
      return text + "not scored: " + offer.note;
    case QsoFate::Unfit:
      return text + "skipped: " + offer.note;
    case QsoFate::Withdrawn:
      break;
  }
  return recordOf(offer.qso) +
         (offer.withdrawnFrom == QsoFate::Logged ? " withdrawn" : " (not logged) dropped");
}

std::string heading(const std::string& source, const SourceEvent& event) {
  std::string text = source + " " + event.what + " " + terminalExcerpt(event.qso.call);
  if (!event.qso.band.empty()) text += " " + terminalExcerpt(event.qso.band);
  if (!event.qso.mode.empty() && event.kind == EventKind::Qso)
    text += " " + terminalExcerpt(event.qso.mode);
  return text;
}

}  // namespace

LiveContest::LiveContest(Contest& contest, Journal& journal, const ReadOptions& reading,
                         std::ostream& err)
    : contest_(contest), journal_(journal), reading_(reading), err_(err), recorder_(contest) {}

LiveContest::~LiveContest() = default;

int LiveContest::resume() {
  if (journal_.holdsRecords()) {
    journalLog_ = std::make_unique<LogReader>(openLogFile(journal_.path(), ReadOptions{}));
    replay_ = std::make_unique<LogReplay>(contest_, *journalLog_, false, err_);
    while (const std::optional<Offer> offer = replay_->next()) recorder_.record(*offer);
    keyed_ = &replay_->keyed();
    tally_ = &journalLog_->tally();
    started_ = true;
    nextRecord_ = tally_->read() + 1;
  } else {
    ownKeyed_ = std::make_unique<KeyedContest>(contest_);
    keyed_ = ownKeyed_.get();
    if (contest_.callGiven()) start("");
  }
  if (started_) recorder_.timeline().summary = contest_.summary();
  recorder_.timeline().tally = *tally_;
  ++changes_;
  return started_ ? tally_->kept : 0;
}

const report::ContestTimeline& LiveContest::timeline() const { return recorder_.timeline(); }

std::string LiveContest::take(const SourceEvent& event, const std::string& source, double nowDays) {
  switch (event.kind) {
    case EventKind::Qso:
      return takeQso(event, source, nowDays);
    case EventKind::Delete:
      return takeDelete(event, source);
    case EventKind::Lookup:
      return takeLookup(event, source);
    case EventKind::Ignored:
      ++counts_.ignored;
      return "";
    case EventKind::Malformed:
      break;
  }
  ++counts_.malformed;
  return source + " datagram skipped: " + event.what + ": " + event.reason +
         " (skipped so far: " + std::to_string(counts_.malformed) + ")";
}

std::string LiveContest::takeQso(const SourceEvent& event, const std::string& source,
                                 double nowDays) {
  const std::string said = heading(source, event);
  LogQso qso = event.qso;
  switch (keepQso(reading_, qso)) {
    case LogSelection::Verdict::OutsidePeriod:
      ++counts_.leftOut;
      return said + ": outside the contest period, not fed";
    case LogSelection::Verdict::OtherBand:
      ++counts_.leftOut;
      return said + ": not on the contest's bands, not fed";
    case LogSelection::Verdict::Kept:
      break;
  }
  if (!reading_.selection.from && !reading_.selection.until &&
      std::fabs(oleDays(qso.time) - nowDays) > kFarFromNow) {
    ++counts_.leftOut;
    return said + ": time " + utcText(qso.time) + " is far from now, outside the contest; not fed";
  }
  const LogQso* earlier = current(event.key);
  if (earlier != nullptr && (!event.edits || sameQso(*earlier, qso))) {
    ++counts_.heardAgain;
    return said + ": the same QSO again (" + recordOf(*earlier) + "), ignored";
  }
  const bool edit = earlier != nullptr;
  const std::string editOf = edit ? " (edit of " + recordOf(*earlier) + ")" : "";
  std::string startedBy;
  if (!started_ && (contest_.callGiven() || !qso.myCall.empty())) {
    try {
      start(qso.myCall);
    } catch (const UserError& error) {
      return said + ": not fed: " + error.what();
    }
  }
  if (started_) qso.myCall = contest_.station().call;
  std::string line;
  if (!journal(qso, edit ? JournalEvent::Edit : JournalEvent::New, line)) return said + line;
  ++(edit ? counts_.edits : counts_.qsos);
  const std::string number = "#" + std::to_string(qso.record) + " ";
  if (!started_) {
    waiting_.push_back(qso);
    note({qso.record, source, event.what, qso.call, qso.band, "waits for the own call", {}});
    return number + said + editOf + ": waits for the own call (give --call)";
  }
  const std::string fed = feed(qso);
  note({qso.record, source, event.what, qso.call, qso.band, fed,
        wholeNumber(readSummaryFigures(timeline().summary).score)});
  return number + said + editOf + ": " + fed;
}

std::string LiveContest::takeDelete(const SourceEvent& event, const std::string& source) {
  const std::string said = heading(source, event);
  const LogQso* earlier = current(event.key);
  if (earlier == nullptr) {
    ++counts_.ignored;
    return said + ": " + (event.reason.empty() ? "no QSO of this ID here" : event.reason) +
           ", ignored";
  }
  LogQso deletion = *earlier;
  deletion.deletes = true;
  const std::string of = " (" + recordOf(*earlier) + ")";
  std::string line;
  if (!journal(deletion, JournalEvent::Delete, line)) return said + line;
  ++counts_.deletes;
  const std::string number = "#" + std::to_string(deletion.record) + " ";
  const std::string why = event.reason.empty() ? "" : ", " + event.reason;
  if (!started_) {
    waiting_.push_back(deletion);
    note({deletion.record, source, event.what, deletion.call, deletion.band, "deleted", {}});
    return number + said + of + why + ": waits for the own call (give --call)";
  }
  const std::string fed = feed(deletion);
  note({deletion.record, source, event.what, deletion.call, deletion.band, fed,
        wholeNumber(readSummaryFigures(timeline().summary).score)});
  return number + said + of + why + ": " + fed;
}

std::string LiveContest::takeLookup(const SourceEvent& event, const std::string& source) {
  ++counts_.lookups;
  ++changes_;
  const std::string said = heading(source, event);
  TypingNow typing;
  typing.call = event.qso.call;
  typing.band = event.qso.band;
  if (!started_) {
    typing.message = "the contest starts with the first QSO that names the own call";
    typing_ = typing;
    return said + ": no verdict yet, " + typing.message + " (or give --call)";
  }
  const CallCheckReply reply = contest_.checkCall(event.qso.call, event.qso.band);
  typing.verdict = host::callCheckCodeName(reply.code);
  typing.expectedExchange = reply.expectedExchange;
  typing.message = reply.message;
  typing_ = typing;
  std::string answer = typing.verdict;
  if (!typing.expectedExchange.empty()) answer += ", expected exchange " + typing.expectedExchange;
  if (!typing.message.empty()) answer += ", " + typing.message;
  note({0, source, event.what, typing.call, typing.band, "looked up: " + answer, {}});
  return said + ": " + answer;
}

const LogQso* LiveContest::current(const std::string& key) const {
  for (auto waiting = waiting_.rbegin(); waiting != waiting_.rend(); ++waiting) {
    if (waiting->key == key) return waiting->deletes ? nullptr : &*waiting;
  }
  return keyed_->current(key);
}

bool LiveContest::journal(LogQso& qso, JournalEvent event, std::string& line) {
  if (!started_ && waiting_.size() >= kMostWaiting) {
    ++counts_.notJournaled;
    line = ": not fed: " + std::to_string(kMostWaiting) +
           " QSO events wait for the own call; "
           "give --call";
    return false;
  }
  qso.record = nextRecord_;
  if (!journal_.append(journalRecord(qso, event))) {
    ++counts_.notJournaled;
    line = ": NOT FED: the journal " + journal_.path() + " cannot be written";
    return false;
  }
  ++nextRecord_;
  return true;
}

std::string LiveContest::feed(LogQso qso) {
  std::string notes;
  for (const ReadingNote& note : qso.notes) notes += " (" + note.text + ")";
  tally_->countKept(qso);
  if (qso.deletes) {
    keyed_->remove(qso.key);
  } else {
    keyed_->put(std::move(qso));
  }
  std::string said;
  bool summarized = false;
  while (const std::optional<Offer> offer = keyed_->next()) {
    noteOffer(*tally_, *offer);
    recorder_.record(*offer);
    summarized = summarized || (offer->fate != QsoFate::NoEntity && offer->fate != QsoFate::Unfit);
    said += (said.empty() ? "" : "; ") + stepText(*offer);
  }
  report::ContestTimeline& timeline = recorder_.timeline();
  if (!summarized) timeline.summary = contest_.summary();
  timeline.tally = *tally_;
  ++changes_;
  const SummaryFigures figures = readSummaryFigures(timeline.summary);
  const std::optional<long long> qsos = totalUnder(figures, "QSOs");
  return said + notes + "; score " + (figures.score.empty() ? "?" : figures.score) + " (" +
         (qsos ? std::to_string(*qsos) : "?") + " QSOs)";
}

void LiveContest::start(const std::string& call) {
  contest_.start(call, false);
  started_ = true;
  std::vector<LogQso> waiting = std::move(waiting_);
  waiting_.clear();
  for (const LogQso& qso : waiting) err_ << "#" << qso.record << " fed now: " << feed(qso) << "\n";
}

void LiveContest::note(LiveEventNote note) {
  lastEvents_.push_front(std::move(note));
  if (lastEvents_.size() > kLastEvents) lastEvents_.pop_back();
  ++changes_;
}

}  // namespace velmora::cli
