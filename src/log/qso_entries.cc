#include "log/qso_entries.h"

#include "classify/prefix_list.h"
#include "text/ascii.h"

namespace velmora {

namespace {

bool contains(const BandList& bands, std::string_view band) {
  for (const std::string& known : bands) {
    if (known == band) return true;
  }
  return false;
}

QsoRecord candidateFrom(const QsoReport& report) {
  QsoRecord record;
  record.call = report.call;
  record.dxccPrefix = report.dxccPrefix;
  record.areaTag = report.areaTag;
  record.band = report.band;
  record.mode = report.mode;
  record.rstReceived = report.rstReceived;
  record.rstSent = report.rstSent;
  record.exchangeReceived = report.exchangeReceived;
  record.exchangeSent = report.exchangeSent;
  record.frequencyKhz = report.frequencyHz / 1000;
  record.qsoTime = report.qsoTime;
  return record;
}

Admission modeAndExchangeAdmission(const QsoReport& report) {
  if (report.mode != "SSB" && report.mode != "CW") return Admission::WrongMode;
  if (report.exchangeReceived.empty()) return Admission::NoExchangeReceived;
  if (report.exchangeSent.empty()) return Admission::NoExchangeSent;
  return Admission::Admitted;
}

}  // namespace

bool passesModeAndExchangeFilters(const QsoReport& report) {
  return modeAndExchangeAdmission(report) == Admission::Admitted;
}

bool passesHomeGate(bool homeIsFrance, std::string_view dxccPrefix) {
  return homeIsFrance || isFrenchPrefix(dxccPrefix);
}

Admission admissionOf(const QsoReport& report, bool homeIsFrance) {
  const Admission filters = modeAndExchangeAdmission(report);
  if (filters != Admission::Admitted) return filters;
  return passesHomeGate(homeIsFrance, report.dxccPrefix) ? Admission::Admitted
                                                         : Admission::ForeignFromOutsideFrance;
}

std::string departmentFromExchange(std::string_view exchangeReceived) {
  return upperAscii(trimAsciiBlanks(exchangeReceived));
}

bool addQso(QsoLog& log, BandList& bands, bool homeIsFrance, const QsoReport& report) {
  if (!passesModeAndExchangeFilters(report)) return false;
  if (!contains(bands, report.band)) bands.append(std::string(report.band));

  if (!passesHomeGate(homeIsFrance, report.dxccPrefix)) return false;
  const bool french = isFrenchPrefix(report.dxccPrefix);

  QsoRecord candidate = candidateFrom(report);
  if (french) candidate.department = departmentFromExchange(report.exchangeReceived);

  if (log.mayHoldDuplicateOf(candidate)) return true;
  log.append(std::move(candidate));
  return true;
}

bool removeQso(QsoLog& log, const QsoReport& report) {
  if (!passesModeAndExchangeFilters(report)) return false;
  // The log's index gives the records with the call, oldest first.
  for (const std::size_t position : log.positionsOfCall(report.call)) {
    const QsoRecord& record = log[position];
    if (record.mode == report.mode && record.band == report.band) {
      log.removeAt(position);
      break;
    }
  }
  return true;
}

}  // namespace velmora
