#include "live/session_end.h"

#include <boost/asio/post.hpp>

#if defined(_WIN32)
#include <windows.h>
#else
#include <boost/asio/signal_set.hpp>
#include <csignal>
#endif

namespace velmora::cli {

#if defined(_WIN32)

namespace {

// The session the console's control events end; one at a time.
boost::asio::io_context* endedLoop = nullptr;
DatagramFeed* endedFeed = nullptr;
HANDLE finished = nullptr;

BOOL WINAPI onConsoleEvent(DWORD) {
  if (endedLoop == nullptr) return FALSE;
  DatagramFeed* feed = endedFeed;
  boost::asio::post(*endedLoop, [feed] { feed->stop(); });
  WaitForSingleObject(finished, INFINITE);
  return TRUE;
}

}  // namespace

struct SessionEnd::Impl {};

SessionEnd::SessionEnd(boost::asio::io_context& io, DatagramFeed& feed) {
  finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  endedLoop = &io;
  endedFeed = &feed;
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

SessionEnd::~SessionEnd() {
  endedLoop = nullptr;
  SetEvent(finished);
}

#else

struct SessionEnd::Impl {
  explicit Impl(boost::asio::io_context& io) : signals(io, SIGINT, SIGTERM, SIGHUP) {}
  boost::asio::signal_set signals;
};

SessionEnd::SessionEnd(boost::asio::io_context& io, DatagramFeed& feed)
    : impl_(std::make_unique<Impl>(io)) {
  impl_->signals.async_wait([&feed](const boost::system::error_code& error, int) {
    if (!error) feed.stop();
  });
}

SessionEnd::~SessionEnd() = default;

#endif

}  // namespace velmora::cli
