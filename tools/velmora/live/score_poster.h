#pragma once
// Posts the running score to online scoreboards (--post URL, plain HTTP),
// on the live loop's event loop, never in the way of a QSO: the
// scoreboards' "dynamicresults" XML of the contest at the time of the post
// (live/scoreboard_xml.h), every --post-every and once more at the end. A
// post that fails is tried again at the next turn; the failure is said
// once, and so is the first success after it.

#include <boost/asio/io_context.hpp>
#include <chrono>
#include <iosfwd>
#include <memory>
#include <vector>

#include "live/listen_address.h"
#include "live/live_contest.h"
#include "outputs/header_answers.h"

namespace velmora::cli {

class ScorePoster {
 public:
  // Posts `live` (which, with `header` and `say`, must outlive the poster)
  // to each target every `every`; says on `say` what became of the posts.
  ScorePoster(boost::asio::io_context& io, std::vector<PostTarget> targets,
              std::chrono::seconds every, const LiveContest& live, const HeaderAnswers& header,
              std::ostream& say);
  ~ScorePoster();

  // The last post to each target, at the end: runs the event loop until
  // each has answered or failed, at most `wait`.
  void finish(std::chrono::seconds wait);

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;
};

}  // namespace velmora::cli
