// velmora validate: asks the plug-in whether a received exchange is valid;
// exit status 0 when it is, 1 when not.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/shared_options.h"
#include "replay/plugin_file.h"

namespace velmora::cli {
namespace {

struct ValidateOptions {
  std::string exchange;
  std::optional<std::string> plugin;
};

int runValidate(const ValidateOptions& options, Console& console) {
  const auto plugin = loadPlugin(options.plugin);
  const bool valid = plugin->isValidExchange(options.exchange.c_str(), 0) == 1;
  console.out << (valid ? "valid" : "invalid") << "\n";
  return valid ? 0 : 1;
}

}  // namespace

void setupValidate(CommandLine& line) {
  auto options = std::make_shared<ValidateOptions>();
  CLI::App& validate =
      *line.app().add_subcommand("validate", "ask the plug-in whether an exchange is valid");
  validate.add_option("EXCH", options->exchange, "the received exchange")->required();
  addText(validate, "--plugin", options->plugin, "the plug-in (default: the one next to velmora)")
      ->transform(kAbsolutePath);
  line.runs(validate, [options](Console& console) { return runValidate(*options, console); });
}

}  // namespace velmora::cli
