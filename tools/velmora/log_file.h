#pragma once
// Opens a log file and reads it as Cabrillo or as ADIF, told apart by its
// content, keeping the QSOs the options choose.

#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "log_qso.h"
#include "log_selection.h"

namespace velmora::cli {

enum class LogFormat { Adif, Cabrillo, Unknown };

// After a UTF-8 byte-order mark, if any: Cabrillo when the first line that is
// not blank begins with START-OF-LOG: or QSO:; ADIF when the text begins
// with a tag or holds <EOH> or <EOR> near its start. Leaves `in` at its
// start, behind the byte-order mark.
LogFormat detectLogFormat(std::istream& in);

struct ReadOptions {
  std::string rcvdField;  // the ADIF field of the received exchange, lower case
  std::string sent;       // the own exchange, for QSOs whose log states none
  LogSelection selection;
};

// Hands each QSO the options keep to `onQso` as soon as it is read, with
// what has been gathered so far; the rest (skipped records, counts, the own
// call of the header) is gathered in the result. Without `onQso` the QSOs
// are kept in the result too.
using QsoHandler = std::function<void(LogQso&&, const LogContents& soFar)>;
LogContents readLog(std::istream& in, LogFormat format, const ReadOptions& options,
                    const QsoHandler& onQso = {});

// Nothing when the file cannot be opened; format Unknown when it is neither
// an ADIF nor a Cabrillo log (then nothing is read).
struct LogFile {
  LogFormat format = LogFormat::Unknown;
  LogContents contents;
};
std::optional<LogFile> readLogFile(const std::string& path, const ReadOptions& options,
                                  const QsoHandler& onQso = {});

}  // namespace velmora::cli
