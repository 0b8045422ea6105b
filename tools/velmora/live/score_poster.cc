#include "live/score_poster.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <ctime>
#include <ostream>

#include "live/scoreboard_xml.h"
#include "outputs/summary_figures.h"

namespace velmora::cli {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using asio::ip::tcp;

// A post that takes longer has failed.
constexpr std::chrono::seconds kPostTime{10};

CivilDateTime utcNow() {
  const long long seconds = static_cast<long long>(std::time(nullptr));
  const long long day = seconds / 86400;
  CivilDateTime now = civilFromDays(day);
  now.hour = static_cast<int>(seconds % 86400 / 3600);
  now.minute = static_cast<int>(seconds % 3600 / 60);
  now.second = static_cast<int>(seconds % 60);
  return now;
}

}  // namespace

// One scoreboard: at most one post on its way.
struct ScorePoster::Impl : std::enable_shared_from_this<ScorePoster::Impl> {
  struct Board {
    PostTarget target;
    bool posting = false;
    bool failing = false;
    std::string failure;  // of the last post; "" when it went through
  };
  struct Post {
    Post(asio::io_context& io) : resolver(io), stream(io) {}
    tcp::resolver resolver;
    beast::tcp_stream stream;
    http::request<http::string_body> request;
    http::response<http::string_body> response;
    beast::flat_buffer buffer;
  };

  Impl(asio::io_context& io, std::chrono::seconds every, const LiveContest& live,
       const HeaderAnswers& header, std::ostream& say)
      : io(io), every(every), timer(io), live(live), header(header), say(say) {}

  void schedule() {
    timer.expires_after(every);
    timer.async_wait([weak = weak_from_this()](beast::error_code error) {
      const std::shared_ptr<Impl> self = weak.lock();
      if (error || !self) return;
      self->postAll();
      self->schedule();
    });
  }

  void postAll() {
    if (!live.started()) return;
    const std::string xml = scoreboardXml(live.contest().station().call, header,
                                          readSummaryFigures(live.timeline().summary), utcNow());
    for (Board& board : boards) {
      if (!board.posting) post(board, xml);
    }
  }

  void post(Board& board, const std::string& xml) {
    board.posting = true;
    auto post = std::make_shared<Post>(io);
    post->request = {http::verb::post, board.target.target, 11};
    post->request.set(http::field::host, board.target.host);
    post->request.set(http::field::user_agent, "velmora live");
    post->request.set(http::field::content_type, "text/xml; charset=utf-8");
    post->request.body() = xml;
    post->request.prepare_payload();
    post->stream.expires_after(kPostTime);
    auto self = shared_from_this();
    post->resolver.async_resolve(
        board.target.host, board.target.port,
        [self, &board, post](beast::error_code error, tcp::resolver::results_type found) {
          if (error)
            return self->done(board, "cannot find " + board.target.host + ": " + error.message());
          post->stream.async_connect(
              found, [self, &board, post](beast::error_code error, const tcp::endpoint&) {
                if (error) return self->done(board, error.message());
                http::async_write(post->stream, post->request,
                                  [self, &board, post](beast::error_code error, std::size_t) {
                                    if (error) return self->done(board, error.message());
                                    http::async_read(
                                        post->stream, post->buffer, post->response,
                                        [self, &board, post](beast::error_code error, std::size_t) {
                                          self->answered(board, *post, error);
                                        });
                                  });
              });
        });
  }

  void answered(Board& board, Post& post, beast::error_code error) {
    beast::error_code ignored;
    post.stream.socket().shutdown(tcp::socket::shutdown_both, ignored);
    if (error) return done(board, error.message());
    const unsigned status = post.response.result_int();
    if (status < 200 || status > 299) {
      return done(board, "the scoreboard answered " + std::to_string(status));
    }
    done(board, "");
  }

  void done(Board& board, const std::string& failure) {
    board.posting = false;
    if (!failure.empty() && !board.failing) {
      say << "post to " << board.target.url << " failed: " << failure << "; tried again every "
          << every.count() << " s, said once\n"
          << std::flush;
    } else if (failure.empty() && board.failing) {
      say << "post to " << board.target.url << " works again\n" << std::flush;
    }
    board.failing = !failure.empty();
    board.failure = failure;
  }

  asio::io_context& io;
  std::chrono::seconds every;
  asio::steady_timer timer;
  const LiveContest& live;
  const HeaderAnswers& header;
  std::ostream& say;
  std::vector<Board> boards;
};

ScorePoster::ScorePoster(asio::io_context& io, std::vector<PostTarget> targets,
                         std::chrono::seconds every, const LiveContest& live,
                         const HeaderAnswers& header, std::ostream& say)
    : impl_(std::make_shared<Impl>(io, every, live, header, say)) {
  for (PostTarget& target : targets) {
    Impl::Board board;
    board.target = std::move(target);
    impl_->boards.push_back(std::move(board));
  }
  if (!impl_->boards.empty()) impl_->schedule();
}

ScorePoster::~ScorePoster() { impl_->timer.cancel(); }

void ScorePoster::finish(std::chrono::seconds wait) {
  impl_->timer.cancel();
  if (impl_->boards.empty()) return;
  const auto busy = [this] {
    for (const Impl::Board& board : impl_->boards) {
      if (board.posting) return true;
    }
    return false;
  };
  const auto deadline = std::chrono::steady_clock::now() + wait;
  // A post still on its way from the last turn is awaited, then the last one is made.
  while (busy() && std::chrono::steady_clock::now() < deadline) {
    impl_->io.run_one_until(deadline);
  }
  impl_->postAll();
  while (busy() && std::chrono::steady_clock::now() < deadline) {
    impl_->io.run_one_until(deadline);
  }
  for (const Impl::Board& board : impl_->boards) {
    impl_->say << "last post to " << board.target.url << ": "
               << (board.posting ? "no answer within " + std::to_string(wait.count()) + " s"
                   : board.failure.empty() ? std::string("done")
                                           : "failed: " + board.failure)
               << "\n";
  }
}

}  // namespace velmora::cli
