// Listening addresses and scoreboard URLs as users write them.

#include "live/listen_address.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(ListenAddress, PortAloneOrWithAnAddressOfEitherFamily) {
  struct Case {
    const char* text;
    const char* host;  // nullptr: refused
    unsigned short port;
  };
  const Case cases[] = {
      {"12060", "127.0.0.1", 12060}, {"0", "127.0.0.1", 0},     {"0.0.0.0:2237", "0.0.0.0", 2237},
      {"[::1]:8073", "::1", 8073},   {"::1:8073", nullptr, 0},  {"65536", nullptr, 0},
      {"localhost:80", nullptr, 0},  {"12060x", nullptr, 0},    {"", nullptr, 0},
      {"127.0.0.1:", nullptr, 0},    {"[::1]8073", nullptr, 0},
  };
  for (const Case& c : cases) {
    const std::optional<ListenAddress> address = parseListenAddress(c.text, "127.0.0.1");
    if (c.host == nullptr) {
      EXPECT_FALSE(address) << c.text;
      continue;
    }
    ASSERT_TRUE(address) << c.text;
    EXPECT_EQ(address->host, c.host) << c.text;
    EXPECT_EQ(address->port, c.port) << c.text;
  }
  EXPECT_EQ(addressText("::1", 8073), "[::1]:8073");
}

TEST(ListenAddress, OnlyPlainHttpUrlsArePostedTo) {
  const std::optional<PostTarget> board = parsePostUrl("http://127.0.0.1:8099/post?key=1");
  ASSERT_TRUE(board);
  EXPECT_EQ(board->host, "127.0.0.1");
  EXPECT_EQ(board->port, "8099");
  EXPECT_EQ(board->target, "/post?key=1");
  const std::optional<PostTarget> bare = parsePostUrl("HTTP://scores.example.org");
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->port, "80");
  EXPECT_EQ(bare->target, "/");
  const std::optional<PostTarget> v6 = parsePostUrl("http://[::1]:81/x");
  ASSERT_TRUE(v6);
  EXPECT_EQ(v6->host, "::1");
  for (const char* refused :
       {"https://scores.example.org/", "ftp://x/", "http://", "http://:80/", "http://user@host/",
        "http://host:0/", "http://host/a b", "scores.example.org"}) {
    EXPECT_FALSE(parsePostUrl(refused)) << refused;
  }
}

}  // namespace
}  // namespace velmora::cli
