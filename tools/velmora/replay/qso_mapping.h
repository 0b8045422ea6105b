#pragma once
// Turns a QSO read from a log into the values the logging host passes the
// plug-in: the worked station's DXCC prefix and continent from the country
// file, the host's date-time, the frequency in Hz and the band name.

#include "host/plugin_host.h"
#include "logs/log_qso.h"
#include "stations/country_file.h"

namespace velmora::cli {

host::Qso toHostQso(const LogQso& qso, const CountryFile& countries);

}  // namespace velmora::cli
