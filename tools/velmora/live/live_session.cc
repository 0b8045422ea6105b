#include "live/live_session.h"

#include <boost/asio/io_context.hpp>
#include <chrono>
#include <filesystem>
#include <ostream>

#include "live/datagram_feed.h"
#include "live/journal.h"
#include "live/live_contest.h"
#include "live/page_server.h"
#include "live/score_poster.h"
#include "live/session_end.h"
#include "outputs/summary_table.h"
#include "outputs/tally_lines.h"
#include "sources/n1mm_packet.h"
#include "sources/wsjtx_packet.h"

namespace velmora::cli {
namespace {

// The host's day count now, UTC.
double nowDays() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration<double>(now).count() / 86400.0 - static_cast<double>(kOleEpochDay);
}

const char* loggerName(Logger logger) { return logger == Logger::N1mm ? "N1MM" : "WSJT-X"; }

}  // namespace

struct LiveSession::Impl {
  Impl(const LiveOptions& options, std::ostream& out, std::ostream& err)
      : options(options),
        out(out),
        err(err),
        contest(options.contest),
        journal(std::filesystem::absolute(options.journal).string(), err),
        live(contest, journal, options.reading, err),
        feed(io),
        n1mmAt(feed.listen(Logger::N1mm, options.n1mm)),
        wsjtxAt(feed.listen(Logger::Wsjtx, options.wsjtx)),
        server(io, options.http, live, std::filesystem::path(options.journal).filename().string()),
        poster(io, options.posts, options.postEvery, live, options.header, err),
        end(io, feed) {}

  void say(const std::string& line) { out << line << "\n" << std::flush; }

  LiveOptions options;
  std::ostream& out;
  std::ostream& err;
  boost::asio::io_context io;
  Contest contest;
  Journal journal;
  LiveContest live;
  DatagramFeed feed;
  std::string n1mmAt, wsjtxAt;
  PageServer server;
  ScorePoster poster;
  SessionEnd end;
};

LiveSession::LiveSession(const LiveOptions& options, std::ostream& out, std::ostream& err)
    : impl_(std::make_unique<Impl>(options, out, err)) {}

LiveSession::~LiveSession() = default;

void LiveSession::run() {
  Impl& s = *impl_;
  const int replayed = s.live.resume();
  if (s.journal.holdsRecords()) {
    s.say("journal " + s.journal.path() + ": " + std::to_string(replayed) +
          " QSO events replayed, the contest goes on");
  } else {
    s.say("journal " + s.journal.path() + ": a new contest");
  }
  s.say("listening for N1MM contacts on udp " + s.n1mmAt);
  s.say("listening for WSJT-X messages on udp " + s.wsjtxAt);
  s.say("live page: http://" + s.server.address() + "/");
  while (const std::optional<Datagram> datagram = s.feed.next()) {
    const SourceEvent event = datagram->from == Logger::N1mm
                                  ? readN1mmPacket(datagram->bytes, s.options.reading.rcvdField)
                                  : readWsjtxPacket(datagram->bytes, s.options.reading.rcvdField);
    const long long before = s.live.changes();
    const std::string line = s.live.take(event, loggerName(datagram->from), nowDays());
    if (!line.empty()) {
      s.say(event.kind == EventKind::Malformed ? line + ", from " + datagram->sender : line);
    }
    if (s.live.changes() != before) s.server.changed();
  }
  s.say("the session ends");
  s.poster.finish(std::chrono::seconds(10));
  const std::string& summary = s.live.timeline().summary;
  s.out << formatSummaryTable(summary) << std::flush;
  s.err << formatTally(s.live.timeline().tally);
}

std::string LiveSession::ownCall() const {
  return impl_->live.started() ? impl_->contest.station().call : "";
}

const std::string& LiveSession::journal() const { return impl_->journal.path(); }

}  // namespace velmora::cli
