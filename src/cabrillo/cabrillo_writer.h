#pragma once
// The byte layout of a Cabrillo 2.0 log: thirteen header lines, the extra
// header bytes unchanged, the QSO lines and the end line, all ending CR LF.

#include <ostream>
#include <string>
#include <string_view>

#include "cabrillo/header_fields.h"
#include "log/growable_array.h"

namespace velmora {

// `header` holds address and soapbox in header form. Field values are
// written unchanged; an empty one still gives its line.
void WriteCabrilloLog(std::ostream& out, const HeaderFields& header, int claimedScore,
                      std::string_view extraHeader, const GrowableArray<std::string>& qsoLines);

}  // namespace velmora
