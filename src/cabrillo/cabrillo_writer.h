#pragma once
// The byte layout of a Cabrillo 2.0 log: thirteen header lines, the extra
// header bytes unchanged, one QSO line per logged QSO and the end line, all
// ending CR LF.

#include <string>
#include <string_view>

#include "log/qso_log.h"
#include "ports/header_fields.h"

namespace velmora {

// The contest's name, as its CONTEST: line gives it.
inline constexpr std::string_view kCabrilloContestName = "Velmora";

// The whole file. `header` holds address and soapbox in stored form; each
// of their line breaks starts a new header line of the same tag. Other field
// values are written unchanged; an empty one still gives its line. The QSO
// lines follow the log's order, each sent by `header.callSign`.
std::string cabrilloLog(const HeaderFields& header, int claimedScore, std::string_view extraHeader,
                        const QsoLog& log);

}  // namespace velmora
