// Feeds velmora's reading and its hand-over to the plug-in arbitrary ADIF
// bytes, and checks what the one text rule promises: a QSO that passes it
// becomes a Cabrillo QSO line that holds no control character but its line
// end, and whose last columns, split at the blanks, are exactly the sender
// and the QSO's own reports, exchanges and call, none split or run
// together; a QSO that breaks it is named, never handed over.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cabrillo/qso_line.h"
#include "fuzz_require.h"
#include "logs/log_reader.h"
#include "replay/qso_mapping.h"

using velmora::fuzz::require;

namespace {

std::vector<std::string> columnsOf(const std::string& line) {
  std::vector<std::string> columns;
  std::istringstream words(line);
  for (std::string word; words >> word;) columns.push_back(word);
  return columns;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  using namespace velmora::cli;
  static const CountryFile countries = [] {
    std::istringstream cty("France: 14: 27: EU: 46.0: -2.0: -1.0: F:\n    F,TM;\n");
    return *CountryFile::parse(cty.str());
  }();
  const std::string text(reinterpret_cast<const char*>(data), size);
  LogReader reader(std::make_unique<std::istringstream>(text), ReadOptions{}, "fuzz.adi");
  while (const std::optional<LogQso> qso = reader.next()) {
    const host::Qso handed = toHostQso(*qso, countries);
    if (const std::optional<std::string> fault = handOverFault(handed)) {
      require(fault->rfind("the ", 0) == 0, "a text that breaks the rule is named");
      continue;
    }
    QsoRecord record;
    record.call = handed.call;
    record.mode = handed.mode;
    record.rstSent = handed.rstSent;
    record.rstReceived = handed.rstReceived;
    record.exchangeSent = handed.exchangeSent;
    record.exchangeReceived = handed.exchangeReceived;
    record.frequencyKhz = handed.frequencyHz / 1000;
    record.qsoTime = OleDateTime{handed.time.days, handed.time.status};
    std::string line;
    appendQsoLine(line, record, "F5VEL");
    require(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0, "a line ends in CR LF");
    line.resize(line.size() - 2);
    for (const char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      require(byte >= 0x20 && byte != 0x7f, "a QSO line holds no control character");
    }
    std::vector<std::string> expected = {"F5VEL"};
    for (const std::string* column : {&record.rstSent, &record.exchangeSent, &record.call,
                                      &record.rstReceived, &record.exchangeReceived}) {
      if (!column->empty()) expected.push_back(*column);
    }
    const std::vector<std::string> columns = columnsOf(line);
    require(columns.size() >= expected.size() + 2, "the line holds QSO:, frequency and mode first");
    require(std::equal(expected.rbegin(), expected.rend(), columns.rbegin()),
            "the QSO's texts are the line's last columns, whole and in order");
  }
  return 0;
}
