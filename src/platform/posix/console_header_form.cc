#include "platform/posix/console_header_form.h"

#include <fstream>
#include <string>
#include <string_view>

#include "text/ascii.h"
#include "text/replace_all.h"

namespace velmora {
namespace {

struct Question {
  std::string_view label;
  std::string HeaderFields::*field;
  bool multiLine;
};

// The fields in the order the dialog lays them out.
constexpr Question kQuestions[] = {
    {"CONTEST", &HeaderFields::contest, false},
    {"CALLSIGN", &HeaderFields::callSign, false},
    {"CLAIMED", &HeaderFields::claimed, false},
    {"CATEGORY", &HeaderFields::category, false},
    {"POWER", &HeaderFields::power, false},
    {"NAME", &HeaderFields::name, false},
    {"ADDRESS", &HeaderFields::address, true},
    {"OPERATORS", &HeaderFields::operators, false},
    {"CLUB", &HeaderFields::club, false},
    {"SOAPBOX", &HeaderFields::soapBox, true},
    {"E-MAIL", &HeaderFields::email, false},
};

// The value of an answer as the field holds it.
std::string answerValue(const Question& q, const std::string& answer) {
  return q.multiLine ? replaceAll(answer, "\\n", "\r\n") : answer;
}

bool ask(std::istream& in, std::ostream& out, std::string_view prompt, std::string& answer) {
  out << prompt << std::flush;
  return static_cast<bool>(std::getline(in, answer));
}

}  // namespace

bool editHeaderOnConsole(std::istream& in, std::ostream& out, HeaderFields& fields) {
  HeaderFields edited = fields;
  out << "Cabrillo header (Enter keeps a value; \\n is a line break)\n";
  std::string answer;
  for (const Question& q : kQuestions) {
    std::string& value = edited.*q.field;
    const std::string shown = q.multiLine ? replaceAll(value, "\r\n", "\\n") : value;
    if (!ask(in, out, std::string(q.label) + " [" + shown + "]: ", answer)) return false;
    if (!answer.empty()) value = answerValue(q, answer);
  }
  if (!ask(in, out, "OK or CANCEL [OK]: ", answer)) return false;
  if (!answer.empty() && upperAscii(answer) != "OK") return false;
  fields = std::move(edited);
  return true;
}

bool editHeaderFromAnswers(std::istream& answers, HeaderFields& fields) {
  HeaderFields edited = fields;
  for (std::string line; std::getline(answers, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::size_t equals = line.find('=');
    const Question* question = nullptr;
    for (const Question& q : kQuestions) {
      if (equals != std::string::npos && line.compare(0, equals, q.label) == 0) question = &q;
    }
    if (question == nullptr) return false;
    edited.*question->field = answerValue(*question, line.substr(equals + 1));
  }
  fields = std::move(edited);
  return true;
}

bool editHeaderFromAnswersFile(const char* path, HeaderFields& fields) {
  if (path == nullptr) return false;
  std::ifstream answers(path, std::ios::binary);
  return answers.is_open() && editHeaderFromAnswers(answers, fields);
}

}  // namespace velmora
