// Feeds velmora's ADIF scanner arbitrary bytes and checks what it promises
// whatever the file holds: records, read or skipped, are numbered 1, 2, 3...
// without a gap, field names are in lower case, every field value is a run
// of bytes of the file, within the limit, holding no well-formed tag (a
// length that runs into one ends the value before it). Then the QSO reader
// over the same bytes: a QSO's band is a name of the ADIF band table and
// its frequency lies in that band; and no reason or note echoes a control
// byte of the file to the terminal.

#include <fuzzer/FuzzedDataProvider.h>

#include <sstream>
#include <string>
#include <vector>

#include "fuzz_require.h"
#include "logs/adif_qso.h"
#include "logs/adif_scanner.h"
#include "logs/adif_tag.h"
#include "logs/band_plan.h"

using velmora::fuzz::require;

namespace {

bool showsControlBytes(const std::string& text) {
  for (char c : text) {
    if ((static_cast<unsigned char>(c) < 0x20) || c == 0x7f) return true;
  }
  return false;
}

bool holdsWellFormedTag(const std::string& value) {
  for (std::size_t at = value.find('<'); at != std::string::npos; at = value.find('<', at + 1)) {
    if (velmora::cli::adifTagAt(std::string_view(value).substr(at)) != 0) return true;
  }
  return false;
}

// The QSO reader over the same bytes.
void checkQsos(const std::string& text) {
  std::istringstream in(text);
  velmora::cli::AdifQsoReader reader(in, "");
  while (std::optional<velmora::cli::ReadRecord> record = reader.next()) {
    if (auto* skipped = std::get_if<velmora::cli::SkippedRecord>(&*record)) {
      require(!showsControlBytes(skipped->reason), "a skip's reason shows no control byte");
      for (const auto& note : skipped->notes) {
        require(!showsControlBytes(note.text), "a note shows no control byte");
      }
      continue;
    }
    const auto* qso = std::get_if<velmora::cli::LogQso>(&*record);
    if (qso == nullptr) continue;
    const velmora::cli::AdifBand* band = velmora::cli::bandNamed(qso->band);
    require(band != nullptr && qso->band == band->name, "a QSO's band is a name of the table");
    require(qso->frequencyHz && velmora::cli::bandAt(*qso->frequencyHz) == band,
            "a QSO's frequency lies in its band");
    for (const auto& note : qso->notes) {
      require(!showsControlBytes(note.text), "a note shows no control byte");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  std::vector<velmora::cli::AdifRecord> records;
  std::vector<velmora::cli::AdifRecord> skipped;
  velmora::cli::AdifScanner scanner(in);
  while (std::optional<velmora::cli::AdifRecord> record = scanner.next()) {
    (record->broken.empty() ? records : skipped).push_back(std::move(*record));
  }

  const std::size_t count = records.size() + skipped.size();
  std::vector<int> seen(count + 1, 0);
  for (const auto& record : records) {
    require(record.record >= 1 && static_cast<std::size_t>(record.record) <= count,
            "a record number lies between 1 and the number of records");
    ++seen[record.record];
    for (const auto& [name, value] : record.fields) {
      for (char c : name) require(c < 'A' || c > 'Z', "field names are in lower case");
      require(text.find(value) != std::string::npos, "a field value is bytes of the file");
      require(value.size() <= velmora::cli::kLongestAdifValue, "a value is within the limit");
      require(!holdsWellFormedTag(value), "a value holds no well-formed tag");
    }
    require(!showsControlBytes(record.lengthNote), "a length's note shows no control byte");
  }
  for (const auto& broken : skipped) {
    require(broken.record >= 1 && static_cast<std::size_t>(broken.record) <= count,
            "a skipped record's number lies between 1 and the number of records");
    ++seen[broken.record];
    require(!showsControlBytes(broken.broken), "a broken record's reason shows no control byte");
  }
  for (std::size_t n = 1; n <= count; ++n) require(seen[n] == 1, "every record number once");
  checkQsos(text);
  return 0;
}
