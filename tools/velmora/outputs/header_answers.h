#pragma once
// The answers velmora gives the plug-in's Cabrillo header form in a batch
// export: the header options of `score`. The plug-in finds them through the
// entry velmora exports for it (ports/host_answers.h), inside the process:
// no file and no environment. The form stores them in the settings file
// and writes them into the header itself; velmora never edits what the
// plug-in writes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct HeaderAnswers {
  std::optional<std::string> operators, name, email, club, category, power;
  std::vector<std::string> address, soapBox;  // one line each

  // The answer for the form's field `label` ("CATEGORY", "ADDRESS" ...),
  // multi-line ones in edited form; nothing for a field not given.
  std::optional<std::string> answerFor(std::string_view label) const;
};

// While it lives, the plug-in's header form takes `answers`, which must
// outlive it; a form opened without one keeps every value. One at a time.
class AnsweringHeaderForm {
 public:
  explicit AnsweringHeaderForm(const HeaderAnswers& answers);
  ~AnsweringHeaderForm();
  AnsweringHeaderForm(const AnsweringHeaderForm&) = delete;
  AnsweringHeaderForm& operator=(const AnsweringHeaderForm&) = delete;
};

// The lines of a repeatable option as one edited-form text: each line break,
// given or between values, becomes CR LF.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace velmora::cli
