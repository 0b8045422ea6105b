#include "cli/cabrillo_export.h"

#include <memory>
#include <ostream>
#include <string>

#include "cabrillo/base_path.h"
#include "outputs/file_targets.h"
#include "ports/settings_file.h"
#include "util/user_error.h"

namespace velmora::cli {

void prepareCabrilloExport(const std::string& command, const HeaderAnswers& header,
                           std::ostream& err) {
  if (const std::optional<std::string> tooLong = header.tooLongToStore()) {
    throw UserError("velmora " + command + ": " + *tooLong);
  }
  prepareSettingsFolder(err);
}

CabrilloExport::CabrilloExport(const std::string& command, const HeaderAnswers& header,
                               std::ostream& err)
    : header_((prepareCabrilloExport(command, header, err), header)), answering_(header) {}

void CabrilloExport::contestStarted(const Contest& contest) {
  if (formClosesWithTheAnswers()) {
    const std::unique_ptr<SettingsStore> settings = openSettingsFile();
    if (const std::optional<std::string> lost = header_.notStoredIn(*settings)) {
      throw UserError("velmora: the plug-in did not store the Cabrillo header in " +
                      std::string(kSettingsFileName) + ": " + *lost);
    }
  }
  watch_.emplace(basePathFromCall(contest.station().call) + ".cbr");
}

void CabrilloExport::finish(const LogTally& tally, std::ostream& err) const {
  if (!watch_) return;
  const CabrilloOutcome outcome = watch_->outcome(tally);
  if (!outcome.written) throw UserError(outcome.lines.front());
  for (const std::string& line : outcome.lines) err << line << "\n";
}

}  // namespace velmora::cli
