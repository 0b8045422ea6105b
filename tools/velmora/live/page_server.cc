#include "live/page_server.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <list>

#include "live/live_page.h"
#include "live/summary_json.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using asio::ip::tcp;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kMostConnections = 32;
constexpr std::size_t kMostStreams = 16;
constexpr std::size_t kLongestRequest = 8192;
constexpr std::chrono::seconds kRequestTime{15};
constexpr std::chrono::milliseconds kStreamPause{250};
constexpr std::chrono::seconds kKeepAlive{15};

}  // namespace

struct PageServer::Impl : std::enable_shared_from_this<PageServer::Impl> {
  class Connection;

  Impl(asio::io_context& io, const LiveContest& live, std::string journalName)
      : io(io), acceptor(io), pause(io), live(live), journalName(std::move(journalName)) {}

  void accept();
  void streamLater();
  void streamNow();

  asio::io_context& io;
  tcp::acceptor acceptor;
  asio::steady_timer pause;  // between two event rounds
  bool pausing = false;
  bool changedSince = false;
  const LiveContest& live;
  std::string journalName;
  std::string address;
  std::size_t connections = 0;
  std::list<std::weak_ptr<Connection>> streams;
  std::shared_ptr<const std::string> latestEvent;
};

// One client: requests answered one after the other; after GET /events,
// the event stream until the client leaves.
class PageServer::Impl::Connection : public std::enable_shared_from_this<Connection> {
 public:
  Connection(std::shared_ptr<Impl> server, tcp::socket socket)
      : server_(std::move(server)), stream_(std::move(socket)), keepAlive_(stream_.get_executor()) {
    ++server_->connections;
  }
  ~Connection() { --server_->connections; }

  void readRequest() {
    parser_.emplace();
    parser_->header_limit(kLongestRequest);
    parser_->body_limit(kLongestRequest);
    stream_.expires_after(kRequestTime);
    http::async_read(stream_, buffer_, *parser_,
                     [self = shared_from_this()](beast::error_code error, std::size_t) {
                       if (!error) self->answer(self->parser_->get());
                     });
  }

  // The latest event, unless one is being written: then it follows.
  void send(std::shared_ptr<const std::string> event) {
    next_ = std::move(event);
    if (!writing_ && streaming_) writeNext();
  }

 private:
  void answer(const http::request<http::string_body>& request) {
    const std::string_view target(request.target().data(), request.target().size());
    const std::string_view path = target.substr(0, target.find('?'));
    if (request.method() != http::verb::get) {
      return respond(request, http::status::method_not_allowed, "text/plain", "only GET\n");
    }
    if (path == "/") {
      return respond(request, http::status::ok, "text/html; charset=utf-8",
                     livePage(server_->live, server_->journalName));
    }
    if (path == "/live.js") {
      return respond(request, http::status::ok, "text/javascript; charset=utf-8", liveScript());
    }
    if (path == "/summary.json") {
      return respond(request, http::status::ok, "application/json", summaryJson(server_->live));
    }
    if (path == "/events") return startStream(request);
    respond(request, http::status::not_found, "text/plain", "not found\n");
  }

  void respond(const http::request<http::string_body>& request, http::status status,
               const char* type, std::string body) {
    auto response = std::make_shared<http::response<http::string_body>>(status, request.version());
    response->set(http::field::server, "velmora live");
    response->set(http::field::content_type, type);
    response->set(http::field::cache_control, "no-store");
    response->set("X-Content-Type-Options", "nosniff");
    if (status == http::status::method_not_allowed) response->set(http::field::allow, "GET");
    response->keep_alive(request.keep_alive());
    response->body() = std::move(body);
    response->prepare_payload();
    http::async_write(stream_, *response,
                      [self = shared_from_this(), response](beast::error_code error, std::size_t) {
                        if (error) return;
                        if (!response->keep_alive()) {
                          beast::error_code ignored;
                          self->stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
                          return;
                        }
                        self->readRequest();
                      });
  }

  void startStream(const http::request<http::string_body>& request) {
    server_->streams.remove_if([](const std::weak_ptr<Connection>& c) { return c.expired(); });
    if (server_->streams.size() >= kMostStreams) {
      return respond(request, http::status::service_unavailable, "text/plain",
                     "too many pages follow the contest\n");
    }
    server_->streams.push_back(weak_from_this());
    streaming_ = true;
    stream_.expires_never();
    next_ = std::make_shared<const std::string>(
        "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream\r\nCache-Control: no-store\r\n"
        "X-Content-Type-Options: nosniff\r\nConnection: keep-alive\r\n\r\nretry: 2000\n\n" +
        liveEvent(server_->live, server_->journalName));
    writeNext();
    watchForLeaving();
    ping();
  }

  void writeNext() {
    if (!next_) return;
    writing_ = true;
    writtenEvent_ = std::move(next_);
    next_.reset();
    asio::async_write(stream_.socket(), asio::buffer(*writtenEvent_),
                      [self = shared_from_this()](beast::error_code error, std::size_t) {
                        self->writing_ = false;
                        self->writtenEvent_.reset();
                        if (error) return self->close();
                        self->writeNext();
                      });
  }

  // A client of an event stream sends nothing more; a read ends only when it leaves.
  void watchForLeaving() {
    stream_.socket().async_read_some(
        asio::buffer(leaving_), [self = shared_from_this()](beast::error_code error, std::size_t) {
          if (error) return self->close();
          self->watchForLeaving();
        });
  }

  // A comment now and then keeps the stream open through idle minutes.
  void ping() {
    keepAlive_.expires_after(kKeepAlive);
    keepAlive_.async_wait([weak = weak_from_this()](beast::error_code error) {
      const std::shared_ptr<Connection> self = weak.lock();
      if (error || !self || self->closed_) return;
      if (!self->next_) self->send(std::make_shared<const std::string>(": still here\n\n"));
      self->ping();
    });
  }

  void close() {
    if (closed_) return;
    closed_ = true;
    keepAlive_.cancel();
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream_.socket().close(ignored);
  }

  std::shared_ptr<Impl> server_;
  beast::tcp_stream stream_;
  beast::flat_buffer buffer_{kLongestRequest};
  std::optional<http::request_parser<http::string_body>> parser_;
  asio::steady_timer keepAlive_;
  bool streaming_ = false, writing_ = false, closed_ = false;
  std::shared_ptr<const std::string> next_, writtenEvent_;
  std::array<char, 64> leaving_{};
};

void PageServer::Impl::accept() {
  acceptor.async_accept([self = shared_from_this()](beast::error_code error, tcp::socket socket) {
    if (error == asio::error::operation_aborted) return;
    if (!error) {
      if (self->connections >= kMostConnections) {
        beast::error_code ignored;
        socket.close(ignored);
      } else {
        std::make_shared<Connection>(self, std::move(socket))->readRequest();
      }
    }
    self->accept();
  });
}

void PageServer::Impl::streamLater() {
  changedSince = true;
  if (pausing) return;
  streamNow();
}

// One event for every stream, then a pause in which changes only gather.
void PageServer::Impl::streamNow() {
  changedSince = false;
  streams.remove_if([](const std::weak_ptr<Connection>& c) { return c.expired(); });
  if (!streams.empty()) {
    latestEvent = std::make_shared<const std::string>(liveEvent(live, journalName));
    for (const std::weak_ptr<Connection>& weak : streams) {
      if (const std::shared_ptr<Connection> stream = weak.lock()) stream->send(latestEvent);
    }
  }
  pausing = true;
  pause.expires_after(kStreamPause);
  pause.async_wait([weak = weak_from_this()](beast::error_code error) {
    const std::shared_ptr<Impl> self = weak.lock();
    if (error || !self) return;
    self->pausing = false;
    if (self->changedSince) self->streamNow();
  });
}

PageServer::PageServer(asio::io_context& io, const ListenAddress& at, const LiveContest& live,
                       std::string journalName)
    : impl_(std::make_shared<Impl>(io, live, std::move(journalName))) {
  beast::error_code error;
  const tcp::endpoint endpoint(asio::ip::make_address(at.host), at.port);
  impl_->acceptor.open(endpoint.protocol(), error);
#if !defined(_WIN32)
  // A port a page was just served on is free again at once (on Windows the
  // option would let another program take a port in use).
  if (!error) impl_->acceptor.set_option(tcp::acceptor::reuse_address(true), error);
#endif
  if (!error) impl_->acceptor.bind(endpoint, error);
  if (!error) impl_->acceptor.listen(asio::socket_base::max_listen_connections, error);
  if (error) {
    throw UserError("velmora: cannot serve the live page on " + addressText(at.host, at.port) +
                    ": " + error.message());
  }
  const tcp::endpoint bound = impl_->acceptor.local_endpoint();
  impl_->address = addressText(bound.address().to_string(), bound.port());
  impl_->accept();
}

PageServer::~PageServer() {
  beast::error_code ignored;
  impl_->acceptor.close(ignored);
  impl_->pause.cancel();
}

const std::string& PageServer::address() const { return impl_->address; }

void PageServer::changed() { impl_->streamLater(); }

}  // namespace velmora::cli
