#pragma once
// A step of a replayed contest, as the report's tests write them.

#include <string>

#include "report/contest_timeline.h"

namespace velmora::cli::report {

// An accepted QSO with the verdict before it and the summary's score after.
inline QsoStep step(CivilDateTime time, const std::string& band, host::CallCheckCode verdict,
                    bool counted, const std::string& department, long long score) {
  QsoStep s;
  s.time = time;
  s.band = band;
  s.verdict = verdict;
  s.accepted = true;
  s.counted = counted;
  s.department = department;
  s.score = score;
  return s;
}

}  // namespace velmora::cli::report
