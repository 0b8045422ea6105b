#pragma once
// Runs part of a test in a forked child process under conditions the test
// process itself must not take on (POSIX only): a cap on the size of any
// file written, or the user ids of an ordinary user. The child shares the
// parent's memory image, loaded plug-in and current directory.

#include <cstdint>
#include <functional>

namespace velmora::testing {

// Runs `body` in a child whose files may grow to at most `bytes` bytes. The
// child ignores SIGXFSZ, so a write past the cap fails with EFBIG as on a
// full disk instead of ending the process. True when `body` returned true.
bool inChildWithFileSizeLimit(std::uint64_t bytes, const std::function<bool()>& body);

// Runs `body` in a child that cannot override file permissions: when the
// tests run as root (which ignores permission bits), the child first takes
// the ids of the user "nobody" (65534). True when `body` returned true.
bool inUnprivilegedChild(const std::function<bool()>& body);

}  // namespace velmora::testing
