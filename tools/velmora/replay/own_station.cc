#include "replay/own_station.h"

#include "stations/call_place.h"
#include "util/terminal_excerpt.h"
#include "util/user_error.h"

namespace velmora::cli {

OwnStation ownStation(const ContestOptions& options, const std::string& logCall,
                      const CountryFile& countries) {
  OwnStation station;
  station.call = options.call.value_or(logCall);
  if (station.call.empty()) throw UserError("velmora: no own call sign known: give --call");
  if (station.call.size() > kLongestCallSign) {
    throw UserError("velmora: own call " + quotedExcerpt(station.call) + " of the log has " +
                    std::to_string(station.call.size()) + " characters, more than " +
                    std::to_string(kLongestCallSign) + ": give --call");
  }
  if (!options.dxcc || !options.area) {
    const CallPlace place = placeOfCall(station.call);
    if (!place.noEntity.empty()) {
      throw UserError("velmora: own call " + terminalExcerpt(station.call) +
                      " is in no DXCC entity (/" + place.noEntity + "): give --dxcc and --area");
    }
  }
  const std::optional<Country> home = countries.lookup(station.call);
  if ((!options.dxcc || !options.area) && !home) {
    throw UserError("velmora: own call " + terminalExcerpt(station.call) +
                    " is not in the country file: give --dxcc and --area");
  }
  station.dxccPrefix = options.dxcc ? *options.dxcc : home->dxccPrefix;
  station.area = options.area ? *options.area : home->continent;
  return station;
}

}  // namespace velmora::cli
