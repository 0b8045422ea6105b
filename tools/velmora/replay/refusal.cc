#include "replay/refusal.h"

#include "log/qso_entries.h"
#include "util/terminal_excerpt.h"
#include "util/user_error.h"

namespace velmora::cli {

std::optional<std::string> refusalReason(const host::Qso& qso, bool operatorInFrance) {
  QsoReport report;
  report.call = qso.call;
  report.dxccPrefix = qso.dxccPrefix;
  report.mode = qso.mode;
  report.exchangeSent = qso.exchangeSent;
  report.exchangeReceived = qso.exchangeReceived;
  switch (admissionOf(report, operatorInFrance)) {
    case Admission::WrongMode:
      return (qso.mode.empty() ? std::string("no mode") : "mode " + terminalExcerpt(qso.mode)) +
             ": only CW and SSB count";
    case Admission::NoExchangeReceived:
      return "no exchange received (give --rcvd-field)";
    case Admission::NoExchangeSent:
      return "no exchange sent (give --sent)";
    case Admission::ForeignFromOutsideFrance:
      return "foreign station worked from outside France";
    case Admission::Admitted:
      break;
  }
  return std::nullopt;
}

void requireExplainedRefusals(int unexplained) {
  if (unexplained == 0) return;
  throw UserError("velmora: the plug-in refused " + std::to_string(unexplained) +
                  (unexplained == 1 ? " QSO" : " QSOs") +
                  " for no reason of the contest: out of memory?");
}

}  // namespace velmora::cli
