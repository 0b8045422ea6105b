#pragma once
// The options that several commands share, and the checks of what the
// user gives them.

#include <optional>
#include <string>

#include "logs/log_reader.h"
#include "outputs/header_answers.h"
#include "replay/contest_options.h"

namespace CLI {
class App;
class Option;
class Validator;
}

namespace velmora::cli {

// What the commands that replay a log take (score, report, check): the
// contest, the host's working folder, and how the log is read.
struct ReplayOptions {
  ContestOptions contest;
  std::optional<std::string> workingFolder;
  ReadOptions reading;
};

// An option that takes one text, remembered as given.
CLI::Option* addText(CLI::App& command, const std::string& name, std::optional<std::string>& value,
                     const std::string& help);

// A path meant from where velmora was started, made absolute as it is
// parsed (before the command enters the working folder); an empty one is
// refused.
extern const CLI::Validator kAbsolutePath;
// A file to read: as kAbsolutePath, but "-" stays standard input.
extern const CLI::Validator kInputPath;
// A text handed to the plug-in as one word: no blank, no control character
// (util/text_rule.h).
extern const CLI::Validator kOneWord;

// --call (at most kLongestCallSign characters), --dxcc, --area, --cty,
// --dir, --plugin and --keep-repeats.
void addContestOptions(CLI::App& command, ReplayOptions& options);
// --rcvd-field, --sent, --from, --to and --bands, checked and read into
// `options`; a --to that is not after --from is refused.
void addLogOptions(CLI::App& command, ReadOptions& options);

// --operators, --name, --address, --email, --club, --soapbox, --category
// and --power: the answers to the plug-in's Cabrillo header form, each
// line checked as the settings and the header keep it.
void addHeaderOptions(CLI::App& command, HeaderAnswers& header);

// Enters the host's working folder, if one is given; throws UserError
// when it cannot.
void enterWorkingFolder(const std::optional<std::string>& folder);

}  // namespace velmora::cli
