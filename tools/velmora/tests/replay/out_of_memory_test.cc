// The plug-in runs out of memory part-way through a log: it refuses the
// QSOs it can no longer keep, for no reason of the contest, and the replay
// stops with one line instead of printing a score that misses them. Large
// blocks fail (the plug-in's log grows in blocks of many records), small
// ones, which velmora's own reading takes, still succeed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "replay/contest_folder.h"
#include "replay/log_replay.h"
#include "util/user_error.h"

namespace {
std::size_t g_largestBlock = 0;  // 0: every allocation succeeds
}

void* operator new(std::size_t size) {
  if (g_largestBlock != 0 && size > g_largestBlock) throw std::bad_alloc();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace velmora::cli {
namespace {

using OutOfMemory = ContestFolder;

TEST_F(OutOfMemory, RefusalsForNoReasonOfTheContestStopTheRun) {
  constexpr int kQsos = 2500;
  std::string text;
  for (int n = 0; n < kQsos; ++n) {
    text += adifRecord("DL" + std::to_string(n) + "AB", "40m", "CW", std::to_string(100 + n), "20110312",
                       "0601");
  }
  LogReader reader = log(text);
  Contest contest(options);
  LogReplay replay(contest, reader, false, err);
  replay.begin();
  g_largestBlock = 100 * 1024;
  int offered = 0;
  try {
    while (replay.next()) ++offered;
    g_largestBlock = 0;
    ADD_FAILURE() << "the replay ended as if nothing was wrong";
  } catch (const UserError& error) {
    g_largestBlock = 0;
    const std::string line = error.what();
    const int refused = static_cast<int>(reader.tally().refused.size());
    EXPECT_EQ(line, "velmora: the plug-in refused " + std::to_string(refused) +
                        " QSOs for no reason of the contest: out of memory?");
    EXPECT_GT(reader.tally().accepted, 0);
    EXPECT_GT(refused, 0);
    EXPECT_EQ(reader.tally().accepted + refused, kQsos);
    EXPECT_EQ(offered, kQsos);
  }
}

}  // namespace
}  // namespace velmora::cli
