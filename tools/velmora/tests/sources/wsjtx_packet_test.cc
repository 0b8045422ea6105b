// WSJT-X's and JTDX's UDP messages read into events, on messages built here
// field by field as the published QDataStream layout gives them: QSO
// Logged (WSJT-X's full one, JTDX's shorter one), Logged ADIF, messages of
// other types, and messages that cannot be read.

#include "sources/wsjtx_packet.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velmora::cli {
namespace {

// A message as QDataStream writes it, big-endian.
class Message {
 public:
  Message(std::uint32_t type, std::uint32_t schema = 2) {
    u32(0xadbccbda).u32(schema).u32(type).text("WSJT-X");
  }
  Message& u8(std::uint8_t v) { return raw(v, 1); }
  Message& u32(std::uint32_t v) { return raw(v, 4); }
  Message& u64(std::uint64_t v) { return raw(v, 8); }
  Message& text(const std::string& v) {
    u32(static_cast<std::uint32_t>(v.size()));
    bytes_ += v;
    return *this;
  }
  Message& null() { return u32(0xFFFFFFFF); }
  // A UTC QDateTime: Julian day, milliseconds of the day, time spec 1.
  Message& utc(std::int64_t julianDay, std::uint32_t ms) {
    return u64(static_cast<std::uint64_t>(julianDay)).u32(ms).u8(1);
  }
  Message& offset(std::int64_t julianDay, std::uint32_t ms, std::int32_t seconds) {
    return u64(static_cast<std::uint64_t>(julianDay))
        .u32(ms)
        .u8(2)
        .u32(static_cast<std::uint32_t>(seconds));
  }
  const std::string& bytes() const { return bytes_; }

 private:
  Message& raw(std::uint64_t v, int size) {
    for (int i = size - 1; i >= 0; --i) bytes_ += static_cast<char>((v >> (8 * i)) & 0xFF);
    return *this;
  }
  std::string bytes_;
};

constexpr std::int64_t kDay = 2455633;  // 2011-03-12
constexpr std::uint32_t k0601 = (6 * 3600 + 1 * 60 + 15) * 1000;

// QSO Logged up to its name: what JTDX sends too.
Message qsoLoggedStart(std::uint32_t schema = 2) {
  Message m(5, schema);
  m.utc(kDay, k0601 + 60000)
      .text("dl1abc")
      .text("JO62")
      .u64(14074000)
      .text("FT8")
      .text("-10")
      .text("-12")
      .text("100")
      .text("tnx")
      .text("Hans");
  return m;
}

// What follows the time off in a QSO Logged of DL1ABC on 40m, up to its name.
Message& dl1abcOn40m(Message& m) {
  return m.text("DL1ABC")
      .text("")
      .u64(7074000)
      .text("FT8")
      .text("")
      .text("")
      .text("")
      .text("")
      .text("");
}

TEST(WsjtxPacket, QsoLoggedGivesTheQsoKeyedByCallBandAndMinute) {
  Message m = qsoLoggedStart(3);
  m.utc(kDay, k0601).text("F5VEL").text("F5VEL").text("JN18").text("59 69").text("59 123").null();
  const SourceEvent event = readWsjtxPacket(m.bytes(), "");
  ASSERT_EQ(event.kind, EventKind::Qso) << event.reason;
  EXPECT_EQ(event.what, "WSJT-X QSO Logged");
  EXPECT_FALSE(event.edits) << "no id: heard again is the same QSO";
  EXPECT_EQ(event.key, "DL1ABC 20m 201103120601");
  EXPECT_EQ(event.qso.call, "DL1ABC");
  EXPECT_EQ(event.qso.frequencyHz, 14074000u);
  EXPECT_EQ(event.qso.band, "20m");
  EXPECT_EQ(event.qso.mode, "FT8");
  EXPECT_EQ(event.qso.time.minute, 1) << "the time on, not the time off";
  EXPECT_EQ(event.qso.time.second, 15);
  EXPECT_EQ(event.qso.myCall, "F5VEL");
  EXPECT_EQ(event.qso.exchangeSent, "69");
  EXPECT_EQ(event.qso.exchangeReceived, "123");
  EXPECT_EQ(event.qso.rstReceived, "-12") << "the log's own report kept";
  const SourceEvent comment = readWsjtxPacket(m.bytes(), "comment");
  EXPECT_EQ(comment.qso.exchangeReceived, "tnx");
}

TEST(WsjtxPacket, ShorterMessagesOfJtdxAndTrailingFieldsOfLaterSchemas) {
  const SourceEvent shortest = readWsjtxPacket(qsoLoggedStart().bytes(), "");
  ASSERT_EQ(shortest.kind, EventKind::Qso) << shortest.reason;
  EXPECT_EQ(shortest.qso.time.minute, 2) << "without a time on, the time off";
  EXPECT_EQ(shortest.qso.exchangeReceived, "");
  Message upToMyCall = qsoLoggedStart();
  upToMyCall.utc(kDay, k0601).text("").text("F5VEL");
  const SourceEvent jtdx = readWsjtxPacket(upToMyCall.bytes(), "");
  ASSERT_EQ(jtdx.kind, EventKind::Qso) << jtdx.reason;
  EXPECT_EQ(jtdx.qso.myCall, "F5VEL");
  Message longer = qsoLoggedStart();
  longer.utc(kDay, k0601)
      .text("")
      .text("F5VEL")
      .text("JN18")
      .text("")
      .text("75")
      .text("")
      .text("a field of a later version")
      .u32(42);
  const SourceEvent later = readWsjtxPacket(longer.bytes(), "");
  ASSERT_EQ(later.kind, EventKind::Qso) << later.reason;
  EXPECT_EQ(later.qso.exchangeReceived, "75");
}

TEST(WsjtxPacket, OffsetFromUtcIsTakenBack) {
  Message m(5);
  dl1abcOn40m(m.offset(kDay, k0601, 3600));
  const SourceEvent event = readWsjtxPacket(m.bytes(), "");
  ASSERT_EQ(event.kind, EventKind::Qso) << event.reason;
  EXPECT_EQ(event.qso.time.hour, 5);
  Message early(5);
  dl1abcOn40m(early.offset(kDay, 30 * 60 * 1000, 3600));
  const SourceEvent dayBefore = readWsjtxPacket(early.bytes(), "");
  EXPECT_EQ(dayBefore.qso.time.day, 11);
  EXPECT_EQ(dayBefore.qso.time.hour, 23);
}

TEST(WsjtxPacket, LoggedAdifIsReadAsAnAdifRecord) {
  Message m(12);
  m.text(
      "<adif_ver:5>3.1.0\n<programid:6>WSJT-X\n<EOH>\n<call:5>F6XYZ <gridsquare:4>JN18 "
      "<mode:3>FT8 <rst_sent:3>-05 <rst_rcvd:3>-07 <qso_date:8>20110312 <time_on:6>060100 "
      "<qso_date_off:8>20110312 <time_off:6>060200 <band:3>40m <freq:8>7.074000 "
      "<station_callsign:5>F5VEL <my_gridsquare:4>JN18 <EOR>");
  const SourceEvent event = readWsjtxPacket(m.bytes(), "");
  ASSERT_EQ(event.kind, EventKind::Qso) << event.reason;
  EXPECT_EQ(event.what, "WSJT-X Logged ADIF");
  EXPECT_EQ(event.key, "F6XYZ 40m 201103120601");
  EXPECT_EQ(event.qso.frequencyHz, 7074000u);
}

TEST(WsjtxPacket, OtherMessagesAreIgnored) {
  for (std::uint32_t type : {0u, 1u, 2u, 6u, 10u, 99u}) {
    Message m(type);
    m.u32(3).text("2.6.1");
    const SourceEvent event = readWsjtxPacket(m.bytes(), "");
    EXPECT_EQ(event.kind, EventKind::Ignored) << type;
  }
}

TEST(WsjtxPacket, MalformedMessagesSaySo) {
  Message badSchema(5, 1);
  Message cut = qsoLoggedStart();
  std::string cutBytes = cut.bytes().substr(0, cut.bytes().size() - 3);
  Message noTime(5);
  dl1abcOn40m(noTime.utc(0, 0xFFFFFFFF));
  Message zone(5);
  zone.u64(kDay).u32(k0601).u8(3).text("Europe/Paris");
  Message hugeCall(5);
  hugeCall.utc(kDay, k0601).text(std::string(300, 'D')).text("");
  Message lying(5);
  lying.utc(kDay, k0601).u32(60000).text("DL1ABC");
  Message noRecord(12);
  noRecord.text("<EOH>");
  const std::vector<std::pair<std::string, const char*>> cases = {
      {"not WSJT-X at all", "not a WSJT-X message"},
      {badSchema.bytes(), "schema 1"},
      {std::string("\xad\xbc\xcb\xda\x00\x00", 6), "cut inside the header"},
      {cutBytes, "cut inside field name"},
      {noTime.bytes(), "no time"},
      {zone.bytes(), "named time zone"},
      {hugeCall.bytes(), "field call of 300 bytes"},
      {lying.bytes(), "cut inside field call"},
      {noRecord.bytes(), "no ADIF record"},
  };
  for (const auto& [bytes, reason] : cases) {
    const SourceEvent event = readWsjtxPacket(bytes, "");
    EXPECT_EQ(event.kind, EventKind::Malformed) << reason;
    EXPECT_NE(event.reason.find(reason), std::string::npos) << reason << ": " << event.reason;
  }
}

}  // namespace
}  // namespace velmora::cli
