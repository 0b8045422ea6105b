#pragma once
// Where velmora live listens and posts: "[ADDR:]PORT" as the user writes a
// listening address (an IPv4 address, or IPv6 in brackets: "[::1]:8073"),
// and plain http:// URLs of the scoreboards.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

struct ListenAddress {
  std::string host;         // a numeric address
  unsigned short port = 0;  // 0: a free port
};

// "12060", "127.0.0.1:12060", "0.0.0.0:12060" or "[::1]:12060"; a bare port
// is on `defaultHost`. Nothing when the text is none of these.
std::optional<ListenAddress> parseListenAddress(std::string_view text,
                                                const std::string& defaultHost);

// "127.0.0.1:12060", "[::1]:12060".
std::string addressText(const std::string& host, unsigned short port);

struct PostTarget {
  std::string url;     // as given, for messages
  std::string host;    // a name or an address
  std::string port;    // "80" unless the URL names one
  std::string target;  // the path and query, "/" at least
};

// "http://HOST[:PORT][/PATH]"; nothing for anything else (https included).
std::optional<PostTarget> parsePostUrl(std::string_view url);

}  // namespace velmora::cli
