#include "live/listen_address.h"

#include <boost/asio/ip/address.hpp>

#include "text/ascii.h"

namespace velmora::cli {
namespace {

std::optional<unsigned short> portOf(std::string_view text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > 65535) return std::nullopt;
  return static_cast<unsigned short>(value);
}

bool isAddress(const std::string& host) {
  boost::system::error_code error;
  boost::asio::ip::make_address(host, error);
  return !error;
}

}  // namespace

std::optional<ListenAddress> parseListenAddress(std::string_view text,
                                                const std::string& defaultHost) {
  std::string host = defaultHost;
  std::string_view port = text;
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find("]:");
    if (close == std::string_view::npos) return std::nullopt;
    host = std::string(text.substr(1, close - 1));
    port = text.substr(close + 2);
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    host = std::string(text.substr(0, colon));
    port = text.substr(colon + 1);
    if (host.find(':') != std::string::npos) return std::nullopt;  // IPv6 wants brackets
  }
  const std::optional<unsigned short> number = portOf(port);
  if (!number || !isAddress(host)) return std::nullopt;
  return ListenAddress{host, *number};
}

std::string addressText(const std::string& host, unsigned short port) {
  const bool v6 = host.find(':') != std::string::npos;
  return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<PostTarget> parsePostUrl(std::string_view url) {
  constexpr std::string_view kScheme = "http://";
  if (url.size() <= kScheme.size() ||
      !equalIgnoringAsciiCase(url.substr(0, kScheme.size()), kScheme)) {
    return std::nullopt;
  }
  std::string_view rest = url.substr(kScheme.size());
  const std::size_t slash = rest.find_first_of("/?");
  std::string_view authority = rest.substr(0, slash);
  PostTarget post;
  post.url = std::string(url);
  post.target = slash == std::string_view::npos ? "/" : std::string(rest.substr(slash));
  if (post.target.front() == '?') post.target = "/" + post.target;
  if (authority.find('@') != std::string_view::npos) return std::nullopt;
  std::string_view port = "80";
  if (!authority.empty() && authority.front() == '[') {
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    if (close + 1 < authority.size()) {
      if (authority[close + 1] != ':') return std::nullopt;
      port = authority.substr(close + 2);
    }
    authority = authority.substr(1, close - 1);
  } else if (const std::size_t colon = authority.find(':'); colon != std::string_view::npos) {
    port = authority.substr(colon + 1);
    authority = authority.substr(0, colon);
  }
  if (authority.empty() || !portOf(port) || *portOf(port) == 0) return std::nullopt;
  for (char c : post.target) {
    if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) return std::nullopt;
  }
  post.host = std::string(authority);
  post.port = std::string(port);
  return post;
}

}  // namespace velmora::cli
