// N1MM Logger+'s XML broadcasts (and DXLog.net's own) read into events, on
// datagrams written from the published format: contacts logged, edited and
// deleted keyed on their ID, a lookup, radio info ignored, the decimal
// comma, an X-QSO, and datagrams that cannot be read.

#include "sources/n1mm_packet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "live/journal.h"

namespace velmora::cli {
namespace {

std::string fixture(const std::string& name) {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/live/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_FALSE(text.str().empty()) << name;
  return text.str();
}

// A contactinfo of the fixture with one element's text replaced.
std::string contactWith(const std::string& element, const std::string& text) {
  std::string xml = fixture("n1mm_contactinfo.xml");
  const std::size_t open = xml.find("<" + element + ">") + element.size() + 2;
  const std::size_t close = xml.find("</" + element + ">");
  return xml.replace(open, close - open, text);
}

TEST(N1mmPacket, ContactGivesTheQsoAsAnAdifLogWouldWithItsIdAsKey) {
  const SourceEvent event = readN1mmPacket(fixture("n1mm_contactinfo.xml"), "");
  ASSERT_EQ(event.kind, EventKind::Qso) << event.reason;
  EXPECT_EQ(event.what, "contactinfo");
  EXPECT_EQ(event.key, "0f1e2d3c4b5a69788796a5b4c3d2e1f0");
  EXPECT_EQ(event.qso.key, event.key);
  EXPECT_TRUE(event.edits);
  const LogQso& qso = event.qso;
  EXPECT_EQ(qso.call, "F6XYZ");
  EXPECT_EQ(qso.myCall, "F5VEL");
  EXPECT_EQ((std::vector<int>{qso.time.year, qso.time.month, qso.time.day, qso.time.hour,
                              qso.time.minute, qso.time.second}),
            (std::vector<int>{2011, 3, 12, 6, 1, 30}));
  EXPECT_EQ(qso.frequencyHz, 7012500u);  // tens of Hz
  EXPECT_EQ(qso.band, "40m");
  EXPECT_EQ(qso.mode, "CW");
  EXPECT_EQ(qso.rstSent, "599");
  EXPECT_EQ(qso.exchangeReceived, "75");  // exchange1 before rcvnr, which is 0
  EXPECT_EQ(qso.exchangeSent, "7");       // sntnr
  EXPECT_EQ(qso.continent, "EU");
}

TEST(N1mmPacket, EditOnPhoneWithADecimalCommaAndABraceGuid) {
  const SourceEvent event =
      readN1mmPacket(fixture("n1mm_contactreplace_phone_decimal_comma.xml"), "");
  ASSERT_EQ(event.kind, EventKind::Qso) << event.reason;
  EXPECT_EQ(event.what, "contactreplace");
  EXPECT_EQ(event.key, "0a1b2c3d4e5f60718293a4b5c6d7e8f9");
  EXPECT_EQ(event.qso.mode, "SSB");  // LSB
  EXPECT_EQ(event.qso.band, "80m");  // "3,5" MHz, no frequency given
  EXPECT_EQ(event.qso.frequencyHz, 3500000u);
  EXPECT_EQ(event.qso.exchangeReceived, "123");  // rcvnr, exchange1 being empty
  EXPECT_EQ(event.qso.exchangeSent, "69");       // SentExchange, its report taken out
  EXPECT_EQ(event.qso.rstReceived, "57");
}

TEST(N1mmPacket, RcvdFieldNamesAnyElementInAnyLetterCase) {
  EXPECT_EQ(readN1mmPacket(fixture("n1mm_contactinfo.xml"), "comment").kind, EventKind::Malformed)
      << "a comment of two words is no exchange";
  const SourceEvent zone = readN1mmPacket(fixture("n1mm_contactinfo.xml"), "zone");
  EXPECT_EQ(zone.qso.exchangeReceived, "14");
  const SourceEvent station = readN1mmPacket(fixture("n1mm_contactinfo.xml"), "stationname");
  EXPECT_EQ(station.qso.exchangeReceived, "RUN-PC");
  const SourceEvent empty = readN1mmPacket(fixture("n1mm_contactinfo.xml"), "section");
  ASSERT_EQ(empty.kind, EventKind::Qso);
  EXPECT_EQ(empty.qso.exchangeReceived, "") << "a named field is taken even when empty";
}

TEST(N1mmPacket, DeleteLookupXQsoAndRadioInfo) {
  const SourceEvent deletion = readN1mmPacket(fixture("n1mm_contactdelete.xml"), "");
  EXPECT_EQ(deletion.kind, EventKind::Delete);
  EXPECT_EQ(deletion.key, "0f1e2d3c4b5a69788796a5b4c3d2e1f0") << "the same ID in upper case";
  EXPECT_EQ(deletion.qso.call, "F6XYZ");
  EXPECT_EQ(deletion.reason, "");

  const SourceEvent lookup = readN1mmPacket(fixture("n1mm_lookupinfo.xml"), "");
  EXPECT_EQ(lookup.kind, EventKind::Lookup);
  EXPECT_EQ(lookup.qso.call, "F5AAA");
  EXPECT_EQ(lookup.qso.band, "20m");
  EXPECT_EQ(lookup.key, "") << "a lookup names no QSO";

  const SourceEvent xqso = readN1mmPacket(fixture("n1mm_xqso.xml"), "");
  EXPECT_EQ(xqso.kind, EventKind::Delete);
  EXPECT_EQ(xqso.key, "0f1e2d3c4b5a69788796a5b4c3d2e1f0");
  EXPECT_NE(xqso.reason.find("X-QSO"), std::string::npos);

  const SourceEvent radio = readN1mmPacket(fixture("n1mm_radioinfo.xml"), "");
  EXPECT_EQ(radio.kind, EventKind::Ignored);
  EXPECT_EQ(radio.what, "radioinfo");
}

TEST(N1mmPacket, DxlogOwnFormatIsKeyedOnGuidWithExch1) {
  const SourceEvent event = readN1mmPacket(fixture("dxlog_own_contactinfo.xml"), "");
  ASSERT_EQ(event.kind, EventKind::Qso) << event.reason;
  EXPECT_EQ(event.key, "9e8d7c6b5a4f3e2d1c0b9a8f7e6d5c4b");
  EXPECT_EQ(event.qso.call, "FY5PZ");
  EXPECT_EQ(event.qso.band, "15m");
  EXPECT_EQ(event.qso.exchangeReceived, "973");
  std::string marked = fixture("dxlog_own_contactinfo.xml");
  marked.replace(marked.find("<xqso>False"), 11, "<xqso>True");
  EXPECT_EQ(readN1mmPacket(marked, "").kind, EventKind::Delete);
}

TEST(N1mmPacket, SameIdTwiceGivesTheSameEvent) {
  const SourceEvent first = readN1mmPacket(fixture("n1mm_contactinfo.xml"), "");
  const SourceEvent second = readN1mmPacket(fixture("n1mm_contactinfo.xml"), "");
  EXPECT_EQ(first.key, second.key);
  EXPECT_EQ(journalRecord(first.qso, JournalEvent::New),
            journalRecord(second.qso, JournalEvent::New));
}

struct Broken {
  const char* name;
  std::string datagram;
  const char* reason;  // part of the reason given
};

TEST(N1mmPacket, MalformedDatagramsSaySoAndNeverThrow) {
  const std::string huge(5000, 'A');
  std::string deep;
  for (int i = 0; i < 600; ++i) deep += "<a>";
  const std::vector<Broken> cases = {
      {"not XML", "hello", "not well-formed XML"},
      {"cut short", fixture("n1mm_contactinfo.xml").substr(0, 300), "not well-formed XML"},
      {"empty", "", "no element"},
      {"nested deep", deep, "tags"},
      {"no ID", contactWith("ID", ""), "no ID"},
      {"ID too short", contactWith("ID", "0f1e2d"), "no ID"},
      {"call of absurd size", contactWith("call", huge), "field call of 5000 bytes"},
      {"bad timestamp", contactWith("timestamp", "yesterday"), "bad timestamp"},
      {"impossible date", contactWith("timestamp", "2011-02-30 06:01:30"), "bad date"},
      {"frequency no number", contactWith("txfreq", "7 MHz"), "bad txfreq"},
      {"no call", contactWith("call", ""), "missing call"},
      {"call with a blank", contactWith("call", "F6 XYZ"), "blank"},
  };
  for (const Broken& broken : cases) {
    const SourceEvent event = readN1mmPacket(broken.datagram, "");
    EXPECT_EQ(event.kind, EventKind::Malformed) << broken.name;
    EXPECT_NE(event.reason.find(broken.reason), std::string::npos)
        << broken.name << ": " << event.reason;
  }
}

}  // namespace
}  // namespace velmora::cli
