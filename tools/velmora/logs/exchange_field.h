#pragma once
// An exchange field as loggers fill it: some put the signal report in front
// of the exchange ("59 54", "599 013"), and a blank left inside would break
// the columns of a Cabrillo line.

#include <string>
#include <string_view>

namespace velmora::cli {

struct ExchangeField {
  std::string exchange;  // the field without surrounding blanks, or its last word
  std::string report;    // the signal report in front of it, else empty
};

// "59", "57", "599", "5NN" (CW's cut numbers): readability 1-5, strength
// and tone 1-9.
bool isSignalReport(std::string_view word);

// The report a QSO without one is given: "599" for CW, "59" for SSB; ""
// for any other mode.
std::string usualReport(std::string_view mode);

// A field of two words whose first is a signal report is split in two;
// any other field comes back trimmed, whole.
ExchangeField splitExchangeField(std::string_view field);

// True when `text` holds a blank, a tab or a line end.
bool holdsBlank(std::string_view text);

}  // namespace velmora::cli
