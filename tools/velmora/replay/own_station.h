#pragma once
// The station the contest is run for: its call, DXCC prefix and area.

#include <string>

#include "replay/contest_options.h"
#include "stations/country_file.h"

namespace velmora::cli {

struct OwnStation {
  std::string call, dxccPrefix, area;
};

// --call, else `logCall` (the own call the log's header or records name);
// --dxcc and --area, else what the country file says of the own call.
// Throws UserError when one stays unknown, or breaks the rule of
// util/text_rule.h (a call "F5 VEL" would split the Cabrillo columns and
// name the file "F5 VEL.cbr").
OwnStation ownStation(const ContestOptions& options, const std::string& logCall,
                      const CountryFile& countries);

}  // namespace velmora::cli
