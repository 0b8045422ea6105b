#include "cli/command_line.h"

#include <CLI/CLI.hpp>

namespace velmora::cli {
namespace {

// The commands by name: "score, report, check, validate or history".
std::string commandNames(const CLI::App& app) {
  const std::vector<const CLI::App*> commands = app.get_subcommands({});
  std::string names;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    names += (i == 0 ? "" : i + 1 == commands.size() ? " or " : ", ") + commands[i]->get_name();
  }
  return names;
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

CommandLine::CommandLine()
    : app_(std::make_unique<CLI::App>(
          "Scores real logs through the contest plug-in, as the logging host does.", "velmora")) {
  app_->set_version_flag("--version", "velmora " VELMORA_VERSION);
  // Paths such as "/home/log.adi" are arguments on every system, never
  // Windows-style options (CLI11's default on Windows). Set before the
  // commands are added, which take it over.
  app_->allow_windows_style_options(false);
  app_->require_subcommand(1);
}

CommandLine::~CommandLine() = default;

void CommandLine::runs(CLI::App& command, CommandRun run) {
  command.callback([this, run = std::move(run)] { chosen_ = run; });
}

ParsedCommandLine CommandLine::parse(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  if (args.empty()) {
    parsed.status = 2;
    parsed.text = "velmora: no command given (" + commandNames(*app_) + ")\n" + app_->help();
    return parsed;
  }
  chosen_ = nullptr;
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    app_->parse(reversed);
  } catch (const CLI::CallForHelp&) {
    const CLI::App* asked = app_->get_subcommands().empty() ? app_.get() : app_->get_subcommands()[0];
    parsed.text = asked->help();
    return parsed;
  } catch (const CLI::CallForVersion& version) {
    parsed.text = std::string(version.what()) + "\n";
    return parsed;
  } catch (const CLI::ParseError& error) {
    parsed.status = 2;
    const std::string who = speaker(args, *app_);
    if (who == "velmora" && args[0].rfind("-", 0) != 0) {
      parsed.text = "velmora: unknown command " + args[0] + "\n";
    } else {
      parsed.text = who + ": " + error.what() + "\n";
    }
    return parsed;
  }
  parsed.run = chosen_;
  return parsed;
}

}  // namespace velmora::cli
