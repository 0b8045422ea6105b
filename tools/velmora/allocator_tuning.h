#pragma once
// How velmora's process hands out memory. The plug-in's log grows in steps
// of at most 1024 records, each step a new block the size of the whole log
// into which every record moves; for a log of 100,000 QSOs that is about a
// hundred blocks of tens of megabytes. Left to the C library's defaults each
// block is a fresh mapping whose every page faults in, and the kernel's part
// of that costs about as much again as the scoring; kept on the heap, freed
// blocks are reused (up to the library's largest threshold).

namespace velmora::cli {

// Call once at start-up, before the plug-in is loaded. Does nothing where
// the C library offers no such setting.
void keepLargeBlocksOnTheHeap();

}  // namespace velmora::cli
