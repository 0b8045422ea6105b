#pragma once
// The datagrams of velmora live's listeners, pulled one at a time by the
// live loop: next() runs the event loop (the page's clients, the posts, the
// signals) until a datagram has arrived or the session is told to end.
// Each listener holds at most one datagram that the loop has not taken,
// in a buffer of 64 KB, and asks for the next only once it is taken: a
// flood waits in the system's socket buffer, which drops what it cannot
// hold, and never grows velmora's memory.

#include <boost/asio/io_context.hpp>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "live/listen_address.h"

namespace velmora::cli {

enum class Logger { N1mm, Wsjtx };

struct Datagram {
  Logger from = Logger::N1mm;  // which listener took it
  std::string bytes;
  std::string sender;  // "127.0.0.1:50312"
};

class DatagramFeed {
 public:
  explicit DatagramFeed(boost::asio::io_context& io);
  ~DatagramFeed();

  // Listens for `logger`'s datagrams at `at`, sharing the port with other
  // listeners (address reuse, as the loggers' documentation asks); the
  // address it has, port 0 resolved. Throws UserError when it cannot.
  std::string listen(Logger logger, const ListenAddress& at);

  // The next datagram; nothing once stop() was called.
  std::optional<Datagram> next();
  void stop();

 private:
  struct Listener;
  void receive(Listener& listener);

  boost::asio::io_context& io_;
  std::vector<std::unique_ptr<Listener>> listeners_;
  std::size_t turn_ = 0;  // the listener asked first, in turn
  bool stopped_ = false;
};

}  // namespace velmora::cli
