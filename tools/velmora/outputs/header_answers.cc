#include "outputs/header_answers.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include <tuple>
#include <utility>

#include "cabrillo/multi_line_forms.h"
#include "ports/host_answers.h"
#include "text/replace_all.h"
#include "util/terminal_excerpt.h"
#include "util/text_rule.h"

namespace velmora::cli {
namespace {

const HeaderAnswers* installed = nullptr;

std::optional<std::string> linesOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return std::nullopt;
  return joinLines(lines);
}

// One answer as the settings file stores it, under its key.
struct StoredAnswer {
  const char* option;
  const char* key;
  std::string stored;
};

std::vector<StoredAnswer> storedAnswers(const HeaderAnswers& answers) {
  const std::optional<std::string> address = linesOf(answers.address);
  const std::optional<std::string> soapBox = linesOf(answers.soapBox);
  const std::tuple<const char*, const char*, const std::optional<std::string>*> given[] = {
      {"--operators", "Operators", &answers.operators}, {"--name", "Name", &answers.name},
      {"--address", "Address", &address},                {"--category", "Category", &answers.category},
      {"--power", "Power", &answers.power},              {"--email", "Email", &answers.email},
      {"--club", "Club", &answers.club},                 {"--soapbox", "SoapBox", &soapBox},
  };
  std::vector<StoredAnswer> stored;
  for (const auto& [option, key, answer] : given) {
    if (*answer) stored.push_back({option, key, editedToStored(**answer)});
  }
  return stored;
}

}  // namespace

std::optional<std::string> headerLineFault(std::string_view line, bool multiLine) {
  if (multiLine) {
    for (const char* typed : {"<CR>", "<LF>"}) {
      if (line.find(typed) != std::string_view::npos) {
        return "holds \"" + std::string(typed) + "\", which the plug-in's settings turn into a line break";
      }
    }
  } else if (line.find_first_of("\r\n") != std::string_view::npos) {
    return std::string("holds a line break");
  }
  return textFault(line, TextPlace::Line);
}

std::optional<std::string> HeaderAnswers::tooLongToStore() const {
  for (const StoredAnswer& answer : storedAnswers(*this)) {
    if (answer.stored.size() >= SettingsStore::kReadBufferSize) {
      return std::string(answer.option) + ": " + std::to_string(answer.stored.size()) +
             " characters as the settings store it, more than the " +
             std::to_string(SettingsStore::kReadBufferSize - 1) + " they keep";
    }
  }
  return std::nullopt;
}

std::optional<std::string> HeaderAnswers::notStoredIn(SettingsStore& settings) const {
  constexpr char kNone[] = "\x01(none)";  // no value reads back as this
  for (const StoredAnswer& answer : storedAnswers(*this)) {
    const std::string read = settings.read("Settings", answer.key, kNone);
    if (read == answer.stored) continue;
    return std::string(answer.option) + " reads back as " +
           (read == kNone ? std::string("nothing") : "'" + terminalExcerpt(read) + "'");
  }
  return std::nullopt;
}

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

bool formClosesWithTheAnswers() {
#if defined(_WIN32)
  return false;
#else
  return !(isatty(STDIN_FILENO) && isatty(STDOUT_FILENO));
#endif
}

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
