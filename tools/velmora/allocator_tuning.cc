#include "allocator_tuning.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc
#include <cstring>
#include <string>

#if defined(__GLIBC__)
#include <unistd.h>
#endif

namespace velmora::cli {

void restartWithHugePagesForLargeBlocks(char** argv) {
#if defined(__GLIBC__)
  constexpr const char* kSetting = "glibc.malloc.hugetlb=1";
  const char* current = std::getenv("GLIBC_TUNABLES");
  if (current != nullptr && std::strstr(current, kSetting) != nullptr) return;
  const std::string tunables =
      current != nullptr && *current != '\0' ? std::string(current) + ":" + kSetting : kSetting;
  if (setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0) return;
  execv("/proc/self/exe", argv);
#else
  (void)argv;
#endif
}

}  // namespace velmora::cli
