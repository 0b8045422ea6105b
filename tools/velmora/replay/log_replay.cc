#include "replay/log_replay.h"

#include "replay/department_note.h"

namespace velmora::cli {

LogReplay::LogReplay(Contest& contest, LogReader& log, bool exportRequested, std::ostream& err)
    : contest_(contest), log_(log), exportRequested_(exportRequested), err_(err) {}

std::optional<Offer> LogReplay::next() {
  if (!started_) start();
  std::optional<LogQso> qso;
  if (!early_.empty()) {
    qso = std::move(early_.front());
    early_.pop_front();
  } else {
    qso = log_.next();
  }
  if (!qso) return std::nullopt;
  Offer offer = contest_.offer(std::move(*qso));
  note(offer);
  return offer;
}

void LogReplay::start() {
  std::string logCall;
  for (;;) {
    std::optional<LogQso> qso = log_.next();
    if (!qso) {
      log_.requireQsos(err_);
      logCall = log_.headerCall();
      break;
    }
    logCall = log_.headerCall().empty() ? qso->myCall : log_.headerCall();
    early_.push_back(std::move(*qso));
    if (contest_.callGiven() || !logCall.empty()) break;
  }
  contest_.start(logCall, exportRequested_);
  started_ = true;
}

void LogReplay::note(const Offer& offer) {
  LogTally& tally = log_.tally();
  const NotedQso noted{offer.qso.record, offer.qso.call, offer.note};
  switch (offer.fate) {
    case QsoFate::Logged:
      ++tally.accepted;
      if (std::optional<std::string> note = departmentNote(offer.hostQso)) {
        tally.noDepartment.push_back({offer.qso.record, offer.qso.call, std::move(*note)});
      }
      break;
    case QsoFate::Refused:
      tally.refused.push_back(noted);
      break;
    case QsoFate::Repeat:
      tally.repeats.push_back(noted);
      break;
    case QsoFate::NoEntity:
      tally.noEntity.push_back(noted);
      break;
  }
}

}  // namespace velmora::cli
