#pragma once
// How velmora's process gets its memory. The plug-in's log grows in steps of
// at most 1024 records, each step a new block the size of the whole log into
// which every record moves: for a log of 100,000 QSOs about a hundred blocks
// of up to 37 MB. The C library maps each such block afresh, and with the
// system's 4 KiB pages faulting them in costs the kernel about as much time
// again as the scoring itself; in 2 MiB pages it costs a sixth of that.
// Keeping the blocks on the heap instead would avoid the faults but keep
// every freed block's memory, some 70 MB more at 100,000 QSOs.

namespace velmora::cli {

// Where the C library is glibc: unless it is already set, asks glibc (by
// its GLIBC_TUNABLES setting) to back the large blocks it maps with
// transparent huge pages, and starts velmora again with the same
// arguments so that the setting takes effect. Returns only when nothing is
// to be done or the new start failed (velmora then goes on as it is).
void restartWithHugePagesForLargeBlocks(char** argv);

}  // namespace velmora::cli
