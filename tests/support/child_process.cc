#include "child_process.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace velmora::testing {
namespace {

constexpr uid_t kNobody = 65534;

// Forks, runs `prepare` and then `body` in the child, and reports whether the
// child ended normally with `body` true. The child never returns into the
// test framework.
bool inChild(const std::function<bool()>& prepare, const std::function<bool()>& body) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) ::_exit(prepare() && body() ? 0 : 1);
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool inChildWithFileSizeLimit(std::uint64_t bytes, const std::function<bool()>& body) {
  return inChild(
      [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
      },
      body);
}

bool inUnprivilegedChild(const std::function<bool()>& body) {
  return inChild(
      [] {
        if (::geteuid() != 0) return true;
        return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
      },
      body);
}

}  // namespace velmora::testing
