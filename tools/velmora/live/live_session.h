#pragma once
// A session of velmora live: the plug-in, the journal, the listeners, the
// page and the scoreboard posts on one event loop, in one thread (the
// plug-in is called from it alone, as the host calls it). The live loop
// pulls datagrams from the listeners (DatagramFeed::next), reads each into
// an event (sources/) and feeds it into the contest (LiveContest::take);
// the page's clients, the posts and the signals are served while it waits.

#include <chrono>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "live/listen_address.h"
#include "logs/log_reader.h"
#include "outputs/header_answers.h"
#include "replay/contest_options.h"

namespace velmora::cli {

struct LiveOptions {
  ContestOptions contest;
  ReadOptions reading;  // --rcvd-field for the packet readers, --sent, period, bands
  ListenAddress n1mm{"127.0.0.1", 12060};
  ListenAddress wsjtx{"127.0.0.1", 2237};
  ListenAddress http{"127.0.0.1", 8073};
  std::string journal = "velmora-live.adi";
  std::vector<PostTarget> posts;
  std::chrono::seconds postEvery{120};
  HeaderAnswers header;  // for the scoreboards' class, operators and club
};

class LiveSession {
 public:
  // Loads the country file and the plug-in, opens the journal and starts
  // listening; throws UserError when one cannot be.
  LiveSession(const LiveOptions& options, std::ostream& out, std::ostream& err);
  // Ends the session: only then may Windows end the process after a
  // console event, so it is kept until everything at the end is done.
  ~LiveSession();

  // Replays the journal, says where it listens (one line each), takes the
  // loggers' datagrams until told to end, then makes the last posts and
  // prints the final summary. Throws UserError when the journal cannot be
  // replayed.
  void run();

  // The own call of the contest, "" when it never started.
  std::string ownCall() const;
  const std::string& journal() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::cli
