#pragma once
// Tells a log's format from its content.

#include <istream>

namespace velmora::cli {

enum class LogFormat { Adif, Cabrillo, Unknown };

// After a UTF-8 byte-order mark, if any: Cabrillo when the first line that is
// not blank begins with START-OF-LOG: or QSO:; ADIF when the text begins
// with a tag or holds <EOH> or <EOR> near its start. Leaves `in` at its
// start, behind the byte-order mark.
LogFormat detectLogFormat(std::istream& in);

}  // namespace velmora::cli
