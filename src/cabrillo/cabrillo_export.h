#pragma once
// The process-wide Cabrillo export: the header fields prepared when a
// contest asking for an export starts, kept in stored form until the file is
// written, and the file's base name.

#include <string>

#include "files/whole_file.h"
#include "log/qso_log.h"
#include "ports/header_fields.h"
#include "ports/platform.h"

namespace velmora {

class CabrilloExport {
 public:
  // Derives the base path from `myCall`, reads the stored fields and shows
  // them in the header dialog. On OK keeps the operator's fields (but not an
  // edit of the claimed score) and stores them back; on CANCEL keeps what
  // was read. True on OK.
  bool prepareHeader(const std::string& myCall, SettingsStore& settings, OperatorUi& ui);

  // The export step of a summary request: writes the Cabrillo file of `log`
  // over any earlier one and returns the message that tells the operator
  // whether it was produced. The extra header file is created empty when
  // absent, whatever the base path. A base path that no file may carry
  // writes nothing; a failure never destroys an earlier file. `remarks`
  // hears how the file is written where that is out of the ordinary (in
  // place, over a file with other names), before it is written.
  MessageRequest exportLog(const QsoLog& log, int claimedScore,
                           const WriteRemarks& remarks = {}) const;

 private:
  HeaderFields fields_;  // address and soapbox in stored form
  std::string basePath_;
};

}  // namespace velmora
