#include "cli/shared_options.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>

#include "logs/exchange_field.h"
#include "logs/log_selection.h"
#include "stations/call_place.h"
#include "text/ascii.h"
#include "util/terminal_excerpt.h"
#include "util/text_rule.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

const CLI::Validator kMoment(
    [](std::string& text) {
      return parseUtcMoment(text, false)
                 ? std::string()
                 : "not a UTC time YYYY-MM-DD[ HH:MM]: " + terminalExcerpt(text);
    },
    "YYYY-MM-DD[ HH:MM]");

const CLI::Validator kBandList(
    [](std::string& text) {
      return parseBandList(text) ? std::string()
                                 : "not a list of known bands: " + terminalExcerpt(text);
    },
    "BAND,...");

const CLI::Validator kCallSign(
    [](std::string& call) {
      if (call.empty()) return std::string("an empty call sign");
      if (call.size() <= kLongestCallSign) return std::string();
      return "a call sign of " + std::to_string(call.size()) + " characters; at most " +
             std::to_string(kLongestCallSign);
    },
    "");

// An option whose text, once checked, `take` reads.
CLI::Option* addRead(CLI::App& command, const std::string& name,
                     std::function<void(const std::string&)> take, const std::string& help) {
  return command.add_option_function<std::string>(name, std::move(take), help);
}

}  // namespace

const CLI::Validator kOneWord(
    [](std::string& text) { return textFault(text, TextPlace::Column).value_or(""); }, "");

const CLI::Validator kAbsolutePath(
    [](std::string& path) {
      if (path.empty()) return std::string("an empty path");
      path = std::filesystem::absolute(path).string();
      return std::string();
    },
    "");

const CLI::Validator kInputPath(
    [](std::string& path) { return path == "-" ? std::string() : kAbsolutePath(path); }, "");

CLI::Option* addText(CLI::App& command, const std::string& name, std::optional<std::string>& value,
                     const std::string& help) {
  return addRead(command, name, [&value](const std::string& text) { value = text; }, help);
}

void addContestOptions(CLI::App& command, ReplayOptions& options) {
  const char* contest = "Contest";
  ContestOptions& o = options.contest;
  addText(command, "--call", o.call, "own call sign (default: the log's)")
      ->check(kCallSign)->check(kOneWord)->group(contest);
  addText(command, "--dxcc", o.dxcc, "own DXCC prefix (default: the country file's)")
      ->check(kOneWord)->group(contest);
  addText(command, "--area", o.area, "own continent (default: the country file's)")
      ->check(kOneWord)->group(contest);
  addText(command, "--cty", o.cty, "country file (default /usr/share/hamradio-files/cty.dat)")
      ->transform(kInputPath)->group(contest);
  addText(command, "--dir", options.workingFolder,
          "the host's working folder (Plugins/, the Cabrillo file)")
      ->group(contest);
  addText(command, "--plugin", o.plugin, "the plug-in (default: the one next to velmora)")
      ->transform(kAbsolutePath)->group(contest);
  command.add_flag("--keep-repeats", o.keepRepeats,
                   "log a station worked again on a band, as a host does when told to")
      ->group(contest);
}

void addLogOptions(CLI::App& command, ReadOptions& options) {
  const char* log = "Reading the log";
  addRead(command, "--rcvd-field",
          [&options](const std::string& field) { options.rcvdField = lowerAscii(field); },
          "ADIF field of the received exchange (default SRX_STRING, else SRX)")
      ->check(kOneWord)->group(log);
  addRead(command, "--sent", [&options](const std::string& sent) { options.sent = sent; },
          "own exchange, for QSOs whose log states none")
      ->check(kOneWord)->group(log);
  // --from is read first (options are read in the order they are added), so
  // that --to can be checked against it.
  auto fromText = std::make_shared<std::string>();
  addRead(command, "--from",
          [&options, fromText](const std::string& moment) {
            options.selection.from = parseUtcMoment(moment, false);
            *fromText = moment;
          },
          "first moment of the contest, UTC")
      ->check(kMoment)->group(log);
  addRead(command, "--to",
          [&options, fromText](const std::string& moment) {
            options.selection.until = parseUtcMoment(moment, true);
            if (options.selection.from && *options.selection.from >= *options.selection.until) {
              throw CLI::ValidationError("--to", terminalExcerpt(moment) + " is not after --from " +
                                                     terminalExcerpt(*fromText) +
                                                     ": no QSO would be kept");
            }
          },
          "end of the contest, UTC (a date alone: its whole day)")
      ->check(kMoment)->group(log);
  addRead(command, "--bands",
          [&options](const std::string& bands) {
            options.selection.bands = parseBandList(bands).value_or(std::vector<std::string>{});
          },
          "only these bands, e.g. 80m,40m")
      ->check(kBandList)->group(log);
}

void enterWorkingFolder(const std::optional<std::string>& folder) {
  if (!folder) return;
  std::error_code error;
  std::filesystem::current_path(*folder, error);
  if (error) throw UserError("velmora: cannot enter folder " + *folder);
}

namespace {

// A header option's text, checked by the rule the settings and the header
// keep (outputs/header_answers.h).
CLI::Validator headerText(bool multiLine) {
  return CLI::Validator(
      [multiLine](std::string& text) { return headerLineFault(text, multiLine).value_or(""); }, "");
}

}  // namespace

void addHeaderOptions(CLI::App& command, HeaderAnswers& header) {
  const char* settings = "Cabrillo header (written to the settings before the export)";
  const CLI::Validator line = headerText(false);
  const CLI::Validator lines = headerText(true);
  addText(command, "--operators", header.operators, "operators' call signs")
      ->check(line)->group(settings);
  addText(command, "--name", header.name, "operator's name")->check(line)->group(settings);
  command.add_option("--address", header.address, "a line of the postal address (repeatable)")
      ->allow_extra_args(false)->check(lines)->group(settings);
  addText(command, "--email", header.email, "e-mail address")->check(line)->group(settings);
  addText(command, "--club", header.club, "club")->check(line)->group(settings);
  command.add_option("--soapbox", header.soapBox, "a line of soapbox text (repeatable)")
      ->allow_extra_args(false)->check(lines)->group(settings);
  addText(command, "--category", header.category, "entry category, e.g. SO40")
      ->check(line)->group(settings);
  addText(command, "--power", header.power, "power category, e.g. \"100 watt\"")
      ->check(line)->group(settings);
}

}  // namespace velmora::cli
