#include "replay/qso_mapping.h"

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

}  // namespace velmora::cli
