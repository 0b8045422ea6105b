#include "platform/posix/console_header_form.h"

#include <string>
#include <string_view>

#include "text/ascii.h"
#include "text/replace_all.h"

namespace velmora {
namespace {

bool ask(std::istream& in, std::ostream& out, std::string_view prompt, std::string& answer) {
  out << prompt << std::flush;
  return static_cast<bool>(std::getline(in, answer));
}

}  // namespace

bool editHeaderOnConsole(std::istream& in, std::ostream& out, HeaderFields& fields) {
  HeaderFields edited = fields;
  out << "Cabrillo header (Enter keeps a value; \\n is a line break)\n";
  std::string answer;
  for (const HeaderFieldLabel& q : kHeaderFieldLabels) {
    std::string& value = edited.*q.field;
    const std::string shown = q.multiLine ? replaceAll(value, "\r\n", "\\n") : value;
    if (!ask(in, out, std::string(q.label) + " [" + shown + "]: ", answer)) return false;
    if (!answer.empty()) value = q.multiLine ? replaceAll(answer, "\\n", "\r\n") : answer;
  }
  if (!ask(in, out, "OK or CANCEL [OK]: ", answer)) return false;
  if (!answer.empty() && upperAscii(answer) != "OK") return false;
  fields = std::move(edited);
  return true;
}

}  // namespace velmora
