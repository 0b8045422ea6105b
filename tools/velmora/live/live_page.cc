#include "live/live_page.h"

#include "live/summary_json.h"
#include "report/markup.h"
#include "report/report_page.h"

namespace velmora::cli {
namespace {

using report::escaped;

// The page runs its own script, from velmora, and talks only to velmora.
constexpr const char* kPolicy =
    "default-src 'none'; style-src 'unsafe-inline'; script-src 'self'; connect-src 'self'";

constexpr const char* kLiveStyle = R"(
.connection{font-size:.85em;color:#444;margin:0}
.typing{border:2px solid #0072B2;border-radius:6px;padding:4px 12px;margin:8px 0}
.typing h2{border:0;margin:.2em 0;font-size:1em;color:#0072B2}
.typing .call{font-size:1.6em;margin-right:.4em}
.typing .verdict{font-size:1.2em}
.events td,.events th{text-align:left}
.counts{font-size:.9em;color:#333}
)";

std::string verdictMeaning(const std::string& verdict) {
  if (verdict == "Duplicate") return "already worked on this band";
  if (verdict == "NewDepartment") return "a new department";
  if (verdict == "NewDxcc") return "a new DXCC prefix";
  if (verdict == "NoNewMultiplier") return "no new multiplier";
  return "";
}

std::string typingSection(const LiveContest& live) {
  std::string html = "<section class=\"typing\" id=\"typing\"><h2>Now typing</h2>";
  const std::optional<TypingNow>& typing = live.typing();
  if (!typing) return html + "<p>No lookup yet: the logger's lookups show here.</p></section>";
  html += "<p><b class=\"call\">" + escaped(typing->call) + "</b> on " + escaped(typing->band);
  if (!typing->verdict.empty()) {
    const std::string meaning = verdictMeaning(typing->verdict);
    html += ": <b class=\"verdict\">" + escaped(typing->verdict) + "</b>" +
            (meaning.empty() ? "" : " (" + meaning + ")");
  }
  if (!typing->expectedExchange.empty()) {
    html += "; expected exchange <b>" + escaped(typing->expectedExchange) + "</b>";
  }
  if (!typing->message.empty()) html += "; " + escaped(typing->message);
  return html + "</p></section>";
}

std::string eventsSection(const LiveContest& live) {
  std::string html = "<section><h2>Last events</h2>";
  if (live.lastEvents().empty()) return html + "<p>Nothing has arrived yet.</p></section>";
  html +=
      "<table class=\"events\"><thead><tr><th scope=\"col\">Record</th><th scope=\"col\">"
      "From</th><th scope=\"col\">Call</th><th scope=\"col\">Band</th><th scope=\"col\">What "
      "it did</th><th scope=\"col\">Score</th></tr></thead><tbody>";
  for (const LiveEventNote& event : live.lastEvents()) {
    html += "<tr><td>" + (event.record > 0 ? std::to_string(event.record) : "") + "</td><td>" +
            escaped(event.source + " " + event.what) + "</td><td>" + escaped(event.call) +
            "</td><td>" + escaped(event.band) + "</td><td>" + escaped(event.outcome) + "</td><td>" +
            (event.score ? std::to_string(*event.score) : "") + "</td></tr>";
  }
  html += "</tbody></table>";
  const LiveCounts& c = live.counts();
  html += "<p class=\"counts\">Arrived: " + std::to_string(c.qsos) + " QSOs, " +
          std::to_string(c.edits) + " edits, " + std::to_string(c.deletes) + " deletes, " +
          std::to_string(c.lookups) + " lookups; heard again " + std::to_string(c.heardAgain) +
          ", ignored " + std::to_string(c.ignored) + ", malformed " + std::to_string(c.malformed) +
          ", outside the contest " + std::to_string(c.leftOut) + ", not journaled " +
          std::to_string(c.notJournaled) + ".</p>";
  return html + "</section>";
}

report::ReportSubject subjectOf(const LiveContest& live, const std::string& journalName) {
  return {live.started() ? live.contest().station().call : "velmora live", journalName};
}

}  // namespace

std::string liveContent(const LiveContest& live, const std::string& journalName) {
  if (!live.started()) {
    return typingSection(live) +
           "<section><h2>Waiting</h2><p>The contest starts with the first QSO that names the "
           "own call.</p></section>" +
           eventsSection(live);
  }
  return typingSection(live) +
         report::reportSections(subjectOf(live, journalName), live.timeline()) +
         eventsSection(live);
}

std::string livePage(const LiveContest& live, const std::string& journalName) {
  const report::ReportSubject subject = subjectOf(live, journalName);
  return report::reportDocument(
      report::reportTitle(subject, live.timeline()) + " live", kPolicy, kLiveStyle,
      "<p class=\"connection\" id=\"connection\">velmora live: connecting...</p><main "
      "id=\"live\">" +
          liveContent(live, journalName) +
          "</main><footer><p>Made by velmora live: the logger's QSOs fed into the plug-in as they "
          "arrive, with its summary after each and its call check for each lookup. Times in "
          "UTC.</p></footer><script src=\"/live.js\"></script>");
}

const std::string& liveScript() {
  static const std::string kScript = R"js("use strict";
// Keeps the live page current: each server-sent event "contest" carries the
// new content of the page's live part.
(function () {
  var live = document.getElementById("live");
  var connection = document.getElementById("connection");
  var events = new EventSource("/events");
  events.onopen = function () {
    connection.textContent = "velmora live: connected";
  };
  events.addEventListener("contest", function (event) {
    var data = JSON.parse(event.data);
    live.innerHTML = data.html;
    connection.textContent = "velmora live: updated " +
        new Date().toISOString().substring(11, 19) + " UTC (change " + data.changes + ")";
  });
  events.onerror = function () {
    connection.textContent = "velmora live: connection lost, trying again";
  };
})();
)js";
  return kScript;
}

std::string liveEvent(const LiveContest& live, const std::string& journalName) {
  return "event: contest\ndata: {\"changes\":" + std::to_string(live.changes()) +
         ",\"html\":" + jsonString(liveContent(live, journalName)) + "}\n\n";
}

}  // namespace velmora::cli
