#pragma once
// How a live session is told to end: Ctrl-C, SIGTERM or the terminal
// hanging up on POSIX systems; Ctrl-C, Ctrl-Break, the console window
// closing, the user logging off or the system shutting down on Windows. The
// end is handed to the event loop, so that the live loop finishes what it
// is doing, then gives the final summary. On Windows the system waits for
// the session to finish (until it loses patience, a few seconds after a
// console window closes).

#include <boost/asio/io_context.hpp>
#include <memory>

#include "live/datagram_feed.h"

namespace velmora::cli {

class SessionEnd {
 public:
  // Stops `feed` when the session is told to end.
  SessionEnd(boost::asio::io_context& io, DatagramFeed& feed);
  // The session has finished: on Windows, the system may end the process.
  ~SessionEnd();
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::cli
