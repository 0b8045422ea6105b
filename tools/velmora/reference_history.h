#pragma once
// The reference file of the next contest, made from past logs: the French
// stations worked, each with the department it last sent, so that the call
// check can announce new departments and the exchange to expect.

#include <map>
#include <string>

#include "country_file.h"
#include "log_qso.h"

namespace velmora::cli {

class ReferenceHistory {
 public:
  // Takes the French stations of `log`; a later QSO's department wins over
  // an earlier one's, whichever log it is in. Returns how many QSOs with a
  // French station were passed over because their exchange is not a
  // two-character department.
  int add(const LogContents& log, const CountryFile& countries);

  // "CALL DEP" lines with CR LF ends, sorted by call: the reference file.
  std::string text() const;
  std::size_t size() const { return latest_.size(); }

 private:
  struct Sent {
    double when = 0;
    std::string department;
  };
  std::map<std::string, Sent> latest_;
};

}  // namespace velmora::cli
