#pragma once
// Reads the QSO out of one ADIF record: the fields the logging host passes
// the plug-in, checked enough that a broken record is skipped with a reason.

#include <functional>
#include <string>

#include "adif_reader.h"
#include "log_qso.h"

namespace velmora::cli {

// `rcvdField` names the field (lower case) that holds the received
// exchange; empty: SRX_STRING, else SRX.
ReadRecord qsoFromAdif(const AdifRecord& record, const std::string& rcvdField);

// Every record of an ADIF log, in file order: a QSO or a skipped record.
void readAdifLog(std::istream& in, const std::string& rcvdField,
                 const std::function<void(ReadRecord)>& onRecord);

}  // namespace velmora::cli
