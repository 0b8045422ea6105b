#include "cabrillo/cabrillo_writer.h"

#include "cabrillo/multi_line_forms.h"
#include "cabrillo/qso_line.h"

namespace velmora {
namespace {

constexpr std::string_view kAddressTag = "ADDRESS: ";
constexpr std::string_view kSoapBoxTag = "SOAPBOX: ";

void line(std::string& out, std::string_view tag, std::string_view value) {
  out += tag;
  out += value;
  out += "\r\n";
}

}  // namespace

std::string cabrilloLog(const HeaderFields& header, int claimedScore, std::string_view extraHeader,
                        const QsoLog& log) {
  std::string out = "START-OF-LOG: 2.0\r\n";
  line(out, "CALLSIGN: ", header.callSign);
  line(out, "CATEGORY: ", header.category);
  line(out, "POWER: ", header.power);
  line(out, "CLAIMED-SCORE: ", std::to_string(claimedScore));
  line(out, "CLUB: ", header.club);
  out += "CONTEST: ";
  out += kCabrilloContestName;
  out += "\r\n";
  out += "CREATED-BY: Qelt \r\n";
  line(out, "NAME: ", header.name);
  line(out, kAddressTag, storedToHeader(header.address, kAddressTag));
  line(out, "OPERATORS: ", header.operators);
  line(out, "EMAIL: ", header.email);
  line(out, kSoapBoxTag, storedToHeader(header.soapBox, kSoapBoxTag));
  out += extraHeader;
  for (const QsoRecord& qso : log) appendQsoLine(out, qso, header.callSign);
  out += "END-OF-LOG:\r\n";
  return out;
}

}  // namespace velmora
