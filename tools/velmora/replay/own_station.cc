#include "replay/own_station.h"

#include "stations/call_place.h"
#include "util/terminal_excerpt.h"
#include "util/text_rule.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

void requireFit(const std::string& text, const std::string& what, const char* option) {
  if (const std::optional<std::string> fault = textFault(text, TextPlace::Column)) {
    throw UserError("velmora: " + what + " " + quotedExcerpt(text) + " " + *fault +
                    ": give " + option);
  }
}

}  // namespace

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
  // The options are checked as they are parsed; what the log and the
  // country file give, here.
  requireFit(station.call, "the log's own call", "--call");
  requireFit(station.dxccPrefix, "the country file's DXCC prefix of " + station.call, "--dxcc");
  requireFit(station.area, "the country file's continent of " + station.call, "--area");
  return station;
}

}  // namespace velmora::cli
