// Feeds velmora's Cabrillo reader arbitrary bytes and checks what it
// promises whatever the file holds: every QSO line gives one record, read or
// skipped, numbered in file order; a QSO read has a band, a frequency within
// it, a date that exists and a time of day, a call and an exchange; every
// X-QSO line is told as such. Lines end in LF, CR LF or CR alike.

#include <sstream>
#include <string>
#include <vector>

#include "fuzz_require.h"
#include "logs/band_plan.h"
#include "logs/cabrillo_reader.h"
#include "logs/time_text.h"
#include "text/ascii.h"

using velmora::fuzz::require;

namespace {

// Lines (ended by LF, CR LF or CR) that begin, after blanks, with `tag` in
// any letter case.
int linesTagged(const std::string& text, const std::string& tag) {
  std::string unixText;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    unixText += text[i] == '\r' ? '\n' : text[i];
  }
  std::istringstream in(unixText);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (velmora::upperAscii(velmora::trimAsciiBlanks(line).substr(0, tag.size())) == tag) ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  velmora::cli::CabrilloReader reader(in);
  std::vector<velmora::cli::LogQso> qsos;
  int records = 0, unscored = 0;
  while (std::optional<velmora::cli::ReadRecord> record = reader.next()) {
    if (std::holds_alternative<velmora::cli::UnscoredLine>(*record)) {
      ++unscored;
      continue;
    }
    ++records;
    if (auto* qso = std::get_if<velmora::cli::LogQso>(&*record)) qsos.push_back(std::move(*qso));
  }

  require(records == linesTagged(text, "QSO:"), "every QSO line gives one record");
  require(unscored == linesTagged(text, "X-QSO:"), "every X-QSO line is told");
  int previous = 0;
  for (const auto& qso : qsos) {
    require(qso.record > previous, "QSOs keep their file order");
    previous = qso.record;
    require(qso.frequencyHz && velmora::cli::bandOf(*qso.frequencyHz) == qso.band,
            "a QSO read has a frequency and the band it lies in");
    require(velmora::cli::isLogTime(qso.time), "a QSO's date exists and its time of day");
    require(!qso.call.empty() && !qso.exchangeReceived.empty(), "a QSO read has its columns");
  }
  return 0;
}
