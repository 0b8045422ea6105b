#pragma once
// What every fuzz target does when a promise is broken: say which, and abort
// so that libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

namespace velmora::fuzz {

inline void require(bool condition, const char* promise) {
  if (!condition) {
    std::fprintf(stderr, "promise broken: %s\n", promise);
    std::abort();
  }
}

}  // namespace velmora::fuzz
