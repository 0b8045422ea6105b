#include "cabrillo/cabrillo_writer.h"

namespace velmora {
namespace {

void line(std::ostream& out, std::string_view tag, std::string_view value) {
  out << tag << value << "\r\n";
}

}  // namespace

void WriteCabrilloLog(std::ostream& out, const HeaderFields& header, int claimedScore,
                      std::string_view extraHeader, const GrowableArray<std::string>& qsoLines) {
  out << "START-OF-LOG: 2.0\r\n";
  line(out, "CALLSIGN: ", header.callSign);
  line(out, "CATEGORY: ", header.category);
  line(out, "POWER: ", header.power);
  line(out, "CLAIMED-SCORE: ", std::to_string(claimedScore));
  line(out, "CLUB: ", header.club);
  out << "CONTEST: Velmora\r\n";
  out << "CREATED-BY: Qelt \r\n";
  line(out, "NAME: ", header.name);
  line(out, "ADDRESS: ", header.address);
  line(out, "OPERATORS: ", header.operators);
  line(out, "EMAIL: ", header.email);
  line(out, "SOAPBOX: ", header.soapBox);
  out << extraHeader;
  for (const std::string& qso : qsoLines) out << qso;
  out << "END-OF-LOG:\r\n";
}

}  // namespace velmora
