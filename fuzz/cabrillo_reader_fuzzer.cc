// Feeds velmora's Cabrillo reader arbitrary bytes and checks what it
// promises whatever the file holds: every QSO line gives one record, read or
// skipped, numbered in file order; a QSO read has a band, a frequency within
// it, a date that exists and a time of day, a call and an exchange; every
// X-QSO line is counted.

#include <sstream>
#include <string>

#include "band_plan.h"
#include "cabrillo_reader.h"
#include "fuzz_require.h"
#include "ole_time.h"
#include "text_case.h"

using velmora::fuzz::require;

namespace {

// Lines that begin, after blanks, with `tag` in any letter case.
int linesTagged(const std::string& text, const std::string& tag) {
  std::istringstream in(text);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (velmora::cli::toUpper(velmora::cli::trimBlanks(line).substr(0, tag.size())) == tag) ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  velmora::cli::LogContents log;
  velmora::cli::readCabrilloLog(in, {[&](velmora::cli::ReadRecord record) { log.add(std::move(record)); },
                                     [&](std::string call) { log.ownCall = std::move(call); },
                                     [&] { ++log.notForScoring; }});

  require(log.recordsRead() == linesTagged(text, "QSO:"), "every QSO line gives one record");
  require(log.notForScoring == linesTagged(text, "X-QSO:"), "every X-QSO line is counted");
  int previous = 0;
  for (const auto& qso : log.qsos) {
    require(qso.record > previous, "QSOs keep their file order");
    previous = qso.record;
    require(qso.frequencyHz && velmora::cli::bandOf(*qso.frequencyHz) == qso.band,
            "a QSO read has a frequency and the band it lies in");
    require(velmora::cli::isValidCivilTime(qso.time), "a QSO's date exists and its time of day");
    require(!qso.call.empty() && !qso.exchangeReceived.empty(), "a QSO read has its columns");
  }
  return 0;
}
