#include "live/datagram_feed.h"

#include <array>
#include <boost/asio/ip/udp.hpp>

#include "util/user_error.h"

namespace velmora::cli {
namespace {

namespace asio = boost::asio;
using asio::ip::udp;

// Room for the longest UDP datagram.
constexpr std::size_t kDatagramRoom = 65536;

}  // namespace

struct DatagramFeed::Listener {
  Listener(asio::io_context& io, Logger logger) : logger(logger), socket(io) {}

  Logger logger;
  udp::socket socket;
  udp::endpoint sender;
  std::array<char, kDatagramRoom> buffer{};
  std::optional<std::size_t> arrived;  // the size of a datagram not yet taken
};

DatagramFeed::DatagramFeed(asio::io_context& io) : io_(io) {}

DatagramFeed::~DatagramFeed() = default;

std::string DatagramFeed::listen(Logger logger, const ListenAddress& at) {
  auto listener = std::make_unique<Listener>(io_, logger);
  boost::system::error_code error;
  const udp::endpoint endpoint(asio::ip::make_address(at.host), at.port);
  listener->socket.open(endpoint.protocol(), error);
  if (!error) listener->socket.set_option(udp::socket::reuse_address(true), error);
  if (!error) listener->socket.set_option(udp::socket::broadcast(true), error);
  if (!error) listener->socket.bind(endpoint, error);
  if (error) {
    throw UserError("velmora: cannot listen on udp " + addressText(at.host, at.port) + ": " +
                    error.message());
  }
  const udp::endpoint bound = listener->socket.local_endpoint();
  receive(*listener);
  listeners_.push_back(std::move(listener));
  return addressText(bound.address().to_string(), bound.port());
}

void DatagramFeed::receive(Listener& listener) {
  listener.socket.async_receive_from(
      asio::buffer(listener.buffer), listener.sender,
      [this, &listener](const boost::system::error_code& error, std::size_t size) {
        if (error == asio::error::operation_aborted) return;
        // A failed receive (an ICMP report on Windows, say) loses nothing: ask again.
        if (error) return receive(listener);
        listener.arrived = size;
      });
}

std::optional<Datagram> DatagramFeed::next() {
  while (!stopped_) {
    for (std::size_t i = 0; i < listeners_.size(); ++i) {
      Listener& listener = *listeners_[(turn_ + i) % listeners_.size()];
      if (!listener.arrived) continue;
      turn_ = (turn_ + i + 1) % listeners_.size();
      Datagram datagram;
      datagram.from = listener.logger;
      datagram.bytes.assign(listener.buffer.data(), *listener.arrived);
      datagram.sender = addressText(listener.sender.address().to_string(), listener.sender.port());
      listener.arrived.reset();
      receive(listener);
      return datagram;
    }
    if (io_.run_one() == 0) break;
  }
  return std::nullopt;
}

void DatagramFeed::stop() {
  stopped_ = true;
  for (auto& listener : listeners_) {
    boost::system::error_code ignored;
    listener->socket.cancel(ignored);
  }
}

}  // namespace velmora::cli
