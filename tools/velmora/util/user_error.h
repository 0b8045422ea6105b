#pragma once
// A problem with what the user gave (a file that cannot be read, a plug-in
// that does not load, an own call that cannot be placed): one line on
// standard error and exit status 2.

#include <stdexcept>

namespace velmora::cli {

class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace velmora::cli
