#pragma once
// The QSO a datagram states, read by the rules of an ADIF log: a packet
// reader puts what the datagram says under the ADIF field names, and the
// ADIF reader's own rules (logs/adif_qso.h) read the QSO from them, the
// same checks, band, exchanges and reports as for a log file.

#include <cstdint>
#include <string>

#include "logs/adif_scanner.h"
#include "sources/source_event.h"

namespace velmora::cli {

// A Qso event of `what` keyed `key`, or a malformed one with the reason
// the ADIF reader gives; `rcvdField` as for a log (lower case, empty: the
// default order).
SourceEvent qsoEvent(std::string what, std::string key, const AdifRecord& fields,
                     const std::string& rcvdField);

// A frequency in Hz as ADIF's FREQ writes it, in MHz: "14.025000".
std::string adifMegahertz(std::uint32_t hz);

// The key of a QSO that its source names by no id: the same call on the
// same band in the same minute is the same QSO.
std::string minuteKey(const LogQso& qso);

}  // namespace velmora::cli
