#pragma once
// The running score as the online scoreboards take it: their published
// "dynamicresults" XML, posted over HTTP. The contest (its Cabrillo name),
// the own call, the operators and club of the header options, the class
// (mode MIXED, power from --power when it is HIGH, LOW or QRP), the software,
// the breakdown per band and in total (QSOs, points, and the multipliers:
// departments, and DXCC prefixes for an operator in France), the claimed
// score and the time of the post (UTC). Every number is the plug-in's
// summary's.

#include <string>

#include "log/ole_date_time.h"
#include "outputs/header_answers.h"
#include "outputs/summary_figures.h"

namespace velmora::cli {

std::string scoreboardXml(const std::string& call, const HeaderAnswers& header,
                          const SummaryFigures& figures, const CivilDateTime& utcNow);

}  // namespace velmora::cli
