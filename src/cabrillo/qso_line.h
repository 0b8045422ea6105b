#pragma once
// One Cabrillo "QSO: " line, formatted from a logged QSO and the sender's
// call sign when the file is written.

#include <string>
#include <string_view>

#include "log/qso_record.h"

namespace velmora {

// "PH" for "SSB", "CW" for "CW", "??" for anything else (exact comparison).
std::string_view modeTag(std::string_view mode);

// Appends the line "QSO: %5u %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n" of
// the frequency in kHz, the mode tag, the time, `sender`, the sent report
// and exchange, the call worked and the received report and exchange:
// fields are padded to their width and never cut.
void appendQsoLine(std::string& out, const QsoRecord& qso, std::string_view sender);

}  // namespace velmora
