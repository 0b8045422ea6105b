#pragma once
// The band and frequency of an ADIF record, from its BAND and FREQ fields
// and the ADIF band table (logs/band_plan.h), so that a QSO is scored on the
// band that its Cabrillo line will show:
// - a FREQ that lies in a band gives that band; a BAND that names another
//   band, or none of the table, is named in a note and the frequency wins,
//   as the contest's log checker goes by the frequency;
// - a BAND of the table with no FREQ in a band (none, empty, 0, malformed,
//   outside every band) has its lower edge as the frequency, and a FREQ it
//   had is named in a note;
// - any other record is skipped, with the reason.
// A band name never comes from the log's text, so no control character or
// unknown name reaches the plug-in as a band. The plug-in takes a frequency
// of 32 bits in Hz: a QSO above 4294.967295 MHz is skipped.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "logs/log_qso.h"

namespace velmora::cli {

struct RecordBand {
  std::string band;  // a name of the table
  std::uint32_t frequencyHz = 0;
  bool frequencyFromBand = false;  // the band's lower edge
  std::optional<ReadingNoteKind> note;  // what the note says, when there is one
  std::string noteText;
};

// The band of a record whose BAND field is `bandField` ("" when absent) and
// whose FREQ field, in MHz, is `freqField`; or why the record is skipped.
std::variant<RecordBand, std::string> bandOfRecord(std::string_view bandField,
                                                   std::optional<std::string_view> freqField);

}  // namespace velmora::cli
