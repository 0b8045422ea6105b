#pragma once
// velmora live's HTTP server, on the live loop's event loop. Read-only:
//
//   GET /              the live page (live/live_page.h)
//   GET /live.js       its script
//   GET /summary.json  the contest now (live/summary_json.h)
//   GET /events        server-sent events: the page's new content after
//                      each change, at most four times a second
//
// Any other method is refused (405), any other path is not found (404);
// nothing it serves changes the contest. Bounded: 32 connections at once,
// 16 of them following /events (more are refused, 503), requests of 8 KB
// at most, 15 s to send one; an event stream too slow to take every
// change gets only the latest.

#include <boost/asio/io_context.hpp>
#include <memory>
#include <string>

#include "live/listen_address.h"
#include "live/live_contest.h"

namespace velmora::cli {

class PageServer {
 public:
  // Serves `live`, which must outlive the server, at `at`; `journalName`
  // names the contest's source on the page. Throws UserError when it
  // cannot listen.
  PageServer(boost::asio::io_context& io, const ListenAddress& at, const LiveContest& live,
             std::string journalName);
  ~PageServer();

  // "127.0.0.1:8073", port 0 resolved.
  const std::string& address() const;

  // The contest changed: the event streams get the new content soon.
  void changed();

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;
};

}  // namespace velmora::cli
