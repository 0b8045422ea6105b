#pragma once
// The reference file of the next contest, made from past logs: the French
// stations worked, each with the department it last sent, so that the call
// check can announce new departments and the exchange to expect.

#include <map>
#include <optional>
#include <string>

#include "logs/log_qso.h"
#include "stations/country_file.h"

namespace velmora::cli {

class ReferenceHistory {
 public:
  // Takes the QSO if it is with a French station: a later QSO's department
  // wins over an earlier one's, whichever log it is in. A QSO whose
  // exchange is no department (stations/french_departments.h) or not of the
  // file's two characters (an overseas code, "971") is passed over; one whose
  // call breaks the rule of util/text_rule.h (it would break the file's
  // lines) is left out, and the result says why.
  std::optional<std::string> add(const LogQso& qso, const CountryFile& countries);

  // The reference file, sorted by call (classify/ref_file.h writes a record).
  std::string text() const;
  std::size_t size() const { return latest_.size(); }
  // The QSOs with a French station passed over so far.
  int passedOver() const { return passedOver_; }

 private:
  struct Sent {
    double when = 0;
    std::string department;
  };
  std::map<std::string, Sent> latest_;
  int passedOver_ = 0;
};

}  // namespace velmora::cli
