#pragma once
// Moving a finished file over an earlier one; each platform defines it.

#include <string>

namespace velmora {

// Moves `source` to `target`, replacing `target` if it exists. On failure
// both files stay as they were and the result is false.
bool ReplaceFileWith(const std::string& source, const std::string& target);

}  // namespace velmora
