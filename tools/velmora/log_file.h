#pragma once
// Opens a log file and reads it as Cabrillo or as ADIF, told apart by its
// content: a Cabrillo log begins with START-OF-LOG: or a QSO: line.

#include <istream>
#include <optional>
#include <string>

#include "log_qso.h"

namespace velmora::cli {

enum class LogFormat { Adif, Cabrillo };

LogFormat detectLogFormat(std::istream& in);  // leaves `in` at its start

LogContents readLog(std::istream& in);

// Nothing when the file cannot be opened.
std::optional<LogContents> readLogFile(const std::string& path);

}  // namespace velmora::cli
