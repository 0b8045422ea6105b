#pragma once
// Which QSOs of a log take part: those inside the contest period and on the
// chosen bands, so that a whole-station log can be scored for one weekend.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logs/log_qso.h"

namespace velmora::cli {

// A moment in UTC as the user writes it: "YYYY-MM-DD" or "YYYY-MM-DD HH:MM",
// as the host's day count. A date alone is its first minute, or with
// `endOfDay` the first minute of the next day. Nothing when malformed.
std::optional<double> parseUtcMoment(std::string_view text, bool endOfDay);

// "80m,40m" (any letter case) as band names; nothing when one is unknown.
std::optional<std::vector<std::string>> parseBandList(std::string_view text);

struct LogSelection {
  std::optional<double> from;   // QSOs at or after this moment
  std::optional<double> until;  // QSOs before this moment
  std::vector<std::string> bands;  // empty: every band

  enum class Verdict { Kept, OutsidePeriod, OtherBand };
  Verdict judge(const LogQso& qso) const;
};

}  // namespace velmora::cli
