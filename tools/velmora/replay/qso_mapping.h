#pragma once
// Turns a QSO read from a log into the values the logging host passes the
// plug-in: the worked station's DXCC prefix and continent from the country
// file, the host's date-time, the frequency in Hz and the band name; and
// checks that each of those texts keeps to the rule of util/text_rule.h
// before the plug-in sees it.

#include <optional>
#include <string>

#include "host/plugin_host.h"
#include "logs/log_qso.h"
#include "stations/country_file.h"

namespace velmora::cli {

host::Qso toHostQso(const LogQso& qso, const CountryFile& countries);

// The first text of `qso` that breaks the rule, named with an excerpt of it
// ("the received report '59 9' holds a blank"); nothing when all keep it.
std::optional<std::string> handOverFault(const host::Qso& qso);

}  // namespace velmora::cli
