#include "cli/shared_options.h"

#include <CLI/CLI.hpp>
#include <filesystem>

#include "logs/exchange_field.h"
#include "logs/log_selection.h"
#include "text/ascii.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

const CLI::Validator kOneWord(
    [](std::string& text) {
      return holdsBlank(text) ? std::string("holds a blank") : std::string();
    },
    "");

const CLI::Validator kMoment(
    [](std::string& text) {
      return parseUtcMoment(text, false) ? std::string()
                                         : "not a UTC time YYYY-MM-DD[ HH:MM]: " + text;
    },
    "YYYY-MM-DD[ HH:MM]");

const CLI::Validator kBandList(
    [](std::string& text) {
      return parseBandList(text) ? std::string() : "not a list of known bands: " + text;
    },
    "BAND,...");

// An option whose text, once checked, `take` reads.
CLI::Option* addRead(CLI::App& command, const std::string& name,
                     std::function<void(const std::string&)> take, const std::string& help) {
  return command.add_option_function<std::string>(name, std::move(take), help);
}

}  // namespace

const CLI::Validator kAbsolutePath(
    [](std::string& path) {
      path = std::filesystem::absolute(path).string();
      return std::string();
    },
    "");

const CLI::Validator kOneLine(
    [](std::string& text) {
      return text.find_first_of("\r\n") == std::string::npos ? std::string()
                                                             : std::string("holds a line break");
    },
    "");

CLI::Option* addText(CLI::App& command, const std::string& name, std::optional<std::string>& value,
                     const std::string& help) {
  return addRead(command, name, [&value](const std::string& text) { value = text; }, help);
}

void addContestOptions(CLI::App& command, ReplayOptions& options) {
  const char* contest = "Contest";
  ContestOptions& o = options.contest;
  addText(command, "--call", o.call, "own call sign (default: the log's)")->group(contest);
  addText(command, "--dxcc", o.dxcc, "own DXCC prefix (default: the country file's)")
      ->group(contest);
  addText(command, "--area", o.area, "own continent (default: the country file's)")
      ->group(contest);
  addText(command, "--cty", o.cty, "country file (default /usr/share/hamradio-files/cty.dat)")
      ->transform(kAbsolutePath)->group(contest);
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
  addRead(command, "--from",
          [&options](const std::string& moment) {
            options.selection.from = parseUtcMoment(moment, false);
          },
          "first moment of the contest, UTC")
      ->check(kMoment)->group(log);
  addRead(command, "--to",
          [&options](const std::string& moment) {
            options.selection.until = parseUtcMoment(moment, true);
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

}  // namespace velmora::cli
