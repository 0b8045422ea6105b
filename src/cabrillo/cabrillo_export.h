#pragma once
// The process-wide Cabrillo export: the header fields prepared when a
// contest asking for an export starts, the file's base name, and the QSO
// lines of the current export.

#include <cstdint>
#include <string>
#include <string_view>

#include "cabrillo/header_fields.h"
#include "log/qso_log.h"
#include "plugin/platform.h"

namespace velmora {

class CabrilloExport {
 public:
  // Derives the base path from `myCall`, reads the stored fields, shows them
  // in the header dialog and, on OK, stores them back, turns address and
  // soapbox into header form and empties the QSO lines. 1 on OK, else 0
  // (then the fields keep what was read, multi-line ones in edited form).
  int prepareHeader(std::string myCall, SettingsStore& settings, OperatorUi& ui);

  // Formats one QSO line and appends it to the QSO lines.
  void addQsoLine(std::string_view call, std::int32_t frequencyKhz, std::string_view modeTag,
                  const OleDateTime& qsoTime, std::string_view rstSent,
                  std::string_view exchangeSent, std::string_view rstReceived,
                  std::string_view exchangeReceived);

  // Writes the Cabrillo file over any earlier one and returns the message
  // that tells the operator whether it was produced. The extra header file is
  // created empty when absent, whatever the base path. A base path that no
  // file may carry writes nothing; a failure never destroys an earlier file.
  MessageRequest writeCabrilloFile(int claimedScore);

  // The export step of a summary request: one QSO line per record of `log`,
  // in log order, then the file. Returns the message to show.
  MessageRequest exportLog(const QsoLog& log, int claimedScore);

  const HeaderFields& fields() const { return fields_; }
  const std::string& basePath() const { return basePath_; }
  const GrowableArray<std::string>& qsoLines() const { return qsoLines_; }

 private:
  // The header fields as written: address and soapbox in header form.
  HeaderFields headerForm() const;

  HeaderFields fields_;
  std::string basePath_;
  GrowableArray<std::string> qsoLines_;
  bool multiLineInHeaderForm_ = false;  // true after an OK, until the next prepareHeader
};

}  // namespace velmora
