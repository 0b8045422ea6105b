#include "replay/contest.h"

#include <algorithm>

#include "classify/prefix_list.h"
#include "replay/plugin_file.h"
#include "replay/qso_mapping.h"
#include "replay/refusal.h"
#include "stations/call_place.h"

namespace velmora::cli {
namespace {

host::CallCheck callCheckFor(const host::Qso& qso) {
  host::CallCheck check;
  check.call = qso.call;
  check.dxccPrefix = qso.dxccPrefix;
  check.band = check.bandFilter = qso.band;
  check.mode = qso.mode;
  check.areaTag = qso.areaTag;
  return check;
}

std::string stationOnBand(const host::Qso& qso) { return qso.call + '\n' + qso.band; }

}  // namespace

Contest::Contest(const ContestOptions& options)
    : options_(options),
      countries_(loadCountryFile(options.cty)),
      plugin_(loadPlugin(options.plugin)) {}

void Contest::start(const std::string& logCall, bool exportRequested) {
  station_ = ownStation(options_, logCall, countries_);
  firstOnBand_.clear();
  host::ContestStart start;
  start.exportRequested = exportRequested ? 1 : 0;
  start.myCall = station_.call;
  start.myDxccPrefix = station_.dxccPrefix;
  start.myAreaTag = station_.area;
  operatorInFrance_ = isFrenchPrefix(station_.dxccPrefix);
  plugin_->resetStats(start);
}

Offer Contest::offer(LogQso qso) {
  Offer offer;
  offer.hostQso = toHostQso(qso, countries_);
  if (std::optional<std::string> fault = handOverFault(offer.hostQso)) {
    offer.fate = QsoFate::Unfit;
    offer.note = *std::move(fault);
    offer.qso = std::move(qso);
    return offer;
  }
  const std::string noEntity = placeOfCall(qso.call).noEntity;
  if (!noEntity.empty()) {
    offer.fate = QsoFate::NoEntity;
    offer.note = "/" + noEntity + " is in no DXCC entity";
    offer.qso = std::move(qso);
    return offer;
  }
  longestExchange_ = std::max(longestExchange_, qso.exchangeReceived.size());
  // Asked as the host asks while the operator types, repeats kept or not.
  offer.verdict = ask(callCheckFor(offer.hostQso)).code;
  if (!options_.keepRepeats && offer.verdict == host::CallCheckCode::Duplicate) {
    offer.fate = QsoFate::Repeat;
    const auto first = firstOnBand_.find(stationOnBand(offer.hostQso));
    offer.note = (first == firstOnBand_.end() ? "an earlier QSO"
                                               : "record " + std::to_string(first->second)) +
                 " on " + qso.band;
  } else if (plugin_->addData(offer.hostQso) == 1) {
    if (!options_.keepRepeats) firstOnBand_.emplace(stationOnBand(offer.hostQso), qso.record);
  } else {
    offer.fate = QsoFate::Refused;
    offer.note = refusalReason(offer.hostQso, operatorInFrance_).value_or(kNoContestReason);
  }
  offer.qso = std::move(qso);
  return offer;
}

bool Contest::withdraw(const LogQso& qso) {
  const host::Qso hostQso = toHostQso(qso, countries_);
  if (handOverFault(hostQso)) return false;  // never offered, so never logged
  if (plugin_->removeData(hostQso) != 1) return false;
  const auto first = firstOnBand_.find(stationOnBand(hostQso));
  if (first != firstOnBand_.end() && first->second == qso.record) firstOnBand_.erase(first);
  return true;
}

CallCheckReply Contest::checkCall(const std::string& call, const std::string& band) {
  host::Qso qso;
  qso.call = call;
  const std::optional<Country> country = countries_.lookup(call);
  qso.dxccPrefix = country ? country->dxccPrefix : "";
  qso.areaTag = country ? country->continent : "";
  qso.band = band;
  return ask(callCheckFor(qso));
}

std::string Contest::summary() {
  int flag = 0;
  const char* text = plugin_->getResult(&flag);
  return text != nullptr ? text : "";
}

CallCheckReply Contest::ask(const host::CallCheck& check) {
  std::string expected(std::max<std::size_t>(longestExchange_ + 1, 64), '\0');
  std::string message(64, '\0');
  CallCheckReply reply;
  reply.code =
      static_cast<host::CallCheckCode>(plugin_->checkCall(check, expected.data(), message.data()));
  reply.expectedExchange = expected.c_str();
  reply.message = message.c_str();
  return reply;
}

}  // namespace velmora::cli
