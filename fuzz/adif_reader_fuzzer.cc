// Feeds velmora's ADIF scanner arbitrary bytes and checks what it promises
// whatever the file holds: records, read or skipped, are numbered 1, 2, 3...
// without a gap, field names are in lower
// case, and every field value is a run of bytes of the file.

#include <fuzzer/FuzzedDataProvider.h>

#include <sstream>
#include <string>
#include <vector>

#include "logs/adif_scanner.h"
#include "fuzz_require.h"

using velmora::fuzz::require;

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
    }
  }
  for (const auto& broken : skipped) {
    require(broken.record >= 1 && static_cast<std::size_t>(broken.record) <= count,
            "a skipped record's number lies between 1 and the number of records");
    ++seen[broken.record];
  }
  for (std::size_t n = 1; n <= count; ++n) require(seen[n] == 1, "every record number once");
  return 0;
}
