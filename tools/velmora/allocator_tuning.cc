#include "allocator_tuning.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velmora::cli {

void keepLargeBlocksOnTheHeap() {
#if defined(__GLIBC__)
  // The largest threshold the library takes (32 MiB on 64-bit systems):
  // the log's blocks stay below it up to about 90,000 records.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

}  // namespace velmora::cli
