#include "replay/log_replay.h"

#include <algorithm>

#include "replay/department_note.h"
#include "replay/refusal.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

void forget(std::vector<NotedQso>& noted, int record) {
  noted.erase(std::remove_if(noted.begin(), noted.end(),
                             [record](const NotedQso& qso) { return qso.record == record; }),
              noted.end());
}

// A QSO skipped at the hand-over, then taken back: kept again, as every
// withdrawn QSO stays counted as read.
void forgetSkipped(LogTally& tally, int record) {
  const auto at = std::find_if(tally.skipped.begin(), tally.skipped.end(),
                               [record](const SkippedRecord& skipped) { return skipped.record == record; });
  if (at == tally.skipped.end()) return;
  tally.skipped.erase(at);
  ++tally.kept;
}

}  // namespace

LogReplay::LogReplay(Contest& contest, LogReader& log, bool exportRequested, std::ostream& err)
    : contest_(contest), keyed_(contest), log_(log), exportRequested_(exportRequested), err_(err) {}

std::optional<Offer> LogReplay::next() {
  begin();
  for (;;) {
    if (std::optional<Offer> step = keyed_.next()) return noted(std::move(*step));
    std::optional<LogQso> qso;
    if (!early_.empty()) {
      qso = std::move(early_.front());
      early_.pop_front();
    } else {
      qso = log_.next();
    }
    if (!qso) {
      requireExplainedRefusals(unexplainedRefusals_);
      return std::nullopt;
    }
    if (qso->key.empty()) return noted(contest_.offer(std::move(*qso)));
    if (qso->deletes) {
      keyed_.remove(qso->key);
    } else {
      keyed_.put(std::move(*qso));
    }
  }
}

Offer LogReplay::noted(Offer offer) {
  noteOffer(log_.tally(), offer);
  if (offer.fate == QsoFate::Refused && offer.note == kNoContestReason) ++unexplainedRefusals_;
  return offer;
}

void LogReplay::begin() {
  if (started_) return;
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
  if (exportRequested_ && log_.listenerLog()) {
    throw UserError("velmora: " + log_.name() +
                    " is a listener's log (SWL): its sender column is the station heard, which "
                    "the plug-in would write as the own call, so no Cabrillo file is written");
  }
  contest_.start(logCall, exportRequested_);
  started_ = true;
}

void noteOffer(LogTally& tally, const Offer& offer) {
  const NotedQso noted{offer.qso.record, offer.qso.call, offer.note};
  if (offer.again) forget(tally.repeats, offer.qso.record);
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
    case QsoFate::Unfit:
      tally.skipKept(SkippedRecord{offer.qso.record, offer.note, {}});
      break;
    case QsoFate::Withdrawn:
      ++tally.withdrawn;
      switch (offer.withdrawnFrom) {
        case QsoFate::Logged:
          --tally.accepted;
          forget(tally.noDepartment, offer.qso.record);
          break;
        case QsoFate::Refused:
          forget(tally.refused, offer.qso.record);
          break;
        case QsoFate::Repeat:
          forget(tally.repeats, offer.qso.record);
          break;
        case QsoFate::NoEntity:
          forget(tally.noEntity, offer.qso.record);
          break;
        case QsoFate::Unfit:
          forgetSkipped(tally, offer.qso.record);
          break;
        case QsoFate::Withdrawn:
          break;
      }
      break;
  }
}

}  // namespace velmora::cli
