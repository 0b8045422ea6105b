#include "replay/qso_mapping.h"

#include <utility>

#include "util/terminal_excerpt.h"
#include "util/text_rule.h"

namespace velmora::cli {

host::Qso toHostQso(const LogQso& qso, const CountryFile& countries) {
  host::Qso out;
  out.call = qso.call;
  out.mode = qso.mode;
  out.rstSent = qso.rstSent;
  out.rstReceived = qso.rstReceived;
  out.exchangeSent = qso.exchangeSent;
  out.exchangeReceived = qso.exchangeReceived;
  const std::optional<Country> country = countries.lookup(qso.call);
  out.dxccPrefix = country ? country->dxccPrefix : "";
  out.areaTag = !qso.continent.empty() ? qso.continent : country ? country->continent : "";
  out.band = qso.band;
  out.frequencyHz = qso.frequencyHz.value_or(0);
  out.time = host::DateTime{oleDays(qso.time), 0};
  return out;
}

std::optional<std::string> handOverFault(const host::Qso& qso) {
  const std::pair<const char*, const std::string*> texts[] = {
      {"call", &qso.call},
      {"mode", &qso.mode},
      {"band", &qso.band},
      {"sent report", &qso.rstSent},
      {"sent exchange", &qso.exchangeSent},
      {"received report", &qso.rstReceived},
      {"received exchange", &qso.exchangeReceived},
      {"DXCC prefix", &qso.dxccPrefix},
      {"continent", &qso.areaTag},
  };
  for (const auto& [name, text] : texts) {
    if (const std::optional<std::string> fault = textFault(*text, TextPlace::Column)) {
      return "the " + std::string(name) + " '" + terminalExcerpt(*text) + "' " + *fault;
    }
  }
  return std::nullopt;
}

}  // namespace velmora::cli
