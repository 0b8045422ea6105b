#pragma once
// The live page of velmora live: the contest as the report page draws it
// (report/), under a "now typing" panel with the latest lookup, and above
// the last events and the counts of what arrived. A small script of its own
// (/live.js) keeps it current: it listens to /events (server-sent events)
// and puts in each new content it is sent. The page fetches nothing from
// elsewhere, as its content policy says.

#include <string>

#include "live/live_contest.h"

namespace velmora::cli {

// The whole page at GET /; `journalName` names where the contest comes from.
std::string livePage(const LiveContest& live, const std::string& journalName);

// What the page shows inside its live part, which the script replaces.
std::string liveContent(const LiveContest& live, const std::string& journalName);

// The script the page loads from /live.js.
const std::string& liveScript();

// One server-sent event of the page: the live part's content and the
// change count, as one JSON line.
std::string liveEvent(const LiveContest& live, const std::string& journalName);

}  // namespace velmora::cli
