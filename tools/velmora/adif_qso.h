#pragma once
// Reads the QSO out of one ADIF record: the fields the logging host passes
// the plug-in, checked enough that a broken record is skipped with a reason.

#include "adif_reader.h"
#include "log_qso.h"

namespace velmora::cli {

ReadRecord qsoFromAdif(const AdifRecord& record);

// Every record of an ADIF log as a QSO, or skipped with its reason.
LogContents readAdifLog(std::istream& in);

}  // namespace velmora::cli
