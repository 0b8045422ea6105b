#pragma once
// The Cabrillo export that a command asks of the plug-in, around its replay
// of a log: the header answers checked before any work, the header form
// answered from them, the settings read back once the contest has started,
// and what became of the file said at the end. score and live share it.

#include <iosfwd>
#include <optional>
#include <string>

#include "logs/log_tally.h"
#include "outputs/cabrillo_outcome.h"
#include "outputs/header_answers.h"
#include "replay/contest.h"

namespace velmora::cli {

// Before any work: every header answer can be stored whole, and the
// settings' folder can take them (made, and said on `err`, when missing).
// Throws UserError otherwise, its line led by "velmora COMMAND: ".
void prepareCabrilloExport(const std::string& command, const HeaderAnswers& header,
                           std::ostream& err);

class CabrilloExport {
 public:
  // Prepares the export (as prepareCabrilloExport) and answers the header
  // form with `header`, which must outlive this, until the export ends.
  CabrilloExport(const std::string& command, const HeaderAnswers& header, std::ostream& err);

  // Once `contest` has started: the settings hold the answers the form took
  // (where it closes by itself), and the Cabrillo file is looked at before
  // the plug-in writes it. Throws UserError when an answer did not stick.
  void contestStarted(const Contest& contest);

  // After the export: "Cabrillo file: PATH" and what it leaves out, on
  // `err`; throws UserError (exit status 2) when the plug-in did not write
  // it.
  void finish(const LogTally& tally, std::ostream& err) const;

 private:
  const HeaderAnswers& header_;
  AnsweringHeaderForm answering_;
  std::optional<CabrilloWatch> watch_;
};

}  // namespace velmora::cli
