#pragma once
// The answers velmora gives the plug-in's Cabrillo header form in a batch
// export: the header options of `score`. The plug-in finds them through the
// entry velmora exports for it (ports/host_answers.h), inside the process:
// no file and no environment. The form stores them in the settings file
// and writes them into the header itself; velmora never edits what the
// plug-in writes, but checks before the contest that each answer can be
// stored as given, and after its start that the settings read it back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/platform.h"

namespace velmora::cli {

struct HeaderAnswers {
  std::optional<std::string> operators, name, email, club, category, power;
  std::vector<std::string> address, soapBox;  // one line each

  // The answer for the form's field `label` ("CATEGORY", "ADDRESS" ...),
  // multi-line ones in edited form; nothing for a field not given.
  std::optional<std::string> answerFor(std::string_view label) const;

  // The first answer the settings file cannot keep whole (over 9,999
  // characters once stored, where the plug-in would cut it), named by its
  // option; nothing when every one fits.
  std::optional<std::string> tooLongToStore() const;

  // The first answer that the settings do not read back as given (the
  // plug-in could not store it: no room for the file, a file it may not
  // write), named by its option; nothing when every one does. Read from
  // `settings` through the plug-in's own rules.
  std::optional<std::string> notStoredIn(SettingsStore& settings) const;
};

// What keeps one line of a header option out of the plug-in's settings and
// header, in a few words: the rule of util/text_rule.h for a header line; in
// a multi-line option (--address, --soapbox) also "<CR>" or "<LF>" typed as
// such, which the settings file would turn into a line break.
std::optional<std::string> headerLineFault(std::string_view line, bool multiLine);

// While it lives, the plug-in's header form takes `answers`, which must
// outlive it; a form opened without one keeps every value. One at a time.
class AnsweringHeaderForm {
 public:
  explicit AnsweringHeaderForm(const HeaderAnswers& answers);
  ~AnsweringHeaderForm();
  AnsweringHeaderForm(const AnsweringHeaderForm&) = delete;
  AnsweringHeaderForm& operator=(const AnsweringHeaderForm&) = delete;
};

// Whether the header form closes by itself with the answers (Linux without a
// terminal), so that the settings must then hold exactly them; on a
// terminal, or in the Windows dialog, the operator may still edit them.
bool formClosesWithTheAnswers();

// The lines of a repeatable option as one edited-form text: each line break,
// given or between values, becomes CR LF.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace velmora::cli
