#include "command_line.h"

#include <CLI/CLI.hpp>

#include "band_plan.h"
#include "exchange_field.h"
#include "log_selection.h"

namespace velmora::cli {
namespace {

// An option that takes one text, remembered as given.
CLI::Option* addText(CLI::App& app, const std::string& name, std::optional<std::string>& value,
                     const std::string& help) {
  return app.add_option_function<std::string>(
      name, [&value](const std::string& text) { value = text; }, help);
}

// A value written to the settings file on one line: a raw line break would
// write other keys into it.
const CLI::Validator kOneLine(
    [](std::string& text) {
      return text.find_first_of("\r\n") == std::string::npos ? std::string()
                                                             : std::string("holds a line break");
    },
    "");

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

const CLI::Validator kBand(
    [](std::string& text) {
      return bandFromText(text) ? std::string() : "unknown band " + text;
    },
    "BAND");

void addHeaderOptions(CLI::App& score, HeaderOptions& header) {
  const char* settings = "Cabrillo header (written to the settings before the export)";
  addText(score, "--operators", header.operators, "operators' call signs")
      ->check(kOneLine)->group(settings);
  addText(score, "--name", header.name, "operator's name")->check(kOneLine)->group(settings);
  score.add_option("--address", header.address, "a line of the postal address (repeatable)")
      ->allow_extra_args(false)->group(settings);
  addText(score, "--email", header.email, "e-mail address")->check(kOneLine)->group(settings);
  addText(score, "--club", header.club, "club")->check(kOneLine)->group(settings);
  score.add_option("--soapbox", header.soapbox, "a line of soapbox text (repeatable)")
      ->allow_extra_args(false)->group(settings);
  addText(score, "--category", header.category, "entry category, e.g. SO40")
      ->check(kOneLine)->group(settings);
  addText(score, "--power", header.power, "power category, e.g. \"100 watt\"")
      ->check(kOneLine)->group(settings);
}

// The command a failed parse was for, as the complaint names it.
std::string speaker(const std::vector<std::string>& args, const CLI::App& app) {
  if (!args.empty()) {
    for (const CLI::App* command : app.get_subcommands({})) {
      if (command->get_name() == args[0]) return "velmora " + args[0];
    }
  }
  return "velmora";
}

}  // namespace

void addContestOptions(CLI::App& command, ContestOptions& options) {
  const char* contest = "Contest";
  addText(command, "--call", options.call, "own call sign (default: the log's)")->group(contest);
  addText(command, "--dxcc", options.dxcc, "own DXCC prefix (default: the country file's)")
      ->group(contest);
  addText(command, "--area", options.area, "own continent (default: the country file's)")
      ->group(contest);
  addText(command, "--cty", options.cty, "country file (default /usr/share/hamradio-files/cty.dat)")
      ->group(contest);
  addText(command, "--dir", options.dir, "the host's working folder (Plugins/, the Cabrillo file)")
      ->group(contest);
  addText(command, "--plugin", options.plugin, "the plug-in (default: the one next to velmora)")
      ->group(contest);
  command.add_flag("--keep-repeats", options.keepRepeats,
                   "log a station worked again on a band, as a host does when told to")
      ->group(contest);
}

void addLogOptions(CLI::App& command, LogOptions& options) {
  const char* log = "Reading the log";
  addText(command, "--rcvd-field", options.rcvdField,
          "ADIF field of the received exchange (default SRX_STRING, else SRX)")
      ->check(kOneWord)->group(log);
  addText(command, "--sent", options.sent, "own exchange, for QSOs whose log states none")
      ->check(kOneWord)->group(log);
  addText(command, "--from", options.from, "first moment of the contest, UTC")
      ->check(kMoment)->group(log);
  addText(command, "--to", options.to, "end of the contest, UTC (a date alone: its whole day)")
      ->check(kMoment)->group(log);
  addText(command, "--bands", options.bands, "only these bands, e.g. 80m,40m")
      ->check(kBandList)->group(log);
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  CLI::App app("Scores real logs through the contest plug-in, as the logging host does.",
               "velmora");
  app.set_version_flag("--version", "velmora " VELMORA_VERSION);
  // Paths such as "/home/log.adi" are arguments on every system, never
  // Windows-style options (CLI11's default on Windows). Set before the
  // commands are added, which take it over.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);

  CLI::App* score = app.add_subcommand("score", "score a log and print the plug-in's summary");
  score->add_option("LOG", line.argument, "ADIF or Cabrillo log")->required();
  addContestOptions(*score, line.contest);
  addLogOptions(*score, line.reading);
  score->add_flag("--raw", line.raw, "print the plug-in's summary text unchanged");
  score->add_flag("--cabrillo", line.cabrillo, "have the plug-in write the Cabrillo file");
  addHeaderOptions(*score, line.header);

  CLI::App* report = app.add_subcommand(
      "report", "replay a log as score does and draw the contest as one HTML page");
  report->add_option("LOG", line.argument, "ADIF or Cabrillo log")->required();
  addText(*report, "--out", line.out, "the HTML page to write")->required();
  addContestOptions(*report, line.contest);
  addLogOptions(*report, line.reading);

  CLI::App* check = app.add_subcommand("check", "ask the plug-in's call check about a call");
  check->add_option("CALL", line.argument, "the call being entered")->required();
  addText(*check, "--band", line.band, "band name, or frequency in kHz or MHz")
      ->required()->check(kBand);
  addText(*check, "--log", line.log, "a log to replay first");
  addContestOptions(*check, line.contest);
  addLogOptions(*check, line.reading);

  CLI::App* validate = app.add_subcommand("validate", "ask the plug-in whether an exchange is valid");
  validate->add_option("EXCH", line.argument, "the received exchange")->required();
  addText(*validate, "--plugin", line.contest.plugin, "the plug-in (default: the one next to velmora)");

  CLI::App* history = app.add_subcommand(
      "history", "write a reference file (call, department) from past logs' French stations");
  history->add_option("LOG", line.logs, "ADIF or Cabrillo logs")->required();
  addText(*history, "--out", line.out, "the reference file to write (default: standard output)");
  addText(*history, "--cty", line.contest.cty, "country file");
  addLogOptions(*history, line.reading);

  ParsedCommandLine parsed;
  if (args.empty()) {
    parsed.status = 2;
    parsed.text = "velmora: no command given (score, report, check, validate or history)\n" + app.help();
    return parsed;
  }
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    const CLI::App* asked = app.get_subcommands().empty() ? &app : app.get_subcommands()[0];
    parsed.text = asked->help();
    return parsed;
  } catch (const CLI::CallForVersion& version) {
    parsed.text = std::string(version.what()) + "\n";
    return parsed;
  } catch (const CLI::ParseError& error) {
    parsed.status = 2;
    const std::string who = speaker(args, app);
    if (who == "velmora" && args[0].rfind("-", 0) != 0) {
      parsed.text = "velmora: unknown command " + args[0] + "\n";
    } else {
      parsed.text = who + ": " + error.what() + "\n";
    }
    return parsed;
  }
  const CLI::App* chosen = app.get_subcommands()[0];
  line.command = chosen == score      ? Command::Score
                 : chosen == report   ? Command::Report
                 : chosen == check    ? Command::Check
                 : chosen == validate ? Command::Validate
                                      : Command::History;
  parsed.line = std::move(line);
  return parsed;
}

}  // namespace velmora::cli
