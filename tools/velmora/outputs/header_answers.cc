#include "outputs/header_answers.h"

#include <utility>

#include "ports/host_answers.h"
#include "text/replace_all.h"

namespace velmora::cli {
namespace {

const HeaderAnswers* installed = nullptr;

std::optional<std::string> linesOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return std::nullopt;
  return joinLines(lines);
}

}  // namespace

std::optional<std::string> HeaderAnswers::answerFor(std::string_view label) const {
  const std::pair<std::string HeaderFields::*, std::optional<std::string>> given[] = {
      {&HeaderFields::operators, operators}, {&HeaderFields::name, name},
      {&HeaderFields::email, email},         {&HeaderFields::club, club},
      {&HeaderFields::category, category},   {&HeaderFields::power, power},
      {&HeaderFields::address, linesOf(address)}, {&HeaderFields::soapBox, linesOf(soapBox)},
  };
  for (const HeaderFieldLabel& field : kHeaderFieldLabels) {
    if (field.label != label) continue;
    for (const auto& [member, answer] : given) {
      if (member == field.field) return answer;
    }
  }
  return std::nullopt;
}

AnsweringHeaderForm::AnsweringHeaderForm(const HeaderAnswers& answers) { installed = &answers; }

AnsweringHeaderForm::~AnsweringHeaderForm() { installed = nullptr; }

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\n";
    text += replaceAll(replaceAll(line, "\r\n", "\n"), "\r", "\n");
  }
  return replaceAll(text, "\n", "\r\n");
}

}  // namespace velmora::cli

static_assert(std::string_view(velmora::kHostAnswersEntry) == "VelmoraHostAnswer",
              "the entry below is the one the header form looks for");

// Called by the plug-in's header form, across the C boundary: no exception
// leaves it.
extern "C" VELMORA_HOST_ENTRY const char* VelmoraHostAnswer(const char* label) {
  static std::string answer;  // valid until the next call
  try {
    if (velmora::cli::installed == nullptr || label == nullptr) return nullptr;
    const std::optional<std::string> given = velmora::cli::installed->answerFor(label);
    if (!given) return nullptr;
    answer = *given;
    return answer.c_str();
  } catch (...) {
    return nullptr;
  }
}
