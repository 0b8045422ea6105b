#include "contest.h"

#include <algorithm>

#include "call_place.h"
#include "classify/prefix_list.h"
#include "cli_error.h"
#include "qso_mapping.h"
#include "refusal.h"

namespace velmora::cli {
namespace {

constexpr int kDuplicate = 0;  // CheckCall0's code for a station already logged on the band

host::CallCheck callCheckFor(const host::Qso& qso) {
  host::CallCheck check;
  check.call = qso.call;
  check.dxccPrefix = qso.dxccPrefix;
  check.band = check.bandFilter = qso.band;
  check.mode = qso.mode;
  check.areaTag = qso.areaTag;
  return check;
}

}  // namespace

OwnStation ownStation(const ContestOptions& options, const std::string& logCall,
                      const CountryFile& countries) {
  OwnStation station;
  station.call = options.call.value_or(logCall);
  if (station.call.empty()) throw CliError("velmora: no own call sign known: give --call");
  if (!options.dxcc || !options.area) {
    const CallPlace place = placeOfCall(station.call);
    if (!place.noEntity.empty()) {
      throw CliError("velmora: own call " + station.call + " is in no DXCC entity (/" +
                     place.noEntity + "): give --dxcc and --area");
    }
  }
  const std::optional<Country> home = countries.lookup(station.call);
  if ((!options.dxcc || !options.area) && !home) {
    throw CliError("velmora: own call " + station.call +
                   " is not in the country file: give --dxcc and --area");
  }
  station.dxccPrefix = options.dxcc ? *options.dxcc : home->dxccPrefix;
  station.area = options.area ? *options.area : home->continent;
  return station;
}

void Contest::start(const OwnStation& station, bool exportRequested, bool keepRepeats) {
  keepRepeats_ = keepRepeats;
  firstOnBand_.clear();
  host::ContestStart start;
  start.exportRequested = exportRequested ? 1 : 0;
  start.myCall = station.call;
  start.myDxccPrefix = station.dxccPrefix;
  start.myAreaTag = station.area;
  operatorInFrance_ = isFrenchPrefix(station.dxccPrefix);
  plugin_.resetStats(start);
}

void Contest::feed(const LogQso& qso, ReplayReport& report) {
  const std::string noEntity = placeOfCall(qso.call).noEntity;
  if (!noEntity.empty()) {
    report.noEntity.push_back({qso.record, qso.call, "/" + noEntity + " is in no DXCC entity"});
    return;
  }
  longestExchange_ = std::max(longestExchange_, qso.exchangeReceived.size());
  const host::Qso hostQso = toHostQso(qso, countries_);
  const std::string stationOnBand = hostQso.call + '\n' + hostQso.band;
  // Asked as the host asks while the operator types, repeats kept or not.
  const int verdict = ask(callCheckFor(hostQso)).code;
  QsoFate fate = QsoFate::Logged;
  if (!keepRepeats_ && verdict == kDuplicate) {
    fate = QsoFate::Repeat;
    const auto first = firstOnBand_.find(stationOnBand);
    const std::string earlier =
        first == firstOnBand_.end() ? "an earlier QSO" : "record " + std::to_string(first->second);
    report.repeats.push_back({qso.record, qso.call, earlier + " on " + qso.band});
  } else if (plugin_.addData(hostQso) == 1) {
    ++report.accepted;
    if (!keepRepeats_) firstOnBand_.emplace(stationOnBand, qso.record);
  } else {
    fate = QsoFate::Refused;
    report.refused.push_back({qso.record, qso.call, refusalReason(hostQso, operatorInFrance_)});
  }
  if (observer_) observer_({qso, hostQso, verdict, fate});
}

CallCheckAnswer Contest::checkCall(const std::string& call, const std::string& band) {
  host::Qso qso;
  qso.call = call;
  const std::optional<Country> country = countries_.lookup(call);
  qso.dxccPrefix = country ? country->dxccPrefix : "";
  qso.areaTag = country ? country->continent : "";
  qso.band = band;
  return ask(callCheckFor(qso));
}

CallCheckAnswer Contest::ask(const host::CallCheck& check) {
  std::string expected(std::max<std::size_t>(longestExchange_ + 1, 64), '\0');
  std::string message(64, '\0');
  CallCheckAnswer answer;
  answer.code = plugin_.checkCall(check, expected.data(), message.data());
  answer.expectedExchange = expected.c_str();
  answer.message = message.c_str();
  return answer;
}

}  // namespace velmora::cli
