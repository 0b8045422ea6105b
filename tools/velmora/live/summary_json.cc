#include "live/summary_json.h"

#include <cstdio>

#include "outputs/summary_figures.h"
#include "report/markup.h"

namespace velmora::cli {
namespace {

std::string number(const std::optional<long long>& value) {
  return value ? std::to_string(*value) : "null";
}

std::string member(const char* name, const std::string& json) {
  return jsonString(name) + ":" + json;
}

std::string eventJson(const LiveEventNote& event) {
  return "{" + member("record", std::to_string(event.record)) + "," +
         member("source", jsonString(event.source)) + "," + member("what", jsonString(event.what)) +
         "," + member("call", jsonString(event.call)) + "," +
         member("band", jsonString(event.band)) + "," +
         member("outcome", jsonString(event.outcome)) + "," + member("score", number(event.score)) +
         "}";
}

std::string typingJson(const std::optional<TypingNow>& typing) {
  if (!typing) return "null";
  return "{" + member("call", jsonString(typing->call)) + "," +
         member("band", jsonString(typing->band)) + "," +
         member("verdict", jsonString(typing->verdict)) + "," +
         member("expected", jsonString(typing->expectedExchange)) + "," +
         member("message", jsonString(typing->message)) + "}";
}

std::string countsJson(const LiveCounts& counts) {
  const auto count = [](const char* name, long long value) {
    return member(name, std::to_string(value));
  };
  return "{" + count("qsos", counts.qsos) + "," + count("edits", counts.edits) + "," +
         count("deletes", counts.deletes) + "," + count("lookups", counts.lookups) + "," +
         count("heard_again", counts.heardAgain) + "," + count("ignored", counts.ignored) + "," +
         count("malformed", counts.malformed) + "," + count("left_out", counts.leftOut) + "," +
         count("not_journaled", counts.notJournaled) + "}";
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  while (!text.empty()) {
    const std::size_t length = report::utf8Length(text);
    const unsigned char c = static_cast<unsigned char>(text.front());
    if (length == 0) {
      out += "\\ufffd";
      text.remove_prefix(1);
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\t' || c == '\r' || c == '\n') {
      out += c == '\t' ? "\\t" : c == '\r' ? "\\r" : "\\n";
    } else if (c < 0x20 || c == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out.append(text.data(), length);
    }
    text.remove_prefix(length);
  }
  return out + "\"";
}

std::string summaryJson(const LiveContest& live) {
  const std::string& summary = live.timeline().summary;
  const SummaryFigures figures = readSummaryFigures(summary);
  std::string events = "[";
  for (const LiveEventNote& event : live.lastEvents()) {
    events += (events.size() > 1 ? "," : "") + eventJson(event);
  }
  events += "]";
  return "{" + member("call", jsonString(live.started() ? live.contest().station().call : "")) +
         "," + member("score", number(wholeNumber(figures.score))) + "," +
         member("qsos", number(totalUnder(figures, "QSOs"))) + "," +
         member("raw", jsonString(summary)) + "," + member("events", events) + "," +
         member("typing", typingJson(live.typing())) + "," +
         member("counts", countsJson(live.counts())) + "," +
         member("changes", std::to_string(live.changes())) + "}\n";
}

}  // namespace velmora::cli
